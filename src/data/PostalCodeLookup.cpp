#include "data/PostalCodeLookup.h"

#include "data/SqlLiteral.h"
#include "data/TDataModule1.h"

QString PostalLookupResult::rowListLine() const
{
    return area + QLatin1Char(';') + city + QLatin1Char(';') + location + QLatin1String(";;");
}

PostalLookupResult LookupPostalCode(TDataModule1 &db, const QString &zipDbPath, const QString &code)
{
    PostalLookupResult result;
    // An empty database file made here would hide the shipped one from the
    // start-up copy for good, so a missing file is only reported.
    result.error = db.OpenDatabase(zipDbPath, TDataModule1::OpenMode::ExistingOnly);
    if (!result.ok())
        return result;
    const QString sql = QStringLiteral("SELECT AREA,CITY,LOCATION FROM zipcode WHERE ZIP_CODE=") + SqlQuote(code)
                        + QLatin1Char(';');
    result.error = db.ForEachRow(sql, [&result](const SqliteStatement &row) {
        result.found = true;
        result.area = row.columnText(0).toString();
        result.city = row.columnText(1).toString();
        result.location = row.columnText(2).toString();
    });
    if (!result.ok()) {
        result.found = false;
        result.area.clear();
        result.city.clear();
        result.location.clear();
    }
    return result;
}
