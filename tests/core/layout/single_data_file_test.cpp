// The single-print data file: padding, extra lines, encodings kept and the
// fallback for characters code page 932 cannot hold.
#include "support/LayoutTestSupport.h"
#include "core/layout/PrintRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace layouttest;

namespace {

class SingleDataFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = SingleDataPath(dir.path());
        QDir().mkpath(QFileInfo(path).absolutePath());
    }

    // n numbered slot texts "s0", "s1", ...
    static QStringList numbered(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines.append(QStringLiteral("s%1").arg(i));
        return lines;
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(SingleDataFile, PathIsUnderConf)
{
    EXPECT_EQ(SingleDataPath(QStringLiteral("/w")), QStringLiteral("/w/conf/singledata.txt"));
}

TEST_F(SingleDataFile, MissingFileGivesEmptySlotsAndIsNotCreated)
{
    PrintRecord record({QStringLiteral("old")});
    ASSERT_TRUE(LoadSingleData(path, record));
    EXPECT_EQ(record.size(), 42);
    EXPECT_EQ(record.texts(), QStringList(42, QString()));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(SingleDataFile, ShortFileIsPaddedAndLongFileKeepsItsExtraLines)
{
    writeCp932Lines(path, numbered(41));
    PrintRecord record;
    ASSERT_TRUE(LoadSingleData(path, record));
    EXPECT_EQ(record.size(), 42);
    EXPECT_EQ(record.slot(40), QStringLiteral("s40"));
    EXPECT_TRUE(record.slot(41).isEmpty());

    writeCp932Lines(path, numbered(45));
    ASSERT_TRUE(LoadSingleData(path, record));
    EXPECT_EQ(record.size(), 45);
    ASSERT_TRUE(SaveSingleData(path, record));
    EXPECT_EQ(readBytes(path), EncodeLines(numbered(45), TextEncoding::Cp932).value());
}

TEST_F(SingleDataFile, EmptyLastSlotsRoundTrip)
{
    QStringList lines = numbered(42);
    lines[40].clear();
    lines[41].clear();
    writeCp932Lines(path, lines);
    PrintRecord record;
    ASSERT_TRUE(LoadSingleData(path, record));
    EXPECT_EQ(record.texts(), lines);
    ASSERT_TRUE(SaveSingleData(path, record));
    EXPECT_EQ(readBytes(path), EncodeLines(lines, TextEncoding::Cp932).value());
}

TEST_F(SingleDataFile, SplitsAtAnyLineEnd)
{
    writeBytes(path, EncodeCp932(QStringLiteral("a\r\nb\rc\nd")).value());
    PrintRecord record;
    ASSERT_TRUE(LoadSingleData(path, record));
    EXPECT_EQ(record.slot(0), QStringLiteral("a"));
    EXPECT_EQ(record.slot(1), QStringLiteral("b"));
    EXPECT_EQ(record.slot(2), QStringLiteral("c"));
    EXPECT_EQ(record.slot(3), QStringLiteral("d"));
}

struct EncodingCase {
    TextEncoding encoding;
    const char *bom;
};

class SingleDataEncoding : public SingleDataFile, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(SingleDataEncoding, IsWrittenBackInTheEncodingItWasRead)
{
    QStringList lines = numbered(42);
    lines[8] = QStringLiteral("髙橋～①");
    writeBytes(path, EncodeLines(lines, GetParam().encoding).value());
    PrintRecord record;
    ASSERT_TRUE(LoadSingleData(path, record));
    EXPECT_EQ(record.slot(8), QStringLiteral("髙橋～①"));
    EXPECT_EQ(record.encoding(), GetParam().encoding);
    record.setSlot(3, QStringLiteral("changed"));
    ASSERT_TRUE(SaveSingleData(path, record));
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.startsWith(QByteArray(GetParam().bom))) << int(GetParam().encoding);
    lines[3] = QStringLiteral("changed");
    EXPECT_EQ(bytes, EncodeLines(lines, GetParam().encoding).value());
}

INSTANTIATE_TEST_SUITE_P(Encodings, SingleDataEncoding,
                         ::testing::Values(EncodingCase{TextEncoding::Cp932, ""},
                                           EncodingCase{TextEncoding::Utf8Bom, "\xEF\xBB\xBF"},
                                           EncodingCase{TextEncoding::Utf16LeBom, "\xFF\xFE"},
                                           EncodingCase{TextEncoding::Utf16BeBom, "\xFE\xFF"}));

TEST_F(SingleDataFile, NeverReadRecordIsWrittenInCodePage932)
{
    PrintRecord record;
    record.setSlot(8, QStringLiteral("山田太郎"));
    ASSERT_TRUE(SaveSingleData(path, record));
    QStringList expected(42, QString());
    expected[8] = QStringLiteral("山田太郎");
    EXPECT_EQ(readBytes(path), EncodeLines(expected, TextEncoding::Cp932).value());
}

TEST_F(SingleDataFile, TextOutsideCodePage932IsWrittenAsUtf8WithMark)
{
    PrintRecord record;
    record.setSlot(8, QStringLiteral("𠮷田 😀"));
    ASSERT_TRUE(SaveSingleData(path, record));
    EXPECT_TRUE(readBytes(path).startsWith("\xEF\xBB\xBF"));
    PrintRecord back;
    ASSERT_TRUE(LoadSingleData(path, back));
    EXPECT_EQ(back.slot(8), QStringLiteral("𠮷田 😀"));
    EXPECT_EQ(back.size(), 42);
}

TEST_F(SingleDataFile, LineBreaksInsideASlotCannotShiftLaterSlots)
{
    PrintRecord record;
    record.setSlot(13, QStringLiteral("東京都\r\n千代田区"));
    record.setSlot(14, QStringLiteral("1-1"));
    ASSERT_TRUE(SaveSingleData(path, record));
    PrintRecord back;
    ASSERT_TRUE(LoadSingleData(path, back));
    EXPECT_EQ(back.slot(13), QStringLiteral("東京都千代田区"));
    EXPECT_EQ(back.slot(14), QStringLiteral("1-1"));
    EXPECT_EQ(back.size(), 42);
}

TEST_F(SingleDataFile, SaveCreatesTheConfFolderAndReportsFailures)
{
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
    PrintRecord record;
    EXPECT_TRUE(SaveSingleData(path, record));
    EXPECT_TRUE(QFileInfo::exists(path));

    const LayoutStatus status = SaveSingleData(QStringLiteral("/proc/no/such/place/singledata.txt"), record);
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.isEmpty());
}

TEST(PrintRecordSlots, AlwaysHoldsAtLeast42Slots)
{
    PrintRecord record;
    EXPECT_EQ(record.size(), 42);
    EXPECT_TRUE(record.slot(41).isEmpty());
    EXPECT_TRUE(record.slot(-1).isEmpty());
    EXPECT_TRUE(record.slot(500).isEmpty());
    record.setSlot(50, QStringLiteral("x"));
    EXPECT_EQ(record.size(), 51);
    EXPECT_EQ(record.slot(50), QStringLiteral("x"));
    record.setSlot(-3, QStringLiteral("ignored"));
    EXPECT_EQ(record.size(), 51);
    record.clear();
    EXPECT_EQ(record.size(), 42);
    EXPECT_FALSE(record.wasReadFromFile());
}

} // namespace
