#include "core/history/HistoryConsigneeFill.h"

#include "core/history/HistoryEntry.h"
#include "core/text/TextFields.h"
#include "core/data/Database.h"
#include "core/addressbook/EditorText.h"
#include "core/import/Prefectures.h"
#include "core/import/TelephoneParts.h"

HistoryConsigneeFill HistoryConsigneeFill::fromEntry(const HistoryEntry &e, int editionCode)
{
    HistoryConsigneeFill f;
    f.namae1 = e.namae1;
    f.zipcode1 = PostalPart1(e.zipcode);
    f.zipcode2 = PostalPart2(e.zipcode);
    const PrefectureSplit split = SplitLeadingPrefecture(e.address1);
    f.prefecture = split.prefecture;
    f.city = split.rest;
    f.location = e.address2;
    f.building = e.address3;
    const TelephoneParts tel = SplitTelephone(e.tel);
    f.tel1 = tel.first;
    f.tel2 = tel.middle;
    f.tel3 = tel.last;
    f.amount = HistoryAmount(e, editionCode);
    for (int i = 0; i < 4; ++i)
        f.goods[i] = e.itemname[i];
    f.year = NthSlashField(e.arrivedate, 1);
    f.month = NthSlashField(e.arrivedate, 2);
    f.day = NthSlashField(e.arrivedate, 3);
    f.num = e.num;
    f.kg = e.kg;
    f.hoken = e.hoken;
    f.timeSelect = e.timeselect;
    f.senderName = e.snamae1;
    return f;
}

QString ExistingConsigneeOf(Database &db, const QString &addressDb, const HistoryEntry &entry)
{
    if (!IsRecordId(entry.userid) || db.OpenDatabase(addressDb).isError())
        return QString();
    const QueryResult result = db.QueryRows(QStringLiteral("SELECT ID FROM address where ID=") + entry.userid);
    return result.ok() && !result.rows.isEmpty() ? entry.userid : QString();
}
