#include "ui/common/CsvExportDialogs.h"

#include "ui/common/CsvSubstituteDialog.h"
#include "ui/common/ShowNotice.h"

#include <QApplication>
#include <climits>
#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>

namespace {

const QString Utf8Filter = QStringLiteral("CSVファイル UTF-8 (*.csv)");
const QString ShiftJisFilter = QStringLiteral("CSVファイル Shift_JIS (*.csv)");

} // namespace

CsvExportFileChooser CsvExportFileDialog(QWidget *parent)
{
    return [parent](const QString &title, const QString &name) -> std::optional<CsvExportFile> {
        QString filter = Utf8Filter;
        QString path = QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(name),
                                                    Utf8Filter + QStringLiteral(";;") + ShiftJisFilter, &filter);
        if (path.isEmpty())
            return std::nullopt;
        if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
            path += QStringLiteral(".csv");
        return CsvExportFile{path, filter == ShiftJisFilter ? CsvOutputEncoding::ShiftJis : CsvOutputEncoding::Utf8Bom};
    };
}

namespace {

CsvExportOutcome runWithProgress(QWidget *parent, const QString &title, CsvOutputEncoding encoding,
                                 const CsvExportRun &export_)
{
    QProgressDialog progress(title, QStringLiteral("キャンセル"), 0, 0, parent);
    progress.setWindowTitle(QApplication::applicationDisplayName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const CsvExportOutcome outcome = export_(encoding, [&progress, &title](qint64 done, qint64 total) {
        // An unknown total (a search) shows a busy bar.
        progress.setMaximum(int(qMin<qint64>(total, INT_MAX)));
        progress.setLabelText(QStringLiteral("%1 %2件").arg(title).arg(done));
        progress.setValue(int(qMin<qint64>(done, INT_MAX)));
        return !progress.wasCanceled();
    });
    progress.close();
    return outcome;
}

} // namespace

CsvExportOutcome RunCsvExport(QWidget *parent, const QString &title, CsvOutputEncoding encoding,
                              const CsvExportRun &export_)
{
    CsvExportOutcome outcome = runWithProgress(parent, title, encoding, export_);
    if (outcome.refusedCharacters()) {
        if (!AskToSubstitute(outcome, parent))
            return outcome;
        outcome = runWithProgress(parent, title, CsvOutputEncoding::ShiftJisSubstituting, export_);
    }
    if (outcome.ok) {
        QString done = QStringLiteral("%1件をCSVファイルに書き出しました。").arg(outcome.rows);
        if (outcome.substituted > 0)
            done += QStringLiteral("\nShift_JISで表せない%1文字は「〓」に置き換えました。").arg(outcome.substituted);
        ShowNotice("確認", done, parent);
    } else if (!outcome.cancelled) {
        ShowNotice("確認", outcome.notice, parent);
    }
    return outcome;
}
