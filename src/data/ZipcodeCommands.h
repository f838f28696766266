#pragma once
// korvel-print zipcode / zipcode-search: the postal-code lookup and the guide's
// search from the command line. Exit codes: 0 found, 1 nothing found, 2 usage
// or database error.

#include <QString>
#include <QStringList>

// The postal-code database a command uses without --db: the shared data
// folder's zipcode.db3 when it exists, else the one shipped in the program folder.
QString DefaultZipcodeDatabasePath();

// korvel-print zipcode CODE [--db FILE]: prints prefecture, city and town area
// separated by tabs on one line.
int RunZipcodeCommand(const QStringList &args);

// korvel-print zipcode-search TEXT [--db FILE]: prints the guide's rows, one a
// line: postal code, prefecture, city, town area separated by tabs.
int RunZipcodeSearchCommand(const QStringList &args);
