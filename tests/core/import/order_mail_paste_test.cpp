#include "core/import/OrderMailPaste.h"
#include "core/layout/PrintRecord.h"

#include <gtest/gtest.h>

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

OrderMailResult parse(const QString &text, bool keepPrefecture = true, const OrderMailBoxes &current = {})
{
    OrderMailOptions options;
    options.keepPrefecture = keepPrefecture;
    return ParseOrderMail(text, current, options);
}

TEST(OrderMailPaste, FillsTheBoxesFromTheDeliveryBlock)
{
    const OrderMailResult r = parse(mail(kName, kAddress, kTel));
    ASSERT_TRUE(r.ok) << r.notice.toStdString();
    EXPECT_TRUE(r.notice.isEmpty());
    EXPECT_EQ(r.boxes.x_namae, QStringLiteral("山田 太郎 ")); // the trailing space stays
    EXPECT_EQ(r.boxes.x_tel1, QStringLiteral("075"));
    EXPECT_EQ(r.boxes.x_tel2, QStringLiteral("123"));
    EXPECT_EQ(r.boxes.x_tel3, QStringLiteral("4567"));
    EXPECT_EQ(r.boxes.x_YUBIN1, QStringLiteral("600"));
    EXPECT_EQ(r.boxes.x_YUBIN2, QStringLiteral("8216"));
    EXPECT_EQ(r.boxes.x_address1, QStringLiteral("京都府京都市下京区"));
    EXPECT_EQ(r.boxes.z_goods1, QStringLiteral("テスト商品 1個"));
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
    EXPECT_EQ(r.boxes.x_address1, QString::fromUtf8(c.expected));
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
    EXPECT_EQ(r.boxes.x_tel1, QString::fromUtf8(c[1]));
    EXPECT_EQ(r.boxes.x_tel2, QString::fromUtf8(c[2]));
    EXPECT_EQ(r.boxes.x_tel3, QString::fromUtf8(c[3]));
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
    EXPECT_EQ(r.boxes.x_namae, QStringLiteral("山田 太郎 様"));
}

TEST(OrderMailPaste, AddressWithoutPostalCodeKeepsThePreviousBoxes)
{
    OrderMailBoxes current;
    current.x_YUBIN1 = QStringLiteral("100");
    current.x_YUBIN2 = QStringLiteral("0001");
    const OrderMailResult r = parse(mail(kName, QStringLiteral("東京都千代田区 100-0001"), kTel), true, current);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boxes.x_YUBIN1, QStringLiteral("100"));
    EXPECT_EQ(r.boxes.x_YUBIN2, QStringLiteral("0001"));
    EXPECT_EQ(r.boxes.x_address1, QStringLiteral("東京都千代田区")); // the code was taken out
}

TEST(OrderMailPaste, LastMarkerWins)
{
    const QString text = mail(QStringLiteral("[送付先] 前 (マエ)"), kAddress, kTel)
                         + mail(QStringLiteral("[送付先] 後 (アト)"), kAddress, kTel, QStringLiteral("二つ目"));
    const OrderMailResult r = parse(text);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.boxes.x_namae, QStringLiteral("後 "));
    EXPECT_EQ(r.boxes.z_goods1, QStringLiteral("二つ目"));
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
    OrderMailBoxes current;
    current.x_namae = QStringLiteral("元の名前");
    current.x_YUBIN1 = QStringLiteral("111");
    const OrderMailResult r = parse(c.text, false, current);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.notice.startsWith(OrderMailFormatNotice()));
    EXPECT_EQ(r.notice.size() > OrderMailFormatNotice().size(), c.needsLineWording);
    EXPECT_EQ(r.boxes.x_namae, QStringLiteral("元の名前"));
    EXPECT_EQ(r.boxes.x_YUBIN1, QStringLiteral("111"));
    EXPECT_TRUE(r.boxes.x_tel1.isEmpty());
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

TEST(OrderMailPaste, StoresTheBoxesIntoTheirSlots)
{
    PrintRecord record;
    record.setSlot(14, QStringLiteral("keep"));
    const OrderMailResult r = parse(mail(kName, kAddress, kTel));
    StoreOrderMailBoxes(record, r.boxes);
    EXPECT_EQ(record.slot(17), QStringLiteral("テスト商品 1個"));
    EXPECT_EQ(record.slot(15), QStringLiteral("075-123-4567"));
    EXPECT_EQ(record.slot(8), QStringLiteral("山田 太郎 "));
    EXPECT_EQ(record.slot(12), QStringLiteral("6008216"));
    EXPECT_EQ(record.slot(13), QStringLiteral("京都府京都市下京区"));
    EXPECT_EQ(record.slot(14), QStringLiteral("keep"));
    EXPECT_EQ(record.size(), PrintRecord::SlotCount);
}

} // namespace
