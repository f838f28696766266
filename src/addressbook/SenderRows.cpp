#include "addressbook/SenderRows.h"

#include "data/TDataModule1.h"

QVector<SenderRow> ReadSenders(TDataModule1 &db, const QString &addressDb)
{
    QVector<SenderRow> rows;
    if (db.OpenDatabase(addressDb).isError())
        return rows;
    const QueryResult result = db.QueryRows(QStringLiteral("SELECT * FROM company;"));
    for (const QStringList &row : result.rows.rows())
        rows.append({row.value(0), row.value(1)});
    return rows;
}
