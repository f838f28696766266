#include "core/drawing/PrinterMeasurements.h"

#include <cmath>

int RoundHalfEven(double value)
{
    // std::nearbyint honours the default rounding mode, which is to nearest-even.
    return int(std::nearbyint(value));
}

PrinterMeasurements PrinterMeasurements::fromDevice(int dpiX, int dpiY, const QSize &paperPx, const QRect &printablePx,
                                                    int screenDpiX, int screenDpiY)
{
    PrinterMeasurements m;
    m.printerDpiX = dpiX > 0 ? dpiX : 600;
    m.printerDpiY = dpiY > 0 ? dpiY : 600;
    const double perMmX = m.printerDpiX / 25.4;
    const double perMmY = m.printerDpiY / 25.4;
    m.physicalOffsetX = RoundHalfEven(printablePx.left() / perMmX);
    m.physicalOffsetY = RoundHalfEven(printablePx.top() / perMmY);
    m.physicalWidth = RoundHalfEven(paperPx.width() / perMmX);
    m.physicalHeight = RoundHalfEven(paperPx.height() / perMmY);
    m.printableWidth = RoundHalfEven(printablePx.width() / perMmX);
    m.printableHeight = RoundHalfEven(printablePx.height() / perMmY);
    m.screenDpiX = screenDpiX > 0 ? screenDpiX : 96;
    m.screenDpiY = screenDpiY > 0 ? screenDpiY : 96;
    return m;
}

PreviewGeometry PreviewGeometry::compute(const PrinterMeasurements &m, int zoomPercent)
{
    PreviewGeometry g;
    g.zoomPercent = zoomPercent;
    const double zoom = zoomPercent / 100.0;
    g.previewDpiX = int(m.screenDpiX * zoom);
    g.previewDpiY = int(m.screenDpiY * zoom);
    const double sx = m.screenDpiX / 25.4 * zoom;
    const double sy = m.screenDpiY / 25.4 * zoom;
    g.sheet = QSize(RoundHalfEven(m.physicalWidth * sx), RoundHalfEven(m.physicalHeight * sy));
    g.printableArea = QRect(RoundHalfEven(m.physicalOffsetX * sx), RoundHalfEven(m.physicalOffsetY * sy),
                            int(m.printableWidth * sx), int(m.printableHeight * sy));
    g.whitePage = QSize(RoundHalfEven(m.printableWidth * sx), RoundHalfEven(m.printableHeight * sy));
    return g;
}
