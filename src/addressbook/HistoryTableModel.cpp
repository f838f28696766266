#include "addressbook/HistoryTableModel.h"

#include "addressbook/HistoryColumns.h"

HistoryTableModel::HistoryTableModel(int editionCode, QObject *parent)
    : QAbstractTableModel(parent), m_editionCode(editionCode), m_sortState(HistoryInitialSortState)
{
}

void HistoryTableModel::setRows(QVector<HistoryListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QString HistoryTableModel::idAt(int r) const
{
    return r >= 0 && r < m_rows.size() ? m_rows.at(r).id() : QString();
}

void HistoryTableModel::setSortState(int state)
{
    m_sortState = state;
    emit headerDataChanged(Qt::Horizontal, 0, HistoryColumnCount - 1);
}

QString HistoryTableModel::cellText(int r, int column) const
{
    if (r < 0 || r >= m_rows.size())
        return QString();
    if (HistoryColumnAlignment(column, m_editionCode) == HistoryAlignment::Hidden)
        return QString();
    if (column < 1 || column > HistoryListRow::ColumnCount)
        return QString();
    return m_rows.at(r).text(HistoryListRow::Column(column - 1)).toString();
}

int HistoryTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_rows.isEmpty() ? 1 : int(m_rows.size());
}

int HistoryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : HistoryColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool right = HistoryColumnAlignment(index.column(), m_editionCode) == HistoryAlignment::Right;
        return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    }
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return HistoryHeaderText(section, m_editionCode, m_sortState);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignHCenter | Qt::AlignTop);
    return {};
}

Qt::ItemFlags HistoryTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The narrow first column is the grid's fixed column: never selected.
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
