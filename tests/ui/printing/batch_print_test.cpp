#include "support/AddressBookFixture.h"
#include "support/PdfFiles.h"

#include "ui/printing/BatchPrint.h"
#include "core/addressbook/ConsigneeRows.h"
#include "core/data/Database.h"
#include "core/data/DatabaseErrorText.h"
#include "core/history/PendingHistory.h"
#include "core/layout/StyleData.h"

#include <QFile>
#include <QPrinter>

class BatchPrintTest : public AddressBookFixture
{
protected:
    void SetUp() override
    {
        EnsureGuiApp();
        AddressBookFixture::SetUp();
        const QString program = QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
        ASSERT_TRUE(style.OpenStyle(program + "/style/zerrat.sle")) << program.toStdString();
        for (const char *name : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"})
            ids << addConsignee(name, "1000001", "Tokyo", "Minato", "03-1234-5678");
    }

    BatchPrintOutcome run(const QStringList &order, const QString &pdf, bool history = true,
                          const BatchPrint::Progress &progress = {})
    {
        BatchHistory h;
        h.write = history;
        return runFrom(sources(), sources(), order, pdf, h, progress);
    }
    // pages: where the record assembly reads; batch: where the run checks the
    // consignees and writes the history.
    BatchPrintOutcome runFrom(const AssemblySources &pages, const AssemblySources &batchSources,
                              const QStringList &order, const QString &pdf, const BatchHistory &h,
                              const BatchPrint::Progress &progress = {})
    {
        RecordAssembly assembly(db, pages);
        BatchPrint batch(db, assembly, batchSources);
        QPrinter printer(QPrinter::HighResolution);
        PrintJob::configurePdf(printer, pdf);
        AssemblyOptions o;
        o.listPageActive = true;
        o.selectedSenderId = 1;
        PrintRecord record;
        return batch.run(printer, order, o, style, record, PrintJob::Options(), h, progress);
    }
    AssemblySources sources() const { return {addressDb, membersDb, dir.filePath("singledata.txt"), 40}; }

    StyleData style;
    QStringList ids;
};

TEST_F(BatchPrintTest, FiveConsigneesGiveOneJobOfFivePagesAndFiveRowsInTickOrder)
{
    const QStringList order{ids[2], ids[0], ids[4], ids[1], ids[3]};
    const QString pdf = dir.filePath("batch.pdf");
    const BatchPrintOutcome outcome = run(order, pdf);
    ASSERT_TRUE(outcome.ok()) << outcome.draw.message.toStdString();
    EXPECT_EQ(outcome.printed, order);
    EXPECT_EQ(PdfPageCount(pdf), 5);
    EXPECT_EQ(query(membersDb, "select userid,namae1 from sender order by ID"),
              QStringList({ids[2] + "|Charlie", ids[0] + "|Alpha", ids[4] + "|Echo", ids[1] + "|Bravo",
                           ids[3] + "|Delta"}));
    EXPECT_TRUE(PdfPageText(pdf, 1).contains("Charlie"));
    EXPECT_TRUE(PdfPageText(pdf, 5).contains("Delta"));
    EXPECT_FALSE(PdfPageText(pdf, 5).contains("Charlie"));
}

TEST_F(BatchPrintTest, TheRowsOfARunAreKeptAllOrNone)
{
    // Another station's connection sees no row while the pages are drawn.
    Database other;
    ASSERT_FALSE(other.OpenDatabase(membersDb).isError());
    QList<int> rowsSeenWhilePrinting;
    auto rowsOf = [&other]() {
        return other.QueryRows(QStringLiteral("select count(*) from sender")).rows.rows().value(0).value(0).toInt();
    };
    BatchPrintOutcome outcome = run(ids, dir.filePath("together.pdf"), true, [&](int, int) {
        rowsSeenWhilePrinting << rowsOf();
        return true;
    });
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.historyWritten, 5);
    EXPECT_EQ(rowsSeenWhilePrinting, QList<int>(5, 0));
    EXPECT_EQ(rowsOf(), 5);

    // The database gives up the transaction at the fourth row of a run (as
    // on a full disk): no row of the run stays, and none comes in after it.
    if (onServer()) {
        ASSERT_FALSE(other.ExecSql(QStringLiteral(
            "CREATE FUNCTION give_up() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
            "IF (SELECT count(*) FROM sender) >= 8 THEN RAISE EXCEPTION 'disk full'; END IF; RETURN NEW; END $$")));
        ASSERT_FALSE(other.ExecSql(
            QStringLiteral("CREATE TRIGGER give_up BEFORE INSERT ON sender FOR EACH ROW EXECUTE FUNCTION give_up()")));
    } else {
        ASSERT_FALSE(other.ExecSql(QStringLiteral(
            "CREATE TRIGGER give_up BEFORE INSERT ON sender WHEN (SELECT count(*) FROM sender) >= 8 "
            "BEGIN SELECT RAISE(ROLLBACK, 'disk full'); END")));
    }
    outcome = run(ids, dir.filePath("given-up.pdf"));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.historyWritten, 0);
    EXPECT_FALSE(outcome.historyNotice.isEmpty());
    EXPECT_EQ(rowsOf(), 5);
}

TEST_F(BatchPrintTest, DeletedConsigneesAreSkippedAndNoHistoryWhenSwitchedOff)
{
    ASSERT_EQ(DeleteConsignees(db, addressDb, {ids[1]}), 0);
    const QString pdf = dir.filePath("skip.pdf");
    const BatchPrintOutcome outcome = run({ids[0], ids[1], ids[2]}, pdf, false);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.skipped, QStringList({ids[1]}));
    EXPECT_EQ(outcome.printed, QStringList({ids[0], ids[2]}));
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(query(membersDb, "select count(*) from sender"), QStringList({"0"}));
}

TEST_F(BatchPrintTest, CancelEndsTheJobWithThePagesPrintedAndWritesRowsOnlyForThem)
{
    const QString pdf = dir.filePath("cancel.pdf");
    const BatchPrintOutcome outcome = run(ids, pdf, true, [](int done, int) { return done < 2; });
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.printed, QStringList({ids[0], ids[1]}));
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(query(membersDb, "select userid from sender order by ID"), QStringList({ids[0], ids[1]}));
}

TEST_F(BatchPrintTest, ADrawingErrorLeavesNoFileAndNoHistory)
{
    QStringList lines = style.lines();
    lines << QStringLiteral("0;1;0;0;rect;abc;10;20;20;1;実線;0;0;"); // a position that is no number
    style.setLines(lines);
    const QString pdf = dir.filePath("broken.pdf");
    const BatchPrintOutcome outcome = run(ids.mid(0, 2), pdf);
    EXPECT_FALSE(outcome.ok());
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(query(membersDb, "select count(*) from sender"), QStringList({"0"}));
}

// A ticked row without a name (an import that left it empty) still gets its
// page, but no blank row in the history; the others are recorded as usual.
TEST_F(BatchPrintTest, AConsigneeWithoutANameGetsAPageButNoHistoryRow)
{
    const QString nameless = addConsignee(QStringLiteral("\u3000"), "1000001", "Tokyo", "Minato");
    const QString pdf = dir.filePath("nameless.pdf");
    const BatchPrintOutcome outcome = run({ids[0], nameless, ids[1]}, pdf);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.printed, QStringList({ids[0], nameless, ids[1]}));
    EXPECT_EQ(PdfPageCount(pdf), 3);
    EXPECT_EQ(outcome.historyWritten, 2);
    EXPECT_TRUE(outcome.historyNotice.isEmpty()) << outcome.historyNotice.toStdString();
    EXPECT_EQ(query(membersDb, "select userid,namae1 from sender order by ID"),
              QStringList({ids[0] + "|Alpha", ids[1] + "|Bravo"}));
}

// An address book that cannot be read is not "nothing ticked": the run says
// why and prints nothing.
TEST_F(BatchPrintTest, AnAddressBookThatCannotBeReadPrintsNothingAndSaysWhy)
{
    AssemblySources unreachable = sources();
    unreachable.addressDb = "postgresql://127.0.0.1:1/korvel?connect_timeout=2";
    // Before the first page, and (the server gone after the check) on a page.
    const struct {
        AssemblySources pages, batch;
    } cases[] = {{unreachable, unreachable}, {unreachable, sources()}};
    for (const auto &c : cases) {
        const QString pdf = dir.filePath("unread.pdf");
        const BatchPrintOutcome outcome = runFrom(c.pages, c.batch, ids, pdf, BatchHistory());
        EXPECT_TRUE(IsConnectionFailure(outcome.readError)) << outcome.readError.sqlState.toStdString();
        EXPECT_TRUE(outcome.printed.isEmpty());
        EXPECT_TRUE(outcome.skipped.isEmpty());
        EXPECT_EQ(outcome.historyWritten, 0);
        EXPECT_FALSE(QFile::exists(pdf));
    }
    EXPECT_EQ(query(membersDb, "select count(*) from sender"), QStringList({"0"}));
}

// The pages went out but the server took no row: the rows wait on the
// station, all of them, and the notice says so.
TEST_F(BatchPrintTest, RowsTheServerCannotTakeWaitOnTheStation)
{
    AssemblySources to = sources();
    to.membersDb = "postgresql://127.0.0.1:1/korvel?connect_timeout=2";
    PendingHistory pending(dir.path());
    BatchHistory h;
    h.pending = &pending;
    const BatchPrintOutcome outcome = runFrom(sources(), to, ids, dir.filePath("kept.pdf"), h);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.printed, ids);
    EXPECT_EQ(outcome.historyWritten, 0);
    EXPECT_EQ(outcome.historyKept, 5);
    EXPECT_EQ(pending.count(), 5);
    EXPECT_TRUE(outcome.historyNotice.startsWith("共有サーバーに接続できません。")) << outcome.historyNotice.toStdString();
}
