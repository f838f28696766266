#pragma once
// A connection to a PostgreSQL server through libpq, for shops whose stations
// share one address book and history. It answers in the same shapes as the
// SQLite connection (Database): rows as texts, errors with the server's
// message, a statement that failed reported as true.
//
// Values travel as bound text parameters ($1, $2, …), never spliced into the
// statement; a null QString binds SQL NULL, an empty one the empty text. A
// NULL reads back as an empty text, as from SQLite.

#include "core/data/Database.h"

#include <QString>
#include <QStringList>

struct pg_conn;

class PgConnection
{
public:
    PgConnection() = default;
    ~PgConnection();
    PgConnection(const PgConnection &) = delete;
    PgConnection &operator=(const PgConnection &) = delete;

    // Connects with a libpq connection string or URI ("postgresql://host/db").
    // An empty one takes libpq's defaults: PGHOST, PGPORT, PGUSER, PGDATABASE,
    // PGPASSWORD and ~/.pgpass apply as usual. The client speaks UTF-8.
    DatabaseError open(const QString &connection);
    void close();
    bool isOpen() const { return m_conn != nullptr; }

    // Runs one statement and reads every row it returns.
    QueryResult query(const QString &sql, const QStringList &params = {});
    // Runs one statement; returns true when it failed (the error goes to *error).
    bool exec(const QString &sql, const QStringList &params = {}, DatabaseError *error = nullptr);
    // Runs an INSERT … RETURNING of one identifier and gives it; -1 on failure.
    qint64 insertReturningId(const QString &sql, const QStringList &params = {}, DatabaseError *error = nullptr);

    bool begin(DatabaseError *error = nullptr) { return exec(QStringLiteral("BEGIN"), {}, error); }
    bool commit(DatabaseError *error = nullptr) { return exec(QStringLiteral("COMMIT"), {}, error); }
    bool rollback(DatabaseError *error = nullptr) { return exec(QStringLiteral("ROLLBACK"), {}, error); }

    // The server's version number (150018 for 15.18); 0 when not connected.
    int serverVersion() const;

private:
    pg_conn *m_conn = nullptr;
};
