#pragma once
// One prepared statement of the engine, finalised when it goes out of scope so
// that no error path can leave a statement holding a lock on the file.

#include "core/data/StoreRow.h"

#include <QString>
#include <QStringView>

struct sqlite3;
struct sqlite3_stmt;

class SqliteStatement : public StoreRow
{
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3_stmt *statement) : m_statement(statement) {}
    ~SqliteStatement() override;
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // True when a statement was prepared.
    bool isValid() const { return m_statement != nullptr; }
    sqlite3_stmt *handle() const { return m_statement; }

    // Binds a text to parameter index (1-based); returns the engine's result code.
    int bindText(int index, QStringView text);
    // Binds SQL NULL to parameter index.
    int bindNull(int index);
    // One step: SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Makes the statement ready to run again with new bindings.
    void reset();

    // Number of result columns.
    int columnCount() const override;
    // Column c (0-based) of the current row as text, without copying; NULL gives
    // an empty view. Valid until the next step or reset.
    QStringView columnText(int c) const override;
    // True when column c of the current row is NULL.
    bool columnIsNull(int c) const override;
    // The declared type of result column c ("date", "varchar(20)", ...), empty
    // for an expression.
    QString columnDeclaredType(int c) const;
    // The name (or alias) of result column c.
    QString columnName(int c) const override;

    // The engine's message for the last failure of the statement's connection.
    QString errorMessage() const;

    // Finalises the statement now.
    void finalize();

private:
    sqlite3_stmt *m_statement = nullptr;
};
