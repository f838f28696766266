#include "core/data/ProgramDatabaseCheck.h"

#include "core/data/DatabaseHealth.h"
#include "core/data/Database.h"
#include "core/data/TableInWords.h"

#include <QSet>

namespace {

// The names of the tables path holds, in lower case (SQLite matches table
// names without regard to case).
QSet<QString> tableNames(Database &db, const QString &path, DatabaseError *error)
{
    QSet<QString> names;
    *error = db.OpenDatabase(path, Database::OpenMode::ExistingOnly);
    if (!error->isError()) {
        const QueryResult result = db.QueryRows(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
        *error = result.error;
        for (const QStringList &row : result.rows.rows())
            names.insert(row.value(0).toLower());
    }
    db.CloseDatabase();
    return names;
}

} // namespace

QString ProgramDatabaseProblem(Database &db, const QString &path, const QVector<TableDefinition> &tables)
{
    const DatabaseFileCheck check = CheckDatabaseFile(db, path);
    switch (check.state) {
    case DatabaseFileState::Missing:
        return QStringLiteral("ファイルがありません。");
    case DatabaseFileState::Damaged:
        return QStringLiteral("ファイルが壊れているか、データベースではありません。");
    case DatabaseFileState::Unreadable:
        return QStringLiteral("ファイルを開けません。(") + check.error.message + QLatin1Char(')');
    case DatabaseFileState::Empty:
    case DatabaseFileState::Usable:
        break;
    }
    DatabaseError error;
    const QSet<QString> present = tableNames(db, path, &error);
    if (error.isError())
        return QStringLiteral("ファイルを開けません。(") + error.message + QLatin1Char(')');
    QStringList missing;
    for (const TableDefinition &table : tables)
        if (!present.contains(table.name.toLower()))
            missing << TableInWords(table.name);
    if (missing.isEmpty())
        return {};
    // Short lines: the notice stays narrower than the window it belongs to.
    return QStringLiteral("このプログラムのデータベースではありません。\n（") + missing.join(QStringLiteral("、"))
           + QStringLiteral("のデータがありません）");
}
