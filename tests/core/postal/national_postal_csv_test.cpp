#include "support/QtPrinters.h"
#include "core/postal/NationalPostalCsv.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitCommaText, CommasQuotesAndBlanks)
{
    const struct {
        QString line;
        QStringList fields;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"a,,b", {"a", "", "b"}},
        {"a,b,", {"a", "b", ""}},
        {",a", {"", "a"}},
        {"a b,c", {"a", "b", "c"}},          // a blank outside quotes separates too
        {"\"a b\",c", {"a b", "c"}},
        {"  a , b ", {"a", "b"}},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {"\"\",x", {"", "x"}},
        {"\"open", {"open"}},
        {"", {}},
        {"\"全角　空白\",Ｘ", {"全角　空白", "Ｘ"}}, // U+3000 is no separator
    };
    for (const auto &c : cases)
        EXPECT_EQ(SplitCommaText(c.line), c.fields) << c.line.toStdString();
}

TEST(NationalPostalLine, TakesFieldsThreeAndSevenToNine)
{
    const QString line = "13101,\"100  \",\"1000001\",\"ﾄｳｷｮｳﾄ\",\"ﾁﾖﾀﾞｸ\",\"ﾁﾖﾀﾞ\",\"東京都\",\"千代田区\","
                         "\"千代田\",0,0,0,0,0,0";
    NationalPostalEntry e;
    ASSERT_TRUE(ParseNationalPostalLine(line, &e));
    EXPECT_EQ(e.code, "1000001");
    EXPECT_EQ(e.area, "東京都");
    EXPECT_EQ(e.city, "千代田区");
    EXPECT_EQ(e.location, "千代田");

    EXPECT_FALSE(ParseNationalPostalLine(u"1,2,3,4,5,6,7,8", &e));
    EXPECT_TRUE(ParseNationalPostalLine(u"1,2,3,4,5,6,7,8,", &e)); // the trailing comma makes field 9
    EXPECT_EQ(e.location, "");
}

TEST(NationalPostalLine, WrittenLinesReadBack)
{
    const NationalPostalEntry in{"0600000", "北海道", "札幌市中央区", "大通西（１〜１９丁目）\"x\""};
    const QString line = NationalPostalCsvLine(in, "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "");
    EXPECT_EQ(SplitCommaText(line).size(), 15);
    NationalPostalEntry out;
    ASSERT_TRUE(ParseNationalPostalLine(line, &out));
    EXPECT_EQ(out.code, in.code);
    EXPECT_EQ(out.area, in.area);
    EXPECT_EQ(out.city, in.city);
    EXPECT_EQ(out.location, in.location);
    EXPECT_EQ(SplitCommaText(line).at(1), "060  ");
}

} // namespace
