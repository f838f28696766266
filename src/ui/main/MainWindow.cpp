#include "ui/main/MainWindow.h"

#include "core/addressbook/RecordAssembly.h"
#include "core/data/StartupDatabases.h"
#include "core/data/StoreLocation.h"
#include "core/settings/WindowPlacement.h"
#include "core/settings/WindowPositionFile.h"
#include "ui/addressbook/AddressBookCommands.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "ui/addressbook/SenderDialog.h"
#include "ui/addressbook/SenderList.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/common/ShowNotice.h"
#include "ui/editor/LayoutEditorPage.h"
#include "ui/history/HistoryController.h"
#include "ui/history/HistoryPage.h"
#include "ui/history/PendingHistoryStatus.h"
#include "ui/import/ImportCommands.h"
#include "ui/main/IndexBuildProgress.h"
#include "ui/controls/ElidingLabel.h"
#include "ui/controls/LateScrollArea.h"
#include "ui/controls/PictureFiles.h"
#include "ui/main/MainActions.h"
#include "ui/main/ProgramState.h"
#include "ui/main/TopBar.h"
#include "ui/maintenance/HelpCommands.h"
#include "ui/maintenance/StoreDialog.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/WaybillView.h"
#include "ui/printing/PrintCommands.h"
#include "ui/printing/PrinterBinding.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(const QString &programDir, const QString &exeName, const QString &appDataRoot, QWidget *parent,
                       bool localInstead)
    : QMainWindow(parent), m_state(std::make_unique<ProgramState>(programDir, exeName, appDataRoot))
{
    if (localInstead)
        m_state->folders.store.clear();
    m_state->workingLocallyInstead = localInstead;
    setObjectName("fzerrat");
    const EditionProfile &p = m_state->profile;
    const QString images = m_state->imagesDir();
    const QString logo = p.logoFile.isEmpty() ? QString() : images + "/" + p.logoFile;
    const QString bar = p.barPicture.isEmpty() ? QString() : images + p.barPicture;
    // Read while the pages are made; applyStyle gives them their pictures.
    PictureFiles pictures(QStringList{logo, bar, images + "bar1.bmp"});
    buildWindow();
    makeCommands();
    applyStyle(pictures, logo, bar);
    setWindowTitle(QApplication::applicationDisplayName());
    resize(WindowPosition::DefaultWidth, WindowPosition::DefaultHeight);
}

MainWindow::~MainWindow() = default;

bool MainWindow::started() const
{
    return m_state->started;
}

// ---- Window creation --------------------------------------------------------

void MainWindow::buildWindow()
{
    ProgramState &s = *m_state;
    MainPages &p = m_pages;
    p.window = this;
    p.actions = new MainActions(this);
    p.actions->buildMenus(this);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    p.topBar = new TopBar(p.actions, central);
    column->addWidget(p.topBar);

    p.splitter = new QSplitter(Qt::Horizontal, central);
    p.splitter->setObjectName("pageSplitter");
    p.left = new QTabWidget(p.splitter);
    p.left->setObjectName("leftPages");
    p.left->setMinimumWidth(310);
    p.settings = new PrintSettingsPage(p.left);
    // Scrolled rather than holding the window taller than the screen in the
    // edition that shows the paper-kind selector as well.
    // The page is not in front at start: laid out when first shown.
    p.left->addTab(new LateScrollArea(p.settings, p.left), "印刷設定");
    p.editor = new LayoutEditorPage(s.style, p.left);
    p.left->addTab(p.editor, "印刷位置調整");
    p.list = new ConsigneeListPage(s.db, s.addressDbPath(), s.membersDbPath(), p.left);
    p.left->addTab(p.list, s.profile.listPageCaption);
    // The window opens on the editor page. Chosen before the first show, so
    // that the first tab's page is not shown, and laid out, only to be hidden.
    p.left->setCurrentIndex(MainPages::EditorPage);

    p.right = new QStackedWidget(p.splitter);
    p.right->setObjectName("rightPages");
    p.preview = new PreviewPage(p.right);
    p.right->addWidget(p.preview);
    p.right->addWidget(new QWidget(p.right)); // empty while the list is shown
    p.history = new HistoryPage(s.db, s.membersDbPath(), s.editionCode(), s.profile.registerConsigneeCaption, p.right);
    p.right->addWidget(p.history);
    p.splitter->addWidget(p.left);
    p.splitter->addWidget(p.right);
    p.splitter->setStretchFactor(1, 1);
    // The list page starts wide enough to show its columns (plus the tab frame).
    p.splitter->setSizes({qMax(401, p.list->sizeHint().width() + 8), 600});
    column->addWidget(p.splitter, 1);
    setCentralWidget(central);

    p.statusBar = statusBar();
    p.statusBar->setObjectName("statusBar");
    // The current style file stays in view: a permanent widget is not covered
    // by temporary messages or the status tips of hovered menu entries.
    // Long notes are cut in the middle; while a message is shown they share
    // what the message leaves (a narrow window would otherwise cut
    // 「PDFファイルに印刷しました」 short against the path).
    p.styleFileLabel = new ElidingLabel(p.statusBar);
    p.styleFileLabel->setObjectName("styleFileLabel");
    p.statusBar->addPermanentWidget(p.styleFileLabel);
    // Which address book this station works on, when it is not simply its own files.
    if (!s.folders.store.isEmpty() || s.workingLocallyInstead) {
        auto *storeLabel = new ElidingLabel(p.statusBar);
        storeLabel->setText(s.workingLocallyInstead
                                ? QStringLiteral("このパソコンのデータで作業中（共有サーバーに接続できませんでした）")
                                : QStringLiteral("共有サーバー: ") + StoreLocationForDisplay(s.folders.store));
        storeLabel->setObjectName("storeLabel");
        p.statusBar->addPermanentWidget(storeLabel);
    }
    connect(p.statusBar, &QStatusBar::messageChanged, this, [bar = p.statusBar](const QString &message) {
        const QList<ElidingLabel *> notes = bar->findChildren<ElidingLabel *>(QString(), Qt::FindDirectChildrenOnly);
        // QStatusBar draws a message from x = 6 up to 2 pixels short of the
        // first note; its size grip, margins and the spacing before each
        // note take the rest.
        const int room = bar->width() - bar->fontMetrics().horizontalAdvance(message) - 8 - 24
                         - 6 * int(notes.size());
        const int each = notes.isEmpty() ? room : room / int(notes.size());
        for (ElidingLabel *note : notes)
            note->setMaximumWidth(message.isEmpty() ? QWIDGETSIZE_MAX : std::max(note->minimumSizeHint().width(), each));
    });
    p.senders = new SenderList(p.settings->senderView, s.db, s.addressDbPath(), this);
}

void MainWindow::makeCommands()
{
    ProgramState &s = *m_state;
    m_view = new WaybillView(s, m_pages, this);
    m_printing = new PrintCommands(s, m_pages, *m_view, this);
    m_addressBook = new AddressBookCommands(s, m_pages, *m_view, [this] { m_printing->printSingle(); }, this);
    m_history = new HistoryController(s, m_pages, *m_view, *m_addressBook, [this] { return m_printing->writeHistoryRow(); },
                                      this);
    m_imports = new ImportCommands(s, m_pages, *m_view, *m_addressBook, this);
    m_help = new HelpCommands(this, s.folders, s.db);
    m_pendingHistory = new PendingHistoryStatus(s.folders.dataDir, s.membersDbPath(), m_pages.statusBar, this);
    connect(m_printing, &PrintCommands::historyWritten, m_pendingHistory, &PendingHistoryStatus::refresh);

    connect(m_pages.actions->exit, &QAction::triggered, this, &QWidget::close);
    connect(m_pages.actions->storeSetup, &QAction::triggered, this, [this] {
        StoreDialog dialog(m_state->folders.dataDir, this);
        dialog.exec();
    });
    m_view->connectPages();
    m_printing->connectActions();
    m_addressBook->connectActions();
    m_history->connectActions();
    m_imports->connectActions();
    // The version dialog is made at the end of the first show, after the
    // profile has set the application title it shows.
    m_help->connectActions(m_pages.actions);
    connect(m_help, &HelpCommands::databasesRestored, this, [this] {
        m_addressBook->readSenders();
        // The consignees are the backup's now: a row left from the replaced
        // address book would lead an edit to a consignee that is not there.
        m_pages.list->readConsignees();
        m_view->assembleSelected();
    });
    connect(m_help, &HelpCommands::stylesRestored, this, [this] {
        m_view->openDefaultStyle();
        m_view->currentData(QString());
    });
}

void MainWindow::applyStyle(PictureFiles &pictures, const QString &logo, const QString &bar)
{
    const EditionProfile &p = m_state->profile;
    if (p.hasProfile)
        QApplication::setApplicationDisplayName(p.title);
    const QString images = m_state->imagesDir();
    m_pages.actions->applyProfile(p);
    m_pages.topBar->applyProfile(p, logo.isEmpty() ? QPixmap() : pictures.pixmap(logo));
    m_pages.settings->applyProfile(p);
    m_pages.editor->applyProfile(p);
    m_pages.preview->editButton->setText(p.editCaption);
    m_pages.left->setTabText(MainPages::ListPage, p.listPageCaption);
    m_pages.list->applyCaptions(p.listPageCaption, p.senderSearchCaption,
                                bar.isEmpty() ? QPixmap() : pictures.pixmap(bar));
    // The window starts on a page other than the consignee list.
    m_pages.preview->setHeaderPicture(pictures.pixmap(images + "bar1.bmp"));
    m_addressBook->applyProfile();
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
        if (!m_state->started && isVisible())
            finishStart();
    });
}

void MainWindow::ensureStarted()
{
    if (!m_startBegun)
        beginStart();
    if (!m_state->started)
        finishStart();
}

// The part of the first show the window is seen with: its place and size, the
// page shown, the date and the saved options' boxes. Quick, and without the
// printer or the databases.
void MainWindow::beginStart()
{
    m_startBegun = true;
    m_pages.topBar->setPrintDate(QDate::currentDate());
    m_pages.settings->yenMarkBox->setChecked(false);
    m_pages.settings->noHistoryBox->setChecked(false);
    m_pages.right->setCurrentIndex(MainPages::PreviewSheet);
    {
        const QSignalBlocker block(m_pages.left);
        m_pages.left->setCurrentIndex(MainPages::EditorPage);
    }
    loadOptions();
    loadWindowPosition();
}

// The rest of the first show: the printer, the databases, the layout and the
// data it shows.
void MainWindow::finishStart()
{
    ProgramState &s = *m_state;
    s.started = true;
    // A failing step is reported and start-up goes on: a half-made window with
    // no explanation helps nobody, and most steps do not depend on each other.
    QString error;
    if (DevModeLoadFromFile(s.printerFilePath(), s.printer(), &error) == PrinterFileStatus::ReadError)
        ShowNotice("確認", "プリンタ設定ファイルを読み込めませんでした。\n" + s.printerFilePath() + "\n" + error, this);
    m_view->measurePrinter();

    const StartupDatabasePaths databases{s.addressDbPath(), s.membersDbPath(), s.zipcodeDbPath(),
                                         s.folders.programDir + "/databaseXe2/zipcode.db3"};
    IndexBuildProgress indexBuild(this);
    for (const QString &notice : OpenStartupDatabases(s.db, databases, indexBuild.observer()))
        ShowNotice("確認", notice, this);
    // History rows an earlier session kept for a server that did not answer.
    m_pendingHistory->flush();
    // On a thread of its own: the list shows its postal-code marks when it is in.
    s.postalTable.load(s.zipcodeDbPath());
    s.assembly = std::make_unique<RecordAssembly>(s.db, s.assemblySources());
    m_addressBook->readSenders();

    m_view->openDefaultStyle();
    for (int n = 0; n <= 120; ++n)
        s.style.setItemText(n, QString());
    m_addressBook->editors()->singleDataDialog()->edit_set();
    m_addressBook->editors()->senderDialog()->loadSender();

    m_pages.topBar->setPrintDate(QDate::currentDate());
    s.zipConvOption = m_pages.settings->zipConvOption();
    s.styleReady = true;
    m_view->currentData(QString());
    m_view->setZoom(100);
    m_view->measurePrinter();
    m_pages.preview->setReady(true);
    m_help->versionDialog();
    applyWindowIcon();
}

// Reading the icon file (every size it holds) is left to the end of the first
// show: the window appears without waiting for it, and gets it a moment later.
void MainWindow::applyWindowIcon()
{
    const EditionProfile &p = m_state->profile;
    if (p.iconFile.isEmpty())
        return;
    const QIcon icon(m_state->imagesDir() + p.iconFile);
    if (!icon.isNull()) {
        QApplication::setWindowIcon(icon);
        setWindowIcon(icon);
    }
}

void MainWindow::loadOptions()
{
    MainOptions options;
    ReadOptionsFile(m_state->optionsFilePath(), options);
    m_state->options = options;
    m_pages.settings->showOptions(options);
    m_pages.topBar->setCopies(qBound(1, options.copies, 1000));
    m_pages.topBar->setPreviewLocate(options.previewLocate);
    m_pages.topBar->setPrintDateOff(options.datePrint);
}

void MainWindow::saveOptions()
{
    MainOptions &options = m_state->options;
    m_pages.settings->readOptions(options);
    options.copies = m_pages.topBar->copies();
    options.previewLocate = m_pages.topBar->previewLocate();
    options.datePrint = m_pages.topBar->printDateOff();
    QString error;
    if (!WriteOptionsFile(m_state->optionsFilePath(), options, &error))
        ShowNotice("確認", "設定ファイルを保存できませんでした。\n" + m_state->optionsFilePath() + "\n" + error, this);
}

void MainWindow::loadWindowPosition()
{
    WindowPosition p;
    ReadWindowPositionFile(m_state->windowFilePath(), p);
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
    if (!WriteWindowPositionFile(m_state->windowFilePath(), m_state->folders.exeName,
                                 {frame.width(), frame.height(), frame.top(), frame.left()}, &error))
        ShowNotice("確認", "ウィンドウの位置を保存できませんでした。\n" + error, this);
}

// ---- Shutdown ---------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_state->csvEditorRunning) {
        ShowNotice("確認", "CSV取込画面を先に閉じてください。", this);
        saveWindowPosition();
        event->ignore();
        return;
    }
    saveWindowPosition();
    if (m_state->started) {
        StyleWindowState &window = m_state->style.window;
        window.ofxbox = m_pages.topBar->offsetX();
        window.ofybox = m_pages.topBar->offsetY();
        window.splitterPosition = m_pages.splitter->sizes().value(0);
        window.copies = m_pages.topBar->copies();
        // The header saved is the one the boxes show, whatever was written last.
        m_state->style.WriteStyleHeader();
        const LayoutStatus saved = m_state->style.SaveStyleFile();
        if (!saved)
            ShowNotice("確認", saved.message, this);
        saveOptions();
    }
    event->accept();
}
