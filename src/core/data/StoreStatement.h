#pragma once
// A statement prepared once and run again and again with new values (bulk
// inserts, lookups per row), on whichever engine holds the data. Values are
// bound by position ("?"), never spliced into the text.

#include "core/data/SqliteStatement.h"
#include "core/data/StoreRow.h"

#include <QString>
#include <QStringView>
#include <memory>

class PgStatement;

class StoreStatement
{
public:
    static constexpr int Row = 100;  // step() found a row
    static constexpr int Done = 101; // step() ran the statement to its end

    StoreStatement();
    explicit StoreStatement(SqliteStatement statement);
    explicit StoreStatement(std::unique_ptr<PgStatement> statement);
    ~StoreStatement();
    StoreStatement(StoreStatement &&other) noexcept;
    StoreStatement &operator=(StoreStatement &&other) noexcept;

    bool isValid() const;

    // Parameter index is 1-based.
    void bindText(int index, QStringView text);
    void bindNull(int index);
    // Row, Done or the engine's error code.
    int step();
    // Ready to run again with new values.
    void reset();
    // Lets go of the statement now (a local one holds a lock on its file).
    void finalize();
    // Why the last step failed.
    QString errorMessage() const;

    // The current row after a step that gave Row.
    const StoreRow &row() const;
    QStringView columnText(int c) const { return row().columnText(c); }
    int columnCount() const { return row().columnCount(); }

private:
    SqliteStatement m_sqlite;
    std::unique_ptr<PgStatement> m_server;
};
