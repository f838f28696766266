#pragma once
// Draws the cells of the history grid: the selected row as a vertical gradient
// of the accent colour with white text, other rows black on white; text 3
// pixels below the cell's top, on one line, right-aligned columns with a
// 5-pixel margin.

#include <QStyledItemDelegate>

class HistoryRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Paints one cell.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The grid's row height.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
