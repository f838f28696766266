#pragma once
// One row of the sending history (table sender of "membersXe2.db3") with the
// columns that the history's commands use: the reprint, the registration as a
// consignee and the history edit dialog all start from it.

#include "core/data/DatabaseError.h"

#include <QString>
#include <QStringList>
#include <optional>

class Database;

struct HistoryEntry {
    QString id;
    QString senderdate; // as the database layer returns dates: yyyy/MM/dd
    QString kind;
    QString userid;
    QString namae1;
    QString zipcode;
    QString address1, address2, address3;
    QString tel;
    QString uriage;
    QString itemname[4];
    QString arrivedate;
    QString timeselect;
    QString number;
    QString daibiki;
    QString num, kg, charge, hoken;
    QString snamae1, szipcode, saddress1, saddress2, stel;
    QString snumber[3];

    // The entry from a row selected with HistoryEntrySelectSql (columns in its order).
    static HistoryEntry fromRow(const QStringList &row);
};

// The SELECT of one history row by its identifier; the column order is the one
// fromRow reads. id must be a whole decimal number.
QString HistoryEntrySelectSql(const QString &id);

// Reads history row id from membersDb. Nothing when id is no identifier, the
// row does not exist or the query fails (error tells the last case).
std::optional<HistoryEntry> ReadHistoryEntry(Database &db, const QString &membersDb, const QString &id,
                                             DatabaseError *error = nullptr);

// The amount a history row carries for an edition: the cash-on-delivery amount
// in edition 30 (the printed waybill wrote it to daibiki; uriage stands in for
// rows that have none), uriage in every other edition.
QString HistoryAmount(const HistoryEntry &entry, int editionCode);
