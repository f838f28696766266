#pragma once
// The database step of the first show: the postal-code database restored from
// the shipped copy when it is missing, the address and members databases
// created when they are missing, and every file checked, so that a damaged one
// is named once at start-up and the rest of the program stays usable.

#include "core/data/DatabaseHealth.h"
#include "core/data/SearchIndex.h"

#include <QString>
#include <QStringList>

class Database;

using CreateDatabaseFunction = DatabaseError (*)(Database &db, const QString &path);

// Creates the database at path with create when it is missing or holds no
// table at all (a creation cut short leaves such a file, and it would never be
// created again). Returns what the check found before; *createError receives
// the creation's error, if any.
DatabaseFileCheck PrepareDatabaseFile(Database &db, const QString &path, CreateDatabaseFunction create,
                                      DatabaseError *createError);

// The same for the command-line tools, which need both files: creates the
// address and members databases where they are missing or empty. The error
// names the first file that could not be created or is not usable.
DatabaseError PrepareAddressBook(Database &db, const QString &addressDb, const QString &membersDb);

struct StartupDatabasePaths {
    QString address;        // DataDir/addressXe2.db3
    QString members;        // DataDir/membersXe2.db3
    QString zipcode;        // DataDir/zipcode.db3
    QString shippedZipcode; // ProgramDir/databaseXe2/zipcode.db3
};

// Runs the step and returns the notices to show with the heading "確認", in order.
// observer shows a search index built for a database made before it.
QStringList OpenStartupDatabases(Database &db, const StartupDatabasePaths &paths,
                                 const SearchIndexBuildObserver &observer = {});
