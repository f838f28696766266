#pragma once
// History rows that the shared server could not take because it could not be
// reached. A printed waybill's row must not be lost to a network failure, nor
// be written twice when it is retried: each row carries an identifier, and the
// server keeps, in the same transaction as the row, a receipt of that
// identifier (table historyreceipt of the members schema). A row whose receipt
// is there was written before and is skipped, however a retry was cut short.
//
// The rows wait in the station's data folder (pendinghistory.jsonl: one JSON
// object a line with the row's identifier, the store it is for and its INSERT
// statement), rewritten whole and atomically, under a lock file, so that the
// editions running on one station never lose or repeat each other's rows.

#include "core/data/DatabaseError.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

struct HistoryRowToWrite {
    QString id;  // unique; the receipt's key
    QString sql; // the row's INSERT statement (HistoryInsertSql)
};

// A new row to write with its fresh identifier.
HistoryRowToWrite NewHistoryRow(const QString &insertSql);

// Writes rows into the members store db is open on, in one transaction, each
// with its receipt; a row whose receipt exists is skipped. Nothing is written
// when it fails. *written counts the rows written now.
DatabaseError WriteHistoryRowsOnce(Database &db, const QVector<HistoryRowToWrite> &rows, int *written = nullptr);

class PendingHistory
{
public:
    // dataDir: the station's data folder.
    explicit PendingHistory(const QString &dataDir);

    QString filePath() const { return m_path; }

    // Keeps rows for store (the members store's location) until flush writes
    // them. False when the file could not be written; *error says why.
    bool keep(const QString &store, const QVector<HistoryRowToWrite> &rows, QString *error = nullptr);
    // The rows waiting, for any store.
    int count() const;

    struct Flushed {
        int written = 0;     // rows written now
        int waiting = 0;     // rows still waiting (for any store)
        DatabaseError error; // why the rows for store are still waiting
    };
    // Writes the rows kept for store, once each, and takes them off the file.
    // db is opened on store when some wait for it.
    Flushed flush(Database &db, const QString &store);

private:
    QString m_path;
};
