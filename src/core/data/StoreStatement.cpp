#include "core/data/StoreStatement.h"

#include "core/data/PgConnection.h"

#include <sqlite3.h>

static_assert(StoreStatement::Row == SQLITE_ROW && StoreStatement::Done == SQLITE_DONE);
static_assert(PgStatement::Row == SQLITE_ROW && PgStatement::Done == SQLITE_DONE);

StoreStatement::StoreStatement() = default;
StoreStatement::StoreStatement(SqliteStatement statement) : m_sqlite(std::move(statement)) {}
StoreStatement::StoreStatement(std::unique_ptr<PgStatement> statement) : m_server(std::move(statement)) {}
StoreStatement::~StoreStatement() = default;
StoreStatement::StoreStatement(StoreStatement &&other) noexcept = default;
StoreStatement &StoreStatement::operator=(StoreStatement &&other) noexcept = default;

bool StoreStatement::isValid() const
{
    return m_server != nullptr || m_sqlite.isValid();
}

void StoreStatement::bindText(int index, QStringView text)
{
    if (m_server)
        m_server->bindText(index, text);
    else
        m_sqlite.bindText(index, text);
}

void StoreStatement::bindNull(int index)
{
    if (m_server)
        m_server->bindNull(index);
    else
        m_sqlite.bindNull(index);
}

int StoreStatement::step()
{
    if (m_server)
        return m_server->step();
    return m_sqlite.isValid() ? m_sqlite.step() : SQLITE_MISUSE;
}

void StoreStatement::reset()
{
    if (m_server)
        m_server->reset();
    else
        m_sqlite.reset();
}

void StoreStatement::finalize()
{
    m_server.reset();
    m_sqlite.finalize();
}

QString StoreStatement::errorMessage() const
{
    return m_server ? m_server->errorMessage() : m_sqlite.errorMessage();
}

const StoreRow &StoreStatement::row() const
{
    if (m_server)
        return *m_server;
    return m_sqlite;
}
