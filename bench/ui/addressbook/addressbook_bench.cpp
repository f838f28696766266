// Speed of the consignee list and of continuous print: filling the list view
// with 20,000 and 100,000 consignees, a search over them, and 500 and 1,000
// waybills to one PDF with and without history rows.

#include "ui/printing/BatchPrint.h"
#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/ConsigneeRows.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SearchIndex.h"
#include "core/data/Database.h"
#include "core/layout/StyleData.h"

#include "BenchAddressBook.h"
#include "WidgetBenchMain.h"

#include <QApplication>
#include <QHeaderView>
#include <QPrinter>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// An address book of count consignees, every tenth one a 山田, each with an item row.
struct Book {
    QTemporaryDir dir;
    QString addressDb, membersDb;
    Database db;

    // Without indexed, the address book is one made before the search index.
    explicit Book(int count, bool indexed = true)
    {
        addressDb = dir.filePath("addressXe2.db3");
        membersDb = dir.filePath("membersXe2.db3");
        CreateAddressDatabase(db, addressDb);
        CreateMembersDatabase(db, membersDb);
        if (!indexed) {
            db.OpenDatabase(addressDb);
            for (const QString &sql : DropSearchIndexSql(ConsigneeSearchIndex()))
                db.ExecSql(sql);
        }
        FillBenchAddressBook(db, addressDb, membersDb, count);
    }
};

void BM_CustomerReadIntoView(benchmark::State &state)
{
    Book book(int(state.range(0)));
    BenchListView list;
    for (auto _ : state)
        benchmark::DoNotOptimize(list.fill(book.db, book.addressDb, book.membersDb));
}
BENCHMARK(BM_CustomerReadIntoView)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A search of 山田 (a tenth of the consignees), and of texts of one, two and
// more characters, with the search index (state.range(1) == 1) and in an
// address book made before it.
void consigneeSearch(benchmark::State &state, const char *text)
{
    Book book(int(state.range(0)), state.range(1) != 0);
    CheckedConsignees checked;
    qsizetype found = 0;
    for (auto _ : state) {
        const auto rows = ReadConsignees(book.db, {book.addressDb, book.membersDb, QString::fromUtf8(text), -1, false},
                                         checked);
        found = rows.size();
    }
    state.counters["rows"] = double(found);
}
BENCHMARK_CAPTURE(consigneeSearch, tenth, "山田")->Args({20000, 1})->Args({100000, 0})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(consigneeSearch, one_char, "山")->Args({100000, 0})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(consigneeSearch, one_row, "山田12340")->Args({100000, 0})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(consigneeSearch, no_match, "ゑびす")->Args({100000, 0})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

// state.range(0) waybills to one PDF; history rows written when state.range(1) is 1.
void BM_ContinuousPrint(benchmark::State &state)
{
    const int pages = int(state.range(0));
    Book book(pages);
    BenchBatch batch(book.db, book.addressDb, book.membersDb, book.dir.path(), pages, state.range(1) != 0);
    for (auto _ : state)
        if (!batch.run())
            state.SkipWithError("the batch did not print (and record) every page");
}
BENCHMARK(BM_ContinuousPrint)
    ->Args({500, 1})
    ->Args({500, 0})
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
