#include "core/addressbook/EditorInput.h"

#include "core/text/TextFields.h"

#include <QDate>

namespace {

const QString Refused = QStringLiteral("[保存できませんでした]");

} // namespace

bool IsAsciiDigits(const QString &text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool NormalizeWholeNumber(QString &text)
{
    text = NarrowText(text).trimmed();
    return IsAsciiDigits(text);
}

bool NormalizeDate(QString &year, QString &month, QString &day)
{
    // Each box is folded, even after one of them failed.
    const bool yearOk = NormalizeWholeNumber(year);
    const bool monthOk = NormalizeWholeNumber(month);
    const bool dayOk = NormalizeWholeNumber(day);
    if (!yearOk || !monthOk || !dayOk)
        return false;
    if (year.isEmpty() && month.isEmpty() && day.isEmpty())
        return true;
    if (month.isEmpty() || day.isEmpty() || year.size() > 4 || month.size() > 2 || day.size() > 2)
        return false;
    // 2000 is a leap year: without a year every day of the calendar is possible.
    return QDate(year.isEmpty() ? 2000 : year.toInt(), month.toInt(), day.toInt()).isValid();
}

QString NumberAndDateViolation(std::initializer_list<CheckedNumber> numbers, const CheckedDate &date)
{
    for (const CheckedNumber &n : numbers) {
        const QString typed = *n.text;
        if (n.shown && !NormalizeWholeNumber(*n.text))
            return Refused + n.caption + QStringLiteral("には数字だけを入力してください。\r\n") + typed;
    }
    if (!date.shown)
        return QString();
    QString unused;
    QString &year = date.yearShown ? *date.year : unused;
    const QString typed = (date.yearShown && !year.isEmpty() ? year + QStringLiteral("年") : QString()) + *date.month
                          + QStringLiteral("月") + *date.day + QStringLiteral("日");
    if (!NormalizeDate(year, *date.month, *date.day))
        return Refused + (date.caption.isEmpty() ? QStringLiteral("日付") : date.caption)
               + QStringLiteral("が正しい日付ではありません。\r\n") + typed;
    return QString();
}
