#pragma once
// Draws the shape items of a layout: rules ("line"), outline boxes ("rect"),
// rounded boxes ("rrect"), ellipses, arcs, chords and filled boxes ("fillrect").
// Every shape leaves a solid white pen of unchanged width and a solid white
// brush behind it.

#include "core/drawing/DrawPass.h"

class StyleLineReader;

class ShapeItemDrawer
{
public:
    explicit ShapeItemDrawer(DrawPass &pass) : m_pass(pass) {}

    // Each drawer reads fields 6 onward of its line; a malformed number leaves
    // the reader failed and nothing is drawn.
    void DrawLineItem(StyleLineReader &reader);
    void DrawRectItem(StyleLineReader &reader);
    void DrawRoundRectItem(StyleLineReader &reader);
    void DrawEllipseItem(StyleLineReader &reader);
    void DrawArcItem(StyleLineReader &reader);
    void DrawChordItem(StyleLineReader &reader);
    // flag is field 1 of the line: 1 draws a border in the colour of field 11.
    void DrawFillRectItem(StyleLineReader &reader, int flag);
    // An outline box from (x1, y1) to (x2, y2) with a thin solid black pen (the
    // frame of a picture); drawn on every target.
    void drawFrame(Millimetre x1, Millimetre y1, Millimetre x2, Millimetre y2);

    // Pen solid and white, then brush clear and white, which leaves it solid
    // white. The pen width is kept.
    void ResetPenAndBrush();

    // The fill colour of a "fillrect" (0x00BBGGRR): the box is filled white, the
    // colour the brush has at the start of every page and after every shape.
    static constexpr qint64 FillRectColor = 0xFFFFFF;

private:
    enum class Figure { Line, Rect, RoundRect, Ellipse, Arc, Chord };
    void drawPenShape(StyleLineReader &reader, Figure figure);
    // The four edges of a box as separate lines with the current pen.
    void drawBoxEdges(int x1, int y1, int x2, int y2);

    DrawPass &m_pass;
};
