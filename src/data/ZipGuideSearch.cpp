#include "data/ZipGuideSearch.h"

#include "data/SqlLiteral.h"
#include "data/TDataModule1.h"
#include "data/ZipGuideBuffer.h"

#include <QElapsedTimer>

QString ZipGuideSearchResult::elapsedText() const
{
    return QStringLiteral("クエリ時間 = %1ms").arg(elapsedMs);
}

QString ZipGuideSearchSql(const QString &searchText)
{
    QString sql = QStringLiteral("SELECT ZIP_CODE,AREA,CITY,LOCATION FROM zipcode");
    if (!searchText.isEmpty())
        sql += QStringLiteral(" WHERE [ZIP_CODE]||[AREA]||[CITY]||[LOCATION] LIKE ")
               + SqlQuote(QLatin1Char('%') + searchText + QLatin1Char('%'));
    return sql;
}

ZipGuideSearchResult ZipGuideSearch(TDataModule1 &db, const QString &zipDbPath, const QString &searchText,
                                    ZipGuideBuffer &buffer)
{
    ZipGuideSearchResult result;
    buffer.clear();
    QElapsedTimer timer;
    timer.start();
    result.error = db.OpenDatabase(zipDbPath, TDataModule1::OpenMode::ExistingOnly);
    if (result.ok()) {
        result.error = db.ForEachRow(ZipGuideSearchSql(searchText), [&buffer](const SqliteStatement &row) {
            buffer.append(row.columnText(0), row.columnText(1), row.columnText(2), row.columnText(3));
        });
        if (!result.ok())
            buffer.clear();
    }
    result.rowCount = buffer.size();
    result.elapsedMs = timer.elapsed();
    return result;
}
