#include "ui/history/HistoryController.h"

#include "core/history/HistoryExport.h"
#include "core/history/HistoryWriter.h"
#include "ui/addressbook/AddressBookCommands.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/SenderList.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/common/ShowNotice.h"
#include "ui/history/HistoryCommands.h"
#include "ui/history/HistoryEditDialog.h"
#include "ui/history/HistoryPage.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainPages.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/WaybillView.h"

#include <QAction>
#include <QPushButton>
#include <QStackedWidget>

HistoryController::HistoryController(ProgramState &state, MainPages &pages, WaybillView &view,
                                     AddressBookCommands &addressBook, std::function<bool()> writeRow, QObject *parent)
    : QObject(parent), m_state(state), m_pages(pages), m_view(view), m_addressBook(addressBook),
      m_writeRow(std::move(writeRow))
{
    chooseExportFile = CsvExportFileDialog(pages.window);
}

HistoryEditDialog *HistoryController::historyEdit()
{
    // Made when first wanted: the window need not wait for it.
    if (!m_historyEdit) {
        HistoryEditContext edit;
        edit.db = &m_state.db;
        edit.membersDbPath = m_state.membersDbPath();
        edit.editionCode = m_state.editionCode();
        edit.readHistory = [this] { m_pages.history->readHistory(); };
        m_historyEdit = new HistoryEditDialog(edit, m_pages.window);
    }
    return m_historyEdit;
}

void HistoryController::connectActions()
{
    HistoryCommandContext c;
    c.db = &m_state.db;
    c.addressDb = m_state.addressDbPath();
    c.membersDb = m_state.membersDbPath();
    c.singleDataPath = SingleDataPath(m_state.folders.workDir);
    c.editionCode = m_state.editionCode();
    c.record = &m_state.record;
    c.senderFrameCaption = m_state.profile.senderFrameCaption;
    c.senderRows = [this] { return m_pages.senders->rows(); };
    c.selectSenderIndex = [this](int index) { m_pages.senders->selectIndex(index); };
    c.showSingleDataPages = [this] {
        m_pages.right->setCurrentIndex(MainPages::PreviewSheet);
        if (m_pages.left->currentIndex() != MainPages::SettingsPage)
            m_pages.left->setCurrentIndex(MainPages::SettingsPage); // the page switch runs on the change
        else
            m_view.switchPage();
    };
    c.openSingleDataEditor = [this] {
        m_addressBook.editors()->singleDataDialog()->exec();
        m_view.redraw();
    };
    c.consigneeDialog = [this] { return m_addressBook.editors()->consigneeDialog(); };
    c.window = m_pages.window;
    m_historyCommands = new HistoryCommands(c, this);

    HistoryPage *page = m_pages.history;
    connect(page, &HistoryPage::editRequested, this, [this](const QString &id) { historyEdit()->openFor(id); });
    connect(page, &HistoryPage::exportRequested, this, &HistoryController::exportHistory);
    connect(page, &HistoryPage::reprintRequested, m_historyCommands, &HistoryCommands::reprint);
    connect(page, &HistoryPage::registerRequested, this, [this](const QString &id) {
        m_historyCommands->registerAsConsignee(id);
        // A consignee saved from the history shows up in the list at once.
        if (m_pages.listPageActive())
            m_pages.list->activate();
    });
    connect(m_pages.right, &QStackedWidget::currentChanged, this, [this](int index) {
        if (index == MainPages::HistorySheet && m_state.started)
            m_pages.history->readHistory();
    });
    m_pages.actions->history->setEnabled(true);
    connect(m_pages.actions->history, &QAction::triggered, this, &HistoryController::showHistory);
    connect(m_pages.preview->writeHistoryButton, &QPushButton::clicked, this, &HistoryController::writeHistoryForPreview);
}

void HistoryController::showHistory()
{
    if (!m_state.started)
        return;
    {
        // No page switch: the record and the preview stay as they are.
        const QSignalBlocker block(m_pages.left);
        m_pages.left->setCurrentIndex(MainPages::ListPage);
    }
    m_pages.list->activate();
    if (m_pages.right->currentIndex() == MainPages::HistorySheet)
        m_pages.history->readHistory();
    else
        m_pages.right->setCurrentIndex(MainPages::HistorySheet); // read on the change
}

bool HistoryController::writeHistoryForPreview()
{
    if (!m_state.started)
        return false;
    if (m_pages.left->currentIndex() == MainPages::SettingsPage)
        m_state.record.setSlot(7, QString());
    // The writer leaves such a waybill out without a word; the clerk who
    // pressed the button is told why nothing came of it.
    if (!WaybillHasConsignee(m_state.record.texts())) {
        ShowNotice("確認", m_state.profile.group1Caption + "のお名前がないため、送付履歴に記録しませんでした",
                   m_pages.window);
        return false;
    }
    if (!m_writeRow())
        return false;
    ShowNotice("確認", "送信記録を登録しました", m_pages.window);
    return true;
}

CsvExportOutcome HistoryController::exportHistory()
{
    CsvExportOutcome outcome;
    if (!m_state.started)
        return outcome;
    const QString title = m_pages.history->exportAction->text();
    const std::optional<CsvExportFile> file = chooseExportFile(title, QStringLiteral("送付履歴.csv"));
    if (!file)
        return outcome;
    HistoryExportQuery query;
    query.editionCode = m_state.editionCode();
    query.sortState = m_pages.history->sortState();
    query.searchText = m_pages.history->shownSearchText();
    return RunCsvExport(m_pages.window, title, file->encoding,
                        [this, &query, &file](CsvOutputEncoding encoding, const CsvExportProgress &progress) {
                            return ExportHistory(m_state.db, m_state.membersDbPath(), query, file->path, encoding,
                                                 progress);
                        });
}
