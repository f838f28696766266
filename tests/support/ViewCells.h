#pragma once
// The style option a view gives one of its cells when it paints it, for
// asking the view's delegate what that cell shows.

#include <QAbstractItemView>
#include <QStyleOptionViewItem>

inline QStyleOptionViewItem CellOption(QAbstractItemView *view, const QModelIndex &index)
{
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.widget = view;
    option.font = view->font();
    option.rect = view->visualRect(index);
    option.textElideMode = view->textElideMode();
    return option;
}
