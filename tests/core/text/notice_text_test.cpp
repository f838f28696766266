#include "core/text/NoticeText.h"

#include <gtest/gtest.h>

namespace {

// Every character one unit wide, so the cases read as character counts.
qreal chars(const QString &text) { return text.size(); }

struct WrapCase
{
    const char *name;
    QString text;
    qreal width;
    QStringList lines;
};

} // namespace

TEST(WrapNoticeText, BreaksOnlyWhereJapaneseTypesettingAllows)
{
    const WrapCase cases[] = {
        {"fits", QStringLiteral("リストアしました。"), 20, {QStringLiteral("リストアしました。")}},
        {"after the comma, not inside the word", QStringLiteral("ファイルが、ありません。"), 8,
         {QStringLiteral("ファイルが、"), QStringLiteral("ありません。")}},
        {"last break point that fits", QStringLiteral("一、二、三四五六七"), 6,
         {QStringLiteral("一、二、"), QStringLiteral("三四五六七")}},
        {"before an opening bracket", QStringLiteral("選んだファイル「a.csv」"), 8,
         {QStringLiteral("選んだファイル"), QStringLiteral("「a.csv」")}},
        {"at a space, which is dropped", QStringLiteral("file not found"), 9,
         {QStringLiteral("file not"), QStringLiteral("found")}},
        {"own line breaks kept", QStringLiteral("一行目\r\n二行目"), 20,
         {QStringLiteral("一行目"), QStringLiteral("二行目")}},
        {"no break point at all: cut where it must", QStringLiteral("あいうえおかきく"), 5,
         {QStringLiteral("あいうえお"), QStringLiteral("かきく")}},
        {"a surrogate pair stays whole", QStringLiteral("𠮷𠮷𠮷"), 3,
         {QStringLiteral("𠮷"), QStringLiteral("𠮷"), QStringLiteral("𠮷")}},
    };
    for (const WrapCase &c : cases)
        EXPECT_EQ(WrapNoticeText(c.text, c.width, chars), c.lines) << c.name;
}
