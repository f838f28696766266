#pragma once
// One row of a result as a caller reads it while the rows stream past, the
// same whichever engine holds the data. The texts are valid until the next row.

#include <QString>
#include <QStringView>

class StoreRow
{
public:
    virtual ~StoreRow() = default;

    // Number of result columns.
    virtual int columnCount() const = 0;
    // Column c (0-based) as text, without copying; NULL gives an empty view.
    virtual QStringView columnText(int c) const = 0;
    // True when column c is NULL.
    virtual bool columnIsNull(int c) const = 0;
    // The name (or alias) of result column c.
    virtual QString columnName(int c) const = 0;
};
