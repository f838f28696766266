#include "core/import/TelephoneParts.h"

#include "core/addressbook/EditorText.h"
#include "core/import/TrimBlanks.h"
#include "core/text/TextFields.h"

#include <QStringList>

#include <algorithm>

namespace {

// An area code always starts with 0, in ASCII or full-width digits.
bool startsWithZero(const QString &group)
{
    return !group.isEmpty() && group.at(0).digitValue() == 0;
}

// Brackets and dots that shops write around or between the groups, in ASCII
// or full width: "(03)1234-5678", "03(1234)5678", "03.1234.5678".
bool isGroupMark(QChar c)
{
    switch (c.unicode()) {
    case u'(':
    case u')':
    case u'.':
    case 0xFF08: // （
    case 0xFF09: // ）
    case 0xFF0E: // ．
        return true;
    default:
        return false;
    }
}

// The form the program stores: groups joined by hyphens with nothing else
// between them. Its empty groups count ("03--" has no exchange yet).
bool joinedByHyphensOnly(const QString &text)
{
    if (!text.contains(QLatin1Char('-')))
        return false;
    for (QChar c : text)
        if (IsWideBlank(c) || isGroupMark(c))
            return false;
    return true;
}

// The groups of a number as typed: every run of blanks, hyphens, brackets and
// dots separates two groups, and no group is empty.
QStringList typedGroups(const QString &number)
{
    QStringList groups;
    QString current;
    for (QChar c : number) {
        if (IsWideBlank(c) || c == QLatin1Char('-') || isGroupMark(c)) {
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
    const QStringList groups = joinedByHyphensOnly(text) ? text.split(QLatin1Char('-')) : typedGroups(text);
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

QString StoredTelephone(const QString &typed)
{
    const QString narrow = NarrowText(typed);
    // A note such as "なし" is no number to take apart.
    if (std::none_of(narrow.cbegin(), narrow.cend(), [](QChar c) { return c.isDigit(); }))
        return TrimWideBlanks(narrow);
    const TelephoneParts parts = SplitTelephone(narrow);
    return JoinTelephone(parts.first, parts.middle, parts.last);
}
