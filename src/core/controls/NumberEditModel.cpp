#include "core/controls/NumberEditModel.h"

#include "core/controls/NumberText.h"

#include <cmath>
#include <limits>

bool NumberEditModel::setComma(bool on)
{
    m_comma = on;
    return true;
}

bool NumberEditModel::setFigure(int figure)
{
    m_figure = figure;
    return true;
}

bool NumberEditModel::setFixed(bool on)
{
    m_fixed = on;
    return true;
}

bool NumberEditModel::setLimit(bool on)
{
    m_limit = on;
    if (on)
        m_value = clamped(m_value);
    return on;
}

bool NumberEditModel::setLimitOptions(TLimitOptions options)
{
    m_limitOptions = options;
    if (m_limit)
        m_value = clamped(m_value);
    return m_limit;
}

QString NumberEditModel::setNumberType(TNumberType type)
{
    const int whole = IntValue();
    m_numberType = type;
    if (type == TNumberType::ntDecimal)
        return NumberText::localised(NumberText::generalFormat(m_value), m_separators);
    return NumberText::hexText(whole, m_figure, m_validMinus);
}

bool NumberEditModel::setMax(Extended max)
{
    // Bounds are kept as they are written so that a bound given as a double
    // compares equal to the same number read from the box's text.
    m_max = NumberText::significant(max);
    max = m_max;
    if (m_min > max)
        m_min = max;
    if (m_limit && (m_limitOptions & loMax) && m_value > m_max)
        m_value = m_max;
    return m_limit;
}

bool NumberEditModel::setMin(Extended min)
{
    m_min = NumberText::significant(min);
    min = m_min;
    if (m_max < min)
        m_max = min;
    if (m_limit && (m_limitOptions & loMin) && m_value < m_min)
        m_value = m_min;
    return m_limit;
}

bool NumberEditModel::setValidMinus(bool on)
{
    m_validMinus = on;
    return m_numberType == TNumberType::ntHex;
}

void NumberEditModel::setValue(Extended value)
{
    // Infinities and NaN cannot be shown or read back; they are taken as 0.
    m_value = clamped(std::isfinite(value) ? value : Extended(0));
}

int NumberEditModel::AsInteger() const
{
    const Extended whole = NumberText::roundToWhole(m_value, m_roundMode);
    if (whole >= Extended(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (whole <= Extended(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(whole);
}

qint64 NumberEditModel::AsInt64() const
{
    const Extended whole = NumberText::roundToWhole(m_value, m_roundMode);
    if (whole >= Extended(std::numeric_limits<qint64>::max()))
        return std::numeric_limits<qint64>::max();
    if (whole <= Extended(std::numeric_limits<qint64>::min()))
        return std::numeric_limits<qint64>::min();
    return qint64(whole);
}

QString NumberEditModel::AsText() const
{
    if (m_numberType == TNumberType::ntHex)
        return NumberText::hexText(m_value, m_figure, m_validMinus);
    return NumberText::localised(NumberText::generalFormat(m_value), m_separators);
}

std::optional<Extended> NumberEditModel::readText(const QString &text) const
{
    if (m_numberType == TNumberType::ntHex)
        return NumberText::readHex(text, m_validMinus);
    return NumberText::readDecimal(text, m_separators);
}

Extended NumberEditModel::clamped(Extended value) const
{
    if (!m_limit)
        return value;
    if ((m_limitOptions & loMin) && value < m_min)
        return m_min;
    if ((m_limitOptions & loMax) && value > m_max)
        return m_max;
    return value;
}

QString NumberEditModel::decimalCanonical(Extended value, bool keepPlus) const
{
    const QString rounded = NumberText::roundDecimals(NumberText::plainDecimal(value), m_figure, m_roundMode);
    bool negative = rounded.startsWith(QLatin1Char('-'));
    const QString unsigned_ = negative ? rounded.mid(1) : rounded;
    const int dot = unsigned_.indexOf(QLatin1Char('.'));
    QString integer = dot < 0 ? unsigned_ : unsigned_.left(dot);
    QString fraction = dot < 0 ? QString() : unsigned_.mid(dot + 1);

    if (m_comma)
        integer = NumberText::groupThousands(integer, m_separators);
    if (m_fixed && m_figure >= 0) {
        if (fraction.size() < m_figure)
            fraction += QString(m_figure - fraction.size(), QLatin1Char('0'));
        fraction.truncate(m_figure);
    }
    // A number rounded away to nothing is shown without a minus ("-0.0" is 0).
    if (negative && NumberText::isZeroText(integer + fraction))
        negative = false;

    QString text = negative ? QStringLiteral("-") : (keepPlus ? QStringLiteral("+") : QString());
    text += integer;
    if (!fraction.isEmpty())
        text += m_separators.decimal + fraction;
    return text;
}

NumberEditModel::Formatted NumberEditModel::formatted(const QString &currentText) const
{
    Formatted out;
    const Extended value = clamped(m_value);
    if (m_numberType == TNumberType::ntHex)
        out.text = NumberText::hexText(value, m_figure, m_validMinus);
    else
        out.text = decimalCanonical(value, currentText.startsWith(QLatin1Char('+')));
    out.value = readText(out.text).value_or(value);
    if (out.value == 0 && !m_zeroVisible)
        out.text.clear();
    return out;
}

QString NumberEditModel::applyFormatted(const QString &currentText)
{
    const Formatted f = formatted(currentText);
    m_value = f.value;
    return f.text;
}

NumberEditModel::Change NumberEditModel::textChanged(const QString &text, int cursor)
{
    Change change;
    change.text = text;
    change.cursor = cursor;
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+")) {
        // An emptied box holds 0 (within the limits) and says so: whoever shows
        // or stores the number must not keep the one that was erased.
        const Extended value = clamped(0);
        change.fire = value != m_value;
        m_value = value;
        return change;
    }
    const std::optional<Extended> read = readText(text);
    if (!read)
        // Not a number (only a program can put such a text in): the value stays.
        return change;

    Extended value = *read;
    if (m_numberType == TNumberType::ntDecimal) {
        if (m_comma) {
            const NumberText::Regrouped grouped = NumberText::regroup(text, cursor, m_separators);
            change.rewrite = grouped.text != text;
            change.text = grouped.text;
            change.cursor = grouped.cursor;
        }
        value = NumberText::roundToFigure(value, m_figure, m_roundMode);
    }
    m_value = clamped(value);
    change.fire = true;
    return change;
}

Extended NumberEditModel::arrowTarget(TArrowDirection direction) const
{
    Extended value = m_value;
    if (direction == TArrowDirection::adUp)
        value += m_increment;
    else if (direction == TArrowDirection::adDown)
        value -= m_increment;
    // Compare what will be shown, so that 0.9 + 0.1 lands on a bound of 1
    // instead of passing it by a binary fraction and wrapping.
    value = NumberText::significant(value);
    if (!m_limit)
        return value;
    if ((m_limitOptions & loMin) && value < m_min)
        return (m_wrap && (m_limitOptions & loMax)) ? m_max : m_min;
    if ((m_limitOptions & loMax) && value > m_max)
        return (m_wrap && (m_limitOptions & loMin)) ? m_min : m_max;
    return value;
}
