#include "core/import/TelephoneParts.h"

#include "core/import/TrimBlanks.h"

#include <QStringList>

namespace {

// An area code always starts with 0, in ASCII or full-width digits.
bool startsWithZero(const QString &group)
{
    return !group.isEmpty() && group.at(0).digitValue() == 0;
}

// Groups written without blanks between them, split at each run of blanks.
QStringList blankSeparatedGroups(const QString &number)
{
    QStringList groups;
    QString current;
    for (QChar c : number) {
        if (IsWideBlank(c)) {
            if (!current.isEmpty())
                groups.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        groups.append(current);
    return groups;
}

// A number written as one group: the last four characters are the subscriber
// number, an area code starting with 0 goes first and the exchange between.
TelephoneParts splitUnseparated(const QString &number)
{
    if (number.size() <= 4)
        return {QString(), QString(), number};
    const QString last = number.right(4);
    const QString head = number.left(number.size() - 4);
    if (!startsWithZero(head))
        return {QString(), head, last};
    // Tokyo and Osaka have two-digit area codes and eight-digit local numbers.
    const bool twoDigitArea =
        number.size() == 10 && (head.at(1).digitValue() == 3 || head.at(1).digitValue() == 6);
    const int areaLength = qMin(int(head.size()), twoDigitArea ? 2 : 3);
    return {head.left(areaLength), head.mid(areaLength), last};
}

// Two groups: an area code with the rest, or an exchange with its subscriber number.
TelephoneParts splitTwoGroups(const QString &before, const QString &after)
{
    if (!startsWithZero(before))
        return {QString(), before, after};
    if (after.size() <= 4)
        return {before, QString(), after};
    return {before, after.left(after.size() - 4), after.right(4)};
}

} // namespace

bool IsTelephoneHyphen(QChar c)
{
    switch (c.unicode()) {
    case 0x002D: // -  hyphen-minus
    case 0xFF0D: // －  full-width hyphen-minus
    case 0x2010: // ‐  hyphen
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2013: // en dash
    case 0x2014: // em dash
    case 0x2015: // horizontal bar
    case 0x2212: // −  minus sign
    case 0xFE63: // small hyphen-minus
    case 0x30FC: // ー  long-vowel mark, what an input method gives for "-"
    case 0xFF70: // ｰ  its half-width form
        return true;
    default:
        return false;
    }
}

QString WithAsciiHyphens(const QString &number)
{
    QString text = number;
    for (QChar &c : text)
        if (IsTelephoneHyphen(c))
            c = QLatin1Char('-');
    return text;
}

TelephoneParts SplitTelephone(const QString &number)
{
    const QString text = WithAsciiHyphens(TrimWideBlanks(number));
    QStringList groups;
    if (text.contains(QLatin1Char('-'))) {
        for (const QString &group : text.split(QLatin1Char('-')))
            groups.append(TrimWideBlanks(group));
    } else {
        groups = blankSeparatedGroups(text);
    }
    switch (groups.size()) {
    case 0:
        return {};
    case 1:
        return splitUnseparated(groups.at(0));
    case 2:
        return splitTwoGroups(groups.at(0), groups.at(1));
    default:
        return {groups.at(0), groups.at(1), groups.mid(2).join(QLatin1Char('-'))};
    }
}
