#include "core/postal/PostalCodeLookup.h"

#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "core/postal/TownAreaText.h"

QString PostalLookupResult::rowListLine() const
{
    return area + QLatin1Char(';') + city + QLatin1Char(';') + location + QLatin1String(";;");
}

PostalLookupResult LookupPostalCode(Database &db, const QString &zipDbPath, const QString &code)
{
    PostalLookupResult result;
    // An empty database file made here would hide the shipped one from the
    // start-up copy for good, so a missing file is only reported.
    result.error = db.OpenDatabase(zipDbPath, Database::OpenMode::ExistingOnly);
    if (!result.ok())
        return result;
    const QString sql = QStringLiteral("SELECT AREA,CITY,LOCATION FROM zipcode WHERE ZIP_CODE=") + SqlQuote(code)
                        + QLatin1Char(';');
    // A table imported before town areas were cleaned still holds the list's
    // remarks and notes run on over several rows; they are joined and cleaned
    // here as the import does, so a conversion never writes them.
    PostalEntryJoiner joiner;
    NationalPostalEntry complete;
    auto take = [&result, &complete] {
        result.found = true;
        result.area = complete.area;
        result.city = complete.city;
        result.location = complete.location;
    };
    result.error = db.ForEachRow(sql, [&](const StoreRow &row) {
        const NationalPostalEntry entry{code, row.columnText(0).toString(), row.columnText(1).toString(),
                                        row.columnText(2).toString()};
        if (joiner.add(entry, &complete))
            take();
    });
    if (joiner.finish(&complete))
        take();
    if (!result.ok()) {
        result.found = false;
        result.area.clear();
        result.city.clear();
        result.location.clear();
    }
    return result;
}
