#include "dialogs/TfsenderKensaku.h"

#include "addressbook/ListSort.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TfsenderKensaku::TfsenderKensaku(QWidget *parent) : QDialog(parent)
{
    setObjectName("fsenderKensaku");
    auto *column = new QVBoxLayout(this);
    titleLabel = new QLabel(this);
    column->addWidget(titleLabel);
    GroupBox1 = new QGroupBox("ご依頼主", this);
    auto *groupColumn = new QVBoxLayout(GroupBox1);
    companylist = new QTreeWidget(GroupBox1);
    companylist->setObjectName("companylist");
    companylist->setHeaderLabels({"ID", "お名前"});
    companylist->setRootIsDecorated(false);
    companylist->setSelectionBehavior(QAbstractItemView::SelectRows);
    companylist->setEditTriggers(QAbstractItemView::NoEditTriggers);
    companylist->header()->setSectionsClickable(true);
    companylist->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    groupColumn->addWidget(companylist);
    column->addWidget(GroupBox1, 1);
    auto *buttons = new QHBoxLayout;
    clearButton = new QPushButton("指定解除", this);
    runButton = new QPushButton("実　行", this);
    clearButton->setAutoDefault(false);
    buttons->addWidget(clearButton);
    buttons->addStretch(1);
    buttons->addWidget(runButton);
    column->addLayout(buttons);
    resize(360, 360);

    connect(companylist->header(), &QHeaderView::sectionClicked, this, &TfsenderKensaku::clickColumn);
    connect(clearButton, &QPushButton::clicked, this, [this] {
        companylist->clearSelection();
        companylist->setCurrentItem(nullptr);
    });
    connect(runButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TfsenderKensaku::setRows(const QVector<QStringList> &rows)
{
    // The copy is refreshed at every opening; the sender chosen last time
    // stays chosen, or "実　行" alone would drop the filter it set.
    const QString keep = selectedId();
    m_rows = rows;
    fill();
    reselect(keep);
}

void TfsenderKensaku::fill()
{
    QVector<int> order(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i)
        order[i] = i;
    if (m_sortState != 0) {
        const int column = (m_sortState < 0 ? -m_sortState : m_sortState) - 1;
        QStringList keys;
        for (const QStringList &row : m_rows)
            keys << row.value(column);
        order = SortedOrder(keys, m_sortState < 0);
    }
    companylist->clear();
    for (int i : order)
        new QTreeWidgetItem(companylist, {m_rows.at(i).value(0), m_rows.at(i).value(1)});
}

void TfsenderKensaku::setCaptions(const QString &groupCaption, const QString &title)
{
    GroupBox1->setTitle(groupCaption);
    titleLabel->setText(title);
}

// The caption is the program's title of the moment, whoever opens the dialog.
void TfsenderKensaku::showEvent(QShowEvent *event)
{
    setWindowTitle(QApplication::applicationDisplayName());
    QDialog::showEvent(event);
}

QString TfsenderKensaku::selectedId() const
{
    const QList<QTreeWidgetItem *> items = companylist->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text(0);
}

QString TfsenderKensaku::selectedName() const
{
    const QList<QTreeWidgetItem *> items = companylist->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text(1);
}

void TfsenderKensaku::clickColumn(int column)
{
    const QString keep = selectedId();
    m_sortState = NextSortState(m_sortState, column);
    fill();
    reselect(keep);
}

void TfsenderKensaku::reselect(const QString &id)
{
    if (id.isEmpty())
        return;
    for (int i = 0; i < companylist->topLevelItemCount(); ++i)
        if (companylist->topLevelItem(i)->text(0) == id) {
            companylist->setCurrentItem(companylist->topLevelItem(i));
            return;
        }
}
