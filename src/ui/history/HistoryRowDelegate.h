#pragma once
// Draws the cells of the history grid: the selected row as a vertical gradient
// of the accent colour with white text, other rows black on white; text 3
// pixels below the cell's top, on one line, right-aligned columns with a
// 5-pixel margin; a text wider than its column ends with "…" and shows
// whole as the tool tip.

#include "ui/controls/ElidingItemDelegate.h"

class HistoryRowDelegate : public ElidingItemDelegate
{
    Q_OBJECT
public:
    using ElidingItemDelegate::ElidingItemDelegate;

    // The text the cell shows: the whole text, or as much as fits ending with "…".
    QString shownText(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    // Paints one cell.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The grid's row height.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    int textRoom(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
