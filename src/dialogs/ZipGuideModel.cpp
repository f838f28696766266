#include "dialogs/ZipGuideModel.h"

#include "data/ZipGuideBuffer.h"

ZipGuideModel::ZipGuideModel(const ZipGuideBuffer &buffer, QObject *parent)
    : QAbstractTableModel(parent), m_buffer(buffer)
{
}

int ZipGuideModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_buffer.size();
}

int ZipGuideModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant ZipGuideModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.column() == 0)
        return {};
    return m_buffer.text(index.row(), index.column());
}
