#include "core/data/ServerMigration.h"

#include "core/data/Database.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/PgConnection.h"
#include "core/data/PgSchema.h"
#include "core/data/StoreStatement.h"

#include <QFile>
#include <QSet>

namespace {

// The columns of a table's definition and which of them hold integers on the server.
struct ColumnSet {
    QStringList names;
    QSet<int> integers;
};

ColumnSet ColumnsOf(const TableDefinition &table)
{
    ColumnSet set;
    for (const QString &definition : table.columns) {
        const QString name = ColumnName(definition);
        if (name.isEmpty())
            continue;
        if (PgColumnIsInteger(definition))
            set.integers.insert(int(set.names.size()));
        set.names << name.toLower();
    }
    return set;
}

bool IsInteger(QStringView text)
{
    bool ok = false;
    (void)text.trimmed().toLongLong(&ok);
    return ok;
}

// The default senders a station makes with a new company table, untouched.
bool OnlyDefaultSenders(PgConnection &pg, DatabaseError *error)
{
    const QueryResult r = pg.query(QStringLiteral(
        "SELECT count(*) = 4 AND bool_and(namae1 = '会社名' || id AND namae2 IS NULL AND zipcode IS NULL) FROM company"));
    *error = r.error;
    return r.ok() && r.rows.value(0, 0) == QLatin1String("t");
}

// Inserts rows in statements of a few hundred: one round trip a row would
// make a large address book slow to move.
class BatchInsert
{
public:
    BatchInsert(PgConnection &pg, const QString &table, const QStringList &columns)
        : m_pg(pg), m_head(QStringLiteral("INSERT INTO ") + table + QLatin1Char('(') + columns.join(QLatin1Char(','))
                           + QStringLiteral(") VALUES ")),
          m_width(int(columns.size()))
    {
    }
    bool add(const QStringList &row, DatabaseError *error)
    {
        m_values += row;
        return ++m_rows < RowsPerStatement || flush(error);
    }
    bool flush(DatabaseError *error)
    {
        if (m_rows == 0)
            return true;
        QStringList tuples;
        for (int r = 0, p = 1; r < m_rows; ++r) {
            QStringList marks;
            for (int c = 0; c < m_width; ++c)
                marks << QLatin1Char('$') + QString::number(p++);
            tuples << QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
        }
        const bool failed = m_pg.exec(m_head + tuples.join(QLatin1Char(',')), m_values, error);
        m_values.clear();
        m_rows = 0;
        return !failed;
    }

private:
    static constexpr int RowsPerStatement = 200;
    PgConnection &m_pg;
    QString m_head;
    int m_width;
    QStringList m_values;
    int m_rows = 0;
};

// Copies one table; false with *error or *refusal set when it cannot.
bool CopyTable(Database &db, const QString &file, const TableDefinition &table, const ColumnSet &columns,
               PgConnection &pg, qint64 *copied, DatabaseError *error, QString *refusal)
{
    *error = db.OpenDatabase(file, Database::OpenMode::ExistingOnly);
    if (error->isError())
        return false;
    BatchInsert insert(pg, table.name, columns.names);
    qint64 rows = 0;
    bool failed = false;
    *error = db.ForEachRow(QStringLiteral("SELECT ") + columns.names.join(QLatin1Char(',')) + QStringLiteral(" FROM ")
                               + table.name + QStringLiteral(" ORDER BY rowid;"),
                           [&](const StoreRow &s) {
                               if (failed)
                                   return;
                               ++rows;
                               QStringList row;
                               for (int c = 0; c < columns.names.size(); ++c) {
                                   const QStringView text = s.columnText(c);
                                   // SQLite keeps what it was given; the server's integer
                                   // columns take a number or nothing.
                                   if (s.columnIsNull(c) || (columns.integers.contains(c) && text.trimmed().isEmpty())) {
                                       row << QString();
                                   } else if (columns.integers.contains(c) && !IsInteger(text)) {
                                       *refusal = QStringLiteral("%1 の %2 行目、列 %3 の値「%4」は数値ではありません。")
                                                      .arg(table.name)
                                                      .arg(rows)
                                                      .arg(columns.names.at(c), text.toString());
                                       failed = true;
                                       return;
                                   } else {
                                       row << (columns.integers.contains(c) ? text.trimmed().toString() : text.toString());
                                   }
                               }
                               if (!insert.add(row, error))
                                   failed = true;
                           });
    if (failed || error->isError() || !refusal->isEmpty() || !insert.flush(error))
        return false;
    *copied = rows;
    return true;
}

} // namespace

MigrationResult CopyLocalStoreToServer(Database &db, const QString &addressDb, const QString &membersDb,
                                       PgConnection &pg, ServerRows existing)
{
    MigrationResult result;
    result.error = CreatePgSchema(pg, false);
    if (result.error.isError())
        return result;
    if (pg.begin(&result.error))
        return result;
    auto stop = [&pg, &result] {
        pg.rollback();
        result.counts.clear();
        return result;
    };

    QVector<QPair<QString, TableDefinition>> tables;
    for (const TableDefinition &t : AddressTables())
        tables.append({addressDb, t});
    for (const TableDefinition &t : MembersTables())
        tables.append({membersDb, t});

    // The server must be empty: rows there would be doubled or mixed.
    for (const auto &[file, table] : tables) {
        const QueryResult r = pg.query(QStringLiteral("SELECT count(*) FROM ") + table.name);
        if (!r.ok()) {
            result.error = r.error;
            return stop();
        }
        if (r.rows.value(0, 0) == QLatin1String("0"))
            continue;
        if (existing == ServerRows::Replace) {
            if (pg.exec(QStringLiteral("DELETE FROM ") + table.name, {}, &result.error))
                return stop();
            continue;
        }
        if (table.name == CompanyTable().name && OnlyDefaultSenders(pg, &result.error)) {
            if (pg.exec(QStringLiteral("DELETE FROM company"), {}, &result.error))
                return stop();
            continue;
        }
        if (result.error.isError())
            return stop();
        result.refusal = QStringLiteral("サーバーの %1 にはすでにデータがあります。移行は空のデータベースにだけ行えます。")
                             .arg(table.name);
        return stop();
    }

    for (const auto &[file, table] : tables) {
        MigrationCount count{table.name, 0};
        const ColumnSet columns = ColumnsOf(table);
        if (!CopyTable(db, file, table, columns, pg, &count.rows, &result.error, &result.refusal))
            return stop();
        // The count on the server must be what was read: nothing lost on the way.
        const QueryResult r = pg.query(QStringLiteral("SELECT count(*) FROM ") + table.name);
        if (!r.ok() || r.rows.value(0, 0).toLongLong() != count.rows) {
            result.error = r.ok() ? DatabaseError{-1, QStringLiteral("%1: %2 rows read, %3 on the server")
                                                          .arg(table.name)
                                                          .arg(count.rows)
                                                          .arg(r.rows.value(0, 0))}
                                  : r.error;
            return stop();
        }
        result.counts.append(count);
        // New rows made by the server continue after the identifiers copied.
        if (columns.names.value(0) == QLatin1String("id")
            && pg.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1','id'), "
                                      "COALESCE((SELECT max(id) FROM %1), 0) + 1, false)")
                           .arg(table.name),
                       {}, &result.error))
            return stop();
    }
    if (pg.commit(&result.error))
        return stop();
    return result;
}

namespace {

// Copies one table of the server into the open SQLite file.
DatabaseError copyTableToFile(PgConnection &pg, Database &db, const TableDefinition &table)
{
    const ColumnSet columns = ColumnsOf(table);
    DatabaseError error;
    // The file's own new rows (its default senders) make way for the server's.
    if (db.ExecSql(QStringLiteral("DELETE FROM ") + table.name, &error))
        return error;
    QStringList marks;
    for (int i = 0; i < columns.names.size(); ++i)
        marks << QStringLiteral("?");
    StoreStatement insert = db.Prepare(QStringLiteral("INSERT INTO ") + table.name + QLatin1Char('(')
                                           + columns.names.join(QLatin1Char(',')) + QStringLiteral(") VALUES(")
                                           + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
                                       &error);
    if (error.isError())
        return error;
    qint64 rows = 0;
    DatabaseError insertError;
    error = pg.forEachRow(QStringLiteral("SELECT ") + columns.names.join(QLatin1Char(',')) + QStringLiteral(" FROM ")
                              + table.name + QStringLiteral(" ORDER BY 1"),
                          {}, [&](const StoreRow &row) {
                              if (insertError.isError())
                                  return;
                              for (int c = 0; c < columns.names.size(); ++c) {
                                  if (row.columnIsNull(c))
                                      insert.bindNull(c + 1);
                                  else
                                      insert.bindText(c + 1, row.columnText(c));
                              }
                              if (insert.step() != StoreStatement::Done)
                                  insertError = {1, table.name + QStringLiteral(": ") + insert.errorMessage()};
                              insert.reset();
                              ++rows;
                          });
    if (error.isError())
        return error;
    if (insertError.isError())
        return insertError;
    const QueryResult count = db.QueryRows(QStringLiteral("SELECT count(*) FROM ") + table.name);
    if (!count.ok())
        return count.error;
    if (count.rows.value(0, 0).toLongLong() != rows)
        return {1, QStringLiteral("%1: %2 rows on the server, %3 written").arg(table.name).arg(rows).arg(count.rows.value(0, 0))};
    return {};
}

} // namespace

DatabaseError CopyServerStoreToFiles(PgConnection &pg, Database &db, const QString &addressFile,
                                     const QString &membersFile)
{
    const struct {
        const QString &file;
        DatabaseError (*create)(Database &, const QString &);
        QVector<TableDefinition> tables;
    } files[] = {{addressFile, &CreateAddressDatabase, AddressTables()},
                 {membersFile, &CreateMembersDatabase, MembersTables()}};
    DatabaseError error;
    // The server's rows are read in one snapshot, so the two files agree.
    if (pg.exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"), {}, &error))
        return error;
    for (const auto &f : files) {
        error = f.create(db, f.file);
        if (!error.isError())
            error = db.OpenDatabase(f.file);
        if (!error.isError() && !db.BeginTransaction(&error)) {
            for (const TableDefinition &table : f.tables) {
                error = copyTableToFile(pg, db, table);
                if (error.isError())
                    break;
            }
            if (error.isError() || db.Commit(&error))
                db.Rollback();
        }
        if (error.isError())
            break;
    }
    pg.rollback();
    db.CloseDatabase();
    if (error.isError()) {
        QFile::remove(addressFile);
        QFile::remove(membersFile);
    }
    return error;
}
