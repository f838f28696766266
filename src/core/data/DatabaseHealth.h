#pragma once
// Whether a database file can be used, asked once at start-up: a damaged file,
// or one that is no database at all, is named to the user instead of leaving
// every list that reads it empty without a word.

#include "core/data/DatabaseError.h"

#include <QString>

class Database;

enum class DatabaseFileState {
    Missing,    // no such file
    Empty,      // a database without any table, e.g. left by a creation that never finished
    Usable,     // opens, passes the engine's quick check and holds tables
    Damaged,    // the engine finds it damaged, or it is no database file at all
    Unreadable  // it exists but cannot be opened (permissions, a folder, an I/O error)
};

struct DatabaseFileCheck {
    DatabaseFileState state = DatabaseFileState::Missing;
    DatabaseError error; // the engine's finding when the file is not usable
};

// Opens path without creating it, runs PRAGMA quick_check and looks for tables.
// Leaves the connection closed.
DatabaseFileCheck CheckDatabaseFile(Database &db, const QString &path);

// The names of the three database files as the user knows them.
QString AddressDatabaseLabel();  // お届け先データベース (addressXe2.db3)
QString MembersDatabaseLabel();  // 送付履歴データベース (membersXe2.db3)
QString ZipcodeDatabaseLabel();  // 郵便番号データベース (zipcode.db3)

// The notice for a database file that failed with error, e.g.
// "お届け先データベースを開けません。ファイルが壊れているか、データベースではありません。\n<path>"
// when the engine found it damaged or no database; other failures (permissions,
// I/O) add the engine's message instead. label is one of the names above.
// For a server, the words of the start-up question (StoreFailureNotice).
QString DatabaseFileNotice(const QString &label, const QString &path, const DatabaseError &error);
