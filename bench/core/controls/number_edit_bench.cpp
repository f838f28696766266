// How long the numeric edit box's text work takes: the canonical text written
// on leaving a box, and the reading plus regrouping done on every keystroke.

#include "core/controls/NumberEditModel.h"

#include <benchmark/benchmark.h>

namespace {

// Canonical text of a grouped, fixed two-decimal amount (the heaviest form).
void CanonicalText(benchmark::State &state)
{
    NumberEditModel model;
    model.setComma(true);
    model.setFigure(2);
    model.setFixed(true);
    model.setRoundMode(TRoundMode::rmRound);
    Extended value = 1234567.891L;
    for (auto _ : state) {
        model.setValue(value);
        benchmark::DoNotOptimize(model.applyFormatted(QString()));
        value += 0.01L;
    }
}
BENCHMARK(CanonicalText);

// One keystroke's change handling in a grouped box: read, regroup, round.
void KeystrokeChange(benchmark::State &state)
{
    NumberEditModel model;
    model.setComma(true);
    model.setFigure(2);
    const QString text = QStringLiteral("1,234,5678.25");
    for (auto _ : state)
        benchmark::DoNotOptimize(model.textChanged(text, 10));
}
BENCHMARK(KeystrokeChange);

}  // namespace

BENCHMARK_MAIN();
