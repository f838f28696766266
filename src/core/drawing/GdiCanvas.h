#pragma once
// The drawing surface of a pass, with the rules the layouts were made for:
// pens with a style, a width in device pixels and a colour; brushes where giving
// a colour to a clear brush makes it solid; fonts sized in points at a chosen
// resolution (or by cell height) with an escapement; text placed by the top-left
// corner of its cell; lines that leave out their last pixel; boxes that end
// before their right and bottom edges. One canvas wraps a QPainter on the
// preview image, on a printer page or on a PDF page.
//
// Fonts are built and text is shaped at TextMetricsDpi on every device and
// drawn scaled to the device, so that a text has the same extent in
// millimetres on the preview at any zoom, on the printer and in a PDF.

#include "core/drawing/FontCache.h"
#include "core/drawing/GdiStyles.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QTransform>
#include <QVector>

class QPainter;

class GdiCanvas
{
public:
    // painter must be active. deviceDpiX/Y are the device's resolutions: text
    // shaped at TextMetricsDpi is scaled by them. patternScale is the number of
    // device pixels per preview pixel: hatch spacing and dash lengths grow with
    // it so that a printed pattern looks like the one on the screen.
    GdiCanvas(QPainter &painter, int deviceDpiX, int deviceDpiY, double patternScale);
    // Leaves the painter with the transform it came with.
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas &) = delete;
    GdiCanvas &operator=(const GdiCanvas &) = delete;

    // ---- Pen -------------------------------------------------------------
    // Style, width in device pixels (at least 1) and colour of the pen.
    void setPenStyle(GdiPenStyle style) { m_penStyle = style; }
    void setPenWidth(int pixels);
    void setPenColor(qint64 bgr) { m_penColor = ColorFromBgr(bgr); }
    GdiPenStyle penStyle() const { return m_penStyle; }
    int penWidth() const { return m_penWidth; }
    QColor penColor() const { return m_penColor; }

    // ---- Brush -----------------------------------------------------------
    // Style of the brush; a clear brush paints nothing.
    void setBrushStyle(GdiBrushStyle style) { m_brushStyle = style; }
    // Colour of the brush; a clear brush becomes a solid one of that colour.
    void setBrushColor(qint64 bgr);
    GdiBrushStyle brushStyle() const { return m_brushStyle; }
    QColor brushColor() const { return m_brushColor; }

    // ---- Font ------------------------------------------------------------
    // Face name as written in the layout (mapped by the font substitutions).
    void setFontName(const QString &name);
    void setFontStyle(GdiFontStyle style);
    void setFontColor(qint64 bgr) { m_fontColor = ColorFromBgr(bgr); }
    // Size in points; the em height is points x TextMetricsDpi / 72 pixels,
    // rounded, scaled to the device.
    void setFontSize(int points);
    // Size by cell height (ascent plus descent) in pixels at TextMetricsDpi, as
    // a font built from a cell height is; replaces the point size until
    // setFontSize.
    void setFontCellHeight(int pixels);
    // Escapement in tenths of a degree, counter-clockwise.
    void setFontEscapement(int tenths) { m_escapement = tenths; }
    QColor fontColor() const { return m_fontColor; }
    GdiFontStyle fontStyle() const { return m_fontStyle; }
    // The font as it is shaped, at TextMetricsDpi.
    QFont font() const;

    // ---- Text ------------------------------------------------------------
    // Width and height of the text's cell run in device pixels.
    QSize textExtent(const QString &text) const;
    // Draws text with the top-left corner of its cell at the device point at
    // (which may fall between pixels), in the font colour, rotated by the
    // escapement about that corner.
    void textOut(QPointF at, const QString &text);
    // Fills the glyphs of text, placed as textOut places it, with the brush
    // colour (the clip-region fill of the outline mode).
    void fillTextSolid(QPointF at, const QString &text);
    // Fills the glyphs of text by device rows from the row of at: row i gets rowColors[i];
    // width is the text's measured width. No antialiasing between rows or at
    // the glyph edges, as a clip region fill has none.
    void fillTextRows(QPointF at, const QString &text, int width, const QVector<QRgb> &rowColors);
    // The shapes whose union is the text placed as textOut would place it (no
    // escapement): the glyph outlines and, for a bold font, the shifted copies
    // that make them bold. Bold is built here rather than left to the font
    // engine, which stops emboldening large glyphs.
    QVector<QPainterPath> textShapes(QPointF at, const QString &text) const;
    // The union of textShapes as one path (winding fill).
    QPainterPath textOutline(QPointF at, const QString &text) const;

    // ---- Shapes ----------------------------------------------------------
    // A line from (x1, y1) to (x2, y2) with the pen; the last pixel is left out.
    void line(int x1, int y1, int x2, int y2);
    // A rounded box with a corner ellipse of cornerW x cornerH pixels, outlined
    // with the pen and filled with the brush; covers box up to its right and
    // bottom edges, not including them.
    void roundRect(const QRect &box, int cornerW, int cornerH);
    // The ellipse inscribed in box, outlined and filled.
    void ellipse(const QRect &box);
    // The part of the ellipse in box running counter-clockwise from the ray
    // through start to the ray through end (both from the box centre); equal rays
    // give the whole ellipse. Outline only.
    void arc(const QRect &box, QPoint start, QPoint end);
    // As arc, closed by the straight line between its ends, outlined and filled.
    void chord(const QRect &box, QPoint start, QPoint end);
    // Fills box (right and bottom edges excluded) with the brush, no outline.
    void fillRect(const QRect &box);

    // ---- Pictures --------------------------------------------------------
    // True when pictures should be scaled before drawing (a raster device);
    // vector devices get the original picture and a target rectangle.
    bool prefersPrescaledPictures() const { return m_raster; }
    // Draws image scaled into target.
    void drawPicture(const QRectF &target, const QImage &image);

    // The painter, in device pixels.
    QPainter &painter()
    {
        deviceSpace();
        return m_painter;
    }

private:
    // Whether the font engine draws the glyphs itself on this raster device,
    // bold included (glyphs small enough for its glyph cache; gradient rows
    // then go through a glyph mask).
    bool engineDrawsGlyphs() const;
    // Maps the drawing font's space (origin at the cell's top-left corner) onto
    // the device with the cell's corner at the device point at, rotated by the
    // escapement.
    QTransform drawingTransform(QPointF at) const;
    // Draws text in the drawing font f with the painter's pen, the cell's
    // top-left corner at the device point at, moved by offset device pixels.
    void drawTextRun(QPointF at, const QString &text, const QFont &f, QPointF offset = {});
    // textOut with the painter's current pen.
    void drawGlyphs(QPointF at, const QString &text);
    // The painter's transform for text (the drawing font's stretch) or for
    // everything else (device pixels). Texts follow one another on a page;
    // switching only when that changes keeps the preview fast.
    void textSpace();
    void deviceSpace();
    QPen currentPen() const;
    // The box a pen outline is drawn on, so that the figure ends before the
    // right and bottom edges (and stays inside for an inside-frame pen).
    QRectF outlineBox(const QRect &box) const;
    // Fills area with the brush (solid colour or hatch lines); clear paints nothing.
    void fillArea(const QPainterPath &area);
    void fillHatch(const QPainterPath &area);
    // fillTextRows on a vector page.
    void fillTextRowsAsText(QPointF at, const QString &text, int width, const QVector<QRgb> &rowColors);
    // Strokes path with the pen and fills it with the brush.
    void drawFigure(const QPainterPath &outline, bool filled);
    // Arc path between the two rays, starting at the start ray.
    QPainterPath arcPath(const QRect &box, QPoint start, QPoint end, bool closed) const;
    void rebuildFont() const;
    // The current font without bold, at the same em height.
    CachedFont regularFont() const;
    // Where the regular glyphs are placed, in device pixels relative to the
    // text's own place, so that together they make the current font's
    // synthetic bold; one offset (none) for a font that is not bold.
    QVector<QPointF> boldOffsets() const;

    QPainter &m_painter;
    // Device pixels per text-space pixel.
    qreal m_textScaleX;
    qreal m_textScaleY;
    double m_patternScale;
    bool m_raster;
    QRect m_deviceRect;
    QTransform m_deviceTransform;
    bool m_inTextSpace = false;
    qreal m_textSpaceScaleX = 1;
    qreal m_textSpaceScaleY = 1;

    GdiPenStyle m_penStyle = GdiPenStyle::Solid;
    int m_penWidth = 1;
    QColor m_penColor = Qt::black;
    GdiBrushStyle m_brushStyle = GdiBrushStyle::Solid;
    QColor m_brushColor = Qt::white;

    QString m_fontName;
    GdiFontStyle m_fontStyle;
    QColor m_fontColor = Qt::black;
    int m_fontPoints = 12;
    int m_fontCellHeight = 0; // > 0: sized by cell height
    int m_escapement = 0;
    mutable QFont m_font; // the shaping font, at TextMetricsDpi
    // The same face at the em nearest the device's, and the stretch from it to
    // the shaping font scaled onto the device.
    mutable QFont m_drawingFont;
    mutable QFont m_regularDrawingFont;
    mutable qreal m_drawingScaleX = 1;
    mutable qreal m_drawingScaleY = 1;
    mutable qreal m_ascent = 0;
    mutable qreal m_descent = 0;
    mutable bool m_fontDirty = true;
};
