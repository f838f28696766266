#include "core/settings/EditionProfile.h"

#include <gtest/gtest.h>

namespace {

QStringList visibleCaptions(const std::vector<FieldButton> &buttons)
{
    QStringList captions;
    for (const FieldButton &b : buttons)
        if (b.visible())
            captions << b.caption + "(" + QString::number(b.itemId) + ")";
    return captions;
}

TEST(EditionProfile, CaptionsAndVisibilityFollowTheEdition)
{
    const EditionProfile p10 = ProfileFor(10);
    EXPECT_EQ(p10.listPageCaption, "ご依頼人リスト");
    EXPECT_EQ(p10.group2Caption, "受領証側");
    EXPECT_EQ(p10.editCaption, "払込取扱票編集");
    EXPECT_EQ(p10.previewEditCaption, "選択中のご依頼人を払込取扱票編集");
    EXPECT_EQ(p10.itemListCaption, "通信欄リスト");
    EXPECT_EQ(p10.fixedAmountLabel, "金額:");
    EXPECT_EQ(p10.registerConsigneeCaption, "履歴からご依頼人登録");
    EXPECT_TRUE(p10.yenMarkVisible);

    const EditionProfile p30 = ProfileFor(30);
    EXPECT_TRUE(p30.yenMarkVisible);
    EXPECT_TRUE(p30.fixedAmountVisible);
    EXPECT_EQ(p30.fixedAmountLabel, "代金引換額:");
    EXPECT_EQ(p30.fixedItemsFrameCaption, "品名");
    EXPECT_EQ(p30.group3[0].caption, "品 名1");

    const EditionProfile p40 = ProfileFor(40);
    EXPECT_FALSE(p40.yenMarkVisible);
    EXPECT_FALSE(p40.fixedAmountVisible);
    EXPECT_FALSE(p40.printDateVisible);
    EXPECT_EQ(visibleCaptions(p40.group3).mid(4),
              QStringList({"予定月(22)", "予定日(23)", "保険金(71)"}));
    EXPECT_EQ(p40.group3[0].caption, QString::fromUtf8("品\u3000名1"));

    const EditionProfile p50 = ProfileFor(50);
    EXPECT_TRUE(p50.printDateVisible);
    EXPECT_EQ(p50.senderFrameCaption, "荷送人");
    EXPECT_EQ(p50.fixedItemsOptionCaption, "荷送人・品名を固定する");
    EXPECT_EQ(visibleCaptions(p50.group3).mid(11), QStringList({"日付年(121)", "日付月(122)", "日付日(123)"}));
    EXPECT_EQ(p50.barPicture, "bar5.bmp");
}

TEST(EditionProfile, FieldButtonGroupsPerEdition)
{
    EXPECT_EQ(visibleCaptions(ProfileFor(20).group1),
              QStringList({"郵便番号1(1)", "郵便番号2(2)", "住所1(3)", "住所2(4)", "住所3(5)", "氏名(6)", "TEL1(8)",
                           "TEL2(9)", "TEL3(10)"}));
    EXPECT_EQ(visibleCaptions(ProfileFor(10).group2).last(), "金額(41)");
    EXPECT_EQ(visibleCaptions(ProfileFor(20).group2).size(), 8);
    EXPECT_EQ(visibleCaptions(ProfileFor(40).group2).last(), "個数(70)");
    EXPECT_EQ(visibleCaptions(ProfileFor(20).group3).last(), "希望なし(67)");
    EXPECT_EQ(ProfileFor(20).group3.size(), 14u);
    for (const FieldButton &b : ProfileFor(20).group3)
        if (!b.visible())
            EXPECT_EQ(b.itemId, 0);
}

// Edition 60 prints waybills: without a profile of its own it keeps the
// window's design (no title, pictures or default layout, the paper kinds
// offered), but speaks of its parties and items in the waybill editions'
// words, not in the payment slip's (ご依頼人リスト, 通信欄リスト).
TEST(EditionProfile, EditionWithoutProfileUsesTheWaybillWords)
{
    const EditionProfile p = ProfileFor(60);
    EXPECT_FALSE(p.hasProfile);
    EXPECT_TRUE(p.defaultStyleFile.isEmpty());
    EXPECT_TRUE(p.barPicture.isEmpty());
    EXPECT_TRUE(p.paperKindSelectorVisible);

    const EditionProfile waybill = ProfileFor(40);
    const struct {
        const char *name;
        QString EditionProfile::*caption;
    } captions[] = {
        {"editCaption", &EditionProfile::editCaption},
        {"senderFrameCaption", &EditionProfile::senderFrameCaption},
        {"senderSearchCaption", &EditionProfile::senderSearchCaption},
        {"listPageCaption", &EditionProfile::listPageCaption},
        {"editConsigneeCaption", &EditionProfile::editConsigneeCaption},
        {"previewEditCaption", &EditionProfile::previewEditCaption},
        {"newConsigneeCaption", &EditionProfile::newConsigneeCaption},
        {"deleteCheckedCaption", &EditionProfile::deleteCheckedCaption},
        {"exportConsigneesCaption", &EditionProfile::exportConsigneesCaption},
        {"group1Caption", &EditionProfile::group1Caption},
        {"group2Caption", &EditionProfile::group2Caption},
        {"group3Caption", &EditionProfile::group3Caption},
        {"itemExchangeCaption", &EditionProfile::itemExchangeCaption},
        {"fixedItemsOptionCaption", &EditionProfile::fixedItemsOptionCaption},
        {"itemListCaption", &EditionProfile::itemListCaption},
        {"fixedItemsFrameCaption", &EditionProfile::fixedItemsFrameCaption},
        {"registerConsigneeCaption", &EditionProfile::registerConsigneeCaption},
    };
    for (const auto &c : captions)
        EXPECT_EQ(p.*c.caption, waybill.*c.caption) << c.name;
    EXPECT_EQ(p.fixedItemLabels, waybill.fixedItemLabels);
    EXPECT_EQ(p.listPageCaption, "お届け先リスト");
    EXPECT_EQ(p.itemListCaption, "品名リスト");
    EXPECT_EQ(p.registerConsigneeCaption, "履歴からお届け先登録");
}

} // namespace
