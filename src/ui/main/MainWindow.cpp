#include "ui/main/MainWindow.h"

#include "ui/printing/BatchPrint.h"
#include "ui/addressbook/ConsigneeCommands.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/history/HistoryPage.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "ui/addressbook/SenderList.h"
#include "core/settings/Editions.h"
#include "ui/maintenance/HelpCommands.h"
#include "ui/main/MainActions.h"
#include "ui/main/PlaceholderPage.h"
#include "ui/common/ShowNotice.h"
#include "ui/main/TopBar.h"
#include "core/settings/WindowPlacement.h"
#include "core/settings/WindowPositionFile.h"
#include "core/history/HistoryWriter.h"
#include "core/data/StartupDatabases.h"
#include "ui/addressbook/EditingDialogs.h"
#include "core/addressbook/PhraseStore.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/postal/PostalGuideDialog.h"
#include "ui/addressbook/SenderDialog.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/PhraseListDialog.h"
#include "ui/addressbook/SenderSearchDialog.h"
#include "ui/addressbook/ItemChangeDialog.h"
#include "ui/editor/LayoutEditorPage.h"
#include "core/drawing/DrawFailureText.h"
#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"
#include "core/drawing/PdfReplaceGuard.h"
#include "ui/preview/PreviewPage.h"
#include "ui/printing/PrintJob.h"
#include "ui/printing/PrinterBinding.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

MainWindow::MainWindow(const QString &programDir, const QString &exeName, const QString &appDataRoot, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName("fzerrat");
    m_folders = PrepareProgramFolders(programDir, exeName, appDataRoot);
    m_style.setFolders(m_folders.programDir, m_folders.workDir);
    m_profile = ProfileFor(m_folders.editionCode);
    m_defaultStyleFile = m_profile.defaultStyleFile;
    // An edition without a profile has no form of its own; it starts on the
    // first paper kind and offers the paper-kind selector to change it.
    if (m_defaultStyleFile.isEmpty())
        m_defaultStyleFile = PaperKinds().front().styleFile;

    m_automaticPdfPath = m_folders.workDir + "/pdf/" + EditionFor(editionCode()).exeName + ".pdf";

    buildWindow();
    applyStyle();
    connectSignals();
    connectHelpCommands();
    setWindowTitle(QApplication::applicationDisplayName());
    resize(WindowPosition::DefaultWidth, WindowPosition::DefaultHeight);
}

MainWindow::~MainWindow() = default;

EditingDialogs *MainWindow::editors()
{
    if (!m_editors)
        m_editors = m_makeEditors();
    return m_editors;
}

// Made on first use: a QPrinter loads the print support plugin and asks the
// print system for its printers, which the window need not wait for.
QPrinter &MainWindow::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!HasSystemPrinter())
            EnsurePdfOutput(*m_printer, m_automaticPdfPath);
    }
    return *m_printer;
}

QString MainWindow::optionsFilePath() const
{
    return m_folders.workDir + "/conf/" + SettingsFileName(m_folders.exeName, ".conf");
}

QString MainWindow::printerFilePath() const
{
    return m_folders.workDir + "/conf/" + SettingsFileName(m_folders.exeName, ".prt");
}

QString MainWindow::windowFilePath() const
{
    return m_folders.workDir + "/ini/" + SettingsFileName(m_folders.exeName, ".xml");
}

// ---- Window creation --------------------------------------------------------

void MainWindow::buildWindow()
{
    m_actions = new MainActions(this);
    m_actions->buildMenus(this);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    m_topBar = new TopBar(m_actions, central);
    column->addWidget(m_topBar);

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setObjectName("pageSplitter");
    m_left = new QTabWidget(m_splitter);
    m_left->setObjectName("leftPages");
    m_left->setMinimumWidth(310);
    m_settingsPage = new PrintSettingsPage(m_left);
    // Scrolled rather than holding the window taller than the screen in the
    // edition that shows the paper-kind selector as well.
    auto *settingsScroll = new QScrollArea(m_left);
    settingsScroll->setFrameShape(QFrame::NoFrame);
    settingsScroll->setWidgetResizable(true);
    settingsScroll->setWidget(m_settingsPage);
    m_left->addTab(settingsScroll, "印刷設定");
    m_editorPage = new LayoutEditorPage(m_style, m_left);
    m_left->addTab(m_editorPage, "印刷位置調整");
    m_listPage = new ConsigneeListPage(m_db, addressDbPath(), membersDbPath(), m_left);
    m_left->addTab(m_listPage, m_profile.listPageCaption);

    m_right = new QStackedWidget(m_splitter);
    m_right->setObjectName("rightPages");
    m_preview = new PreviewPage(m_right);
    m_right->addWidget(m_preview);
    m_right->addWidget(new QWidget(m_right)); // TabAtesakilist: empty while the list is shown
    m_historyPage = new HistoryPage(m_db, membersDbPath(), editionCode(), m_profile.registerConsigneeCaption, m_right);
    m_right->addWidget(m_historyPage);
    m_splitter->addWidget(m_left);
    m_splitter->addWidget(m_right);
    m_splitter->setStretchFactor(1, 1);
    // The list page starts wide enough to show its columns (plus the tab frame).
    m_splitter->setSizes({qMax(401, m_listPage->sizeHint().width() + 8), 600});
    column->addWidget(m_splitter, 1);
    setCentralWidget(central);

    statusBar()->setObjectName("statusBar");
    // The current style file stays in view: a permanent widget is not covered
    // by temporary messages or the status tips of hovered menu entries.
    m_styleFileLabel = new QLabel(statusBar());
    m_styleFileLabel->setObjectName("styleFileLabel");
    statusBar()->addPermanentWidget(m_styleFileLabel);

    m_senderList = new SenderList(m_settingsPage->senderView, m_db, addressDbPath(), this);
    m_phrases = std::make_unique<PhraseStore>(m_db, membersDbPath());
    m_phraseList = new PhraseListDialog(*m_phrases, this);
    m_itemSelect = new ItemChangeDialog(editionCode(), this);
    m_itemSelect->setPhraseChooser([this](QString *phrase) { return choosePhrase(phrase); });
    m_senderSearch = new SenderSearchDialog(this);

    m_preview->setRenderer([this](QPainter &painter, const PreviewGeometry &g) {
        const PrinterMeasurements &m = m_preview->measurements();
        DrawContext context = DrawContext::forPreview(m.screenDpiX, m.screenDpiY, g.zoomPercent);
        context.ofxbox = m_topBar->offsetX();
        context.ofybox = m_topBar->offsetY();
        context.previewOpt1 = m_topBar->previewLocate();
        context.workDir = m_folders.workDir;
        GdiCanvas canvas(painter, g.previewDpiX, g.previewDpiY, 1.0);
        return DrawLayout(canvas, m_style, context);
    });
}

void MainWindow::applyStyle()
{
    const EditionProfile &p = m_profile;
    if (p.hasProfile)
        QApplication::setApplicationDisplayName(p.title);
    const QString images = m_folders.programDir + "/images/";
    if (!p.iconFile.isEmpty()) {
        const QIcon icon(images + p.iconFile);
        if (!icon.isNull()) {
            QApplication::setWindowIcon(icon);
            setWindowIcon(icon);
        }
    }
    m_actions->applyProfile(p);
    m_topBar->applyProfile(p, images);
    m_settingsPage->applyProfile(p);
    m_editorPage->applyProfile(p);
    m_preview->editButton->setText(p.editCaption);
    m_left->setTabText(2, p.listPageCaption);
    m_listPage->applyCaptions(p.senderSearchCaption, p.barPicture.isEmpty() ? QString() : images + p.barPicture);
    // The window starts on a page other than the consignee list.
    m_preview->setHeaderPicture(images + "bar1.bmp");
    m_phraseList->setTitle(p.itemListCaption);
}

void MainWindow::connectSignals()
{
    connect(m_actions->exit, &QAction::triggered, this, &QWidget::close);
    connect(m_actions->print1, &QAction::triggered, this, [this] { printSingle(); });
    connect(m_actions->testPrint, &QAction::triggered, this, [this] { printTest(); });
    connect(m_actions->paperSetup, &QAction::triggered, this, &MainWindow::paperSetup);
    for (QAction *kind : m_actions->paperKind)
        connect(kind, &QAction::triggered, this, [this, kind] { selectPaperKind(kind->data().toInt()); });
    connect(m_settingsPage, &PrintSettingsPage::paperKindSelected, this, &MainWindow::selectPaperKind);
    connect(m_actions->preview, &QAction::triggered, this, [this] {
        m_right->setCurrentIndex(0);
        switchPage();
    });
    for (QAction *zoom : m_actions->zoom)
        connect(zoom, &QAction::triggered, this, [this, zoom] { setZoom(zoom->data().toInt()); });
    connect(m_preview, &PreviewPage::zoomRequested, this, &MainWindow::setZoom);
    connect(m_preview, &PreviewPage::drawFailed, this, [this](const QString &message) {
        // The same failure is shown once per change, not on every repaint.
        if (message == m_lastDrawError)
            return;
        m_lastDrawError = message;
        ShowNotice("確認", message, this);
    });
    connect(m_topBar, &TopBar::headerValuesChanged, this, &MainWindow::headerValuesChanged);
    connect(m_topBar, &TopBar::previewLocateToggled, this, &MainWindow::redrawPreview);
    connect(m_topBar, &TopBar::printDateChanged, this, &MainWindow::printDateChanged);
    connect(m_settingsPage, &PrintSettingsPage::zipOptionChanged, this, [this](int index) { m_zipConvOption = index; });
    connect(m_settingsPage, &PrintSettingsPage::optionsChanged, this, [this] {
        m_assembly->applyFixedItems(assemblyOptions(), m_record, m_style);
        redrawPreview();
    });
    for (QLineEdit *box : m_settingsPage->fixitem)
        connect(box, &QLineEdit::editingFinished, this, [this] {
            if (!m_started)
                return;
            m_assembly->applyFixedItems(assemblyOptions(), m_record, m_style);
            redrawPreview();
        });
    connect(m_senderList, &SenderList::senderClicked, this, [this](int senderId) {
        if (!m_started)
            return;
        m_assembly->senderData(senderId - 1, m_record, m_style);
        redrawPreview();
    });
    connect(m_left, &QTabWidget::currentChanged, this, &MainWindow::switchPage);
    connect(m_editorPage, &LayoutEditorPage::layoutChanged, this, &MainWindow::redrawPreview);
    // A line added for a field the layout lacked gets its data at once.
    connect(m_editorPage, &LayoutEditorPage::fieldAdded, this, [this] { currentData(QString()); });
    connectAddressBook();
    connectEditors();
    connectHistory();
    connectImports();
}

// The consignee list, its commands, continuous print and the phrase list.
void MainWindow::connectAddressBook()
{
    ConsigneeCommandContext c;
    c.db = &m_db;
    c.addressDb = addressDbPath();
    c.membersDb = membersDbPath();
    c.editionCode = editionCode();
    c.blockCaption = m_profile.group1Caption;
    c.senderGroupCaption = m_profile.senderFrameCaption;
    c.fixedItemsOn = [this] { return m_settingsPage->fixedItemsBox->isChecked(); };
    c.fixedItemsCaption = [this] { return m_settingsPage->fixedItemsBox->text(); };
    c.selectedSenderId = [this] { return selectedSenderId(); };
    c.senderRows = [this] { return m_senderList->rows(); };
    c.activatePage = [this] { activateListPage(); };
    c.assembleSelected = [this] { assembleSelected(); };
    m_consigneeCommands = new ConsigneeCommands(m_listPage, m_itemSelect, m_senderSearch, c, this);

    MainActions *a = m_actions;
    for (QAction *action : {a->print2, a->selectAll, a->cancelAll, a->itemChange, a->deleteChecked, a->consigneeList,
                            a->phraseList})
        action->setEnabled(true);
    m_listPage->setContextActions({a->selectAll, a->cancelAll, nullptr, a->newConsignee, a->editConsignee, a->itemChange,
                                   a->deleteChecked});
    m_listPage->newConsigneeButton->setDefaultAction(a->newConsignee);
    m_listPage->editConsigneeButton->setDefaultAction(a->editConsignee);
    connect(a->print2, &QAction::triggered, this, [this] { printBatch(); });
    connect(a->selectAll, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::selectAll);
    connect(a->cancelAll, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::cancelAll);
    connect(a->itemChange, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::itemChange);
    connect(a->deleteChecked, &QAction::triggered, m_consigneeCommands, &ConsigneeCommands::deleteChecked);
    connect(a->consigneeList, &QAction::triggered, this, [this] { m_left->setCurrentIndex(2); });
    connect(a->phraseList, &QAction::triggered, this, [this] { choosePhrase(nullptr); });
    connect(m_listPage, &ConsigneeListPage::senderFilterRequested, m_consigneeCommands,
            &ConsigneeCommands::senderFilter);
    connect(m_listPage, &ConsigneeListPage::consigneeSelected, this, [this](const QString &id) {
        if (m_started && m_left->currentIndex() == 2)
            currentData(id);
    });
    connect(m_settingsPage, &PrintSettingsPage::fixedItemLabelClicked, this, &MainWindow::fixedItemPhrase);
}

// The Help menu. The version dialog is made at the end of the first show, after
// the profile has set the application title it shows.
void MainWindow::connectHelpCommands()
{
    m_help = new HelpCommands(this, m_folders, m_db);
    m_help->connectActions(m_actions);
    connect(m_help, &HelpCommands::databasesRestored, this, [this] {
        readSenders();
        // The consignees are the backup's now: a row left from the replaced
        // address book would lead an edit to a consignee that is not there.
        m_listPage->readConsignees();
        assembleSelected();
    });
    connect(m_help, &HelpCommands::stylesRestored, this, [this] {
        openDefaultStyle();
        currentData(QString());
    });
}

// ---- First show -------------------------------------------------------------

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_startBegun)
        return;
    beginStart();
    if (!m_deferredStart) {
        finishStart();
        return;
    }
    // Runs once the event loop has mapped the window. A window closed before
    // then never started, as one that was never shown.
    QTimer::singleShot(0, this, [this] {
        if (!m_started && isVisible())
            finishStart();
    });
}

void MainWindow::ensureStarted()
{
    if (!m_startBegun)
        beginStart();
    if (!m_started)
        finishStart();
}

// The part of the first show the window is seen with: its place and size, the
// page shown, the date and the saved options' boxes. Quick, and without the
// printer or the databases.
void MainWindow::beginStart()
{
    m_startBegun = true;
    m_topBar->setPrintDate(QDate::currentDate());
    m_settingsPage->yenMarkBox->setChecked(false);
    m_settingsPage->noHistoryBox->setChecked(false);
    m_right->setCurrentIndex(0);
    {
        const QSignalBlocker block(m_left);
        m_left->setCurrentIndex(1);
    }
    loadOptions();
    loadWindowPosition();
}

// The rest of the first show: the printer, the databases, the layout and the
// data it shows.
void MainWindow::finishStart()
{
    m_started = true;
    // A failing step is reported and start-up goes on: a half-made window with
    // no explanation helps nobody, and most steps do not depend on each other.
    QString error;
    if (DevModeLoadFromFile(printerFilePath(), printer(), &error) == PrinterFileStatus::ReadError)
        ShowNotice("確認", "プリンタ設定ファイルを読み込めませんでした。\n" + printerFilePath() + "\n" + error, this);
    measurePrinter();

    const StartupDatabasePaths databases{addressDbPath(), membersDbPath(), zipcodeDbPath(),
                                         m_folders.programDir + "/databaseXe2/zipcode.db3"};
    for (const QString &notice : OpenStartupDatabases(m_db, databases))
        ShowNotice("確認", notice, this);
    m_assembly = std::make_unique<RecordAssembly>(
        m_db, AssemblySources{addressDbPath(), membersDbPath(), SingleDataPath(m_folders.workDir), editionCode()});
    readSenders();

    openDefaultStyle();
    for (int n = 0; n <= 120; ++n)
        m_style.setItemText(n, QString());
    editors()->singleDataDialog()->edit_set();
    editors()->senderDialog()->loadSender();

    m_topBar->setPrintDate(QDate::currentDate());
    m_zipConvOption = m_settingsPage->zipConvOption();
    m_styleReady = true;
    currentData(QString());
    setZoom(100);
    measurePrinter();
    m_preview->setReady(true);
    m_help->versionDialog();
}

void MainWindow::loadOptions()
{
    MainOptions options;
    ReadOptionsFile(optionsFilePath(), options);
    m_options = options;
    m_settingsPage->showOptions(options);
    m_topBar->setCopies(qBound(1, options.copies, 1000));
    m_topBar->setPreviewLocate(options.previewLocate);
    m_topBar->setPrintDateOff(options.datePrint);
}

void MainWindow::saveOptions()
{
    m_settingsPage->readOptions(m_options);
    m_options.copies = m_topBar->copies();
    m_options.previewLocate = m_topBar->previewLocate();
    m_options.datePrint = m_topBar->printDateOff();
    QString error;
    if (!WriteOptionsFile(optionsFilePath(), m_options, &error))
        ShowNotice("確認", "設定ファイルを保存できませんでした。\n" + optionsFilePath() + "\n" + error, this);
}

void MainWindow::loadWindowPosition()
{
    WindowPosition p;
    ReadWindowPositionFile(windowFilePath(), p);
    // The file may come from a screen that is no longer there.
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect outer = PlaceWindowOnScreens(QRect(p.left, p.top, qMax(p.width, 400), qMax(p.height, 300)), screens);
    // The file holds the outer bounds; the frame's decorations are not part of
    // the size a widget is given.
    const QSize frame = frameGeometry().size() - size();
    resize(outer.width() - qMax(frame.width(), 0), outer.height() - qMax(frame.height(), 0));
    move(outer.topLeft());
}

void MainWindow::saveWindowPosition()
{
    const QRect frame = frameGeometry();
    QString error;
    if (!WriteWindowPositionFile(windowFilePath(), m_folders.exeName, {frame.width(), frame.height(), frame.top(), frame.left()},
                                 &error))
        ShowNotice("確認", "ウィンドウの位置を保存できませんでした。\n" + error, this);
}

// ---- Shutdown ---------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_csvEditorRunning) {
        ShowNotice("確認", "CSV取込画面を先に閉じてください。", this);
        saveWindowPosition();
        event->ignore();
        return;
    }
    saveWindowPosition();
    if (m_started) {
        m_style.window.ofxbox = m_topBar->offsetX();
        m_style.window.ofybox = m_topBar->offsetY();
        m_style.window.splitterPosition = m_splitter->sizes().value(0);
        m_style.window.copies = m_topBar->copies();
        const LayoutStatus saved = m_style.SaveStyleFile();
        if (!saved)
            ShowNotice("確認", saved.message, this);
        saveOptions();
    }
    event->accept();
}

// ---- Layout and preview -----------------------------------------------------

void MainWindow::openDefaultStyle()
{
    m_style.NewStyle();
    // The editor's selection named a line of the old layout.
    m_editorPage->layoutLoaded();
    if (m_defaultStyleFile.isEmpty())
        return;
    const LayoutStatus status = m_style.OpenStyle(m_folders.workDir + "/style/" + m_defaultStyleFile);
    if (!status)
        ShowNotice("確認", status.message, this);
    m_topBar->setOffsets(m_style.window.ofxbox, m_style.window.ofybox);
    m_styleFileLabel->setText(m_style.CurrentStyleFile);
    m_lastDrawError.clear();
}

void MainWindow::measurePrinter()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int dpiX = screen ? int(screen->logicalDotsPerInchX()) : 96;
    const int dpiY = screen ? int(screen->logicalDotsPerInchY()) : 96;
    m_preview->setMeasurements(MeasurePrinter(printer(), dpiX, dpiY));
}

void MainWindow::redrawPreview()
{
    m_lastDrawError.clear();
    m_preview->redraw();
}

void MainWindow::setZoom(int percent)
{
    m_style.window.zoomPercent = percent;
    for (QAction *zoom : m_actions->zoom)
        zoom->setChecked(zoom->data().toInt() == percent);
    m_preview->setZoom(percent);
}

void MainWindow::headerValuesChanged()
{
    m_style.window.ofxbox = m_topBar->offsetX();
    m_style.window.ofybox = m_topBar->offsetY();
    m_style.window.copies = m_topBar->copies();
    m_style.window.splitterPosition = m_splitter->sizes().value(0);
    m_style.WriteStyleHeader();
    redrawPreview();
}

void MainWindow::printDateChanged()
{
    TransferPrintDate(m_style, m_topBar->printDate(), m_topBar->printDateOff());
    redrawPreview();
}

void MainWindow::readSenders()
{
    m_senderList->readSenders();
    m_senderSearch->setRows(m_senderList->rows());
}

int MainWindow::selectedSenderId() const
{
    return m_senderList->selectedSenderId();
}

AssemblyOptions MainWindow::assemblyOptions() const
{
    AssemblyOptions o;
    o.listPageActive = m_left->currentIndex() == 2;
    o.selectedSenderId = selectedSenderId();
    o.itemFix = m_settingsPage->fixedItemsBox->isChecked();
    for (int i = 0; i < 4; ++i)
        o.fixItem[i] = m_settingsPage->fixitem[i]->text();
    o.fixKingaku = m_settingsPage->fixkingaku->text();
    o.yenMark = m_settingsPage->yenMarkBox->isChecked();
    o.printDate = m_topBar->printDate();
    o.printDateOff = m_topBar->printDateOff();
    return o;
}

void MainWindow::currentData(const QString &rd)
{
    if (!m_assembly)
        return;
    m_assembly->currentData(rd, assemblyOptions(), m_record, m_style);
    m_right->setCurrentIndex(0);
    redrawPreview();
}

void MainWindow::selectPaperKind(int kind)
{
    m_styleReady = false;
    m_preview->setReady(false);
    m_style.SaveStyleFile();
    for (const PaperKindInfo &info : PaperKinds())
        if (info.kind == kind) {
            m_defaultStyleFile = info.styleFile;
            m_settingsPage->showPaperKind(kind);
        }
    openDefaultStyle();
    currentData(QString());
    m_styleReady = true;
    m_preview->setReady(true);
}

void MainWindow::paperSetup()
{
    if (QFileInfo::exists(printerFilePath()))
        DevModeLoadFromFile(printerFilePath(), printer());
    // Paper and orientation only: nothing is printed, so no output file is asked about.
    QPageSetupDialog dialog(&printer(), this);
    dialog.setWindowTitle("用紙設定");
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!DevModeSaveToFile(printerFilePath(), printer(), &error))
        ShowNotice("確認", "プリンタ設定を保存できませんでした。\n" + error, this);
    measurePrinter();
    redrawPreview();
}

// What single and continuous print share before the first page: the PDF
// folder, the printer dialog (unless skipped), fresh measurements, the printer
// settings file when it is missing, and the job options from the window.
bool MainWindow::preparePrint(bool skipDialog, PrintJob::Options *options)
{
    // The printer dialog refuses an output file whose folder does not exist,
    // so the PDF folder must be there before it opens.
    if (printer().outputFormat() == QPrinter::PdfFormat)
        QDir().mkpath(QFileInfo(printer().outputFileName()).path());
    if (!skipDialog) {
        QPrintDialog dialog(&printer(), this);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        ShowWholeOutputFileName(dialog);
        PdfReplaceGuard previousPdf(printer().outputFileName(), m_automaticPdfPath);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        previousPdf.finish(accepted, printer().outputFileName());
        if (!accepted)
            return false;
    }
    measurePrinter();
    redrawPreview();
    if (!QFileInfo::exists(printerFilePath()))
        DevModeSaveToFile(printerFilePath(), printer());

    const PrinterMeasurements &m = m_preview->measurements();
    *options = {};
    options->zoomPercent = m_preview->zoom();
    options->screenDpiX = m.screenDpiX;
    options->screenDpiY = m.screenDpiY;
    options->ofxbox = m_topBar->offsetX();
    options->ofybox = m_topBar->offsetY();
    options->workDir = m_folders.workDir;
    return true;
}

bool MainWindow::printSingle(bool skipDialog)
{
    PrintJob::Options options;
    if (!preparePrint(skipDialog, &options))
        return false;
    const int copies = m_topBar->copies();
    DrawResult result;
    if (!printer().outputFileName().isEmpty()) {
        // Every job written to a file replaces the file: all copies go into one
        // job, or only the last copy would be left.
        options.copies = copies;
        result = PrintJob::print(printer(), m_style.lines(), options);
    } else {
        // A printer gets one single-page job per copy, as the forms are fed one by one.
        options.copies = 1;
        for (int copy = 0; copy < copies && result.ok; ++copy)
            result = PrintJob::print(printer(), m_style.lines(), options);
    }
    if (!reportPrinted(result))
        return false;
    if (!m_settingsPage->noHistoryBox->isChecked())
        writeHistoryRow();
    return true;
}

bool MainWindow::reportPrinted(const DrawResult &result)
{
    if (!result.ok) {
        ShowNotice("確認", DrawFailureNotice(result, m_style.CurrentStyleFile), this);
        return false;
    }
    notePdfOutput();
    return true;
}

QString MainWindow::notePdfOutput()
{
    const QString pdf = printer().outputFileName();
    if (!pdf.isEmpty())
        statusBar()->showMessage("PDFファイルに印刷しました: " + pdf);
    return pdf;
}

bool MainWindow::printTest(bool skipDialog)
{
    PrintJob::Options options;
    if (!preparePrint(skipDialog, &options))
        return false;
    // One plain sheet whatever the copies box says, and no history row: no
    // waybill was sent.
    options.testPrint = true;
    return reportPrinted(PrintJob::print(printer(), m_style.lines(), options));
}

void MainWindow::switchPage()
{
    if (!m_started)
        return;
    m_styleReady = false;
    const QString images = m_folders.programDir + "/images/";
    if (m_left->currentIndex() == 2) {
        m_listPage->activate();
        m_preview->setHeaderPicture(m_profile.barPicture.isEmpty() ? QString() : images + m_profile.barPicture);
        assembleSelected();
    } else {
        m_preview->setHeaderPicture(images + "bar1.bmp");
        currentData(QString());
    }
    m_styleReady = true;
    m_preview->setReady(true);
}

void MainWindow::assembleSelected()
{
    currentData(m_listPage->selectedId());
}

bool MainWindow::choosePhrase(QString *phrase)
{
    return m_phraseList->choose(phrase);
}

void MainWindow::fixedItemPhrase(int n)
{
    QString phrase;
    if (n < 1 || n > 4 || !choosePhrase(&phrase))
        return;
    m_settingsPage->fixitem[n - 1]->setText(phrase);
    if (m_started && m_settingsPage->fixedItemsBox->isChecked()) {
        m_assembly->applyFixedItems(assemblyOptions(), m_record, m_style);
        redrawPreview();
    }
}

bool MainWindow::printBatch(bool skipDialog)
{
    // The record assembly reads a consignee only while the consignee list is
    // the active page; started from another page, every page would carry the
    // single-print waybill instead of the ticked consignees.
    showListPage();
    if (m_left->currentIndex() != 2) {
        ShowNotice("確認", m_profile.listPageCaption + "を表示できないため、" + m_actions->print2->text() + "を中止しました。",
                   this);
        return false;
    }
    const QString emptyMessage = m_profile.group1Caption + "リストで印刷したいデータにチェックを入れてください";
    const QStringList ids = m_listPage->checked().ids();
    if (ids.isEmpty() || !m_assembly) {
        ShowNotice("確認", emptyMessage, this);
        return false;
    }
    PrintJob::Options options;
    if (!preparePrint(skipDialog, &options))
        return false;
    BatchHistory history;
    history.write = !m_settingsPage->noHistoryBox->isChecked();
    history.date = {m_topBar->printDate(), m_topBar->printDateOff()};

    // A few pages print at once; a long run shows where it is and can be stopped.
    std::unique_ptr<QProgressDialog> progress;
    if (ids.size() > 3) {
        progress = std::make_unique<QProgressDialog>(m_actions->print2->text(), "キャンセル", 0, int(ids.size()), this);
        progress->setWindowTitle(QApplication::applicationDisplayName());
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(300);
    }
    BatchPrint batch(m_db, *m_assembly,
                     AssemblySources{addressDbPath(), membersDbPath(), SingleDataPath(m_folders.workDir), editionCode()});
    const BatchPrintOutcome outcome =
        batch.run(printer(), ids, assemblyOptions(), m_style, m_record, options, history, [&](int done, int total) {
            if (!progress)
                return true;
            progress->setLabelText(QString("%1 %2 / %3").arg(m_actions->print2->text()).arg(done).arg(total));
            progress->setValue(done);
            return !progress->wasCanceled();
        });
    progress.reset();
    m_right->setCurrentIndex(0);
    redrawPreview();
    if (!outcome.ok()) {
        ShowNotice("確認", DrawFailureNotice(outcome.draw, m_style.CurrentStyleFile), this);
        return false;
    }
    if (outcome.printed.isEmpty()) {
        ShowNotice("確認", emptyMessage, this);
        return false;
    }
    if (!outcome.historyNotice.isEmpty())
        ShowNotice("確認", outcome.historyNotice, this);
    const QString pdf = notePdfOutput();
    ShowNotice("確認", pdf.isEmpty() ? QString("送信記録を登録しました") : "送信記録を登録しました\nPDFファイル: " + pdf, this);
    return true;
}

bool MainWindow::writeHistoryRow()
{
    QString notice;
    const bool failed = writeHistory(m_db, membersDbPath(), m_record, editionCode(),
                                    {m_topBar->printDate(), m_topBar->printDateOff()}, QDate::currentDate(), &notice);
    if (failed && !notice.isEmpty())
        ShowNotice("確認", notice, this);
    return !failed;
}

// ---- Editing dialogs ----------------------------------------------------------

// Creates the editors once and connects the edit command and the sender buttons.
void MainWindow::connectEditors()
{
    EditorContext c;
    c.db = &m_db;
    c.editionCode = editionCode();
    c.programDir = m_folders.programDir;
    c.workDir = m_folders.workDir;
    c.addressDbPath = addressDbPath();
    c.membersDbPath = membersDbPath();
    c.zipcodeDbPath = zipcodeDbPath();
    c.record = &m_record;
    c.zipConvOption = [this] { return m_zipConvOption; };
    c.senderRows = [this] { return m_senderList->rows(); };
    c.selectedSenderId = [this] { return selectedSenderId(); };
    c.choosePhrase = [this](QString *phrase) { return choosePhrase(phrase); };
    c.redrawPreview = [this] { redrawPreview(); };
    c.readConsignees = [this] { m_listPage->readConsignees(); };
    c.currentData = [this](const QString &rd) { currentData(rd); };
    c.printSingle = [this] { printSingle(); };
    // The dialogs are made when first wanted, which is at the latest the end of
    // the first show: making their controls is work the window need not wait for.
    m_makeEditors = [this, c] { return new EditingDialogs(c, this); };

    m_actions->previewEdit->setEnabled(true);
    connect(m_actions->previewEdit, &QAction::triggered, this, &MainWindow::editPreviewedWaybill);
    connect(m_preview, &PreviewPage::pageClicked, this, &MainWindow::editPreviewedWaybill);
    connect(m_preview->editButton, &QPushButton::clicked, this, &MainWindow::editPreviewedWaybill);
    m_settingsPage->editSenderButton->setEnabled(true);
    m_settingsPage->newSenderButton->setEnabled(true);
    connect(m_settingsPage->editSenderButton, &QPushButton::clicked, this, [this] { editSender(false); });
    connect(m_settingsPage->newSenderButton, &QPushButton::clicked, this, [this] { editSender(true); });

    m_actions->zipGuide->setEnabled(true);
    connect(m_actions->zipGuide, &QAction::triggered, this, [this] { editors()->zipGuide()->exec(); });

    m_actions->newConsignee->setEnabled(true);
    m_actions->editConsignee->setEnabled(true);
    connect(m_actions->newConsignee, &QAction::triggered, this, &MainWindow::newConsignee);
    connect(m_actions->editConsignee, &QAction::triggered, this, &MainWindow::editConsignee);
    connect(m_listPage, &ConsigneeListPage::editRequested, this, &MainWindow::editConsignee);
}

// New consignee: the list page, then the consignee editor in mode 追加.
void MainWindow::newConsignee()
{
    if (!m_started)
        return;
    showListPage();
    ConsigneeDialog *editor = editors()->consigneeDialog();
    if (editor->openNew() == QDialog::Accepted && !editor->savedId().isEmpty()) {
        // The consignee just saved is the one the user means to print next:
        // its row becomes the current one (none when a search hides it).
        m_listPage->readConsignees();
        m_listPage->selectId(editor->savedId());
    } else {
        // Refilled as the page switch does, so a row is selected.
        m_listPage->activate();
    }
    assembleSelected();
}

// Edit the selected consignee, then assemble the record for it again.
void MainWindow::editConsignee()
{
    if (!m_started)
        return;
    showListPage();
    const QString id = m_listPage->selectedId();
    if (id.isEmpty())
        return;
    const int index = m_listPage->selectedIndex();
    editors()->consigneeDialog()->openEdit(id);
    // The editor's refill drops the selection; the row is selected again
    // unless the list no longer reaches it.
    m_listPage->selectIndex(index < m_listPage->rowCount() ? index : -1);
    assembleSelected();
}

void MainWindow::activateListPage()
{
    if (m_left->currentIndex() != 2)
        m_left->setCurrentIndex(2); // the page switch runs on the change
    else
        switchPage();
}

void MainWindow::showListPage()
{
    if (m_left->currentIndex() != 2)
        m_left->setCurrentIndex(2);
}

// The edit command: the single-print editor, or on the list page the
// consignee editor for the selected row.
void MainWindow::editPreviewedWaybill()
{
    if (!m_started)
        return;
    if (m_left->currentIndex() != 2) {
        editors()->singleDataDialog()->exec();
        redrawPreview();
        return;
    }
    const QString id = m_listPage->selectedId();
    if (id.isEmpty()) {
        ShowNotice("確認", "左のリストから編集したい宛先を選択してください。", this);
        return;
    }
    const int index = m_listPage->selectedIndex();
    editors()->consigneeDialog()->openEdit(id);
    m_listPage->selectIndex(index);
    assembleSelected();
}

// The sender list's 編　集 (newSender false) and +新規追加: the sender editor,
// then the list again with its row selected and that sender on the preview.
void MainWindow::editSender(bool newSender)
{
    if (!m_started)
        return;
    const int index = m_senderList->selectedIndex();
    QString id;
    if (!newSender) {
        if (index < 0)
            return;
        id = QString::number(m_senderList->selectedSenderId());
    }
    editors()->senderDialog()->openFor(id);
    readSenders();
    if (newSender)
        m_senderList->selectIndex(index);
    else
        m_senderList->reselectAfterEdit(index);
    if (m_senderList->rowCount() > 0 && m_assembly) {
        m_assembly->senderData(selectedSenderId() - 1, m_record, m_style);
        redrawPreview();
    }
}
