#pragma once
// How the history grid presents its ten columns: headers with the sort arrow,
// the first-click rules of the sort state, per-edition alignment, the initial
// widths and the colours of the selected row.

#include <QColor>
#include <QString>

// The sort state at start-up: send date, newest first.
constexpr int HistoryInitialSortState = 2;
// Columns of the grid: 0 is the narrow empty fixed column, 1..9 hold data.
constexpr int HistoryColumnCount = 10;
// The grid's default row height in pixels.
constexpr int HistoryRowHeight = 22;

// The sort state after a click on the header of column (1..9): the same
// column switches direction, another column starts in its own first direction
// (ascending for 2, 3, 8, 9; descending for the others). Column 0 and unknown
// columns keep the state.
int HistorySortAfterClick(int sortState, int column);

// The header text of column (0..9) in an edition, with "↓" when the sort
// state is the column's descending value and "↑" when it is its ascending one.
QString HistoryHeaderText(int column, int editionCode, int sortState);

enum class HistoryAlignment {
    Left,
    Right,  // right-aligned with a 5-pixel margin
    Hidden  // the column's data is not drawn in this edition
};

// How column (1..9) draws its data in an edition.
HistoryAlignment HistoryColumnAlignment(int column, int editionCode);

// The initial width of column (0..9) in pixels.
int HistoryColumnWidth(int column);

// The accent colour of the grid (header and selection).
QColor HistoryAccentColour();
// colour with its HLS luminance (scale 0..240) raised by amount, clamped.
QColor LuminanceRaised(const QColor &colour, int amount);
// The selected row's vertical gradient: top and bottom colours.
QColor HistorySelectionTop();
QColor HistorySelectionBottom();
