#pragma once
// The intermediate file "conf/csvImport.tmp" that the CSV editor leaves for the
// import: one consignee a line, no header, 14 fields each followed by a comma,
// no quoting. The editor writes UTF-8 with a byte-order mark; the import reads
// what a script or another program left as DetectCsvEncoding chooses, so that
// UTF-8 without a mark is not taken for code page 932.

#include "core/import/CsvEncoding.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// Number of fields a line carries; fields after these are ignored.
constexpr int CsvImportFieldCount = 14;

// WorkDir + "/conf/csvImport.tmp".
QString CsvImportPath(const QString &workDir);

// The 14 fields of one line. Field n is the text between the (n-1)-th and the
// n-th comma; a last field without its closing comma is taken as well, and the
// fields a short line lacks are empty (never a copy of another field).
QStringList SplitCsvImportLine(const QString &line);

// Every line of the file as its 14 fields, read in the encoding given or
// else the one DetectCsvEncoding chooses (told through *used). Lines that are
// entirely empty are skipped. std::nullopt when the file does not exist or
// cannot be read.
std::optional<QVector<QStringList>> ReadCsvImportFile(const QString &path,
                                                      std::optional<CsvEncoding> encoding = std::nullopt,
                                                      CsvEncoding *used = nullptr);

// One line of the file for the given values (missing ones empty, extra ones
// dropped). A comma inside a value becomes "，" (U+FF0C) and a line break a
// space (「1行目」「2行目」 must not run into one word), so that no value can
// shift the fields after it.
QString FormatCsvImportLine(const QStringList &values);

// A file the editor recognised as this program's consignee export is passed on
// whole instead: the first line is this mark, then the export's records (its
// header first) as RFC 4180 CSV, so that every column, comma and line break
// reaches the import.
extern const char ConsigneeExportMark[];
bool WriteConsigneeExportImportFile(const QString &path, const QVector<QStringList> &records, QString *error = nullptr);
// The export's records when the file at path is such a file; std::nullopt otherwise.
std::optional<QVector<QStringList>> ReadConsigneeExportImportFile(const QString &path);

// Writes the rows as UTF-8 with a byte-order mark and CR LF, replacing the
// file atomically. Returns false (with the reason in *error) on an I/O error.
bool WriteCsvImportFile(const QString &path, const QVector<QStringList> &rows, QString *error = nullptr);
