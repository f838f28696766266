// Speed of the layout core: the record transfer into a 150-item layout, and
// loading and saving a 500- and a 2,000-line style file.
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A text item line with the given id and text.
QString textItem(int id, const QString &text)
{
    return QStringLiteral("0;%1;0;0;char;%2;%3;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;%4;0;0;")
        .arg(id)
        .arg(10 + id % 90)
        .arg(20 + id % 150)
        .arg(text);
}

// A layout of `items` lines: text items for every id the transfer writes, then
// preview-only rules and captions up to the count.
StyleData makeLayout(int items)
{
    StyleData s;
    const int ids[] = {1,  2,  3,  4,  5,  6,  8,  9,  10, 11, 12, 13, 14, 16, 18, 19, 20, 21,
                       22, 23, 31, 32, 33, 34, 41, 51, 52, 53, 61, 62, 63, 64, 65, 66, 67, 70,
                       71, 101, 102, 103, 104, 105, 106, 108, 109, 110, 116, 121, 122, 123, 141, 151, 152, 153};
    int count = 0;
    for (int id : ids) {
        s.appendLine(textItem(id, QStringLiteral("テキスト")));
        ++count;
    }
    for (int k = 0; count < items; ++k, ++count) {
        if (k % 2 == 0)
            s.appendLine(QStringLiteral("0;0;0;0;line;10;%1;100;%1;1;実線;32768;1;").arg(10 + k));
        else
            s.appendLine(textItem(300 + k, QStringLiteral("お届け先")));
    }
    return s;
}

PrintRecord makeRecord()
{
    PrintRecord r;
    r.setSlot(8, QStringLiteral("山田 太郎"));
    r.setSlot(12, QStringLiteral("1000001"));
    r.setSlot(13, QStringLiteral("東京都千代田区"));
    r.setSlot(14, QStringLiteral("千代田1-1"));
    r.setSlot(15, QStringLiteral("03-1234-5678"));
    for (int k = 0; k < 4; ++k)
        r.setSlot(17 + k, QStringLiteral("品名%1").arg(k + 1));
    r.setSlot(22, QStringLiteral("/12/24"));
    r.setSlot(23, QStringLiteral("14時～16時"));
    r.setSlot(25, QStringLiteral("3000"));
    r.setSlot(26, QStringLiteral("1"));
    r.setSlot(32, QStringLiteral("株式会社コルヴェル"));
    r.setSlot(33, QStringLiteral("5300001"));
    r.setSlot(34, QStringLiteral("大阪府大阪市北区梅田1-1"));
    r.setSlot(36, QStringLiteral("06-9876-5432"));
    r.setSlot(41, QStringLiteral("第2ビル"));
    return r;
}

void BM_TransferRecord150(benchmark::State &state)
{
    StyleData s = makeLayout(150);
    const PrintRecord r = makeRecord();
    TransferOptions o;
    o.editionCode = 50;
    o.yenMark = true;
    o.printDate = QDate(2025, 3, 5);
    for (auto _ : state) {
        TransferRecord(s, r, o);
        benchmark::DoNotOptimize(s.lines().constData());
    }
}
BENCHMARK(BM_TransferRecord150)->Unit(benchmark::kMicrosecond);

// A style file of `lines` lines written once into a temporary folder.
struct StyleFile {
    QTemporaryDir dir;
    QString path;
    explicit StyleFile(int lines)
    {
        path = dir.filePath(QStringLiteral("bench.sle"));
        StyleData s = makeLayout(lines - 1);
        s.CurrentStyleFile = path;
        s.SaveStyleFile();
    }
};

void BM_LoadStyleFile(benchmark::State &state)
{
    const int lines = int(state.range(0));
    StyleFile file(lines);
    StyleData s;
    for (auto _ : state) {
        const LayoutStatus status = s.OpenStyle(file.path);
        if (!status.ok || s.lineCount() != lines)
            state.SkipWithError("the style file did not load");
    }
}
BENCHMARK(BM_LoadStyleFile)->Arg(500)->Arg(2000)->Unit(benchmark::kMicrosecond);

void BM_SaveStyleFile(benchmark::State &state)
{
    StyleFile file(int(state.range(0)));
    StyleData s;
    s.OpenStyle(file.path);
    for (auto _ : state) {
        if (!s.SaveStyleFile().ok)
            state.SkipWithError("the style file was not saved");
    }
}
BENCHMARK(BM_SaveStyleFile)->Arg(500)->Arg(2000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
