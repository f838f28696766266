#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

TEST(EditionFromExeName, ExactTableNamesWithOrWithoutExeAndEverythingElseIsTen)
{
    const std::pair<const char *, int> cases[] = {
        {"morvik_xe2.exe", 50},  {"morvik_xe2", 50},         {"/opt/korvel/zerrat_xe2", 40},
        {"quillo_xe2", 20},      {"dovrak_xe2", 30},         {"lusket_xe2.exe", 60},
        {"brenno_xe2", 10},      {"morvik_xe2.EXE", 10},     {"MORVIK_XE2", 10},
        {"my_morvik_xe2", 10},   {"morvik_xe2 (2)", 10},     {"korvel", 10},
        {"", 10},
    };
    for (const auto &[name, code] : cases)
        EXPECT_EQ(EditionFromExeName(QString::fromUtf8(name)), code) << name;
}

TEST(AppFolders, SettingsFileNamesReplaceOrAppendTheExtension)
{
    EXPECT_EQ(SettingsFileName("morvik_xe2.exe", ".conf"), "morvik_xe2.conf");
    EXPECT_EQ(SettingsFileName("/x/y/zerrat_xe2", ".prt"), "zerrat_xe2.prt");
    EXPECT_EQ(SettingsFileName("a.b.c", ".xml"), "a.b.xml");
}

TEST(AppFolders, WorkAndDataFoldersFollowTheRoot)
{
    EXPECT_EQ(WorkDirFor(40, "/r"), "/r/korvel/zerrat_xe2");
    EXPECT_EQ(WorkDirFor(60, "/r"), "/r/korvel/lusket_xe2");
    EXPECT_EQ(DataDirFor("/r"), "/r/korvel/database");
    qputenv("KORVEL_APPDATA_ROOT", "/tmp/some/root/");
    EXPECT_EQ(CommonAppDataRoot(), "/tmp/some/root");
    qunsetenv("KORVEL_APPDATA_ROOT");
}

class FirstRunTest : public testing::Test
{
protected:
    void SetUp() override
    {
        program = programDir.path();
        root = rootDir.path();
        writeFile(program + "/style/zerrat.sle", "header;Ver1.2;\r\n");
        writeFile(program + "/style/d_zerrat.sle", "header;Ver1.2;\r\n");
        writeFile(program + "/conf/singledata.txt", "x\r\n");
        writeFile(program + "/databaseXe2/zipcode.db3", "db");
    }
    QTemporaryDir programDir, rootDir;
    QString program, root;
};

TEST_F(FirstRunTest, FirstStartCreatesAndFillsTheFolders)
{
    const ProgramFolders f = PrepareProgramFolders(program, "zerrat_xe2", root);
    EXPECT_EQ(f.editionCode, 40);
    EXPECT_EQ(f.workDir, root + "/korvel/zerrat_xe2");
    EXPECT_TRUE(QFileInfo(f.workDir + "/ini").isDir());
    EXPECT_TRUE(QFileInfo::exists(f.workDir + "/style/zerrat.sle"));
    EXPECT_TRUE(QFileInfo::exists(f.workDir + "/style/d_zerrat.sle"));
    EXPECT_TRUE(QFileInfo::exists(f.workDir + "/conf/singledata.txt"));
    EXPECT_TRUE(QFileInfo::exists(f.dataDir + "/zipcode.db3"));
}

TEST_F(FirstRunTest, AnExistingFolderMissingAFileIsNotCopiedAgain)
{
    const ProgramFolders f = PrepareProgramFolders(program, "zerrat_xe2", root);
    QFile::remove(f.workDir + "/style/d_zerrat.sle");
    QFile::remove(f.dataDir + "/zipcode.db3");
    PrepareProgramFolders(program, "zerrat_xe2", root);
    EXPECT_FALSE(QFileInfo::exists(f.workDir + "/style/d_zerrat.sle"));
    EXPECT_FALSE(QFileInfo::exists(f.dataDir + "/zipcode.db3"));
}

TEST_F(FirstRunTest, SecondEditionSharesDataDirButNotWorkDir)
{
    const ProgramFolders a = PrepareProgramFolders(program, "zerrat_xe2", root);
    const ProgramFolders b = PrepareProgramFolders(program, "morvik_xe2.exe", root);
    EXPECT_EQ(b.editionCode, 50);
    EXPECT_NE(a.workDir, b.workDir);
    EXPECT_EQ(a.dataDir, b.dataDir);
    EXPECT_TRUE(QFileInfo::exists(b.workDir + "/conf/singledata.txt"));
}

TEST_F(FirstRunTest, UnknownNameRunsAsEditionTen)
{
    const ProgramFolders f = PrepareProgramFolders(program, "Zerrat_xe2", root);
    EXPECT_EQ(f.editionCode, 10);
    EXPECT_EQ(f.workDir, root + "/korvel/brenno_xe2");
}

TEST_F(FirstRunTest, AddressListIsRenamedOnlyWhenTheNewNameIsMissing)
{
    const QString conf = root + "/korvel/zerrat_xe2/conf";
    writeFile(conf + "/addresslist.dat", "old");
    PrepareProgramFolders(program, "zerrat_xe2", root);
    EXPECT_FALSE(QFileInfo::exists(conf + "/addresslist.dat"));
    QFile lst(conf + "/addresslist.lst");
    ASSERT_TRUE(lst.open(QIODevice::ReadOnly));
    EXPECT_EQ(lst.readAll(), "old");
    lst.close();

    writeFile(conf + "/addresslist.dat", "older");
    PrepareProgramFolders(program, "zerrat_xe2", root);
    EXPECT_TRUE(QFileInfo::exists(conf + "/addresslist.dat")) << "an existing .lst is never replaced";
    ASSERT_TRUE(lst.open(QIODevice::ReadOnly));
    EXPECT_EQ(lst.readAll(), "old");
}

TEST(CopyShippedFiles, CopiesFilesOnlyOverwritingAndMissingSourceCopiesNothing)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("src/a.sle"), "new");
    writeFile(dir.filePath("src/sub/b.sle"), "nested");
    writeFile(dir.filePath("dst/a.sle"), "old");
    EXPECT_EQ(CopyShippedFiles(dir.filePath("src"), dir.filePath("dst")), 1);
    QFile a(dir.filePath("dst/a.sle"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), "new");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("dst/sub")));
    EXPECT_EQ(CopyShippedFiles(dir.filePath("nothing"), dir.filePath("dst2")), 0);
}

} // namespace
