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

// Runs export with a progress dialog under parent and tells the user how it
// ended (nothing for a cancel). Returns the outcome.
CsvExportOutcome RunCsvExport(QWidget *parent, const QString &title,
                              const std::function<CsvExportOutcome(const CsvExportProgress &)> &export_);
