#include "ui/printing/PrintCommands.h"

#include "core/drawing/DrawFailureText.h"
#include "core/drawing/PdfReplaceGuard.h"
#include "core/data/DatabaseHealth.h"
#include "core/history/HistoryWriter.h"
#include "core/history/PendingHistory.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "ui/common/ShowNotice.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainPages.h"
#include "ui/main/ProgramState.h"
#include "ui/main/TopBar.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/WaybillView.h"
#include "ui/printing/BatchPrint.h"
#include "ui/printing/PrinterBinding.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStackedWidget>
#include <QStatusBar>
#include <memory>

PrintCommands::PrintCommands(ProgramState &state, MainPages &pages, WaybillView &view, QObject *parent)
    : QObject(parent), m_state(state), m_pages(pages), m_view(view)
{
}

void PrintCommands::connectActions()
{
    MainActions *a = m_pages.actions;
    connect(a->print1, &QAction::triggered, this, [this] { printSingle(); });
    connect(a->print2, &QAction::triggered, this, [this] { printBatch(); });
    connect(a->testPrint, &QAction::triggered, this, [this] { printTest(); });
    connect(a->paperSetup, &QAction::triggered, this, &PrintCommands::paperSetup);
}

void PrintCommands::paperSetup()
{
    QPrinter &printer = m_state.printer();
    if (QFileInfo::exists(m_state.printerFilePath()))
        DevModeLoadFromFile(m_state.printerFilePath(), printer);
    // Paper and orientation only: nothing is printed, so no output file is asked about.
    QPageSetupDialog dialog(&printer, m_pages.window);
    dialog.setWindowTitle("用紙設定");
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!DevModeSaveToFile(m_state.printerFilePath(), printer, &error))
        ShowNotice("確認", "プリンタ設定を保存できませんでした。\n" + error, m_pages.window);
    m_view.measurePrinter();
    m_view.redraw();
}

// What single and continuous print share before the first page: the PDF
// folder, the printer dialog (unless skipped), fresh measurements, the printer
// settings file when it is missing, and the job options from the window.
bool PrintCommands::preparePrint(bool skipDialog, PrintJob::Options *options)
{
    QPrinter &printer = m_state.printer();
    // The printer dialog refuses an output file whose folder does not exist,
    // so the PDF folder must be there before it opens.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        QDir().mkpath(QFileInfo(printer.outputFileName()).path());
    if (!skipDialog) {
        QPrintDialog dialog(&printer, m_pages.window);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        ShowWholeOutputFileName(dialog);
        PdfReplaceGuard previousPdf(printer.outputFileName(), m_state.automaticPdfPath);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        previousPdf.finish(accepted, printer.outputFileName());
        if (!accepted)
            return false;
    }
    m_view.measurePrinter();
    m_view.redraw();
    if (!QFileInfo::exists(m_state.printerFilePath()))
        DevModeSaveToFile(m_state.printerFilePath(), printer);

    const PrinterMeasurements &m = m_pages.preview->measurements();
    *options = {};
    options->zoomPercent = m_pages.preview->zoom();
    options->screenDpiX = m.screenDpiX;
    options->screenDpiY = m.screenDpiY;
    options->ofxbox = m_pages.topBar->offsetX();
    options->ofybox = m_pages.topBar->offsetY();
    options->workDir = m_state.folders.workDir;
    return true;
}

bool PrintCommands::printSingle(bool skipDialog)
{
    // A search or a filter can leave the preview without a consignee; a
    // waybill with a blank addressee is almost never what the clerk means.
    if (!WaybillHasConsignee(m_state.record.texts())
        && !AskYesNo(m_state.profile.group1Caption + "が選ばれていません。このまま印刷しますか？", m_pages.window,
                     true))
        return false;
    PrintJob::Options options;
    if (!preparePrint(skipDialog, &options))
        return false;
    QPrinter &printer = m_state.printer();
    const int copies = m_pages.topBar->copies();
    DrawResult result;
    if (!printer.outputFileName().isEmpty()) {
        // Every job written to a file replaces the file: all copies go into one
        // job, or only the last copy would be left.
        options.copies = copies;
        result = PrintJob::print(printer, m_state.style.lines(), options);
    } else {
        // A printer gets one single-page job per copy, as the forms are fed one by one.
        options.copies = 1;
        for (int copy = 0; copy < copies && result.ok; ++copy)
            result = PrintJob::print(printer, m_state.style.lines(), options);
    }
    if (!reportPrinted(result))
        return false;
    if (!m_pages.settings->noHistoryBox->isChecked())
        writeHistoryRow();
    return true;
}

bool PrintCommands::reportPrinted(const DrawResult &result)
{
    if (!result.ok) {
        ShowNotice("確認", DrawFailureNotice(result, m_state.style.CurrentStyleFile), m_pages.window);
        return false;
    }
    notePdfOutput();
    return true;
}

QString PrintCommands::notePdfOutput()
{
    const QString pdf = m_state.printer().outputFileName();
    if (!pdf.isEmpty())
        m_pages.statusBar->showMessage("PDFファイルに印刷しました: " + pdf);
    return pdf;
}

bool PrintCommands::printTest(bool skipDialog)
{
    PrintJob::Options options;
    if (!preparePrint(skipDialog, &options))
        return false;
    // One plain sheet whatever the copies box says, and no history row: no
    // waybill was sent.
    options.testPrint = true;
    return reportPrinted(PrintJob::print(m_state.printer(), m_state.style.lines(), options));
}

bool PrintCommands::printBatch(bool skipDialog)
{
    const EditionProfile &profile = m_state.profile;
    const QString caption = m_pages.actions->print2->text();
    // The record assembly reads a consignee only while the consignee list is
    // the active page; started from another page, every page would carry the
    // single-print waybill instead of the ticked consignees.
    m_view.showListPage();
    if (!m_pages.listPageActive()) {
        ShowNotice("確認", profile.listPageCaption + "を表示できないため、" + caption + "を中止しました。", m_pages.window);
        return false;
    }
    const QString emptyMessage = profile.group1Caption + "リストで印刷したいデータにチェックを入れてください";
    const QStringList ids = m_pages.list->checked().ids();
    if (ids.isEmpty() || !m_state.assembly) {
        ShowNotice("確認", emptyMessage, m_pages.window);
        return false;
    }
    PrintJob::Options options;
    if (!preparePrint(skipDialog, &options))
        return false;
    BatchHistory history;
    history.write = !m_pages.settings->noHistoryBox->isChecked();
    history.date = {m_pages.topBar->printDate(), m_pages.topBar->printDateOff()};
    PendingHistory pending(m_state.folders.dataDir);
    history.pending = &pending;

    // A few pages print at once; a long run shows where it is and can be stopped.
    std::unique_ptr<QProgressDialog> progress;
    if (ids.size() > 3) {
        progress = std::make_unique<QProgressDialog>(caption, "キャンセル", 0, int(ids.size()), m_pages.window);
        progress->setWindowTitle(QApplication::applicationDisplayName());
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(300);
    }
    BatchPrint batch(m_state.db, *m_state.assembly, m_state.assemblySources());
    const PrintRecord shownRecord = m_state.record;
    const StyleData shownStyle = m_state.style;
    const BatchPrintOutcome outcome = batch.run(
        m_state.printer(), ids, m_view.assemblyOptions(), m_state.style, m_state.record, options, history,
        [&](int done, int total) {
            if (!progress)
                return true;
            progress->setLabelText(QString("%1 %2 / %3").arg(caption).arg(done).arg(total));
            progress->setValue(done);
            return !progress->wasCanceled();
        });
    progress.reset();
    if (outcome.readError.isError()) {
        // The address book cannot be read now, so the current row cannot be
        // assembled again either: the preview goes back to the waybill it
        // showed before the run rather than keep a page of the batch.
        m_state.record = shownRecord;
        m_state.style = shownStyle;
        m_pages.right->setCurrentIndex(MainPages::PreviewSheet);
        m_view.redraw();
        ShowNotice("確認", DatabaseFileNotice(AddressDatabaseLabel(), m_state.addressDbPath(), outcome.readError),
                   m_pages.window);
        return false;
    }
    // The run left its last page in the record; the preview, its edit command
    // and 単票印刷 must go on with the row the clerk sees as current.
    m_view.assembleSelected();
    emit historyWritten();
    if (!outcome.ok()) {
        ShowNotice("確認", DrawFailureNotice(outcome.draw, m_state.style.CurrentStyleFile), m_pages.window);
        return false;
    }
    if (outcome.printed.isEmpty()) {
        ShowNotice("確認", emptyMessage, m_pages.window);
        return false;
    }
    if (!outcome.historyNotice.isEmpty())
        ShowNotice("確認", outcome.historyNotice, m_pages.window);
    const QString pdf = notePdfOutput();
    // Only rows really written are claimed: with 送付履歴に記録しない (or every
    // row refused) the run says what it printed.
    QString closing = outcome.historyWritten > 0 ? QString("送信記録を登録しました")
                                                 : QString("%1件を印刷しました").arg(outcome.printed.size());
    if (!pdf.isEmpty())
        closing += "\nPDFファイル: " + pdf;
    ShowNotice("確認", closing, m_pages.window);
    return true;
}

bool PrintCommands::writeHistoryRow()
{
    QString notice;
    PendingHistory pending(m_state.folders.dataDir);
    const bool failed =
        writeHistory(m_state.db, m_state.membersDbPath(), m_state.record, m_state.editionCode(),
                     {m_pages.topBar->printDate(), m_pages.topBar->printDateOff()}, QDate::currentDate(), &notice,
                     &pending);
    emit historyWritten();
    if (failed && !notice.isEmpty())
        ShowNotice("確認", notice, m_pages.window);
    return !failed;
}
