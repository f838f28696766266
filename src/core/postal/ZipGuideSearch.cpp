#include "core/postal/ZipGuideSearch.h"

#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "core/postal/TownAreaText.h"
#include "core/postal/ZipGuideBuffer.h"

#include <QSet>

QString ZipGuideSearchSql(const QString &searchText)
{
    QString sql = QStringLiteral("SELECT ZIP_CODE,AREA,CITY,LOCATION FROM zipcode");
    if (!searchText.isEmpty())
        sql += QStringLiteral(" WHERE [ZIP_CODE]||[AREA]||[CITY]||[LOCATION] LIKE ")
               + SqlQuote(QLatin1Char('%') + searchText + QLatin1Char('%'));
    return sql;
}

ZipGuideSearchResult ZipGuideSearch(Database &db, const QString &zipDbPath, const QString &searchText,
                                    ZipGuideBuffer &buffer)
{
    ZipGuideSearchResult result;
    buffer.clear();
    result.error = db.OpenDatabase(zipDbPath, Database::OpenMode::ExistingOnly);
    if (result.ok()) {
        // A result goes into an address on a double-click: an older table's
        // remarks and run-on notes are joined and cleaned as the import does.
        PostalEntryJoiner joiner;
        NationalPostalEntry complete;
        QSet<QString> listed;
        auto append = [&buffer, &complete, &listed] {
            const QString row = complete.code + QChar(0) + complete.area + QChar(0) + complete.city + QChar(0)
                                + complete.location;
            if (listed.contains(row))
                return;
            listed.insert(row);
            buffer.append(complete.code, complete.area, complete.city, complete.location);
        };
        result.error = db.ForEachRow(ZipGuideSearchSql(searchText), [&](const StoreRow &row) {
            if (joiner.add({row.columnText(0).toString(), row.columnText(1).toString(), row.columnText(2).toString(),
                            row.columnText(3).toString()},
                           &complete))
                append();
        });
        if (joiner.finish(&complete))
            append();
        if (!result.ok())
            buffer.clear();
    }
    result.rowCount = buffer.size();
    return result;
}
