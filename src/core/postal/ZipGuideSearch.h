#pragma once
// The postal-code guide's search: any part of a postal code or address, matched
// against the code, prefecture, city and town area joined together, the rows
// going straight into the guide's result buffer.

#include "core/data/DatabaseError.h"

#include <QString>

class Database;
class ZipGuideBuffer;

struct ZipGuideSearchResult {
    DatabaseError error;
    int rowCount = 0;

    bool ok() const { return !error.isError(); }
};

// The SELECT of a search. An empty search text lists the whole table; any other
// text becomes the LIKE pattern '%text%' as a quoted SQL literal.
QString ZipGuideSearchSql(const QString &searchText);

// Empties buffer, points the connection at the postal-code database zipDbPath
// (which must exist: a search never creates an empty database file) and fills
// buffer with the matching rows in the table's order. A row the table holds
// more than once (the national list repeats some codes line for line) is
// listed once, where it first stands.
ZipGuideSearchResult ZipGuideSearch(Database &db, const QString &zipDbPath, const QString &searchText,
                                    ZipGuideBuffer &buffer);
