#pragma once
// The address book as a CSV file and back: every column of each consignee
// (table address, without its identifier) and of its item row for the edition
// (table memberitem, without the keys), under Japanese headers that the CSV
// editor recognises. A file written here is read back whole by
// ImportConsigneeCsv: consignees and item rows come back value for value,
// quotes, commas and line breaks included.

#include "core/import/CsvImporter.h"
#include "core/import/CsvWriter.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// The header row of the file, in column order.
QStringList ConsigneeCsvHeader();

// Writes the consignees ids (decimal identifiers, in the order given; empty:
// every consignee in identifier order) with their item rows of the edition.
CsvExportOutcome ExportConsignees(Database &db, const QString &addressDbPath, const QString &membersDbPath,
                                  int editionCode, const QStringList &ids, const QString &path,
                                  CsvOutputEncoding encoding, const CsvExportProgress &progress = {});

// True when the header row is this program's consignee export.
bool IsConsigneeCsvHeader(const QStringList &header);

// Imports records (the first one the header) written by ExportConsignees into
// the address book in one transaction: each consignee is added unless one with
// its two name lines is there, and its item row is written for the target's
// edition (when the file has item data for it). Cancelled takes back everything.
CsvImportOutcome ImportConsigneeCsv(Database &db, const QVector<QStringList> &records, const CsvImportTarget &target,
                                    const CsvImportProgress &progress = {});
