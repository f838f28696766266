#pragma once
// What the CSV import writes, worked out from the intermediate file's lines
// before anything touches the database: each line's consignee columns (with the
// prefecture split and the postal code cleaned), its item data, and the length
// check that stops the import at the first value too long for its column.

#include <QString>
#include <QStringList>
#include <QVector>

// One line of the intermediate file, ready to be written.
struct CsvImportRow {
    // The consignee (table address).
    QString namae1, namae2;
    QString zipcode; // field 3 without "-", at most 7 characters
    QString area, city;
    QString location, building, tel, notes;
    // The item data (table memberitem).
    QString uriage;  // field 10
    QString daibiki; // field 10 in edition 30, else empty
    QString hoken;   // field 10 in edition 40, else empty
    QStringList itemNames; // fields 11 to 14
};

struct CsvImportPlan {
    // The rows before the first line that failed its length check (all rows
    // when none failed), in file order.
    QVector<CsvImportRow> rows;
    // Set when a value was too long: the notice to show (heading "確認").
    // The consignees of rows are written, no item data is.
    QString abortNotice;
    int abortLine = -1; // 0-based index of the failing line; -1 when none

    bool aborted() const { return abortLine >= 0; }
};

// Area and city of a line from fields 4 and 5. When field 5 is empty, field 4
// holds the whole address and is split at its prefecture; when field 4 is
// empty, the prefecture is taken out of field 5. An address that names no
// prefecture goes to the city, never to the prefecture column.
void SplitCsvAddress(const QString &field4, const QString &field5, QString *area, QString *city);

// Works through the lines (14 fields each) in order for the given edition.
CsvImportPlan PlanCsvImport(const QVector<QStringList> &lines, int editionCode);
