#include "core/data/PgConnection.h"

#include <libpq-fe.h>

#include <QByteArray>
#include <vector>

namespace {

// libpq's messages end with a line break; the notices show them as they are otherwise.
QString ServerMessage(const char *message)
{
    return QString::fromUtf8(message).trimmed();
}

// Runs sql with params as text; the result is the caller's to clear.
PGresult *Run(pg_conn *conn, const QString &sql, const QStringList &params)
{
    const QByteArray statement = sql.toUtf8();
    std::vector<QByteArray> values;
    values.reserve(params.size());
    std::vector<const char *> pointers;
    pointers.reserve(params.size());
    for (const QString &p : params) {
        values.push_back(p.toUtf8());
        pointers.push_back(p.isNull() ? nullptr : values.back().constData());
    }
    return PQexecParams(conn, statement.constData(), int(params.size()), nullptr,
                        pointers.empty() ? nullptr : pointers.data(), nullptr, nullptr, 0);
}

// The result's error, or none when the statement ran.
DatabaseError ResultError(pg_conn *conn, const PGresult *result)
{
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return {};
    DatabaseError error;
    error.code = int(status) == 0 ? -1 : int(status);
    error.message = ServerMessage(result ? PQresultErrorMessage(result) : PQerrorMessage(conn));
    if (error.message.isEmpty())
        error.message = QStringLiteral("PostgreSQL: statement failed");
    return error;
}

DatabaseError NotConnected()
{
    return {-1, QStringLiteral("PostgreSQL: not connected")};
}

} // namespace

PgConnection::~PgConnection()
{
    close();
}

DatabaseError PgConnection::open(const QString &connection)
{
    close();
    const QByteArray info = connection.toUtf8();
    pg_conn *conn = PQconnectdb(info.constData());
    if (!conn)
        return {-1, QStringLiteral("PostgreSQL: out of memory")};
    if (PQstatus(conn) != CONNECTION_OK) {
        const DatabaseError error{-1, ServerMessage(PQerrorMessage(conn))};
        PQfinish(conn);
        return error;
    }
    if (PQsetClientEncoding(conn, "UTF8") != 0) {
        const DatabaseError error{-1, ServerMessage(PQerrorMessage(conn))};
        PQfinish(conn);
        return error;
    }
    // The server's notices ("relation … already exists, skipping") are for a
    // console, not for a clerk: statements report their own errors.
    PQsetNoticeProcessor(conn, [](void *, const char *) {}, nullptr);
    m_conn = conn;
    return {};
}

void PgConnection::close()
{
    if (m_conn)
        PQfinish(m_conn);
    m_conn = nullptr;
}

QueryResult PgConnection::query(const QString &sql, const QStringList &params)
{
    QueryResult out;
    if (!m_conn) {
        out.error = NotConnected();
        return out;
    }
    PGresult *result = Run(m_conn, sql, params);
    out.error = ResultError(m_conn, result);
    if (!out.error.isError()) {
        const int rows = PQntuples(result);
        const int columns = PQnfields(result);
        for (int r = 0; r < rows; ++r) {
            QStringList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row << QString::fromUtf8(PQgetvalue(result, r, c), PQgetlength(result, r, c));
            out.rows.append(row);
        }
    }
    PQclear(result);
    return out;
}

bool PgConnection::exec(const QString &sql, const QStringList &params, DatabaseError *error)
{
    if (!m_conn) {
        if (error)
            *error = NotConnected();
        return true;
    }
    PGresult *result = Run(m_conn, sql, params);
    const DatabaseError e = ResultError(m_conn, result);
    PQclear(result);
    if (error)
        *error = e;
    return e.isError();
}

qint64 PgConnection::insertReturningId(const QString &sql, const QStringList &params, DatabaseError *error)
{
    const QueryResult result = query(sql, params);
    if (error)
        *error = result.error;
    bool ok = false;
    const qint64 id = result.rows.value(0, 0).toLongLong(&ok);
    if (!result.ok() || !ok) {
        if (error && !error->isError())
            *error = {-1, QStringLiteral("PostgreSQL: the statement gave no identifier")};
        return -1;
    }
    return id;
}

int PgConnection::serverVersion() const
{
    return m_conn ? PQserverVersion(m_conn) : 0;
}
