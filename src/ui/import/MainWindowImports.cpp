// The main window's imports: the labelled-text paste into the layout, the
// order mail paste into the single-print editor, and the CSV import through the
// CSV editor. The cutting and the database work live in the core; this file
// only moves their results between the clipboard, the dialogs and the pages.

#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/main/MainActions.h"
#include "ui/common/ShowNotice.h"
#include "ui/main/MainWindow.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/editor/LayoutEditorPage.h"
#include "ui/import/CsvImportProgressDialog.h"
#include "core/import/CsvImporter.h"
#include "core/import/LabelledTextPaste.h"
#include "core/import/OrderMailPaste.h"
#include "ui/preview/PreviewPage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QTabWidget>

namespace {

QString ClipboardText()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

OrderMailBoxes BoxesOf(const SingleDataDialog &editor)
{
    OrderMailBoxes b;
    b.z_goods1 = editor.z_goods[0]->text();
    b.x_tel1 = editor.x_tel1->text();
    b.x_tel2 = editor.x_tel2->text();
    b.x_tel3 = editor.x_tel3->text();
    b.x_namae = editor.x_namae->text();
    b.x_YUBIN1 = editor.x_YUBIN1->text();
    b.x_YUBIN2 = editor.x_YUBIN2->text();
    b.x_address1 = editor.x_address1->text();
    return b;
}

void PutBoxes(SingleDataDialog &editor, const OrderMailBoxes &b)
{
    editor.z_goods[0]->setText(b.z_goods1);
    editor.x_tel1->setText(b.x_tel1);
    editor.x_tel2->setText(b.x_tel2);
    editor.x_tel3->setText(b.x_tel3);
    editor.x_namae->setText(b.x_namae);
    editor.x_YUBIN1->setText(b.x_YUBIN1);
    editor.x_YUBIN2->setText(b.x_YUBIN2);
    editor.x_address1->setText(b.x_address1);
}

} // namespace

void MainWindow::connectImports()
{
    MainActions *a = m_actions;
    for (QAction *action : {a->fromClip, a->orderMailPaste, a->orderMailPasteCashOnDelivery, a->csvImport})
        action->setEnabled(true);
    connect(a->fromClip, &QAction::triggered, this, [this] { pasteLabelledText(); });
    connect(a->orderMailPaste, &QAction::triggered, this, [this] { pasteOrderMail(); });
    connect(a->orderMailPasteCashOnDelivery, &QAction::triggered, this, [this] { pasteOrderMailCashOnDelivery(); });
    connect(a->csvImport, &QAction::triggered, this, [this] { importCsv(); });
}

void MainWindow::pasteLabelledText()
{
    if (!m_started)
        return;
    const QVector<ItemText> changes = LabelledTextChanges(ClipboardText());
    ApplyItemTexts(m_style, changes, [this](int id) { m_editorPage->selectField(id); });
    // The panel shows the last item with the text it has now.
    if (!changes.isEmpty())
        m_editorPage->selectField(changes.last().id);
    redrawPreview();
}

bool MainWindow::orderMailPaste(const QString &mailText)
{
    SingleDataDialog *editor = editors()->singleDataDialog();
    // The boxes the paste does not write are stored back with it: they must
    // hold the single-print data as saved, not what an earlier opening left
    // (or nothing, when the editor has not been opened yet).
    if (!editor->reload())
        return false;

    OrderMailOptions options;
    options.keepPrefecture = m_zipConvOption == 0;
    const OrderMailResult result = ParseOrderMail(mailText, BoxesOf(*editor), options);
    if (!result.ok) {
        ShowNotice("確認", result.notice, this);
        return false;
    }
    PutBoxes(*editor, result.boxes);
    if (!editor->storeAndSave())
        return false;
    editor->exec();
    m_preview->redraw();
    return true;
}

bool MainWindow::pasteOrderMail()
{
    if (!m_started)
        return false;
    return orderMailPaste(ClipboardText());
}

bool MainWindow::pasteOrderMailCashOnDelivery()
{
    if (!m_started)
        return false;
    selectPaperKind(1);
    const bool pasted = orderMailPaste(ClipboardText());
    // The amount is asked for even when the mail was not understood: the
    // cash-on-delivery form needs it either way.
    bool ok = false;
    const QString amount = QInputDialog::getText(this, QApplication::applicationDisplayName(), "引換金入力",
                                                 QLineEdit::Normal, QString(), &ok);
    if (ok) {
        m_editorPage->selectField(35);
        m_style.setItemText(35, amount);
        m_editorPage->selectField(35);
        redrawPreview();
    }
    return pasted;
}

CsvImportOutcome MainWindow::importCsv()
{
    CsvImportOutcome outcome;
    if (!m_started)
        return outcome;
    activateListPage();

    CsvImportTarget target;
    target.addressDbPath = addressDbPath();
    target.membersDbPath = membersDbPath();
    target.editionCode = editionCode();
    const int sender = selectedSenderId();
    if (sender > 0)
        target.senderId = QString::number(sender);
    {
        // Gone before the closing notice opens.
        CsvImportProgressDialog progress(this);
        outcome = RunCsvEditorImport(
            m_db, m_folders.programDir, m_folders.workDir, target,
            [this](bool running) { setCsvEditorRunning(running); },
            [&progress](int done, int total) { return progress.report(done, total); });
    }
    switch (outcome.status) {
    case CsvImportOutcome::NoFile:
        break;
    case CsvImportOutcome::Imported:
        ShowNotice("確認", outcome.notice, this);
        m_listPage->readConsignees();
        break;
    case CsvImportOutcome::EditorMissing:
    case CsvImportOutcome::Aborted:
    case CsvImportOutcome::Failed:
    case CsvImportOutcome::Cancelled:
        ShowNotice("確認", outcome.notice, this);
        break;
    }
    return outcome;
}
