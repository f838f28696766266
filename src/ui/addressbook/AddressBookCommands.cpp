#include "ui/addressbook/AddressBookCommands.h"

#include "core/addressbook/ConsigneeCsv.h"
#include "core/addressbook/PhraseStore.h"
#include "core/addressbook/CheckedConsignees.h"
#include "ui/addressbook/ConsigneeCommands.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "ui/addressbook/PostalCheckDialog.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/ItemChangeDialog.h"
#include "ui/addressbook/PhraseListDialog.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "ui/addressbook/SenderDialog.h"
#include "ui/addressbook/SenderList.h"
#include "ui/addressbook/SenderSearchDialog.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/common/ShowNotice.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainPages.h"
#include "ui/main/ProgramState.h"
#include "ui/postal/PostalGuideDialog.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/WaybillView.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

AddressBookCommands::AddressBookCommands(ProgramState &state, MainPages &pages, WaybillView &view,
                                         std::function<void()> printSingle, QObject *parent)
    : QObject(parent), m_state(state), m_pages(pages), m_view(view), m_printSingle(std::move(printSingle))
{
    m_phrases = std::make_unique<PhraseStore>(m_state.db, m_state.membersDbPath());
    chooseExportFile = CsvExportFileDialog(m_pages.window);
}

AddressBookCommands::~AddressBookCommands() = default;

void AddressBookCommands::applyProfile()
{
    if (m_phraseList)
        m_phraseList->setTitle(m_state.profile.itemListCaption);
}

// The dialogs below are made when first wanted: the window need not wait for them.
PhraseListDialog *AddressBookCommands::phraseList()
{
    if (!m_phraseList) {
        m_phraseList = new PhraseListDialog(*m_phrases, m_pages.window);
        m_phraseList->setTitle(m_state.profile.itemListCaption);
    }
    return m_phraseList;
}

ItemChangeDialog *AddressBookCommands::itemChangeDialog()
{
    if (!m_itemChange) {
        m_itemChange = new ItemChangeDialog(m_state.editionCode(), m_pages.window);
        m_itemChange->setPhraseChooser([this](QString *phrase) { return choosePhrase(phrase); });
    }
    return m_itemChange;
}

SenderSearchDialog *AddressBookCommands::senderSearch()
{
    if (!m_senderSearch) {
        m_senderSearch = new SenderSearchDialog(m_pages.window);
        m_senderSearch->setRows(m_pages.senders->rows());
    }
    return m_senderSearch;
}

EditingDialogs *AddressBookCommands::editors()
{
    // Made when first wanted, which is at the latest the end of the first
    // show: making their controls is work the window need not wait for.
    if (m_editors)
        return m_editors;
    EditorContext c;
    c.db = &m_state.db;
    c.editionCode = m_state.editionCode();
    c.programDir = m_state.folders.programDir;
    c.workDir = m_state.folders.workDir;
    c.addressDbPath = m_state.addressDbPath();
    c.membersDbPath = m_state.membersDbPath();
    c.zipcodeDbPath = m_state.zipcodeDbPath();
    c.postalTable = [this] { return m_state.postalTable.waitForTable(); };
    c.record = &m_state.record;
    c.zipConvOption = [this] { return m_state.zipConvOption; };
    c.senderRows = [this] { return m_pages.senders->rows(); };
    c.selectedSenderId = [this] { return m_pages.senders->selectedSenderId(); };
    c.choosePhrase = [this](QString *phrase) { return choosePhrase(phrase); };
    c.redrawPreview = [this] { m_view.redraw(); };
    c.readConsignees = [this] { m_pages.list->readConsignees(); };
    c.currentData = [this](const QString &rd) { m_view.currentData(rd); };
    c.printSingle = m_printSingle;
    m_editors = new EditingDialogs(c, m_pages.window);
    // The postal-code check follows a table imported through the guide.
    connect(m_editors->zipGuide(), &PostalGuideDialog::tableReplaced, this,
            [this] { m_state.postalTable.load(m_state.zipcodeDbPath()); });
    return m_editors;
}

void AddressBookCommands::connectActions()
{
    ConsigneeCommandContext c;
    c.db = &m_state.db;
    c.addressDb = m_state.addressDbPath();
    c.membersDb = m_state.membersDbPath();
    c.editionCode = m_state.editionCode();
    c.blockCaption = m_state.profile.group1Caption;
    c.senderGroupCaption = m_state.profile.senderFrameCaption;
    c.fixedItemsOn = [this] { return m_pages.settings->fixedItemsBox->isChecked(); };
    c.fixedItemsCaption = [this] { return m_pages.settings->fixedItemsBox->text(); };
    c.selectedSenderId = [this] { return m_pages.senders->selectedSenderId(); };
    c.senderRows = [this] { return m_pages.senders->rows(); };
    c.activatePage = [this] { m_view.activateListPage(); };
    c.assembleSelected = [this] { m_view.assembleSelected(); };
    m_consigneeCommands = new ConsigneeCommands(
        m_pages.list, [this] { return itemChangeDialog(); }, [this] { return senderSearch(); }, c, this);

    MainActions *a = m_pages.actions;
    for (QAction *action : {a->print2, a->selectAll, a->cancelAll, a->itemChange, a->deleteChecked, a->consigneeList,
                            a->phraseList, a->previewEdit, a->zipGuide, a->newConsignee, a->editConsignee,
                            a->exportConsignees, a->checkPostalCodes})
        action->setEnabled(true);
    m_pages.list->setContextActions(
        {a->selectAll, a->cancelAll, nullptr, a->newConsignee, a->editConsignee, a->itemChange, a->deleteChecked,
         nullptr, a->exportConsignees, a->checkPostalCodes});
    m_pages.list->newConsigneeButton->setDefaultAction(a->newConsignee);
    m_pages.list->editConsigneeButton->setDefaultAction(a->editConsignee);
    connect(a->selectAll, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::selectAll);
    connect(a->cancelAll, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::cancelAll);
    connect(a->itemChange, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::itemChange);
    connect(a->deleteChecked, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::deleteChecked);
    connect(a->consigneeList, &QAction::triggered, this, [this] { m_pages.left->setCurrentIndex(MainPages::ListPage); });
    connect(a->phraseList, &QAction::triggered, this, [this] { choosePhrase(nullptr); });
    connect(m_pages.list, &ConsigneeListPage::senderFilterRequested, m_consigneeCommands,
            &ConsigneeCommands::senderFilter);
    connect(m_pages.settings, &PrintSettingsPage::fixedItemLabelClicked, this, &AddressBookCommands::fixedItemPhrase);

    connect(a->previewEdit, &QAction::triggered, this, &AddressBookCommands::editPreviewedWaybill);
    connect(m_pages.preview, &PreviewPage::pageClicked, this, &AddressBookCommands::editPreviewedWaybill);
    connect(m_pages.preview->editButton, &QPushButton::clicked, this, &AddressBookCommands::editPreviewedWaybill);
    m_pages.settings->editSenderButton->setEnabled(true);
    m_pages.settings->newSenderButton->setEnabled(true);
    connect(m_pages.settings->editSenderButton, &QPushButton::clicked, this, [this] { editSender(false); });
    connect(m_pages.settings->newSenderButton, &QPushButton::clicked, this, [this] { editSender(true); });
    connect(a->zipGuide, &QAction::triggered, this, [this] { editors()->zipGuide()->exec(); });
    connect(a->newConsignee, &QAction::triggered, this, &AddressBookCommands::newConsignee);
    connect(a->editConsignee, &QAction::triggered, this, &AddressBookCommands::editConsignee);
    connect(a->exportConsignees, &QAction::triggered, this, &AddressBookCommands::exportConsignees);
    connect(a->checkPostalCodes, &QAction::triggered, this, &AddressBookCommands::checkPostalCodes);
    connect(&m_state.postalTable, &PostalTableSource::ready, this,
            [this] { m_pages.list->model()->setPostalTable(m_state.postalTable.table()); });
    connect(m_pages.list, &ConsigneeListPage::editRequested, this, &AddressBookCommands::editConsignee);
}

bool AddressBookCommands::choosePhrase(QString *phrase)
{
    return phraseList()->choose(phrase);
}

void AddressBookCommands::fixedItemPhrase(int n)
{
    QString phrase;
    if (n < 1 || n > 4 || !choosePhrase(&phrase))
        return;
    m_pages.settings->fixitem[n - 1]->setText(phrase);
    if (m_state.started && m_pages.settings->fixedItemsBox->isChecked())
        m_view.applyFixedItems();
}

void AddressBookCommands::readSenders()
{
    m_pages.senders->readSenders();
    if (m_senderSearch)
        m_senderSearch->setRows(m_pages.senders->rows());
}

void AddressBookCommands::newConsignee()
{
    if (!m_state.started)
        return;
    m_view.showListPage();
    ConsigneeDialog *editor = editors()->consigneeDialog();
    if (editor->openNew() == QDialog::Accepted && !editor->savedId().isEmpty()) {
        // The consignee just saved is the one the user means to print next:
        // its row becomes the current one (none when a search hides it).
        m_pages.list->readConsignees();
        m_pages.list->selectId(editor->savedId());
    } else {
        // Refilled as the page switch does, so a row is selected.
        m_pages.list->activate();
    }
    m_view.assembleSelected();
}

void AddressBookCommands::editConsignee()
{
    if (!m_state.started)
        return;
    m_view.showListPage();
    const QString id = m_pages.list->selectedId();
    if (id.isEmpty())
        return;
    const int index = m_pages.list->selectedIndex();
    editors()->consigneeDialog()->openEdit(id);
    // The editor's refill drops the selection; the row is selected again
    // unless the list no longer reaches it.
    m_pages.list->selectIndex(index < m_pages.list->rowCount() ? index : -1);
    m_view.assembleSelected();
}

void AddressBookCommands::editPreviewedWaybill()
{
    if (!m_state.started)
        return;
    if (!m_pages.listPageActive()) {
        editors()->singleDataDialog()->exec();
        m_view.redraw();
        return;
    }
    const QString id = m_pages.list->selectedId();
    if (id.isEmpty()) {
        ShowNotice("確認", "左のリストから編集したい宛先を選択してください。", m_pages.window);
        return;
    }
    const int index = m_pages.list->selectedIndex();
    editors()->consigneeDialog()->openEdit(id);
    m_pages.list->selectIndex(index);
    m_view.assembleSelected();
}

// The sender list's 編　集 (newSender false) and +新規追加: the sender editor,
// then the list again with its row selected and that sender on the preview.
void AddressBookCommands::editSender(bool newSender)
{
    if (!m_state.started)
        return;
    SenderList *senders = m_pages.senders;
    const int index = senders->selectedIndex();
    QString id;
    if (!newSender) {
        if (index < 0)
            return;
        id = QString::number(senders->selectedSenderId());
    }
    editors()->senderDialog()->openFor(id);
    readSenders();
    if (newSender)
        senders->selectIndex(index);
    else
        senders->reselectAfterEdit(index);
    if (senders->rowCount() > 0)
        m_view.showSender(senders->selectedSenderId());
}

CsvExportOutcome AddressBookCommands::exportConsignees()
{
    CsvExportOutcome outcome;
    if (!m_state.started)
        return outcome;
    m_view.showListPage();
    QStringList ids = m_pages.list->checked().ids();
    if (ids.isEmpty())
        ids = m_pages.list->shownIds();
    if (ids.isEmpty()) {
        ShowNotice("確認", "書き出すお届け先がありません。", m_pages.window);
        return outcome;
    }
    const std::optional<CsvExportFile> file = chooseExportFile(m_pages.actions->exportConsignees->text(),
                                                               QStringLiteral("お届け先.csv"));
    if (!file)
        return outcome;
    return RunCsvExport(m_pages.window, m_pages.actions->exportConsignees->text(), file->encoding,
                        [this, &ids, &file](CsvOutputEncoding encoding, const CsvExportProgress &progress) {
                            return ExportConsignees(m_state.db, m_state.addressDbPath(), m_state.membersDbPath(),
                                                    m_state.editionCode(), ids, file->path, encoding, progress);
                        });
}

void AddressBookCommands::checkPostalCodes()
{
    if (!m_state.started)
        return;
    const PostalAddressTable *table = nullptr;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        table = m_state.postalTable.waitForTable();
        QGuiApplication::restoreOverrideCursor();
    }
    if (!table) {
        ShowNotice("確認", "郵便番号データがないため確認できません。\n" + m_state.zipcodeDbPath(), m_pages.window);
        return;
    }
    auto readAll = [this] {
        ConsigneeQuery query;
        query.addressDb = m_state.addressDbPath();
        query.membersDb = m_state.membersDbPath();
        return ReadConsignees(m_state.db, query, m_pages.list->checked());
    };
    auto edit = [this](const QString &id) {
        ConsigneeDialog *dialog = editors()->consigneeDialog();
        const bool saved = dialog->openEdit(id) == QDialog::Accepted;
        if (saved)
            m_view.assembleSelected();
        return saved;
    };
    m_postalCheck = new PostalCheckDialog([this] { return m_state.postalTable.waitForTable(); },
                                          m_state.profile.group1Caption, readAll, edit, m_pages.window);
    m_postalCheck->setAttribute(Qt::WA_DeleteOnClose);
    m_postalCheck->setModal(true);
    m_postalCheck->show();
}

PostalCheckDialog *AddressBookCommands::postalCheckDialog() const
{
    return m_postalCheck;
}
