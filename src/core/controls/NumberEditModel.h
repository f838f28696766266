#pragma once
// The state and rules of the numeric edit box without the widget: its
// properties with their defaults, the number it holds, the canonical text, the
// handling of a changed text and arrow-key stepping. The widget keeps one of
// these and only moves texts and carets between it and the screen.

#include "core/controls/NumberEditTypes.h"

#include <QString>
#include <optional>

class NumberEditModel
{
public:
    // ---- Properties. Setters that answer bool say whether the box's text must
    // ---- be rewritten in the canonical form afterwards.

    bool AllowKeys() const { return m_allowKeys; }
    void setAllowKeys(bool on) { m_allowKeys = on; }

    bool Comma() const { return m_comma; }
    bool setComma(bool on);

    int Figure() const { return m_figure; }
    bool setFigure(int figure);

    bool Fixed() const { return m_fixed; }
    bool setFixed(bool on);

    Extended Increment() const { return m_increment; }
    void setIncrement(Extended step) { m_increment = step; }

    bool Limit() const { return m_limit; }
    bool setLimit(bool on);

    TLimitOptions LimitOptions() const { return m_limitOptions; }
    bool setLimitOptions(TLimitOptions options);

    TNumberType NumberType() const { return m_numberType; }
    // Switches the mode and answers the text the box is to show now.
    QString setNumberType(TNumberType type);

    Extended Max() const { return m_max; }
    bool setMax(Extended max);

    int MaxIntLength() const { return m_maxIntLength; }
    void setMaxIntLength(int digits) { m_maxIntLength = digits; }

    Extended Min() const { return m_min; }
    bool setMin(Extended min);

    TRoundMode RoundMode() const { return m_roundMode; }
    void setRoundMode(TRoundMode mode) { m_roundMode = mode; }

    bool ValidMinus() const { return m_validMinus; }
    bool setValidMinus(bool on);

    Extended Value() const { return m_value; }
    // Stores the value, held to the limits when they are on.
    void setValue(Extended value);

    bool Wrap() const { return m_wrap; }
    void setWrap(bool on) { m_wrap = on; }

    bool ZeroVisible() const { return m_zeroVisible; }
    void setZeroVisible(bool on) { m_zeroVisible = on; }

    NumberSeparators separators() const { return m_separators; }
    void setSeparators(NumberSeparators separators) { m_separators = separators; }

    // ---- Read-outs.

    // The value rounded to a whole number by RoundMode, held to 32 bits.
    int AsInteger() const;
    int IntValue() const { return AsInteger(); }
    void setAsInteger(int value) { setValue(value); }
    // The same without the 32-bit clamp (held to 64 bits).
    qint64 AsInt64() const;
    void setAsInt64(qint64 value) { setValue(value); }
    // The value in general format (hexadecimal in hex mode).
    QString AsText() const;

    // ---- Texts.

    // The box text read as a number in the current mode; nothing when it is not one.
    std::optional<Extended> readText(const QString &text) const;

    // The value held to the limits when they are on.
    Extended clamped(Extended value) const;

    // The canonical text of the current value, and the value it reads back as.
    struct Formatted
    {
        QString text;
        Extended value = 0;
    };
    Formatted formatted(const QString &currentText) const;
    // Makes the value what the canonical text shows and answers that text.
    QString applyFormatted(const QString &currentText);

    // What a change of the box's text leads to: the value is updated here; the
    // widget shows `text` with the caret at `cursor` when `rewrite` is set, and
    // fires its change event when `fire` is set (a number was typed, or an
    // emptied box changed the value to 0).
    struct Change
    {
        bool fire = false;
        bool rewrite = false;
        QString text;
        int cursor = 0;
    };
    Change textChanged(const QString &text, int cursor);

    // The value an arrow-key step leads to, before the step's event sees it.
    Extended arrowTarget(TArrowDirection direction) const;

private:
    QString decimalCanonical(Extended value, bool keepPlus) const;

    bool m_allowKeys = false;
    bool m_comma = false;
    int m_figure = -1;
    bool m_fixed = false;
    Extended m_increment = 1;
    bool m_limit = false;
    TLimitOptions m_limitOptions = TLimitOptions(loMax | loMin);
    TNumberType m_numberType = TNumberType::ntDecimal;
    Extended m_max = 0;
    int m_maxIntLength = 0;
    Extended m_min = 0;
    TRoundMode m_roundMode = TRoundMode::rmDown;
    bool m_validMinus = false;
    Extended m_value = 0;
    bool m_wrap = false;
    bool m_zeroVisible = true;
    NumberSeparators m_separators;
};
