// The database step of start-up: files that are missing or were left without
// tables are made (again), a postal-code file without its table is replaced by
// the shipped copy, and a file that cannot be used is named in Japanese.

#include "support/DataTestFiles.h"
#include "core/data/StartupDatabases.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class StartupDatabasesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        paths.address = dir.filePath("addressXe2.db3");
        paths.members = dir.filePath("membersXe2.db3");
        paths.zipcode = dir.filePath("zipcode.db3");
        paths.shippedZipcode = dir.filePath("shipped/zipcode.db3");
        QDir().mkpath(dir.filePath("shipped"));
        MakeZipDb(paths.shippedZipcode, {{"1000001", "東京都", "千代田区", "千代田"}});
    }
    static void makeEmptyFile(const QString &path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString value(const QString &path, const QString &sql)
    {
        Database other;
        EXPECT_FALSE(other.OpenDatabase(path).isError());
        return other.QueryRows(sql).rows.value(0, 0);
    }

    QTemporaryDir dir;
    StartupDatabasePaths paths;
    Database db;
};

TEST_F(StartupDatabasesTest, EmptyFilesLeftByACutShortCreationAreMadeAgain)
{
    makeEmptyFile(paths.address);
    makeEmptyFile(paths.members);
    makeEmptyFile(paths.zipcode);
    EXPECT_EQ(OpenStartupDatabases(db, paths), QStringList());
    EXPECT_EQ(value(paths.address, "SELECT group_concat(NAMAE1) FROM company"), "会社名1,会社名2,会社名3,会社名4");
    EXPECT_EQ(value(paths.members, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='sender'"), "1");
    EXPECT_EQ(value(paths.zipcode, "SELECT ZIP_CODE FROM zipcode"), "1000001");

    // A second start changes nothing: no second set of default senders.
    EXPECT_EQ(OpenStartupDatabases(db, paths), QStringList());
    EXPECT_EQ(value(paths.address, "SELECT count(*) FROM company"), "4");
}

TEST_F(StartupDatabasesTest, MissingPostalCodeDatabaseWithoutAShippedCopyIsReported)
{
    QFile::remove(paths.shippedZipcode);
    EXPECT_EQ(OpenStartupDatabases(db, paths), QStringList({"郵便番号データベースがありません"}));
    EXPECT_TRUE(QFile::exists(paths.address));
    EXPECT_TRUE(QFile::exists(paths.members));
}

TEST_F(StartupDatabasesTest, FileThatCannotBeOpenedIsNamedWithTheEngineMessage)
{
    // A folder where the file should be: no damage, but no database either.
    ASSERT_TRUE(QDir().mkpath(paths.address));
    const QStringList notices = OpenStartupDatabases(db, paths);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices.first().startsWith("お届け先データベースを開けません。\n" + paths.address + "\n"))
        << notices.first().toStdString();
    EXPECT_TRUE(QFileInfo(paths.address).isDir()); // nothing was made over it
}

TEST_F(StartupDatabasesTest, CommandLinePreparationRefusesADamagedFile)
{
    QFile text(paths.members);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is no database, but long enough to have a header's worth of bytes in it........");
    text.close();
    const DatabaseError e = PrepareAddressBook(db, paths.address, paths.members);
    EXPECT_TRUE(e.isError());
    EXPECT_TRUE(e.message.contains(paths.members)) << e.message.toStdString();
    EXPECT_EQ(value(paths.address, "SELECT count(*) FROM company"), "4");
}

} // namespace
