#pragma once
// The drawing pass: walks the lines of a layout, converts millimetres into
// device pixels and hands each item to the drawer of its kind. The preview, the
// printer and korvel-print all draw a layout through here and nowhere else.

#include "core/drawing/DrawContext.h"
#include "core/drawing/DrawResult.h"

#include <QStringList>

class GdiCanvas;
class StyleData;

// Draws the lines (line 0 the header) onto canvas. lineIndex 0 draws every line,
// any other value that one line only. Stops at the first empty line. A numeric
// field that must be a number and is not stops the pass at that item; the
// result names the line and field. Never throws.
DrawResult DrawLayout(GdiCanvas &canvas, const QStringList &lines, const DrawContext &context, int lineIndex = 0);

// Draws the layout and keeps the overall offsets the pass ended with in
// OverallOffsetX and OverallOffsetY.
DrawResult DrawLayout(GdiCanvas &canvas, StyleData &style, const DrawContext &context, int lineIndex = 0);
