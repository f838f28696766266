#pragma once
// Reading the consignee list from the address book: the search over the eight
// text columns, the sender filter and "印刷するデータのみ表示", and deleting
// consignees. Pure data work; the list page shows what comes back.

#include "core/data/DatabaseError.h"

#include <QString>
#include <QStringList>
#include <QVector>

class CheckedConsignees;
class Database;

// One row of the consignee list.
struct ConsigneeRow {
    QString id;      // address.ID as decimal text
    QString name;    // namae1 + namae2
    QString zipcode;
    QString address; // area + city + location + building
    QString tel;
};

struct ConsigneeQuery {
    QString addressDb;
    QString membersDb;
    QString searchText;      // empty: every consignee
    int senderFilter = -1;   // company.ID, or -1 for no filter
    bool printOnly = false;  // "印刷するデータのみ表示"
};

// The SELECT of the list, with the search condition when text is not empty.
// The text is matched literally: quotes, "%", "_" and "\" in it are data.
// ReadConsignees narrows it with the search index when the database has one
// (SearchIndex.h), finding the same rows in the same order.
QString ConsigneeSelectSql(const QString &searchText);

// A LIKE pattern "%text%" as an SQL string literal whose "%", "_" and "\" are
// escaped with "\" (the statement names that escape character).
QString ContainsPattern(const QString &text);

// readConsignees's data: the rows in query order after the sender filter and the
// print-only filter (which ignores the search text). error tells a failed query.
QVector<ConsigneeRow> ReadConsignees(Database &db, const ConsigneeQuery &query,
                                     const CheckedConsignees &checked, DatabaseError *error = nullptr);

// A postal code as the list shows it: seven digits with the hyphen after the
// third ("1000001" → "100-0001"), as written on an envelope. Anything else is
// shown as stored, so that the list never hides what a row holds.
QString PostalCodeForList(const QString &stored);

// The identifiers of the consignees that exist, out of ids (order kept).
// When the address book cannot be read, none, and *error says why.
QStringList ExistingConsignees(Database &db, const QString &addressDb, const QStringList &ids,
                               DatabaseError *error = nullptr);

// Deletes the consignees ids from the address table; their item rows and
// history rows stay. Returns the number of statements that failed.
int DeleteConsignees(Database &db, const QString &addressDb, const QStringList &ids);
