#include "addressbook/ConsigneeListPage.h"

#include "addressbook/ConsigneeRows.h"
#include "addressbook/ConsigneeTableModel.h"
#include "addressbook/ListSort.h"
#include "controls/ColumnWidths.h"
#include "controls/ElidingItemDelegate.h"
#include "controls/StretchedPicture.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
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

ConsigneeListPage::ConsigneeListPage(TDataModule1 &db, const QString &addressDb, const QString &membersDb,
                                     QWidget *parent)
    : QWidget(parent), m_db(db), m_addressDb(addressDb), m_membersDb(membersDb)
{
    setObjectName("TabSheet2");
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
    Button3 = new QPushButton("住所検索", this);
    Button3->setObjectName("Button3");
    searchRow->addWidget(addressSearch, 1);
    searchRow->addWidget(Button3);
    column->addLayout(searchRow);

    auto *optionRow = new QHBoxLayout;
    CheckBox1 = new QCheckBox("印刷するデータのみ表示", this);
    CheckBox1->setObjectName("CheckBox1");
    Button5 = new QPushButton("ご依頼主検索", this);
    Button5->setObjectName("Button5");
    key1 = new QLabel(this);
    key1->setObjectName("key1");
    optionRow->addWidget(CheckBox1);
    optionRow->addStretch(1);
    optionRow->addWidget(key1);
    optionRow->addWidget(Button5);
    column->addLayout(optionRow);

    ListView1 = new QTableView(this);
    ListView1->setObjectName("ListView1");
    m_model = new ConsigneeTableModel(m_checked, this);
    ListView1->setModel(m_model);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(true);
    ListView1->setWordWrap(false);
    ListView1->setToolTip("クリックするとプレビューされます");
    ListView1->verticalHeader()->hide();
    // Fixed row heights and column widths keep filling and scrolling cheap for
    // tens of thousands of rows: nothing is measured per row.
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ListView1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setStretchLastSection(true);
    // Columns start wide enough for a typical entry in the font in use; a
    // longer text ends with "…" and shows whole as the cell's tool tip.
    ListView1->setItemDelegate(new ElidingItemDelegate(ListView1));
    ListView1->setTextElideMode(Qt::ElideRight);
    QStyle *style = ListView1->style();
    const int cellPadding = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListView1) + 1) + 6;
    const int checkBox = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, ListView1)
                         + 2 * style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, ListView1);
    const QFontMetrics metrics(ListView1->font());
    static const char *const typical[] = {"山田　太郎", "123-4567", "東京都千代田区千代田1-1", "03-1234-5678"};
    for (int c = 0; c < 4; ++c) {
        const QStringList texts{QString::fromUtf8(typical[c]), m_model->headerData(c, Qt::Horizontal).toString()};
        ListView1->setColumnWidth(c, ColumnWidthFor(metrics, texts, cellPadding + (c == 0 ? checkBox : 0)));
    }
    ListView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    column->addWidget(ListView1, 1);

    auto *buttonRow = new QHBoxLayout;
    Button42 = new QToolButton(this);
    Button42->setObjectName("Button42");
    Button44 = new QToolButton(this);
    Button44->setObjectName("Button44");
    buttonRow->addWidget(Button42);
    buttonRow->addWidget(Button44);
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);

    connect(addressSearch, &QLineEdit::returnPressed, this, &ConsigneeListPage::customerRead);
    connect(Button3, &QPushButton::clicked, this, &ConsigneeListPage::customerRead);
    connect(CheckBox1, &QCheckBox::clicked, this, &ConsigneeListPage::customerRead);
    connect(Button5, &QPushButton::clicked, this, &ConsigneeListPage::senderFilterRequested);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this, &ConsigneeListPage::clickColumn);
    connect(ListView1, &QTableView::doubleClicked, this, &ConsigneeListPage::editRequested);
    connect(m_model, &ConsigneeTableModel::checksChanged, this, &ConsigneeListPage::checksChanged);
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_quiet && current.isValid())
                    emit consigneeSelected(m_model->idAt(current.row()));
            });
}

void ConsigneeListPage::customerRead()
{
    ConsigneeQuery query;
    query.addressDb = m_addressDb;
    query.membersDb = m_membersDb;
    query.searchText = addressSearch->text();
    query.senderFilter = m_senderFilter;
    query.printOnly = CheckBox1->isChecked();
    const QString current = selectedId();
    m_quiet = true;
    m_model->setRows(ReadConsignees(m_db, query, m_checked));
    // Rows that a refill brings follow the order the user chose.
    if (m_sortState != 0)
        m_model->sortByState(m_sortState);
    m_quiet = false;
    // The consignee on the preview stays current while the list still shows
    // it; one that a search, a filter or a deletion took out of the list is
    // current no longer, and the preview must not go on showing it.
    if (current.isEmpty())
        return;
    selectIndex(m_model->rowOf(current));
    if (selectedId() != current)
        emit consigneeSelected(QString());
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
    customerRead();
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
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ConsigneeListPage::selectIndex(int index)
{
    m_quiet = true;
    if (index >= 0 && index < rowCount()) {
        const QModelIndex cell = m_model->index(index, 0);
        ListView1->selectionModel()->setCurrentIndex(
            cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        ListView1->scrollTo(cell);
    } else {
        ListView1->selectionModel()->clear();
    }
    m_quiet = false;
}

int ConsigneeListPage::rowCount() const
{
    return m_model->rowCount();
}

void ConsigneeListPage::clickColumn(int column)
{
    const QString keep = selectedId();
    m_sortState = NextSortState(m_sortState, column);
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
            ListView1->addAction(action);
        } else {
            auto *separator = new QAction(ListView1);
            separator->setSeparator(true);
            ListView1->addAction(separator);
        }
    }
}

void ConsigneeListPage::applyCaptions(const QString &senderSearchCaption, const QString &barPicturePath)
{
    Button5->setText(senderSearchCaption);
    const QPixmap bar(barPicturePath);
    searchBar->setPicture(bar);
    searchBar->setVisible(!bar.isNull());
}

QSize ConsigneeListPage::sizeHint() const
{
    QSize size = QWidget::sizeHint();
    int columns = 0;
    for (int c = 0; c < m_model->columnCount(); ++c)
        columns += ListView1->columnWidth(c);
    const QMargins margins = contentsMargins() + layout()->contentsMargins();
    const int list = columns + 2 * ListView1->frameWidth() + ListView1->verticalScrollBar()->sizeHint().width();
    size.setWidth(qMax(size.width(), list + margins.left() + margins.right()));
    return size;
}
