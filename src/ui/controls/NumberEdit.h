#pragma once
// The numeric edit box: a single-line box that holds a number. It keeps `Value`
// in step with its text, lets in only keystrokes and pasted characters that can
// form a number, toggles the sign with "+" and "-" wherever the caret is, and
// rewrites its text in the canonical form when the user leaves it. Everything
// else (font, colours, read-only, tab order) is the line edit's own.

#include "core/controls/NumberEditModel.h"
#include "core/controls/NumberInputFilter.h"

#include <QLineEdit>
#include <functional>

class NumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    // Fired before an arrow-key step is applied; the handler may change the value.
    using ArrowKeyChangeHandler = std::function<void(NumberEdit *sender, TArrowDirection direction, Extended &value)>;

    explicit NumberEdit(QWidget *parent = nullptr);

    // ---- Properties (the line edit's alignment, right by default, is `Alignment`).

    Qt::Alignment Alignment() const { return alignment(); }

    bool AllowKeys() const { return m_model.AllowKeys(); }
    void setAllowKeys(bool on) { m_model.setAllowKeys(on); }

    // Whether entering the box with the keyboard selects its whole text.
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }

    bool Comma() const { return m_model.Comma(); }
    void setComma(bool on);

    int Figure() const { return m_model.Figure(); }
    void setFigure(int figure);

    bool Fixed() const { return m_model.Fixed(); }
    void setFixed(bool on);

    Extended Increment() const { return m_model.Increment(); }
    void setIncrement(Extended step) { m_model.setIncrement(step); }

    bool Limit() const { return m_model.Limit(); }
    void setLimit(bool on);

    TLimitOptions LimitOptions() const { return m_model.LimitOptions(); }
    void setLimitOptions(TLimitOptions options);

    TNumberType NumberType() const { return m_model.NumberType(); }
    void setNumberType(TNumberType type);

    Extended Max() const { return m_model.Max(); }
    void setMax(Extended max);

    int MaxIntLength() const { return m_model.MaxIntLength(); }
    void setMaxIntLength(int digits) { m_model.setMaxIntLength(digits); }

    Extended Min() const { return m_model.Min(); }
    void setMin(Extended min);

    TRoundMode RoundMode() const { return m_model.RoundMode(); }
    void setRoundMode(TRoundMode mode) { m_model.setRoundMode(mode); }

    bool ValidMinus() const { return m_model.ValidMinus(); }
    void setValidMinus(bool on);

    Extended Value() const { return m_model.Value(); }
    void setValue(Extended value);

    bool Wrap() const { return m_model.Wrap(); }
    void setWrap(bool on) { m_model.setWrap(on); }

    bool ZeroVisible() const { return m_model.ZeroVisible(); }
    void setZeroVisible(bool on);

    ArrowKeyChangeHandler OnArrowKeyChange() const { return m_onArrowKeyChange; }
    void setOnArrowKeyChange(ArrowKeyChangeHandler handler) { m_onArrowKeyChange = std::move(handler); }

    // ---- Read-outs.

    int AsInteger() const { return m_model.AsInteger(); }
    void setAsInteger(int value) { setValue(value); }
    int IntValue() const { return m_model.IntValue(); }
    qint64 AsInt64() const { return m_model.AsInt64(); }
    void setAsInt64(qint64 value) { setValue(value); }
    QString AsText() const { return m_model.AsText(); }
    QString FormattedText() const { return m_model.formatted(text()).text; }

    // Replaces the locale's separators (taken from QLocale when the box is made).
    void setSeparators(NumberSeparators separators);

    // Pastes a text under the paste rules, as the platform's paste request does.
    void pasteText(const QString &clipboardText);

    // One step by Increment, held to the limits as the arrow keys step (spin
    // buttons beside the box use it, so typing and stepping share one range).
    void stepBy(TArrowDirection direction);

public slots:
    // Pastes the clipboard's text under the paste rules. Hides the line edit's
    // own paste, which would let any text in.
    void paste();

signals:
    // The value changed through the text (the box's change event): a number
    // typed or pasted, the box emptied (its value is then 0), or the number
    // taken on leaving or on Enter differing from the one before.
    void changed();
    // The user left the box and its text is canonical again (the exit event).
    void exited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The text and selection as the input rules see them.
    EditState snapshot() const;
    // Shows a state computed by the input rules, then runs the change handling.
    void applyState(const EditState &state);
    // The change handling for the current text: value, regrouping, change event.
    void handleChange();
    // Replaces the text by the canonical text (the change handling runs).
    void rewriteCanonical();
    // Canonical text on leaving and on Enter, under the guard: the box then
    // shows the number it holds, the one its users read.
    void leave();

    NumberEditModel m_model;
    ArrowKeyChangeHandler m_onArrowKeyChange;
    bool m_guard = false;
    bool m_typedIn = false;
    bool m_autoSelect = true;
    // Set while the window is inactive, so that coming back is not an entry.
    bool m_awayWithWindow = false;
};
