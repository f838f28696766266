#include "core/data/PgConnection.h"

#include "core/data/LibPq.h"

#include <QByteArray>
#include <vector>

namespace {

// Only reached through a connection, which exists only once the library loaded.
const LibPq &Pq()
{
    return *LoadLibPq();
}

// libpq's messages end with a line break; the notices show them as they are otherwise.
QString ServerMessage(const char *message)
{
    return QString::fromUtf8(message).trimmed();
}

// Runs sql with params as text; the result is the caller's to clear.
PGresult *Run(pg_conn *conn, const QByteArray &statement, const QStringList &params)
{
    std::vector<QByteArray> values;
    values.reserve(params.size());
    std::vector<const char *> pointers;
    pointers.reserve(params.size());
    for (const QString &p : params) {
        values.push_back(p.toUtf8());
        pointers.push_back(p.isNull() ? nullptr : values.back().constData());
    }
    return Pq().execParams(conn, statement.constData(), int(params.size()), nullptr,
                        pointers.empty() ? nullptr : pointers.data(), nullptr, nullptr, 0);
}

// The result's error, or none when the statement ran.
DatabaseError ResultError(pg_conn *conn, const PGresult *result)
{
    const ExecStatusType status = result ? Pq().resultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return {};
    DatabaseError error;
    error.code = int(status) == 0 ? -1 : int(status);
    error.message = ServerMessage(result ? Pq().resultErrorMessage(result) : Pq().errorMessage(conn));
    const char *state = result ? Pq().resultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    // No state means the connection itself failed (the server went away).
    error.sqlState = state ? QString::fromLatin1(state) : QStringLiteral("08006");
    if (error.message.isEmpty())
        error.message = QStringLiteral("PostgreSQL: statement failed");
    return error;
}

DatabaseError NotConnected()
{
    return {-1, QStringLiteral("PostgreSQL: not connected"), QStringLiteral("08003")};
}

} // namespace

PgConnection::~PgConnection()
{
    close();
}

DatabaseError PgConnection::open(const QString &connection)
{
    close();
    QString why;
    if (!LoadLibPq(&why))
        return {-1, why, QString::fromLatin1(DatabaseError::ClientLibraryMissing)};
    const QByteArray info = connection.toUtf8();
    // A server that does not answer (a station off the network) is given up
    // after a while instead of the system's minutes; a timeout in the URI or
    // in PGCONNECT_TIMEOUT wins, being read after this one.
    const char *keywords[] = {"connect_timeout", "dbname", nullptr};
    const char *values[] = {qEnvironmentVariableIsSet("PGCONNECT_TIMEOUT") ? nullptr : "8",
                            info.isEmpty() ? nullptr : info.constData(), nullptr};
    pg_conn *conn = Pq().connectdbParams(keywords, values, 1);
    if (!conn)
        return {-1, QStringLiteral("PostgreSQL: out of memory"), QStringLiteral("53200")};
    if (Pq().status(conn) != CONNECTION_OK) {
        const DatabaseError error{-1, ServerMessage(Pq().errorMessage(conn)), QStringLiteral("08001")};
        Pq().finish(conn);
        return error;
    }
    if (Pq().setClientEncoding(conn, "UTF8") != 0) {
        const DatabaseError error{-1, ServerMessage(Pq().errorMessage(conn)), QStringLiteral("22021")};
        Pq().finish(conn);
        return error;
    }
    // The server's notices ("relation … already exists, skipping") are for a
    // console, not for a clerk: statements report their own errors.
    Pq().setNoticeProcessor(conn, [](void *, const char *) {}, nullptr);
    m_conn = conn;
    // The address book's tables live in the default schema, the history's in
    // "members", as they live in two files locally; both answer unqualified
    // and "members.memberitem" answers as it does with the file attached.
    DatabaseError error;
    if (exec(QStringLiteral("SET search_path TO public, members"), {}, &error)) {
        close();
        return error;
    }
    return {};
}

void PgConnection::close()
{
    if (m_conn)
        Pq().finish(m_conn);
    m_conn = nullptr;
}

QueryResult PgConnection::query(const QString &sql, const QStringList &params)
{
    QueryResult out;
    out.error = forEachRow(sql, params, [&out](const StoreRow &row) {
        QStringList values;
        values.reserve(row.columnCount());
        for (int c = 0; c < row.columnCount(); ++c)
            values << row.columnText(c).toString();
        out.rows.append(values);
    });
    if (!out.ok())
        out.rows.clear();
    return out;
}

bool PgConnection::exec(const QString &sql, const QStringList &params, DatabaseError *error)
{
    if (!m_conn) {
        if (error)
            *error = NotConnected();
        return true;
    }
    PGresult *result = Run(m_conn, sql.toUtf8(), params);
    const DatabaseError e = ResultError(m_conn, result);
    m_changedRows = e.isError() ? 0 : QByteArray(Pq().cmdTuples(result)).toLongLong();
    Pq().clear(result);
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

DatabaseError PgConnection::forEachRow(const QString &sql, const QStringList &params,
                                       const std::function<void(const StoreRow &)> &onRow)
{
    if (!m_conn)
        return NotConnected();
    PgStatement statement(m_conn, sql);
    for (int i = 0; i < params.size(); ++i) {
        if (params.at(i).isNull())
            statement.bindNull(i + 1);
        else
            statement.bindText(i + 1, params.at(i));
    }
    int rc;
    while ((rc = statement.step()) == PgStatement::Row)
        onRow(statement);
    return rc == PgStatement::Done ? DatabaseError() : statement.error();
}

std::unique_ptr<PgStatement> PgConnection::prepare(const QString &sql)
{
    return std::make_unique<PgStatement>(m_conn, sql);
}

bool PgConnection::inTransaction() const
{
    return m_conn && Pq().transactionStatus(m_conn) != PQTRANS_IDLE;
}

bool PgConnection::transactionFailed() const
{
    return m_conn && Pq().transactionStatus(m_conn) == PQTRANS_INERROR;
}

bool PgConnection::isHealthy() const
{
    return m_conn && Pq().status(m_conn) == CONNECTION_OK;
}

bool PgConnection::stillConnected()
{
    if (!isHealthy())
        return false;
    // The first read may take only the server's farewell (57P01, "terminating
    // connection"); the second then meets the end of the stream. A connection
    // with nothing to read answers both at once.
    for (int read = 0; read < 2; ++read)
        if (!Pq().consumeInput(m_conn) || Pq().status(m_conn) != CONNECTION_OK)
            return false;
    return true;
}

PgStatement::PgStatement(pg_conn *conn, const QString &sql) : m_conn(conn), m_sql(sql.toUtf8()) {}

PgStatement::~PgStatement()
{
    clearResult();
}

void PgStatement::clearResult()
{
    if (m_result)
        Pq().clear(m_result);
    m_result = nullptr;
    m_row = -1;
    m_texts.clear();
}

void PgStatement::bindText(int index, QStringView text)
{
    if (index < 1)
        return;
    while (m_params.size() < index)
        m_params << QString();
    // An empty text is a value, not NULL: keep it distinguishable.
    QString value = text.toString();
    if (value.isNull())
        value = QStringLiteral("");
    m_params[index - 1] = value;
}

void PgStatement::bindNull(int index)
{
    if (index < 1)
        return;
    while (m_params.size() < index)
        m_params << QString();
    m_params[index - 1] = QString();
}

int PgStatement::step()
{
    if (!m_conn) {
        m_error = NotConnected();
        return Error;
    }
    if (!m_result) {
        m_result = Run(m_conn, m_sql, m_params);
        m_error = ResultError(m_conn, m_result);
        if (m_error.isError()) {
            Pq().clear(m_result);
            m_result = nullptr;
            return Error;
        }
        m_row = -1;
    }
    if (Pq().resultStatus(m_result) != PGRES_TUPLES_OK)
        return Done;
    if (m_row + 1 >= Pq().ntuples(m_result))
        return Done;
    ++m_row;
    const int columns = Pq().nfields(m_result);
    m_texts.resize(columns);
    for (int c = 0; c < columns; ++c)
        m_texts[c] = Pq().getisnull(m_result, m_row, c)
                         ? QString()
                         : QString::fromUtf8(Pq().getvalue(m_result, m_row, c), Pq().getlength(m_result, m_row, c));
    return Row;
}

void PgStatement::reset()
{
    clearResult();
}

int PgStatement::columnCount() const
{
    return m_result ? Pq().nfields(m_result) : 0;
}

QStringView PgStatement::columnText(int c) const
{
    return c >= 0 && c < m_texts.size() ? QStringView(m_texts.at(c)) : QStringView();
}

bool PgStatement::columnIsNull(int c) const
{
    return !m_result || m_row < 0 || Pq().getisnull(m_result, m_row, c);
}

QString PgStatement::columnName(int c) const
{
    return m_result ? QString::fromUtf8(Pq().fname(m_result, c)) : QString();
}

int PgConnection::serverVersion() const
{
    return m_conn ? Pq().serverVersion(m_conn) : 0;
}
