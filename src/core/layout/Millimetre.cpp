#include "core/layout/Millimetre.h"

namespace {
constexpr qint64 MaxUnits = qint64(1000000000000) * Millimetre::UnitsPerMm; // 10^12 mm
}

std::optional<Millimetre> Millimetre::parse(const QString &text)
{
    const QString s = text.trimmed();
    int i = 0;
    const int n = s.size();
    bool negative = false;
    if (i < n && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    qint64 whole = 0;
    int wholeDigits = 0;
    while (i < n && s[i] >= u'0' && s[i] <= u'9') {
        whole = whole * 10 + (s[i].unicode() - u'0');
        if (whole > MaxUnits / UnitsPerMm)
            return std::nullopt;
        ++wholeDigits;
        ++i;
    }
    qint64 fraction = 0; // in units, the first four decimals
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < n && s[i] == u'.') {
        ++i;
        int firstDropped = -1;
        bool droppedRest = false; // any non-zero digit after the first dropped one
        while (i < n && s[i] >= u'0' && s[i] <= u'9') {
            const int d = s[i].unicode() - u'0';
            if (fractionDigits < 4)
                fraction = fraction * 10 + d;
            else if (firstDropped < 0)
                firstDropped = d;
            else if (d != 0)
                droppedRest = true;
            ++fractionDigits;
            ++i;
        }
        for (int k = fractionDigits; k < 4; ++k)
            fraction *= 10;
        if (firstDropped > 5 || (firstDropped == 5 && (droppedRest || (fraction % 2) == 1)))
            roundUp = true;
    }
    if (i != n || (wholeDigits == 0 && fractionDigits == 0))
        return std::nullopt;
    qint64 units = whole * UnitsPerMm + fraction + (roundUp ? 1 : 0);
    return Millimetre(negative ? -units : units);
}

QString Millimetre::toString() const
{
    const bool negative = m_units < 0;
    const quint64 magnitude = negative ? quint64(-m_units) : quint64(m_units);
    QString result = QString::number(magnitude / UnitsPerMm);
    quint64 fraction = magnitude % UnitsPerMm;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        result += u'.' + digits;
    }
    if (negative)
        result.prepend(u'-');
    return result;
}
