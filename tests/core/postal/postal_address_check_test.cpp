// A postal code judged against the address written for it, in the variants
// clerks and order mails actually use.

#include "core/data/Database.h"
#include "core/postal/PostalAddressCheck.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A few lines of the national table as the shipped database holds them.
PostalAddressTable SmallTable()
{
    PostalAddressTable table;
    table.add("1000001", "東京都", "千代田区", "千代田");
    table.add("1000005", "東京都", "千代田区", "丸の内");
    table.add("1000013", "東京都", "千代田区", "霞が関");
    table.add("0600010", "北海道", "札幌市中央区", "北十条西");
    table.add("3502200", "埼玉県", "鶴ヶ島市", "");
    table.add("4980000", "愛知県", "弥富市", "");
    table.add("4980000", "三重県", "桑名郡木曽岬町", "");
    table.add("6048001", "京都府", "京都市中京区", "上大阪町");
    table.add("0180126", "秋田県", "にかほ市", "象潟町１丁目塩越");
    table.add("2410822", "神奈川県", "横浜市旭区", "さちが丘");
    table.add("1830000", "東京都", "府中市", "");
    return table;
}

TEST(PostalAddressCheck, JudgesCodesAgainstAddressesInTheirUsualVariants)
{
    const PostalAddressTable table = SmallTable();
    using R = PostalCheckResult;
    const struct {
        const char *code;
        const char *address;
        PostalCheckResult expected;
    } cases[] = {
        // matching, as the conversion writes it and as people type it
        {"100-0005", "東京都千代田区丸の内1-9-1", R::Matches},
        {"1000005", "東京都千代田区丸の内一丁目9番1号", R::Matches},
        {"１００－０００５", "東京都　千代田区 丸の内１－９－１", R::Matches},
        {"100-0005", "千代田区丸の内1-9-1", R::Matches},        // no prefecture
        {"100-0005", "東京千代田区丸ノ内1-9-1", R::Matches},     // 都 left out, ノ for の
        {"100-0013", "東京都千代田区霞ヶ関3-1-1", R::Matches},   // ヶ for が
        {"060-0010", "北海道札幌市中央区北10条西2丁目", R::Matches}, // digits for kanji numerals
        {"350-2200", "埼玉県鶴ケ島市大字脚折1-1", R::Matches},   // town not in the table, ケ for ヶ
        {"498-0000", "三重県木曽岬町西対海地251", R::Matches},   // second city of the code, district left out
        {"604-8001", "京都府京都市中京区河原町通三条上る上大阪町1", R::Matches}, // Kyoto's streets before the town
        {"018-0126", "秋田県にかほ市象潟町一丁目塩越23", R::Matches}, // kanji numeral and 丁目 for the table's １丁目
        {"241-0822", "神奈川県横浜市旭区さちケ丘12", R::Matches},
        {"100-0005", "東京都千代田区", R::Matches},              // stops at the city
        // mismatching
        {"100-0005", "東京都新宿区西新宿2-8-1", R::CityMismatch},
        {"183-0000", "広島県府中市府川町315", R::CityMismatch},   // same city name, other prefecture
        {"100-0005", "東京都千代田区永田町1-7-1", R::TownMismatch},
        {"999-9999", "東京都千代田区丸の内1-9-1", R::UnknownCode},
        {"100-00", "東京都千代田区丸の内1-9-1", R::MalformedCode},
        {"100-000A", "東京都千代田区丸の内1-9-1", R::MalformedCode},
        // nothing to compare
        {"", "東京都千代田区丸の内1-9-1", R::NotChecked},
        {"100-0005", "", R::NotChecked},
        {"100-0005", "　 ", R::NotChecked},
    };
    for (const auto &c : cases) {
        const PostalAddressCheck check = CheckPostalAddress(table, QString::fromUtf8(c.code), QString::fromUtf8(c.address));
        EXPECT_EQ(int(check.result), int(c.expected)) << c.code << " " << c.address;
        EXPECT_EQ(check.isMismatch(), c.expected >= R::MalformedCode) << c.code << " " << c.address;
    }
}

TEST(PostalAddressCheck, SaysWhatTheTableExpects)
{
    const PostalAddressTable table = SmallTable();
    EXPECT_EQ(CheckPostalAddress(table, "1000005", "東京都新宿区西新宿").explanation(),
              "郵便番号 100-0005 の住所は「東京都千代田区丸の内」です");
    EXPECT_EQ(CheckPostalAddress(table, "4980000", "東京都新宿区西新宿").explanation(),
              "郵便番号 498-0000 の住所は「愛知県弥富市、三重県桑名郡木曽岬町」です");
    EXPECT_EQ(CheckPostalAddress(table, "9999999", "東京都新宿区").explanation(),
              "郵便番号 999-9999 は郵便番号データにありません");
    EXPECT_EQ(CheckPostalAddress(table, "12", "東京都新宿区").explanation(), "郵便番号が7桁の数字ではありません");
    EXPECT_TRUE(CheckPostalAddress(table, "1000005", "東京都千代田区丸の内").explanation().isEmpty());
}

TEST(PostalAddressCheck, ComparisonTextFoldsTheUsualVariants)
{
    const struct {
        const char *a, *b;
    } same[] = {
        {"丸の内一丁目９番１号", "丸の内1-9-1"},
        {"北二十三条西", "北23条西"},
        {"５の２", "5-2"},
        {"3ー5", "3-5"},
        {"ｶﾞｰﾃﾞﾝ 通り", "ガーデン通り"}, // half-width katakana, long mark kept inside words
    };
    for (const auto &s : same)
        EXPECT_EQ(AddressComparisonText(QString::fromUtf8(s.a)), AddressComparisonText(QString::fromUtf8(s.b)))
            << s.a << " / " << s.b;
    EXPECT_EQ(PostalCodeDigits("１００－０００１"), "1000001");
    EXPECT_EQ(PostalCodeDigits("100 0001"), "1000001");
    EXPECT_TRUE(PostalCodeDigits("1000001 A").isEmpty());
}

TEST(PostalAddressCheck, LoadsTheShippedTable)
{
    const QString path = qEnvironmentVariable("KORVEL_TEST_PROGRAM_DIR") + "/databaseXe2/zipcode.db3";
    if (!QFileInfo(path).isFile())
        GTEST_SKIP() << "no zipcode.db3 in the program folder (postal package not fetched)";
    Database db;
    PostalAddressTable table;
    ASSERT_FALSE(table.load(db, path).isError());
    EXPECT_GT(table.codeCount(), 110000);
    EXPECT_EQ(int(CheckPostalAddress(table, "100-0005", "東京都千代田区丸の内1-9-1").result), int(PostalCheckResult::Matches));
    EXPECT_EQ(int(CheckPostalAddress(table, "160-0023", "東京都新宿区西新宿2-8-1").result), int(PostalCheckResult::Matches));
    EXPECT_EQ(int(CheckPostalAddress(table, "160-0023", "東京都千代田区丸の内1-9-1").result),
              int(PostalCheckResult::CityMismatch));

    PostalAddressTable missing;
    EXPECT_TRUE(missing.load(db, path + ".absent").isError());
    EXPECT_TRUE(missing.isEmpty());
}

} // namespace
