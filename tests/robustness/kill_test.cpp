// The programs that write the databases, killed at random moments: a batch
// print with history, a CSV import, a postal-code import and the program's
// first start. After every kill
// each database file passes SQLite's integrity check, every settings and style
// file still reads, and the same command run again ends well.

#include "KillHarness.h"

#include "core/data/DatabaseHealth.h"
#include "core/data/DatabaseSchema.h"
#include "core/postal/NationalPostalCsv.h"
#include "core/data/Database.h"
#include "core/text/TextCodec.h"
#include "core/import/CsvImportFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The delays spread over the whole run, and a little past it so that runs
// that end by themselves are part of the mix.
int randomDelay(std::mt19937 &random, qint64 fullRunMs)
{
    return std::uniform_int_distribution<int>(0, int(fullRunMs * 11 / 10))(random);
}

qint64 countOf(const QString &dbPath, const QString &sql)
{
    Database db;
    if (db.OpenDatabase(dbPath, Database::OpenMode::ExistingOnly).isError())
        return -1;
    const QueryResult r = db.QueryRows(sql);
    return r.ok() ? r.rows.value(0, 0).toLongLong() : -1;
}

class KillTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(KorvelPrintPath())) << KorvelPrintPath().toStdString();
        ASSERT_TRUE(root.isValid());
    }

    QString dataDir() const { return root.path() + "/korvel/database"; }

    // After a kill: no damaged database, no unreadable settings file.
    void expectFilesSound(int iteration, int delay)
    {
        const QStringList damaged = DamagedDatabases(root.path());
        EXPECT_TRUE(damaged.isEmpty()) << "kill " << iteration << " after " << delay
                                       << " ms: " << damaged.join("\n").toStdString();
        const QStringList unreadable = UnreadableSettingsFiles(root.path());
        EXPECT_TRUE(unreadable.isEmpty()) << "kill " << iteration << " after " << delay
                                          << " ms: " << unreadable.join("\n").toStdString();
    }

    // Runs korvel-print with args, kills it at a random moment of a run that
    // takes fullRunMs, and checks what it left. A run that ended by itself must
    // have ended well.
    ToolRun killOnce(int iteration, const QStringList &args, qint64 fullRunMs)
    {
        const int delay = randomDelay(random, fullRunMs);
        const ToolRun run = RunAndKill(args, delay);
        if (!run.killed)
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        expectFilesSound(iteration, delay);
        return run;
    }

    std::mt19937 random{KillSeed()};
    QTemporaryDir root;
};

// An address book of consignees with an item row each, made the way the program makes it.
void makeAddressBook(const QString &dataDir, int count)
{
    QDir().mkpath(dataDir);
    Database db;
    ASSERT_FALSE(CreateAddressDatabase(db, dataDir + "/addressXe2.db3").isError());
    ASSERT_FALSE(CreateMembersDatabase(db, dataDir + "/membersXe2.db3").isError());
    ASSERT_FALSE(db.OpenDatabase(dataDir + "/addressXe2.db3").isError());
    db.BeginTransaction();
    for (int i = 0; i < count; ++i)
        db.ExecSql(QString("INSERT INTO address(NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,LOCATION,TEL) VALUES("
                           "'山田%1','様','%2','東京都','千代田区','千代田%3-1','03-1234-%4')")
                       .arg(i)
                       .arg(1000000 + i)
                       .arg(i % 50)
                       .arg(i % 10000, 4, 10, QChar('0')));
    db.Commit();
    ASSERT_FALSE(db.OpenDatabase(dataDir + "/membersXe2.db3").isError());
    db.BeginTransaction();
    for (int i = 1; i <= count; ++i)
        db.ExecSql(QString("INSERT INTO memberitem(userid,kind,companyID,itemname1,num) VALUES(%1,40,1,'品物%1','1')")
                       .arg(i));
    db.Commit();
}

TEST_F(KillTest, BatchPrintWithHistory)
{
    const int consignees = FixtureSize(2000);
    makeAddressBook(dataDir(), consignees);
    const QString membersDb = dataDir() + "/membersXe2.db3";
    const QString historyCount = "SELECT count(*) FROM sender WHERE kind=40";
    const QStringList args{"pdf", "--appdata", root.path(), "--edition", "40", "--consignees", "all",
                           "--out", root.filePath("batch.pdf")};

    // A whole run first: it also copies the starter files, so that the kills
    // below meet a work folder in use.
    const ToolRun full = RunToCompletion(args);
    ASSERT_EQ(full.exitCode, 0) << full.err.toStdString();
    ASSERT_EQ(countOf(membersDb, historyCount), consignees);

    for (int i = 0; i < KillIterations(); ++i) {
        const qint64 before = countOf(membersDb, historyCount);
        const ToolRun run = killOnce(i, args, full.elapsedMs);
        // The rows of a run are committed together once the job is done: a
        // killed run keeps all of them or none.
        const qint64 after = countOf(membersDb, historyCount);
        if (run.killed)
            EXPECT_TRUE(after == before || after == before + consignees) << after - before << " rows";
        else
            EXPECT_EQ(after, before + consignees);
    }
    const qint64 before = countOf(membersDb, historyCount);
    const ToolRun again = RunToCompletion(args);
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(countOf(membersDb, historyCount), before + consignees);
}

TEST_F(KillTest, CsvImport)
{
    const int lines = FixtureSize(10000);
    QVector<QStringList> rows;
    for (int i = 0; i < lines; ++i)
        rows.append({QString("佐藤%1").arg(i), "様", QString("100-%1").arg(i % 10000, 4, 10, QChar('0')),
                     "東京都千代田区千代田", "", QString("%1-1").arg(i % 50), "コルベルビル", "03-1234-5678",
                     "備考", QString::number(1000 + i), "りんご", "みかん", "", ""});
    const QString file = root.filePath("csvImport.tmp");
    ASSERT_TRUE(WriteCsvImportFile(file, rows));
    const QStringList args{"csv-import", "--appdata", root.path(), "--edition", "40", "--file", file};
    const QString addressDb = dataDir() + "/addressXe2.db3";
    const QString membersDb = dataDir() + "/membersXe2.db3";
    const QString consigneeCount = "SELECT count(*) FROM address WHERE NAMAE1 LIKE '佐藤%'";
    const QString twice = "SELECT count(*) FROM (SELECT 1 FROM address GROUP BY NAMAE1, NAMAE2 HAVING count(*) > 1)";

    auto expectImported = [&](const char *when) {
        EXPECT_EQ(countOf(addressDb, consigneeCount), lines) << when;
        EXPECT_EQ(countOf(addressDb, twice), 0) << when;
        EXPECT_EQ(countOf(addressDb, "SELECT count(*) FROM company"), 4) << when;
        EXPECT_EQ(countOf(membersDb, "SELECT count(*) FROM memberitem WHERE kind=40 AND itemname1='りんご'"), lines)
            << when;
    };
    const ToolRun full = RunToCompletion(args);
    ASSERT_EQ(full.exitCode, 0) << full.err.toStdString();
    expectImported("first import");

    for (int i = 0; i < KillIterations(); ++i) {
        // Each kill meets an import into a new address book, the creation of
        // the databases included; the import repeated then gives the whole file once.
        QFile::remove(addressDb);
        QFile::remove(membersDb);
        killOnce(i, args, full.elapsedMs);
        // A kill between the file's creation and the commit of its tables
        // leaves an empty database, which the next start fills as it does a
        // missing one; only a file with tables has consignees to check.
        Database checker;
        if (CheckDatabaseFile(checker, addressDb).state == DatabaseFileState::Usable) {
            EXPECT_EQ(countOf(addressDb, "SELECT count(*) FROM sqlite_master WHERE name IN ('address','company')"), 2)
                << "a half-made address book";
            const qint64 imported = countOf(addressDb, consigneeCount);
            EXPECT_GE(imported, 0);
            EXPECT_LE(imported, lines);
            EXPECT_EQ(countOf(addressDb, twice), 0) << "a consignee was added twice";
        }
        const ToolRun again = RunToCompletion(args);
        EXPECT_EQ(again.exitCode, 0) << "after kill " << i << ": " << again.err.toStdString();
        expectImported("import repeated after a kill");
    }
}

TEST_F(KillTest, PostalCodeImport)
{
    const int lines = FixtureSize(80000);
    QStringList csv;
    csv.reserve(lines);
    for (int i = 0; i < lines; ++i)
        csv << NationalPostalCsvLine({QString::number(1000000 + i), "東京都", QString("千代田区%1").arg(i % 300),
                                      QString("千代田%1丁目").arg(i)});
    const QString csvPath = root.filePath("national.csv");
    QString error;
    ASSERT_TRUE(WriteTextLinesPreferCp932(csvPath, csv, &error)) << error.toStdString();
    const QString zipDb = root.filePath("zipcode.db3");
    const QStringList args{"zipcode-import", csvPath, "--db", zipDb};
    const QString rowCount = "SELECT count(*) FROM zipcode";

    const ToolRun full = RunToCompletion(args);
    ASSERT_EQ(full.exitCode, 0) << full.err.toStdString();
    ASSERT_EQ(countOf(zipDb, rowCount), lines);

    for (int i = 0; i < KillIterations(); ++i) {
        // Every run builds the table anew, as the guide does when the file is missing.
        QFile::remove(zipDb);
        const ToolRun run = killOnce(i, args, full.elapsedMs);
        // Present means complete: a half-built table is never taken for the finished one.
        if (QFile::exists(zipDb)) {
            EXPECT_EQ(countOf(zipDb, rowCount), lines) << "kill " << i << " after " << run.elapsedMs << " ms";
            continue;
        }
        // The import is offered again and ends well, whatever the kill left behind.
        const ToolRun again = RunToCompletion(args);
        EXPECT_EQ(again.exitCode, 0) << "after kill " << i << ": " << again.err.toStdString();
        EXPECT_EQ(countOf(zipDb, rowCount), lines);
        EXPECT_FALSE(QFile::exists(zipDb + ".part"));
    }
}

TEST_F(KillTest, FirstStartOfTheProgram)
{
    // The window of edition 40 on a machine where it never ran: folders made,
    // starter files copied, databases created, the layout opened.
    const QString program = StagedProgramPath("zerrat_xe2");
    ASSERT_TRUE(QFile::exists(program)) << program.toStdString();
    const QString appdata = root.filePath("appdata");
    QProcessEnvironment env;
    env.insert("KORVEL_APPDATA_ROOT", appdata);
    const QString data = appdata + "/korvel/database";
    const bool withZipcode = QFile::exists(StagedProgramPath("databaseXe2/zipcode.db3"));
    // What a finished start leaves: four default senders, the history table,
    // the postal-code table.
    auto started = [&] {
        return countOf(data + "/addressXe2.db3", "SELECT count(*) FROM company") == 4
               && countOf(data + "/membersXe2.db3", "SELECT count(*) FROM sender") == 0
               && (!withZipcode || countOf(data + "/zipcode.db3", "SELECT count(*) FROM zipcode") > 0);
    };
    qint64 startMs = 0;
    ASSERT_TRUE(RunUntil(program, env, started, 30000, &startMs));

    // A start is short and its window for harm (a database file made but not
    // yet filled) narrow: twice the kills of the other scenarios.
    for (int i = 0; i < 2 * KillIterations(); ++i) {
        QDir(appdata).removeRecursively();
        const int delay = randomDelay(random, startMs * 3 / 2);
        RunAndKill(program, {}, env, delay);
        expectFilesSound(i, delay);
        // The next start repairs what the kill left half done.
        EXPECT_TRUE(RunUntil(program, env, started, 30000)) << "start after kill " << i << " after " << delay << " ms";
        expectFilesSound(i, delay);
    }
}

} // namespace
