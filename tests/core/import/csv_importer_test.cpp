#include "core/data/DatabaseSchema.h"
#include "core/data/Database.h"
#include "core/import/CsvEditorLaunch.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvImporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The event loop the editor wait runs needs an application object.
QCoreApplication &app()
{
    static int argc = 1;
    static char name[] = "import_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

QStringList line(const QString &name1, const QString &name2, const QString &address,
                 const QString &amount = QString(), const QString &item1 = QString())
{
    QStringList f(CsvImportFieldCount);
    f[0] = name1;
    f[1] = name2;
    f[2] = QStringLiteral("123-4567");
    f[3] = address;
    f[7] = QStringLiteral("03-1234-5678");
    f[9] = amount;
    f[10] = item1;
    return f;
}

class CsvImporterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_target.addressDbPath = m_dir.filePath(QStringLiteral("addressXe2.db3"));
        m_target.membersDbPath = m_dir.filePath(QStringLiteral("membersXe2.db3"));
        m_target.editionCode = 30;
        m_target.senderId = QStringLiteral("2");
        ASSERT_FALSE(CreateAddressDatabase(m_db, m_target.addressDbPath).isError());
        ASSERT_FALSE(CreateMembersDatabase(m_db, m_target.membersDbPath).isError());
    }

    RowList query(const QString &path, const QString &sql)
    {
        EXPECT_FALSE(m_db.OpenDatabase(path).isError());
        const QueryResult r = m_db.QueryRows(sql);
        EXPECT_TRUE(r.ok()) << r.error.message.toStdString();
        return r.rows;
    }
    RowList consignees()
    {
        return query(m_target.addressDbPath,
                     QStringLiteral("SELECT ID,NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,TEL FROM address ORDER BY ID"));
    }
    RowList items()
    {
        return query(m_target.membersDbPath, QStringLiteral("SELECT userid,kind,companyID,uriage,itemname1,daibiki,"
                                                            "hoken,NOTES FROM memberitem ORDER BY userid,kind"));
    }

    QTemporaryDir m_dir;
    Database m_db;
    CsvImportTarget m_target;
};

TEST_F(CsvImporterTest, AddsConsigneesAndTheirItemData)
{
    const CsvImportOutcome outcome = ImportCsvLines(
        m_db,
        {line(QStringLiteral("山田"), QString(), QStringLiteral("東京都千代田区千代田"), QStringLiteral("3000"),
              QStringLiteral("りんご")),
         line(QStringLiteral("O'Neil"), QStringLiteral("様"), QStringLiteral("大阪府大阪市北区"))},
        m_target);
    EXPECT_EQ(outcome.status, CsvImportOutcome::Imported);
    EXPECT_EQ(outcome.notice, QStringLiteral("CSVファイルから取り込みました。"));
    EXPECT_EQ(outcome.consigneesAdded, 2);
    EXPECT_EQ(outcome.itemRowsWritten, 2);

    const RowList c = consignees();
    ASSERT_EQ(c.size(), 2);
    EXPECT_EQ(c.row(0), (QStringList{QStringLiteral("1"), QStringLiteral("山田"), QString(), QStringLiteral("1234567"),
                                     QStringLiteral("東京都"), QStringLiteral("千代田区千代田"),
                                     QStringLiteral("03-1234-5678")}));
    EXPECT_EQ(c.value(1, 1), QStringLiteral("O'Neil"));
    EXPECT_EQ(c.value(1, 4), QStringLiteral("大阪府"));

    const RowList i = items();
    ASSERT_EQ(i.size(), 2);
    EXPECT_EQ(i.row(0), (QStringList{QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("2"),
                                     QStringLiteral("3000"), QStringLiteral("りんご"), QStringLiteral("3000"),
                                     QString(), QString()}));
}

TEST_F(CsvImporterTest, ImportingTwiceAddsNoSecondConsigneeButRewritesTheItemData)
{
    const QVector<QStringList> lines = {line(QStringLiteral("山田"), QString(), QStringLiteral("東京都港区"),
                                             QStringLiteral("100"), QStringLiteral("りんご")),
                                        line(QStringLiteral("山田"), QString(), QStringLiteral("東京都港区"),
                                             QStringLiteral("200"), QStringLiteral("みかん"))};
    EXPECT_EQ(ImportCsvLines(m_db, lines, m_target).consigneesAdded, 1); // the same name twice in one file
    // Notes written by the consignee dialog are emptied by the rewrite.
    query(m_target.membersDbPath, QStringLiteral("SELECT 1"));
    ASSERT_FALSE(m_db.ExecSql(QStringLiteral("UPDATE memberitem SET NOTES='memo'")));

    QVector<QStringList> again = lines;
    again[1][10] = QStringLiteral("ぶどう");
    const CsvImportOutcome second = ImportCsvLines(m_db, again, m_target);
    EXPECT_EQ(second.status, CsvImportOutcome::Imported);
    EXPECT_EQ(second.consigneesAdded, 0);
    EXPECT_EQ(consignees().size(), 1);
    const RowList i = items();
    ASSERT_EQ(i.size(), 1);
    EXPECT_EQ(i.value(0, 3), QStringLiteral("200")); // the last line wins
    EXPECT_EQ(i.value(0, 4), QStringLiteral("ぶどう"));
    EXPECT_TRUE(i.value(0, 7).isEmpty());

    // Another edition gets its own row; amount to insurance in edition 40.
    m_target.editionCode = 40;
    ImportCsvLines(m_db, lines, m_target);
    const RowList both = items();
    ASSERT_EQ(both.size(), 2);
    EXPECT_EQ(both.value(1, 1), QStringLiteral("40"));
    EXPECT_TRUE(both.value(1, 5).isEmpty());
    EXPECT_EQ(both.value(1, 6), QStringLiteral("200"));
}

TEST_F(CsvImporterTest, AbortKeepsEarlierConsigneesAndWritesNoItemData)
{
    const CsvImportOutcome outcome = ImportCsvLines(
        m_db,
        {line(QStringLiteral("先"), QString(), QStringLiteral("東京都"), QStringLiteral("1")),
         line(QString(41, u'長'), QString(), QStringLiteral("東京都")),
         line(QStringLiteral("後"), QString(), QStringLiteral("東京都"))},
        m_target);
    EXPECT_EQ(outcome.status, CsvImportOutcome::Aborted);
    EXPECT_EQ(outcome.notice, QStringLiteral("[取込を中止しました]名前1が長すぎます。\r\n") + QString(41, u'長'));
    const RowList c = consignees();
    ASSERT_EQ(c.size(), 1);
    EXPECT_EQ(c.value(0, 1), QStringLiteral("先"));
    EXPECT_EQ(items().size(), 0);
}

TEST_F(CsvImporterTest, EmptyFirstNameAddsNobodyButFeedsAMatchingConsignee)
{
    query(m_target.addressDbPath, QStringLiteral("SELECT 1"));
    ASSERT_FALSE(m_db.ExecSql(QStringLiteral("INSERT INTO address(NAMAE1,NAMAE2) VALUES('','二行目')")));
    ASSERT_FALSE(m_db.ExecSql(QStringLiteral("INSERT INTO address(NAMAE1) VALUES('NULLの二行目')")));
    const CsvImportOutcome outcome = ImportCsvLines(
        m_db,
        {line(QString(), QStringLiteral("二行目"), QString(), QStringLiteral("5"), QStringLiteral("品")),
         line(QString(), QStringLiteral("誰もいない"), QString()),
         line(QStringLiteral("NULLの二行目"), QString(), QString())},
        m_target);
    EXPECT_EQ(outcome.status, CsvImportOutcome::Imported);
    // "= ''" does not match a NULL second line, so that consignee is added anew
    EXPECT_EQ(outcome.consigneesAdded, 1);
    const RowList i = items();
    ASSERT_EQ(i.size(), 2);
    EXPECT_EQ(i.value(0, 0), QStringLiteral("1"));
    EXPECT_EQ(i.value(0, 4), QStringLiteral("品"));
    EXPECT_EQ(i.value(1, 0), QStringLiteral("3"));
}

// Everything the import can touch, as one text per table.
class CsvImporterCancelTest : public CsvImporterTest
{
protected:
    QStringList snapshot()
    {
        return query(m_target.addressDbPath, QStringLiteral("SELECT * FROM address ORDER BY ID")).lines()
               + query(m_target.addressDbPath, QStringLiteral("SELECT * FROM company ORDER BY ID")).lines()
               + query(m_target.membersDbPath, QStringLiteral("SELECT * FROM memberitem ORDER BY userid,kind")).lines();
    }
    // An address book with one consignee and its item row for the edition,
    // which the lines below would rewrite, and one consignee the file lacks.
    void fillAddressBook()
    {
        ASSERT_EQ(ImportCsvLines(m_db,
                                 {line(QStringLiteral("既存"), QString(), QStringLiteral("東京都港区"),
                                       QStringLiteral("100"), QStringLiteral("古い品")),
                                  line(QStringLiteral("他人"), QString(), QStringLiteral("京都府京都市"))},
                                 m_target)
                      .status,
                  CsvImportOutcome::Imported);
    }
    QVector<QStringList> fiveLines() const
    {
        QVector<QStringList> lines;
        lines.append(line(QStringLiteral("既存"), QString(), QStringLiteral("東京都港区"), QStringLiteral("900"),
                          QStringLiteral("新しい品")));
        for (int i = 1; i < 5; ++i)
            lines.append(line(QStringLiteral("新規%1").arg(i), QString(), QStringLiteral("大阪府大阪市北区"),
                              QStringLiteral("300"), QStringLiteral("りんご")));
        return lines;
    }
};

TEST_F(CsvImporterCancelTest, CancelAtAnyRowLeavesTheAddressBookAsItWas)
{
    fillAddressBook();
    const QStringList before = snapshot();
    // The first line, one in the middle and the last one (after every row is written).
    for (const int cancelAt : {1, 3, 5}) {
        SCOPED_TRACE(cancelAt);
        int lastSeen = 0;
        const CsvImportOutcome outcome = ImportCsvLines(m_db, fiveLines(), m_target, [&](int done, int) {
            lastSeen = done;
            return done < cancelAt;
        });
        EXPECT_EQ(lastSeen, cancelAt);
        EXPECT_EQ(outcome.status, CsvImportOutcome::Cancelled);
        EXPECT_EQ(outcome.notice, CsvImportCancelledNotice());
        EXPECT_EQ(outcome.consigneesAdded, 0);
        EXPECT_EQ(outcome.itemRowsWritten, 0);
        EXPECT_EQ(snapshot(), before);
    }
    // Nothing of the cancelled runs lingers: the same lines then import whole.
    const CsvImportOutcome outcome = ImportCsvLines(m_db, fiveLines(), m_target, [](int, int) { return true; });
    EXPECT_EQ(outcome.status, CsvImportOutcome::Imported);
    EXPECT_EQ(outcome.consigneesAdded, 4);
    EXPECT_EQ(outcome.itemRowsWritten, 5);
    EXPECT_EQ(items().value(0, 4), QStringLiteral("新しい品"));
}

TEST_F(CsvImporterCancelTest, CancelAfterAnAbortTakesBackItsConsigneesToo)
{
    fillAddressBook();
    const QStringList before = snapshot();
    QVector<QStringList> lines = fiveLines();
    lines[3][7] = QString(16, u'0'); // a telephone too long on the fourth line
    const CsvImportOutcome outcome = ImportCsvLines(m_db, lines, m_target, [](int done, int) { return done < 2; });
    EXPECT_EQ(outcome.status, CsvImportOutcome::Cancelled);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CsvImporterCancelTest, ProgressCountsRiseToTheTotal)
{
    struct Case {
        const char *name;
        int lines;
        int tooLongAt; // -1: no value too long
        int total;     // the lines the import works through
        CsvImportOutcome::Status status;
    };
    const Case cases[] = {
        {"five lines", 5, -1, 5, CsvImportOutcome::Imported},
        {"a thousand lines", 1000, -1, 1000, CsvImportOutcome::Imported},
        {"stopped by a value too long", 5, 3, 3, CsvImportOutcome::Aborted},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QVector<QStringList> lines;
        for (int i = 0; i < c.lines; ++i)
            lines.append(line(QStringLiteral("顧客%1").arg(i), QString(), QStringLiteral("東京都港区")));
        if (c.tooLongAt >= 0)
            lines[c.tooLongAt][0] = QString(41, u'長');
        QVector<int> seen;
        const CsvImportOutcome outcome = ImportCsvLines(m_db, lines, m_target, [&](int done, int total) {
            EXPECT_EQ(total, c.total);
            seen.append(done);
            return true;
        });
        EXPECT_EQ(outcome.status, c.status);
        ASSERT_FALSE(seen.isEmpty());
        // Every count is above the one before it.
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end(), std::greater_equal<int>()), seen.end());
        EXPECT_EQ(seen.last(), c.total);
    }
}

TEST_F(CsvImporterTest, NoSenderSelectedStoresAnEmptySender)
{
    m_target.senderId.clear();
    ImportCsvLines(m_db, {line(QStringLiteral("山田"), QString(), QString())}, m_target);
    EXPECT_TRUE(items().value(0, 2).isEmpty());
}

TEST_F(CsvImporterTest, MissingDatabaseFails)
{
    m_target.addressDbPath = m_dir.filePath(QStringLiteral("none/addressXe2.db3"));
    const CsvImportOutcome outcome = ImportCsvLines(m_db, {line(QStringLiteral("a"), QString(), QString())}, m_target);
    EXPECT_EQ(outcome.status, CsvImportOutcome::Failed);
    EXPECT_FALSE(outcome.notice.isEmpty());
}

// The whole command with a stand-in editor that leaves a fixture result.
TEST_F(CsvImporterTest, RunsTheEditorWaitsAndImportsItsResult)
{
    app();
    const QString programDir = m_dir.filePath(QStringLiteral("program"));
    const QString workDir = m_dir.filePath(QStringLiteral("work"));
    QDir().mkpath(programDir);
    QDir().mkpath(workDir + QStringLiteral("/conf"));

    QVector<bool> running;
    auto track = [&](bool on) { running.append(on); };
    const CsvImportOutcome missing = RunCsvEditorImport(m_db, programDir, workDir, m_target, track);
    EXPECT_EQ(missing.status, CsvImportOutcome::EditorMissing);
    EXPECT_EQ(missing.notice.split(QStringLiteral("\r\n")).size(), 3);
    EXPECT_TRUE(running.isEmpty());

    // The stand-in takes the conf folder from its one argument "<conf>,<code>,".
    const QString script = programDir + QStringLiteral("/csv_importXe2");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n"
               "arg=\"$1\"; rest=\"${arg%,}\"; conf=\"${rest%,*}\"; code=\"${rest##*,}\"\n"
               "printf '\\357\\273\\277%s,,100-0001,,,,,,,,,,,,\\r\\n' \"edition$code\" > \"$conf/csvImport.tmp\"\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    ASSERT_EQ(FindCsvEditor(programDir), script);

    const CsvImportOutcome outcome = RunCsvEditorImport(m_db, programDir, workDir, m_target, track);
    EXPECT_EQ(running, (QVector<bool>{true, false}));
    EXPECT_EQ(outcome.status, CsvImportOutcome::Imported);
    const RowList c = consignees();
    ASSERT_EQ(c.size(), 1);
    EXPECT_EQ(c.value(0, 1), QStringLiteral("edition30"));
    EXPECT_EQ(c.value(0, 3), QStringLiteral("1000001"));

    // An editor that leaves nothing: nothing happens.
    QFile::remove(CsvImportPath(workDir));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 1\n");
    file.close();
    EXPECT_EQ(RunCsvEditorImport(m_db, programDir, workDir, m_target, track).status, CsvImportOutcome::NoFile);
}

TEST(CsvEditorLaunch, ArgumentRoundTrip)
{
    EXPECT_EQ(CsvEditorArgument(QStringLiteral("/w/zerrat"), 50), QStringLiteral("/w/zerrat/conf,50,"));
    QString conf;
    int code = 0;
    ASSERT_TRUE(ParseCsvEditorArgument(QStringLiteral("/a,b/conf,20,"), &conf, &code));
    EXPECT_EQ(conf, QStringLiteral("/a,b/conf"));
    EXPECT_EQ(code, 20);
    EXPECT_FALSE(ParseCsvEditorArgument(QStringLiteral("/w/conf,50"), &conf, &code));
    EXPECT_FALSE(ParseCsvEditorArgument(QStringLiteral("/w/conf,x,"), &conf, &code));
    EXPECT_FALSE(ParseCsvEditorArgument(QString(), &conf, &code));
}

} // namespace
