#include "ui/postal/ZipGuideModel.h"

#include "core/postal/ZipGuideBuffer.h"

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

QVariant ZipGuideModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const names[5] = {"", "郵便番号", "都道府県", "市区町村", "町域"};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= 5)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(names[section]);
}

QVariant ZipGuideModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.column() == 0)
        return {};
    return m_buffer.text(index.row(), index.column());
}
