// The editing dialogs' field rules and statements, without windows.

#include "support/DialogFixture.h"

#include "core/addressbook/ConsigneeEditPresentation.h"
#include "core/addressbook/ConsigneeForm.h"
#include "core/addressbook/DataEditPresentation.h"
#include "core/addressbook/EditorInput.h"
#include "core/addressbook/EditorText.h"
#include "core/addressbook/SenderEditPresentation.h"
#include "core/addressbook/SenderForm.h"
#include "core/addressbook/SingleDataForm.h"

#include <gtest/gtest.h>

namespace {

std::string s(const QString &text)
{
    return text.toStdString();
}

} // namespace

TEST(EditorText, JoinsKeepBothSeparatorsButNoTelephoneStaysEmpty)
{
    // Three empty telephone boxes are no number; "--" would be printed.
    EXPECT_EQ(s(JoinTelephone("", "", "")), "");
    EXPECT_EQ(s(JoinTelephone("03", "1234", "5678")), "03-1234-5678");
    EXPECT_EQ(s(JoinTelephone("", "", "5678")), "--5678");
    EXPECT_EQ(s(JoinDate("", "", "")), "//");
    EXPECT_EQ(s(JoinDate("", "12", "24")), "/12/24");
}

TEST(EditorText, SplitsStoredPostalCodesWithOrWithoutTheirHyphen)
{
    // A code stored as "100-0005" (typed so into another program, or in an
    // old file) used to load as 100 and -000 and lose its last digit on save.
    const struct {
        const char *stored, *first, *second;
    } cases[] = {{"1000005", "100", "0005"}, {"100-0005", "100", "0005"}, {"100－0005", "100", "0005"},
                 {"100", "100", ""},         {"", "", ""},                {"12345678", "123", "4567"}};
    for (const auto &c : cases) {
        EXPECT_EQ(s(PostalPart1(QString::fromUtf8(c.stored))), c.first) << c.stored;
        EXPECT_EQ(s(PostalPart2(QString::fromUtf8(c.stored))), c.second) << c.stored;
    }
}

TEST(EditorText, CountsCharactersAndChecksIdentifiers)
{
    EXPECT_EQ(CharacterCount(QString::fromUtf8("𠮷田")), 2);
    EXPECT_EQ(CharacterCount(QString()), 0);
    EXPECT_TRUE(IsRecordId("12"));
    for (const char *bad : {"", "1 OR 1=1", "-1", "１２", "3;DROP TABLE address"})
        EXPECT_FALSE(IsRecordId(QString::fromUtf8(bad))) << bad;
}

TEST(EditorInput, WholeNumbersAreDigitsWithFullWidthOnesFolded)
{
    const struct {
        const char *typed, *normal;
        bool ok;
    } cases[] = {
        {"", "", true},          {"3000", "3000", true}, {"１２３", "123", true}, {" ２ ", "2", true},
        {"abc-12.5x", "abc-12.5x", false}, {"3,000", "3,000", false}, {"-1", "-1", false}, {"1.5", "1.5", false},
    };
    for (const auto &c : cases) {
        QString text = QString::fromUtf8(c.typed);
        EXPECT_EQ(NormalizeWholeNumber(text), c.ok) << c.typed;
        EXPECT_EQ(s(text), c.normal) << c.typed;
    }
}

TEST(EditorInput, DatesAreRealDaysOrEmpty)
{
    const struct {
        const char *year, *month, *day;
        bool ok;
    } cases[] = {
        {"", "", "", true},       {"", "12", "24", true},    {"", "2", "29", true},     {"2023", "2", "29", false},
        {"2024", "2", "29", true}, {"", "１２", "２４", true}, {"", "13", "1", false},   {"", "4", "31", false},
        {"", "0", "1", false},    {"", "12", "", false},     {"", "", "5", false},      {"2024", "", "", false},
        {"", "1a", "2", false},   {"", "123", "1", false},
    };
    for (const auto &c : cases) {
        QString year = QString::fromUtf8(c.year), month = QString::fromUtf8(c.month), day = QString::fromUtf8(c.day);
        EXPECT_EQ(NormalizeDate(year, month, day), c.ok) << c.year << "/" << c.month << "/" << c.day;
    }
}

TEST(EditorInput, ViolationNamesTheFirstShownBoxAndNormalisesTheRest)
{
    QString amount = "１２００", pieces = "2個", hidden = "abc", year, month = "２", day = "３０";
    QString notice = NumberAndDateViolation({{&amount, "金 額", true}, {&hidden, "保険金額", false}, {&pieces, "個　数", true}},
                                            {&year, &month, &day, "お届け予定日", true, false});
    EXPECT_EQ(s(notice), "[保存できませんでした]個　数には数字だけを入力してください。\r\n2個");
    EXPECT_EQ(s(amount), "1200");
    pieces = "2";
    notice = NumberAndDateViolation({{&amount, "金 額", true}, {&pieces, "個　数", true}},
                                    {&year, &month, &day, "お届け予定日", true, false});
    EXPECT_EQ(s(notice), "[保存できませんでした]お届け予定日が正しい日付ではありません。\r\n２月３０日"); // as typed
    day = "28";
    EXPECT_EQ(s(NumberAndDateViolation({{&pieces, "個　数", true}}, {&year, &month, &day, "お届け予定日", true, false})),
              "");
    EXPECT_EQ(s(month), "2");
    EXPECT_EQ(s(hidden), "abc"); // a hidden box is left as it is
}

// ---- Single-print data ------------------------------------------------------

TEST(SingleDataForm, SplitsOnLoadAndJoinsOnStore)
{
    PrintRecord record;
    record.setSlot(8, "山田太郎");
    record.setSlot(12, "1234567");
    record.setSlot(15, "03-1234");
    record.setSlot(22, "/12/24");
    record.setSlot(25, "3000");
    record.setSlot(16, "500");
    record.setSlot(41, "ビル3F");
    const SingleDataForm f = SingleDataForm::fromRecord(record, 30);
    EXPECT_EQ(s(f.yubin1), "123");
    EXPECT_EQ(s(f.yubin2), "4567");
    // An area code and a four-digit group: the group is the subscriber number.
    EXPECT_EQ(s(f.tel1), "03");
    EXPECT_EQ(s(f.tel2), "");
    EXPECT_EQ(s(f.tel3), "1234");
    EXPECT_EQ(s(f.year), "");
    EXPECT_EQ(s(f.month), "12");
    EXPECT_EQ(s(f.day), "24");
    EXPECT_EQ(s(f.kingaku), "3000");
    EXPECT_EQ(s(f.address3), "ビル3F");
    EXPECT_EQ(s(SingleDataForm::fromRecord(record, 10).kingaku), "500");

    SingleDataForm empty;
    PrintRecord out;
    empty.storeInto(out, 30, QString());
    EXPECT_EQ(s(out.slot(15)), "");
    EXPECT_EQ(s(out.slot(22)), "//");
    EXPECT_EQ(s(out.slot(23)), "");
    f.storeInto(out, 30, "印刷しない");
    EXPECT_EQ(s(out.slot(12)), "1234567");
    EXPECT_EQ(s(out.slot(15)), "03--1234");
    EXPECT_EQ(s(out.slot(22)), "/12/24");
    EXPECT_EQ(s(out.slot(23)), "印刷しない");
    EXPECT_EQ(s(out.slot(25)), "3000");
    EXPECT_EQ(out.size(), PrintRecord::SlotCount);
}

TEST(SingleDataForm, ConvertedAddressFollowsThePrefectureOption)
{
    EXPECT_EQ(s(ConvertedAddressLine("東京都", "千代田区", "千代田", 0)), "東京都千代田区千代田");
    EXPECT_EQ(s(ConvertedAddressLine("東京都", "千代田区", "千代田", 1)), "千代田区千代田");
    EXPECT_EQ(s(ConvertedAddressLine("", "", "", 0)), "");
}

// ---- Presentations ------------------------------------------------------------

TEST(Presentations, TimeChoicesPerEditionAndDialog)
{
    const struct {
        int edition;
        int customerCount;
        const char *customerLast;
        int dataCount;
        const char *dataLast;
    } cases[] = {
        {10, 0, "", 0, ""},
        {20, 7, "希望しない", 7, "希望しない"},
        {30, 7, "希望なし", 7, "印刷しない"},
        {40, 0, "", 0, ""},
        {50, 6, "希望なし", 6, "希望なし"},
        {60, 7, "印刷しない", 7, "印刷しない"},
    };
    for (const auto &c : cases) {
        const QStringList customer = ConsigneeEditPresentation::forEdition(c.edition).timeChoices;
        const QStringList data = DataEditPresentation::forEdition(c.edition).timeChoices;
        EXPECT_EQ(customer.size(), c.customerCount) << c.edition;
        EXPECT_EQ(data.size(), c.dataCount) << c.edition;
        if (c.customerCount)
            EXPECT_EQ(s(customer.last()), c.customerLast) << c.edition;
        if (c.dataCount)
            EXPECT_EQ(s(data.last()), c.dataLast) << c.edition;
    }
    // The tilde is the full-width one of the layouts' time marks.
    EXPECT_EQ(DataEditPresentation::forEdition(20).timeChoices.at(1), QString::fromUtf8("12時\uFF5E14時"));
}

TEST(Presentations, CaptionsPerEdition)
{
    EXPECT_EQ(s(SenderEditPresentation::forEdition(50).title), "荷送人");
    EXPECT_TRUE(SenderEditPresentation::forEdition(10).accountShown);
    EXPECT_FALSE(SenderEditPresentation::forEdition(10).addressShown);
    EXPECT_EQ(s(SenderEditPresentation::forEdition(60).title), "差出人編集");
    EXPECT_EQ(s(DataEditPresentation::forEdition(10).title), "払込取扱票編集");
    EXPECT_EQ(s(DataEditPresentation::forEdition(50).itemCaptions[0]), "品　名1");
    EXPECT_FALSE(DataEditPresentation::forEdition(40).timeShown);
    EXPECT_FALSE(DataEditPresentation::forEdition(20).amountShown);
    // Every edition's single-print editor names its block in words, never a
    // placeholder left from a form designer.
    EXPECT_EQ(s(DataEditPresentation::forEdition(60).blockLabel), "お届け先");
    EXPECT_EQ(s(ConsigneeEditPresentation::forEdition(10).heading), "ご依頼人編集");
    EXPECT_EQ(s(ConsigneeEditPresentation::forEdition(30).amountCaption), "代金引換額");
    EXPECT_FALSE(ConsigneeEditPresentation::forEdition(40).amountShown);
}

// ---- Sender ---------------------------------------------------------------------

TEST(SenderForm, LengthLimitIsSixtyCharactersCheckedInOrder)
{
    SenderForm f;
    f.namae = QString(60, QChar(0x3042));
    EXPECT_TRUE(f.lengthError().isEmpty());
    f.namae = QString::fromUtf8("𠮷").repeated(60); // 120 UTF-16 units, 60 characters
    EXPECT_TRUE(f.lengthError().isEmpty());
    f.namae = QString(61, QChar(0x3042));
    EXPECT_EQ(f.lengthError(), QString::fromUtf8("[保存できませんでした]名前が長すぎます。\r\n") + f.namae);
    f.city = QString(61, 'c');
    EXPECT_TRUE(f.lengthError().contains(QString::fromUtf8("名前が長すぎます")));
    f.namae.clear();
    EXPECT_TRUE(f.lengthError().startsWith(QString::fromUtf8("[保存できませんでした]市区が長すぎます。")));
    f.city.clear();
    f.location = QString(61, 'l');
    EXPECT_TRUE(f.lengthError().contains(QString::fromUtf8("番地")));
    f.location.clear();
    f.building = QString(61, 'b');
    EXPECT_TRUE(f.lengthError().contains(QString::fromUtf8("建物")));
}

TEST(SenderForm, StatementsKeepQuotesAndTheTelephoneJoin)
{
    DialogFixture fx(40, false);
    SenderForm f;
    f.namae = "O'Neil商店";
    f.yubin1 = "100";
    f.yubin2 = "0001";
    f.area = "東京都";
    f.city = "千代田区";
    f.tag[0] = "00120";
    ASSERT_TRUE(fx.exec(fx.context().addressDbPath, f.insertSql()));
    RowList rows = fx.query(fx.context().addressDbPath, SenderForm::selectSql("5"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(s(rows.value(0, 1)), "O'Neil商店");
    EXPECT_EQ(s(rows.value(0, 2)), "1000001");
    EXPECT_EQ(s(rows.value(0, 7)), "");

    SenderForm loaded = SenderForm::fromRow(rows.row(0));
    EXPECT_EQ(s(loaded.yubin2), "0001");
    loaded.city = "港区'";
    ASSERT_TRUE(fx.exec(fx.context().addressDbPath, loaded.updateSql("5")));
    rows = fx.query(fx.context().addressDbPath, SenderForm::selectSql("5"));
    EXPECT_EQ(s(rows.value(0, 4)), "港区'");

    PrintRecord record;
    CopySenderToRecord(rows.row(0), record);
    EXPECT_EQ(s(record.slot(32)), "O'Neil商店");
    EXPECT_EQ(s(record.slot(33)), "1000001");
    EXPECT_EQ(s(record.slot(34)), "東京都港区'");
    EXPECT_EQ(s(record.slot(38)), "00120");
}

// ---- Consignee --------------------------------------------------------------------

TEST(ConsigneeForm, NewConsigneeWithItemRowAndRemarksOnTwoLines)
{
    DialogFixture fx(30, false);
    ConsigneeForm f;
    f.namae = "山田\r\n花子";
    f.yubin1 = "100";
    f.yubin2 = "0001";
    f.notes = "一行目\r\n二行目";
    f.kingaku = "3000";
    f.month = "12";
    f.day = "24";
    f.timeSelect = "午前中";
    f.companyId = "2";
    ASSERT_TRUE(fx.exec(fx.context().addressDbPath, f.addressInsertSql()));
    RowList rows = fx.query(fx.context().addressDbPath, ConsigneeForm::selectSql("1"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(s(rows.value(0, 1)), "山田花子"); // line breaks go everywhere but the remarks
    EXPECT_EQ(s(rows.value(0, 9)), "一行目\r\n二行目");
    EXPECT_EQ(s(rows.value(0, 8)), "");

    ASSERT_TRUE(fx.exec(fx.context().membersDbPath, f.itemInsertSql("1", 30)));
    rows = fx.query(fx.context().membersDbPath, ConsigneeForm::itemSelectSql("1", 30));
    ASSERT_EQ(rows.size(), 1);
    ConsigneeForm back;
    back.loadItemRow(rows.row(0), 30);
    EXPECT_EQ(s(back.kingaku), "3000");
    EXPECT_EQ(s(back.companyId), "2");
    EXPECT_EQ(s(back.month), "12");
    EXPECT_EQ(s(back.timeSelect), "午前中");
    EXPECT_EQ(s(fx.query(fx.context().membersDbPath, "select arrivedate, uriage from memberitem").value(0, 0)), "/12/24");
}

TEST(ConsigneeForm, AmountColumnsByEdition)
{
    ConsigneeForm f;
    f.kingaku = "1500";
    const struct {
        int edition;
        const char *uriage;
        const char *daibiki;
    } cases[] = {{10, "1500", ""}, {20, "", ""}, {30, "", "1500"}, {40, "", ""}, {50, "", ""}, {60, "", "1500"}};
    for (const auto &c : cases) {
        EXPECT_EQ(s(f.uriageValue(c.edition)), c.uriage) << c.edition;
        EXPECT_EQ(s(f.daibikiValue(c.edition)), c.daibiki) << c.edition;
    }
}

TEST(ConsigneeForm, ItemRowLoadingRules)
{
    // userid, kind, companyID, uriage, itemname1..5, arrivedate, timeselect, daibiki, num, kg, charge, hoken, notes
    const QStringList row = {"3", "30", "7", "800", "りんご", "", "", "", "", "2024/5/1", "14時～16時", "0",
                             "2", "5", "", "10000", "メモ"};
    ConsigneeForm f;
    f.loadItemRow(row, 30);
    EXPECT_EQ(s(f.companyId), "7");
    EXPECT_EQ(s(f.kingaku), ""); // a stored 0 shows as nothing
    EXPECT_EQ(s(f.year), "2024");
    EXPECT_EQ(s(f.day), "1");
    EXPECT_EQ(s(f.timeSelect), "14時～16時");
    EXPECT_EQ(s(f.value), "10000");
    ConsigneeForm payment;
    payment.loadItemRow(row, 10);
    EXPECT_EQ(s(payment.kingaku), "800");
    EXPECT_EQ(s(payment.timeSelect), "");
}
