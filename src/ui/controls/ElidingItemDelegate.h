#pragma once
// Cells of a list that may be narrower than their texts: Qt ends a cut text
// with "…"; this delegate makes the tool tip of a cut cell the whole text, so
// that a long address or name is never out of reach. A cell that shows all of
// its text keeps the model's own tool tip.

#include <QStyledItemDelegate>

class ElidingItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Whether the cell, laid out in option.rect, shows less than its whole text.
    bool isCut(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    // The cell's tool tip: for a cut cell its whole text, followed on a new
    // line by the model's own tip when there is a different one; otherwise
    // the model's tip.
    QString toolTipFor(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    // The width in pixels that the cell's text is drawn in.
    virtual int textRoom(const QStyleOptionViewItem &option, const QModelIndex &index) const;
};
