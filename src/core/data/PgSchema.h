#pragma once
// The address book's and the sending history's tables on a PostgreSQL
// server: the same tables and columns as the SQLite files (DatabaseSchema),
// under unquoted names, so that `address.namae1` answers as it does there.
//
// The types follow what the program stores rather than what SQLite declares:
// SQLite enforces no varchar length and keeps a date as the text written, so
// both are text here, as are the integer columns that hold what a clerk typed;
// an identifier column is given by the server.
//
// The address book's tables live in the default schema "public", the
// history's and item data's in "members" (PgMembersSchema), as they live in
// two files locally. Every connection searches both.

#include "core/data/DatabaseError.h"
#include "core/data/DatabaseSchema.h"

#include <QString>

class PgConnection;

// The PostgreSQL form of one column definition (or table constraint) of the
// SQLite tables.
QString PgColumnDefinition(const QString &definition);
// True when the column stays an integer on the server.
bool PgColumnIsInteger(const QString &definition);
// CREATE TABLE IF NOT EXISTS for the server, in schema when one is named.
QString PgCreateTableSql(const TableDefinition &table, const QString &schema = QString());
// The schema of the members file's tables.
QString PgMembersSchema();

// Creates every table of the address book and of the members database that
// the server's current schema lacks, and with a new company table its four
// default senders 会社名1 to 会社名4, in one transaction: on an error nothing
// is left half made.
// A copy of local files into the server (withDefaultSenders false) brings
// its own senders instead.
DatabaseError CreatePgSchema(PgConnection &pg, bool withDefaultSenders = true);

// Takes every table of the address book and history off the server (both
// schemas, rows and all), leaving an empty database as before the first
// station's start; for the tests and benchmarks that start from nothing.
DatabaseError DropPgSchema(PgConnection &pg);
