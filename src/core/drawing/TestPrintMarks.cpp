#include "core/drawing/TestPrintMarks.h"

#include "core/drawing/DeviceScale.h"
#include "core/drawing/DrawContext.h"
#include "core/drawing/GdiCanvas.h"

#include <QStringList>
#include <algorithm>

namespace {

// Hundredths of a millimetre: the sizes below are easier to read that way.
Millimetre hundredths(int h)
{
    return Millimetre::fromUnits(qint64(h) * Millimetre::UnitsPerMm / 100);
}

constexpr int TickWidth = 15;   // 0.15 mm: thin enough to read a tenth beside it
constexpr int CrossWidth = 25;  // 0.25 mm
constexpr int CrossArm = 300;   // 3 mm each way from the centre
constexpr int MarkFont = 7;     // points
constexpr int RulerFont = 6;
constexpr int NoteFont = 9;

const char *const NoteFace = "ＭＳ ゴシック";

// Tick length along the ruler: every millimetre short, every 5 longer, every 10 longest.
int tickLength(int mm)
{
    return mm % 10 == 0 ? 450 : mm % 5 == 0 ? 300 : 200;
}

class MarkPainter
{
public:
    MarkPainter(GdiCanvas &canvas, const DrawContext &context)
        // No overall offsets: the marks show the printer's own error, the very
        // distance that goes into the offset boxes. Moved with the offsets they
        // would measure nothing once the boxes are set.
        : m_canvas(canvas), m_scale(context.targetDpiX, context.targetDpiY, 0, 0)
    {
        m_canvas.setBrushStyle(GdiBrushStyle::Solid);
        m_canvas.setBrushColor(0);
        m_canvas.setFontName(QString::fromUtf8(NoteFace));
        m_canvas.setFontStyle(GdiFontStyle());
        m_canvas.setFontColor(0);
        m_canvas.setFontEscapement(0);
    }

    int x(Millimetre mm) const { return m_scale.deviceX(mm); }
    int y(Millimetre mm) const { return m_scale.deviceY(mm); }
    int width(int h) const { return std::max(1, m_scale.lengthX(hundredths(h))); }
    int height(int h) const { return std::max(1, m_scale.lengthY(hundredths(h))); }

    // A vertical bar of the given width centred on device column cx.
    void vertical(int cx, int top, int length, int thickness)
    {
        const int w = width(thickness);
        m_canvas.fillRect(QRect(cx - w / 2, top, w, length));
    }
    // A horizontal bar of the given height centred on device row cy.
    void horizontal(int left, int cy, int length, int thickness)
    {
        const int h = height(thickness);
        m_canvas.fillRect(QRect(left, cy - h / 2, length, h));
    }
    void text(int px, int py, int points, const QString &s)
    {
        m_canvas.setFontSize(points);
        m_canvas.textOut(QPointF(px, py), s);
    }

private:
    GdiCanvas &m_canvas;
    DeviceScale m_scale;
};

void drawRulers(MarkPainter &p, QSize area)
{
    // The top ruler: ticks hang from the top edge, numbers sit below the short ticks.
    for (int mm = 0;; ++mm) {
        const int cx = p.x(Millimetre::fromWhole(mm));
        if (cx >= area.width())
            break;
        p.vertical(cx, 0, p.height(tickLength(mm)), TickWidth);
        if (mm > 0 && mm % 10 == 0)
            p.text(cx + p.width(50), p.height(240), RulerFont, QString::number(mm));
    }
    // The left ruler: ticks stand out from the left edge, numbers beside the short ticks.
    for (int mm = 0;; ++mm) {
        const int cy = p.y(Millimetre::fromWhole(mm));
        if (cy >= area.height())
            break;
        p.horizontal(0, cy, p.width(tickLength(mm)), TickWidth);
        if (mm > 0 && mm % 10 == 0)
            p.text(p.width(240), cy + p.height(30), RulerFont, QString::number(mm));
    }
}

void drawCross(MarkPainter &p, int mm)
{
    const Millimetre at = Millimetre::fromWhole(mm);
    const int cx = p.x(at), cy = p.y(at);
    const int armX = p.width(CrossArm), armY = p.height(CrossArm);
    p.horizontal(cx - armX, cy, 2 * armX + 1, CrossWidth);
    p.vertical(cx, cy - armY, 2 * armY + 1, CrossWidth);
    // The label stands clear of the arms, so the cross itself stays easy to read.
    p.text(cx + p.width(CrossArm + 100), cy + p.height(50), MarkFont,
           QStringLiteral("(%1mm, %1mm)").arg(mm));
}

void drawNote(MarkPainter &p, QSize area)
{
    const QStringList lines{
        QStringLiteral("テスト印刷"),
        QStringLiteral("このテスト印刷を送り状の用紙に重ねて窓にかざし、印字のずれをmmで測って"),
        QStringLiteral("「全体位置調整」に入力してください。印字が右や下にずれているときはマイナスの値です。"),
    };
    const int left = p.x(Millimetre::fromWhole(10));
    const int lineHeight = p.height(500);
    int top = area.height() - p.height(2000);
    for (const QString &line : lines) {
        p.text(left, top, NoteFont, line);
        top += lineHeight;
    }
}

} // namespace

void DrawTestPrintMarks(GdiCanvas &canvas, const DrawContext &context, QSize printablePixels)
{
    MarkPainter p(canvas, context);
    drawRulers(p, printablePixels);
    for (int mm : TestPrintCrossesMm)
        drawCross(p, mm);
    drawNote(p, printablePixels);
}
