// The drawing pass on arbitrary layout lines, onto a small preview image and
// onto the printer's path of the same pass, so that no line of a damaged or
// hand-edited layout can crash the preview or the print.

#include "FuzzSupport.h"

#include "core/text/TextCodec.h"
#include "core/drawing/DrawContext.h"
#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"

#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the target; the rest is the layout.
    const uint8_t mode = data[0];
    const QStringList lines = SplitLines(DecodeText(fuzz::Bytes(data + 1, size - 1)));

    DrawContext context = (mode & 1) ? DrawContext::forPrinter(300, 300, 96, 96, 100)
                                     : DrawContext::forPreview(96, 96, 50 + (mode >> 1) % 4 * 50);
    context.ofxbox = int(mode >> 3) % 5 - 2;
    context.ofybox = int(mode >> 5) % 5 - 2;
    context.previewOpt1 = (mode & 2) != 0;
    context.workDir = fuzz::ScratchDir();

    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    GdiCanvas canvas(painter, context.targetDpiY, context.isPrinter,
                     double(context.targetDpiX) / double(context.previewDpiX));
    const DrawResult result = DrawLayout(canvas, lines, context);
    fuzz::Require(result.ok || !result.message.isEmpty(), "a stopped pass says why");
    fuzz::Require(result.ok || (result.line >= 0 && result.line < lines.size()), "a stopped pass names a line");
    painter.end();
    return 0;
}
