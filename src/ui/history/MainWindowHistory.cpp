// The main window's wiring of the sending history: the history page and its
// commands, the F8 command and the preview's "履歴を書き込む". Kept beside the
// history's own classes so the main window's file stays wiring of pages.

#include "ui/history/HistoryCommands.h"
#include "ui/history/HistoryPage.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/SenderList.h"
#include "ui/history/HistoryEditDialog.h"
#include "ui/main/MainActions.h"
#include "ui/common/ShowNotice.h"
#include "ui/main/MainWindow.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/preview/PreviewPage.h"

#include <QAction>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

// Creates the history edit dialog and the commands, and connects the page,
// F8 and the preview's button.
void MainWindow::connectHistory()
{
    HistoryEditContext edit;
    edit.db = &m_db;
    edit.membersDbPath = membersDbPath();
    edit.editionCode = editionCode();
    edit.readHistory = [this] { m_historyPage->readHistory(); };
    m_historyEdit = new HistoryEditDialog(edit, this);

    HistoryCommandContext c;
    c.db = &m_db;
    c.addressDb = addressDbPath();
    c.membersDb = membersDbPath();
    c.singleDataPath = SingleDataPath(m_folders.workDir);
    c.editionCode = editionCode();
    c.record = &m_record;
    c.senderFrameCaption = m_profile.senderFrameCaption;
    c.senderRows = [this] { return m_senderList->rows(); };
    c.selectSenderIndex = [this](int index) { m_senderList->selectIndex(index); };
    c.showSingleDataPages = [this] {
        m_right->setCurrentIndex(0);
        if (m_left->currentIndex() != 0)
            m_left->setCurrentIndex(0); // the page switch runs on the change
        else
            switchPage();
    };
    c.openSingleDataEditor = [this] {
        editors()->singleDataDialog()->exec();
        redrawPreview();
    };
    c.consigneeDialog = [this] { return editors()->consigneeDialog(); };
    c.window = this;
    m_historyCommands = new HistoryCommands(c, this);

    connect(m_historyPage, &HistoryPage::editRequested, this, [this](const QString &id) {
        m_historyEdit->openFor(id);
    });
    connect(m_historyPage, &HistoryPage::reprintRequested, m_historyCommands, &HistoryCommands::reprint);
    connect(m_historyPage, &HistoryPage::registerRequested, this, [this](const QString &id) {
        m_historyCommands->registerAsConsignee(id);
        // A consignee saved from the history shows up in the list at once.
        if (m_left->currentIndex() == 2)
            m_listPage->activate();
    });
    connect(m_right, &QStackedWidget::currentChanged, this, [this](int index) {
        if (index == 2 && m_started)
            m_historyPage->readHistory();
    });
    m_actions->history->setEnabled(true);
    connect(m_actions->history, &QAction::triggered, this, &MainWindow::showHistory);
    connect(m_preview->writeHistoryButton, &QPushButton::clicked, this, &MainWindow::writeHistoryForPreview);
}

void MainWindow::showHistory()
{
    if (!m_started)
        return;
    {
        // No page switch: the record and the preview stay as they are.
        const QSignalBlocker block(m_left);
        m_left->setCurrentIndex(2);
    }
    m_listPage->activate();
    if (m_right->currentIndex() == 2)
        m_historyPage->readHistory();
    else
        m_right->setCurrentIndex(2); // read on the change
}

bool MainWindow::writeHistoryForPreview()
{
    if (!m_started)
        return false;
    if (m_left->currentIndex() == 0)
        m_record.setSlot(7, QString());
    if (!writeHistoryRow())
        return false;
    ShowNotice("確認", "送信記録を登録しました", this);
    return true;
}
