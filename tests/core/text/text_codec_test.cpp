#include "core/text/TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

const QString kTricky = QString::fromUtf8("〇～①\\髙橋 ｶﾅ ABC");

TEST(TextCodec, Cp932RoundTripsTheCharactersTheFormsNeed)
{
    const auto bytes = EncodeCp932(kTricky);
    ASSERT_TRUE(bytes.has_value());
    // "～" is 0x8160 and "\" stays the single byte 0x5C in code page 932.
    EXPECT_TRUE(bytes->contains(QByteArray("\x81\x60")));
    EXPECT_TRUE(bytes->contains('\\'));
    TextEncoding detected = TextEncoding::Utf8Bom;
    EXPECT_EQ(DecodeText(*bytes, &detected), kTricky);
    EXPECT_EQ(detected, TextEncoding::Cp932);
}

TEST(TextCodec, ACharacterOutsideCp932IsReportedNotReplaced)
{
    const QString text = QString::fromUtf8("𠮷野家 😀");
    EXPECT_FALSE(EncodeCp932(text).has_value());
    EXPECT_FALSE(FitsCp932(text));
    EXPECT_TRUE(FitsCp932(kTricky));
}

TEST(TextCodec, ByteOrderMarksSelectTheEncoding)
{
    const QString text = QString::fromUtf8("𠮷〇～");
    for (TextEncoding e : {TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom}) {
        const auto bytes = EncodeLines({text, "2"}, e);
        ASSERT_TRUE(bytes.has_value());
        TextEncoding detected = TextEncoding::Cp932;
        EXPECT_EQ(SplitLines(DecodeText(*bytes, &detected)), QStringList({text, "2"}));
        EXPECT_EQ(detected, e);
    }
}

TEST(TextCodec, LoneUtf16SurrogatesBecomeReplacementCharactersSoTheTextCanBeRewritten)
{
    // A lone low surrogate, a lone high surrogate at the end, and a valid pair between them.
    const QByteArray le = QByteArray::fromHex("fffe" "6100" "fede" "3dd800de" "3dd8");
    const QByteArray be = QByteArray::fromHex("feff" "0061" "defe" "d83dde00" "d83d");
    const QString expected = QStringLiteral("a") + QChar(QChar::ReplacementCharacter) + QString::fromUtf8("😀")
                             + QChar(QChar::ReplacementCharacter);
    for (const QByteArray &bytes : {le, be}) {
        const QString text = DecodeText(bytes);
        EXPECT_EQ(text, expected);
        const auto utf8 = EncodeLines({text}, TextEncoding::Utf8Bom);
        ASSERT_TRUE(utf8.has_value());
        EXPECT_EQ(SplitLines(DecodeText(*utf8)), QStringList({text}));
    }
}

TEST(TextCodec, OnlyTheFirstByteOrderMarkIsCutOff)
{
    const QString zwnbsp(QChar(0xFEFF));
    EXPECT_EQ(DecodeText(QByteArray::fromHex("fefffeff0061")), zwnbsp + u'a');
    EXPECT_EQ(DecodeText(QByteArray::fromHex("fffefffe6100")), zwnbsp + u'a');
    EXPECT_EQ(DecodeText(QByteArray::fromHex("efbbbfefbbbf61")), zwnbsp + u'a');
}

TEST(TextCodec, InvalidCp932BytesBecomeReplacementCharactersAndTheRestSurvives)
{
    const QByteArray bytes("ab\x81\xFF" "cd\x82", 7);  // a broken pair and a truncated lead byte
    const QString text = DecodeText(bytes);
    EXPECT_TRUE(text.startsWith("ab"));
    EXPECT_TRUE(text.contains("cd"));
    EXPECT_TRUE(text.contains(QChar(QChar::ReplacementCharacter)));
}

TEST(TextCodec, SplitLinesAtCrLfCrOrLf)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").isEmpty());
}

TEST(TextCodec, WritingPrefersCp932AndFallsBackToUtf8WithAMark)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");

    auto used = WriteTextLinesPreferCp932(path, {kTricky, "x"});
    ASSERT_TRUE(used.has_value());
    EXPECT_EQ(*used, TextEncoding::Cp932);
    EXPECT_TRUE(readAll(path).endsWith("x\r\n"));
    EXPECT_EQ(ReadTextLines(path).value(), QStringList({kTricky, "x"}));

    const QString outside = QString::fromUtf8("𠮷田");
    EXPECT_EQ(WriteTextLines(path, {outside}, TextEncoding::Cp932), WriteStatus::Unencodable);
    EXPECT_EQ(ReadTextLines(path).value(), QStringList({kTricky, "x"})) << "a refused write keeps the old file";

    used = WriteTextLinesPreferCp932(path, {outside});
    ASSERT_TRUE(used.has_value());
    EXPECT_EQ(*used, TextEncoding::Utf8Bom);
    EXPECT_TRUE(readAll(path).startsWith("\xEF\xBB\xBF"));
    TextEncoding detected = TextEncoding::Cp932;
    EXPECT_EQ(ReadTextLines(path, &detected).value(), QStringList({outside}));
    EXPECT_EQ(detected, TextEncoding::Utf8Bom);
}

TEST(TextCodec, MissingFileAndUnwritableFolderAreErrorsNotCrashes)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ReadTextLines(dir.filePath("none.txt")).has_value());
    QString error;
    EXPECT_EQ(WriteTextLines(dir.filePath("no/such/folder/f.txt"), {"a"}, TextEncoding::Cp932, &error),
              WriteStatus::IoError);
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
