#include "core/data/Database.h"

#include "core/data/DatabaseErrorText.h"
#include "core/data/PgConnection.h"
#include "core/data/PgConnectionPool.h"
#include "core/data/PgDialect.h"
#include "core/data/SqlLiteral.h"
#include "core/data/StoreLocation.h"
#include "core/text/DateText.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

DatabaseError errorOf(int code, const QString &message)
{
    DatabaseError e;
    e.code = code == SQLITE_OK ? SQLITE_ERROR : code;
    e.message = message;
    return e;
}

// True when only blanks, semicolons or comments are left after a statement.
bool isBlankTail(QStringView tail)
{
    for (QChar c : tail)
        if (!c.isSpace() && c != QLatin1Char(';'))
            return false;
    return true;
}

// A result column aliased "name::text" is handed over as stored, never reformatted.
bool isTextAlias(const QString &columnName)
{
    return columnName.endsWith(QLatin1String("::text"), Qt::CaseInsensitive);
}

// The row's texts, its date columns as yyyy/MM/dd.
QStringList rowTexts(const StoreRow &row, const QVector<bool> &isDate)
{
    QStringList texts;
    texts.reserve(isDate.size());
    for (int c = 0; c < isDate.size(); ++c) {
        QString text = row.columnText(c).toString();
        texts.append(isDate[c] ? DisplayDateText(text) : text);
    }
    return texts;
}

} // namespace

Database::Database() = default;

Database::~Database()
{
    CloseDatabase();
}

DatabaseError Database::OpenDatabase(const QString &path, OpenMode mode)
{
    CloseDatabase();
    m_path = path;
    m_mode = mode;
    return ensureOpen();
}

bool Database::isServer() const
{
    return m_server != nullptr || IsServerStore(m_path);
}

void Database::CloseDatabase()
{
    if (m_server)
        ReturnServerConnection(m_path, std::move(m_server));
    if (m_db) {
        // sqlite3_close_v2 defers the close until every statement is finalised.
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

DatabaseError Database::ensureOpen()
{
    if (m_db || m_server)
        return {};
    if (m_path.isEmpty())
        return errorOf(SQLITE_MISUSE, QStringLiteral("no database file has been named"));
    if (IsServerStore(m_path))
        return openServer();
    // A connection is used by the thread that owns the data module only: the
    // engine's per-call locking would be paid on every column read for nothing.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (m_mode == OpenMode::ExistingOnly) {
        if (!QFileInfo(m_path).isFile())
            return errorOf(SQLITE_CANTOPEN, QStringLiteral("database file not found: %1").arg(m_path));
    } else {
        flags |= SQLITE_OPEN_CREATE;
    }
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFileInfo(m_path).absoluteFilePath().toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        DatabaseError e = errorOf(rc, db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"));
        e.message += QStringLiteral(": ") + m_path;
        sqlite3_close_v2(db);
        return e;
    }
    m_db = db;
    DatabaseError e = applyConnectionSettings();
    if (e.isError())
        CloseDatabase();
    return e;
}

DatabaseError Database::openServer()
{
    DatabaseError e;
    // A kept connection the server ended without a word on the socket yet
    // fails its first statement: that one is run once more on a new
    // connection. It only sets the session, so running it twice is harmless.
    for (int attempt = 0; attempt < 2; ++attempt) {
        m_server = TakeServerConnection(m_path, &e);
        if (e.isError()) {
            m_server.reset();
            e.message += QStringLiteral(": ") + StoreLocationForDisplay(m_path);
            return serverError(e);
        }
        // A statement waiting for another station's lock fails after the same
        // time a local one waits for another program's.
        if (!m_server->exec(QStringLiteral("SET lock_timeout = %1").arg(m_busyTimeoutMs), {}, &e))
            return {};
        m_server.reset();
        if (!IsConnectionFailure(e))
            break;
    }
    return serverError(e);
}

DatabaseError Database::serverError(const DatabaseError &e) const
{
    m_lastServerError = e;
    return e;
}

DatabaseError Database::applyConnectionSettings()
{
    sqlite3_busy_timeout(m_db, m_busyTimeoutMs);
    // Reading the page count reads the header: a damaged file fails here, at
    // open time, and an empty (new) file still takes the encoding and page size.
    DatabaseError e;
    SqliteStatement count = prepareOne(QStringLiteral("PRAGMA page_count"), &e);
    if (e.isError())
        return e;
    int rc = count.step();
    if (rc != SQLITE_ROW)
        return errorOf(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
    const bool empty = sqlite3_column_int64(count.handle(), 0) == 0;
    count.finalize();

    QStringList pragmas;
    if (empty)
        pragmas << QStringLiteral("PRAGMA encoding = 'UTF-16'") << QStringLiteral("PRAGMA page_size = 4096");
    // synchronous = FULL: a power cut must not cost the address book; bulk work
    // runs in transactions so that it stays fast all the same.
    pragmas << QStringLiteral("PRAGMA cache_size = %1").arg(m_cacheSize) << QStringLiteral("PRAGMA locking_mode = NORMAL")
            << QStringLiteral("PRAGMA synchronous = FULL") << QStringLiteral("PRAGMA journal_mode = DELETE")
            << QStringLiteral("PRAGMA foreign_keys = ON") << QStringLiteral("PRAGMA temp_store = FILE");
    for (const QString &pragma : pragmas) {
        const QByteArray sql = pragma.toUtf8();
        char *message = nullptr;
        rc = sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &message);
        if (rc != SQLITE_OK) {
            DatabaseError err = errorOf(rc, QString::fromUtf8(message ? message : sqlite3_errmsg(m_db)));
            sqlite3_free(message);
            return err;
        }
    }
    return {};
}

SqliteStatement Database::prepareOne(const QString &sql, DatabaseError *error)
{
    sqlite3_stmt *statement = nullptr;
    const void *tail = nullptr;
    const int rc = sqlite3_prepare16_v2(m_db, sql.utf16(), int(sql.size() * 2), &statement, &tail);
    SqliteStatement result(statement);
    if (rc != SQLITE_OK) {
        *error = errorOf(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
        return {};
    }
    if (!statement) {
        *error = errorOf(SQLITE_MISUSE, QStringLiteral("no SQL statement"));
        return {};
    }
    // One statement per call: text after it would otherwise be ignored
    // silently, or run where nobody expects it.
    const auto *end = reinterpret_cast<const char16_t *>(sql.utf16()) + sql.size();
    const auto *rest = static_cast<const char16_t *>(tail);
    if (rest && !isBlankTail(QStringView(rest, end - rest))) {
        *error = errorOf(SQLITE_MISUSE, QStringLiteral("more than one SQL statement in one call"));
        return {};
    }
    return result;
}

StoreStatement Database::Prepare(const QString &sql, DatabaseError *error)
{
    DatabaseError e = ensureOpen();
    if (!e.isError() && m_server)
        return StoreStatement(m_server->prepare(PgStatementText(sql)));
    if (!e.isError()) {
        SqliteStatement s = prepareOne(sql, &e);
        if (!e.isError())
            return StoreStatement(std::move(s));
    }
    if (error)
        *error = e;
    return {};
}

QueryResult Database::QueryRows(const QString &sql)
{
    QueryResult result;
    DatabaseError e = ensureOpen();
    if (e.isError()) {
        result.error = e;
        return result;
    }
    if (m_server) {
        QVector<bool> isDate;
        result.error = serverError(m_server->forEachRow(PgStatementText(sql), {}, [&](const StoreRow &row) {
            const int columns = row.columnCount();
            if (isDate.isEmpty()) {
                isDate.resize(columns);
                for (int c = 0; c < columns; ++c) {
                    const QString name = row.columnName(c);
                    isDate[c] = !isTextAlias(name) && IsDateColumnName(name);
                }
            }
            result.rows.append(rowTexts(row, isDate));
        }));
        if (!result.ok())
            result.rows.clear();
        return result;
    }
    SqliteStatement s = prepareOne(sql, &e);
    if (e.isError()) {
        result.error = e;
        return result;
    }
    const int columns = s.columnCount();
    // Which columns hold dates is fixed for the statement; decide once.
    QVector<bool> isDate(columns);
    for (int c = 0; c < columns; ++c)
        isDate[c] = !isTextAlias(s.columnName(c))
                    && s.columnDeclaredType(c).trimmed().compare(QLatin1String("date"), Qt::CaseInsensitive) == 0;
    int rc;
    while ((rc = s.step()) == SQLITE_ROW)
        result.rows.append(rowTexts(s, isDate));
    if (rc != SQLITE_DONE) {
        result.rows.clear();
        result.error = errorOf(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    return result;
}

bool Database::ExecSql(const QString &sql, DatabaseError *error)
{
    DatabaseError e = ensureOpen();
    if (!e.isError() && m_server) {
        m_server->exec(PgStatementText(sql), {}, &e);
        serverError(e);
    } else if (!e.isError()) {
        SqliteStatement s = prepareOne(sql, &e);
        if (!e.isError()) {
            int rc;
            while ((rc = s.step()) == SQLITE_ROW) {
            }
            if (rc != SQLITE_DONE)
                e = errorOf(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
        }
    }
    if (error)
        *error = e;
    return e.isError();
}

DatabaseError Database::ForEachRow(const QString &sql, const std::function<void(const StoreRow &)> &onRow)
{
    DatabaseError e = ensureOpen();
    if (e.isError())
        return e;
    if (m_server)
        return serverError(m_server->forEachRow(PgStatementText(sql), {}, onRow));
    SqliteStatement s = prepareOne(sql, &e);
    if (e.isError())
        return e;
    int rc;
    while ((rc = s.step()) == SQLITE_ROW)
        onRow(s);
    if (rc != SQLITE_DONE)
        return errorOf(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
    return {};
}

qint64 Database::LastInsertId() const
{
    if (m_server) {
        // The identity columns draw from sequences: lastval() is the number
        // this session drew last, whatever other stations insert meanwhile.
        // Inside a failed transaction the server answers nothing; that is 0.
        if (m_server->inTransaction())
            m_server->exec(QStringLiteral("SAVEPOINT last_id"));
        const QueryResult last = m_server->query(QStringLiteral("SELECT lastval()"));
        if (m_server->inTransaction())
            m_server->exec(last.ok() ? QStringLiteral("RELEASE last_id") : QStringLiteral("ROLLBACK TO last_id"));
        return last.ok() ? last.rows.value(0, 0).toLongLong() : 0;
    }
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

qint64 Database::ChangedRows() const
{
    if (m_server)
        return m_server->changedRows();
    return m_db ? sqlite3_changes64(m_db) : 0;
}

DatabaseError Database::AttachMembers(const QString &membersLocation)
{
    DatabaseError error = ensureOpen();
    if (error.isError() || m_server)
        return error;
    if (!ExecSql(QStringLiteral("ATTACH DATABASE ") + SqlQuote(QFileInfo(membersLocation).absoluteFilePath())
                     + QStringLiteral(" AS members"),
                 &error))
        ExecSql(QStringLiteral("PRAGMA members.synchronous = FULL"), &error);
    return error;
}

void Database::DetachMembers()
{
    if (m_db)
        ExecSql(QStringLiteral("DETACH DATABASE members"));
}

void Database::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_server)
        m_server->exec(QStringLiteral("SET lock_timeout = %1").arg(milliseconds));
    if (m_db)
        sqlite3_busy_timeout(m_db, milliseconds);
}

DatabaseError Database::lastEngineError() const
{
    if (m_server)
        return m_lastServerError;
    if (!m_db)
        return {};
    const int rc = sqlite3_errcode(m_db);
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return {};
    return errorOf(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
}

bool Database::Commit(DatabaseError *error)
{
    // A server answers the commit of a failed transaction with a rollback and
    // no error; the caller must not take it for a commit.
    if (m_server && m_server->transactionFailed()) {
        m_server->rollback();
        const DatabaseError e = serverError({1, QStringLiteral("the transaction failed and was rolled back"),
                                             QStringLiteral("25P02")});
        if (error)
            *error = e;
        return true;
    }
    return ExecSql(QStringLiteral("Commit"), error);
}

bool Database::InTransaction() const
{
    if (m_server) {
        if (m_server->transactionFailed())
            m_server->rollback();
        return m_server->inTransaction();
    }
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

void Database::setProgressHandler(std::function<bool()> keepGoing, int steps)
{
    m_keepGoing = std::move(keepGoing);
    if (!m_db)
        return;
    if (!m_keepGoing) {
        sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
        return;
    }
    sqlite3_progress_handler(
        m_db, steps,
        [](void *self) { return static_cast<Database *>(self)->m_keepGoing() ? 0 : 1; }, this);
}
