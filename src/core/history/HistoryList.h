#pragma once
// Reading the sending history for the history list: the SELECT with its order
// or its search over thirteen columns, and the rows turned into the nine texts
// the grid shows. Pure data work; the history page shows what comes back.

#include "core/data/DatabaseError.h"

#include <QString>
#include <QTypeInfo>
#include <QVector>

class Database;

// One line of the history list, texts as shown in columns 1 to 9.
struct HistoryListRow {
    QString id;      // No
    QString date;    // 送付日, yyyy/MM/dd
    QString name;    // お名前
    QString address; // address1 + address2 + address3
    QString tel;     // every "--" removed
    QString column6; // amount or delivery date, by edition
    QString number;  // 伝票番号
    QString items;   // itemname1 .. itemname4 joined by single spaces
    QString userid;  // 利用者ID
};
// Nine implicitly shared strings: moved as plain memory when the list grows.
Q_DECLARE_TYPEINFO(HistoryListRow, Q_RELOCATABLE_TYPE);

// The order clause of a sort state (1..9 descending, 11..19 ascending by
// column), rows that tie ordered by identifier in the same direction; by
// identifier alone for an unknown state and for column 6 in edition 60.
QString HistoryOrderClause(int sortState, int editionCode);

// The SELECT of readHistory. With search text the rows of the edition whose
// names, postal code, addresses, telephone, tracking number, charge or item
// names contain the text literally, newest identifiers first (the sort state
// is ignored); without it every row of the edition in the sort state's order.
// This is the plain form, reading every row of the table; the readers below
// narrow it with the search index (SearchIndex.h) when the database has one,
// and find the same rows in the same order.
QString HistorySelectSql(int editionCode, int sortState, const QString &searchText);

// The same SELECT of the given columns, narrowed with the search index of the
// open members database: the rows a view of the list shows, in its order.
QString HistoryViewSelectSql(Database &db, const QString &columns, int editionCode, int sortState,
                             const QString &searchText);

// Column 6 of a row: the amount (editions 10, 30) or the delivery date without
// its year part (20, 40, 50), nothing in edition 60; "//" removed, and a lone
// "/" or "0" shown as nothing.
QString HistoryColumn6Text(int editionCode, const QString &uriage, const QString &arrivedate);

// The same SELECT with the identifier as its only column: the list's order
// without its texts.
QString HistoryIdSelectSql(int editionCode, int sortState, const QString &searchText);

// The whole list with its texts in one query, in readHistory's order (the page
// itself reads identifiers first, below). error tells a failed query.
QVector<HistoryListRow> ReadHistoryList(Database &db, const QString &membersDb, int editionCode, int sortState,
                                        const QString &searchText, DatabaseError *error = nullptr);

// readHistory's identifiers in query order; the list reads the texts of the
// rows it shows with ReadHistoryRows, so a history of a million rows is
// neither sorted with all its texts nor held in memory.
QVector<qint64> ReadHistoryIds(Database &db, const QString &membersDb, int editionCode, int sortState,
                               const QString &searchText, DatabaseError *error = nullptr);

// A page of readHistory's identifiers: with search text, at most limit of
// them below identifier before (0: from the newest); complete when no more
// follow. What the search index narrows, and the list without search text,
// come whole in one page.
struct HistoryIdPage {
    QVector<qint64> ids;
    bool complete = true;
};
HistoryIdPage ReadHistoryIdPage(Database &db, const QString &membersDb, int editionCode, int sortState,
                                const QString &searchText, qint64 before, int limit, DatabaseError *error = nullptr);

// The list rows of ids, in the order of ids. An identifier whose row is gone
// gives a row with only its number.
QVector<HistoryListRow> ReadHistoryRows(Database &db, const QString &membersDb, int editionCode,
                                        const QVector<qint64> &ids, DatabaseError *error = nullptr);
