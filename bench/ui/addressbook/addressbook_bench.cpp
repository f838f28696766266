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
        db.OpenDatabase(addressDb);
        if (!indexed) {
            for (const QString &sql : DropSearchIndexSql(ConsigneeSearchIndex()))
                db.ExecSql(sql);
        }
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
        db.Commit();
        db.OpenDatabase(membersDb);
        db.BeginTransaction();
        for (int i = 1; i <= count; ++i)
            db.ExecSql(QString("INSERT INTO memberitem(userid,kind,companyID,itemname1,daibiki,num) "
                               "VALUES(%1,40,2,'品物%1','1000','1')")
                           .arg(i));
        db.Commit();
    }
};

void BM_CustomerReadIntoView(benchmark::State &state)
{
    Book book(int(state.range(0)));
    CheckedConsignees checked;
    ConsigneeTableModel model(checked);
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.setModel(&model);
    view.resize(600, 800);
    view.show();
    for (auto _ : state) {
        model.setRows(ReadConsignees(book.db, {book.addressDb, book.membersDb, QString(), -1, false}, checked));
        QApplication::processEvents(); // the view lays out and paints its first screen
        benchmark::DoNotOptimize(model.rowCount());
    }
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
    history.write = state.range(1) != 0;
    for (auto _ : state) {
        RecordAssembly assembly(book.db, sources);
        BatchPrint batch(book.db, assembly, sources);
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, book.dir.filePath("batch.pdf"));
        PrintRecord record;
        const BatchPrintOutcome outcome = batch.run(printer, ids, options, style, record, PrintJob::Options(), history);
        if (!outcome.ok() || outcome.printed.size() != pages)
            state.SkipWithError("the batch did not print every page");
        if (history.write && outcome.historyWritten != pages)
            state.SkipWithError("the batch did not write a history row for every page");
    }
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
