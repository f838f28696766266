// The same work on the two stores: the local SQLite files and a PostgreSQL
// server (on this machine) named by KORVEL_BENCH_STORE. The list of 20,000
// consignees into the view, two searches over it, and 500 waybills to one PDF
// with history rows. store_figures.sh runs this against a throwaway server.
// state.range(0): 0 for the files, 1 for the server.

#include "ui/printing/BatchPrint.h"
#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/ConsigneeRows.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/Database.h"
#include "core/data/PgConnection.h"
#include "core/data/PgConnectionPool.h"
#include "core/data/PgSchema.h"
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

QString server()
{
    return qEnvironmentVariable("KORVEL_BENCH_STORE");
}

// An address book of count consignees (every tenth a 山田), each with an item row.
struct Book {
    QTemporaryDir dir;
    QString addressDb, membersDb;
    Database db;
    bool ok = true;

    Book(int count, bool onServer)
    {
        addressDb = dir.filePath("addressXe2.db3");
        membersDb = dir.filePath("membersXe2.db3");
        if (onServer) {
            addressDb = membersDb = server();
            if (addressDb.isEmpty()) {
                ok = false;
                return;
            }
            CloseIdleServerConnections();
            PgConnection pg;
            ok = !pg.open(addressDb).isError() && !DropPgSchema(pg).isError();
        }
        ok = ok && !CreateAddressDatabase(db, addressDb).isError() && !CreateMembersDatabase(db, membersDb).isError();
        ok = ok && FillBenchAddressBook(db, addressDb, membersDb, count);
    }
};

// The book of the benchmark's store; false (the benchmark skipped) without a server.
bool ready(benchmark::State &state, const Book &book)
{
    if (!book.ok)
        state.SkipWithError("no server (KORVEL_BENCH_STORE)");
    return book.ok;
}

void BM_ListFill(benchmark::State &state)
{
    Book book(20000, state.range(0) != 0);
    if (!ready(state, book))
        return;
    BenchListView list;
    int rows = 0;
    for (auto _ : state)
        rows = list.fill(book.db, book.addressDb, book.membersDb);
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_ListFill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void search(benchmark::State &state, const char *text)
{
    Book book(20000, state.range(0) != 0);
    if (!ready(state, book))
        return;
    CheckedConsignees checked;
    qsizetype found = 0;
    for (auto _ : state)
        found = ReadConsignees(book.db, {book.addressDb, book.membersDb, QString::fromUtf8(text), -1, false}, checked)
                    .size();
    state.counters["rows"] = double(found);
}
BENCHMARK_CAPTURE(search, tenth, "山田")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, one_row, "山田12340")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 500 waybills to one PDF, a history row for each.
void BM_BatchWithHistory(benchmark::State &state)
{
    const int pages = 500;
    Book book(pages, state.range(0) != 0);
    if (!ready(state, book))
        return;
    BenchBatch batch(book.db, book.addressDb, book.membersDb, book.dir.path(), pages, true);
    for (auto _ : state)
        if (!batch.run())
            state.SkipWithError("the batch did not print and record every page");
}
BENCHMARK(BM_BatchWithHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
