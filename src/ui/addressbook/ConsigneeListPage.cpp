#include "ui/addressbook/ConsigneeListPage.h"

#include "core/addressbook/ConsigneeRows.h"
#include "core/data/DatabaseHealth.h"
#include "ui/common/ShowNotice.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "core/addressbook/ListSort.h"
#include "ui/controls/ColumnWidths.h"
#include "ui/controls/ElidingItemDelegate.h"
#include "ui/controls/StretchedPicture.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

ConsigneeListPage::ConsigneeListPage(Database &db, const QString &addressDb, const QString &membersDb,
                                     QWidget *parent)
    : QWidget(parent), m_db(db), m_addressDb(addressDb), m_membersDb(membersDb)
{
    setObjectName("consigneeListPage");
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);

    searchBar = new StretchedPicture(this);
    searchBar->setObjectName("searchBar");
    // The bar follows the panel's width and never holds the panel wider.
    searchBar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    column->addWidget(searchBar);

    auto *searchRow = new QHBoxLayout;
    addressSearch = new QLineEdit(this);
    addressSearch->setObjectName("addressSearch");
    addressSearchButton = new QPushButton("住所検索", this);
    addressSearchButton->setObjectName("addressSearchButton");
    searchRow->addWidget(addressSearch, 1);
    searchRow->addWidget(addressSearchButton);
    column->addLayout(searchRow);

    auto *optionRow = new QHBoxLayout;
    printOnlyBox = new QCheckBox("印刷するデータのみ表示", this);
    printOnlyBox->setObjectName("printOnlyBox");
    senderFilterButton = new QPushButton("ご依頼主検索", this);
    senderFilterButton->setObjectName("senderFilterButton");
    key1 = new QLabel(this);
    key1->setObjectName("key1");
    optionRow->addWidget(printOnlyBox);
    optionRow->addStretch(1);
    optionRow->addWidget(key1);
    optionRow->addWidget(senderFilterButton);
    column->addLayout(optionRow);

    consigneeGrid = new QTableView(this);
    consigneeGrid->setObjectName("consigneeGrid");
    // The page is not in front when the window opens: the header is shown, and
    // its captions measured, when the page first is (showEvent).
    consigneeGrid->horizontalHeader()->hide();
    m_model = new ConsigneeTableModel(m_checked, this);
    consigneeGrid->setModel(m_model);
    consigneeGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    consigneeGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    consigneeGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    consigneeGrid->setShowGrid(true);
    consigneeGrid->setWordWrap(false);
    consigneeGrid->setToolTip("クリックするとプレビューされます");
    consigneeGrid->verticalHeader()->hide();
    // Fixed row heights and column widths keep filling and scrolling cheap for
    // tens of thousands of rows: nothing is measured per row.
    consigneeGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    consigneeGrid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    consigneeGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    consigneeGrid->horizontalHeader()->setSectionsClickable(true);
    consigneeGrid->horizontalHeader()->setStretchLastSection(false);
    consigneeGrid->horizontalHeader()->setSortIndicatorShown(true);
    showSortIndicator();
    consigneeGrid->installEventFilter(this);
    // Columns start wide enough for a typical entry in the font in use; a
    // longer text ends with "…" and shows whole as the cell's tool tip.
    consigneeGrid->setItemDelegate(new ElidingItemDelegate(consigneeGrid));
    consigneeGrid->setTextElideMode(Qt::ElideRight);
    QStyle *style = consigneeGrid->style();
    const int cellPadding = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, consigneeGrid) + 1) + 6;
    const int checkBox = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, consigneeGrid)
                         + 2 * style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, consigneeGrid);
    const QFontMetrics metrics(consigneeGrid->font());
    static const char *const typical[] = {"山田　太郎", "123-4567", "東京都千代田区千代田1-1", "03-1234-5678"};
    for (int c = 0; c < 4; ++c) {
        const QStringList texts{QString::fromUtf8(typical[c]), m_model->headerData(c, Qt::Horizontal).toString()};
        consigneeGrid->setColumnWidth(c, ColumnWidthFor(metrics, texts, cellPadding + (c == 0 ? checkBox : 0)));
    }
    // The mark column only ever holds one sign: as wide as its caption.
    const int mark = ConsigneeTableModel::MarkColumn;
    consigneeGrid->setColumnWidth(mark, ColumnWidthFor(metrics, {m_model->headerData(mark, Qt::Horizontal).toString()},
                                                       cellPadding + 6));
    consigneeGrid->horizontalHeader()->setSectionResizeMode(mark, QHeaderView::Fixed);
    consigneeGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
    column->addWidget(consigneeGrid, 1);

    auto *buttonRow = new QHBoxLayout;
    newConsigneeButton = new QToolButton(this);
    newConsigneeButton->setObjectName("newConsigneeButton");
    editConsigneeButton = new QToolButton(this);
    editConsigneeButton->setObjectName("editConsigneeButton");
    buttonRow->addWidget(newConsigneeButton);
    buttonRow->addWidget(editConsigneeButton);
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);

    connect(addressSearch, &QLineEdit::returnPressed, this, &ConsigneeListPage::search);
    connect(addressSearchButton, &QPushButton::clicked, this, &ConsigneeListPage::search);
    connect(printOnlyBox, &QCheckBox::clicked, this, &ConsigneeListPage::readConsignees);
    connect(senderFilterButton, &QPushButton::clicked, this, &ConsigneeListPage::senderFilterRequested);
    connect(consigneeGrid->horizontalHeader(), &QHeaderView::sectionClicked, this, &ConsigneeListPage::clickColumn);
    connect(consigneeGrid, &QTableView::doubleClicked, this, &ConsigneeListPage::editRequested);
    connect(m_model, &ConsigneeTableModel::checksChanged, this, &ConsigneeListPage::checksChanged);
    connect(consigneeGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_quiet && current.isValid())
                    emit consigneeSelected(m_model->idAt(current.row()));
            });
}

void ConsigneeListPage::showEvent(QShowEvent *event)
{
    if (!m_headerShown) {
        m_headerShown = true;
        consigneeGrid->horizontalHeader()->show();
        // The grid makes room for the header it now has.
        consigneeGrid->doItemsLayout();
    }
    QWidget::showEvent(event);
}

bool ConsigneeListPage::fill()
{
    ConsigneeQuery query;
    query.addressDb = m_addressDb;
    query.membersDb = m_membersDb;
    query.searchText = addressSearch->text();
    query.senderFilter = m_senderFilter;
    query.printOnly = printOnlyBox->isChecked();
    DatabaseError error;
    QVector<ConsigneeRow> rows = ReadConsignees(m_db, query, m_checked, &error);
    if (error.isError()) {
        // The rows shown stay: an empty list would read as an address book
        // that lost its data.
        ShowNotice("確認", DatabaseFileNotice(AddressDatabaseLabel(), m_addressDb, error), this);
        return false;
    }
    m_quiet = true;
    m_model->setRows(std::move(rows));
    // Rows that a refill brings follow the order the user chose.
    if (m_sortState != 0)
        m_model->sortByState(m_sortState);
    m_quiet = false;
    return true;
}

void ConsigneeListPage::readConsignees()
{
    const QString current = selectedId();
    if (!fill())
        return;
    // The consignee on the preview stays current while the list still shows
    // it; one that a filter or a deletion took out of the list is
    // current no longer, and the preview must not go on showing it.
    if (current.isEmpty())
        return;
    selectIndex(m_model->rowOf(current));
    if (selectedId() != current)
        emit consigneeSelected(QString());
}

void ConsigneeListPage::search()
{
    if (addressSearch->text().isEmpty() || printOnlyBox->isChecked()) {
        readConsignees();
        return;
    }
    // A search is made to find someone: the clerk expects the first hit in
    // view and on the preview, not the list where it was scrolled before.
    if (!fill())
        return;
    selectIndex(0);
    consigneeGrid->scrollToTop();
    emit consigneeSelected(selectedId());
}

bool ConsigneeListPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == consigneeGrid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            toggleCurrentRow();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConsigneeListPage::toggleCurrentRow()
{
    const int row = consigneeGrid->currentIndex().row();
    if (row < 0)
        return;
    // The check box is on the name; the keyboard cursor may be on any cell of the row.
    const QModelIndex box = m_model->index(row, 0);
    const bool ticked = m_model->data(box, Qt::CheckStateRole).toInt() == Qt::Checked;
    m_model->setData(box, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void ConsigneeListPage::showSortIndicator()
{
    const int column = (m_sortState < 0 ? -m_sortState : m_sortState) - 1;
    consigneeGrid->horizontalHeader()->setSortIndicator(column, m_sortState < 0 ? Qt::DescendingOrder
                                                                                : Qt::AscendingOrder);
}

void ConsigneeListPage::selectId(const QString &id)
{
    selectIndex(m_model->rowOf(id));
}

void ConsigneeListPage::activate()
{
    int index = selectedIndex();
    if (index < 0)
        index = 0;
    readConsignees();
    selectIndex(index);
    if (selectedIndex() < 0 && rowCount() > 0)
        selectIndex(0);
}

QString ConsigneeListPage::selectedId() const
{
    return m_model->idAt(selectedIndex());
}

int ConsigneeListPage::selectedIndex() const
{
    const QModelIndexList rows = consigneeGrid->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ConsigneeListPage::selectIndex(int index)
{
    m_quiet = true;
    if (index >= 0 && index < rowCount()) {
        const QModelIndex cell = m_model->index(index, 0);
        consigneeGrid->selectionModel()->setCurrentIndex(
            cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        consigneeGrid->scrollTo(cell);
    } else {
        consigneeGrid->selectionModel()->clear();
    }
    m_quiet = false;
}

int ConsigneeListPage::rowCount() const
{
    return m_model->rowCount();
}

void ConsigneeListPage::clickColumn(int column)
{
    if (column >= ConsigneeTableModel::MarkColumn) {
        // The header moved its arrow onto the click; the order did not change.
        showSortIndicator();
        return;
    }
    const QString keep = selectedId();
    m_sortState = NextSortState(m_sortState, column);
    showSortIndicator();
    m_quiet = true;
    m_model->sortByState(m_sortState);
    m_quiet = false;
    // The selected consignee stays selected wherever the sort puts it.
    if (!keep.isEmpty())
        selectId(keep);
}

void ConsigneeListPage::selectAll()
{
    m_model->setAllChecked(true);
}

void ConsigneeListPage::cancelAll()
{
    m_model->setAllChecked(false);
}

QStringList ConsigneeListPage::checkedShownIds() const
{
    return m_model->checkedShownIds();
}

void ConsigneeListPage::setSenderFilter(int senderId, const QString &name)
{
    m_senderFilter = senderId < 0 ? -1 : senderId;
    m_senderFilterName = m_senderFilter < 0 ? QString() : name;
    key1->setText(m_senderFilterName);
}

void ConsigneeListPage::setContextActions(const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action) {
            consigneeGrid->addAction(action);
        } else {
            auto *separator = new QAction(consigneeGrid);
            separator->setSeparator(true);
            consigneeGrid->addAction(separator);
        }
    }
}

void ConsigneeListPage::applyCaptions(const QString &title, const QString &senderSearchCaption,
                                      const QPixmap &barPicture)
{
    searchBar->setCaption(title);
    senderFilterButton->setText(senderSearchCaption);
    searchBar->setPicture(barPicture);
    searchBar->setVisible(!barPicture.isNull());
}

QSize ConsigneeListPage::sizeHint() const
{
    QSize size = QWidget::sizeHint();
    int columns = 0;
    for (int c = 0; c < m_model->columnCount(); ++c)
        columns += consigneeGrid->columnWidth(c);
    const QMargins margins = contentsMargins() + layout()->contentsMargins();
    const int list = columns + 2 * consigneeGrid->frameWidth() + consigneeGrid->verticalScrollBar()->sizeHint().width();
    size.setWidth(qMax(size.width(), list + margins.left() + margins.right()));
    return size;
}

QStringList ConsigneeListPage::shownIds() const
{
    QStringList ids;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const QString id = m_model->idAt(r);
        if (!id.isEmpty())
            ids << id;
    }
    return ids;
}
