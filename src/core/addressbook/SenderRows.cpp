#include "core/addressbook/SenderRows.h"

#include "core/data/Database.h"

QVector<SenderRow> ReadSenders(Database &db, const QString &addressDb)
{
    QVector<SenderRow> rows;
    if (db.OpenDatabase(addressDb).isError())
        return rows;
    const QueryResult result = db.QueryRows(QStringLiteral("SELECT * FROM company ORDER BY ID;"));
    for (const QStringList &row : result.rows.rows())
        rows.append({row.value(0), row.value(1)});
    return rows;
}
