// Cost of one arrow-button press in the layout editor without the preview:
// the field's line rebuilt with its edges measured in the installed fonts, on
// the shipped edition-40 layout.
#include "core/editor/LayoutEditor.h"
#include "core/layout/StyleData.h"
#include "core/drawing/FontSubstitutions.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "editor_bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication instance(argc, argv);
    InstallFontSubstitutions();
    return instance;
}

void BM_NudgeMeasured(benchmark::State &state)
{
    app();
    StyleData style;
    const QString source = QString::fromLocal8Bit(qgetenv("KORVEL_SOURCE_DIR"));
    if (!style.LoadStyleFile(source + "/resources/style/zerrat.sle") || style.findItem(6) < 0) {
        state.SkipWithError("the shipped layout zerrat.sle with item 6 is needed (KORVEL_SOURCE_DIR)");
        return;
    }
    style.setItemText(6, QStringLiteral("山田　太郎"));
    LayoutEditor editor(style, EdgeMeasure());
    editor.dataselect(6);
    bool right = true;
    for (auto _ : state) {
        editor.nudge(right ? LayoutEditor::Nudge::Right : LayoutEditor::Nudge::Left, Millimetre::fromWhole(1));
        right = !right;
    }
}
BENCHMARK(BM_NudgeMeasured);

} // namespace

BENCHMARK_MAIN();
