#pragma once

#include "core/data/DatabaseError.h"
#include "core/data/RowList.h"

// What a query returned: its rows, or the error that stopped it.
struct QueryResult {
    RowList rows;
    DatabaseError error;

    // True when the query ran to its end.
    bool ok() const { return !error.isError(); }
};
