#include "ui/history/HistoryPage.h"

#include "core/history/HistoryColumns.h"
#include "core/history/HistoryList.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/history/HistoryTableModel.h"
#include "ui/common/ShowNotice.h"
#include "ui/controls/ColumnWidths.h"
#include "core/data/DatabaseHealth.h"
#include "core/data/Database.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// What the columns typically hold: a column starts at least wide enough for
// it and for its header with the sort arrow, whatever the font's size. A shop
// that prints every day reaches six-digit numbers.
QString typicalEntry(int column)
{
    static const char *const entries[HistoryColumnCount] = {
        "", "888888", "2024/12/31", "山田　太郎", "東京都千代田区千代田1-1", "03-1234-5678", "12/24", "1234-5678-9012",
        "りんご 10kg", "888888"};
    return QString::fromUtf8(entries[column]);
}

int startWidth(int column, int editionCode, const QFontMetrics &cells, const QFontMetrics &header)
{
    if (column == 0)
        return HistoryColumnWidth(0);
    // 2 pixels before a text, 5 after it in right-aligned columns, and room
    // for the header's border.
    const int cell = ColumnWidthFor(cells, {typicalEntry(column)}, 10);
    const int caption = ColumnWidthFor(header, {HistoryHeaderText(column, editionCode, column)}, 12);
    return qMax(HistoryColumnWidth(column), qMax(cell, caption));
}

} // namespace

HistoryPage::HistoryPage(Database &db, const QString &membersDb, int editionCode, const QString &registerCaption,
                         QWidget *parent)
    : QWidget(parent), m_db(db), m_rowReader(std::make_unique<Database>()), m_membersDb(membersDb),
      m_editionCode(editionCode)
{
    setObjectName("historyPage");
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    auto *bar = new QHBoxLayout;
    searchBox = new QLineEdit(this);
    searchBox->setObjectName("sendersearch");
    searchBox->setToolTip("送付履歴検索");
    searchBox->setStatusTip("検索したい文字列を入力してEnterキーを押してください。");
    searchBox->setPlaceholderText("送付履歴検索");
    searchBox->setMinimumWidth(180);
    searchButton = new QPushButton("検索", this);
    searchButton->setObjectName("searchButton");
    editButton = new QPushButton("送付履歴を修正", this);
    editButton->setObjectName("editButton");

    reprintAction = new QAction("履歴から印刷", this);
    reprintAction->setObjectName("reprintAction");
    registerConsigneeAction = new QAction(registerCaption, this);
    registerConsigneeAction->setObjectName("registerConsigneeAction");
    reprintButton = new QToolButton(this);
    reprintButton->setObjectName("reprintButton");
    reprintButton->setDefaultAction(reprintAction);
    registerButton = new QToolButton(this);
    registerButton->setObjectName("registerButton");
    registerButton->setDefaultAction(registerConsigneeAction);
    exportAction = new QAction("履歴をCSVに書き出す", this);
    exportAction->setObjectName("exportAction");
    exportButton = new QToolButton(this);
    exportButton->setObjectName("exportButton");
    exportButton->setDefaultAction(exportAction);
    addButton = new QPushButton("新規追加", this);
    addButton->setObjectName("addButton");
    addButton->setVisible(false);

    // The search above the commands: one row of both is wider than the
    // panel at the window's default size in editions with long captions.
    bar->addWidget(searchBox, 1);
    bar->addWidget(searchButton);
    column->addLayout(bar);
    auto *commands = new QHBoxLayout;
    commands->addWidget(editButton);
    commands->addWidget(reprintButton);
    commands->addWidget(registerButton);
    commands->addWidget(exportButton);
    commands->addWidget(addButton);
    commands->addStretch(1);
    column->addLayout(commands);

    m_model = new HistoryTableModel(editionCode, this);

    connect(searchBox, &QLineEdit::returnPressed, this, &HistoryPage::readHistory);
    connect(searchButton, &QPushButton::clicked, this, &HistoryPage::readHistory);
    connect(editButton, &QPushButton::clicked, this, [this] { withSelectedId(&HistoryPage::editRequested); });
    connect(reprintAction, &QAction::triggered, this, [this] { withSelectedId(&HistoryPage::reprintRequested); });
    connect(exportAction, &QAction::triggered, this, &HistoryPage::exportRequested);
    connect(registerConsigneeAction, &QAction::triggered, this,
            [this] { withSelectedId(&HistoryPage::registerRequested); });
}

HistoryPage::~HistoryPage() = default;

void HistoryPage::prepareGrid()
{
    if (m_grid)
        return;
    m_grid = new QTableView(this);
    m_grid->setObjectName("historyGrid");
    // Made after the window's other widgets: placed back after the page's
    // buttons in the focus chain.
    QWidget::setTabOrder(addButton, m_grid);
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new HistoryRowDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setShowGrid(false);
    m_grid->setSortingEnabled(false);
    m_grid->verticalHeader()->setVisible(false);
    // Fixed row heights keep a long history quick: the view never measures rows.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(HistoryRowHeight);
    QHeaderView *header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(4);
    header->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
    header->setStyleSheet(QString("QHeaderView::section { background-color: %1; color: white; padding-top: 3px; "
                                  "border: 0px; border-right: 1px solid #8a8ca0; }")
                              .arg(HistoryAccentColour().name()));
    for (int c = 0; c < HistoryColumnCount; ++c)
        header->resizeSection(c, startWidth(c, m_editionCode, m_grid->fontMetrics(), header->fontMetrics()));
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    connect(header, &QHeaderView::sectionClicked, this, &HistoryPage::clickColumn);
    connect(m_grid, &QTableView::doubleClicked, this, [this] { withSelectedId(&HistoryPage::editRequested); });
    // The page's column of boxes: the grid goes last.
    static_cast<QVBoxLayout *>(layout())->addWidget(m_grid, 1);
}

QTableView *HistoryPage::grid()
{
    prepareGrid();
    return m_grid;
}

void HistoryPage::setVisible(bool visible)
{
    // Before the page is shown, so that the grid is laid out and shown with it.
    if (visible)
        prepareGrid();
    QWidget::setVisible(visible);
}

bool HistoryPage::readHistory()
{
    prepareGrid();
    DatabaseError error;
    m_shownSearch = searchBox->text();
    HistoryIdPage first = ReadHistoryIdPage(m_db, m_membersDb, m_editionCode, m_model->sortState(), m_shownSearch, 0,
                                            pageRows, &error);
    if (error.isError()) {
        // The rows shown stay: an empty list would read as a history lost.
        ShowNotice("確認", DatabaseFileNotice(MembersDatabaseLabel(), m_membersDb, error), this);
        return false;
    }
    // The pages after the first are read through the page's own connection
    // too, when the grid is scrolled to its end.
    HistoryTableModel::MoreIds more;
    if (!first.complete)
        more = [this, search = m_shownSearch, sortState = m_model->sortState()](qint64 lastId, bool *complete) {
            const HistoryIdPage page = ReadHistoryIdPage(*m_rowReader, m_membersDb, m_editionCode, sortState, search,
                                                         lastId, pageRows);
            m_rowReader->CloseDatabase();
            *complete = page.complete;
            return page.ids;
        };
    QVector<qint64> ids = std::move(first.ids);
    // The rows are read while the grid is painted, through a connection of
    // the page's own: a paint in the middle of another operation's statements
    // must not move the shared connection to another file.
    m_model->setIds(std::move(ids), [this](const QVector<qint64> &shown) {
        QVector<HistoryListRow> rows = ReadHistoryRows(*m_rowReader, m_membersDb, m_editionCode, shown);
        m_rowReader->CloseDatabase(); // the file is not held open between reads
        return rows;
    }, std::move(more));
    return true;
}

void HistoryPage::clickColumn(int column)
{
    m_model->setSortState(HistorySortAfterClick(m_model->sortState(), column));
    readHistory();
}

int HistoryPage::sortState() const
{
    return m_model->sortState();
}

QString HistoryPage::selectedId() const
{
    if (!m_grid)
        return QString(); // nothing was ever shown, so nothing is selected
    // Column 0 is never selected, so a selected row is any row with a selected cell.
    const QModelIndexList cells = m_grid->selectionModel()->selectedIndexes();
    if (cells.isEmpty())
        return QString();
    int first = cells.first().row();
    for (const QModelIndex &cell : cells)
        first = qMin(first, cell.row());
    return m_model->idAt(first);
}

void HistoryPage::selectRow(int r)
{
    if (r >= 0 && r < m_model->rowCount())
        grid()->selectRow(r);
}

int HistoryPage::rowCount() const
{
    return m_model->rowCount();
}

void HistoryPage::withSelectedId(void (HistoryPage::*signal)(const QString &))
{
    const QString id = selectedId();
    if (!id.isEmpty())
        emit(this->*signal)(id);
}
