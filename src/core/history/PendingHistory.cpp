#include "core/history/PendingHistory.h"

#include "core/data/Database.h"
#include "core/data/PgSchema.h"
#include "core/data/SqlLiteral.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QUuid>

namespace {

struct PendingRow {
    QString id;
    QString store;
    QString sql;
};

// Other editions of the station flush and keep rows too; a flush may wait
// for a server's connect timeout while it holds the lock.
constexpr int LockWaitMs = 30000;

QVector<PendingRow> readRows(const QString &path)
{
    QVector<PendingRow> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        PendingRow row{o.value(QStringLiteral("id")).toString(), o.value(QStringLiteral("store")).toString(),
                       o.value(QStringLiteral("sql")).toString()};
        if (!row.id.isEmpty() && !row.sql.isEmpty())
            rows.append(row);
    }
    return rows;
}

bool writeRows(const QString &path, const QVector<PendingRow> &rows, QString *error)
{
    if (rows.isEmpty()) {
        if (!QFile::exists(path) || QFile::remove(path))
            return true;
        if (error)
            *error = QStringLiteral("cannot remove %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        for (const PendingRow &row : rows) {
            const QJsonObject o{{QStringLiteral("id"), row.id},
                                {QStringLiteral("store"), row.store},
                                {QStringLiteral("sql"), row.sql}};
            file.write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
        }
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString() + QStringLiteral(": ") + path;
    return false;
}

QString receiptTable(const Database &db)
{
    return db.isServer() ? PgMembersSchema() + QStringLiteral(".historyreceipt") : QStringLiteral("historyreceipt");
}

} // namespace

HistoryRowToWrite NewHistoryRow(const QString &insertSql)
{
    return {QUuid::createUuid().toString(QUuid::WithoutBraces), insertSql};
}

DatabaseError WriteHistoryRowsOnce(Database &db, const QVector<HistoryRowToWrite> &rows, int *written)
{
    if (written)
        *written = 0;
    if (rows.isEmpty())
        return {};
    DatabaseError error;
    // The server's table is made with its schema (PgSchema); a file gets it
    // the first time it is needed.
    if (!db.isServer() && db.ExecSql(QStringLiteral("CREATE TABLE IF NOT EXISTS historyreceipt(id varchar(40) PRIMARY KEY)"),
                                     &error))
        return error;
    if (db.BeginTransaction(&error))
        return error;
    const QString table = receiptTable(db);
    int done = 0;
    for (const HistoryRowToWrite &row : rows) {
        if (db.ExecSql(QStringLiteral("INSERT INTO ") + table + QStringLiteral("(id) VALUES(") + SqlQuote(row.id)
                           + QStringLiteral(") ON CONFLICT DO NOTHING"),
                       &error))
            break;
        if (db.ChangedRows() == 0)
            continue; // its receipt is there: written before
        if (db.ExecSql(row.sql, &error))
            break;
        ++done;
    }
    if (!error.isError())
        db.Commit(&error);
    if (error.isError()) {
        if (db.InTransaction())
            db.Rollback();
        return error;
    }
    if (written)
        *written = done;
    return {};
}

PendingHistory::PendingHistory(const QString &dataDir)
    : m_path(dataDir + QStringLiteral("/pendinghistory.jsonl"))
{
}

bool PendingHistory::keep(const QString &store, const QVector<HistoryRowToWrite> &rows, QString *error)
{
    if (rows.isEmpty())
        return true;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        if (error)
            *error = QStringLiteral("cannot lock %1").arg(m_path);
        return false;
    }
    QVector<PendingRow> all = readRows(m_path);
    for (const HistoryRowToWrite &row : rows)
        all.append({row.id, store, row.sql});
    return writeRows(m_path, all, error);
}

int PendingHistory::count() const
{
    return int(readRows(m_path).size());
}

PendingHistory::Flushed PendingHistory::flush(Database &db, const QString &store)
{
    Flushed out;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        out.waiting = count();
        out.error = {-1, QStringLiteral("cannot lock %1").arg(m_path), QString()};
        return out;
    }
    const QVector<PendingRow> all = readRows(m_path);
    out.waiting = int(all.size());
    QVector<HistoryRowToWrite> mine;
    QVector<PendingRow> others;
    for (const PendingRow &row : all) {
        if (row.store == store)
            mine.append({row.id, row.sql});
        else
            others.append(row);
    }
    if (mine.isEmpty())
        return out;
    out.error = db.OpenDatabase(store);
    if (!out.error.isError())
        out.error = WriteHistoryRowsOnce(db, mine, &out.written);
    if (out.error.isError())
        return out;
    // Should the rewrite fail, the rows stay in the file; their receipts keep
    // the next flush from writing them again.
    if (writeRows(m_path, others, nullptr))
        out.waiting = int(others.size());
    return out;
}
