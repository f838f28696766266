#include "ui/printing/PrintJob.h"

#include "core/drawing/DrawContext.h"
#include "core/drawing/DrawFailureText.h"
#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"
#include "core/drawing/TestPrintMarks.h"

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
        result.target = toPdf ? pdfPath : printer.printerName();
        SetDrawFailure(result, toPdf ? DrawResult::Failure::PdfNotWritten : DrawResult::Failure::PrinterNotStarted);
        return result;
    }
    DrawContext context = DrawContext::forPrinter(printer.logicalDpiX(), printer.logicalDpiY(), options.screenDpiX,
                                                  options.screenDpiY, options.zoomPercent);
    context.ofxbox = options.ofxbox;
    context.ofybox = options.ofybox;
    context.workDir = options.workDir;
    context.withFormItems = options.testPrint;
    const double patternScale = double(context.targetDpiX) / std::max(1, context.previewDpiX);

    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            result.page = page + 1;
            SetDrawFailure(result, DrawResult::Failure::PageRefused);
            break;
        }
        const QStringList lines = pageLines(page);
        if (options.pageReady && !options.pageReady(page)) {
            result.page = page + 1;
            SetDrawFailure(result, DrawResult::Failure::JobNotFinished);
            break;
        }
        painter.save();
        {
            // Gone before the restore: the canvas resets the transform as it goes.
            GdiCanvas canvas(painter, context.targetDpiX, context.targetDpiY, patternScale);
            result = DrawLayout(canvas, lines, context);
            if (result.ok && options.testPrint)
                DrawTestPrintMarks(canvas, context, QSize(printer.width(), printer.height()));
        }
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
        SetDrawFailure(result, DrawResult::Failure::JobNotFinished);
    }
    return result;
}
