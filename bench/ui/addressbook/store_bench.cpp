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
#include "core/layout/StyleData.h"

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
            ok = !pg.open(addressDb).isError() && !pg.exec("DROP SCHEMA IF EXISTS members CASCADE")
                 && !pg.exec("DROP SCHEMA IF EXISTS public CASCADE") && !pg.exec("CREATE SCHEMA public");
        }
        ok = ok && !CreateAddressDatabase(db, addressDb).isError() && !CreateMembersDatabase(db, membersDb).isError();
        db.OpenDatabase(addressDb);
        db.BeginTransaction();
        for (int i = 0; i < count; ++i)
            db.ExecSql(QString("INSERT INTO address(namae1,namae2,zipcode,area,city,location,building,tel) "
                               "VALUES('%1%2','様','%3','東京都','港区','芝公園%4-1','ビル%5','03-1234-%6')")
                           .arg(i % 10 == 0 ? "山田" : "佐藤")
                           .arg(i)
                           .arg(1000000 + i)
                           .arg(i % 50)
                           .arg(i % 7)
                           .arg(i % 10000, 4, 10, QChar('0')));
        ok = ok && !db.Commit();
        db.OpenDatabase(membersDb);
        db.BeginTransaction();
        for (int i = 1; i <= count; ++i)
            db.ExecSql(QString("INSERT INTO memberitem(userid,kind,companyID,itemname1,daibiki,num) "
                               "VALUES(%1,40,2,'品物%1','1000','1')")
                           .arg(i));
        ok = ok && !db.Commit();
    }
};

void BM_ListFill(benchmark::State &state)
{
    Book book(20000, state.range(0) != 0);
    if (!book.ok) {
        state.SkipWithError("no server (KORVEL_BENCH_STORE)");
        return;
    }
    CheckedConsignees checked;
    ConsigneeTableModel model(checked);
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.setModel(&model);
    view.resize(600, 800);
    view.show();
    for (auto _ : state) {
        model.setRows(ReadConsignees(book.db, {book.addressDb, book.membersDb, QString(), -1, false}, checked));
        QApplication::processEvents();
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = double(model.rowCount());
}
BENCHMARK(BM_ListFill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void search(benchmark::State &state, const char *text)
{
    Book book(20000, state.range(0) != 0);
    if (!book.ok) {
        state.SkipWithError("no server (KORVEL_BENCH_STORE)");
        return;
    }
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
    if (!book.ok) {
        state.SkipWithError("no server (KORVEL_BENCH_STORE)");
        return;
    }
    StyleData style;
    style.OpenStyle(QString::fromLocal8Bit(qgetenv("KORVEL_BENCH_STYLE")));
    QStringList ids;
    for (int i = 1; i <= pages; ++i)
        ids << QString::number(i);
    const AssemblySources sources{book.addressDb, book.membersDb, book.dir.filePath("singledata.txt"), 40};
    AssemblyOptions options;
    options.listPageActive = true;
    options.selectedSenderId = 1;
    BatchHistory history;
    history.write = true;
    for (auto _ : state) {
        RecordAssembly assembly(book.db, sources);
        BatchPrint batch(book.db, assembly, sources);
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, book.dir.filePath("batch.pdf"));
        PrintRecord record;
        const BatchPrintOutcome outcome = batch.run(printer, ids, options, style, record, PrintJob::Options(), history);
        if (!outcome.ok() || outcome.printed.size() != pages || outcome.historyWritten != pages)
            state.SkipWithError("the batch did not print and record every page");
    }
}
BENCHMARK(BM_BatchWithHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
