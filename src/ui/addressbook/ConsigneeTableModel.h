#pragma once
// The rows of the consignee list for a view: four columns (お名前, 郵便番号,
// 住所, 電話番号) with a check box on the name. A tick goes straight into the
// checked-consignee list, so its order is the order of the ticks.

#include "core/addressbook/ConsigneeRows.h"

#include <QAbstractTableModel>

class CheckedConsignees;

class ConsigneeTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    ConsigneeTableModel(CheckedConsignees &checked, QObject *parent = nullptr);

    // Replaces every row (one reset, so large lists fill at once).
    void setRows(QVector<ConsigneeRow> rows);
    const QVector<ConsigneeRow> &rows() const { return m_rows; }
    // The identifier of row r; empty outside the list.
    QString idAt(int r) const;
    // The row showing id, or -1.
    int rowOf(const QString &id) const;
    // Orders the rows by the signed sort state (0 keeps the query order).
    void sortByState(int state);
    // Ticks or unticks every row shown, in row order.
    void setAllChecked(bool checked);
    // The identifiers of the ticked rows shown, in row order.
    QStringList checkedShownIds() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The user ticked or unticked a row.
    void checksChanged();

private:
    QString columnText(const ConsigneeRow &row, int column) const;

    CheckedConsignees &m_checked;
    QVector<ConsigneeRow> m_rows;
};
