#include "core/drawing/GdiCanvas.h"

#include "core/drawing/FontCache.h"
#include "core/drawing/RowPatternTiles.h"
#include "core/drawing/TextMetrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

// Above this em height on the device the raster font engine draws outlines and
// leaves out its synthetic bold.
constexpr qreal LargestEngineBoldPixels = 63;

// The dash patterns of one-pixel pens, in pixels.
QVector<qreal> dashPattern(GdiPenStyle style)
{
    switch (style) {
    case GdiPenStyle::Dash:
        return {18, 6};
    case GdiPenStyle::Dot:
        return {3, 3};
    case GdiPenStyle::DashDot:
        return {9, 6, 3, 6};
    case GdiPenStyle::DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

// Angle in degrees, counter-clockwise from three o'clock, of the point on the
// ellipse of box that lies on the ray from the centre through p. QPainterPath
// arcs take the angle of the circle that is stretched into the ellipse.
qreal ellipseAngle(const QRectF &box, QPointF p)
{
    const QPointF c = box.center();
    const qreal a = std::max<qreal>(box.width() / 2, 1e-9);
    const qreal b = std::max<qreal>(box.height() / 2, 1e-9);
    const qreal dx = (p.x() - c.x()) / a;
    const qreal dy = -(p.y() - c.y()) / b;
    if (dx == 0 && dy == 0)
        return 0;
    return qRadiansToDegrees(std::atan2(dy, dx));
}

} // namespace

GdiCanvas::GdiCanvas(QPainter &painter, int deviceDpiX, int deviceDpiY, double patternScale)
    : m_painter(painter),
      m_textScaleX(qreal(std::max(1, deviceDpiX)) / TextMetricsDpi),
      m_textScaleY(qreal(std::max(1, deviceDpiY)) / TextMetricsDpi),
      m_patternScale(patternScale > 0 ? patternScale : 1.0)
{
    QPaintEngine *engine = painter.paintEngine();
    m_raster = engine && engine->type() == QPaintEngine::Raster;
    if (QPaintDevice *device = painter.device())
        m_deviceRect = QRect(0, 0, device->width(), device->height());
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_deviceTransform = painter.worldTransform();
}

GdiCanvas::~GdiCanvas()
{
    deviceSpace();
}

void GdiCanvas::setPenWidth(int pixels)
{
    m_penWidth = std::max(1, pixels);
}

void GdiCanvas::setBrushColor(qint64 bgr)
{
    m_brushColor = ColorFromBgr(bgr);
    if (m_brushStyle == GdiBrushStyle::Clear)
        m_brushStyle = GdiBrushStyle::Solid;
}

void GdiCanvas::setFontName(const QString &name)
{
    if (name != m_fontName) {
        m_fontName = name;
        m_fontDirty = true;
    }
}

void GdiCanvas::setFontStyle(GdiFontStyle style)
{
    m_fontStyle = style;
    m_fontDirty = true;
}

void GdiCanvas::setFontSize(int points)
{
    m_fontPoints = points;
    m_fontCellHeight = 0;
    m_fontDirty = true;
}

void GdiCanvas::setFontCellHeight(int pixels)
{
    m_fontCellHeight = std::clamp(pixels, 1, MaxFontPixels);
    m_fontDirty = true;
}

void GdiCanvas::rebuildFont() const
{
    if (!m_fontDirty)
        return;
    FontCache &cache = FontCache::instance();
    CachedFont cached;
    if (m_fontCellHeight > 0) {
        cached = cache.atCellHeight(m_fontName, m_fontStyle, m_fontCellHeight);
    } else {
        cached = cache.atPixelSize(m_fontName, m_fontStyle, std::max(1, PointsToPixels(m_fontPoints, TextMetricsDpi)));
    }
    m_font = cached.font;
    m_ascent = cached.ascent;
    m_descent = cached.descent;
    // The glyphs are drawn from the font nearest the device's em and stretched
    // the last fraction of a pixel: unhinted advances grow in proportion to the
    // em, so they land where the shaping font puts them, and the font engine
    // draws (and emboldens) glyphs of that size from its cache as it always has.
    const int shapingEm = m_font.pixelSize();
    const int drawingEm = std::clamp(int(std::lround(shapingEm * m_textScaleY)), 1, MaxFontPixels);
    GdiFontStyle regularStyle = m_fontStyle;
    regularStyle.bold = false;
    m_drawingFont = cache.atPixelSize(m_fontName, m_fontStyle, drawingEm).font;
    m_regularDrawingFont = cache.atPixelSize(m_fontName, regularStyle, drawingEm).font;
    m_drawingScaleX = shapingEm * m_textScaleX / drawingEm;
    m_drawingScaleY = shapingEm * m_textScaleY / drawingEm;
    m_fontDirty = false;
}

QFont GdiCanvas::font() const
{
    rebuildFont();
    return m_font;
}

QSize GdiCanvas::textExtent(const QString &text) const
{
    const QFontMetricsF metrics(font());
    const qreal height = m_ascent + m_descent;
    return QSize(int(std::lround(metrics.horizontalAdvance(text) * m_textScaleX)),
                 int(std::lround(height * m_textScaleY)));
}

void GdiCanvas::textSpace()
{
    if (m_inTextSpace && m_textSpaceScaleX == m_drawingScaleX && m_textSpaceScaleY == m_drawingScaleY)
        return;
    m_textSpaceScaleX = m_drawingScaleX;
    m_textSpaceScaleY = m_drawingScaleY;
    m_painter.setWorldTransform(QTransform::fromScale(m_drawingScaleX, m_drawingScaleY) * m_deviceTransform);
    m_inTextSpace = true;
}

void GdiCanvas::deviceSpace()
{
    if (m_inTextSpace) {
        m_painter.setWorldTransform(m_deviceTransform);
        m_inTextSpace = false;
    }
}

QTransform GdiCanvas::drawingTransform(QPointF at) const
{
    QTransform t;
    t.translate(at.x(), at.y());
    if (m_escapement % 3600 != 0)
        t.rotate(-m_escapement / 10.0);
    t.scale(m_drawingScaleX, m_drawingScaleY);
    return t;
}

void GdiCanvas::drawTextRun(QPointF at, const QString &text, const QFont &f, QPointF offset)
{
    rebuildFont();
    m_painter.setFont(f);
    // The baseline, in device pixels below the cell's top.
    const qreal baseline = m_ascent * m_textScaleY;
    if (m_escapement % 3600 == 0) {
        textSpace();
        m_painter.drawText(QPointF((at.x() + offset.x()) / m_drawingScaleX,
                                   (at.y() + baseline + offset.y()) / m_drawingScaleY),
                           text);
        return;
    }
    deviceSpace();
    m_painter.setWorldTransform(drawingTransform(at), true);
    m_painter.drawText(QPointF(offset.x() / m_drawingScaleX, (baseline + offset.y()) / m_drawingScaleY), text);
    m_painter.setWorldTransform(m_deviceTransform);
}

void GdiCanvas::textOut(QPointF at, const QString &text)
{
    m_painter.setPen(m_fontColor);
    m_painter.setBrush(Qt::NoBrush);
    drawGlyphs(at, text);
}

void GdiCanvas::drawGlyphs(QPointF at, const QString &text)
{
    rebuildFont();
    if (m_font.bold() && m_raster && !engineDrawsGlyphs() && m_escapement % 3600 == 0) {
        // The font engine draws large glyphs without their synthetic bold:
        // the regular glyphs at each bold offset make it.
        for (const QPointF &offset : boldOffsets())
            drawTextRun(at, text, m_regularDrawingFont, offset);
        return;
    }
    drawTextRun(at, text, m_drawingFont);
}

CachedFont GdiCanvas::regularFont() const
{
    const QFont f = font();
    GdiFontStyle regularStyle = m_fontStyle;
    regularStyle.bold = false;
    return FontCache::instance().atPixelSize(m_fontName, regularStyle, f.pixelSize());
}

QVector<QPointF> GdiCanvas::boldOffsets() const
{
    QVector<QPointF> offsets{QPointF(0, 0)};
    const QFont f = font();
    if (!f.bold())
        return offsets;
    // Synthetic bold grows every outline by a twenty-fourth of the em to the
    // right and upwards, as the font engine emboldens the smaller glyphs it
    // draws itself: the union of the outline shifted across that square.
    // Filling shifted copies is much cheaper than stroking glyphs.
    const qreal dx = f.pixelSize() / 24.0 * m_textScaleX;
    const qreal dy = f.pixelSize() / 24.0 * m_textScaleY;
    if (std::min(dx, dy) >= 0.25)
        offsets << QPointF(dx, 0) << QPointF(0, -dy) << QPointF(dx, -dy);
    return offsets;
}

QVector<QPainterPath> GdiCanvas::textShapes(QPointF at, const QString &text) const
{
    const CachedFont regular = regularFont();
    QPainterPath glyphs;
    glyphs.addText(QPointF(0, regular.ascent), regular.font, text);
    glyphs.setFillRule(Qt::WindingFill);
    if (glyphs.isEmpty())
        return {glyphs};
    QTransform place;
    place.translate(at.x(), at.y());
    place.scale(m_textScaleX, m_textScaleY);
    glyphs = place.map(glyphs);
    QVector<QPainterPath> shapes;
    for (const QPointF &offset : boldOffsets())
        shapes.append(offset.isNull() ? glyphs : glyphs.translated(offset));
    return shapes;
}

bool GdiCanvas::engineDrawsGlyphs() const
{
    rebuildFont();
    return m_raster && m_drawingFont.pixelSize() <= LargestEngineBoldPixels;
}

void GdiCanvas::fillTextSolid(QPointF at, const QString &text)
{
    // The glyphs, bold included, are the filled outlines (a PDF page keeps them
    // as text with its synthetic bold).
    m_painter.setPen(m_brushColor);
    m_painter.setBrush(Qt::NoBrush);
    drawGlyphs(at, text);
}

void GdiCanvas::fillTextRows(QPointF at, const QString &text, int width, const QVector<QRgb> &rowColors)
{
    if (rowColors.isEmpty() || width <= 0)
        return;
    rebuildFont();
    const int rows = int(rowColors.size());
    const int x = int(std::floor(at.x())), y = int(std::floor(at.y()));
    deviceSpace();
    if (engineDrawsGlyphs()) {
        // Draw the glyphs once as a mask, then give every covered pixel the
        // colour of its row; a pixel is covered when the glyph covers at least
        // half of it, as a region has no partial pixels.
        const int pad = std::max(2, m_drawingFont.pixelSize() / 4);
        QImage mask(width + pad, rows, QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        {
            QPainter glyphs(&mask);
            glyphs.setRenderHint(QPainter::TextAntialiasing, true);
            // The glyphs keep their place between pixels; the rows are whole.
            glyphs.setTransform(QTransform::fromScale(m_drawingScaleX, m_drawingScaleY));
            glyphs.setFont(m_drawingFont);
            glyphs.setPen(Qt::black);
            glyphs.drawText(QPointF((at.x() - x) / m_drawingScaleX,
                                    (at.y() - y + m_ascent * m_textScaleY) / m_drawingScaleY),
                            text);
        }
        const int columns = mask.width();
        for (int row = 0; row < rows; ++row) {
            QRgb *line = reinterpret_cast<QRgb *>(mask.scanLine(row));
            const QRgb colour = rowColors[row] | 0xFF000000u;
            for (int col = 0; col < columns; ++col)
                line[col] = qAlpha(line[col]) >= 128 ? colour : 0u;
        }
        m_painter.drawImage(QPoint(x, y), mask);
        return;
    }
    if (!m_raster) {
        fillTextRowsAsText(at, text, width, rowColors);
        return;
    }
    // Large glyphs: clip to the outlines once and paint the rows inside, as
    // whole device rows without antialiasing so that no gaps show between them.
    const QPainterPath outline = textOutline(at, text);
    if (outline.isEmpty())
        return;
    const int coveredWidth = int(std::ceil(at.x() + width)) - x;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setClipPath(outline, Qt::IntersectClip);
    int start = 0;
    for (int i = 1; i <= rows; ++i) {
        if (i < rows && rowColors[i] == rowColors[start])
            continue;
        m_painter.fillRect(QRect(x, y + start, coveredWidth, i - start), QColor::fromRgb(rowColors[start]));
        start = i;
    }
    m_painter.restore();
}

void GdiCanvas::fillTextRowsAsText(QPointF at, const QString &text, int width, const QVector<QRgb> &rowColors)
{
    // The glyphs stay text on the page, filled with a tiling pattern whose rows
    // are the row colours and clipped to the rows' box as the region fill is;
    // outlines as a clip would cost a hundred times the bytes on every page.
    // Bold is drawn as textShapes builds it: the regular glyphs at each offset.
    const int x = int(std::floor(at.x())), y = int(std::floor(at.y()));
    const int rows = int(rowColors.size());
    const QImage tile = RowPatternTiles::instance().tile(rowColors);
    deviceSpace();
    m_painter.save();
    // Lossless: a tile compressed as a photograph would shift the row colours.
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setClipRect(QRect(x, y, int(std::ceil(at.x() + width)) - x, rows), Qt::IntersectClip);
    // The glyphs are drawn stretched by the drawing scale; the tile's rows
    // must stay device rows starting at y, so the brush undoes the stretch.
    QBrush rowBrush(tile);
    rowBrush.setTransform(QTransform::fromTranslate(x, y) *
                          QTransform::fromScale(1 / m_drawingScaleX, 1 / m_drawingScaleY));
    m_painter.setPen(QPen(rowBrush, 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setWorldTransform(QTransform::fromScale(m_drawingScaleX, m_drawingScaleY), true);
    m_painter.setBrushOrigin(0, 0);
    m_painter.setFont(m_regularDrawingFont);
    const qreal baseline = at.y() + m_ascent * m_textScaleY;
    for (const QPointF &offset : boldOffsets())
        m_painter.drawText(QPointF((at.x() + offset.x()) / m_drawingScaleX, (baseline + offset.y()) / m_drawingScaleY),
                           text);
    m_painter.restore();
}

QPainterPath GdiCanvas::textOutline(QPointF at, const QString &text) const
{
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    // Shifted copies of the same outlines each wind the same way, so with the
    // winding rule their sum is their union.
    for (const QPainterPath &shape : textShapes(at, text))
        outline.addPath(shape);
    return outline;
}

QPen GdiCanvas::currentPen() const
{
    const QVector<qreal> dashes = dashPattern(m_penStyle);
    if (!dashes.isEmpty()) {
        QPen pen(m_penColor, 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
        QVector<qreal> scaled;
        for (qreal d : dashes)
            scaled.append(d * m_patternScale);
        pen.setDashPattern(scaled);
        return pen;
    }
    if (m_penWidth <= 1)
        return QPen(m_penColor, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    return QPen(m_penColor, m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void GdiCanvas::line(int x1, int y1, int x2, int y2)
{
    deviceSpace();
    const QPen pen = currentPen();
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    if (pen.widthF() > 1) {
        m_painter.drawLine(QLineF(x1, y1, x2, y2));
        return;
    }
    // A one-pixel line with real coordinates covers its first pixel and stops
    // short of its last one; a zero-length line draws nothing.
    if (x1 == x2 && y1 == y2)
        return;
    m_painter.drawLine(QLineF(x1, y1, x2, y2));
}

QRectF GdiCanvas::outlineBox(const QRect &box) const
{
    const QRect b = box.normalized();
    QRectF r(b.left(), b.top(), b.width() - 1, b.height() - 1);
    if (m_penStyle == GdiPenStyle::InsideFrame && m_penWidth > 1) {
        const qreal inset = (m_penWidth - 1) / 2.0;
        r.adjust(inset, inset, -inset, -inset);
    }
    return r;
}

void GdiCanvas::fillArea(const QPainterPath &area)
{
    switch (m_brushStyle) {
    case GdiBrushStyle::Clear:
        return;
    case GdiBrushStyle::Solid:
        m_painter.fillPath(area, m_brushColor);
        return;
    default:
        fillHatch(area);
        return;
    }
}

void GdiCanvas::fillHatch(const QPainterPath &area)
{
    const qreal spacing = 8 * m_patternScale;
    const qreal width = std::max<qreal>(1, std::round(m_patternScale));
    QRectF bounds = area.boundingRect();
    if (!m_deviceRect.isEmpty())
        bounds = bounds.intersected(QRectF(m_deviceRect).adjusted(-spacing, -spacing, spacing, spacing));
    if (bounds.isEmpty())
        return;
    m_painter.save();
    m_painter.setClipPath(area, Qt::IntersectClip);
    m_painter.setPen(QPen(m_brushColor, width, Qt::SolidLine, Qt::FlatCap));
    m_painter.setBrush(Qt::NoBrush);
    const bool horizontal = m_brushStyle == GdiBrushStyle::Horizontal || m_brushStyle == GdiBrushStyle::Cross;
    const bool vertical = m_brushStyle == GdiBrushStyle::Vertical || m_brushStyle == GdiBrushStyle::Cross;
    const bool forward = m_brushStyle == GdiBrushStyle::FDiagonal || m_brushStyle == GdiBrushStyle::DiagCross;
    const bool backward = m_brushStyle == GdiBrushStyle::BDiagonal || m_brushStyle == GdiBrushStyle::DiagCross;
    // Lines sit on a grid anchored at the device origin, as a pattern brush does.
    auto first = [spacing](qreal from) { return std::floor(from / spacing) * spacing; };
    const qreal l = bounds.left(), t = bounds.top(), r = bounds.right(), b = bounds.bottom();
    if (horizontal)
        for (qreal y = first(t); y <= b; y += spacing)
            m_painter.drawLine(QLineF(l, y, r, y));
    if (vertical)
        for (qreal x = first(l); x <= r; x += spacing)
            m_painter.drawLine(QLineF(x, t, x, b));
    const qreal h = b - t;
    if (forward) // "\": x - y constant
        for (qreal k = first(l - b); k <= r - t; k += spacing)
            m_painter.drawLine(QLineF(k + t, t, k + b, b));
    if (backward) // "/": x + y constant
        for (qreal k = first(l + t); k <= r + b; k += spacing)
            m_painter.drawLine(QLineF(k - t, t, k - t - h, b));
    m_painter.restore();
}

void GdiCanvas::drawFigure(const QPainterPath &outline, bool filled)
{
    deviceSpace();
    if (filled)
        fillArea(outline);
    m_painter.setPen(currentPen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(outline);
}

void GdiCanvas::roundRect(const QRect &box, int cornerW, int cornerH)
{
    const QRectF r = outlineBox(box);
    const qreal rx = std::min<qreal>(std::abs(cornerW) / 2.0, r.width() / 2);
    const qreal ry = std::min<qreal>(std::abs(cornerH) / 2.0, r.height() / 2);
    QPainterPath path;
    path.addRoundedRect(r, std::max<qreal>(rx, 0), std::max<qreal>(ry, 0), Qt::AbsoluteSize);
    drawFigure(path, true);
}

void GdiCanvas::ellipse(const QRect &box)
{
    QPainterPath path;
    path.addEllipse(outlineBox(box));
    drawFigure(path, true);
}

QPainterPath GdiCanvas::arcPath(const QRect &box, QPoint start, QPoint end, bool closed) const
{
    const QRectF r = outlineBox(box);
    const QRectF rays = QRectF(box.normalized());
    const qreal a0 = ellipseAngle(rays, start);
    const qreal a1 = ellipseAngle(rays, end);
    qreal sweep = std::fmod(a1 - a0 + 720.0, 360.0);
    if (sweep <= 1e-9)
        sweep = 360.0;
    QPainterPath path;
    path.arcMoveTo(r, a0);
    path.arcTo(r, a0, sweep);
    if (closed)
        path.closeSubpath();
    return path;
}

void GdiCanvas::arc(const QRect &box, QPoint start, QPoint end)
{
    drawFigure(arcPath(box, start, end, false), false);
}

void GdiCanvas::chord(const QRect &box, QPoint start, QPoint end)
{
    drawFigure(arcPath(box, start, end, true), true);
}

void GdiCanvas::fillRect(const QRect &box)
{
    const QRect b = box.normalized();
    if (b.isEmpty() || m_brushStyle == GdiBrushStyle::Clear)
        return;
    deviceSpace();
    if (m_brushStyle == GdiBrushStyle::Solid) {
        m_painter.fillRect(b, m_brushColor);
        return;
    }
    QPainterPath area;
    area.addRect(b);
    fillHatch(area);
}

void GdiCanvas::drawPicture(const QRectF &target, const QImage &image)
{
    if (image.isNull() || target.isEmpty())
        return;
    deviceSpace();
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.drawImage(target, image);
    m_painter.restore();
}
