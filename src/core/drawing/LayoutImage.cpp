#include "core/drawing/LayoutImage.h"

#include "core/drawing/DrawFailureText.h"
#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"

#include <QPainter>
#include <cmath>

QSize PrintableAreaPixels(double widthMm, double heightMm, int dpiX, int dpiY, int zoomPercent)
{
    const double zoom = zoomPercent / 100.0;
    return QSize(int(std::floor(widthMm * dpiX / 25.4 * zoom)), int(std::floor(heightMm * dpiY / 25.4 * zoom)));
}

LayoutImage RenderLayoutImage(const QStringList &lines, const DrawContext &context, QSize pixels)
{
    LayoutImage out;
    out.image = QImage(pixels, QImage::Format_RGB32);
    if (out.image.isNull()) {
        out.result.pageWidth = pixels.width();
        out.result.pageHeight = pixels.height();
        SetDrawFailure(out.result, DrawResult::Failure::PageTooLarge);
        return out;
    }
    out.image.fill(Qt::white);
    // Pixels per metre, so that the image carries its resolution.
    out.image.setDotsPerMeterX(int(std::lround(context.targetDpiX / 0.0254)));
    out.image.setDotsPerMeterY(int(std::lround(context.targetDpiY / 0.0254)));
    QPainter painter(&out.image);
    const double patternScale = context.isPrinter ? double(context.targetDpiX) / std::max(1, context.previewDpiX) : 1.0;
    {
        // The canvas hands the painter back in device space when it goes: it
        // must go while the painter is still painting.
        GdiCanvas canvas(painter, context.targetDpiX, context.targetDpiY, patternScale);
        out.result = DrawLayout(canvas, lines, context);
    }
    painter.end();
    return out;
}
