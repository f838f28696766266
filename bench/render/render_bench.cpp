// Drawing speed: a full preview redraw of a 150-item layout at 96 dpi and
// 100 %, and the same layout printed to a 1200-dpi PDF page through the
// printing path.

#include "RenderBenchLayout.h"

#include "render/FontSubstitutions.h"
#include "render/GdiCanvas.h"
#include "render/LayoutDrawer.h"
#include "render/LayoutImage.h"
#include "render/PrintJob.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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
    Fixture() { lines = BenchLayout(WriteBenchPicture(dir.path())); }
};

Fixture &Layout()
{
    App();
    static Fixture fixture;
    return fixture;
}

// The preview's redraw: white page, then the whole pass, at 96 dpi and 100 %.
void BM_PreviewRedraw150Items(benchmark::State &state)
{
    const QStringList &lines = Layout().lines;
    const DrawContext context = DrawContext::forPreview(96, 96, 100);
    QImage page(PrintableAreaPixels(210, 297, 96, 96, 100), QImage::Format_RGB32);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        GdiCanvas canvas(painter, 96, false, 1.0);
        const DrawResult result = DrawLayout(canvas, lines, context);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.message));
        painter.end();
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_PreviewRedraw150Items)->Unit(benchmark::kMillisecond);

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
    state.counters["ms_per_page"] = benchmark::Counter(double(state.iterations()) * pages / 1000.0,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PdfPage150Items1200Dpi)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
