#pragma once
// The 印刷 commands: single print with its copies and history row, the test
// print on plain paper, the continuous print of the ticked consignees, and the
// paper setup. Each asks for the printer first unless told to skip the dialog.

#include "ui/printing/PrintJob.h"

#include <QObject>
#include <QString>

class ProgramState;
class WaybillView;
struct DrawResult;
struct MainPages;

class PrintCommands : public QObject
{
    Q_OBJECT
public:
    PrintCommands(ProgramState &state, MainPages &pages, WaybillView &view, QObject *parent = nullptr);

    // Connects the file menu's print commands.
    void connectActions();

    // Single print: the printer dialog unless skipDialog, then the copies and
    // one history row. Returns false when nothing was printed.
    bool printSingle(bool skipDialog = false);
    // Test print on plain paper: one sheet with the preview-only form drawing,
    // rulers and cross marks, as a single print prepares it; no history row.
    // Returns false when nothing was printed.
    bool printTest(bool skipDialog = false);
    // Continuous print: one page per checked consignee in tick order, one
    // history row each. Returns false when nothing was printed.
    bool printBatch(bool skipDialog = false);
    // "用紙設定": paper and orientation, saved with the printer settings.
    void paperSetup();
    // One history row of the record on the preview; false when none was written.
    bool writeHistoryRow();

signals:
    // History rows were written or kept on the station for the server.
    void historyWritten();

private:
    bool preparePrint(bool skipDialog, PrintJob::Options *options);
    // After a print job: the drawing error, or where a PDF went. False on an error.
    bool reportPrinted(const DrawResult &result);
    // Names in the status bar the PDF file a job went to; the file, or empty
    // when a printer took the job.
    QString notePdfOutput();

    ProgramState &m_state;
    MainPages &m_pages;
    WaybillView &m_view;
};
