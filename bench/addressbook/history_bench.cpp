// Speed of the history list: rirekiRead of 100,000 history rows of one edition
// (plus 20,000 of another) until the view holds them, in the start-up order,
// after a header click and by a search; and the query alone without the view.

#include "addressbook/HistoryColumns.h"
#include "addressbook/HistoryList.h"
#include "addressbook/HistoryPage.h"
#include "data/DatabaseSchema.h"
#include "data/TDataModule1.h"

#include "WidgetBenchMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A members database with count rows of edition 40 and count / 5 of edition 50,
// written as the history writer writes them; every hundredth row holds りんご.
struct History {
    QTemporaryDir dir;
    QString membersDb;
    TDataModule1 db;

    explicit History(int count)
    {
        membersDb = dir.filePath("membersXe2.db3");
        CreateMembersDatabase(db, membersDb);
        db.OpenDatabase(membersDb);
        db.BeginTransaction();
        DatabaseError error;
        SqliteStatement insert = db.Prepare(
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

History &history()
{
    static History h(100000);
    return h;
}

// Runs fill on a shown history page until the view holds what it read; search
// is the text in the search box.
template <typename Fill>
void fillIntoView(benchmark::State &state, const QString &search, Fill fill)
{
    History &h = history();
    HistoryPage page(h.db, h.membersDb, 40, "履歴からお届け先登録");
    page.resize(1200, 700);
    page.show();
    page.sendersearch->setText(search);
    for (auto _ : state) {
        fill(page);
        QApplication::processEvents(); // the view lays out and paints what it shows
        benchmark::DoNotOptimize(page.rowCount());
    }
    state.counters["rows"] = page.rowCount();
}

// rirekiRead into the page's grid, in the start-up order (send date, newest first).
void BM_RirekiReadIntoView(benchmark::State &state)
{
    fillIntoView(state, QString(), [](HistoryPage &page) { page.rirekiRead(); });
}
BENCHMARK(BM_RirekiReadIntoView)->Unit(benchmark::kMillisecond)->UseRealTime();

// Header clicks on お名前: the list sorted by name, one way and the other.
void BM_HeaderClickIntoView(benchmark::State &state)
{
    fillIntoView(state, QString(), [](HistoryPage &page) { page.clickColumn(3); });
}
BENCHMARK(BM_HeaderClickIntoView)->Unit(benchmark::kMillisecond)->UseRealTime();

// A search over the thirteen columns, into the grid.
void BM_RirekiSearchIntoView(benchmark::State &state)
{
    fillIntoView(state, "りんご", [](HistoryPage &page) { page.rirekiRead(); });
}
BENCHMARK(BM_RirekiSearchIntoView)->Unit(benchmark::kMillisecond)->UseRealTime();

// The query and the row texts alone.
void BM_ReadHistoryList(benchmark::State &state)
{
    History &h = history();
    for (auto _ : state) {
        const QVector<HistoryListRow> rows =
            ReadHistoryList(h.db, h.membersDb, 40, HistoryInitialSortState, QString());
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(BM_ReadHistoryList)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
