#include "ui/postal/PostalGuideDialog.h"

#include "core/data/DatabaseErrorText.h"
#include "ui/addressbook/EditorBoxes.h"

#include "ui/common/ShowNotice.h"
#include "core/data/Database.h"
#include "core/postal/ZipGuideSearch.h"
#include "core/postal/ZipcodeImport.h"
#include "ui/postal/ZipGuideModel.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

PostalGuideDialog::PostalGuideDialog(const EditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName("fzipguide");
    // The caption says what to choose: the national postal-code list that the
    // postal service publishes as one CSV file.
    m_chooseFile = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("全国一括の郵便番号データ（KEN_ALL.CSV）を選んでください"),
                                            m_context.programDir,
                                            QStringLiteral("郵便番号データ CSV (*.csv *.CSV);;すべてのファイル (*)"));
    };
    buildWindow();
}

PostalGuideDialog::~PostalGuideDialog() = default;

void PostalGuideDialog::buildWindow()
{
    auto *column = new QVBoxLayout(this);
    auto *title = MakeTitleLabel(this, "郵便番号表");
    column->addWidget(title);

    auto *searchRow = new QHBoxLayout;
    searchBox = new QLineEdit(this);
    searchBox->setObjectName("searchBox");
    searchBox->installEventFilter(this);
    searchButton = new QPushButton("検索", this);
    searchButton->setObjectName("searchButton");
    searchButton->setAutoDefault(false);
    searchRow->addWidget(searchBox, 1);
    searchRow->addWidget(searchButton);
    column->addLayout(searchRow);

    auto *progressRow = new QHBoxLayout;
    importCaption = new QLabel(this);
    importProgress = new QProgressBar(this);
    cancelButton = new QPushButton("キャンセル", this);
    cancelButton->setAutoDefault(false);
    progressRow->addWidget(importCaption, 1);
    progressRow->addWidget(importProgress, 1);
    progressRow->addWidget(cancelButton);
    column->addLayout(progressRow);
    importCaption->hide();
    importProgress->hide();
    cancelButton->hide();

    m_model = new ZipGuideModel(m_buffer, this);
    resultGrid = new QTableView(this);
    resultGrid->setObjectName("resultGrid");
    resultGrid->setModel(m_model);
    resultGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    resultGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultGrid->verticalHeader()->hide();
    resultGrid->verticalHeader()->setDefaultSectionSize(resultGrid->fontMetrics().height() + 6);
    resultGrid->horizontalHeader()->setStretchLastSection(true);
    const int widths[5] = {20, 91, 101, 141, 188};
    for (int c = 0; c < 5; ++c)
        resultGrid->setColumnWidth(c, widths[c]);
    column->addWidget(resultGrid, 1);

    statusLine = new QStatusBar(this);
    statusLine->setSizeGripEnabled(false);
    for (int i = 0; i < 5; ++i) {
        m_panels[i] = new QLabel(this);
        statusLine->addWidget(m_panels[i], i < 2 ? 1 : 0);
    }
    column->addWidget(statusLine);
    resize(600, 480);

    connect(searchButton, &QPushButton::clicked, this, &PostalGuideDialog::search);
    connect(cancelButton, &QPushButton::clicked, this, &PostalGuideDialog::cancelImport);
    connect(resultGrid, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            chooseRow(index.row());
    });
}

// Enter in the search box searches and goes no further (no default button fires).
bool PostalGuideDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == searchBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PostalGuideDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setWindowTitle(QApplication::applicationDisplayName());
    m_chosen.clear();
    // Every opening is ready for a search, also after a row was double-clicked
    // last time (which left the focus in the grid).
    searchBox->setFocus();
    // After the window is on the screen, so the import's progress can be seen.
    QTimer::singleShot(0, this, &PostalGuideDialog::prepareForShow);
}

// A missing postal-code database is built first from the national list.
void PostalGuideDialog::prepareForShow()
{
    if (!isVisible() || m_importing || QFileInfo::exists(m_context.zipcodeDbPath))
        return;
    const QString path = m_chooseFile ? m_chooseFile() : QString();
    if (path.isEmpty())
        return;
    importFromFile(path);
}

void PostalGuideDialog::search()
{
    runSearch(searchBox->text());
}

void PostalGuideDialog::listAll()
{
    runSearch(QString());
}

void PostalGuideDialog::runSearch(const QString &text)
{
    if (m_importing || !m_context.db)
        return;
    m_model->beginRefill();
    const ZipGuideSearchResult result = ZipGuideSearch(*m_context.db, m_context.zipcodeDbPath, text, m_buffer);
    m_model->endRefill();
    if (!result.ok())
        ShowNotice("確認", "郵便番号データベースを読めませんでした。\n" + DatabaseErrorInJapanese(result.error), this);
}

bool PostalGuideDialog::importFromFile(const QString &csvPath)
{
    if (m_importing || !m_context.db)
        return false;
    setImporting(true);
    m_model->beginRefill();
    m_buffer.clear();
    m_model->endRefill();
    const auto progress = [this](int done, int total, const NationalPostalEntry &entry) {
        // Repainting costs more than an insert: the caption and bar follow
        // every 200th entry, which still looks continuous.
        if (done % 200 != 0)
            return;
        importProgress->setMaximum(total);
        importProgress->setValue(done);
        importCaption->setText(entry.area + entry.city + entry.location);
        QCoreApplication::processEvents();
    };
    const ZipImportResult result = ImportNationalPostalCsv(*m_context.db, m_context.zipcodeDbPath, csvPath, progress,
                                                           [this] { return m_cancelRequested; });
    setImporting(false);
    if (!result.ok()) {
        switch (result.status) {
        case ZipImportStatus::Cancelled:
            break;
        case ZipImportStatus::MalformedLine:
            ShowNotice("確認", QString("郵便番号データを取り込めませんでした。%1行目の形式が違います。\n%2")
                                   .arg(result.badLineNumber)
                                   .arg(result.badLine),
                       this);
            break;
        case ZipImportStatus::CannotReadFile:
            ShowNotice("確認", "郵便番号データのファイルを読めませんでした。\n" + csvPath, this);
            break;
        default:
            ShowNotice("確認", "郵便番号データを取り込めませんでした。\n" + DatabaseErrorInJapanese(result.error), this);
            break;
        }
        return false;
    }
    m_panels[1]->setText(result.insertTimeText());
    listAll();
    // The count is kept beside the query time of the listing that follows.
    m_panels[2]->setText(result.insertCountText());
    emit tableReplaced();
    return true;
}

void PostalGuideDialog::setImporting(bool on)
{
    m_importing = on;
    m_cancelRequested = false;
    importCaption->setVisible(on);
    importProgress->setVisible(on);
    cancelButton->setVisible(on);
    importProgress->setValue(0);
    searchBox->setEnabled(!on);
    searchButton->setEnabled(!on);
    resultGrid->setEnabled(!on);
    // The search box was disabled while rows were added; it is ready again.
    if (!on && isVisible())
        searchBox->setFocus();
}

void PostalGuideDialog::chooseRow(int row)
{
    if (m_importing || row < 0 || row >= m_buffer.size())
        return;
    m_chosen = m_buffer.rowTexts(row);
    accept();
}

QString PostalGuideDialog::chosenText(int column) const
{
    return column >= 1 && column <= 4 ? m_chosen.value(column - 1) : QString();
}

QString PostalGuideDialog::gridText(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}

QString PostalGuideDialog::panelText(int index) const
{
    return index >= 0 && index < 5 ? m_panels[index]->text() : QString();
}

// Closing during an import stops it first; the window stays until it has undone its rows.
void PostalGuideDialog::reject()
{
    if (m_importing) {
        cancelImport();
        return;
    }
    QDialog::reject();
}

// The result buffer is emptied on every close; the chosen row is kept for the caller.
void PostalGuideDialog::done(int result)
{
    if (m_importing) {
        cancelImport();
        return;
    }
    if (result != QDialog::Accepted)
        m_chosen.clear();
    m_model->beginRefill();
    m_buffer.clear();
    m_model->endRefill();
    QDialog::done(result);
}
