#include "core/controls/NumberText.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace {

constexpr int SignificantDigits = 15;

// A finite, non-zero number cut to 15 significant digits: d.ddd... x 10^exponent,
// trailing zeros of the digits removed.
struct Decomposed
{
    bool negative = false;
    QString digits;
    int exponent = 0;
};

std::optional<Decomposed> decompose(Extended value)
{
    if (!std::isfinite(value) || value == 0)
        return std::nullopt;
    // The classic locale keeps the printed separator '.' whatever the user's
    // locale is; the caller puts the locale's separator in afterwards.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::scientific << std::setprecision(SignificantDigits - 1) << value;
    const std::string text = out.str();  // [-]d.dddddddddddddde[+-]xx

    Decomposed d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e', i);
    for (std::size_t k = i; k < e; ++k)
        if (text[k] != '.')
            d.digits += QLatin1Char(text[k]);
    d.exponent = std::stoi(text.substr(e + 1));
    while (d.digits.size() > 1 && d.digits.endsWith(QLatin1Char('0')))
        d.digits.chop(1);
    return d;
}

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool isSign(QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); }

// Adds one to a string of decimal digits, growing it at the front when needed.
QString incremented(QString digits)
{
    int i = digits.size() - 1;
    while (i >= 0) {
        if (digits[i] == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            --i;
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
    }
    return QLatin1Char('1') + digits;
}

// Reads a C-formatted floating-point text independently of the process locale.
std::optional<Extended> readCFloat(const std::string &text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    Extended value = 0;
    in >> value;
    if (in.fail() || !std::isfinite(value))
        return std::nullopt;
    in.peek();
    if (!in.eof())
        return std::nullopt;
    return value;
}

// Where the integer part of a number text lies: after an optional sign, up to the
// decimal separator or the end.
struct IntegerPart
{
    int begin = 0;
    int end = 0;
};

IntegerPart integerPartOf(const QString &text, QChar decimal)
{
    IntegerPart part;
    part.begin = (!text.isEmpty() && isSign(text[0])) ? 1 : 0;
    const int dot = text.indexOf(decimal, part.begin);
    part.end = dot < 0 ? text.size() : dot;
    return part;
}

}  // namespace

QString NumberText::plainDecimal(Extended value)
{
    const auto d = decompose(value);
    if (!d)
        return QStringLiteral("0");
    QString integer;
    QString fraction;
    if (d->exponent >= 0) {
        const int integerDigits = d->exponent + 1;
        if (d->digits.size() <= integerDigits) {
            integer = d->digits + QString(integerDigits - d->digits.size(), QLatin1Char('0'));
        } else {
            integer = d->digits.left(integerDigits);
            fraction = d->digits.mid(integerDigits);
        }
    } else {
        integer = QStringLiteral("0");
        fraction = QString(-d->exponent - 1, QLatin1Char('0')) + d->digits;
    }
    QString result = d->negative ? QStringLiteral("-") : QString();
    result += integer;
    if (!fraction.isEmpty())
        result += QLatin1Char('.') + fraction;
    return result;
}

QString NumberText::generalFormat(Extended value)
{
    const auto d = decompose(value);
    if (!d)
        return QStringLiteral("0");
    if (d->exponent >= -5 && d->exponent < SignificantDigits)
        return plainDecimal(value);
    QString result = d->negative ? QStringLiteral("-") : QString();
    result += d->digits[0];
    if (d->digits.size() > 1)
        result += QLatin1Char('.') + d->digits.mid(1);
    result += QLatin1Char('E');
    if (d->exponent < 0)
        result += QLatin1Char('-');
    result += QString::number(std::abs(d->exponent));
    return result;
}

QString NumberText::roundDecimals(const QString &plain, int figure, TRoundMode mode)
{
    if (figure < 0)
        return plain;
    const int dot = plain.indexOf(QLatin1Char('.'));
    if (dot < 0 || plain.size() - dot - 1 <= figure)
        return plain;

    const int signLength = (!plain.isEmpty() && isSign(plain[0])) ? 1 : 0;
    const QString sign = plain.left(signLength);
    const QString integer = plain.mid(signLength, dot - signLength);
    const QString fraction = plain.mid(dot + 1);
    const QString kept = fraction.left(figure);
    const QString dropped = fraction.mid(figure);

    bool carry = false;
    if (mode == TRoundMode::rmRound)
        carry = dropped[0] >= QLatin1Char('5');
    else if (mode == TRoundMode::rmUp)
        carry = std::any_of(dropped.begin(), dropped.end(), [](QChar c) { return c != QLatin1Char('0'); });

    QString digits = (integer.isEmpty() ? QStringLiteral("0") : integer) + kept;
    if (carry)
        digits = incremented(digits);
    QString result = sign + digits.left(digits.size() - figure);
    if (figure > 0)
        result += QLatin1Char('.') + digits.right(figure);
    return result;
}

Extended NumberText::significant(Extended value)
{
    if (!std::isfinite(value))
        return value;
    return readDecimal(plainDecimal(value), NumberSeparators()).value_or(value);
}

Extended NumberText::roundToFigure(Extended value, int figure, TRoundMode mode)
{
    if (figure < 0 || !std::isfinite(value))
        return value;
    const auto read = readDecimal(roundDecimals(plainDecimal(value), figure, mode), NumberSeparators());
    return read ? *read : value;
}

Extended NumberText::roundToWhole(Extended value, TRoundMode mode)
{
    if (!std::isfinite(value))
        return 0;
    // Below 10^15 the 15 written digits hold every integer digit, so the
    // rounding sees the decimals as they are shown, free of binary noise.
    if (std::fabs(value) < 1e15L)
        return roundToFigure(value, 0, mode);
    switch (mode) {
    case TRoundMode::rmDown:
        return std::trunc(value);
    case TRoundMode::rmRound:
        return std::round(value);
    case TRoundMode::rmUp:
        return value < 0 ? std::floor(value) : std::ceil(value);
    }
    return value;
}

QString NumberText::groupThousands(const QString &text, NumberSeparators separators)
{
    const IntegerPart part = integerPartOf(text, separators.decimal);
    QString digits;
    for (int i = part.begin; i < part.end; ++i) {
        if (text[i] == separators.thousands)
            continue;
        if (!isAsciiDigit(text[i]))
            return text;
        digits += text[i];
    }
    while (digits.size() > 1 && digits[0] == QLatin1Char('0'))
        digits.remove(0, 1);
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separators.thousands;
        grouped += digits[i];
    }
    return text.left(part.begin) + grouped + text.mid(part.end);
}

NumberText::Regrouped NumberText::regroup(const QString &text, int cursor, NumberSeparators separators)
{
    const QString grouped = groupThousands(text, separators);
    if (grouped == text)
        return {text, cursor};

    // Count the characters before the caret that survive the regrouping: all but
    // the group separators and the leading zeros of the integer part.
    const IntegerPart oldPart = integerPartOf(text, separators.decimal);
    int digitCount = 0;
    for (int i = oldPart.begin; i < oldPart.end; ++i)
        if (text[i] != separators.thousands)
            ++digitCount;
    int zerosToDrop = 0;
    for (int i = oldPart.begin; i < oldPart.end && zerosToDrop < digitCount - 1; ++i) {
        if (text[i] == separators.thousands)
            continue;
        if (text[i] != QLatin1Char('0'))
            break;
        ++zerosToDrop;
    }
    int kept = 0;
    int zerosSeen = 0;
    for (int i = 0; i < cursor && i < text.size(); ++i) {
        const bool inInteger = i >= oldPart.begin && i < oldPart.end;
        if (inInteger && text[i] == separators.thousands)
            continue;
        if (inInteger && zerosSeen < zerosToDrop) {
            ++zerosSeen;
            continue;
        }
        ++kept;
    }

    // Place the caret right after the same number of surviving characters.
    const IntegerPart newPart = integerPartOf(grouped, separators.decimal);
    int position = 0;
    int counted = 0;
    while (counted < kept && position < grouped.size()) {
        const bool inInteger = position >= newPart.begin && position < newPart.end;
        if (!(inInteger && grouped[position] == separators.thousands))
            ++counted;
        ++position;
    }
    return {grouped, position};
}

std::optional<Extended> NumberText::readDecimal(const QString &text, NumberSeparators separators)
{
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+"))
        return Extended(0);
    QString s;
    for (const QChar c : text)
        if (c.unicode() >= 32 && c != separators.thousands)
            s += c;
    s = s.trimmed();
    if (s.isEmpty())
        return Extended(0);

    int i = 0;
    bool negative = false;
    if (isSign(s[0])) {
        negative = s[0] == QLatin1Char('-');
        ++i;
    }
    QString integer;
    while (i < s.size() && isAsciiDigit(s[i]))
        integer += s[i++];
    bool hasSeparator = false;
    QString fraction;
    if (i < s.size() && s[i] == separators.decimal) {
        hasSeparator = true;
        ++i;
        while (i < s.size() && isAsciiDigit(s[i]))
            fraction += s[i++];
    }
    QString exponent;
    if (i < s.size() && (s[i] == QLatin1Char('E') || s[i] == QLatin1Char('e'))) {
        ++i;
        if (i < s.size() && isSign(s[i]))
            exponent += s[i++];
        const int digitsStart = exponent.size();
        while (i < s.size() && isAsciiDigit(s[i]))
            exponent += s[i++];
        if (exponent.size() == digitsStart)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    if (integer.isEmpty() && fraction.isEmpty())
        // A lone separator (typed as the first key) is a number still to come.
        return exponent.isEmpty() ? std::optional<Extended>(Extended(0)) : std::nullopt;

    if (!hasSeparator && exponent.isEmpty()) {
        bool ok = false;
        const qlonglong whole = integer.toLongLong(&ok);
        if (ok)
            return negative ? -Extended(whole) : Extended(whole);
        // Too many digits for 64 bits: read it as a floating-point number.
    }
    std::string c = negative ? "-" : "";
    c += integer.isEmpty() ? std::string("0") : integer.toStdString();
    c += '.';
    c += fraction.isEmpty() ? std::string("0") : fraction.toStdString();
    if (!exponent.isEmpty())
        c += 'e' + exponent.toStdString();
    return readCFloat(c);
}

std::optional<Extended> NumberText::readHex(const QString &text, bool validMinus)
{
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+"))
        return Extended(0);
    QString s;
    for (const QChar c : text)
        if (c.unicode() >= 32)
            s += c;
    s = s.trimmed();
    bool negative = false;
    if (validMinus && s.startsWith(QLatin1Char('-'))) {
        negative = true;
        s.remove(0, 1);
    }
    if (s.isEmpty())
        return Extended(0);
    for (const QChar c : s)
        if (!isAsciiDigit(c) && !(c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
            return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = s.toULongLong(&ok, 16);
    if (!ok)
        return std::nullopt;
    return negative ? -Extended(magnitude) : Extended(magnitude);
}

QString NumberText::hexText(Extended value, int figure, bool validMinus)
{
    const Extended whole = std::isfinite(value) ? std::trunc(value) : Extended(0);
    bool negative = false;
    quint64 magnitude = 0;
    if (validMinus) {
        constexpr Extended TwoTo63 = 9223372036854775808.0L;
        negative = whole < 0;
        const Extended size = std::fabs(whole);
        if (negative)
            magnitude = size >= TwoTo63 ? quint64(1) << 63 : quint64(size);
        else
            magnitude = size >= TwoTo63 ? (quint64(1) << 63) - 1 : quint64(size);
    } else {
        magnitude = whole <= 0 ? 0 : whole >= 4294967295.0L ? 4294967295ULL : quint64(whole);
    }
    QString digits = QString::number(magnitude, 16).toUpper();
    const int width = figure > 1 ? figure : 1;
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
    return (negative && magnitude != 0 ? QStringLiteral("-") : QString()) + digits;
}

QString NumberText::localised(const QString &text, NumberSeparators separators)
{
    if (separators.decimal == QLatin1Char('.'))
        return text;
    QString result = text;
    result.replace(QLatin1Char('.'), separators.decimal);
    return result;
}

bool NumberText::isZeroText(const QString &text)
{
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); });
}
