// Drawing speed: a full preview redraw of a 150- and a 2,000-item layout at
// 96 dpi and 100 %, the 150-item layout printed to a 1200-dpi PDF page through
// the printing path, and a continuous print of the starter waybill (one
// consignee a page) into one PDF.

#include "core/drawing/RenderBenchLayout.h"

#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"
#include "core/drawing/FontSubstitutions.h"
#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"
#include "core/drawing/LayoutImage.h"
#include "ui/printing/PrintJob.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QFileInfo>
#include <QPicture>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QGuiApplication &App()
{
    static int argc = 1;
    static char name[] = "render_bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    return app;
}

struct Fixture {
    QTemporaryDir dir;
    QStringList lines;
    explicit Fixture(int items = 150) { lines = BenchLayout(WriteBenchPicture(dir.path()), items); }
};

Fixture &Layout()
{
    App();
    static Fixture fixture;
    return fixture;
}

// The preview's redraw of a state.range(0)-item layout: white page, then the
// whole pass, at 96 dpi and 100 %.
void BM_PreviewRedraw(benchmark::State &state)
{
    App();
    const Fixture fixture(int(state.range(0)));
    const QStringList &lines = fixture.lines;
    const DrawContext context = DrawContext::forPreview(96, 96, 100);
    QImage page(PrintableAreaPixels(210, 297, 96, 96, 100), QImage::Format_RGB32);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        GdiCanvas canvas(painter, 96, 96, 1.0);
        const DrawResult result = DrawLayout(canvas, lines, context);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.message));
        painter.end();
        benchmark::DoNotOptimize(page.constBits());
    }
    state.counters["items"] = double(lines.size() - 1);
}
BENCHMARK(BM_PreviewRedraw)->Arg(150)->Arg(2000)->Unit(benchmark::kMillisecond);

// Printed pages: one PDF job of state.range(0) pages at 1200 dpi, reported per page.
void BM_PdfPage150Items1200Dpi(benchmark::State &state)
{
    Fixture &fixture = Layout();
    const int pages = int(state.range(0));
    const QString out = fixture.dir.filePath(QStringLiteral("bench.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, out);
        PrintJob::Options options;
        options.copies = pages;
        const DrawResult result = PrintJob::print(printer, fixture.lines, options);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.message));
    }
    state.counters["per_page"] = benchmark::Counter(double(state.iterations()) * pages,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PdfPage150Items1200Dpi)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Peak resident memory of the whole process so far, in MB.
double PeakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The shipped starter waybill with the sample record transferred, the name
// and address of every page made different as consignees are.
struct StarterBatch {
    QTemporaryDir dir;
    QString resources = QStringLiteral(KORVEL_BENCH_SOURCE_DIR "/resources");
    QVector<QStringList> pages;

    explicit StarterBatch(int count)
    {
        StyleData style;
        style.OpenStyle(resources + QStringLiteral("/style/zerrat.sle"));
        PrintRecord record;
        LoadSingleData(resources + QStringLiteral("/conf/singledata.txt"), record);
        const QString name = record.slot(3);
        const QString address = record.slot(1);
        TransferOptions options;
        options.printDate = QDate(2026, 12, 10);
        for (int i = 0; i < count; ++i) {
            record.setSlot(3, name + QString::number(i));
            record.setSlot(1, address + QString::number(i % 50) + QStringLiteral("-1"));
            TransferRecord(style, record, options);
            pages.append(style.lines());
        }
    }
};

StarterBatch &Starter()
{
    App();
    static StarterBatch batch(500);
    return batch;
}

// Continuous print: state.range(0) starter waybills, one a page, into one PDF
// at 1200 dpi; the time per page and the peak memory of the process.
void BM_PdfStarterLayoutBatch(benchmark::State &state)
{
    StarterBatch &batch = Starter();
    const int pages = int(state.range(0));
    const QString out = batch.dir.filePath(QStringLiteral("batch.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, out);
        PrintJob::Options options;
        options.workDir = batch.resources;
        const DrawResult result = PrintJob::printPages(
            printer, pages, [&batch](int page) { return batch.pages.at(page % batch.pages.size()); }, options);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.message));
    }
    state.counters["per_page"] = benchmark::Counter(double(state.iterations()) * pages,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_rss_mb"] = PeakRssMb();
    state.counters["pdf_kb"] = double(QFileInfo(out).size()) / 1024.0;
}
BENCHMARK(BM_PdfStarterLayoutBatch)->Arg(1)->Arg(500)->Unit(benchmark::kMillisecond);

// The floor of a continuous print: the very painter calls of the pages above,
// recorded once, played onto the same 1200-dpi PDF device with none of the
// program's own work (no layout reading, no record, no canvas). The ratio of
// BM_PdfStarterLayoutBatch/500 to this is the program's cost over the painter's.
void BM_PdfStarterLayoutPainterFloor(benchmark::State &state)
{
    StarterBatch &batch = Starter();
    const int pages = int(state.range(0));
    const QString out = batch.dir.filePath(QStringLiteral("floor.pdf"));
    static QVector<QPicture> pictures;
    if (pictures.isEmpty()) {
        // Recorded at the PDF device's resolution: played back unscaled.
        QPrinter probe(QPrinter::HighResolution);
        PrintJob::configurePdf(probe, batch.dir.filePath(QStringLiteral("probe.pdf")));
        DrawContext context = DrawContext::forPrinter(probe.logicalDpiX(), probe.logicalDpiY(), 96, 96, 100);
        context.workDir = batch.resources;
        for (const QStringList &lines : batch.pages) {
            QPicture picture;
            QPainter painter(&picture);
            const double patternScale = double(context.targetDpiX) / std::max(1, context.previewDpiX);
            GdiCanvas canvas(painter, context.targetDpiX, context.targetDpiY, patternScale);
            DrawLayout(canvas, lines, context);
            painter.end();
            pictures.append(picture);
        }
    }
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, out);
        QPainter painter(&printer);
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                printer.newPage();
            pictures[page % pictures.size()].play(&painter);
        }
        painter.end();
    }
    state.counters["per_page"] = benchmark::Counter(double(state.iterations()) * pages,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["pdf_kb"] = double(QFileInfo(out).size()) / 1024.0;
}
BENCHMARK(BM_PdfStarterLayoutPainterFloor)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
