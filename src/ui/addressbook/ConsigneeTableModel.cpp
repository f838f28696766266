#include "ui/addressbook/ConsigneeTableModel.h"

#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/ListSort.h"
#include "core/addressbook/PostalMismatches.h"

#include <QBrush>
#include <QColor>

namespace {

// Every cell's tool tip but a mark's.
const QString PreviewHint = QStringLiteral("クリックするとプレビューされます");

} // namespace

ConsigneeTableModel::ConsigneeTableModel(CheckedConsignees &checked, QObject *parent)
    : QAbstractTableModel(parent), m_checked(checked)
{
}

void ConsigneeTableModel::setRows(QVector<ConsigneeRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_mismatch.fill(-1, m_rows.size());
    endResetModel();
}

QString ConsigneeTableModel::markText()
{
    return QStringLiteral("！");
}

void ConsigneeTableModel::setPostalTable(const PostalAddressTable *table)
{
    m_postalTable = table;
    m_mismatch.fill(-1, m_rows.size());
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, MarkColumn), index(int(m_rows.size()) - 1, MarkColumn));
}

PostalAddressCheck ConsigneeTableModel::postalCheck(int r) const
{
    if (!m_postalTable || r < 0 || r >= m_rows.size())
        return {};
    return CheckConsignee(m_rows.at(r), *m_postalTable);
}

QString ConsigneeTableModel::idAt(int r) const
{
    return r >= 0 && r < m_rows.size() ? m_rows.at(r).id : QString();
}

int ConsigneeTableModel::rowOf(const QString &id) const
{
    for (int r = 0; r < m_rows.size(); ++r)
        if (m_rows.at(r).id == id)
            return r;
    return -1;
}

QString ConsigneeTableModel::columnText(const ConsigneeRow &row, int column) const
{
    switch (column) {
    case 0: return row.name;
    case 1: return row.zipcode;
    case 2: return row.address;
    case 3: return row.tel;
    default: return QString();
    }
}

void ConsigneeTableModel::sortByState(int state)
{
    const int column = (state < 0 ? -state : state) - 1;
    if (column < 0 || column > 3 || m_rows.size() < 2)
        return;
    QStringList keys;
    keys.reserve(m_rows.size());
    for (const ConsigneeRow &row : m_rows)
        keys << columnText(row, column);
    const QVector<int> order = SortedOrder(keys, state < 0);
    QVector<ConsigneeRow> sorted;
    sorted.reserve(m_rows.size());
    for (int i : order)
        sorted.append(m_rows.at(i));
    setRows(std::move(sorted));
}

void ConsigneeTableModel::setAllChecked(bool checked)
{
    for (const ConsigneeRow &row : m_rows)
        m_checked.setChecked(row.id, checked);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, 0), {Qt::CheckStateRole});
}

QStringList ConsigneeTableModel::checkedShownIds() const
{
    QStringList ids;
    for (const ConsigneeRow &row : m_rows)
        if (m_checked.contains(row.id))
            ids << row.id;
    return ids;
}

int ConsigneeTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ConsigneeTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MarkColumn + 1;
}

QVariant ConsigneeTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const ConsigneeRow &row = m_rows.at(index.row());
    if (index.column() == MarkColumn) {
        if (!m_postalTable || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::ForegroundRole))
            return role == Qt::UserRole ? QVariant(row.id) : QVariant();
        qint8 &mismatch = m_mismatch[index.row()];
        if (mismatch < 0)
            mismatch = postalCheck(index.row()).isMismatch() ? 1 : 0;
        if (!mismatch)
            return role == Qt::ToolTipRole ? QVariant(PreviewHint) : QVariant();
        if (role == Qt::ForegroundRole)
            return QBrush(QColor(0xc0, 0x10, 0x10));
        return role == Qt::ToolTipRole ? QVariant(postalCheck(index.row()).explanation()) : QVariant(markText());
    }
    if (role == Qt::ToolTipRole)
        return PreviewHint;
    if (role == Qt::DisplayRole)
        // The sort keeps comparing the stored code; only the cell shows the hyphen.
        return index.column() == 1 ? PostalCodeForList(row.zipcode) : columnText(row, index.column());
    if (role == Qt::CheckStateRole && index.column() == 0)
        return m_checked.contains(row.id) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::UserRole)
        return row.id;
    return {};
}

bool ConsigneeTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != 0 || index.row() >= m_rows.size())
        return false;
    m_checked.setChecked(m_rows.at(index.row()).id, value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit checksChanged();
    return true;
}

Qt::ItemFlags ConsigneeTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ConsigneeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const captions[] = {"お名前", "郵便番号", "住所", "電話番号", "照合"};
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section == MarkColumn)
        return QStringLiteral("！は郵便番号と住所が一致しない行です");
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section <= MarkColumn)
        return QString::fromUtf8(captions[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
