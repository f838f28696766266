#include "ui/history/HistoryRowDelegate.h"

#include "core/history/HistoryColumns.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int TextTop = 3;
constexpr int LeftMargin = 2;
constexpr int RightMargin = 5;
} // namespace

namespace {

bool rightAligned(const QModelIndex &index)
{
    return index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
}

// Where the cell's text goes.
QRect textArea(const QRect &cell, bool right)
{
    return cell.adjusted(LeftMargin, TextTop, right ? -RightMargin : -1, 0);
}

} // namespace

int HistoryRowDelegate::textRoom(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return textArea(option.rect, rightAligned(index)).width();
}

QString HistoryRowDelegate::shownText(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QFontMetrics(option.font).elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                textRoom(option, index));
}

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
    // A text wider than its column ends with "…"; its tool tip shows it whole.
    const QString text = shownText(option, index);
    if (!text.isEmpty()) {
        const bool right = rightAligned(index);
        const QRect area = textArea(cell, right);
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
