// How long the main window takes from construction to its first drawn preview,
// and how long a zoom or offset change takes to redraw, with the starter layout.

#include "ui/main/MainWindow.h"
#include "ui/preview/WaybillView.h"
#include "ui/main/TopBar.h"
#include "core/drawing/FontSubstitutions.h"
#include "ui/preview/PreviewPage.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_BENCH_PROGRAM_DIR"));
}

// A machine that has run the program once: folders and databases exist.
QTemporaryDir &preparedRoot()
{
    static QTemporaryDir root;
    static bool prepared = false;
    if (!prepared) {
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        w.close();
        prepared = true;
    }
    return root;
}

void BM_StartToFirstPreview(benchmark::State &state)
{
    QTemporaryDir &root = preparedRoot();
    for (auto _ : state) {
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        const QImage &page = w.pages().preview->pageImage();
        benchmark::DoNotOptimize(page.constBits());
        w.close();
    }
}
BENCHMARK(BM_StartToFirstPreview)->Unit(benchmark::kMillisecond);

void BM_ZoomRedraw(benchmark::State &state)
{
    MainWindow w(programDir(), "zerrat_xe2", preparedRoot().path());
    w.show();
    int zoom = 100;
    for (auto _ : state) {
        zoom = zoom == 100 ? 150 : 100;
        w.view()->setZoom(zoom);
        benchmark::DoNotOptimize(w.pages().preview->pageImage().constBits());
    }
}
BENCHMARK(BM_ZoomRedraw)->Unit(benchmark::kMillisecond);

void BM_OffsetRedraw(benchmark::State &state)
{
    MainWindow w(programDir(), "zerrat_xe2", preparedRoot().path());
    w.show();
    int offset = 0;
    for (auto _ : state) {
        offset = offset == 0 ? 3 : 0;
        w.pages().topBar->setOffsets(offset, offset);
        emit w.pages().topBar->headerValuesChanged();
        benchmark::DoNotOptimize(w.pages().preview->pageImage().constBits());
    }
}
BENCHMARK(BM_OffsetRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
