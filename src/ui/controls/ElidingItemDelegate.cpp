#include "ui/controls/ElidingItemDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace {

QStyle *styleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

int ElidingItemDelegate::textRoom(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QStyle *style = styleOf(opt);
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    // The style draws the text inside this margin on either side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    return text.width() - 2 * margin;
}

bool ElidingItemDelegate::isCut(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return false;
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    return QFontMetrics(opt.font).horizontalAdvance(text) > textRoom(option, index);
}

QString ElidingItemDelegate::toolTipFor(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString own = index.data(Qt::ToolTipRole).toString();
    if (!isCut(option, index))
        return own;
    const QString text = index.data(Qt::DisplayRole).toString();
    return own.isEmpty() || own == text ? text : text + u'\n' + own;
}

bool ElidingItemDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                    const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = toolTipFor(option, index);
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
    return true;
}
