#include "core/import/Prefectures.h"

#include <gtest/gtest.h>

TEST(Prefectures, FortySevenInStandardOrder)
{
    const QStringList &names = PrefectureNames();
    ASSERT_EQ(names.size(), 47);
    EXPECT_EQ(names.first(), QStringLiteral("北海道"));
    EXPECT_EQ(names.at(12), QStringLiteral("東京都"));
    EXPECT_EQ(names.at(25), QStringLiteral("京都府"));
    EXPECT_EQ(names.last(), QStringLiteral("沖縄県"));
    int fourCharacters = 0;
    for (const QString &name : names) {
        EXPECT_TRUE(name.endsWith(u'都') || name.endsWith(u'道') || name.endsWith(u'府') || name.endsWith(u'県'))
            << name.toStdString();
        if (name.size() == 4)
            ++fourCharacters;
        else
            EXPECT_EQ(name.size(), 3) << name.toStdString();
    }
    EXPECT_EQ(fourCharacters, 3); // 神奈川県, 和歌山県, 鹿児島県
}

struct SplitCase {
    const char *address;
    const char *prefecture;
    const char *rest;
};

class PrefectureSplitTest : public testing::TestWithParam<SplitCase>
{
};

TEST_P(PrefectureSplitTest, SplitsOnlyANameTheAddressBeginsWith)
{
    const SplitCase &c = GetParam();
    const PrefectureSplit split = SplitLeadingPrefecture(QString::fromUtf8(c.address));
    EXPECT_EQ(split.prefecture, QString::fromUtf8(c.prefecture));
    EXPECT_EQ(split.rest, QString::fromUtf8(c.rest));
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PrefectureSplitTest,
    testing::Values(SplitCase{"東京都千代田区千代田", "東京都", "千代田区千代田"},
                    SplitCase{"大阪府大阪市北区", "大阪府", "大阪市北区"},
                    SplitCase{"京都府京都市", "京都府", "京都市"},
                    SplitCase{"神奈川県横浜市", "神奈川県", "横浜市"},
                    SplitCase{"沖縄県", "沖縄県", ""},
                    // a name further on belongs to the address and stays
                    SplitCase{"横浜市 神奈川県ビル", "", "横浜市 神奈川県ビル"},
                    // 茨城県 comes before 大阪府 in the table, but the address begins with 大阪府
                    SplitCase{"大阪府大阪市北区茨城県人会館", "大阪府", "大阪市北区茨城県人会館"},
                    // only the leading name goes; the same name further on stays
                    SplitCase{"北海道札幌市北区北海道ビル", "北海道", "札幌市北区北海道ビル"},
                    // blanks before and after the name are no part of either
                    SplitCase{"　東京都　千代田区", "東京都", "千代田区"},
                    SplitCase{" 京都府 京都市", "京都府", "京都市"},
                    // 東京都 comes before 京都府 in the table, so 東京都府中市 is Tokyo
                    SplitCase{"東京都府中市", "東京都", "府中市"},
                    SplitCase{"大阪市北区", "", "大阪市北区"},
                    SplitCase{"", "", ""}));

TEST(Prefectures, LeadingPrefectureOnlyAtTheStart)
{
    EXPECT_EQ(LeadingPrefecture(QStringLiteral("鹿児島県鹿児島市")), QStringLiteral("鹿児島県"));
    EXPECT_EQ(LeadingPrefecture(QStringLiteral("横浜市 神奈川県ビル")), QString());
    EXPECT_EQ(LeadingPrefecture(QStringLiteral("大阪府茨城県人会館")), QStringLiteral("大阪府"));
}
