// Setting item texts: which line changes, its field count, and texts that
// would otherwise break the line apart.
#include "support/LayoutTestSupport.h"
#include "core/layout/StyleData.h"

#include <gtest/gtest.h>

using namespace layouttest;

namespace {

StyleData layoutOf(const QStringList &items)
{
    StyleData s;
    for (const QString &item : items)
        s.appendLine(item);
    return s;
}

TEST(Chrchange, MissingIdChangesNothing)
{
    StyleData s = layoutOf({charItem(6, QStringLiteral("a")), charItem(70, QStringLiteral("b"))});
    const QStringList before = s.lines();
    EXPECT_FALSE(s.setItemText(7, QStringLiteral("x")));
    EXPECT_EQ(s.lines(), before);
}

TEST(Chrchange, ChangesOnlyTheFirstLineWithTheId)
{
    StyleData s = layoutOf({charItem(7, QStringLiteral("a")), charItem(7, QStringLiteral("b"))});
    EXPECT_TRUE(s.setItemText(7, QStringLiteral("x")));
    EXPECT_EQ(field(s.line(1), 20), QStringLiteral("x"));
    EXPECT_EQ(field(s.line(2), 20), QStringLiteral("b"));
}

TEST(Chrchange, MatchesTheIdTextExactly)
{
    // "07" and " 7" are not the item 7; 17 and 70 are not either.
    StyleData s = layoutOf({QStringLiteral("0;07;0;0;char;1;1;0;0;0;0;0;0;f;10;;0;0;0;a;0;0;"),
                            QStringLiteral("0; 7;0;0;char;1;1;0;0;0;0;0;0;f;10;;0;0;0;a;0;0;"), charItem(17),
                            charItem(70), charItem(7)});
    EXPECT_TRUE(s.setItemText(7, QStringLiteral("x")));
    for (int i = 1; i <= 4; ++i)
        EXPECT_NE(field(s.line(i), 20), QStringLiteral("x")) << i;
    EXPECT_EQ(field(s.line(5), 20), QStringLiteral("x"));
}

TEST(Chrchange, RebuildsTheLineAsTwentyTwoFields)
{
    QString longLine = charItem(5, QStringLiteral("t"));
    longLine += QStringLiteral("23;24;25;");
    const QString shortLine = QStringLiteral("0;6;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;t;");
    StyleData s = layoutOf({longLine, shortLine});
    s.setItemText(5, QStringLiteral("new"));
    s.setItemText(6, QStringLiteral("new"));
    EXPECT_EQ(s.line(1), charItem(5, QStringLiteral("new")));
    EXPECT_EQ(s.line(2), QStringLiteral("0;6;0;0;char;10;20;0;0;0;0;0;0;ＭＳ 明朝;10;標準;0;0;0;new;;;"));
}

struct SanitizeCase {
    const char *input;
    const char *stored;
};

class ItemTextSanitizing : public ::testing::TestWithParam<SanitizeCase> {};

TEST_P(ItemTextSanitizing, NoTextCanBreakTheLine)
{
    const SanitizeCase &c = GetParam();
    StyleData s = layoutOf({charItem(6), charItem(8, QStringLiteral("next"))});
    s.setItemText(6, QString::fromUtf8(c.input));
    EXPECT_EQ(field(s.line(1), 20), QString::fromUtf8(c.stored));
    EXPECT_EQ(separatorCount(s.line(1)), 22);
    EXPECT_EQ(field(s.line(1), 21), QStringLiteral("0"));
    EXPECT_EQ(s.lineCount(), 3);
    EXPECT_EQ(field(s.line(2), 20), QStringLiteral("next"));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ItemTextSanitizing,
    ::testing::Values(SanitizeCase{"山田;太郎", "山田；太郎"}, SanitizeCase{";;;", "；；；"},
                      SanitizeCase{"東京都\r\n千代田区", "東京都千代田区"}, SanitizeCase{"a\rb\nc", "abc"},
                      SanitizeCase{"\r\n", ""}, SanitizeCase{"；already", "；already"},
                      SanitizeCase{"\\3000", "\\3000"}, SanitizeCase{"〇", "〇"}));

TEST(Chrchange, SanitizesTheSameWayEverywhere)
{
    EXPECT_EQ(StyleData::sanitizeItemText(QStringLiteral("a;b\r\nc")), QStringLiteral("a；bc"));
}

} // namespace
