// korvel-print pdf --consignees run as a script runs it: the staged program
// on a scratch application data folder whose address book the first run
// created. Pages, their consignees, the history rows written for them, the
// skipped identifiers and the refusals of bad arguments.

#include "support/AddressBookFixture.h"
#include "support/PdfFiles.h"
#include "support/ToolRun.h"

#include "core/addressbook/ConsigneeRows.h"
#include "core/history/HistoryList.h"
#include "core/settings/AppFolders.h"

#include <QDir>
#include <QFile>

namespace {

const QStringList kNames{"Alpha", "Bravo", "Charlie", "Delta", "Echo"};

} // namespace

class BatchPrintTool : public AddressBookFixture
{
protected:
    void SetUp() override
    {
        EnsureGuiApp();
        AddressBookFixture::SetUp();
        tool = qEnvironmentVariable("KORVEL_TEST_PROGRAM_DIR") + "/korvel-print";
        ASSERT_TRUE(QFile::exists(tool)) << tool.toStdString();
        appdata = dir.filePath("appdata");
        ASSERT_TRUE(QDir().mkpath(appdata));

        // The first run makes the folders and the empty address book, as the
        // program does on its first start, and has nobody to print.
        const ToolRun first = pdf({"--consignees", "all"}, "first.pdf");
        ASSERT_EQ(first.exitCode, 1) << first.err.toStdString();
        EXPECT_TRUE(first.err.contains("no consignee to print")) << first.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("first.pdf")));
        if (!onServer()) {
            addressDb = DataDirFor(appdata) + "/addressXe2.db3";
            membersDb = DataDirFor(appdata) + "/membersXe2.db3";
            ASSERT_TRUE(QFile::exists(addressDb) && QFile::exists(membersDb));
        }
        for (const QString &name : kNames)
            ids << addConsignee(name + " Yamada", "1000001", "Tokyo", "Minato", "03-1234-5678");
        ASSERT_EQ(ids, QStringList({"1", "2", "3", "4", "5"}));
    }

    // pdf for edition 40 into out, with the scratch application data folder.
    ToolRun pdf(const QStringList &args, const QString &out) const
    {
        const QStringList store = onServer() ? QStringList{"--store", TestServerStore()} : QStringList();
        return RunTool(tool, QStringList{"pdf", "--appdata", appdata, "--edition", "40", "--out", dir.filePath(out)} + store
                                 + args);
    }

    // The history of edition 40 as "consignee id|name", oldest row first.
    QStringList historyRows()
    {
        DatabaseError error;
        const QVector<HistoryListRow> rows = ReadHistoryList(db, membersDb, 40, 11, QString(), &error);
        EXPECT_FALSE(error.isError()) << error.message.toStdString();
        QStringList texts;
        for (const HistoryListRow &row : rows)
            texts << row.userid + "|" + row.name;
        return texts;
    }

    void expectPages(const QString &file, const QStringList &names)
    {
        ASSERT_EQ(PdfPageCount(file), names.size());
        if (!HasPdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: page texts not checked";
        for (int page = 1; page <= names.size(); ++page) {
            const QString text = PdfPageText(file, page);
            EXPECT_TRUE(text.contains(names[page - 1])) << "page " << page << ": " << text.toStdString();
            for (const QString &other : kNames)
                if (!names[page - 1].startsWith(other))
                    EXPECT_FALSE(text.contains(other + " Yamada")) << "page " << page << " shows " << other.toStdString();
        }
    }

    QString tool;
    QString appdata;
    QStringList ids;
};

TEST_F(BatchPrintTool, ListedConsigneesArePrintedAndRecordedInTheGivenOrder)
{
    const ToolRun r = pdf({"--consignees", "3,1,5"}, "three.pdf");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.trimmed().endsWith("three.pdf")) << r.out.toStdString();
    EXPECT_EQ(historyRows(), QStringList({"3|Charlie Yamada", "1|Alpha Yamada", "5|Echo Yamada"}));
    expectPages(dir.filePath("three.pdf"), {"Charlie", "Alpha", "Echo"});
}

TEST_F(BatchPrintTool, AllPrintsEveryConsigneeInIdentifierOrder)
{
    const ToolRun r = pdf({"--consignees", "all"}, "all.pdf");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(historyRows(), QStringList({"1|Alpha Yamada", "2|Bravo Yamada", "3|Charlie Yamada", "4|Delta Yamada",
                                          "5|Echo Yamada"}));
    expectPages(dir.filePath("all.pdf"), kNames);
}

TEST_F(BatchPrintTool, NoHistoryWritesNoRowAndMissingConsigneesAreSkipped)
{
    ASSERT_EQ(DeleteConsignees(db, addressDb, {"2"}), 0);
    const ToolRun r = pdf({"--consignees", "4,2,99,1", "--no-history"}, "skip.pdf");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("consignee 2 does not exist; skipped")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("consignee 99 does not exist; skipped")) << r.err.toStdString();
    EXPECT_TRUE(historyRows().isEmpty());
    expectPages(dir.filePath("skip.pdf"), {"Delta", "Alpha"});
}

TEST_F(BatchPrintTool, SenderFollowsTheItemRowAsOnTheConsigneeList)
{
    // As on the consignee list: a consignee's item row names its sender; one
    // without an item row prints with sender 1, whichever sender is selected.
    nameSender(1, "First Sender Co");
    nameSender(3, "Third Sender Co");
    addItemRow("4", 40, 3, "Grapes");
    ASSERT_EQ(pdf({"--consignees", "2,4", "--sender", "2"}, "senders.pdf").exitCode, 0);
    EXPECT_EQ(query(membersDb, "select userid,snamae1,itemname1 from sender order by ID"),
              QStringList({"2|First Sender Co|", "4|Third Sender Co|Grapes"}));
    if (!HasPdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: page texts not checked";
    EXPECT_TRUE(PdfPageText(dir.filePath("senders.pdf"), 1).contains("First Sender Co"));
    EXPECT_TRUE(PdfPageText(dir.filePath("senders.pdf"), 2).contains("Third Sender Co"));
}

TEST_F(BatchPrintTool, NobodyLeftToPrintIsAFailureWithoutAFile)
{
    const ToolRun r = pdf({"--consignees", "98,99"}, "none.pdf");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("no consignee to print")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pdf")));
    EXPECT_TRUE(historyRows().isEmpty());
}

TEST_F(BatchPrintTool, BadArgumentsAreRefusedWithAMessage)
{
    const struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {{"--consignees", "3,x"}, "--consignees"},
        {{"--consignees", "1,,2"}, "--consignees"},
        {{"--consignees", "0"}, "--consignees"},
        {{"--consignees", ""}, "--consignees"},
        {{"--consignees"}, "--consignees"},
        {{"--consignees", "all", "--edition", "99"}, "edition"},
        {{"--consignees", "all", "--edition", "forty"}, "--edition"},
        {{"--consignees", "all", "--sender", "abc"}, "--sender"},
        {{"--consignees", "all", "--style", "/nonexistent/x.sle"}, "style file not found"},
    };
    for (const auto &c : cases) {
        const ToolRun r = pdf(c.args, "bad.pdf");
        const std::string shown = c.args.join(' ').toStdString();
        EXPECT_NE(r.exitCode, 0) << shown;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << shown << ": " << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("bad.pdf"))) << shown;
    }
    EXPECT_TRUE(historyRows().isEmpty());
}
