#include "core/import/OrderMailPaste.h"
#include "core/addressbook/SingleDataForm.h"
#include "core/layout/PrintRecord.h"

#include <gtest/gtest.h>

#include <map>

namespace {

QString mail(const QString &nameLine, const QString &addressLine, const QString &telLine,
             const QString &goodsLine = QStringLiteral("テスト商品 1個"))
{
    return QStringLiteral("ご注文ありがとうございます。\r\n")
           + nameLine + QStringLiteral("\r\n") + addressLine + QStringLiteral("\r\n") + telLine
           + QStringLiteral("\r\n\r\n[商品]\r\n") + goodsLine + QStringLiteral("\r\n以上\r\n");
}

const QString kName = QStringLiteral("[送付先] 山田 太郎 (ヤマダ タロウ) 様");
const QString kAddress = QStringLiteral("〒600-8216 京都府京都市下京区");
const QString kTel = QStringLiteral("(TEL) 075-123-4567");

OrderMailResult parse(const QString &text, bool keepPrefecture = true)
{
    OrderMailOptions options;
    options.keepPrefecture = keepPrefecture;
    return ParseOrderMail(text, options);
}

TEST(OrderMailPaste, FillsTheBoxesFromTheDeliveryBlock)
{
    const OrderMailResult r = parse(mail(kName, kAddress, kTel));
    ASSERT_TRUE(r.ok) << r.notice.toStdString();
    EXPECT_TRUE(r.notice.isEmpty());
    EXPECT_EQ(r.boxes.namae, QStringLiteral("山田 太郎")); // no blank before the reading
    EXPECT_EQ(r.boxes.tel1, QStringLiteral("075"));
    EXPECT_EQ(r.boxes.tel2, QStringLiteral("123"));
    EXPECT_EQ(r.boxes.tel3, QStringLiteral("4567"));
    EXPECT_EQ(r.boxes.yubin1, QStringLiteral("600"));
    EXPECT_EQ(r.boxes.yubin2, QStringLiteral("8216"));
    EXPECT_EQ(r.boxes.address1, QStringLiteral("京都府京都市下京区"));
    EXPECT_EQ(r.boxes.goods[0], QStringLiteral("テスト商品 1個"));
}

struct FieldCase {
    const char *name;
    const char *line;
    bool keepPrefecture;
    const char *expected;
};

class OrderMailAddressTest : public testing::TestWithParam<FieldCase>
{
};

TEST_P(OrderMailAddressTest, AddressLine)
{
    const FieldCase &c = GetParam();
    const OrderMailResult r = parse(mail(kName, QString::fromUtf8(c.line), kTel), c.keepPrefecture);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boxes.address1, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Prefecture, OrderMailAddressTest,
    testing::Values(FieldCase{"kept", "〒600-8216 京都府京都市下京区", true, "京都府京都市下京区"},
                    FieldCase{"removed", "〒600-8216 京都府京都市下京区", false, "京都市下京区"},
                    FieldCase{"fourCharacters", "〒890-0000 鹿児島県鹿児島市", false, "鹿児島市"},
                    // a prefecture name inside the address is part of it: nothing is cut
                    FieldCase{"nameElsewhere", "〒231-0000 横浜市中区 神奈川県ビル", false, "横浜市中区 神奈川県ビル"},
                    FieldCase{"noPrefecture", "〒600-8216 京都市下京区", false, "京都市下京区"},
                    // an earlier prefecture of the table standing later in the address does not win
                    FieldCase{"otherNameLater", "〒530-0001 大阪府大阪市北区 茨城県人会館", false, "大阪市北区 茨城県人会館"},
                    FieldCase{"blankAfterPrefecture", "〒600-8216 京都府 京都市下京区", false, "京都市下京区"},
                    // without a postal code and with empty postal boxes the hyphens stay
                    FieldCase{"noPostalCode", "  東京都千代田区1-2-3  ", false, "千代田区1-2-3"}),
    [](const testing::TestParamInfo<FieldCase> &info) { return std::string(info.param.name); });

class OrderMailTelTest : public testing::TestWithParam<std::array<const char *, 4>>
{
};

TEST_P(OrderMailTelTest, CutAtTheHyphensKeepingEveryDigit)
{
    const auto &c = GetParam();
    const OrderMailResult r = parse(mail(kName, kAddress, QString::fromUtf8(c[0])));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boxes.tel1, QString::fromUtf8(c[1]));
    EXPECT_EQ(r.boxes.tel2, QString::fromUtf8(c[2]));
    EXPECT_EQ(r.boxes.tel3, QString::fromUtf8(c[3]));
}

INSTANTIATE_TEST_SUITE_P(Telephones, OrderMailTelTest,
                         testing::Values(std::array<const char *, 4>{"(TEL) 075-123-4567", "075", "123", "4567"},
                                         std::array<const char *, 4>{"(TEL) 090-1234-5678", "090", "1234", "5678"},
                                         std::array<const char *, 4>{"(TEL) 03-1234-5678", "03", "1234", "5678"},
                                         std::array<const char *, 4>{"(TEL) ０９０－１２３４－５６７８", "０９０", "１２３４", "５６７８"},
                                         std::array<const char *, 4>{"(TEL) 090‐1234−5678", "090", "1234", "5678"},
                                         // without hyphens: cut at fixed places, no digit dropped
                                         std::array<const char *, 4>{"(TEL) 0751234567", "075", "123", "4567"},
                                         std::array<const char *, 4>{"(TEL) 09012345678", "090", "1234", "5678"},
                                         std::array<const char *, 4>{"(TEL)03-1234", "03", "", "1234"},
                                         std::array<const char *, 4>{"", "", "", ""}));

TEST(OrderMailPaste, NameWithoutReadingKeepsTheWholeName)
{
    const OrderMailResult r = parse(mail(QStringLiteral("  [送付先] 山田 太郎 様"), kAddress, kTel));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boxes.namae, QStringLiteral("山田 太郎 様"));
}

TEST(OrderMailPaste, AddressWithoutPostalCodeGivesNoPostalCode)
{
    const OrderMailResult r = parse(mail(kName, QStringLiteral("東京都千代田区 100-0001"), kTel));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boxes.yubin1 + r.boxes.yubin2, QString());
    EXPECT_EQ(r.boxes.address1, QStringLiteral("東京都千代田区 100-0001"));
}

TEST(OrderMailPaste, LastMarkerWins)
{
    const QString text = mail(QStringLiteral("[送付先] 前 (マエ)"), kAddress, kTel)
                         + mail(QStringLiteral("[送付先] 後 (アト)"), kAddress, kTel, QStringLiteral("二つ目"));
    const OrderMailResult r = parse(text);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boxes.namae, QStringLiteral("後"));
    EXPECT_EQ(r.boxes.goods[0], QStringLiteral("二つ目"));
}

struct FailureCase {
    const char *name;
    QString text;
    bool needsLineWording;
};

class OrderMailFailureTest : public testing::TestWithParam<FailureCase>
{
};

TEST_P(OrderMailFailureTest, ChangesNothingAndSaysWhy)
{
    const FailureCase &c = GetParam();
    const OrderMailResult r = parse(c.text, false);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.notice.startsWith(OrderMailFormatNotice()));
    EXPECT_EQ(r.notice.size() > OrderMailFormatNotice().size(), c.needsLineWording);
    EXPECT_TRUE(r.boxes.namae.isEmpty());
    EXPECT_TRUE(r.boxes.tel1.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OrderMailFailureTest,
    testing::Values(
        FailureCase{"noGoodsMarker", kName + QStringLiteral("\n") + kAddress + QStringLiteral("\n") + kTel, false},
        FailureCase{"noDeliveryMarker", QStringLiteral("[商品]\nりんご\n"), false},
        FailureCase{"empty", QString(), false},
        FailureCase{"deliveryOnLastLine", QStringLiteral("[商品]\nりんご\n") + kName, true},
        FailureCase{"deliveryWithoutTelephone", QStringLiteral("[商品]\nりんご\n") + kName + QStringLiteral("\n") + kAddress, true},
        FailureCase{"goodsOnLastLine", kName + QStringLiteral("\n") + kAddress + QStringLiteral("\n") + kTel
                                           + QStringLiteral("\n[商品]\n"), true}),
    [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

// Stored over an earlier waybill, the mail leaves nothing of that waybill's
// consignee or order; the sender stays.
TEST(OrderMailPaste, ReplacesTheWholeConsigneeAndOrder)
{
    PrintRecord record;
    const struct {
        int slot;
        const char *earlier;
    } earlier[] = {{8, "前の人"},           {12, "1000001"}, {13, "東京都千代田区"}, {14, "千代田1-1"},
                   {41, "コルヴェルハイツ201"}, {15, "03-1111-2222"}, {17, "前の品"},  {18, "前の品2"},
                   {25, "3000"},            {26, "2"},       {29, "50000"},        {22, "2024/12/24"},
                   {23, "午前中"}};
    for (const auto &e : earlier)
        record.setSlot(e.slot, QString::fromUtf8(e.earlier));
    record.setSlot(32, QStringLiteral("送り主"));
    const OrderMailResult r = parse(mail(kName, kAddress, kTel));
    ASSERT_TRUE(r.ok);
    SingleDataForm{r.boxes}.storeInto(record, 30, r.boxes.timeSelect);
    const std::map<int, QString> expected{{8, "山田 太郎"}, {12, "6008216"}, {13, "京都府京都市下京区"}, {15, "075-123-4567"},
                                          {17, "テスト商品 1個"}, {22, "//"}, {32, "送り主"}};
    for (const auto &e : earlier)
        EXPECT_EQ(record.slot(e.slot), expected.count(e.slot) ? expected.at(e.slot) : QString()) << e.slot;
    EXPECT_EQ(record.slot(32), QStringLiteral("送り主"));
}

} // namespace
