#include "addressbook/HistoryRowDelegate.h"

#include "addressbook/HistoryColumns.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int TextTop = 3;
constexpr int LeftMargin = 2;
constexpr int RightMargin = 5;
} // namespace

void HistoryRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect cell = option.rect;
    const bool selected = (option.state & QStyle::State_Selected) && index.column() > 0;
    painter->save();
    if (selected) {
        // The whole cell is filled, so neighbouring cells of the row join into one band.
        QLinearGradient band(cell.topLeft(), cell.bottomLeft());
        band.setColorAt(0.0, HistorySelectionTop());
        band.setColorAt(1.0, HistorySelectionBottom());
        painter->fillRect(cell, band);
    } else {
        painter->fillRect(cell, Qt::white);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        const int alignment = index.data(Qt::TextAlignmentRole).toInt();
        const bool right = alignment & Qt::AlignRight;
        const QRect area = cell.adjusted(LeftMargin, TextTop, right ? -RightMargin : -1, 0);
        painter->setClipRect(cell);
        painter->setFont(option.font);
        painter->setPen(selected ? Qt::white : Qt::black);
        // TextSingleLine without mnemonics: "&" is an ordinary character here.
        painter->drawText(area, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    painter->restore();
}

QSize HistoryRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(HistoryRowHeight);
    return size;
}
