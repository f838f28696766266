#pragma once
// Turns a postal code into prefecture, city and town area from the postal-code
// table. The code is used exactly as typed: a hyphen, full-width digits or a
// blank simply find nothing.

#include "core/data/DatabaseError.h"

#include <QString>

struct PostalLookupResult {
    bool found = false;
    QString area;     // prefecture
    QString city;     // city, ward, town or village
    QString location; // town area
    DatabaseError error; // the database could not be read; callers leave their fields as they are

    bool ok() const { return !error.isError(); }
    // The result as one RowList line: area;city;location;; (four fields, the
    // fourth always empty; ";;;;" when nothing was found).
    QString rowListLine() const;
};

class Database;

// Looks code up in the postal-code database zipDbPath. When a code has several
// town areas the row read last (the one imported last) wins. A missing database
// file is an error and is not created.
PostalLookupResult LookupPostalCode(Database &db, const QString &zipDbPath, const QString &code);
