#include "core/import/CsvEncoding.h"
#include "core/import/CsvParser.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using Rows = QVector<QStringList>;

struct ParseCase {
    const char *name;
    const char *text;
    char delimiter;
    Rows expected;
};

QStringList row(std::initializer_list<const char *> fields)
{
    QStringList r;
    for (const char *f : fields)
        r.append(QString::fromUtf8(f));
    return r;
}

class CsvParserTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(CsvParserTest, Records)
{
    const ParseCase &c = GetParam();
    EXPECT_EQ(CsvParser::parse(QString::fromUtf8(c.text), QChar(c.delimiter)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvParserTest,
    testing::Values(
        ParseCase{"plain", "a,b,c\r\nd,e,f\r\n", ',', {row({"a", "b", "c"}), row({"d", "e", "f"})}},
        ParseCase{"noFinalLineBreak", "a,b\nc,d", ',', {row({"a", "b"}), row({"c", "d"})}},
        ParseCase{"crOnly", "a\rb\r", ',', {row({"a"}), row({"b"})}},
        ParseCase{"emptyFields", ",a,,\n", ',', {row({"", "a", "", ""})}},
        ParseCase{"quotedComma", "\"東京都, 千代田区\",x\n", ',', {row({"東京都, 千代田区", "x"})}},
        ParseCase{"doubledQuotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", ',', {row({"say \"hi\"", "\""})}},
        ParseCase{"lineBreakInQuotes", "\"two\r\nlines\",b\r\nc,d\r\n", ',', {row({"two\r\nlines", "b"}), row({"c", "d"})}},
        ParseCase{"emptyQuoted", "\"\",\"\"\n", ',', {row({"", ""})}},
        ParseCase{"emptyLinesSkipped", "a\n\n\r\nb\n", ',', {row({"a"}), row({"b"})}},
        ParseCase{"quoteInsideUnquoted", "ab\"c,d\n", ',', {row({"ab\"c", "d"})}},
        ParseCase{"textAfterClosingQuote", "\"ab\"cd,e\n", ',', {row({"abcd", "e"})}},
        // reading stops before the record whose quote is never closed
        ParseCase{"unclosedQuoteStopsBeforeItsRecord", "a,b\nc,\"d,e\nf", ',', {row({"a", "b"})}},
        ParseCase{"tab", "a\tb,c\n", '\t', {row({"a", "b,c"})}},
        ParseCase{"empty", "", ',', {}}),
    [](const testing::TestParamInfo<ParseCase> &info) { return std::string(info.param.name); });

TEST(CsvParser, DetectsTheDelimiterOfTheFirstRecord)
{
    EXPECT_EQ(CsvParser::detectDelimiter(QStringLiteral("a,b,c\n")), QChar(u','));
    EXPECT_EQ(CsvParser::detectDelimiter(QStringLiteral("a\tb\t\"c,d,e\"\n")), QChar(u'\t'));
    EXPECT_EQ(CsvParser::detectDelimiter(QStringLiteral("a;b;c\nx,y,z,w,v\n")), QChar(u';'));
    EXPECT_EQ(CsvParser::detectDelimiter(QStringLiteral("single")), QChar(u','));
}

TEST(CsvParser, ProgressCanStopTheParse)
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("row%1,値%1\n").arg(i);
    int calls = 0;
    bool cancelled = false;
    const Rows some = CsvParser::parse(text, u',', [&](qsizetype done, qsizetype total) {
        EXPECT_LE(done, total);
        return ++calls < 2;
    }, &cancelled);
    EXPECT_TRUE(cancelled);
    EXPECT_GT(some.size(), 0);
    EXPECT_LT(some.size(), 20000);

    const Rows all = CsvParser::parse(text, u',', [](qsizetype, qsizetype) { return true; }, &cancelled);
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(all.size(), 20000);
    EXPECT_EQ(all.last(), (QStringList{QStringLiteral("row19999"), QStringLiteral("値19999")}));
}

TEST(CsvParser, AQuoteNeverClosedStopsTheReadingAndNamesItsLine)
{
    const struct {
        const char *text;
        qsizetype line;
        qsizetype recordsBefore;
    } cases[] = {
        {"名前,住所\n山田,\"東京都\n佐藤,大阪府\n鈴木,京都府\n", 2, 1},
        // line breaks inside a closed quote and CR LF count as lines of the file
        {"名前,備考\r\n山田,\"二行の\r\n備考\"\r\n\r\n佐藤,\"閉じない\r\n鈴木,x\r\n", 5, 2},
        {"\"", 1, 0},
    };
    for (const auto &c : cases) {
        const CsvParse parsed = CsvParser::read(QString::fromUtf8(c.text));
        EXPECT_FALSE(parsed.complete()) << c.text;
        EXPECT_EQ(parsed.unclosedQuoteLine, c.line) << c.text;
        EXPECT_EQ(parsed.records.size(), c.recordsBefore) << c.text;
        EXPECT_TRUE(parsed.notice().startsWith(QStringLiteral("CSVファイルの%1行目にある「\"」が閉じられていません。").arg(c.line)))
            << parsed.notice().toStdString();
    }
    const CsvParse whole = CsvParser::read(QStringLiteral("a,\"b\nc\"\n"));
    EXPECT_TRUE(whole.complete());
    EXPECT_TRUE(whole.notice().isEmpty());
}

struct EncodingCase {
    const char *name;
    QByteArray bytes;
    CsvEncoding expected;
    const char *text;
};

class CsvEncodingTest : public testing::TestWithParam<EncodingCase>
{
};

TEST_P(CsvEncodingTest, DetectsAndDecodes)
{
    const EncodingCase &c = GetParam();
    CsvEncoding detected = CsvEncoding::Cp932;
    EXPECT_EQ(DecodeCsvBytes(c.bytes, &detected), QString::fromUtf8(c.text));
    EXPECT_EQ(detected, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CsvEncodingTest,
    testing::Values(
        EncodingCase{"ascii", "a,b", CsvEncoding::Utf8, "a,b"},
        EncodingCase{"utf8", "\xE5\xB1\xB1\xE7\x94\xB0", CsvEncoding::Utf8, "山田"},
        EncodingCase{"utf8Bom", "\xEF\xBB\xBF\xE5\xB1\xB1", CsvEncoding::Utf8Bom, "山"},
        EncodingCase{"utf16LeBom", QByteArray("\xFF\xFE\x71\x5C\x30\x75", 6), CsvEncoding::Utf16LeBom, "山田"},
        EncodingCase{"utf16BeBom", QByteArray("\xFE\xFF\x5C\x71\x75\x30", 6), CsvEncoding::Utf16BeBom, "山田"},
        EncodingCase{"utf16LeNoBom", QByteArray("a\0,\0b\0", 6), CsvEncoding::Utf16Le, "a,b"},
        // 山田 in code page 932 is not valid UTF-8
        EncodingCase{"cp932", "\x8E\x52\x93\x63", CsvEncoding::Cp932, "山田"},
        // 髙 ～ ① exist only in code page 932, not in strict Shift_JIS
        EncodingCase{"cp932Extensions", "\xFB\xFC\x81\x60\x87\x40", CsvEncoding::Cp932, "髙～①"},
        EncodingCase{"empty", "", CsvEncoding::Utf8, ""},
        // UTF-8 without a mark, kanji and kana
        EncodingCase{"utf8AlsoValidCp932", "\xE5\xB1\xB1\xE7\x94\xB0,\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88", CsvEncoding::Utf8,
                     "山田,テスト"},
        // half-width kana in code page 932 that are valid UTF-8 too (「ý,ĳ」)
        EncodingCase{"cp932HalfWidthKana", "\xC3\xBD,\xC4\xB3", CsvEncoding::Cp932, "ﾃｽ,ﾄｳ"},
        EncodingCase{"cp932HalfWidthKanaName", "\xD4\xCF\xC0\xDE \xC0\xDB\xB3", CsvEncoding::Cp932, "ﾔﾏﾀﾞ ﾀﾛｳ"}),
    [](const testing::TestParamInfo<EncodingCase> &info) { return std::string(info.param.name); });

class CsvFixtureTest : public testing::TestWithParam<std::pair<const char *, CsvEncoding>>
{
};

// The same spreadsheet export in four encodings parses to the same records.
TEST_P(CsvFixtureTest, SameRecordsInEveryEncoding)
{
    const auto &[file, encoding] = GetParam();
    QFile f(QString::fromUtf8(qgetenv("KORVEL_SOURCE_DIR")) + QStringLiteral("/tests/core/import/fixtures/")
            + QString::fromUtf8(file));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    CsvEncoding detected = CsvEncoding::Cp932;
    const QString text = DecodeCsvBytes(f.readAll(), &detected);
    EXPECT_EQ(detected, encoding);
    const Rows rows = CsvParser::parse(text, CsvParser::detectDelimiter(text));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], row({"お名前", "郵便番号", "住所", "電話番号", "備考", "商品名"}));
    EXPECT_EQ(rows[1], row({"山田 太郎", "123-4567", "東京都千代田区千代田1-1, 千代田ビル", "03-1234-5678",
                            "「特急」で \"至急\"", "りんご"}));
    EXPECT_EQ(rows[2].at(4), QStringLiteral("二行の\r\n備考"));
    EXPECT_EQ(rows[3], row({"髙橋 一郎", "530-0001", "大阪府大阪市北区梅田～1", "06-1111-2222", "", "ぶどう①"}));
}

INSTANTIATE_TEST_SUITE_P(Files, CsvFixtureTest,
                         testing::Values(std::make_pair("customers_utf8.csv", CsvEncoding::Utf8),
                                         std::make_pair("customers_utf8bom.csv", CsvEncoding::Utf8Bom),
                                         std::make_pair("customers_utf16.csv", CsvEncoding::Utf16LeBom),
                                         std::make_pair("customers_cp932.csv", CsvEncoding::Cp932)));

} // namespace
