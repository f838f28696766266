// Loading, opening, saving and restoring style files.
#include "support/LayoutTestSupport.h"
#include "core/layout/StyleData.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace layouttest;

namespace {

class StyleFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        programDir = root.filePath(QStringLiteral("program"));
        workDir = root.filePath(QStringLiteral("work"));
        QDir().mkpath(programDir + QStringLiteral("/style"));
        QDir().mkpath(workDir + QStringLiteral("/style"));
        style.setFolders(programDir, workDir);
    }

    QString shipped(const QString &name) const { return programDir + QStringLiteral("/style/") + name; }
    QString work(const QString &name) const { return workDir + QStringLiteral("/style/") + name; }

    QTemporaryDir root;
    QString programDir;
    QString workDir;
    StyleData style;
};

TEST_F(StyleFiles, StartsAsTheNewOneLineLayout)
{
    EXPECT_EQ(style.lines(), QStringList{QStringLiteral("header;Ver1.1;0;0;0;0;401;100;")});
    EXPECT_TRUE(style.CurrentStyleFile.isEmpty());
}

TEST_F(StyleFiles, ReadingStopsAtTheFirstEmptyLine)
{
    writeCp932Lines(work("a.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(1),
                                    QString(), charItem(2)});
    ASSERT_TRUE(style.LoadStyleFile(work("a.sle")));
    EXPECT_EQ(style.lineCount(), 2);
    EXPECT_EQ(field(style.line(1), 2), QStringLiteral("1"));
}

TEST_F(StyleFiles, ReadsCodePage932AndAnyLineEnd)
{
    QByteArray bytes = EncodeCp932(QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;\r\n")).value();
    bytes += EncodeCp932(charItem(6, QStringLiteral("髙橋～①")) + u'\n').value();
    bytes += EncodeCp932(charItem(7, QStringLiteral("\\1000")) + u'\r').value();
    writeBytes(work("b.sle"), bytes);
    ASSERT_TRUE(style.LoadStyleFile(work("b.sle")));
    ASSERT_EQ(style.lineCount(), 3);
    EXPECT_EQ(field(style.line(1), 20), QStringLiteral("髙橋～①"));
    EXPECT_EQ(field(style.line(2), 20), QStringLiteral("\\1000"));
}

TEST_F(StyleFiles, MissingFileIsRestoredFromTheProgramFolder)
{
    writeCp932Lines(shipped("zerrat.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(1)});
    writeCp932Lines(shipped("other.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(9)});
    writeCp932Lines(work("other.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(99)});

    ASSERT_TRUE(style.OpenStyle(work("zerrat.sle")));
    EXPECT_EQ(style.lineCount(), 2);
    EXPECT_EQ(style.CurrentStyleFile, work("zerrat.sle"));
    // Every shipped file comes back, overwriting work copies of the same name.
    EXPECT_EQ(readBytes(work("other.sle")), readBytes(shipped("other.sle")));
}

TEST_F(StyleFiles, EmptyFileIsRestoredFromTheProgramFolder)
{
    writeCp932Lines(shipped("zerrat.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(1)});
    writeBytes(work("zerrat.sle"), QByteArray());
    ASSERT_TRUE(style.OpenStyle(work("zerrat.sle")));
    EXPECT_EQ(style.lineCount(), 2);
}

TEST_F(StyleFiles, RestoreCreatesTheWorkStyleFolder)
{
    QDir(workDir + QStringLiteral("/style")).removeRecursively();
    writeCp932Lines(shipped("zerrat.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(1)});
    EXPECT_TRUE(style.OpenStyle(work("zerrat.sle")));
}

TEST_F(StyleFiles, StillMissingFileFailsAndNothingIsSavedAfterwards)
{
    writeCp932Lines(work("old.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(1)});
    ASSERT_TRUE(style.OpenStyle(work("old.sle")));

    const LayoutStatus status = style.OpenStyle(work("nothere.sle"));
    EXPECT_FALSE(status.ok);
    EXPECT_TRUE(status.message.contains(QStringLiteral("nothere.sle")));
    EXPECT_EQ(style.lineCount(), 0);
    EXPECT_TRUE(style.CurrentStyleFile.isEmpty());
    EXPECT_TRUE(style.SaveStyleFile());
    EXPECT_FALSE(QFileInfo::exists(work("nothere.sle")));
    // setItemText and the header writer do nothing on an empty layout.
    EXPECT_FALSE(style.setItemText(1, QStringLiteral("x")));
    style.WriteStyleHeader();
    EXPECT_EQ(style.lineCount(), 0);
}

TEST_F(StyleFiles, FileOfEmptyLinesOnlyFails)
{
    writeBytes(work("blank.sle"), QByteArray("\r\n\r\nheader;Ver1.2;\r\n"));
    EXPECT_FALSE(style.OpenStyle(work("blank.sle")).ok);
    EXPECT_TRUE(style.CurrentStyleFile.isEmpty());
}

// A file that holds something else (a CSV export, a text note) is said to be
// no style file, with its path, rather than blamed for a paper size; nothing
// of it stays in the layout.
TEST_F(StyleFiles, AFileThatIsNotAStyleFileIsNamedAndNotKept)
{
    const QStringList notStyles[] = {
        {QStringLiteral("name;address;telephone"), QStringLiteral("yamada;tokyo;03")},
        {QStringLiteral("お届け先一覧")},
        {QStringLiteral("0;1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;a;0;0;")},
        {QStringLiteral("headers;Ver1.2;0;0;0;0;401;100;0;0;;")},
    };
    for (const QStringList &lines : notStyles) {
        writeCp932Lines(work("n.sle"), lines);
        const LayoutStatus status = style.OpenStyle(work("n.sle"));
        EXPECT_FALSE(status.ok) << lines.first().toStdString();
        EXPECT_EQ(status.problem, LayoutStatus::Problem::NotStyleFile) << lines.first().toStdString();
        EXPECT_TRUE(status.message.startsWith(QStringLiteral("スタイルファイルではありません。")))
            << status.message.toStdString();
        EXPECT_TRUE(status.message.contains(work("n.sle"))) << status.message.toStdString();
        // The clerk is told how to get a readable layout back.
        EXPECT_TRUE(status.message.endsWith(StyleRestoreAdvice())) << status.message.toStdString();
        EXPECT_TRUE(StyleRestoreAdvice().contains(QStringLiteral("「スタイルデータの復旧」")));
        EXPECT_EQ(style.lineCount(), 0);
        EXPECT_TRUE(style.CurrentStyleFile.isEmpty());
    }
    // A header with a bad paper size is still a style file with a bad header.
    writeCp932Lines(work("h.sle"), {QStringLiteral("header;Ver1.2;0;0;A4;0;401;100;0;0;;")});
    const LayoutStatus badHeader = style.OpenStyle(work("h.sle"));
    EXPECT_EQ(badHeader.problem, LayoutStatus::Problem::BadHeader);
    EXPECT_TRUE(badHeader.message.endsWith(StyleRestoreAdvice())) << badHeader.message.toStdString();
}

TEST_F(StyleFiles, SavesCodePage932WithCrLfAndRoundTrips)
{
    const QStringList lines{QStringLiteral("header;Ver1.2;0;0;9;1;401;100;7;0;;"), charItem(6, QStringLiteral("髙橋")),
                            QStringLiteral("0;0;0;0;line;10;10;50.25;10;1;実線;0;1;")};
    writeCp932Lines(work("c.sle"), lines);
    ASSERT_TRUE(style.OpenStyle(work("c.sle")));
    ASSERT_TRUE(style.SaveStyleFile());
    EXPECT_EQ(readBytes(work("c.sle")), EncodeLines(lines, TextEncoding::Cp932).value());
}

TEST_F(StyleFiles, NewAndHeaderOnlyLayoutsAreNeverSaved)
{
    style.NewStyle();
    EXPECT_TRUE(style.SaveStyleFile());
    EXPECT_TRUE(QDir(workDir + QStringLiteral("/style")).entryList(QDir::Files).isEmpty());

    writeCp932Lines(work("h.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;")});
    ASSERT_TRUE(style.OpenStyle(work("h.sle")));
    style.window.splitterPosition = 333;
    style.WriteStyleHeader();
    ASSERT_TRUE(style.SaveStyleFile());
    EXPECT_EQ(readBytes(work("h.sle")), QByteArray("header;Ver1.2;0;0;0;0;401;100;0;0;;\r\n"));
}

TEST_F(StyleFiles, TextOutsideCodePage932IsSavedAsUtf8WithoutLoss)
{
    writeCp932Lines(work("u.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(6)});
    ASSERT_TRUE(style.OpenStyle(work("u.sle")));
    style.setItemText(6, QStringLiteral("𠮷野家"));
    ASSERT_TRUE(style.SaveStyleFile());
    EXPECT_TRUE(readBytes(work("u.sle")).startsWith("\xEF\xBB\xBF"));

    StyleData again;
    ASSERT_TRUE(again.OpenStyle(work("u.sle")));
    EXPECT_EQ(field(again.line(1), 20), QStringLiteral("𠮷野家"));
}

TEST_F(StyleFiles, SaveIntoMissingFolderReportsFailure)
{
    writeCp932Lines(work("s.sle"), {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), charItem(1)});
    ASSERT_TRUE(style.OpenStyle(work("s.sle")));
    style.CurrentStyleFile = root.filePath(QStringLiteral("no/such/folder/s.sle"));
    const LayoutStatus status = style.SaveStyleFile();
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.isEmpty());
}

TEST_F(StyleFiles, DateItemsAreEmptiedAtEveryOpening)
{
    writeCp932Lines(work("d.sle"),
                    {QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"),
                     QStringLiteral("1;28;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;令和;1;5;extra;"),
                     QStringLiteral("1;29;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;6"),
                     QStringLiteral("1;30;0;0;data;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;12;0;0;"),
                     QStringLiteral("1;31;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;keep;0;0;")});
    ASSERT_TRUE(style.OpenStyle(work("d.sle")));
    EXPECT_EQ(style.line(1), QStringLiteral("0;28;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;;1;5;"));
    // A line without a trailing ';' yields its last field for the missing ones.
    EXPECT_EQ(style.line(2), QStringLiteral("0;29;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;;6;6;"));
    EXPECT_EQ(style.line(3), QStringLiteral("0;30;0;0;data;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;;0;0;"));
    EXPECT_EQ(field(style.line(4), 20), QStringLiteral("keep"));
}

TEST_F(StyleFiles, HeaderValuesSurviveSavesAndReloads)
{
    writeCp932Lines(work("p.sle"), {QStringLiteral("header;Ver1.2;2;-3;70;1;500;150;15;0;;"), charItem(1)});
    for (int round = 0; round < 3; ++round) {
        StyleData s;
        s.setFolders(programDir, workDir);
        s.window.splitterPosition = 390 + round;
        ASSERT_TRUE(s.OpenStyle(work("p.sle")));
        EXPECT_EQ(s.HeaderPaperSize, 70);
        EXPECT_EQ(s.HeaderOrientation, 1);
        EXPECT_EQ(s.HeaderPaperSource, 15);
        EXPECT_EQ(s.window.ofxbox, 2);
        EXPECT_EQ(s.window.ofybox, -3);
        s.WriteStyleHeader();
        ASSERT_TRUE(s.SaveStyleFile());
    }
    EXPECT_TRUE(DecodeText(readBytes(work("p.sle"))).startsWith(QStringLiteral("header;Ver1.2;2;-3;70;1;392;100;15;0;;\r\n")));
}

} // namespace

TEST(StyleItems, FindItemFollowsEveryChangeOfTheLinesAndTakesTheFirstOfTwins)
{
    StyleData style;
    style.setLines({QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;"), QStringLiteral("0;5;0;0;char;1;1;"),
                    QStringLiteral("0;7;0;0;char;2;2;"), QStringLiteral("0;5;0;0;char;3;3;")});
    EXPECT_EQ(style.findItem(5), 1);
    EXPECT_EQ(style.findItem(7), 2);
    EXPECT_EQ(style.findItem(9), -1);
    // A text rewrite keeps the ids.
    ASSERT_TRUE(style.setItemText(7, QStringLiteral("東京")));
    EXPECT_EQ(style.findItem(7), 2);
    style.setLine(1, QStringLiteral("0;9;0;0;char;1;1;"));
    EXPECT_EQ(style.findItem(9), 1);
    EXPECT_EQ(style.findItem(5), 3);
    style.appendLine(QStringLiteral("0;11;0;0;char;4;4;"));
    EXPECT_EQ(style.findItem(11), 4);
    style.NewStyle();
    EXPECT_EQ(style.findItem(9), -1);
}
