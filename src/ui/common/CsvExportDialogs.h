#pragma once
// What the two CSV exports ask and show: the file and its encoding (UTF-8
// with a byte-order mark unless Shift_JIS is chosen), then a progress bar
// with a cancel button while the rows are written, and the closing notice.

#include "core/import/CsvWriter.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

struct CsvExportFile {
    QString path;
    CsvOutputEncoding encoding = CsvOutputEncoding::Utf8Bom;
};

// Asks where to write; std::nullopt when the user cancels. Replaceable so that
// tests answer it themselves.
using CsvExportFileChooser = std::function<std::optional<CsvExportFile>(const QString &title, const QString &name)>;
CsvExportFileChooser CsvExportFileDialog(QWidget *parent);

// Writes the file in the encoding given, telling progress.
using CsvExportRun = std::function<CsvExportOutcome(CsvOutputEncoding, const CsvExportProgress &)>;

// Runs export in encoding with a progress dialog under parent and tells the
// user how it ended (nothing for a cancel). When Shift_JIS cannot hold some
// characters it lists them (CsvSubstituteDialog) and asks whether to write
// 「〓」 in their place, refusing by default; agreed, the export runs again
// so. Returns the last outcome.
CsvExportOutcome RunCsvExport(QWidget *parent, const QString &title, CsvOutputEncoding encoding,
                              const CsvExportRun &export_);

