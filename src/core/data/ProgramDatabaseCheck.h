#pragma once
// Whether a file that is about to become one of the user databases really is a
// database of this program. A restore copies whole files over the address book
// and the history: a text file or another program's database named like them
// must be refused before anything is replaced.

#include "core/data/DatabaseSchema.h"

#include <QString>
#include <QVector>

class Database;

// Empty when path opens, passes the engine's quick check and holds every table
// of tables; otherwise what is wrong, in words for a notice (without the path).
// Leaves the connection closed.
QString ProgramDatabaseProblem(Database &db, const QString &path, const QVector<TableDefinition> &tables);
