#pragma once
// The rows of the consignee list for a view: four columns (お名前, 郵便番号,
// 住所, 電話番号) with a check box on the name, and a narrow fifth column (照合)
// that marks a postal code the national table does not give for the address.
// A tick goes straight into the checked-consignee list, so its order is the
// order of the ticks.

#include "core/addressbook/ConsigneeRows.h"

#include <QAbstractTableModel>

class CheckedConsignees;
class PostalAddressTable;
struct PostalAddressCheck;

class ConsigneeTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    ConsigneeTableModel(CheckedConsignees &checked, QObject *parent = nullptr);

    // The column of the postal-code mark; the sort and the ticks leave it alone.
    static constexpr int MarkColumn = 4;
    static QString markText();

    // The table the marks are judged against; null shows no marks (the table
    // is still loading, or there is none). The model does not own it.
    void setPostalTable(const PostalAddressTable *table);
    // The check of row r; not checked without a table or outside the list.
    PostalAddressCheck postalCheck(int r) const;

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
    const PostalAddressTable *m_postalTable = nullptr;
    // Whether row r is a mismatch, judged when the row is first shown: a fill
    // of 100,000 rows judges only the few on screen. -1 not judged yet.
    mutable QVector<qint8> m_mismatch;
};
