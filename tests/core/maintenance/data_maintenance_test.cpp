// Backup, restore and style restore on temporary folders.
#include "core/maintenance/DataMaintenance.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A data folder and a backup folder, each holding databases with known contents.
class MaintenanceFolders : public ::testing::Test
{
protected:
    QTemporaryDir root;
    QString data() const { return root.path() + "/data"; }
    QString backup() const { return root.path() + "/backup"; }

    void SetUp() override
    {
        writeFile(data() + "/addressXe2.db3", "current address");
        writeFile(data() + "/membersXe2.db3", "current members");
        writeFile(data() + "/zipcode.db3", "postal codes");
        QDir().mkpath(backup());
    }

    // Nothing in the data folder changed, and no temporary file was left there.
    void expectDataUntouched()
    {
        EXPECT_EQ(readFile(data() + "/addressXe2.db3"), "current address");
        EXPECT_EQ(readFile(data() + "/membersXe2.db3"), "current members");
        EXPECT_EQ(QDir(data()).entryList(QDir::Files).size(), 3) << QDir(data()).entryList(QDir::Files).join(' ').toStdString();
        // Nothing was replaced, so no safety copy is left either.
        EXPECT_TRUE(QDir(data()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }
};

TEST_F(MaintenanceFolders, BackupCopiesBothUserDatabasesButNotThePostalCodes)
{
    ASSERT_TRUE(DataMaintenance::backupDatabases(data(), backup()).ok);
    EXPECT_EQ(readFile(backup() + "/addressXe2.db3"), "current address");
    EXPECT_EQ(readFile(backup() + "/membersXe2.db3"), "current members");
    EXPECT_FALSE(QFileInfo::exists(backup() + "/zipcode.db3"));
}

TEST_F(MaintenanceFolders, SecondBackupIntoTheSameFolderFailsAtTheFirstFileAndKeepsTheEarlierOne)
{
    ASSERT_TRUE(DataMaintenance::backupDatabases(data(), backup()).ok);
    writeFile(data() + "/addressXe2.db3", "newer address");
    writeFile(data() + "/membersXe2.db3", "newer members");

    const MaintenanceResult second = DataMaintenance::backupDatabases(data(), backup());
    EXPECT_FALSE(second.ok);
    EXPECT_TRUE(second.message.contains("既に存在します")) << second.message.toStdString();
    EXPECT_TRUE(second.message.contains(backup() + "/addressXe2.db3")) << second.message.toStdString();
    EXPECT_EQ(readFile(backup() + "/addressXe2.db3"), "current address");
    EXPECT_EQ(readFile(backup() + "/membersXe2.db3"), "current members");
}

TEST_F(MaintenanceFolders, BackupWithoutASourceFileSaysWhichOne)
{
    QFile::remove(data() + "/membersXe2.db3");
    const MaintenanceResult result = DataMaintenance::backupDatabases(data(), backup());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(data() + "/membersXe2.db3")) << result.message.toStdString();
}

TEST_F(MaintenanceFolders, RestoreReplacesBothDatabasesAndDropsTheirOldJournals)
{
    writeFile(backup() + "/addressXe2.db3", "saved address");
    writeFile(backup() + "/membersXe2.db3", "saved members");
    writeFile(data() + "/addressXe2.db3-journal", "hot journal of the old file");

    const MaintenanceResult result = DataMaintenance::restoreDatabases(backup(), data());
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(readFile(data() + "/addressXe2.db3"), "saved address");
    EXPECT_EQ(readFile(data() + "/membersXe2.db3"), "saved members");
    EXPECT_EQ(readFile(data() + "/zipcode.db3"), "postal codes");
    EXPECT_FALSE(QFileInfo::exists(data() + "/addressXe2.db3-journal"));
    EXPECT_EQ(QDir(data()).entryList(QDir::Files).size(), 3);
    // The backup itself is left as it was.
    EXPECT_EQ(readFile(backup() + "/addressXe2.db3"), "saved address");
}

TEST_F(MaintenanceFolders, RestoreKeepsTheReplacedDatabasesInANewDatedFolderEachTime)
{
    writeFile(backup() + "/addressXe2.db3", "saved address");
    writeFile(backup() + "/membersXe2.db3", "saved members");
    const QDateTime stamp(QDate(2025, 3, 1), QTime(10, 15, 0));

    const MaintenanceResult first = DataMaintenance::restoreDatabases(backup(), data(), stamp);
    ASSERT_TRUE(first.ok) << first.message.toStdString();
    EXPECT_EQ(first.safetyCopy, data() + "/before-restore-20250301-101500");
    EXPECT_EQ(readFile(first.safetyCopy + "/addressXe2.db3"), "current address");
    EXPECT_EQ(readFile(first.safetyCopy + "/membersXe2.db3"), "current members");
    EXPECT_FALSE(QFileInfo::exists(first.safetyCopy + "/zipcode.db3"));

    // A second restore within the same second must not write into the first copy.
    writeFile(backup() + "/addressXe2.db3", "newer saved address");
    const MaintenanceResult second = DataMaintenance::restoreDatabases(backup(), data(), stamp);
    ASSERT_TRUE(second.ok) << second.message.toStdString();
    EXPECT_EQ(second.safetyCopy, data() + "/before-restore-20250301-101500-2");
    EXPECT_EQ(readFile(second.safetyCopy + "/addressXe2.db3"), "saved address");
    EXPECT_EQ(readFile(first.safetyCopy + "/addressXe2.db3"), "current address");
    EXPECT_EQ(readFile(data() + "/addressXe2.db3"), "newer saved address");
}

TEST_F(MaintenanceFolders, RestoreIntoAnEmptyDataFolderCreatesBothFiles)
{
    writeFile(backup() + "/addressXe2.db3", "saved address");
    writeFile(backup() + "/membersXe2.db3", "saved members");
    const QString fresh = root.path() + "/fresh/database";
    const MaintenanceResult result = DataMaintenance::restoreDatabases(backup(), fresh);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.safetyCopy.isEmpty()); // nothing was replaced
    EXPECT_EQ(readFile(fresh + "/addressXe2.db3"), "saved address");
    EXPECT_EQ(readFile(fresh + "/membersXe2.db3"), "saved members");
}

struct IncompleteBackup {
    const char *name;
    bool address;     // the backup folder has addressXe2.db3
    bool members;     // ... and membersXe2.db3
    bool membersIsDir; // membersXe2.db3 exists but cannot be copied
    const char *missing; // the path named in the message, relative to the backup folder
};

class RestoreFromIncompleteBackup : public MaintenanceFolders, public ::testing::WithParamInterface<IncompleteBackup>
{
};

TEST_P(RestoreFromIncompleteBackup, ChangesNothingAndNamesTheFile)
{
    const IncompleteBackup &c = GetParam();
    if (c.address)
        writeFile(backup() + "/addressXe2.db3", "saved address");
    if (c.members)
        writeFile(backup() + "/membersXe2.db3", "saved members");
    if (c.membersIsDir)
        QDir().mkpath(backup() + "/membersXe2.db3");

    if (!c.membersIsDir)
        EXPECT_EQ(DataMaintenance::missingBackupFile(backup()), backup() + "/" + c.missing);
    const MaintenanceResult result = DataMaintenance::restoreDatabases(backup(), data());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(backup() + "/" + c.missing)) << result.message.toStdString();
    expectDataUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoreFromIncompleteBackup,
    ::testing::Values(IncompleteBackup{"empty", false, false, false, "addressXe2.db3"},
                      IncompleteBackup{"onlyMembers", false, true, false, "addressXe2.db3"},
                      IncompleteBackup{"onlyAddress", true, false, false, "membersXe2.db3"},
                      IncompleteBackup{"membersUnreadable", true, false, true, "membersXe2.db3"}),
    [](const ::testing::TestParamInfo<IncompleteBackup> &info) { return std::string(info.param.name); });

TEST_F(MaintenanceFolders, RestoreThatCannotWriteTheDataFolderKeepsTheCurrentFiles)
{
    writeFile(backup() + "/addressXe2.db3", "saved address");
    writeFile(backup() + "/membersXe2.db3", "saved members");
    // The second temporary copy cannot be made: its name is taken by a folder
    // that cannot be removed, so the copy fails after the first one succeeded.
    QDir().mkpath(data() + "/membersXe2.db3.restoring/keep");
    const MaintenanceResult result = DataMaintenance::restoreDatabases(backup(), data());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(readFile(data() + "/addressXe2.db3"), "current address");
    EXPECT_EQ(readFile(data() + "/membersXe2.db3"), "current members");
    EXPECT_FALSE(QFileInfo::exists(data() + "/addressXe2.db3.restoring"));
}

TEST(StyleRestore, BringsBackShippedFilesAndKeepsTheUsersOwn)
{
    QTemporaryDir root;
    const QString program = root.path() + "/program";
    const QString work = root.path() + "/work";
    writeFile(program + "/style/zerrat.sle", "shipped zerrat");
    writeFile(program + "/style/d_zerrat.sle", "shipped cash on delivery");
    writeFile(work + "/style/zerrat.sle", "adjusted by the user");
    writeFile(work + "/style/my own form.sle", "the user's own form");

    EXPECT_EQ(DataMaintenance::restoreShippedStyles(program, work), 2);
    EXPECT_EQ(readFile(work + "/style/zerrat.sle"), "shipped zerrat");
    EXPECT_EQ(readFile(work + "/style/d_zerrat.sle"), "shipped cash on delivery");
    EXPECT_EQ(readFile(work + "/style/my own form.sle"), "the user's own form");
}

TEST(StyleRestore, RecreatesAMissingStyleFolder)
{
    QTemporaryDir root;
    writeFile(root.path() + "/program/style/zerrat.sle", "shipped zerrat");
    EXPECT_EQ(DataMaintenance::restoreShippedStyles(root.path() + "/program", root.path() + "/work"), 1);
    EXPECT_EQ(readFile(root.path() + "/work/style/zerrat.sle"), "shipped zerrat");
}

} // namespace
