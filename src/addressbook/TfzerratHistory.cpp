// The main window's wiring of the sending history: the history page and its
// commands, the F8 command and the preview's "履歴を書き込む". Kept beside the
// history's own classes so the main window's file stays wiring of pages.

#include "addressbook/HistoryCommands.h"
#include "addressbook/HistoryPage.h"
#include "addressbook/ConsigneeListPage.h"
#include "addressbook/SenderList.h"
#include "addressbook/Tfrirekiedit.h"
#include "app/MainActions.h"
#include "app/ShowNotice.h"
#include "app/Tfzerrat.h"
#include "dialogs/EditingDialogs.h"
#include "dialogs/TFDATAEDIT.h"
#include "render/PreviewPage.h"

#include <QAction>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

// Creates the history edit dialog and the commands, and connects the page,
// F8 and the preview's button.
void Tfzerrat::connectHistory()
{
    HistoryEditContext edit;
    edit.db = &m_db;
    edit.membersDbPath = membersDbPath();
    edit.editionCode = editionCode();
    edit.rirekiRead = [this] { m_historyPage->rirekiRead(); };
    m_historyEdit = new Tfrirekiedit(edit, this);

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
            ActionPageChangeExecute();
    };
    c.openSingleDataEditor = [this] {
        editors()->dataEdit()->exec();
        redrawPreview();
    };
    c.customerEdit = [this] { return editors()->customerEdit(); };
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
            m_historyPage->rirekiRead();
    });
    m_actions->rireki->setEnabled(true);
    connect(m_actions->rireki, &QAction::triggered, this, &Tfzerrat::ActionRirekiExecute);
    connect(m_preview->Button45, &QPushButton::clicked, this, &Tfzerrat::Button45Click);
}

void Tfzerrat::ActionRirekiExecute()
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
        m_historyPage->rirekiRead();
    else
        m_right->setCurrentIndex(2); // read on the change
}

bool Tfzerrat::Button45Click()
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
