#include "core/settings/EditionProfile.h"

#include "core/settings/Editions.h"

namespace {

using Buttons = std::vector<FieldButton>;

Buttons makeButtons(const QString &prefix, const std::vector<std::pair<QString, int>> &entries)
{
    Buttons buttons;
    int n = 1;
    for (const auto &[caption, id] : entries) {
        FieldButton b;
        b.name = prefix + QString::number(n++);
        if (id != 0) {
            b.caption = caption;
            b.itemId = id;
        }
        buttons.push_back(b);
    }
    return buttons;
}

Buttons firstGroup()
{
    return makeButtons("btn", {{"郵便番号1", 1}, {"郵便番号2", 2}, {"住所1", 3}, {"住所2", 4}, {"住所3", 5},
                               {"氏名", 6}, {"TEL1", 8}, {"TEL2", 9}, {"TEL3", 10}, {{}, 0}});
}

Buttons secondGroup(int edition)
{
    if (edition == 10)
        return makeButtons("sbtn", {{"郵便番号1", 101}, {"郵便番号2", 102}, {"住所1", 103}, {"住所2", 104},
                                    {"住所3", 105}, {"氏名", 106}, {"口座番号1", 151}, {"口座番号2", 152},
                                    {"口座番号3", 153}, {"加入者名", 116}, {"金額", 41}});
    const bool pieces = edition == 40 || edition == 50;
    return makeButtons("sbtn", {{"郵便番号1", 11}, {"郵便番号2", 12}, {"住所1", 13}, {"住所2", 14}, {"氏名", 16},
                                {"TEL1", 18}, {"TEL2", 19}, {"TEL3", 20}, {"個数", pieces ? 70 : 0}, {{}, 0},
                                {{}, 0}});
}

Buttons thirdGroup(int edition)
{
    const QString ideographic = QStringLiteral("品\u3000名");
    switch (edition) {
    case 10:
        return makeButtons("gbtn", {{"通信欄1", 31}, {"通信欄2", 32}, {"通信欄3", 33}, {"通信欄4", 34},
                                    {"通信欄5", 35}, {"加入者名", 16}, {"口座番号1", 51}, {"口座番号2", 52},
                                    {"口座番号3", 53}, {"金額", 141}, {{}, 0}, {{}, 0}, {{}, 0}, {{}, 0}});
    case 20:
        return makeButtons("gbtn", {{ideographic + "1", 31}, {ideographic + "2", 32}, {ideographic + "3", 33},
                                    {ideographic + "4", 34}, {"希望月", 22}, {"希望日", 23}, {"午前中", 61},
                                    {"12～14時", 62}, {"14～16時", 63}, {"16～18時", 64}, {"18～20時", 65},
                                    {"20～21時", 66}, {"希望なし", 67}, {{}, 0}});
    case 30:
        return makeButtons("gbtn", {{"品 名1", 31}, {"品 名2", 32}, {"品 名3", 33}, {"品 名4", 34}, {"希望月", 22},
                                    {"希望日", 23}, {"引換金", 41}, {"午前中", 61}, {"12～14時", 62},
                                    {"14～16時", 63}, {"16～18時", 64}, {"18～20時", 65}, {"20～21時", 66},
                                    {{}, 0}});
    case 50:
        return makeButtons("gbtn", {{ideographic + "1", 31}, {ideographic + "2", 32}, {ideographic + "3", 33},
                                    {ideographic + "4", 34}, {"希望月", 22}, {"希望日", 23}, {"10時～12時", 61},
                                    {"12時～14時", 62}, {"14時～16時", 63}, {"16時～18時", 64},
                                    {"18時～20時", 65}, {"日付年", 121}, {"日付月", 122}, {"日付日", 123}});
    case 40:
    default:
        return makeButtons("gbtn", {{ideographic + "1", 31}, {ideographic + "2", 32}, {ideographic + "3", 33},
                                    {ideographic + "4", 34}, {"予定月", 22}, {"予定日", 23}, {"保険金", 71},
                                    {{}, 0}, {{}, 0}, {{}, 0}, {{}, 0}, {{}, 0}, {{}, 0}, {{}, 0}});
    }
}

// The window as designed, before any edition's profile is applied; the
// words for the parties are the edition's (applyWords).
EditionProfile designProfile(int code)
{
    EditionProfile p;
    p.editionCode = code;
    p.title = InitialApplicationTitle();
    p.itemListCaption = "通信欄リスト";
    p.fixedItemsFrameCaption = "通信欄";
    p.fixedItemLabels = QStringList{"通信欄1:", "通信欄2:", "通信欄3:", "通信欄4:"};
    p.fixedAmountLabel = "金額:";
    p.group1 = firstGroup();
    p.group2 = secondGroup(40);
    p.group3 = thirdGroup(40);
    return p;
}

// The words for the parties and the items: the payment slip's in edition 10,
// the waybill's in every other edition. An edition without a profile prints
// waybills too, so it takes the waybill words rather than the design's mix
// of both (ご依頼人リスト over a waybill form).
void applyWords(EditionProfile &p, int code)
{
    const bool slip = code == 10;
    const QString sender = slip ? "加入者名" : code == 50 ? "荷送人" : "ご依頼主";
    const QString party = slip ? "ご依頼人" : "お届け先";
    p.editCaption = slip ? "払込取扱票編集" : "送り状編集";
    p.senderFrameCaption = sender;
    p.senderSearchCaption = sender + "検索";
    p.listPageCaption = party + "リスト";
    p.editConsigneeCaption = "選択中の" + party + "を修正";
    p.previewEditCaption = "選択中の" + party + "を" + p.editCaption;
    p.newConsigneeCaption = party + "を新規登録";
    p.deleteCheckedCaption = "チェックを入れた" + party + "を削除";
    p.exportConsigneesCaption = party + "をCSVに書き出す";
    p.group1Caption = party;
    p.group2Caption = slip ? "受領証側" : sender;
    p.group3Caption = slip ? "通信欄等" : "品名等";
    p.itemExchangeCaption = slip ? "チェックを入れたご依頼人の通信欄を入れ替える"
                                 : "チェックを入れたお届け先の品名を入れ替える";
    p.fixedItemsOptionCaption = slip         ? "加入者名・通信欄・金額を固定する"
                                : code == 30 ? "ご依頼主・品名・代金引換額を固定する"
                                : code == 50 ? "荷送人・品名を固定する"
                                             : "ご依頼主・品名を固定する";
    if (!slip) {
        p.itemListCaption = "品名リスト";
        p.fixedItemsFrameCaption = (code == 30 || code == 50) ? "品名" : "品名等";
        p.fixedItemLabels = QStringList{"品名1", "品名2", "品名3", "品名4"};
        if (code == 30)
            p.fixedAmountLabel = "代金引換額:";
    }
}

} // namespace

EditionProfile ProfileFor(int code)
{
    EditionProfile p = designProfile(code);
    applyWords(p, code);
    const bool known = code == 10 || code == 20 || code == 30 || code == 40 || code == 50;
    if (known) {
        const Edition &e = EditionFor(code);
        p.hasProfile = true;
        p.title = e.title;
        p.iconFile = e.identifier + ".ico";
        p.logoFile = e.identifier + ".png";
        p.defaultStyleFile = e.defaultStyleFile;
        p.barPicture = code == 10 ? "bar2.bmp" : code == 20 ? "bar3.bmp" : code == 30 ? "bar4.bmp"
                     : code == 40 ? "bar6.bmp" : "bar5.bmp";
        p.yenMarkVisible = code == 10 || code == 30;
        p.fixedAmountVisible = code == 10 || code == 30;
        p.paperKindSelectorVisible = false;
        p.printDateVisible = code == 50;
        p.group2 = secondGroup(code);
        p.group3 = thirdGroup(code);
    }
    p.registerConsigneeCaption = "履歴から" + p.group1Caption + "登録";
    return p;
}

const std::vector<PaperKindInfo> &PaperKinds()
{
    static const std::vector<PaperKindInfo> kinds = {
        {0, "元払用紙1", "元払1", "zerrat.sle"},
        {1, "代引用紙1", "代引1", "d_zerrat.sle"},
        {2, "元払用紙2", "元払2", "zerrat2.sle"},
        {3, "代引用紙2", "代引2", "d_zerrat2.sle"},
    };
    return kinds;
}
