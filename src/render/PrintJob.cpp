#include "render/PrintJob.h"

#include "render/DrawContext.h"
#include "render/GdiCanvas.h"
#include "render/LayoutDrawer.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

void PrintJob::configurePdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

DrawResult PrintJob::print(QPrinter &printer, const QStringList &lines, const Options &options)
{
    return printPages(printer, options.copies, [&lines](int) { return lines; }, options);
}

DrawResult PrintJob::printPages(QPrinter &printer, int pages, const std::function<QStringList(int)> &pageLines,
                                const Options &options)
{
    DrawResult result;
    if (pages <= 0)
        return result;
    printer.setCopyCount(1);
    const bool toPdf = printer.outputFormat() == QPrinter::PdfFormat;
    const QString pdfPath = printer.outputFileName();

    QPainter painter;
    if (!painter.begin(&printer)) {
        result.ok = false;
        result.message = toPdf ? QStringLiteral("The PDF file %1 could not be written.").arg(pdfPath)
                               : QStringLiteral("The printer %1 could not be started.").arg(printer.printerName());
        return result;
    }
    DrawContext context = DrawContext::forPrinter(printer.logicalDpiX(), printer.logicalDpiY(), options.screenDpiX,
                                                  options.screenDpiY, options.zoomPercent);
    context.ofxbox = options.ofxbox;
    context.ofybox = options.ofybox;
    context.workDir = options.workDir;
    const double patternScale = double(context.targetDpiX) / std::max(1, context.previewDpiX);

    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            result.ok = false;
            result.message = QStringLiteral("The printer refused page %1.").arg(page + 1);
            break;
        }
        painter.save();
        GdiCanvas canvas(painter, context.targetDpiY, true, patternScale);
        result = DrawLayout(canvas, pageLines(page), context);
        painter.restore();
        if (!result.ok)
            break;
        if (options.afterPage && !options.afterPage(page))
            break;
    }
    if (!result.ok) {
        // Half a waybill must not reach the paper or stay behind as a file.
        printer.abort();
        painter.end();
        if (toPdf && !pdfPath.isEmpty())
            QFile::remove(pdfPath);
        return result;
    }
    if (!painter.end()) {
        result.ok = false;
        result.message = QStringLiteral("The print job could not be finished.");
    }
    return result;
}
