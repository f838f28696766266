// Run from the build folder after the postal-code database was built:
//   bench/data_bench   (or bin/data_bench)
// The national list CSV is the one the build produced from the packaged data.
// Compare the search figure with bench/data/sqlite3_cli_search.sh on the same file.

#include "core/data/DatabaseSchema.h"
#include "core/history/HistoryWriter.h"
#include "core/addressbook/PostalMismatches.h"
#include "core/postal/PostalAddressCheck.h"
#include "core/postal/PostalCodeLookup.h"
#include "core/data/Database.h"
#include "core/postal/ZipGuideBuffer.h"
#include "core/postal/ZipGuideSearch.h"
#include "core/postal/ZipcodeImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

const QString csvPath = QStringLiteral(KORVEL_POSTAL_CSV);

// Peak resident memory of the process so far, in MB (VmHWM).
double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The benchmarks over the national list skip when the build could not fetch it.
bool haveNationalList(benchmark::State &state)
{
    if (QFile::exists(csvPath))
        return true;
    state.SkipWithError("national list CSV not built");
    return false;
}

// A postal-code database with the whole list, imported once for the searches.
const QString &fullDatabase()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("zipcode.db3"));
        Database db;
        ImportNationalPostalCsv(db, p, csvPath);
        return p;
    }();
    return path;
}

void BM_ImportNationalList(benchmark::State &state)
{
    if (!haveNationalList(state))
        return;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        state.ResumeTiming();
        Database db;
        const ZipImportResult r = ImportNationalPostalCsv(db, dir.filePath(QStringLiteral("zipcode.db3")), csvPath);
        if (!r.ok())
            state.SkipWithError("import failed");
        rows = r.insertedCount;
    }
    state.counters["rows"] = rows;
    state.counters["peak_MB"] = peakMegabytes();
}
// First, so that the peak memory figure is the import's own.
BENCHMARK(BM_ImportNationalList)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void searchBench(benchmark::State &state, const QString &text)
{
    if (!haveNationalList(state))
        return;
    const QString path = fullDatabase();
    Database db;
    ZipGuideBuffer buffer;
    for (auto _ : state) {
        const ZipGuideSearchResult r = ZipGuideSearch(db, path, text, buffer);
        benchmark::DoNotOptimize(r.rowCount);
    }
    state.counters["rows"] = buffer.size();
}

void BM_GuideSearchChiyoda(benchmark::State &state)
{
    searchBench(state, QStringLiteral("千代田"));
}
BENCHMARK(BM_GuideSearchChiyoda)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GuideListWholeTable(benchmark::State &state)
{
    searchBench(state, QString());
}
BENCHMARK(BM_GuideListWholeTable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LookupByCode(benchmark::State &state)
{
    if (!haveNationalList(state))
        return;
    const QString path = fullDatabase();
    Database db;
    for (auto _ : state) {
        // The last code of the table: the whole table is scanned either way.
        const PostalLookupResult r = LookupPostalCode(db, path, QStringLiteral("9071801"));
        benchmark::DoNotOptimize(r.found);
    }
}
BENCHMARK(BM_LookupByCode)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadPostalCheckTable(benchmark::State &state)
{
    if (!haveNationalList(state))
        return;
    const QString path = fullDatabase();
    Database db;
    int codes = 0;
    for (auto _ : state) {
        PostalAddressTable table;
        table.load(db, path);
        codes = table.codeCount();
    }
    state.counters["codes"] = codes;
}
BENCHMARK(BM_LoadPostalCheckTable)->Unit(benchmark::kMillisecond)->UseRealTime();

// 100,000 consignees, one in ten with a code of another city, each checked
// against the table in memory; the table's load is BM_LoadPostalCheckTable.
void BM_CheckPostalMismatches(benchmark::State &state)
{
    if (!haveNationalList(state))
        return;
    const QString path = fullDatabase();
    Database db;
    PostalAddressTable table;
    table.load(db, path);
    QVector<ConsigneeRow> consignees;
    const QueryResult rows = db.QueryRows(QStringLiteral("SELECT ZIP_CODE,AREA,CITY,LOCATION FROM zipcode ORDER BY ID;"));
    const int count = int(state.range(0));
    for (int i = 0; i < count; ++i) {
        const QStringList line = rows.rows.row(int((qint64(i) * 7919) % rows.rows.size()));
        const QStringList other = rows.rows.row(int((qint64(i) * 104729 + 13) % rows.rows.size()));
        ConsigneeRow row;
        row.id = QString::number(i + 1);
        row.name = QStringLiteral("山田太郎");
        row.zipcode = (i % 10 == 0 ? other : line).at(0);
        row.zipcode.insert(3, QLatin1Char('-'));
        row.address = line.at(1) + line.at(2) + line.at(3) + QStringLiteral("1丁目2番3号 コーポ山田101");
        consignees.append(row);
    }
    qsizetype found = 0;
    for (auto _ : state)
        found = FindPostalMismatches(consignees, table).size();
    state.counters["consignees"] = count;
    state.counters["mismatches"] = double(found);
}
BENCHMARK(BM_CheckPostalMismatches)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryWrites(benchmark::State &state)
{
    QStringList record;
    for (int i = 0; i < 42; ++i)
        record << QStringLiteral("値%1").arg(i);
    record[8] = QStringLiteral("山田太郎");
    record[12] = QStringLiteral("1000001");
    record[15] = QStringLiteral("03-1234-5678");
    const int rows = int(state.range(0));
    // On the build folder's disk, not a memory file system: each write is a
    // synced transaction of its own, and that is what is measured.
    QTemporaryDir dir(QStringLiteral("history-bench-XXXXXX"));
    for (auto _ : state) {
        state.PauseTiming();
        const QString members = dir.filePath(QStringLiteral("membersXe2.db3"));
        QFile::remove(members);
        Database db;
        CreateMembersDatabase(db, members);
        state.ResumeTiming();
        for (int i = 0; i < rows; ++i)
            writeHistory(db, members, record, 40, {QDate(2024, 3, 9), false}, QDate(2024, 3, 9));
    }
    // Seconds per row (wall clock: the time goes into syncing the file).
    state.counters["per_row"] =
        benchmark::Counter(double(rows) * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HistoryWrites)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
