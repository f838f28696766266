// Speed of the history list: readHistory of 100,000 and 1,000,000 history rows
// of one edition (plus a fifth as many of another) until the view holds them,
// in the start-up order and by a search; the query alone without the view; the
// search of texts of one, two and more characters with and without the search
// index; adding the index to a database made without it; the start-up check
// of the members database; and making the fixture itself.

#include "core/history/HistoryColumns.h"
#include "core/history/HistoryExport.h"
#include "core/history/HistoryList.h"
#include "ui/history/HistoryPage.h"
#include "core/data/DatabaseHealth.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SearchIndex.h"
#include "core/data/Database.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <functional>
#include <memory>

#include "WidgetBenchMain.h"

namespace {

void dropSearchIndex(Database &db, const SearchIndex &index)
{
    for (const QString &sql : DropSearchIndexSql(index))
        db.ExecSql(sql);
}

// A members database with count rows of edition 40 and count / 5 of edition 50,
// written as the history writer writes them; every hundredth row holds りんご.
// Without indexed, the database is one made before the search index.
struct History {
    QTemporaryDir dir;
    QString membersDb;
    Database db;

    explicit History(int count, bool indexed = true)
    {
        membersDb = dir.filePath("membersXe2.db3");
        CreateMembersDatabase(db, membersDb);
        db.OpenDatabase(membersDb);
        if (!indexed)
            dropSearchIndex(db, HistorySearchIndex());
        db.BeginTransaction();
        DatabaseError error;
        StoreStatement insert = db.Prepare(
            "INSERT INTO sender(orderid,senderdate,kind,userid,namae1,zipcode,address1,address2,address3,tel,uriage,"
            "itemname1,itemname2,itemname3,itemname4,arrivedate,timeselect,number,daibiki,num,kg,charge,hoken,"
            "snamae1,szipcode,saddress1,saddress2,stel) VALUES('',?,?,?,?,?,?,?,?,?,'',?,?,'','',?,'午前中','','',"
            "'1','','','','会社名1','5300001','大阪府大阪市北区梅田','','06-1234-5678')",
            &error);
        for (int i = 0; i < count + count / 5; ++i) {
            const bool other = i >= count;
            const QString values[] = {
                QDate(2020, 1, 1).addDays(i % 1500).toString("yyyy-MM-dd"),
                other ? "50" : "40",
                QString::number(i % 20000),
                QString("%1%2").arg(i % 100 == 0 ? "りんご園" : "山田").arg(i),
                QString::number(1000000 + i % 900000),
                "東京都港区",
                QString("芝公園%1-1").arg(i % 50),
                QString("ビル%1").arg(i % 7),
                QString("03-1234-%1").arg(i % 10000, 4, 10, QChar('0')),
                i % 100 == 0 ? "りんご" : "みかん",
                "贈答用",
                QString("/%1/%2").arg(i % 12 + 1).arg(i % 28 + 1),
            };
            for (int v = 0; v < 12; ++v)
                insert.bindText(v + 1, values[v]);
            insert.step();
            insert.reset();
        }
        insert.finalize();
        db.Commit();
    }
};

// One fixture per size for the whole program: the million-row one takes a while.
History &history(int count, bool indexed = true)
{
    static std::map<std::pair<int, bool>, std::unique_ptr<History>> fixtures;
    std::unique_ptr<History> &h = fixtures[{count, indexed}];
    if (!h)
        h = std::make_unique<History>(count, indexed);
    return *h;
}

// Writing the fixture: one transaction, one prepared statement.
void BM_MakeHistory(benchmark::State &state)
{
    for (auto _ : state) {
        History h(int(state.range(0)));
        benchmark::DoNotOptimize(h.membersDb.size());
    }
}
BENCHMARK(BM_MakeHistory)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The start-up check of the members database (PRAGMA quick_check and its tables).
void BM_StartupCheck(benchmark::State &state)
{
    History &h = history(int(state.range(0)));
    for (auto _ : state) {
        const DatabaseFileCheck check = CheckDatabaseFile(h.db, h.membersDb);
        if (check.state != DatabaseFileState::Usable)
            state.SkipWithError("the members database was not usable");
    }
    state.counters["MB"] = double(QFileInfo(h.membersDb).size()) / 1e6;
}
BENCHMARK(BM_StartupCheck)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The history page shown in a window of a usual size; each iteration runs
// action and lets the view lay out and paint what it shows.
void fillIntoView(benchmark::State &state, const QString &search, const std::function<void(HistoryPage &)> &action)
{
    History &h = history(int(state.range(0)));
    HistoryPage page(h.db, h.membersDb, 40, "履歴からお届け先登録");
    page.resize(1200, 700);
    page.show();
    page.searchBox->setText(search);
    page.readHistory();
    for (auto _ : state) {
        action(page);
        QApplication::processEvents();
        benchmark::DoNotOptimize(page.rowCount());
    }
    state.counters["rows"] = page.rowCount();
}

// readHistory into the page's grid, in the start-up order (send date, newest first).
void BM_RirekiReadIntoView(benchmark::State &state)
{
    fillIntoView(state, QString(), [](HistoryPage &page) { page.readHistory(); });
}
BENCHMARK(BM_RirekiReadIntoView)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click on the お名前 header: the list sorted by name, into the grid.
void BM_HeaderClickIntoView(benchmark::State &state)
{
    fillIntoView(state, QString(), [](HistoryPage &page) { page.clickColumn(3); });
}
BENCHMARK(BM_HeaderClickIntoView)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A search over the thirteen columns, into the grid.
void BM_RirekiSearchIntoView(benchmark::State &state)
{
    fillIntoView(state, "りんご", [](HistoryPage &page) { page.readHistory(); });
}
BENCHMARK(BM_RirekiSearchIntoView)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// 「山」, in nearly every row, into the grid: the first page of matches, newest
// first (the whole search, historySearch/one_common_char below, reads them all).
void BM_CommonSearchIntoView(benchmark::State &state)
{
    fillIntoView(state, "山", [](HistoryPage &page) { page.readHistory(); });
}
BENCHMARK(BM_CommonSearchIntoView)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The query and the row texts of the whole list, as the list once read them.
void BM_ReadHistoryList(benchmark::State &state)
{
    History &h = history(int(state.range(0)));
    for (auto _ : state) {
        const QVector<HistoryListRow> rows =
            ReadHistoryList(h.db, h.membersDb, 40, HistoryInitialSortState, QString());
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(BM_ReadHistoryList)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The query alone, identifiers in list order: what readHistory reads before the
// grid asks for the rows it shows.
void BM_ReadHistoryIds(benchmark::State &state)
{
    History &h = history(int(state.range(0)));
    for (auto _ : state) {
        const QVector<qint64> ids = ReadHistoryIds(h.db, h.membersDb, 40, HistoryInitialSortState, QString());
        benchmark::DoNotOptimize(ids.size());
    }
}
BENCHMARK(BM_ReadHistoryIds)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// 「履歴をCSVに書き出す」 over the whole history: every stored column of every
// row, UTF-8 (0) or Shift_JIS (1), into a file that is put in place at the end.
void BM_ExportHistory(benchmark::State &state)
{
    History &h = history(int(state.range(0)));
    const QString out = QFileInfo(h.membersDb).absolutePath() + "/export.csv";
    const CsvOutputEncoding encoding = state.range(1) ? CsvOutputEncoding::ShiftJis : CsvOutputEncoding::Utf8Bom;
    for (auto _ : state) {
        const CsvExportOutcome outcome = ExportHistory(h.db, h.membersDb, HistoryExportQuery(), out, encoding);
        if (!outcome.ok)
            state.SkipWithError("the export failed");
    }
    state.counters["MB"] = double(QFileInfo(out).size()) / 1e6;
}
BENCHMARK(BM_ExportHistory)->Args({1000000, 0})->Args({1000000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

// The search alone (identifiers in list order) in a database with the search
// index (state.range(1) == 1) and in one made before it, where the search is
// the LIKE over every row it always was.
void historySearch(benchmark::State &state, const char *text)
{
    History &h = history(int(state.range(0)), state.range(1) != 0);
    const QString search = QString::fromUtf8(text);
    qsizetype found = 0;
    for (auto _ : state) {
        DatabaseError error;
        const QVector<qint64> ids = ReadHistoryIds(h.db, h.membersDb, 40, HistoryInitialSortState, search, &error);
        if (error.isError())
            state.SkipWithError("the search failed");
        found = ids.size();
    }
    state.counters["rows"] = double(found);
}
// One character, in 1 % of the rows.
BENCHMARK_CAPTURE(historySearch, one_char, "り")->Args({1000000, 0})->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
// One character in nearly every row: the index does not help, every row is read.
BENCHMARK_CAPTURE(historySearch, one_common_char, "山")->Args({1000000, 0})->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(historySearch, two_chars, "りん")->Args({1000000, 0})->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(historySearch, three_chars, "りんご")->Args({1000000, 0})->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
// One row: a name and its number.
BENCHMARK_CAPTURE(historySearch, long_text, "山田123457")->Args({1000000, 0})->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(historySearch, no_match_one_char, "ゑ")->Args({1000000, 0})->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(historySearch, no_match, "ゑびす")->Args({1000000, 0})->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// Adding the search index to a database made before it, as the first start
// after the update does: one transaction over every history row.
void BM_AddSearchIndex(benchmark::State &state)
{
    History &h = history(int(state.range(0)), false);
    for (auto _ : state) {
        state.PauseTiming();
        h.db.OpenDatabase(h.membersDb);
        dropSearchIndex(h.db, HistorySearchIndex());
        h.db.CloseDatabase();
        state.ResumeTiming();
        if (AddSearchIndex(h.db, h.membersDb, HistorySearchIndex()).isError())
            state.SkipWithError("the index could not be added");
    }
    h.db.OpenDatabase(h.membersDb);
    dropSearchIndex(h.db, HistorySearchIndex());
    state.counters["MB"] = double(QFileInfo(h.membersDb).size()) / 1e6;
}
BENCHMARK(BM_AddSearchIndex)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
