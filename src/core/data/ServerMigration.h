#pragma once
// Moving a shop's address book and sending history from the local SQLite
// files to a PostgreSQL server, when it grows from one station to several.
//
// Everything goes in one transaction: the server ends with every row of every
// table, value for value (identifiers kept), or with nothing. A server that
// already holds rows is refused, so a second run never doubles them; only the
// four default senders a station may have made there on its first start are
// replaced.

#include "core/data/DatabaseError.h"

#include <QString>
#include <QVector>

class Database;
class PgConnection;

struct MigrationCount {
    QString table;
    qint64 rows = 0; // rows copied, equal on both sides
};

struct MigrationResult {
    DatabaseError error;  // reading, writing or the final count check failed
    QString refusal;      // why nothing was copied although nothing failed
    QVector<MigrationCount> counts;

    bool ok() const { return !error.isError() && refusal.isEmpty(); }
};

// Copies the tables of addressDb (address, company) and membersDb (the
// history and the item rows) into the server's current schema, creating the
// tables first when they are missing.
MigrationResult CopyLocalStoreToServer(Database &db, const QString &addressDb, const QString &membersDb,
                                       PgConnection &pg);
