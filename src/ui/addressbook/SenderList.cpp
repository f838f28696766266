#include "ui/addressbook/SenderList.h"

#include "core/addressbook/ListSort.h"
#include "core/data/DatabaseError.h"
#include "core/data/DatabaseHealth.h"
#include "ui/common/ShowNotice.h"

#include <QHeaderView>
#include <QTreeWidget>

SenderList::SenderList(QTreeWidget *view, Database &db, const QString &addressDb, QObject *parent)
    : QObject(parent), m_view(view), m_db(db), m_addressDb(addressDb)
{
    m_view->setSortingEnabled(false);
    m_view->header()->setSectionsClickable(true);
    connect(m_view->header(), &QHeaderView::sectionClicked, this, &SenderList::clickColumn);
    connect(m_view, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (item)
            emit senderClicked(item->text(0).toInt());
    });
}

void SenderList::fill(const QVector<SenderRow> &rows)
{
    QVector<int> order(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        order[i] = i;
    if (m_sortState != 0) {
        QStringList keys;
        const int column = (m_sortState < 0 ? -m_sortState : m_sortState) - 1;
        for (const SenderRow &row : rows)
            keys << (column == 0 ? row.id : row.name);
        order = SortedOrder(keys, m_sortState < 0);
    }
    m_view->clear();
    for (int i : order) {
        auto *item = new QTreeWidgetItem(m_view, {rows.at(i).id, rows.at(i).name});
        item->setData(0, Qt::UserRole, rows.at(i).id.toInt());
    }
}

void SenderList::readSenders()
{
    const int index = selectedIndex();
    DatabaseError error;
    QVector<SenderRow> rows = ReadSenders(m_db, m_addressDb, &error);
    if (error.isError()) {
        // The senders shown stay, and the clerk is told why. A list still
        // empty was never filled: the start-up has named the failed store.
        if (!m_rows.isEmpty())
            ShowNotice("確認", DatabaseFileNotice(AddressDatabaseLabel(), m_addressDb, error), m_view);
        return;
    }
    m_rows = std::move(rows);
    fill(m_rows);
    selectIndex(index < 0 ? 0 : index);
    emit refilled();
}

int SenderList::selectedSenderId()
{
    QTreeWidgetItem *item = m_view->currentItem();
    if (!item && m_view->topLevelItemCount() > 0) {
        item = m_view->topLevelItem(0);
        m_view->setCurrentItem(item);
    }
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

int SenderList::selectedIndex() const
{
    QTreeWidgetItem *item = m_view->currentItem();
    return item ? m_view->indexOfTopLevelItem(item) : -1;
}

void SenderList::selectIndex(int index)
{
    QTreeWidgetItem *item = m_view->topLevelItem(index);
    if (!item)
        item = m_view->topLevelItem(0);
    if (item)
        m_view->setCurrentItem(item);
    else
        m_view->setCurrentItem(nullptr);
}

int SenderList::rowCount() const
{
    return m_view->topLevelItemCount();
}

void SenderList::reselectAfterEdit(int i)
{
    selectIndex(i == rowCount() ? i - 1 : i);
}

QVector<QStringList> SenderList::rows() const
{
    QVector<QStringList> rows;
    for (int i = 0; i < m_view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_view->topLevelItem(i);
        rows.append({item->text(0), item->text(1)});
    }
    return rows;
}

void SenderList::clickColumn(int column)
{
    const int keepId = selectedIndex() >= 0 ? selectedSenderId() : 0;
    m_sortState = NextSortState(m_sortState, column);
    fill(m_rows);
    // The selected sender stays the selected sender; only its row moves.
    for (int i = 0; i < m_view->topLevelItemCount(); ++i)
        if (m_view->topLevelItem(i)->data(0, Qt::UserRole).toInt() == keepId)
            m_view->setCurrentItem(m_view->topLevelItem(i));
}
