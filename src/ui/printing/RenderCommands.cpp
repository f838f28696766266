// korvel-print render and pdf: the layout drawn headless, as the preview shows
// it or as the printer prints it, through the program's own drawing pass.

#include "ui/printing/BatchPrintCommand.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"
#include "core/drawing/DrawFailureText.h"
#include "core/drawing/FontSubstitutions.h"
#include "core/drawing/LayoutImage.h"
#include "ui/printing/PrintJob.h"
#include "ui/printing/PrintToolOptions.h"
#include "core/drawing/ToolStyleOpen.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPrinter>
#include <cstdio>

namespace {

constexpr int UsageOrInputError = 2;

int failWith(const QString &message)
{
    std::fprintf(stderr, "korvel-print: %s\n", qPrintable(message));
    return UsageOrInputError;
}

void printRenderHelp()
{
    std::fputs("usage: korvel-print render --style FILE.sle [--record singledata.txt] [--edition CODE]\n"
               "         [--dpi N] [--zoom PERCENT] [--offset X,Y] [--apply-offsets]\n"
               "         [--target preview|printer] [--page WIDTHxHEIGHT] [--date YYYY-MM-DD]\n"
               "         [--yen-mark] --out FILE.png\n"
               "\n"
               "Draws the layout, with the record transferred into it, onto a white image of the\n"
               "printable area (default A4 210x297 mm) as the preview shows it (default 96 dpi,\n"
               "100 %, edition 40) or, with --target printer, as the printer prints it: offsets\n"
               "applied, preview-only items left out, --dpi the printer's resolution (default 600).\n"
               "--offset sets the overall offset boxes (default: the layout's header);\n"
               "--apply-offsets shows them on the preview as well.\n"
               "--edition is one of 10, 20, 30, 40, 50, 60.\n",
               stdout);
}

void printPdfHelp()
{
    std::fputs("usage: korvel-print pdf --style FILE.sle [--record singledata.txt] [--edition CODE]\n"
               "         [--copies N] [--zoom PERCENT] [--date YYYY-MM-DD] [--yen-mark] [--with-form]\n"
               "         --out FILE.pdf\n"
               "\n"
               "Prints the layout through the program's printing path into a PDF file at 1200 dpi,\n"
               "one page per copy, with the layout's overall offsets applied and preview-only\n"
               "items left out. --edition is one of 10, 20, 30, 40, 50, 60 (default 40).\n"
               "--with-form makes a test print for plain paper: the preview-only form drawing is\n"
               "printed too, with millimetre rulers along the top and left edges, cross marks at\n"
               "10 mm and 100 mm from the printable area's corner (never moved by the overall\n"
               "offsets) and a note on how to measure the printer's shift.\n"
               "\n"
               "       korvel-print pdf --consignees all|ID,ID,... [--edition CODE] [--appdata DIR]\n"
               "         [--sender ID] [--no-history] [--style FILE.sle] [--date YYYY-MM-DD] [--store URI]\n"
               "         --out FILE.pdf\n"
               "\n"
               "Prints one page per consignee of the address book (all: in identifier order) as the\n"
               "consignee list's continuous print does, with the edition's work folder, databases and\n"
               "layout, and writes one history row per page unless --no-history. --sender plays the\n"
               "sender list's selection (default its first row). --store reads the address book from\n"
               "a PostgreSQL server (postgresql://host/db; PGHOST, PGUSER, PGPASSWORD and ~/.pgpass\n"
               "apply) and writes the history there, or from this station's files with 'local'.\n",
               stdout);
}

// Loads the layout and transfers the record into it. Returns an error message,
// empty on success.
QString prepareLayout(const PrintToolOptions &o, StyleData &style)
{
    const QString problem = OpenStyleForTool(style, o.style);
    if (!problem.isEmpty())
        return problem;
    if (!o.record.isEmpty()) {
        if (!QFileInfo(o.record).isFile())
            return QStringLiteral("record file not found: %1").arg(o.record);
        PrintRecord record;
        const LayoutStatus loaded = LoadSingleData(o.record, record);
        if (!loaded)
            return QStringLiteral("record file unreadable: %1").arg(o.record);
        TransferOptions transfer;
        transfer.editionCode = o.edition;
        transfer.yenMark = o.yenMark;
        transfer.printDate = o.date.isValid() ? o.date : QDate::currentDate();
        TransferRecord(style, record, transfer);
    }
    if (o.offset) {
        style.window.ofxbox = o.offset->first;
        style.window.ofybox = o.offset->second;
    }
    return QString();
}

// A layout in WorkDir/style names its pictures relative to WorkDir/style.
QString workDirOf(const QString &stylePath)
{
    QDir dir = QFileInfo(stylePath).absoluteDir();
    dir.cdUp();
    return dir.absolutePath();
}

std::optional<PrintToolOptions> parseOrReport(const QString &command, const QStringList &args, int *exitCode)
{
    QString error;
    auto options = PrintToolOptions::parse(command, args, &error);
    if (!options) {
        *exitCode = failWith(QStringLiteral("%1: %2").arg(command, error));
        return std::nullopt;
    }
    if (options->help) {
        command == QLatin1String("render") ? printRenderHelp() : printPdfHelp();
        *exitCode = 0;
        return std::nullopt;
    }
    InstallFontSubstitutions();
    return options;
}

} // namespace

int RunRenderCommand(const QStringList &args)
{
    int exitCode = 0;
    const auto o = parseOrReport(QStringLiteral("render"), args, &exitCode);
    if (!o)
        return exitCode;
    StyleData style;
    const QString problem = prepareLayout(*o, style);
    if (!problem.isEmpty())
        return failWith(QStringLiteral("render: ") + problem);

    // Preview: --dpi is the screen's, PreviewDpi its integer part times the zoom.
    // Printer: --dpi is the printer's; fonts and pens follow a 96-dpi screen at the zoom.
    DrawContext context = o->printer ? DrawContext::forPrinter(o->dpi, o->dpi, 96, 96, o->zoom)
                                     : DrawContext::forPreview(o->dpi, o->dpi, o->zoom);
    context.ofxbox = style.window.ofxbox;
    context.ofybox = style.window.ofybox;
    context.previewOpt1 = o->applyOffsets;
    context.workDir = workDirOf(o->style);
    const QSize pixels = PrintableAreaPixels(o->pageMm.width(), o->pageMm.height(), o->dpi, o->dpi,
                                             o->printer ? 100 : o->zoom);
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > qint64(400) * 1000 * 1000)
        return failWith(QStringLiteral("render: the page of %1 x %2 pixels is empty or too large")
                            .arg(pixels.width())
                            .arg(pixels.height()));
    const LayoutImage drawn = RenderLayoutImage(style.lines(), context, pixels);
    if (!drawn.result.ok)
        return failWith(QStringLiteral("render: %1 (%2)").arg(DrawFailureInEnglish(drawn.result), o->style));
    QImageWriter writer(o->out, "png");
    if (!writer.write(drawn.image))
        return failWith(QStringLiteral("render: cannot write %1: %2").arg(o->out, writer.errorString()));
    return 0;
}

int RunPdfCommand(const QStringList &args)
{
    int exitCode = 0;
    const auto o = parseOrReport(QStringLiteral("pdf"), args, &exitCode);
    if (!o)
        return exitCode;
    if (!o->consignees.isEmpty())
        return RunConsigneeBatch(*o);
    StyleData style;
    const QString problem = prepareLayout(*o, style);
    if (!problem.isEmpty())
        return failWith(QStringLiteral("pdf: ") + problem);

    QPrinter printer(QPrinter::HighResolution);
    PrintJob::configurePdf(printer, o->out);
    PrintJob::Options job;
    job.copies = o->copies;
    job.zoomPercent = o->zoom;
    job.ofxbox = style.window.ofxbox;
    job.ofybox = style.window.ofybox;
    job.workDir = workDirOf(o->style);
    job.testPrint = o->withForm;
    const DrawResult result = PrintJob::print(printer, style.lines(), job);
    if (!result.ok)
        return failWith(QStringLiteral("pdf: %1 (%2)").arg(DrawFailureInEnglish(result), o->style));
    std::fprintf(stdout, "%s\n", qPrintable(QFileInfo(o->out).absoluteFilePath()));
    return 0;
}
