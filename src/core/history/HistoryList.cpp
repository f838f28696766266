#include "core/history/HistoryList.h"

#include "core/addressbook/ConsigneeRows.h"
#include "core/text/TextFields.h"
#include "core/text/DateText.h"
#include "core/data/SearchIndex.h"
#include "core/data/StoreStatement.h"
#include "core/data/Database.h"

#include <QDate>
#include <QHash>

namespace {

// The columns of the SELECT, in the order ReadHistoryList takes them.
enum SelectColumn {
    ColId, ColDate, ColName, ColAddress1, ColAddress2, ColAddress3, ColTel, ColUriage, ColNumber,
    ColItem1, ColItem2, ColItem3, ColItem4, ColArrivedate, ColHoken, ColUserid
};

// The sort column of each grid column 1..9; column 6 depends on the edition.
QString sortColumn(int column, int editionCode)
{
    switch (column) {
    case 1: return QStringLiteral("id");
    case 2: return QStringLiteral("senderdate");
    case 3: return QStringLiteral("namae1");
    case 4: return QStringLiteral("address1");
    case 5: return QStringLiteral("tel");
    case 6:
        if (editionCode == 10 || editionCode == 30)
            return QStringLiteral("uriage");
        if (editionCode == 20 || editionCode == 40 || editionCode == 50)
            return QStringLiteral("arrivedate");
        return QString();
    case 7: return QStringLiteral("number");
    case 8: return QStringLiteral("itemname1");
    case 9: return QStringLiteral("userid");
    default: return QString();
    }
}

// The send date as shown: "yyyy-MM-dd" (how the writer stores it) turned into
// "yyyy/MM/dd" directly; anything else goes through the general conversion.
QString shownDate(QStringView stored)
{
    if (stored.size() == 10 && stored[4] == u'-' && stored[7] == u'-') {
        bool digits = true;
        for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
            digits = digits && stored[i] >= u'0' && stored[i] <= u'9';
        const int month = (stored[5].unicode() - '0') * 10 + (stored[6].unicode() - '0');
        const int day = (stored[8].unicode() - '0') * 10 + (stored[9].unicode() - '0');
        const int year = stored.left(4).toInt();
        if (digits && QDate(year, month, day).isValid()) {
            QString shown = stored.toString();
            shown[4] = u'/';
            shown[7] = u'/';
            return shown;
        }
    }
    return DisplayDateText(stored.toString());
}

} // namespace

QString HistoryOrderClause(int sortState, int editionCode)
{
    const bool ascending = sortState >= 11 && sortState <= 19;
    const int column = ascending ? sortState - 10 : sortState;
    const QString name = sortColumn(column, editionCode);
    // Rows that tie follow their identifiers in the direction of the sort, so
    // "newest first" holds within one day too; without the identifiers a
    // server would give them in any order.
    if (name.isEmpty())
        return QStringLiteral(" order by id");
    const QString direction = ascending ? QStringLiteral(" asc") : QStringLiteral(" desc");
    return QStringLiteral(" order by ") + name + direction
           + (name == QLatin1String("id") ? QString() : QStringLiteral(",id") + direction);
}

namespace {

const QString listColumns = QStringLiteral("id,senderdate,namae1,address1,address2,address3,tel,uriage,number,"
                                           "itemname1,itemname2,itemname3,itemname4,arrivedate,hoken,userid");

// readHistory's SELECT of the given columns. candidates, when not empty, is a
// condition that every row the search finds meets (SearchCandidates): it lets
// the engine read those rows only, and the LIKE conditions still decide.
QString selectSql(const QString &columns, int editionCode, int sortState, const QString &searchText,
                  const QString &candidates = QString(), qint64 before = 0, int limit = 0)
{
    QString sql = QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM sender");
    const QString kind = QStringLiteral("'") + QString::number(editionCode) + QStringLiteral("'");
    if (searchText.isEmpty())
        return sql + QStringLiteral(" where kind=") + kind + HistoryOrderClause(sortState, editionCode) + u';';

    // The text is data: quotes and the wildcards "%" and "_" in it match themselves.
    const QString pattern = ContainsPattern(StripLineBreaks(searchText)) + QStringLiteral(" escape '\\'");
    static const char *const columnsSearched[] = {"namae1",   "namae2",   "zipcode", "address1",  "address2",
                                                  "address3", "tel",      "number",  "charge",    "itemname1",
                                                  "itemname2", "itemname3", "itemname4"};
    QStringList conditions;
    for (const char *column : columnsSearched)
        conditions << QLatin1String(column) + QStringLiteral(" like ") + pattern;
    sql += QStringLiteral(" where (kind=") + kind + QStringLiteral(") and ")
           + (candidates.isEmpty() ? QString() : candidates + QStringLiteral(" and ")) + QStringLiteral("(") + conditions.join(QStringLiteral(" or "))
           + QStringLiteral(")");
    if (before > 0)
        sql += QStringLiteral(" and id < ") + QString::number(before);
    sql += QStringLiteral("  order by id desc,senderdate desc");
    if (limit > 0)
        sql += QStringLiteral(" limit ") + QString::number(limit);
    return sql + u';';
}

} // namespace

QString HistorySelectSql(int editionCode, int sortState, const QString &searchText)
{
    return selectSql(listColumns, editionCode, sortState, searchText);
}

QString HistoryIdSelectSql(int editionCode, int sortState, const QString &searchText)
{
    return selectSql(QStringLiteral("id"), editionCode, sortState, searchText);
}

QString HistoryColumn6Text(int editionCode, const QString &uriage, const QString &arrivedate)
{
    QString text;
    if (editionCode == 10 || editionCode == 30) {
        text = uriage;
    } else if (editionCode == 20 || editionCode == 40 || editionCode == 50) {
        // Dates are entered as month and day with an empty year ("/12/24"):
        // the empty year goes, a year that was entered stays.
        text = arrivedate.startsWith(u'/') ? arrivedate.mid(1) : arrivedate;
    }
    text.remove(QStringLiteral("//"));
    if (text == QStringLiteral("/") || text == QStringLiteral("0"))
        return QString();
    return text;
}

namespace {

// The search's SELECT narrowed by the search index of the open members database.
QString indexedSelectSql(Database &db, const QString &columns, int editionCode, int sortState,
                         const QString &searchText)
{
    const QString candidates =
        searchText.isEmpty() ? QString() : SearchCandidates(db, HistorySearchIndex(), StripLineBreaks(searchText));
    return selectSql(columns, editionCode, sortState, searchText, candidates);
}

} // namespace

QString HistoryViewSelectSql(Database &db, const QString &columns, int editionCode, int sortState,
                             const QString &searchText)
{
    return indexedSelectSql(db, columns, editionCode, sortState, searchText);
}

namespace {

HistoryListRow listRow(const StoreRow &s, int editionCode)
{
    auto text = [&s](int c) { return s.columnText(c).toString(); };
    HistoryListRow row;
    row.id = text(ColId);
    row.date = shownDate(s.columnText(ColDate));
    row.name = text(ColName);
    row.address.reserve(s.columnText(ColAddress1).size() + s.columnText(ColAddress2).size()
                        + s.columnText(ColAddress3).size());
    row.address.append(s.columnText(ColAddress1)).append(s.columnText(ColAddress2));
    row.address.append(s.columnText(ColAddress3));
    row.tel = text(ColTel).remove(QStringLiteral("--"));
    row.column6 = HistoryColumn6Text(editionCode, text(ColUriage), text(ColArrivedate));
    row.number = text(ColNumber);
    row.items.reserve(s.columnText(ColItem1).size() + s.columnText(ColItem2).size() + s.columnText(ColItem3).size()
                      + s.columnText(ColItem4).size() + 3);
    row.items.append(s.columnText(ColItem1)).append(u' ').append(s.columnText(ColItem2)).append(u' ');
    row.items.append(s.columnText(ColItem3)).append(u' ').append(s.columnText(ColItem4));
    row.userid = text(ColUserid);
    return row;
}

// Runs the list's SELECT of columns on the members database, handing each row to onRow.
DatabaseError forEachRowOf(Database &db, const QString &membersDb, const QString &columns, int editionCode,
                           int sortState, const QString &searchText,
                           const std::function<void(const StoreRow &)> &onRow)
{
    const DatabaseError failure = db.OpenDatabase(membersDb);
    return failure.isError()
               ? failure
               : db.ForEachRow(indexedSelectSql(db, columns, editionCode, sortState, searchText), onRow);
}

} // namespace

QVector<HistoryListRow> ReadHistoryList(Database &db, const QString &membersDb, int editionCode, int sortState,
                                        const QString &searchText, DatabaseError *error)
{
    QVector<HistoryListRow> rows;
    const DatabaseError failure =
        forEachRowOf(db, membersDb, listColumns, editionCode, sortState, searchText,
                     [&](const StoreRow &s) { rows.append(listRow(s, editionCode)); });
    if (error)
        *error = failure;
    return rows;
}

QVector<qint64> ReadHistoryIds(Database &db, const QString &membersDb, int editionCode, int sortState,
                               const QString &searchText, DatabaseError *error)
{
    QVector<qint64> ids;
    const DatabaseError failure =
        forEachRowOf(db, membersDb, QStringLiteral("id"), editionCode, sortState, searchText,
                     [&ids](const StoreRow &s) { ids.append(s.columnText(0).toLongLong()); });
    if (error)
        *error = failure;
    return ids;
}

HistoryIdPage ReadHistoryIdPage(Database &db, const QString &membersDb, int editionCode, int sortState,
                                const QString &searchText, qint64 before, int limit, DatabaseError *error)
{
    HistoryIdPage page;
    DatabaseError failure = db.OpenDatabase(membersDb);
    if (!failure.isError()) {
        const QString candidates =
            searchText.isEmpty() ? QString() : SearchCandidates(db, HistorySearchIndex(), StripLineBreaks(searchText));
        // Without search text the sort state orders the whole edition, and
        // with candidates from the index the rows are few: both are read whole.
        // A search the index cannot narrow walks the table newest first and
        // stops when the page is full, so that a term in most rows is quick.
        const bool paged = !searchText.isEmpty() && candidates.isEmpty() && limit > 0;
        const QString sql = paged ? selectSql(QStringLiteral("id"), editionCode, sortState, searchText, QString(),
                                              before, limit)
                                  : selectSql(QStringLiteral("id"), editionCode, sortState, searchText, candidates);
        failure = db.ForEachRow(sql, [&page](const StoreRow &s) { page.ids.append(s.columnText(0).toLongLong()); });
        page.complete = !paged || page.ids.size() < limit;
    }
    if (error)
        *error = failure;
    return page;
}

QVector<HistoryListRow> ReadHistoryRows(Database &db, const QString &membersDb, int editionCode,
                                        const QVector<qint64> &ids, DatabaseError *error)
{
    QHash<qint64, HistoryListRow> byId;
    byId.reserve(ids.size());
    DatabaseError failure = db.OpenDatabase(membersDb);
    // A few hundred identifiers a statement keeps each one short.
    constexpr int chunk = 500;
    for (qsizetype first = 0; !failure.isError() && first < ids.size(); first += chunk) {
        QStringList numbers;
        for (qsizetype i = first; i < qMin(first + chunk, ids.size()); ++i)
            numbers << QString::number(ids.at(i));
        const QString sql = QStringLiteral("SELECT ") + listColumns + QStringLiteral(" FROM sender WHERE id IN (")
                            + numbers.join(u',') + QStringLiteral(");");
        failure = db.ForEachRow(sql, [&](const StoreRow &s) {
            HistoryListRow row = listRow(s, editionCode);
            const qint64 id = row.id.toLongLong();
            byId.insert(id, std::move(row));
        });
    }
    QVector<HistoryListRow> rows;
    rows.reserve(ids.size());
    for (qint64 id : ids) {
        HistoryListRow row = byId.value(id);
        row.id = QString::number(id); // a row deleted meanwhile keeps its number
        rows.append(std::move(row));
    }
    if (error)
        *error = failure;
    return rows;
}
