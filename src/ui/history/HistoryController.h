#pragma once
// The sending history in the main window: the history page with its edit
// dialog, reprint and registration commands, the F8 command, and the
// preview's "履歴を書き込む".

#include "ui/common/CsvExportDialogs.h"

#include <QObject>
#include <QString>
#include <functional>

class AddressBookCommands;
class HistoryCommands;
class HistoryEditDialog;
class ProgramState;
class WaybillView;
struct MainPages;

class HistoryController : public QObject
{
    Q_OBJECT
public:
    // writeRow writes one history row of the record on the preview (false when none was written).
    HistoryController(ProgramState &state, MainPages &pages, WaybillView &view, AddressBookCommands &addressBook,
                      std::function<bool()> writeRow, QObject *parent = nullptr);

    void connectActions();

    HistoryEditDialog *historyEdit();
    HistoryCommands *historyCommands() const { return m_historyCommands; }

    // "送付履歴" (F8): the history and the consignee list become the active
    // pages without the page switch, then the history is read.
    void showHistory();
    // "履歴を書き込む": one history row of the record on the preview; on the
    // print-settings page the row is linked to no consignee.
    bool writeHistoryForPreview();
    // 「履歴をCSVに書き出す」: the rows the history page shows, in its order.
    CsvExportOutcome exportHistory();

    // Where exports go; the file dialog unless a test answers instead.
    CsvExportFileChooser chooseExportFile;

private:
    ProgramState &m_state;
    MainPages &m_pages;
    WaybillView &m_view;
    AddressBookCommands &m_addressBook;
    std::function<bool()> m_writeRow;
    HistoryEditDialog *m_historyEdit = nullptr;
    HistoryCommands *m_historyCommands = nullptr;
};
