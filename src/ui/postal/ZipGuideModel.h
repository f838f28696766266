#pragma once
// The postal-code guide's result grid as a model over the result buffer, so
// that listing the whole table (well over 100,000 rows) costs no widget per
// cell. Column 0 stays empty like the fixed column of the original grid.

#include <QAbstractTableModel>

class ZipGuideBuffer;

class ZipGuideModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ZipGuideModel(const ZipGuideBuffer &buffer, QObject *parent = nullptr);

    // Call around every change of the buffer (the grid is not drawn meanwhile).
    void beginRefill() { beginResetModel(); }
    void endRefill() { endResetModel(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Column names: 郵便番号, 都道府県, 市区町村, 町域 (the empty column 0 has none).
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ZipGuideBuffer &m_buffer;
};
