#include "core/data/SqliteStatement.h"

#include <sqlite3.h>

#include <utility>

SqliteStatement::~SqliteStatement()
{
    finalize();
}

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr))
{
}

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    if (this != &other) {
        finalize();
        m_statement = std::exchange(other.m_statement, nullptr);
    }
    return *this;
}

int SqliteStatement::bindText(int index, QStringView text)
{
    // SQLITE_TRANSIENT: the engine copies, so the caller's text may go away.
    return sqlite3_bind_text16(m_statement, index, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
}

int SqliteStatement::bindNull(int index)
{
    return sqlite3_bind_null(m_statement, index);
}

QString SqliteStatement::errorMessage() const
{
    return m_statement ? QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement))) : QString();
}

int SqliteStatement::step()
{
    return sqlite3_step(m_statement);
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QStringView SqliteStatement::columnText(int c) const
{
    const void *text = sqlite3_column_text16(m_statement, c);
    if (!text)
        return {};
    const int bytes = sqlite3_column_bytes16(m_statement, c);
    return QStringView(static_cast<const char16_t *>(text), bytes / 2);
}

bool SqliteStatement::columnIsNull(int c) const
{
    return sqlite3_column_type(m_statement, c) == SQLITE_NULL;
}

QString SqliteStatement::columnDeclaredType(int c) const
{
    return QString::fromUtf8(sqlite3_column_decltype(m_statement, c));
}

QString SqliteStatement::columnName(int c) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, c));
}

void SqliteStatement::finalize()
{
    if (m_statement) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}
