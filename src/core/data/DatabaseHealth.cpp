#include "core/data/DatabaseHealth.h"

#include "core/data/DatabaseErrorText.h"
#include "core/data/Database.h"
#include "core/data/StoreLocation.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

bool isDamage(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

DatabaseFileCheck notUsable(const DatabaseError &error)
{
    DatabaseFileCheck check;
    check.state = isDamage(error.code) ? DatabaseFileState::Damaged : DatabaseFileState::Unreadable;
    check.error = error;
    return check;
}

} // namespace

DatabaseFileCheck CheckDatabaseFile(Database &db, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile()) {
        DatabaseError e;
        e.code = SQLITE_CANTOPEN;
        e.message = QStringLiteral("not a file: %1").arg(path);
        return notUsable(e);
    }
    DatabaseError error = db.OpenDatabase(path, Database::OpenMode::ExistingOnly);
    if (error.isError()) {
        db.CloseDatabase();
        return notUsable(error);
    }
    // quick_check reads every page once but skips the index cross-checks of
    // integrity_check: enough to find a torn or overwritten page.
    const QueryResult quick = db.QueryRows(QStringLiteral("PRAGMA quick_check"));
    if (!quick.ok()) {
        db.CloseDatabase();
        return notUsable(quick.error);
    }
    if (quick.rows.size() != 1 || quick.rows.value(0, 0) != QLatin1String("ok")) {
        db.CloseDatabase();
        DatabaseError e;
        e.code = SQLITE_CORRUPT;
        e.message = quick.rows.value(0, 0);
        return notUsable(e);
    }
    const QueryResult tables = db.QueryRows(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table'"));
    db.CloseDatabase();
    if (!tables.ok())
        return notUsable(tables.error);
    DatabaseFileCheck check;
    check.state = tables.rows.value(0, 0).toInt() > 0 ? DatabaseFileState::Usable : DatabaseFileState::Empty;
    return check;
}

QString AddressDatabaseLabel()
{
    return QStringLiteral("お届け先データベース");
}

QString MembersDatabaseLabel()
{
    return QStringLiteral("送付履歴データベース");
}

QString ZipcodeDatabaseLabel()
{
    return QStringLiteral("郵便番号データベース");
}

QString DatabaseFileNotice(const QString &label, const QString &path, const DatabaseError &error)
{
    // A server is no file of the station's: what failed is said as at start-up.
    if (IsServerStore(path))
        return StoreFailureNotice(error, path);
    if (isDamage(error.code))
        return label + QStringLiteral("を開けません。ファイルが壊れているか、データベースではありません。\n") + path;
    return label + QStringLiteral("を開けません。\n") + path + QLatin1Char('\n') + DatabaseErrorInJapanese(error);
}
