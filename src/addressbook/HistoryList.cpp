#include "addressbook/HistoryList.h"

#include "addressbook/ConsigneeRows.h"
#include "app/TextFields.h"
#include "data/DateText.h"
#include "data/SqliteStatement.h"
#include "data/TDataModule1.h"

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

} // namespace

QString HistoryOrderClause(int sortState, int editionCode)
{
    const bool ascending = sortState >= 11 && sortState <= 19;
    const int column = ascending ? sortState - 10 : sortState;
    const QString name = sortColumn(column, editionCode);
    if (name.isEmpty())
        return QString();
    return QStringLiteral(" order by ") + name + (ascending ? QStringLiteral(" asc") : QStringLiteral(" desc"));
}

QString HistorySelectSql(int editionCode, int sortState, const QString &searchText)
{
    QString sql = QStringLiteral("SELECT id,senderdate,namae1,address1,address2,address3,tel,uriage,number,"
                                 "itemname1,itemname2,itemname3,itemname4,arrivedate,hoken,userid FROM sender");
    const QString kind = QStringLiteral("'") + QString::number(editionCode) + QStringLiteral("'");
    if (searchText.isEmpty())
        return sql + QStringLiteral(" where kind=") + kind + HistoryOrderClause(sortState, editionCode) + u';';

    // The text is data: quotes and the wildcards "%" and "_" in it match themselves.
    const QString pattern = ContainsPattern(StripLineBreaks(searchText)) + QStringLiteral(" escape '\\'");
    static const char *const columns[] = {"namae1",   "namae2",   "zipcode", "address1",  "address2",
                                          "address3", "tel",      "number",  "charge",    "itemname1",
                                          "itemname2", "itemname3", "itemname4"};
    QStringList conditions;
    for (const char *column : columns)
        conditions << QLatin1String(column) + QStringLiteral(" like ") + pattern;
    sql += QStringLiteral(" where (kind=") + kind + QStringLiteral(") and (") + conditions.join(QStringLiteral(" or "))
           + QStringLiteral(")  order by id desc,senderdate desc;");
    return sql;
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

QVector<HistoryListRow> ReadHistoryList(TDataModule1 &db, const QString &membersDb, int editionCode, int sortState,
                                        const QString &searchText, DatabaseError *error)
{
    QVector<HistoryListRow> rows;
    DatabaseError failure = db.OpenDatabase(membersDb);
    if (!failure.isError()) {
        // Rows go straight from the statement into the list: a history of a
        // hundred thousand rows is never held twice.
        failure = db.ForEachRow(HistorySelectSql(editionCode, sortState, searchText), [&](const SqliteStatement &s) {
            auto text = [&s](int c) { return s.columnText(c).toString(); };
            HistoryListRow row;
            row.id = text(ColId);
            row.date = DisplayDateText(text(ColDate));
            row.name = text(ColName);
            row.address = text(ColAddress1) + text(ColAddress2) + text(ColAddress3);
            row.tel = text(ColTel).remove(QStringLiteral("--"));
            row.column6 = HistoryColumn6Text(editionCode, text(ColUriage), text(ColArrivedate));
            row.number = text(ColNumber);
            row.items = text(ColItem1) + u' ' + text(ColItem2) + u' ' + text(ColItem3) + u' ' + text(ColItem4);
            row.userid = text(ColUserid);
            rows.append(std::move(row));
        });
    }
    if (error)
        *error = failure;
    return rows;
}
