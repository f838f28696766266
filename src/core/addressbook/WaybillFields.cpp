#include "core/addressbook/WaybillFields.h"

#include "core/addressbook/EditorInput.h"
#include "core/addressbook/EditorText.h"
#include "core/addressbook/WaybillPresentation.h"
#include "core/import/TelephoneParts.h"
#include "core/text/TextFields.h"

void WaybillFields::setTelephone(const QString &tel)
{
    const TelephoneParts parts = SplitTelephone(tel);
    tel1 = parts.first;
    tel2 = parts.middle;
    tel3 = parts.last;
}

QString WaybillFields::telephone() const
{
    return JoinTelephone(tel1, tel2, tel3);
}

void WaybillFields::setDate(const QString &date)
{
    year = NthSlashField(date, 1);
    month = NthSlashField(date, 2);
    day = NthSlashField(date, 3);
}

QString WaybillFields::date() const
{
    return JoinDate(year, month, day);
}

QString WaybillFields::missingNameNotice()
{
    return QStringLiteral("[保存できませんでした]お名前が入力されていません。");
}

QString WaybillFields::numberAndDateViolation(const WaybillRowsPresentation &p)
{
    return NumberAndDateViolation({{&kingaku, p.amountCaption, p.amountShown},
                                   {&num, QStringLiteral("個　数"), p.piecesShown},
                                   {&value, QStringLiteral("保険金額"), p.insuranceShown}},
                                  {&year, &month, &day, p.dateCaption, p.dateShown, p.yearShown});
}
