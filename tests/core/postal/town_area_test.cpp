#include "core/postal/TownAreaText.h"

#include <gtest/gtest.h>

namespace {

struct TownCase {
    const char *name;
    const char *raw;
    const char *clean;
};

class TownAreaTest : public testing::TestWithParam<TownCase>
{
};

TEST_P(TownAreaTest, KeepsOnlyWhatAnAddressCarries)
{
    const TownCase &c = GetParam();
    const QString clean = CleanTownArea(QString::fromUtf8(c.raw));
    EXPECT_EQ(clean, QString::fromUtf8(c.clean));
    // Cleaning twice changes nothing: the shipped table is cleaned already.
    EXPECT_EQ(CleanTownArea(clean), clean);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TownAreaTest,
    testing::Values(TownCase{"plain", "千代田", "千代田"},
                    TownCase{"empty", "", ""},
                    TownCase{"noneListed", "以下に掲載がない場合", ""},
                    TownCase{"numberFollows", "犬山市の次に番地がくる場合", ""},
                    TownCase{"numberFromFollows", "小菅村の次に６６４番地以降がくる場合", ""},
                    TownCase{"wholeTown", "軽井沢町一円", ""},
                    TownCase{"townNamedIchien", "一円", "一円"},
                    TownCase{"rangeNote", "大通西（１～１９丁目）", "大通西"},
                    TownCase{"exceptNote", "大手町（次のビルを除く）", "大手町"},
                    TownCase{"kyotoStreetNote", "一町目（上長者町通堀川東入、東堀川通上長者町上る）", "一町目"},
                    TownCase{"floor", "大手町ＪＡビル（１階）", "大手町ＪＡビル１階"},
                    TownCase{"floorOfTower", "名駅ミッドランドスクエア（高層棟）（１２階）",
                             "名駅ミッドランドスクエア（高層棟）１２階"},
                    TownCase{"basementUnknown", "大手町ＪＡビル（地階・階層不明）", "大手町ＪＡビル"},
                    TownCase{"towerBasement", "名駅ミッドランドスクエア（高層棟）（地階・階層不明）",
                             "名駅ミッドランドスクエア"},
                    TownCase{"unclosedNote", "協和（８８－２、２７１－１０、３４３－２、４０４－１、４２７－", "協和"},
                    TownCase{"runOnTail", "５、１１３７－３、１３９２、１６５７、１７５２番地）", ""},
                    TownCase{"quotesInside", "葛巻（第４０地割「５７番地１２５、１７６を除く」～第４５地割）", "葛巻"}),
    [](const testing::TestParamInfo<TownCase> &info) { return std::string(info.param.name); });

TEST(TownArea, NotesRunningOverLines)
{
    EXPECT_TRUE(TownAreaRunsOn(QStringLiteral("協和（８８－２、")));
    EXPECT_FALSE(TownAreaRunsOn(QStringLiteral("大通西（１～１９丁目）")));
    EXPECT_FALSE(TownAreaRunsOn(QStringLiteral("千代田")));
    EXPECT_FALSE(TownAreaRunsOn(QStringLiteral("１７５２番地）")));
}

} // namespace
