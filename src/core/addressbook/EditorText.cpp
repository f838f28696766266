#include "core/addressbook/EditorText.h"

namespace {

// A code stored with its hyphen ("100-0005", typed so into another program)
// splits as the seven digits would; cut at fixed places it lost a digit.
QString WithoutHyphen(const QString &code)
{
    if (code.size() == 8 && (code.at(3) == QLatin1Char('-') || code.at(3) == QChar(u'－')))
        return code.left(3) + code.mid(4);
    return code;
}

} // namespace

QString PostalPart1(const QString &code)
{
    return WithoutHyphen(code).left(3);
}

QString PostalPart2(const QString &code)
{
    return WithoutHyphen(code).mid(3, 4);
}

QString JoinTelephone(const QString &a, const QString &b, const QString &c)
{
    if (a.isEmpty() && b.isEmpty() && c.isEmpty())
        return QString();
    return a + QLatin1Char('-') + b + QLatin1Char('-') + c;
}

QString JoinDate(const QString &year, const QString &month, const QString &day)
{
    return year + QLatin1Char('/') + month + QLatin1Char('/') + day;
}

int CharacterCount(const QString &text)
{
    int count = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

bool IsRecordId(const QString &text)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
