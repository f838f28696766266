#include "core/drawing/TextItemDrawer.h"

#include "core/drawing/TextMetrics.h"

#include <QVector>
#include <algorithm>

namespace {

// Text drawn in one run is cut here: far beyond any page, it keeps a runaway
// text field from stalling the layout engine.
constexpr int MaxRunUnits = 8192;

QString runText(const QString &text)
{
    return TextItemDrawer::cutToMaxLength(text, MaxRunUnits);
}

} // namespace

QString TextItemDrawer::cutToMaxLength(const QString &text, int maxLength)
{
    if (maxLength <= 0 || text.size() <= maxLength)
        return text;
    int cut = maxLength;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

QStringList TextItemDrawer::pitchCharacters(const QString &text)
{
    QStringList characters;
    const int limit = std::min<int>(int(text.size()), PitchTextUnits);
    int i = 0;
    while (i < limit) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const int units = pair ? 2 : 1;
        if (i + units > limit)
            break;
        characters.append(text.mid(i, units));
        i += units;
    }
    return characters;
}

void TextItemDrawer::drawItem(const TextItem &item)
{
    GdiCanvas &canvas = m_pass.canvas;
    canvas.setFontName(item.fontName);
    canvas.setFontStyle(FontStyleFromName(item.fontStyle));
    const int mode = item.rotation != 0 ? int(Rotated) : item.mode;
    const qint64 parameter = mode == Gradient ? item.secondColor : qint64(item.rotation) * 10;
    if (item.shadowX.isZero() && item.shadowY.isZero()) {
        DrawTextItem(item.x, item.y, item.size, item.color, mode, parameter, item.pitch, item.fontName, item.text,
                     item.previewOnly, item.maxLength);
        return;
    }
    DrawTextItem(item.x + item.shadowX, item.y + item.shadowY, item.size, item.secondColor, mode, parameter,
                 item.pitch, item.fontName, item.text, item.previewOnly, item.maxLength);
    // The shadow copy may have turned the font bold or rotated it; the main copy
    // starts from the item's own font again.
    canvas.setFontName(item.fontName);
    canvas.setFontStyle(FontStyleFromName(item.fontStyle));
    DrawTextItem(item.x, item.y, item.size, item.color, mode, parameter, item.pitch, item.fontName, item.text,
                 item.previewOnly, item.maxLength);
}

QPointF TextItemDrawer::textAnchor(Millimetre x, Millimetre y) const
{
    // Placed on the grid the text is shaped on, fraction dropped as for any
    // position, and scaled onto the device: the preview puts a text exactly
    // where the printer does, not up to a screen pixel before it.
    const DeviceScale &device = m_pass.scale;
    const DeviceScale grid(TextMetricsDpi, TextMetricsDpi, device.offsetX(), device.offsetY());
    const DrawContext &ctx = m_pass.context;
    return QPointF(grid.deviceX(x) * qreal(ctx.targetDpiX) / TextMetricsDpi,
                   grid.deviceY(y) * qreal(ctx.targetDpiY) / TextMetricsDpi);
}

void TextItemDrawer::DrawTextItem(Millimetre x, Millimetre y, int size, qint64 color, int mode, qint64 modeParameter,
                                  Millimetre pitch, const QString &fontName, const QString &fullText,
                                  int previewOnly, int maxLength)
{
    const DrawContext &ctx = m_pass.context;
    if (x.isZero() || fullText.isEmpty() || ctx.leavesOut(previewOnly))
        return;
    const QString text = cutToMaxLength(fullText, maxLength);
    GdiCanvas &canvas = m_pass.canvas;
    canvas.setFontColor(color);
    canvas.setBrushStyle(GdiBrushStyle::Clear);
    canvas.setFontSize(size);
    canvas.setFontEscapement(0);
    const QPointF at = textAnchor(x, y);

    switch (mode) {
    case Horizontal:
        if (pitch.isZero())
            canvas.textOut(at, runText(text));
        else
            drawPitched(x, y, pitch, false, text);
        return;
    case Outline:
    case Gradient: {
        canvas.setFontName(fontName);
        // Bold is added to whatever style the item has.
        GdiFontStyle style = canvas.fontStyle();
        style.bold = true;
        canvas.setFontStyle(style);
        canvas.setFontSize(size);
        drawFilled(at, runText(text), color, mode == Gradient, modeParameter);
        return;
    }
    case Rotated:
        drawRotated(at, size, modeParameter, fontName, runText(text));
        return;
    default: { // vertical, and every other mode
        Millimetre verticalPitch = pitch;
        if (verticalPitch.isZero())
            verticalPitch = Millimetre::fromUnits(qint64(size) * Millimetre::UnitsPerMm / 2);
        drawPitched(x, y, verticalPitch, true, text);
        return;
    }
    }
}

void TextItemDrawer::drawPitched(Millimetre x, Millimetre y, Millimetre pitch, bool vertical, const QString &text)
{
    const QStringList characters = pitchCharacters(text);
    if (pitch < Millimetre()) {
        pitch = -pitch;
        // Ends at the item's position: start n pitches before it.
        const Millimetre back = Millimetre::fromUnits(pitch.units() * characters.size());
        if (vertical)
            y = y - back;
        else
            x = x - back;
    }
    for (const QString &c : characters) {
        m_pass.canvas.textOut(textAnchor(x, y), c);
        if (vertical)
            y = y + pitch;
        else
            x = x + pitch;
    }
}

void TextItemDrawer::drawFilled(QPointF at, const QString &text, qint64 color, bool gradient, qint64 secondColor)
{
    GdiCanvas &canvas = m_pass.canvas;
    canvas.setBrushColor(color);
    const QSize extent = canvas.textExtent(text);
    const int w = extent.width();
    const int h = extent.height();
    // The text fills its own measured box, so centring it there puts it at the box.
    if (w <= 0)
        return;
    if (!gradient) {
        canvas.fillTextSolid(at, text);
        return;
    }
    if (h <= 0)
        return;
    // Rows 0 to h: the top row has the item colour, the bottom row the second
    // colour; each channel steps by the whole part of i x step.
    QVector<QRgb> rows;
    rows.reserve(h + 1);
    const int channels[3][2] = {
        {int(color & 0xFF), int(secondColor & 0xFF)},
        {int((color >> 8) & 0xFF), int((secondColor >> 8) & 0xFF)},
        {int((color >> 16) & 0xFF), int((secondColor >> 16) & 0xFF)},
    };
    QRgb last = 0;
    for (int i = 0; i <= h; ++i) {
        int value[3];
        for (int c = 0; c < 3; ++c) {
            const qint64 delta = qint64(channels[c][1] - channels[c][0]) * i / h; // toward zero
            value[c] = int((channels[c][0] + delta) & 0xFF);
        }
        last = qRgb(value[0], value[1], value[2]);
        rows.append(last);
    }
    canvas.fillTextRows(at, text, w, rows);
    // The brush keeps the last row's colour, as the row fills leave it.
    canvas.setBrushColor(qint64(qRed(last)) | (qint64(qGreen(last)) << 8) | (qint64(qBlue(last)) << 16));
}

void TextItemDrawer::drawRotated(QPointF at, int size, qint64 escapement, const QString &fontName,
                                 const QString &text)
{
    const DrawContext &ctx = m_pass.context;
    GdiCanvas &canvas = m_pass.canvas;
    canvas.setBrushStyle(GdiBrushStyle::Clear);
    canvas.setFontName(fontName);
    canvas.setFontStyle(GdiFontStyle{}); // the rotated font has weight 0 and no italic
    // The cell height of size pixels is read as points at PreviewDpiX and
    // re-derived at the text resolution, as the printer page does at its own;
    // the preview shows that same cell scaled, so that it predicts the paper.
    const qint64 dpi = std::max(1, ctx.previewDpiX);
    const qint64 cell = (qint64(size) * TextMetricsDpi * 2 + dpi) / (2 * dpi);
    canvas.setFontCellHeight(int(std::clamp<qint64>(std::llabs(cell), 1, 1 << 20)));
    canvas.setFontEscapement(int(escapement % 3600));
    canvas.textOut(at, text);
    canvas.setFontEscapement(0);
}
