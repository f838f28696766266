#include "core/addressbook/ItemChange.h"

#include "core/text/TextFields.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"

namespace {

QString literal(const QString &value)
{
    return SqlQuote(StripLineBreaks(value));
}

struct Collected {
    QString amount, goods[4], date, time;
};

Collected collect(const ItemChangeValues &v)
{
    Collected c;
    if (v.amount)
        c.amount = v.kingaku;
    if (v.items)
        for (int i = 0; i < 4; ++i)
            c.goods[i] = v.goods[i];
    if (v.date)
        c.date = v.year + u'/' + v.month + u'/' + v.day;
    if (v.time)
        c.time = v.timeText;
    return c;
}

} // namespace

QString ItemChangeUpdateSql(int id, int editionCode, int senderId, const ItemChangeValues &values)
{
    const Collected c = collect(values);
    QString sql = QStringLiteral("UPDATE memberitem SET companyID=") + literal(QString::number(senderId)) + u',';
    if (values.amount)
        sql += (editionCode == 10 ? QStringLiteral("uriage=") : QStringLiteral("daibiki=")) + literal(c.amount) + u',';
    if (values.items)
        for (int i = 0; i < 4; ++i)
            sql += QStringLiteral("itemname%1=").arg(i + 1) + literal(c.goods[i]) + u',';
    if (values.date)
        sql += QStringLiteral("arrivedate=") + literal(c.date) + u',';
    if (values.time)
        sql += QStringLiteral("timeselect=") + literal(c.time) + u',';
    sql += QStringLiteral("kind=") + literal(QString::number(editionCode));
    return sql + QStringLiteral(" WHERE userID=%1 and kind=%2;").arg(id).arg(editionCode);
}

QString ItemChangeInsertSql(int id, int editionCode, int senderId, const ItemChangeValues &values)
{
    const Collected c = collect(values);
    const bool slip = editionCode == 10;
    const QStringList v{QString::number(id), QString::number(editionCode), QString::number(senderId),
                        slip ? c.amount : QString(), c.goods[0], c.goods[1], c.goods[2], c.goods[3], QString(),
                        c.date, c.time, slip ? QString() : c.amount, QString(), QString(), QString(), QString(),
                        QString()};
    QStringList literals;
    for (const QString &value : v)
        literals << literal(value);
    return QStringLiteral("INSERT INTO memberitem(userid,kind,companyID,uriage,itemname1,itemname2,itemname3,"
                          "itemname4,itemname5,arrivedate,timeselect,daibiki,num,kg,charge,hoken,NOTES) VALUES(") +
           literals.join(u',') + u')';
}

ItemChangeOutcome ApplyItemChange(Database &db, const QString &membersDb, const QStringList &ids, int editionCode,
                                  int senderId, const ItemChangeValues &values)
{
    ItemChangeOutcome outcome;
    if (db.OpenDatabase(membersDb).isError()) {
        outcome.failed = int(ids.size());
        return outcome;
    }
    const bool inTransaction = !db.BeginTransaction();
    for (const QString &text : ids) {
        int id = 0;
        if (!ParseWholeNumber(text, &id) || id < 0) {
            ++outcome.failed;
            continue;
        }
        const QueryResult count = db.QueryRows(
            QStringLiteral("select count(*) from memberitem WHERE userID=%1 and kind=%2").arg(id).arg(editionCode));
        const bool exists = count.ok() && count.rows.value(0, 0).toInt() > 0;
        const QString sql = exists ? ItemChangeUpdateSql(id, editionCode, senderId, values)
                                   : ItemChangeInsertSql(id, editionCode, senderId, values);
        if (!count.ok() || db.ExecSql(sql))
            ++outcome.failed;
        else if (exists)
            ++outcome.updated;
        else
            ++outcome.inserted;
    }
    if (inTransaction && db.Commit()) {
        // Nothing of the change reached the file: say so rather than count it as done.
        db.Rollback();
        outcome = ItemChangeOutcome{0, 0, int(ids.size())};
    }
    return outcome;
}
