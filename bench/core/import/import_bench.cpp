// Import speed: 10,000 consignees into an address book that already holds
// 10,000 others, a 50,000-line intermediate file into a new address book, and
// reading a 50,000-row spreadsheet export.

#include "core/data/DatabaseSchema.h"
#include "core/data/Database.h"
#include "core/text/TextCodec.h"
#include "core/import/CsvEncoding.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvImporter.h"
#include "core/import/CsvParser.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QStringList consignee(const QString &prefix, int i)
{
    QStringList f(CsvImportFieldCount);
    f[0] = QStringLiteral("%1 顧客%2").arg(prefix).arg(i);
    f[2] = QStringLiteral("100-0001");
    f[3] = QStringLiteral("東京都千代田区千代田%1").arg(i);
    f[5] = QStringLiteral("%1-2-3").arg(i % 50);
    f[7] = QStringLiteral("03-1234-5678");
    f[9] = QStringLiteral("3000");
    f[10] = QStringLiteral("りんご 5kg");
    return f;
}

void BM_Import10000Into10000(benchmark::State &state)
{
    QVector<QStringList> existing;
    QVector<QStringList> incoming;
    for (int i = 0; i < 10000; ++i) {
        existing.append(consignee(QStringLiteral("既存"), i));
        incoming.append(consignee(QStringLiteral("新規"), i));
    }
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        CsvImportTarget target;
        target.addressDbPath = dir.filePath(QStringLiteral("addressXe2.db3"));
        target.membersDbPath = dir.filePath(QStringLiteral("membersXe2.db3"));
        target.editionCode = 30;
        target.senderId = QStringLiteral("1");
        Database db;
        CreateAddressDatabase(db, target.addressDbPath);
        CreateMembersDatabase(db, target.membersDbPath);
        ImportCsvLines(db, existing, target);
        state.ResumeTiming();

        const CsvImportOutcome outcome = ImportCsvLines(db, incoming, target);
        if (outcome.consigneesAdded != 10000 || outcome.itemRowsWritten != 10000)
            state.SkipWithError("import incomplete");
    }
}
BENCHMARK(BM_Import10000Into10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The step after the CSV editor closes: its 50,000-line file read and written
// into the address book.
void BM_ImportFile50000(benchmark::State &state)
{
    QTemporaryDir dir;
    QVector<QStringList> lines;
    for (int i = 0; i < 50000; ++i)
        lines.append(consignee(QStringLiteral("顧客"), i));
    const QString file = dir.filePath(QStringLiteral("csvImport.tmp"));
    if (!WriteCsvImportFile(file, lines))
        state.SkipWithError("cannot write the file");
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CsvImportTarget target;
        target.addressDbPath = dir.filePath(QStringLiteral("address%1.db3").arg(round));
        target.membersDbPath = dir.filePath(QStringLiteral("members%1.db3").arg(round++));
        target.editionCode = 30;
        Database db;
        CreateAddressDatabase(db, target.addressDbPath);
        CreateMembersDatabase(db, target.membersDbPath);
        state.ResumeTiming();

        const CsvImportOutcome outcome = ImportCsvFile(db, file, target);
        if (outcome.consigneesAdded != 50000 || outcome.itemRowsWritten != 50000)
            state.SkipWithError("import incomplete");
    }
}
BENCHMARK(BM_ImportFile50000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ParseSpreadsheetExport50000(benchmark::State &state)
{
    QString text = QStringLiteral("氏名,郵便番号,住所,電話番号,備考\r\n");
    for (int i = 0; i < 50000; ++i)
        text += QStringLiteral("\"顧客 %1\",100-0001,\"東京都千代田区千代田%1, ビル\",03-1234-5678,\"備考 \"\"%1\"\"\"\r\n").arg(i);
    const QByteArray bytes = EncodeCp932(text).value();
    for (auto _ : state) {
        CsvEncoding encoding;
        const QString decoded = DecodeCsvBytes(bytes, &encoding);
        const QVector<QStringList> rows = CsvParser::parse(decoded, CsvParser::detectDelimiter(decoded));
        benchmark::DoNotOptimize(rows.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseSpreadsheetExport50000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
