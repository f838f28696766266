#pragma once
// The rows of the history list for a view: ten columns (an empty narrow one,
// then No, 送付日, お名前, 住　所, 電話番号, the edition's column 6, 伝票番号,
// 品名, 利用者ID), headers with the sort arrow and the edition's alignment.
// An empty history shows one empty row, as the grid always has one.

#include "addressbook/HistoryList.h"

#include <QAbstractTableModel>

class HistoryTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    HistoryTableModel(int editionCode, QObject *parent = nullptr);

    // Replaces every row (one reset, so a large history fills at once).
    void setRows(QVector<HistoryListRow> rows);
    const QVector<HistoryListRow> &rows() const { return m_rows; }
    // The identifier (column 1) of row r; empty for the empty row or outside the list.
    QString idAt(int r) const;
    // The sort state whose arrow the headers show.
    void setSortState(int state);
    int sortState() const { return m_sortState; }
    // The text of cell (r, column) as the grid draws it.
    QString cellText(int r, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    int m_editionCode;
    int m_sortState;
    QVector<HistoryListRow> m_rows;
};
