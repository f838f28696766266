#pragma once
// What the program's statements, written for SQLite, need to mean the same
// on the PostgreSQL server. The statements stay one text for both engines;
// only these differences are taken care of, here and nowhere else.

#include <QString>
#include <QStringView>

// The statement as the server takes it: "?" parameters become $1, $2, …, and
// LIKE becomes ILIKE, because SQLite's LIKE ignores the case of ASCII letters
// and the searches rely on it. Quoted texts and names are left as they are.
QString PgStatementText(const QString &sql);

// True when a result column of this name holds a date that SQLite's reader
// shows as yyyy/MM/dd: the server keeps such columns as the text written.
bool IsDateColumnName(QStringView name);
