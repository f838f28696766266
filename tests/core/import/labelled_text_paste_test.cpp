#include "core/import/LabelledTextPaste.h"
#include "core/layout/StyleData.h"

#include "support/LayoutTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const ItemText &item, std::ostream *os)
{
    *os << "{" << item.id << ", \"" << item.text.toStdString() << "\"}";
}

namespace {

struct PasteCase {
    const char *name;
    const char *text;
    QVector<ItemText> expected;
};

ItemText item(int id, const char *text)
{
    return {id, QString::fromUtf8(text)};
}

class LabelledTextPasteTest : public testing::TestWithParam<PasteCase>
{
};

TEST_P(LabelledTextPasteTest, WritesTheExpectedItems)
{
    const PasteCase &c = GetParam();
    EXPECT_EQ(LabelledTextChanges(QString::fromUtf8(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LabelledTextPasteTest,
    testing::Values(
        PasteCase{"postal", "郵便番号 = 123-4567", {item(1, "123"), item(2, "4567")}},
        PasteCase{"postalWithoutHyphen", "郵便番号 = 1234567", {item(1, ""), item(2, "1234567")}},
        PasteCase{"address", "住所 = 東京都千代田区千代田1-1",
                  {item(3, "東京都千代田区千代田"), item(4, "1-1")}},
        PasteCase{"addressFullWidthDigits", "住所 = 東京都千代田区千代田１－１",
                  {item(3, "東京都千代田区千代田１－１")}},
        PasteCase{"addressDigitLast", "住所 = 千代田区千代田1", {item(3, "千代田区千代田1")}},
        PasteCase{"telephone", "電話 = 03-1234-5678", {item(7, "03"), item(8, "1234"), item(9, "5678")}},
        // without hyphens the number is cut at fixed places; no digit is dropped
        PasteCase{"telephoneWithoutHyphens", "電話 = 0312345678", {item(7, "03"), item(8, "1234"), item(9, "5678")}},
        PasteCase{"telephoneFullWidthHyphens", "電話 = 090－1234－5678", {item(7, "090"), item(8, "1234"), item(9, "5678")}},
        PasteCase{"telephoneMinusSigns", "電話 = 090−1234‐5678", {item(7, "090"), item(8, "1234"), item(9, "5678")}},
        PasteCase{"telephoneWithExtension", "電話 = 03-1234-5678-101", {item(7, "03"), item(8, "1234"), item(9, "5678-101")}},
        PasteCase{"telephoneTwoParts", "電話 = 03-1234", {item(7, "03"), item(8, ""), item(9, "1234")}},
        // the space after "=" is the first of the 14 characters
        PasteCase{"order", "注文 = ABCDEFGHIJKLMNOPQRST", {item(19, "ABCDEFGHIJKLM")}},
        PasteCase{"orderNeedsTheSpace", "注文= ABCDEFGHIJKLMNOPQRST", {}},
        PasteCase{"nameWithoutEquals", "氏名 山田太郎", {item(5, "氏名 山田太郎")}},
        PasteCase{"nameAndReadingBeforeEquals", "氏名フリガナ = 山田太郎", {item(5, "山田太郎")}},
        PasteCase{"reading", "フリガナ = ヤマダ タロウ", {item(6, "ヤマダ タロウ")}},
        // an ideographic space belongs to the value and is not trimmed
        PasteCase{"ideographicSpaceKept", "氏名 =　山田　太郎　", {item(5, "　山田　太郎　")}},
        PasteCase{"noLabels", "こんにちは\r\n\r\nthank you", {}},
        PasteCase{"severalLines", "氏名 = 山田太郎\r\n電話 = 075-123-4567\n郵便番号 = 600-8216",
                  {item(5, "山田太郎"), item(7, "075"), item(8, "123"), item(9, "4567"), item(1, "600"),
                   item(2, "8216")}}),
    [](const testing::TestParamInfo<PasteCase> &info) { return std::string(info.param.name); });

TEST(LabelledTextPaste, ApplySelectsThenWritesEachItem)
{
    StyleData style;
    style.appendLine(layouttest::charItem(1, QStringLiteral("old")));
    style.appendLine(layouttest::charItem(2));
    QVector<int> selected;
    ApplyItemTexts(style, LabelledTextChanges(QStringLiteral("郵便番号 = 123-4567\n注文 = 99")),
                   [&](int id) { selected.append(id); });
    EXPECT_EQ(selected, (QVector<int>{1, 2, 19}));
    EXPECT_EQ(layouttest::field(style.line(1), 20), QStringLiteral("123"));
    EXPECT_EQ(layouttest::field(style.line(2), 20), QStringLiteral("4567"));
    EXPECT_EQ(style.findItem(19), -1); // absent and not appended by the core: the editor's select does that
}

} // namespace
