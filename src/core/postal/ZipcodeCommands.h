#pragma once
// korvel-print zipcode / zipcode-search / zipcode-import: the postal-code
// lookup, the guide's search and its import from the command line. Exit codes: 0 found, 1 nothing found, 2 usage
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

// korvel-print zipcode-import CSV [--db FILE]: the guide's import of the
// national postal-code list into FILE (default: the shared data folder's
// zipcode.db3), creating it when missing. Exit code 0 when every line was
// imported, 1 when a line was malformed (nothing kept), 2 on other errors.
int RunZipcodeImportCommand(const QStringList &args);
