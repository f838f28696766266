#pragma once
// The main window. It owns the program-wide state (edition, folders, the one
// layout, the print record, the options, the database connection, the printer)
// and wires the pages together; each page is its own class in its subsystem's
// folder.

#include "core/addressbook/RecordAssembly.h"
#include "core/settings/AppFolders.h"
#include "core/settings/EditionProfile.h"
#include "core/settings/OptionsFile.h"
#include "core/data/Database.h"
#include "core/import/CsvImporter.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"
#include "ui/printing/PrintJob.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class ConsigneeCommands;
class HistoryCommands;
class HistoryPage;
class HistoryEditDialog;
class ConsigneeListPage;
class EditingDialogs;
class HelpCommands;
class PhraseStore;
class SenderList;
class PhraseListDialog;
class SenderSearchDialog;
class ItemChangeDialog;
class MainActions;
class PreviewPage;
class PrintSettingsPage;
class LayoutEditorPage;
class QLabel;
class QPrinter;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class TopBar;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Window creation: chooses the edition from exeName, prepares the folders
    // under appDataRoot and applies the edition's profile.
    MainWindow(const QString &programDir, const QString &exeName, const QString &appDataRoot,
             QWidget *parent = nullptr);
    ~MainWindow() override;

    const ProgramFolders &folders() const { return m_folders; }
    int editionCode() const { return m_folders.editionCode; }
    const EditionProfile &profile() const { return m_profile; }
    StyleData &style() { return m_style; }
    PrintRecord &record() { return m_record; }
    QPrinter &printer();
    Database &database() { return m_db; }
    PreviewPage *previewPage() const { return m_preview; }
    TopBar *topBar() const { return m_topBar; }
    PrintSettingsPage *printSettingsPage() const { return m_settingsPage; }
    LayoutEditorPage *layoutEditorPage() const { return m_editorPage; }
    MainActions *actions() const { return m_actions; }
    HelpCommands *helpCommands() const { return m_help; }
    QTabWidget *leftPages() const { return m_left; }
    ConsigneeListPage *consigneeListPage() const { return m_listPage; }
    SenderList *senderList() const { return m_senderList; }
    PhraseListDialog *phraseList() const { return m_phraseList; }
    ItemChangeDialog *itemSelect() const { return m_itemSelect; }
    SenderSearchDialog *senderSearch() const { return m_senderSearch; }
    ConsigneeCommands *consigneeCommands() const { return m_consigneeCommands; }
    // The consignee, single-print, sender and postal-code editors.
    // The editing dialogs, made on first use.
    EditingDialogs *editors();
    // The history page (historyPage), its edit dialog and its reprint and registration commands.
    HistoryPage *historyPage() const { return m_historyPage; }
    HistoryEditDialog *historyEdit() const { return m_historyEdit; }
    HistoryCommands *historyCommands() const { return m_historyCommands; }
    // rightPages: 0 preview, 1 empty (consignee list), 2 history.
    QStackedWidget *rightPages() const { return m_right; }
    // "送付履歴" (F8): the history and the consignee list become the
    // active pages without the page switch, then the history is read.
    void showHistory();
    // "履歴を書き込む": one history row of the record on the preview; on the
    // print-settings page the row is linked to no consignee.
    bool writeHistoryForPreview();

    QString addressDbPath() const { return m_folders.addressDb(); }
    QString membersDbPath() const { return m_folders.membersDb(); }
    QString zipcodeDbPath() const { return m_folders.dataDir + "/zipcode.db3"; }
    QString optionsFilePath() const;
    QString printerFilePath() const;
    QString windowFilePath() const;

    // True while the CSV editor runs; a close is refused meanwhile.
    void setCsvEditorRunning(bool running) { m_csvEditorRunning = running; }
    // StyleReady: false while the program (re)initialises.
    bool styleReady() const { return m_styleReady; }

    // Runs the first-show sequence now if it has not run, or the part of it
    // still waiting (it runs on the first show).
    void ensureStarted();
    // With deferred start, the first show puts in place only what the window is
    // seen with (its place and size, the page, the date, the saved options) and
    // the rest (the printer, the databases, the layout and the preview) runs as
    // soon as the event loop has mapped the window, so that it appears sooner.
    // The program asks for it; without it everything runs in the first show.
    void setDeferredStart(bool deferred) { m_deferredStart = deferred; }
    // False until the second part of the first-show sequence has begun.
    bool started() const { return m_started; }

    // currentData with the state of the window: rebuilds the record and the
    // layout's texts, and redraws the preview.
    void currentData(const QString &rd);
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
    // The page switch of the left page control (also run by the preview command).
    void switchPage();
    // currentData for the consignee list's selected row (empty without one).
    void assembleSelected();
    bool preparePrint(bool skipDialog, PrintJob::Options *options);
    // After a print job: the drawing error, or where a PDF went. False on an error.
    bool reportPrinted(const DrawResult &result);
    // Names in the status bar the PDF file a job went to; the file, or empty
    // when a printer took the job.
    QString notePdfOutput();
    void newConsignee();
    void editConsignee();
    void showListPage();
    // The consignee list as the active page, refilled by the page switch even
    // when it was already active.
    void activateListPage();
    // Opens the phrase list; true with the chosen phrase.
    bool choosePhrase(QString *phrase);
    // Paper kind 0..3: saves the layout and opens the kind's style file.
    void selectPaperKind(int kind);
    // The zoom in percent, with the menu check marks.
    void setZoom(int percent);

    // ---- Imports ------------------------------------------------------------
    // The clipboard's labelled lines into the layout's items.
    void pasteLabelledText();
    // F9: the order mail on the clipboard into the
    // single-print editor, saved, then the editor. False when nothing was pasted.
    bool pasteOrderMail();
    // Paper kind 1, the order mail paste, then the amount to collect.
    bool pasteOrderMailCashOnDelivery();
    // The CSV editor, then its result into the address book.
    CsvImportOutcome importCsv();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // ---- Window creation -------------------------------------------------
    void buildWindow();
    void connectSignals();
    void connectHelpCommands();
    void applyStyle();

    // ---- First show and shutdown ------------------------------------------
    void beginStart();
    void finishStart();
    void loadOptions();
    void saveOptions();
    void loadWindowPosition();
    void saveWindowPosition();

    // ---- Layout and preview ---------------------------------------------
    void openDefaultStyle();
    void measurePrinter();
    void redrawPreview();
    void headerValuesChanged();
    void printDateChanged();
    void readSenders();
    int selectedSenderId() const;
    AssemblyOptions assemblyOptions() const;
    void paperSetup();
    bool writeHistoryRow();

    void fixedItemPhrase(int n);
    void connectAddressBook();
    void connectEditors();
    void editPreviewedWaybill();
    void editSender(bool newSender);
    void connectHistory();
    void connectImports();
    bool orderMailPaste(const QString &mailText);

    ProgramFolders m_folders;
    EditionProfile m_profile;
    StyleData m_style;
    PrintRecord m_record;
    MainOptions m_options;
    Database m_db;
    std::unique_ptr<RecordAssembly> m_assembly;
    std::unique_ptr<QPrinter> m_printer;
    QString m_defaultStyleFile;
    // The PDF printed to when the machine has no printer; replaced without a
    // question by every print that goes there.
    QString m_automaticPdfPath;

    MainActions *m_actions = nullptr;
    TopBar *m_topBar = nullptr;
    QSplitter *m_splitter = nullptr;
    QTabWidget *m_left = nullptr;
    QStackedWidget *m_right = nullptr;
    PrintSettingsPage *m_settingsPage = nullptr;
    LayoutEditorPage *m_editorPage = nullptr;
    PreviewPage *m_preview = nullptr;
    QLabel *m_styleFileLabel = nullptr;
    HelpCommands *m_help = nullptr;
    ConsigneeListPage *m_listPage = nullptr;
    SenderList *m_senderList = nullptr;
    std::unique_ptr<PhraseStore> m_phrases;
    PhraseListDialog *m_phraseList = nullptr;
    ItemChangeDialog *m_itemSelect = nullptr;
    SenderSearchDialog *m_senderSearch = nullptr;
    ConsigneeCommands *m_consigneeCommands = nullptr;
    EditingDialogs *m_editors = nullptr;
    std::function<EditingDialogs *()> m_makeEditors;
    HistoryPage *m_historyPage = nullptr;
    HistoryEditDialog *m_historyEdit = nullptr;
    HistoryCommands *m_historyCommands = nullptr;

    bool m_startBegun = false;
    bool m_started = false;
    bool m_deferredStart = false;
    bool m_styleReady = false;
    bool m_csvEditorRunning = false;
    int m_zipConvOption = 0;
    QString m_lastDrawError;
};
