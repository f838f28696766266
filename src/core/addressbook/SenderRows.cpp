#include "core/addressbook/SenderRows.h"

#include "core/data/Database.h"
#include "core/data/DatabaseError.h"

QVector<SenderRow> ReadSenders(Database &db, const QString &addressDb, DatabaseError *error)
{
    QVector<SenderRow> rows;
    if (const DatabaseError opened = db.OpenDatabase(addressDb); opened.isError()) {
        if (error)
            *error = opened;
        return rows;
    }
    const QueryResult result = db.QueryRows(QStringLiteral("SELECT * FROM company ORDER BY ID;"));
    if (error)
        *error = result.error;
    for (const QStringList &row : result.rows.rows())
        rows.append({row.value(0), row.value(1)});
    return rows;
}
