#pragma once
// A layout drawn onto a white image of the printable area, as the preview draws
// it or as the printer pass would put it on paper. korvel-print and the tests
// use it; the preview widget keeps such an image and repaints from it.

#include "core/drawing/DrawContext.h"
#include "core/drawing/DrawResult.h"

#include <QImage>
#include <QSize>
#include <QStringList>

struct LayoutImage {
    QImage image;
    DrawResult result;
};

// Pixels of a printable area of widthMm x heightMm at a resolution and zoom:
// the integer part of mm x dpi / 25.4 x zoom / 100 (zoom 100 for a printer page).
QSize PrintableAreaPixels(double widthMm, double heightMm, int dpiX, int dpiY, int zoomPercent);

// Draws lines onto a white image of the given size with the context.
LayoutImage RenderLayoutImage(const QStringList &lines, const DrawContext &context, QSize pixels);
