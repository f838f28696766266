#include "core/drawing/DrawContext.h"

#include <algorithm>

namespace {

// Integer part of dpi x zoom / 100, never below 1 so that no scale becomes 0.
int zoomedDpi(int dpi, int zoomPercent)
{
    const qint64 value = qint64(dpi) * zoomPercent / 100;
    return int(std::clamp<qint64>(value, 1, 1000000));
}

} // namespace

DrawContext DrawContext::forPreview(int screenDpiX, int screenDpiY, int zoomPercent)
{
    DrawContext c;
    c.isPrinter = false;
    c.zoomPercent = zoomPercent;
    c.screenDpiX = screenDpiX;
    c.screenDpiY = screenDpiY;
    c.previewDpiX = zoomedDpi(screenDpiX, zoomPercent);
    c.targetDpiX = c.previewDpiX;
    c.targetDpiY = zoomedDpi(screenDpiY, zoomPercent);
    return c;
}

DrawContext DrawContext::forPrinter(int printerDpiX, int printerDpiY, int screenDpiX, int screenDpiY,
                                    int zoomPercent)
{
    DrawContext c;
    c.isPrinter = true;
    c.zoomPercent = zoomPercent;
    c.screenDpiX = screenDpiX;
    c.screenDpiY = screenDpiY;
    c.printerDpiX = printerDpiX;
    c.printerDpiY = printerDpiY;
    c.previewDpiX = zoomedDpi(screenDpiX, zoomPercent);
    c.targetDpiX = printerDpiX;
    c.targetDpiY = printerDpiY;
    return c;
}
