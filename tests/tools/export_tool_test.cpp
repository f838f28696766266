// korvel-print export-consignees and export-history on a scratch application
// data folder: the files they write read back with the program's CSV parser.

#include "support/AddressBookFixture.h"
#include "support/ToolRun.h"

#include "core/addressbook/ConsigneeCsv.h"
#include "core/history/HistoryExport.h"
#include "core/import/CsvEncoding.h"
#include "core/import/CsvParser.h"
#include "core/settings/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class ExportTool : public AddressBookFixture
{
protected:
    void SetUp() override
    {
        AddressBookFixture::SetUp();
        tool = qEnvironmentVariable("KORVEL_TEST_PROGRAM_DIR") + "/korvel-print";
        ASSERT_TRUE(QFile::exists(tool)) << tool.toStdString();
        appdata = dir.filePath("appdata");
        ASSERT_TRUE(QDir().mkpath(appdata));
        // The first run sets the empty folder up as a first start does: the
        // folders and the empty address book.
        const ToolRun first = run({"export-consignees", "--out", dir.filePath("empty.csv")});
        ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
        if (!onServer()) {
            addressDb = DataDirFor(appdata) + "/addressXe2.db3";
            membersDb = DataDirFor(appdata) + "/membersXe2.db3";
        }
    }

    ToolRun run(const QStringList &args) const
    {
        const QStringList store = onServer() ? QStringList{"--store", TestServerStore()} : QStringList();
        return RunTool(tool, args + QStringList{"--appdata", appdata} + store);
    }

    QVector<QStringList> readBack(const QString &path, CsvEncoding *encoding)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        return CsvParser::parse(DecodeCsvBytes(f.readAll(), encoding));
    }

    QString tool, appdata;
};

TEST_F(ExportTool, ConsigneesOfTheEditionInUtf8OrShiftJis)
{
    const QString a = addConsignee("青木 一郎", "1000001", "東京都", "千代田区");
    addItemRow(a, 40, 1, "りんご, 箱");
    addItemRow(a, 20, 1, "別の版");
    addConsignee("井上 二郎");

    const QString out = dir.filePath("consignees.csv");
    const ToolRun utf8 = run({"export-consignees", "--edition", "40", "--out", out});
    ASSERT_EQ(utf8.exitCode, 0) << utf8.err.toStdString();
    EXPECT_TRUE(utf8.out.contains("2 rows written")) << utf8.out.toStdString();
    CsvEncoding encoding;
    QVector<QStringList> records = readBack(out, &encoding);
    EXPECT_EQ(encoding, CsvEncoding::Utf8Bom);
    ASSERT_EQ(records.size(), 3);
    EXPECT_TRUE(IsConsigneeCsvHeader(records[0]));
    EXPECT_EQ(records[1].value(ConsigneeCsvHeader().indexOf("商品名1")), QString("りんご, 箱"));

    ASSERT_EQ(run({"export-consignees", "--edition", "20", "--shift-jis", "--out", out}).exitCode, 0);
    records = readBack(out, &encoding);
    EXPECT_EQ(encoding, CsvEncoding::Cp932);
    EXPECT_EQ(records[1].value(ConsigneeCsvHeader().indexOf("商品名1")), QString("別の版"));
}

TEST_F(ExportTool, HistoryBetweenTwoDates)
{
    for (const char *date : {"2026-11-30", "2026-12-01", "2026-12-05", "2026-12-06"})
        addHistory(40, {{"senderdate", date}, {"namae1", QString("山田 %1").arg(date)}});
    const QString out = dir.filePath("history.csv");
    const ToolRun ran = run({"export-history", "--from", "2026-12-01", "--to", "2026/12/05", "--out", out});
    ASSERT_EQ(ran.exitCode, 0) << ran.err.toStdString();
    CsvEncoding encoding;
    const QVector<QStringList> records = readBack(out, &encoding);
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0], HistoryCsvHeader());
    EXPECT_EQ(records[1].value(2), QString("2026-12-01"));
    EXPECT_EQ(records[2].value(2), QString("2026-12-05"));
}

TEST_F(ExportTool, ShiftJisListsEveryCharacterItCannotWriteUnlessToldToSubstitute)
{
    addConsignee(QStringLiteral("山田\u00A0太郎"));
    addConsignee(QStringLiteral("青木 一郎"));
    addConsignee(QString::fromUtf8("鈴木\xF0\x9F\x98\x80"));
    const QString out = dir.filePath("sjis.csv");
    const ToolRun refused = run({"export-consignees", "--shift-jis", "--out", out});
    EXPECT_EQ(refused.exitCode, 1) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("2行目: U+00A0（ノーブレークスペース）"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("4行目: U+1F600（絵文字）"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--substitute")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    const ToolRun substituted = run({"export-consignees", "--shift-jis", "--substitute", "--out", out});
    ASSERT_EQ(substituted.exitCode, 0) << substituted.err.toStdString();
    EXPECT_TRUE(substituted.out.contains("2 characters without a Shift_JIS form written as U+3013"))
        << substituted.out.toStdString();
    CsvEncoding encoding;
    const QVector<QStringList> records = readBack(out, &encoding);
    EXPECT_EQ(encoding, CsvEncoding::Cp932);
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[1].value(1), QStringLiteral("山田〓太郎"));
    EXPECT_EQ(records[3].value(1), QStringLiteral("鈴木〓"));

    const ToolRun alone = run({"export-consignees", "--substitute", "--out", out});
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_TRUE(alone.err.contains("--substitute goes with --shift-jis")) << alone.err.toStdString();
}

TEST_F(ExportTool, CsvImportReadsUtf8WithoutAMarkAndNamesTheEncoding)
{
    const QString file = dir.filePath("import.txt");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("山田 太郎,,100-0001,東京都千代田区,,,,03-1234-5678,,,,,,,\r\n").toUtf8());
    }
    const ToolRun imported = run({"csv-import", "--file", file});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("(read as UTF-8)")) << imported.out.toStdString();
    const QString out = dir.filePath("after.csv");
    ASSERT_EQ(run({"export-consignees", "--out", out}).exitCode, 0);
    CsvEncoding encoding;
    const QVector<QStringList> records = readBack(out, &encoding);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[1].value(1), QStringLiteral("山田 太郎"));
    EXPECT_EQ(records[1].value(ConsigneeCsvHeader().indexOf("都道府県")), QStringLiteral("東京都"));

    // The clerk's choice wins; a name it does not know is refused.
    const ToolRun forced = run({"csv-import", "--file", file, "--encoding", "shift_jis"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_TRUE(forced.out.contains("(read as Shift_JIS)")) << forced.out.toStdString();
    const ToolRun unknown = run({"csv-import", "--file", file, "--encoding", "latin1"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("--encoding wants")) << unknown.err.toStdString();
}

TEST_F(ExportTool, BadArgumentsAreRefusedWithAMessage)
{
    const struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {{"export-consignees"}, "--out FILE is needed"},
        {{"export-history", "--from", "12/01", "--out", "x.csv"}, "wants a date"},
        {{"export-consignees", "--edition", "70", "--out", "x.csv"}, "unknown edition"},
        {{"export-consignees", "--from", "2026-12-01", "--out", "x.csv"}, "unknown option"},
    };
    for (const auto &c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    // Into a folder that is not there: refused, nothing claimed.
    const ToolRun r = run({"export-history", "--out", dir.filePath("no/such/folder/h.csv")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
}

// A mistyped data folder is named and refused by every command that works on
// the data, and is not made: an empty address book made there would read as
// "nothing to export" or "0 rows written".
TEST_F(ExportTool, ADataFolderThatDoesNotExistIsRefusedAndNamed)
{
    const QString missing = dir.filePath("no/such/folder");
    const QStringList commands[] = {
        {"export-consignees", "--out", dir.filePath("c.csv")},
        {"export-history", "--out", dir.filePath("h.csv")},
        {"csv-import", "--file", dir.filePath("in.csv")},
        {"migrate-to-server", "--store", "postgresql://localhost/korvel_nowhere"},
        {"pdf", "--consignees", "all", "--out", dir.filePath("b.pdf")},
    };
    for (const QStringList &args : commands) {
        const ToolRun r = RunTool(tool, args + QStringList{"--appdata", missing});
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("'" + missing + "' does not exist")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("b.pdf")));
}

// The migration copies every edition's history, whatever --edition says, and
// its usage says so.
TEST_F(ExportTool, TheMigrationsUsageSaysItCopiesEveryEdition)
{
    const ToolRun r = RunTool(tool, {"migrate-to-server", "--help"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("of every\nedition")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("history of the edition")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("does not limit what is copied")) << r.out.toStdString();
}
