#pragma once
// The rows of the history list for a view: ten columns (an empty narrow one,
// then No, 送付日, お名前, 住　所, 電話番号, the edition's column 6, 伝票番号,
// 品名, 利用者ID), headers with the sort arrow and the edition's alignment.
// An empty history shows one empty row, as the grid always has one.
//
// The model holds the identifiers of its rows in order and reads the texts of
// a row only when it is asked for, a block of rows at a time, so that a long
// history fills the grid at once and keeps only what was looked at.

#include "core/history/HistoryList.h"

#include <QAbstractTableModel>
#include <QHash>
#include <functional>

class HistoryTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    HistoryTableModel(int editionCode, QObject *parent = nullptr);

    // Reads the rows of the identifiers it is given, in their order.
    using RowReader = std::function<QVector<HistoryListRow>(const QVector<qint64> &ids)>;

    // The identifiers that follow the last one held, and whether more follow those.
    using MoreIds = std::function<QVector<qint64>(qint64 lastId, bool *complete)>;

    // Replaces every row (one reset): the identifiers in list order, and how
    // to read their texts. With more, the list goes on past ids: the view
    // asks for the next identifiers when it is scrolled to the end.
    void setIds(QVector<qint64> ids, RowReader reader, MoreIds more = {});
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
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    // Row r, read with its block when it is not held yet.
    const HistoryListRow &row(int r) const;

    int m_editionCode;
    int m_sortState;
    QVector<qint64> m_ids;
    RowReader m_reader;
    MoreIds m_more; // empty once the list is complete
    mutable QHash<int, QVector<HistoryListRow>> m_blocks; // block number -> its rows
};
