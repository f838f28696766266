#include "ui/controls/ColumnWidths.h"

#include <QFontMetrics>

#include <algorithm>

int ColumnWidthFor(const QFontMetrics &metrics, const QStringList &texts, int padding)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + padding;
}
