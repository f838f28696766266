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

// What becomes of rows the server holds already.
enum class ServerRows {
    Refuse, // a move: the server must be empty (its default senders aside)
    Replace // a restore: they go, in the same transaction as the copy
};

// Copies the tables of addressDb (address, company) and membersDb (the
// history and the item rows) into the server, creating the tables first when
// they are missing.
MigrationResult CopyLocalStoreToServer(Database &db, const QString &addressDb, const QString &membersDb,
                                       PgConnection &pg, ServerRows existing = ServerRows::Refuse);

// The other way: writes every table of the server into two new SQLite files
// made as the program makes them, value for value and identifiers kept, so
// that a backup of a server is the same as one of a station's files. Each
// file is written in one transaction; on an error neither file is left.
DatabaseError CopyServerStoreToFiles(PgConnection &pg, Database &db, const QString &addressFile,
                                     const QString &membersFile);
