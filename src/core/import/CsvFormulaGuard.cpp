#include "core/import/CsvFormulaGuard.h"

namespace {

bool startsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// The position of the first character after the leading apostrophes.
qsizetype afterApostrophes(QStringView value)
{
    qsizetype i = 0;
    while (i < value.size() && value.at(i) == u'\'')
        ++i;
    return i;
}

// 「-」 alone, or a minus sign with digits and at most one decimal point between digits.
bool isBareMinus(QStringView value)
{
    if (value.isEmpty() || value.front() != u'-')
        return false;
    if (value.size() == 1)
        return true;
    bool digitBefore = false;
    bool point = false;
    for (qsizetype i = 1; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c >= u'0' && c <= u'9') {
            digitBefore = true;
        } else if (c == u'.' && digitBefore && !point && i + 1 < value.size()) {
            point = true;
            digitBefore = false;
        } else {
            return false;
        }
    }
    return digitBefore;
}

} // namespace

bool NeedsCsvFormulaGuard(QStringView value)
{
    const qsizetype first = afterApostrophes(value);
    if (first >= value.size() || !startsFormula(value.at(first)))
        return false;
    return first > 0 || !isBareMinus(value);
}

QString GuardCsvValue(QStringView value)
{
    if (!NeedsCsvFormulaGuard(value))
        return value.toString();
    return u'\'' + value.toString();
}

QString UnguardCsvValue(const QString &value)
{
    if (value.isEmpty() || value.front() != u'\'')
        return value;
    const qsizetype first = afterApostrophes(value);
    if (first < value.size() && startsFormula(value.at(first)))
        return value.mid(1);
    return value;
}
