#pragma once
// Start widths of list columns taken from the font in use, so that a column
// shows its typical content whole whatever the font size is.

#include <QStringList>

class QFontMetrics;

// The width that shows each of texts whole in a cell, plus padding (the
// cell's margins, a check box, a sort arrow: whatever the column adds).
int ColumnWidthFor(const QFontMetrics &metrics, const QStringList &texts, int padding);
