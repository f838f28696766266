#include "core/history/HistoryEntry.h"

#include "core/data/Database.h"
#include "core/addressbook/EditorText.h"

namespace {

const char *const entryColumns =
    "ID,senderdate,kind,userid,namae1,zipcode,address1,address2,address3,tel,uriage,itemname1,itemname2,itemname3,"
    "itemname4,arrivedate,timeselect,number,daibiki,num,kg,charge,hoken,snamae1,szipcode,saddress1,saddress2,stel,"
    "snumber1,snumber2,snumber3";

} // namespace

HistoryEntry HistoryEntry::fromRow(const QStringList &row)
{
    HistoryEntry e;
    int c = 0;
    auto next = [&row, &c] { return row.value(c++); };
    e.id = next();
    e.senderdate = next();
    e.kind = next();
    e.userid = next();
    e.namae1 = next();
    e.zipcode = next();
    e.address1 = next();
    e.address2 = next();
    e.address3 = next();
    e.tel = next();
    e.uriage = next();
    for (QString &item : e.itemname)
        item = next();
    e.arrivedate = next();
    e.timeselect = next();
    e.number = next();
    e.daibiki = next();
    e.num = next();
    e.kg = next();
    e.charge = next();
    e.hoken = next();
    e.snamae1 = next();
    e.szipcode = next();
    e.saddress1 = next();
    e.saddress2 = next();
    e.stel = next();
    for (QString &code : e.snumber)
        code = next();
    return e;
}

QString HistoryEntrySelectSql(const QString &id)
{
    return QStringLiteral("SELECT ") + QLatin1String(entryColumns) + QStringLiteral(" FROM sender where ID=") + id;
}

std::optional<HistoryEntry> ReadHistoryEntry(Database &db, const QString &membersDb, const QString &id,
                                             DatabaseError *error)
{
    // The identifier goes into the SQL text, so only digits may pass.
    if (!IsRecordId(id))
        return std::nullopt;
    const DatabaseError opened = db.OpenDatabase(membersDb);
    if (opened.isError()) {
        if (error)
            *error = opened;
        return std::nullopt;
    }
    const QueryResult result = db.QueryRows(HistoryEntrySelectSql(id));
    if (!result.ok()) {
        if (error)
            *error = result.error;
        return std::nullopt;
    }
    if (result.rows.isEmpty())
        return std::nullopt;
    return HistoryEntry::fromRow(result.rows.row(0));
}

QString HistoryAmount(const HistoryEntry &entry, int editionCode)
{
    if (editionCode == 30)
        return entry.daibiki.isEmpty() ? entry.uriage : entry.daibiki;
    return entry.uriage;
}
