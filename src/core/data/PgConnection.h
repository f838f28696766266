#pragma once
// A connection to a PostgreSQL server through libpq, for shops whose stations
// share one address book and history. It answers in the same shapes as the
// SQLite connection (Database): rows as texts, errors with the server's
// message, a statement that failed reported as true.
//
// Values travel as bound text parameters ($1, $2, …), never spliced into the
// statement; a null QString binds SQL NULL, an empty one the empty text. A
// NULL reads back as an empty text, as from SQLite.

#include "core/data/DatabaseError.h"
#include "core/data/QueryResult.h"
#include "core/data/StoreRow.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

struct pg_conn;
struct pg_result;

// One statement with its values bound, run on the first step; its rows are
// then read one step at a time, as from a prepared SQLite statement.
class PgStatement : public StoreRow
{
public:
    PgStatement(pg_conn *conn, const QString &sql);
    ~PgStatement() override;
    PgStatement(const PgStatement &) = delete;
    PgStatement &operator=(const PgStatement &) = delete;

    // Parameter index is 1-based, as "$1" counts.
    void bindText(int index, QStringView text);
    void bindNull(int index);
    // Row, Done or Error (the codes of the SQLite steps).
    int step();
    // Ready to run again; the bound values stay.
    void reset();
    QString errorMessage() const { return m_error.message; }
    DatabaseError error() const { return m_error; }

    int columnCount() const override;
    QStringView columnText(int c) const override;
    bool columnIsNull(int c) const override;
    QString columnName(int c) const override;

    static constexpr int Row = 100;
    static constexpr int Done = 101;
    static constexpr int Error = 1;

private:
    void clearResult();

    pg_conn *m_conn;
    QByteArray m_sql;
    QStringList m_params;
    pg_result *m_result = nullptr;
    int m_row = -1;
    QVector<QString> m_texts; // the current row, converted once
    DatabaseError m_error;
};

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
    // Runs one statement and hands each row to onRow.
    DatabaseError forEachRow(const QString &sql, const QStringList &params,
                             const std::function<void(const StoreRow &)> &onRow);
    // A statement to run with values bound later ($1, $2, …).
    std::unique_ptr<PgStatement> prepare(const QString &sql);
    // Whether a transaction is open (or failed and not yet rolled back).
    bool inTransaction() const;
    // Whether a statement failed inside the open transaction: the server then
    // refuses everything until a rollback, and a commit only rolls back.
    bool transactionFailed() const;
    // Whether the connection is still usable (the server may have gone away).
    bool isHealthy() const;
    // isHealthy for a connection kept idle: a server that restarted or ended
    // the session meanwhile has said so on the socket, and nothing but a read
    // tells the client. Reads what arrived, without a round trip.
    bool stillConnected();

    // Runs an INSERT … RETURNING of one identifier and gives it; -1 on failure.
    qint64 insertReturningId(const QString &sql, const QStringList &params = {}, DatabaseError *error = nullptr);

    bool begin(DatabaseError *error = nullptr) { return exec(QStringLiteral("BEGIN"), {}, error); }
    bool commit(DatabaseError *error = nullptr) { return exec(QStringLiteral("COMMIT"), {}, error); }
    bool rollback(DatabaseError *error = nullptr) { return exec(QStringLiteral("ROLLBACK"), {}, error); }

    // Rows changed by the last statement run with exec.
    qint64 changedRows() const { return m_changedRows; }

    // The server's version number (150018 for 15.18); 0 when not connected.
    int serverVersion() const;

private:
    pg_conn *m_conn = nullptr;
    qint64 m_changedRows = 0;
};
