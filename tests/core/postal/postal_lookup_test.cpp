#include "support/QtPrinters.h"
#include "support/DataTestFiles.h"
#include "core/postal/PostalCodeLookup.h"
#include "core/postal/ZipcodeCommands.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class PostalLookupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zipDb = dir.filePath("zipcode.db3");
        MakeZipDb(zipDb, {{"1000001", "東京都", "千代田区", "千代田"},
                          {"0040000", "北海道", "札幌市厚別区", ""},
                          {"0040000", "北海道", "札幌市清田区", ""},
                          {"6028064", "京都府", "京都市上京区", "一町目（上長者町通堀川東入、東堀川通上長者町上る）"},
                          {"6028064", "京都府", "京都市上京区", "一町目（中立売通堀川東入）"}});
    }

    QTemporaryDir dir;
    QString zipDb;
    Database db;
};

TEST_F(PostalLookupTest, FindsTheEntryAndGivesFourFields)
{
    const PostalLookupResult r = LookupPostalCode(db, zipDb, "1000001");
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.rowListLine(), "東京都;千代田区;千代田;;");
}

TEST_F(PostalLookupTest, SeveralTownAreasTheLastRowWins)
{
    // Both rows name the same town; its street note is no part of an address.
    EXPECT_EQ(LookupPostalCode(db, zipDb, "6028064").location, "一町目");
    EXPECT_EQ(LookupPostalCode(db, zipDb, "0040000").rowListLine(), "北海道;札幌市清田区;;;");
}

TEST_F(PostalLookupTest, NeverFillsTheListsRemarksEvenFromAnOlderTable)
{
    const QString raw = dir.filePath("old-zipcode.db3");
    MakeRawZipDb(raw, RawPostalEntries());
    for (const QString &row : CleanPostalRows()) {
        const QString code = row.section(':', 0, 0);
        const PostalLookupResult r = LookupPostalCode(db, raw, code);
        ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
        EXPECT_TRUE(r.found) << code.toStdString();
        EXPECT_EQ(code + ':' + r.location, row);
    }
    // The joined note's lines are one entry: the city is still that of the code.
    EXPECT_EQ(LookupPostalCode(db, raw, "0660005").rowListLine(), "北海道;千歳市;協和;;");
}

TEST_F(PostalLookupTest, CodeIsUsedExactlyAsTyped)
{
    for (const QString code : {"100-0001", "１０００００１", " 1000001", "1000001 ", "100000", "", "1000001'--"}) {
        const PostalLookupResult r = LookupPostalCode(db, zipDb, code);
        EXPECT_TRUE(r.ok()) << code.toStdString();
        EXPECT_FALSE(r.found) << code.toStdString();
        EXPECT_EQ(r.rowListLine(), ";;;;");
    }
}

TEST_F(PostalLookupTest, MissingDatabaseIsAnErrorAndIsNotCreated)
{
    const QString absent = dir.filePath("none/zipcode.db3");
    const QString absentHere = dir.filePath("zip2.db3");
    for (const QString &path : {absent, absentHere}) {
        const PostalLookupResult r = LookupPostalCode(db, path, "1000001");
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.found);
        EXPECT_FALSE(QFile::exists(path));
    }
    // A database file without the table reports the engine's error.
    Database other;
    ASSERT_FALSE(other.OpenDatabase(absentHere).isError());
    ASSERT_FALSE(other.ExecSql("CREATE TABLE x(a)"));
    const PostalLookupResult r = LookupPostalCode(db, absentHere, "1000001");
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.message.contains("no such table"));
}

TEST_F(PostalLookupTest, CommandExitCodes)
{
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"1000001", "--db", zipDb}, 0},
        {{"9999999", "--db", zipDb}, 1},
        {{"--db", zipDb}, 2},
        {{"1000001", "--db", dir.filePath("none.db3")}, 2},
        {{"1000001", "--db"}, 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RunZipcodeCommand(c.args), c.exitCode) << c.args.join(' ').toStdString();
    EXPECT_EQ(RunZipcodeSearchCommand({"千代田", "--db", zipDb}), 0);
    EXPECT_EQ(RunZipcodeSearchCommand({"大阪", "--db", zipDb}), 1);
    EXPECT_EQ(RunZipcodeSearchCommand({"--db", dir.filePath("none.db3")}), 2);
}

} // namespace
