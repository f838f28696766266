#include "ui/import/ImportCommands.h"

#include "core/import/LabelledTextPaste.h"
#include "core/import/OrderMailPaste.h"
#include "ui/addressbook/AddressBookCommands.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/SenderList.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "ui/common/ShowNotice.h"
#include "ui/editor/LayoutEditorPage.h"
#include "ui/import/CsvImportProgressDialog.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainPages.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/WaybillView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>

namespace {

QString ClipboardText()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

} // namespace

ImportCommands::ImportCommands(ProgramState &state, MainPages &pages, WaybillView &view,
                               AddressBookCommands &addressBook, QObject *parent)
    : QObject(parent), m_state(state), m_pages(pages), m_view(view), m_addressBook(addressBook)
{
}

void ImportCommands::connectActions()
{
    MainActions *a = m_pages.actions;
    for (QAction *action : {a->fromClip, a->orderMailPaste, a->orderMailPasteCashOnDelivery, a->csvImport})
        action->setEnabled(true);
    connect(a->fromClip, &QAction::triggered, this, [this] { pasteLabelledText(); });
    connect(a->orderMailPaste, &QAction::triggered, this, [this] { pasteOrderMail(); });
    connect(a->orderMailPasteCashOnDelivery, &QAction::triggered, this, [this] { pasteOrderMailCashOnDelivery(); });
    connect(a->csvImport, &QAction::triggered, this, [this] { importCsv(); });
}

void ImportCommands::pasteLabelledText()
{
    if (!m_state.started)
        return;
    const QVector<ItemText> changes = LabelledTextChanges(ClipboardText());
    LayoutEditorPage *editor = m_pages.editor;
    ApplyItemTexts(m_state.style, changes, [editor](int id) { editor->selectField(id); });
    // The panel shows the last item with the text it has now.
    if (!changes.isEmpty())
        editor->selectField(changes.last().id);
    m_view.redraw();
}

bool ImportCommands::orderMailPaste(const QString &mailText)
{
    SingleDataDialog *editor = m_addressBook.editors()->singleDataDialog();
    OrderMailOptions options;
    options.keepPrefecture = m_state.zipConvOption == 0;
    const OrderMailResult result = ParseOrderMail(mailText, options);
    if (!result.ok) {
        ShowNotice("確認", result.notice, m_pages.window);
        return false;
    }
    // The record keeps the single-print data as saved in the slots no box
    // holds; the mail's consignee is no consignee of the address book, so the
    // record names none and its history row is no earlier consignee's.
    if (!editor->reload())
        return false;
    m_state.record.setSlot(7, QString()); // the consignee identifier
    editor->boxes->load(result.boxes);
    if (!editor->storeAndSave())
        return false;
    editor->exec();
    m_pages.preview->redraw();
    return true;
}

bool ImportCommands::pasteOrderMail()
{
    if (!m_state.started)
        return false;
    return orderMailPaste(ClipboardText());
}

bool ImportCommands::pasteOrderMailCashOnDelivery()
{
    if (!m_state.started)
        return false;
    m_view.selectPaperKind(1);
    const bool pasted = orderMailPaste(ClipboardText());
    // The amount is asked for even when the mail was not understood: the
    // cash-on-delivery form needs it either way.
    bool ok = false;
    const QString amount = QInputDialog::getText(m_pages.window, QApplication::applicationDisplayName(), "引換金入力",
                                                 QLineEdit::Normal, QString(), &ok);
    if (ok) {
        m_pages.editor->selectField(35);
        m_state.style.setItemText(35, amount);
        m_pages.editor->selectField(35);
        m_view.redraw();
    }
    return pasted;
}

CsvImportOutcome ImportCommands::importCsv()
{
    CsvImportOutcome outcome;
    if (!m_state.started)
        return outcome;
    m_view.activateListPage();

    CsvImportTarget target;
    target.addressDbPath = m_state.addressDbPath();
    target.membersDbPath = m_state.membersDbPath();
    target.editionCode = m_state.editionCode();
    const int sender = m_pages.senders->selectedSenderId();
    if (sender > 0)
        target.senderId = QString::number(sender);
    {
        // Gone before the closing notice opens.
        CsvImportProgressDialog progress(m_pages.window);
        outcome = RunCsvEditorImport(
            m_state.db, m_state.folders.programDir, m_state.folders.workDir, target,
            [this](bool running) { m_state.csvEditorRunning = running; },
            [&progress](int done, int total) { return progress.report(done, total); });
    }
    switch (outcome.status) {
    case CsvImportOutcome::NoFile:
        break;
    case CsvImportOutcome::Imported:
        ShowNotice("確認", outcome.notice, m_pages.window);
        m_pages.list->readConsignees();
        break;
    case CsvImportOutcome::EditorMissing:
    case CsvImportOutcome::Aborted:
    case CsvImportOutcome::Failed:
    case CsvImportOutcome::Cancelled:
        ShowNotice("確認", outcome.notice, m_pages.window);
        break;
    }
    return outcome;
}
