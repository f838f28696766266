// The program's CSV files as a spreadsheet and the program itself read them
// again: formulas kept from running, characters Shift_JIS lacks listed or
// substituted, and the intermediate file read in the encoding it is in.

#include "core/import/CsvEncoding.h"
#include "core/import/CsvFormulaGuard.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvParser.h"
#include "core/import/CsvWriter.h"
#include "core/text/CharacterLabel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct GuardCase {
    const char *value;
    const char *written; // the field as it stands in the file
};

class CsvFormulaGuardTest : public testing::TestWithParam<GuardCase>
{
};

// Written for a spreadsheet, read back by the program: the same value.
TEST_P(CsvFormulaGuardTest, WrittenSafeAndReadBackExactly)
{
    const QString value = QString::fromUtf8(GetParam().value);
    EXPECT_EQ(CsvField(value), QString::fromUtf8(GetParam().written));
    const QVector<QStringList> back = CsvParser::parse(CsvRecord({value, QStringLiteral("x")}));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0], (QStringList{value, QStringLiteral("x")}));
}

INSTANTIATE_TEST_SUITE_P(
    Values, CsvFormulaGuardTest,
    testing::Values(GuardCase{"=HYPERLINK(\"http://example.com\",\"山田\")",
                              "\"'=HYPERLINK(\"\"http://example.com\"\",\"\"山田\"\")\""},
                    GuardCase{"+81-3-1234-5678", "'+81-3-1234-5678"},
                    // a telephone without its first part would be a sum
                    GuardCase{"-1234-5678", "'-1234-5678"},
                    GuardCase{"@SUM(A1:A9)", "'@SUM(A1:A9)"},
                    GuardCase{"\t=1+1", "\"'\t=1+1\""},
                    GuardCase{"\r=1+1", "\"'\r=1+1\""},
                    // a value that really begins with an apostrophe before such a character
                    GuardCase{"'=1+1", "''=1+1"},
                    GuardCase{"''-x", "'''-x"},
                    // an apostrophe before anything else stays as it is, both ways
                    GuardCase{"'山田", "'山田"},
                    GuardCase{"'", "'"},
                    // numbers and "none" are no formulas: written bare, still numbers to a spreadsheet
                    GuardCase{"-500", "-500"},
                    GuardCase{"-1.5", "-1.5"},
                    GuardCase{"-", "-"},
                    GuardCase{"--", "'--"},
                    GuardCase{"-5.", "'-5."},
                    GuardCase{"山田 太郎", "山田 太郎"},
                    GuardCase{"a=b", "a=b"},
                    GuardCase{"", ""}),
    [](const testing::TestParamInfo<GuardCase> &info) { return "case" + std::to_string(info.index); });

TEST(CsvFormulaGuard, AGuardedValueFromElsewhereLosesItsApostrophe)
{
    EXPECT_EQ(CsvParser::parse(QStringLiteral("'=1+1,'-1,'@x,''=y,'z\r\n")),
              (QVector<QStringList>{{"=1+1", "-1", "@x", "'=y", "'z"}}));
}

// Rows of a Shift_JIS file, some with characters it has no form for.
const QVector<QStringList> &awkwardRows()
{
    static const QVector<QStringList> rows = {
        {QStringLiteral("名前"), QStringLiteral("住所")},
        {QStringLiteral("山田\u00A0太郎"), QStringLiteral("東京都")},
        {QStringLiteral("髙橋 ①"), QStringLiteral("大阪府")},
        {QStringLiteral("鈴木\u00E9一郎"), QString::fromUtf8("京都府\xF0\x9F\x98\x80")},
        {QStringLiteral("𠮷田"), QStringLiteral("\u200B")},
    };
    return rows;
}

CsvExportOutcome writeRows(const QString &path, CsvOutputEncoding encoding)
{
    CsvFileWriter writer(path, encoding);
    EXPECT_TRUE(writer.open());
    for (const QStringList &row : awkwardRows())
        EXPECT_TRUE(writer.writeRecord(row));
    return writer.finish(awkwardRows().size() - 1, false);
}

TEST(CsvShiftJis, RefusalListsEveryRowAndCharacterAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("refused.csv");
    const CsvExportOutcome outcome = writeRows(path, CsvOutputEncoding::ShiftJis);
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    ASSERT_TRUE(outcome.refusedCharacters());
    EXPECT_EQ(outcome.unwritableCount, 5);
    const QStringList expected = {
        QStringLiteral("2行目: U+00A0（ノーブレークスペース）"),
        QStringLiteral("4行目: U+00E9「é」、U+1F600（絵文字）"),
        QStringLiteral("5行目: U+20BB7「𠮷」、U+200B（ゼロ幅スペース）"),
    };
    EXPECT_EQ(CsvUnwritableLines(outcome.unwritable), expected);
    for (const QString &line : expected)
        EXPECT_TRUE(outcome.notice.contains(line)) << outcome.notice.toStdString();
    EXPECT_TRUE(outcome.notice.contains(QStringLiteral("「〓」に置き換えて"))) << outcome.notice.toStdString();
}

TEST(CsvShiftJis, SubstitutingWritesTheGetaMarkForEachCharacter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("substituted.csv");
    const CsvExportOutcome outcome = writeRows(path, CsvOutputEncoding::ShiftJisSubstituting);
    ASSERT_TRUE(outcome.ok) << outcome.notice.toStdString();
    EXPECT_EQ(outcome.substituted, 5);
    CsvEncoding encoding = CsvEncoding::Utf8;
    const QVector<QStringList> back = CsvParser::parse(DecodeCsvBytes(fileBytes(path), &encoding));
    EXPECT_EQ(encoding, CsvEncoding::Cp932);
    const QVector<QStringList> expected = {
        {"名前", "住所"}, {"山田〓太郎", "東京都"}, {"髙橋 ①", "大阪府"}, {"鈴木〓一郎", "京都府〓"}, {"〓田", "〓"}};
    EXPECT_EQ(back, expected);
}

TEST(CsvShiftJis, ARefusalInALaterRunIsFoundToo)
{
    // Past the first run of records the rows are still counted from the header.
    QTemporaryDir dir;
    const QString path = dir.filePath("long.csv");
    CsvFileWriter writer(path, CsvOutputEncoding::ShiftJis);
    ASSERT_TRUE(writer.open());
    const QString filler(200, QChar(u'あ'));
    for (int r = 1; r <= 20000; ++r)
        ASSERT_TRUE(writer.writeRecord({r == 3 || r == 19999 ? QStringLiteral("x\u00A0") : filler}));
    const CsvExportOutcome outcome = writer.finish(20000, false);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(CsvUnwritableLines(outcome.unwritable),
              QStringList({QStringLiteral("3行目: U+00A0（ノーブレークスペース）"),
                           QStringLiteral("19999行目: U+00A0（ノーブレークスペース）")}));
}

TEST(CharacterLabel, NamesWhatCannotBeSeenAndShowsWhatCan)
{
    const struct {
        char32_t c;
        const char *label;
    } cases[] = {
        {0x00A0, "U+00A0（ノーブレークスペース）"}, {0xFEFF, "U+FEFF（ゼロ幅ノーブレークスペース）"},
        {0x2212, "U+2212（マイナス記号）"},         {0x301C, "U+301C（波ダッシュ）"},
        {0x0085, "U+0085（制御文字）"},             {0x4E02, "U+4E02「丂」"},
        {0xE000, "U+E000"},                         {0x20BB7, "U+20BB7「𠮷」"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CharacterLabel(c.c), QString::fromUtf8(c.label));
}

class CsvImportFileTest : public testing::Test
{
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = dir.filePath("csvImport.tmp");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(CsvImportFileTest, Utf8WithoutAMarkIsReadAsUtf8AndMayBeReadOtherwise)
{
    const QString path = write(QStringLiteral("山田 太郎,,100-0001,東京都千代田区,,,,03-1234-5678,,,,,,,\r\n").toUtf8());
    CsvEncoding used = CsvEncoding::Cp932;
    const auto rows = ReadCsvImportFile(path, std::nullopt, &used);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(used, CsvEncoding::Utf8);
    EXPECT_EQ(rows->value(0).value(0), QStringLiteral("山田 太郎"));
    EXPECT_EQ(rows->value(0).value(3), QStringLiteral("東京都千代田区"));

    // Told to, it reads code page 932 (and the name comes out garbled).
    const auto forced = ReadCsvImportFile(path, CsvEncoding::Cp932, &used);
    ASSERT_TRUE(forced.has_value());
    EXPECT_EQ(used, CsvEncoding::Cp932);
    EXPECT_NE(forced->value(0).value(0), QStringLiteral("山田 太郎"));
}

TEST_F(CsvImportFileTest, HalfWidthKanaInCodePage932IsNotTakenForUtf8)
{
    // ﾃｽ and ﾄｳ are also valid UTF-8 (「ý」, 「ĳ」).
    const QString path = write(QByteArray("\xC3\xBD,\xC4\xB3,\r\n"));
    CsvEncoding used = CsvEncoding::Utf8;
    const auto rows = ReadCsvImportFile(path, std::nullopt, &used);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(used, CsvEncoding::Cp932);
    EXPECT_EQ(rows->value(0).value(0), QStringLiteral("ﾃｽ"));
    EXPECT_EQ(rows->value(0).value(1), QStringLiteral("ﾄｳ"));
}

TEST(CsvImportLine, LineBreaksInsideAValueBecomeASpace)
{
    QStringList values(CsvImportFieldCount);
    values[0] = QStringLiteral("1行目\r\n2行目");
    values[8] = QStringLiteral("a\nb\rc, d");
    const QStringList fields = SplitCsvImportLine(FormatCsvImportLine(values));
    EXPECT_EQ(fields.value(0), QStringLiteral("1行目 2行目"));
    EXPECT_EQ(fields.value(8), QStringLiteral("a b c， d"));
}

} // namespace
