#include "ui/history/HistoryTableModel.h"

#include "core/history/HistoryColumns.h"

HistoryTableModel::HistoryTableModel(int editionCode, QObject *parent)
    : QAbstractTableModel(parent), m_editionCode(editionCode), m_sortState(HistoryInitialSortState)
{
}

namespace {

constexpr int blockRows = 200;  // rows read together: a few screens of the grid
constexpr int blocksKept = 64;  // beyond this the blocks read so far are let go

} // namespace

void HistoryTableModel::setIds(QVector<qint64> ids, RowReader reader, MoreIds more)
{
    beginResetModel();
    m_ids = std::move(ids);
    m_reader = std::move(reader);
    m_more = m_ids.isEmpty() ? MoreIds() : std::move(more);
    m_blocks.clear();
    endResetModel();
}

bool HistoryTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more != nullptr;
}

void HistoryTableModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    bool complete = true;
    const QVector<qint64> next = m_more(m_ids.last(), &complete);
    if (complete)
        m_more = MoreIds();
    if (next.isEmpty())
        return;
    // Blocks are read by row number, so a partly filled last block is read again.
    m_blocks.remove(int(m_ids.size() - 1) / blockRows);
    beginInsertRows(QModelIndex(), int(m_ids.size()), int(m_ids.size() + next.size() - 1));
    m_ids += next;
    endInsertRows();
}

QString HistoryTableModel::idAt(int r) const
{
    return r >= 0 && r < m_ids.size() ? QString::number(m_ids.at(r)) : QString();
}

const HistoryListRow &HistoryTableModel::row(int r) const
{
    const int block = r / blockRows;
    auto it = m_blocks.constFind(block);
    if (it == m_blocks.constEnd()) {
        if (m_blocks.size() >= blocksKept)
            m_blocks.clear();
        const int first = block * blockRows;
        const QVector<qint64> ids = m_ids.mid(first, blockRows);
        QVector<HistoryListRow> rows = m_reader ? m_reader(ids) : QVector<HistoryListRow>();
        rows.resize(ids.size()); // a failed read shows empty rows, never a crash
        it = m_blocks.insert(block, std::move(rows));
    }
    return it->at(r - block * blockRows);
}

void HistoryTableModel::setSortState(int state)
{
    m_sortState = state;
    emit headerDataChanged(Qt::Horizontal, 0, HistoryColumnCount - 1);
}

QString HistoryTableModel::cellText(int r, int column) const
{
    if (r < 0 || r >= m_ids.size())
        return QString();
    if (HistoryColumnAlignment(column, m_editionCode) == HistoryAlignment::Hidden)
        return QString();
    if (column == 1)
        return idAt(r);
    const HistoryListRow &row = this->row(r);
    switch (column) {
    case 2: return row.date;
    case 3: return row.name;
    case 4: return row.address;
    case 5: return row.tel;
    case 6: return row.column6;
    case 7: return row.number;
    case 8: return row.items;
    case 9: return row.userid;
    default: return QString();
    }
}

int HistoryTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_ids.isEmpty() ? 1 : int(m_ids.size());
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
