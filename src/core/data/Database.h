#pragma once
// The program's one database connection. A caller names the store it needs
// with OpenDatabase (a file's path, or a server's connection URI, see
// StoreLocation) and then runs its statements one at a time: queries come
// back as rows, other statements as a failure flag. Errors never crash: they
// come back as a DatabaseError with the engine's message.
//
// The same calls work on both engines: SQLite files, and PostgreSQL for a
// shop whose stations share one address book (PgDialect says what differs).

#include "core/data/DatabaseError.h"
#include "core/data/QueryResult.h"
#include "core/data/RowList.h"
#include "core/data/StoreRow.h"
#include "core/data/StoreStatement.h"

#include <QString>
#include <functional>
#include <memory>

struct sqlite3;
class PgConnection;

class Database
{
public:
    enum class OpenMode {
        CreateIfMissing, // a missing file becomes an empty UTF-16 database
        ExistingOnly     // a missing file is an error and is not created
    };

    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Points the connection at the database file path (closing the previous
    // one) and opens it. A new file becomes a UTF-16 database with 4096-byte
    // pages. On failure the connection stays closed and the error is returned.
    DatabaseError OpenDatabase(const QString &path, OpenMode mode = OpenMode::CreateIfMissing);
    // Closes the connection, e.g. before the database files are replaced.
    void CloseDatabase();
    // The file named by the last OpenDatabase.
    QString databasePath() const { return m_path; }
    bool isOpen() const { return m_db != nullptr || m_server != nullptr; }
    // True when the store named is a server rather than a file.
    bool isServer() const;
    // The server connection while one is open (for work only a server does).
    PgConnection *server() const { return m_server.get(); }

    // Runs one query and returns its rows: every column as text, dates as
    // yyyy/MM/dd, integers as digits, NULL as empty text.
    QueryResult QueryRows(const QString &sql);
    // Runs one statement; returns true when it failed (the error goes to *error).
    bool ExecSql(const QString &sql, DatabaseError *error = nullptr);

    // Runs one query and hands each row to onRow as it is read, without
    // collecting the rows; for large results that go straight into a buffer.
    DatabaseError ForEachRow(const QString &sql, const std::function<void(const StoreRow &)> &onRow);
    // Prepares one statement for repeated use with bound values (bulk inserts).
    StoreStatement Prepare(const QString &sql, DatabaseError *error);

    // Joins the members file to this connection as "members", so that one
    // transaction covers both files. On a server both live in one database
    // and "members.<table>" answers already: nothing is to be done.
    DatabaseError AttachMembers(const QString &membersLocation);
    void DetachMembers();

    // How many rows the last INSERT, UPDATE or DELETE on this connection changed.
    qint64 ChangedRows() const;
    // The identifier of the last row this connection inserted; 0 when none.
    qint64 LastInsertId() const;

    // Plain-SQL transactions; each returns true when it failed.
    bool BeginTransaction(DatabaseError *error = nullptr) { return ExecSql(QStringLiteral("Begin Transaction"), error); }
    bool Commit(DatabaseError *error = nullptr);
    bool Rollback(DatabaseError *error = nullptr) { return ExecSql(QStringLiteral("Rollback"), error); }
    // Whether a transaction is open: a failed statement may have made the
    // database roll the whole transaction back by itself. (A server keeps a
    // failed transaction open but lets nothing of it be committed: it is
    // rolled back here, so that both engines answer alike.)
    bool InTransaction() const;

    // How long a statement waits for another program's lock before it fails.
    void setBusyTimeout(int milliseconds);
    // The page cache of connections opened from now on, as PRAGMA cache_size
    // takes it (pages; KiB when negative). The default of 10000 pages suits the
    // program, which reads the same tables again and again; a command that reads
    // a table once only pays for it in fresh memory.
    void setCacheSize(int cacheSize) { m_cacheSize = cacheSize; }
    // The engine's result code and message of the last failure on this connection.
    DatabaseError lastEngineError() const;

    // While set, keepGoing is asked every so many steps of a statement on the
    // connection open now; false interrupts the statement (it fails as
    // interrupted). An empty function takes it away.
    void setProgressHandler(std::function<bool()> keepGoing, int steps = 100000);

private:
    DatabaseError ensureOpen();
    DatabaseError openServer();
    DatabaseError serverError(const DatabaseError &e) const;
    DatabaseError applyConnectionSettings();
    SqliteStatement prepareOne(const QString &sql, DatabaseError *error);

    sqlite3 *m_db = nullptr;
    std::unique_ptr<PgConnection> m_server;
    mutable DatabaseError m_lastServerError;
    std::function<bool()> m_keepGoing;
    QString m_path;
    OpenMode m_mode = OpenMode::CreateIfMissing; // kept for the reopen of later statements
    int m_busyTimeoutMs = 3000;
    int m_cacheSize = 10000;
};
