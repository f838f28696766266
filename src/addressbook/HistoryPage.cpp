#include "addressbook/HistoryPage.h"

#include "addressbook/HistoryColumns.h"
#include "addressbook/HistoryList.h"
#include "addressbook/HistoryRowDelegate.h"
#include "addressbook/HistoryTableModel.h"
#include "app/ShowNotice.h"
#include "controls/ColumnWidths.h"
#include "data/DatabaseHealth.h"
#include "data/TDataModule1.h"

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
// it and for its header with the sort arrow, whatever the font's size.
QString typicalEntry(int column)
{
    static const char *const entries[HistoryColumnCount] = {
        "", "12345", "2024/12/31", "山田　太郎", "東京都千代田区千代田1-1", "03-1234-5678", "12/24", "1234-5678-9012",
        "りんご 10kg", "12345"};
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

HistoryPage::HistoryPage(TDataModule1 &db, const QString &membersDb, int editionCode, const QString &registerCaption,
                         QWidget *parent)
    : QWidget(parent), m_db(db), m_rowReader(std::make_unique<TDataModule1>()), m_membersDb(membersDb),
      m_editionCode(editionCode)
{
    setObjectName("TabRireki");
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    auto *bar = new QHBoxLayout;
    sendersearch = new QLineEdit(this);
    sendersearch->setObjectName("sendersearch");
    sendersearch->setToolTip("送付履歴検索");
    sendersearch->setStatusTip("検索したい文字列を入力してEnterキーを押してください。");
    sendersearch->setPlaceholderText("送付履歴検索");
    sendersearch->setMinimumWidth(180);
    Button2 = new QPushButton("検索", this);
    Button2->setObjectName("Button2");
    Button46 = new QPushButton("送付履歴を修正", this);
    Button46->setObjectName("Button46");

    ActionRirekiPrint = new QAction("履歴から印刷", this);
    ActionRirekiPrint->setObjectName("ActionRirekiPrint");
    ActionRirekiToCustomer = new QAction(registerCaption, this);
    ActionRirekiToCustomer->setObjectName("ActionRirekiToCustomer");
    Button6 = new QToolButton(this);
    Button6->setObjectName("Button6");
    Button6->setDefaultAction(ActionRirekiPrint);
    Button7 = new QToolButton(this);
    Button7->setObjectName("Button7");
    Button7->setDefaultAction(ActionRirekiToCustomer);
    Button47 = new QPushButton("新規追加", this);
    Button47->setObjectName("Button47");
    Button47->setVisible(false);

    // The search above the commands: one row of both is wider than the
    // panel at the window's default size in editions with long captions.
    bar->addWidget(sendersearch, 1);
    bar->addWidget(Button2);
    column->addLayout(bar);
    auto *commands = new QHBoxLayout;
    commands->addWidget(Button46);
    commands->addWidget(Button6);
    commands->addWidget(Button7);
    commands->addWidget(Button47);
    commands->addStretch(1);
    column->addLayout(commands);

    m_model = new HistoryTableModel(editionCode, this);
    rirekiGrid = new QTableView(this);
    rirekiGrid->setObjectName("rirekiGrid");
    rirekiGrid->setModel(m_model);
    rirekiGrid->setItemDelegate(new HistoryRowDelegate(rirekiGrid));
    rirekiGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    rirekiGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    rirekiGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rirekiGrid->setWordWrap(false);
    rirekiGrid->setShowGrid(false);
    rirekiGrid->setSortingEnabled(false);
    rirekiGrid->verticalHeader()->setVisible(false);
    // Fixed row heights keep a long history quick: the view never measures rows.
    rirekiGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    rirekiGrid->verticalHeader()->setDefaultSectionSize(HistoryRowHeight);
    QHeaderView *header = rirekiGrid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(4);
    header->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
    header->setStyleSheet(QString("QHeaderView::section { background-color: %1; color: white; padding-top: 3px; "
                                  "border: 0px; border-right: 1px solid #8a8ca0; }")
                              .arg(HistoryAccentColour().name()));
    for (int c = 0; c < HistoryColumnCount; ++c)
        header->resizeSection(c, startWidth(c, editionCode, rirekiGrid->fontMetrics(), header->fontMetrics()));
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    column->addWidget(rirekiGrid, 1);

    connect(header, &QHeaderView::sectionClicked, this, &HistoryPage::clickColumn);
    connect(sendersearch, &QLineEdit::returnPressed, this, &HistoryPage::rirekiRead);
    connect(Button2, &QPushButton::clicked, this, &HistoryPage::rirekiRead);
    connect(rirekiGrid, &QTableView::doubleClicked, this, [this] { withSelectedId(&HistoryPage::editRequested); });
    connect(Button46, &QPushButton::clicked, this, [this] { withSelectedId(&HistoryPage::editRequested); });
    connect(ActionRirekiPrint, &QAction::triggered, this, [this] { withSelectedId(&HistoryPage::reprintRequested); });
    connect(ActionRirekiToCustomer, &QAction::triggered, this,
            [this] { withSelectedId(&HistoryPage::registerRequested); });
}

HistoryPage::~HistoryPage() = default;

bool HistoryPage::rirekiRead()
{
    DatabaseError error;
    QVector<qint64> ids =
        ReadHistoryIds(m_db, m_membersDb, m_editionCode, m_model->sortState(), sendersearch->text(), &error);
    // The rows are read while the grid is painted, through a connection of
    // the page's own: a paint in the middle of another operation's statements
    // must not move the shared connection to another file.
    m_model->setIds(std::move(ids), [this](const QVector<qint64> &shown) {
        QVector<HistoryListRow> rows = ReadHistoryRows(*m_rowReader, m_membersDb, m_editionCode, shown);
        m_rowReader->CloseDatabase(); // the file is not held open between reads
        return rows;
    });
    if (error.isError()) {
        ShowNotice("確認", DatabaseFileNotice(MembersDatabaseLabel(), m_membersDb, error), this);
        return false;
    }
    return true;
}

void HistoryPage::clickColumn(int column)
{
    m_model->setSortState(HistorySortAfterClick(m_model->sortState(), column));
    rirekiRead();
}

int HistoryPage::sortState() const
{
    return m_model->sortState();
}

QString HistoryPage::selectedId() const
{
    // Column 0 is never selected, so a selected row is any row with a selected cell.
    const QModelIndexList cells = rirekiGrid->selectionModel()->selectedIndexes();
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
        rirekiGrid->selectRow(r);
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
