#include "core/drawing/ShapeItemDrawer.h"

#include "core/drawing/PenWidth.h"
#include "core/drawing/StyleLineReader.h"

namespace {

// The box between two corners, whatever order they come in; right and bottom
// edges are exclusive.
QRect boxFromCorners(int x1, int y1, int x2, int y2)
{
    return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

} // namespace

void ShapeItemDrawer::DrawLineItem(StyleLineReader &reader)
{
    drawPenShape(reader, Figure::Line);
}

void ShapeItemDrawer::DrawRectItem(StyleLineReader &reader)
{
    drawPenShape(reader, Figure::Rect);
}

void ShapeItemDrawer::DrawRoundRectItem(StyleLineReader &reader)
{
    drawPenShape(reader, Figure::RoundRect);
}

void ShapeItemDrawer::DrawEllipseItem(StyleLineReader &reader)
{
    drawPenShape(reader, Figure::Ellipse);
}

void ShapeItemDrawer::DrawArcItem(StyleLineReader &reader)
{
    drawPenShape(reader, Figure::Arc);
}

void ShapeItemDrawer::DrawChordItem(StyleLineReader &reader)
{
    drawPenShape(reader, Figure::Chord);
}

void ShapeItemDrawer::drawPenShape(StyleLineReader &reader, Figure figure)
{
    const Millimetre x1 = reader.decimal();
    const Millimetre y1 = reader.decimal();
    const Millimetre x2 = reader.decimal();
    const Millimetre y2 = reader.decimal();
    int cornerW = 0, cornerH = 0;
    if (figure == Figure::RoundRect) {
        cornerW = reader.requiredInt();
        cornerH = reader.requiredInt();
    }
    int startX = 0, startY = 0, endX = 0, endY = 0;
    if (figure == Figure::Arc || figure == Figure::Chord) {
        startX = reader.requiredInt();
        startY = reader.requiredInt();
        endX = reader.requiredInt();
        endY = reader.requiredInt();
    }
    const int width = reader.requiredInt();
    const GdiPenStyle penStyle = PenStyleFromName(reader.text());
    const qint64 penColor = reader.colour();
    const bool filledKind = figure != Figure::Line && figure != Figure::Rect;
    GdiBrushStyle brushStyle = GdiBrushStyle::Solid;
    qint64 brushColor = 0;
    if (filledKind) {
        brushStyle = BrushStyleFromName(reader.text());
        brushColor = reader.colour();
    }
    const int previewOnly = reader.intOrZero();
    if (reader.failed())
        return;

    GdiCanvas &canvas = m_pass.canvas;
    canvas.setPenStyle(penStyle);
    canvas.setPenColor(penColor);
    if (filledKind) {
        canvas.setBrushStyle(brushStyle);
        canvas.setBrushColor(brushColor); // a clear brush given a colour becomes solid
    }
    const DrawContext &ctx = m_pass.context;
    if (ctx.leavesOut(previewOnly))
        return;
    canvas.setPenWidth(PenWidthPixels(ctx.previewDpiX, width, ctx.isPrinter, penStyle));

    const DeviceScale &s = m_pass.scale;
    const int dx1 = s.deviceX(x1), dy1 = s.deviceY(y1), dx2 = s.deviceX(x2), dy2 = s.deviceY(y2);
    const QRect box = boxFromCorners(dx1, dy1, dx2, dy2);
    switch (figure) {
    case Figure::Line:
        canvas.line(dx1, dy1, dx2, dy2);
        break;
    case Figure::Rect:
        drawBoxEdges(dx1, dy1, dx2, dy2);
        break;
    case Figure::RoundRect:
        // Both corner sizes use the vertical scale.
        canvas.roundRect(box, s.lengthY(Millimetre::fromWhole(cornerW)), s.lengthY(Millimetre::fromWhole(cornerH)));
        break;
    case Figure::Ellipse:
        canvas.ellipse(box);
        break;
    case Figure::Arc:
    case Figure::Chord: {
        // The start point is in millimetres with the vertical scale for both
        // coordinates; the end point is in device pixels. Neither is offset.
        const QPoint start(s.lengthY(Millimetre::fromWhole(startX)), s.lengthY(Millimetre::fromWhole(startY)));
        const QPoint end(endX, endY);
        if (figure == Figure::Arc)
            canvas.arc(box, start, end);
        else
            canvas.chord(box, start, end);
        break;
    }
    }
    ResetPenAndBrush();
}

void ShapeItemDrawer::drawBoxEdges(int x1, int y1, int x2, int y2)
{
    GdiCanvas &canvas = m_pass.canvas;
    canvas.line(x1, y1, x2, y1);
    canvas.line(x1, y2, x2, y2);
    canvas.line(x1, y1, x1, y2);
    canvas.line(x2, y1, x2, y2);
}

void ShapeItemDrawer::DrawFillRectItem(StyleLineReader &reader, int flag)
{
    const Millimetre x1 = reader.decimal();
    const Millimetre y1 = reader.decimal();
    const Millimetre x2 = reader.decimal();
    const Millimetre y2 = reader.decimal();
    const GdiBrushStyle brushStyle = BrushStyleFromName(reader.text());
    const qint64 borderColor = reader.colour();
    reader.skip();
    const int previewOnly = reader.intOrZero();
    if (reader.failed())
        return;

    GdiCanvas &canvas = m_pass.canvas;
    canvas.setBrushStyle(brushStyle);
    canvas.setPenColor(borderColor);
    const DrawContext &ctx = m_pass.context;
    if (ctx.leavesOut(previewOnly))
        return;
    const DeviceScale &s = m_pass.scale;
    const int dx1 = s.deviceX(x1), dy1 = s.deviceY(y1), dx2 = s.deviceX(x2), dy2 = s.deviceY(y2);
    // The line names a brush style but no colour. Filling white, whatever text
    // happened to come before, keeps the box independent of item order and
    // matches what such boxes show on every page that has no coloured text
    // right before them. The style stays as named: a clear brush paints nothing.
    if (brushStyle != GdiBrushStyle::Clear)
        canvas.setBrushColor(FillRectColor);
    canvas.fillRect(boxFromCorners(dx1, dy1, dx2, dy2));
    canvas.setBrushStyle(GdiBrushStyle::Clear);
    if (flag == 1)
        drawBoxEdges(dx1, dy1, dx2, dy2);
    ResetPenAndBrush();
}

void ShapeItemDrawer::drawFrame(Millimetre x1, Millimetre y1, Millimetre x2, Millimetre y2)
{
    GdiCanvas &canvas = m_pass.canvas;
    canvas.setPenStyle(GdiPenStyle::Solid);
    canvas.setPenColor(0);
    const DrawContext &ctx = m_pass.context;
    canvas.setPenWidth(PenWidthPixels(ctx.previewDpiX, 0, ctx.isPrinter, GdiPenStyle::Solid));
    const DeviceScale &s = m_pass.scale;
    drawBoxEdges(s.deviceX(x1), s.deviceY(y1), s.deviceX(x2), s.deviceY(y2));
    ResetPenAndBrush();
}

void ShapeItemDrawer::ResetPenAndBrush()
{
    GdiCanvas &canvas = m_pass.canvas;
    canvas.setPenStyle(GdiPenStyle::Solid);
    canvas.setPenColor(0xFFFFFF);
    canvas.setBrushStyle(GdiBrushStyle::Clear);
    canvas.setBrushColor(0xFFFFFF);
}
