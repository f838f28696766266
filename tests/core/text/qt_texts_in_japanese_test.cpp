#include "core/text/QtTextsInJapanese.h"

#include <gtest/gtest.h>

namespace {

TEST(QtTextsInJapanese, PaperNamesFollowAJapaneseClerksB)
{
    EXPECT_EQ(MissingQtText("QPageSize", "JIS B5"), QStringLiteral("B5"));
    EXPECT_EQ(MissingQtText("QPageSize", "JIS B10"), QStringLiteral("B10"));
    EXPECT_EQ(MissingQtText("QPageSize", "B5"), QStringLiteral("B5 (ISO)"));
    EXPECT_EQ(MissingQtText("QPageSize", "B5 Extra"), QString()); // Qt's catalogue answers
    EXPECT_EQ(MissingQtText("QPageSize", "A4"), QString());
    EXPECT_EQ(MissingQtText("QPrintSettingsOutput", "B5"), QString()); // other contexts untouched
}

TEST(QtTextsInJapanese, OnlyTheirOwnContextsAreAnswered)
{
    EXPECT_EQ(MissingQtText("QPrintSettingsOutput", "Long side binding"), QStringLiteral("長辺とじ"));
    EXPECT_EQ(MissingQtText("QPrintPropertiesWidget", "Advanced"), QStringLiteral("詳細設定"));
    EXPECT_EQ(MissingQtText("QFileIconProvider", "Folder"), QStringLiteral("フォルダー"));
    EXPECT_EQ(MissingQtText("QPrintDialog", "Off"), QString());
    EXPECT_EQ(MissingQtText(nullptr, "Off"), QString());
}

TEST(QtTextsInJapanese, FontStyleNames)
{
    const std::pair<const char *, const char16_t *> cases[] = {
        {"Regular", u"標準"},         {"Bold", u"太字"},           {"Bold Italic", u"太字 斜体"},
        {"Extra-Light", u"極細"},     {"SemiBold Oblique", u"やや太字 斜体"},
        {"Shippori", u"Shippori"}, // unknown: as it is
        {"Bold Wide", u"Bold Wide"},
    };
    for (const auto &[english, japanese] : cases)
        EXPECT_EQ(FontStyleNameInJapanese(QString::fromLatin1(english)), QString::fromUtf16(japanese)) << english;
}

} // namespace
