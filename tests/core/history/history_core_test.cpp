// The sending history's core: the list query with its sort and search, the
// column texts, the reprint into the print record, the registration as a
// consignee and the edit form's checks and statements.

#include "support/AddressBookFixture.h"

#include "core/history/HistoryColumns.h"
#include "core/history/HistoryConsigneeFill.h"
#include "core/history/HistoryEditForm.h"
#include "core/history/HistoryEntry.h"
#include "core/history/HistoryList.h"
#include "core/history/HistoryReprint.h"
#include "core/layout/PrintRecord.h"

#include <QMap>
#include <utility>

namespace {

class HistoryCoreTest : public AddressBookFixture
{
protected:
    QStringList listIds(int kind, int sortState, const QString &search = QString())
    {
        // The order the page shows: its identifiers, read without their texts.
        DatabaseError error;
        const QVector<qint64> rows = ReadHistoryIds(db, membersDb, kind, sortState, search, &error);
        EXPECT_FALSE(error.isError()) << error.message.toStdString();
        QStringList ids;
        for (qint64 id : rows)
            ids << QString::number(id);
        return ids;
    }

    HistoryEntry entry(const QString &id)
    {
        const std::optional<HistoryEntry> e = ReadHistoryEntry(db, membersDb, id);
        EXPECT_TRUE(e.has_value());
        return e.value_or(HistoryEntry());
    }
};

TEST(HistorySortTest, FirstClicksAndSecondClicksFollowTheTable)
{
    struct Case {
        int state, column, expected;
    };
    const Case cases[] = {
        {2, 2, 12},  {12, 2, 2},  {2, 1, 1},   {1, 1, 11},  {11, 1, 1},  {2, 3, 13}, {13, 3, 3},
        {2, 4, 4},   {4, 4, 14},  {14, 4, 4},  {2, 5, 5},   {2, 6, 6},   {6, 6, 16}, {2, 7, 7},
        {2, 8, 18},  {18, 8, 8},  {8, 8, 18},  {2, 9, 19},  {19, 9, 9},  {12, 0, 12}};
    for (const Case &c : cases)
        EXPECT_EQ(HistorySortAfterClick(c.state, c.column), c.expected) << c.state << " col " << c.column;
}

TEST(HistorySortTest, HeadersCarryTheArrowOfTheSortState)
{
    EXPECT_EQ(HistoryHeaderText(2, 40, HistoryInitialSortState), "送付日↓");
    EXPECT_EQ(HistoryHeaderText(2, 40, HistorySortAfterClick(HistoryInitialSortState, 2)), "送付日↑");
    EXPECT_EQ(HistoryHeaderText(1, 40, 2), "No");
    EXPECT_EQ(HistoryHeaderText(8, 40, 18), "品名↑");
    EXPECT_EQ(HistoryHeaderText(8, 10, 8), "通信欄↓");
    EXPECT_EQ(HistoryHeaderText(6, 10, 2), "金額");
    EXPECT_EQ(HistoryHeaderText(6, 30, 16), "代金引換額↑");
    EXPECT_EQ(HistoryHeaderText(6, 60, 2), "");
    EXPECT_EQ(HistoryHeaderText(7, 60, 2), "");
    EXPECT_EQ(HistoryHeaderText(7, 50, 7), "伝票番号↓");
}

TEST(HistorySortTest, OrderClausesFollowTheEdition)
{
    // Ties by identifier in the direction of the sort, on either engine.
    EXPECT_EQ(HistoryOrderClause(2, 40), " order by senderdate desc,id desc");
    EXPECT_EQ(HistoryOrderClause(12, 40), " order by senderdate asc,id asc");
    EXPECT_EQ(HistoryOrderClause(11, 40), " order by id asc");
    EXPECT_EQ(HistoryOrderClause(16, 10), " order by uriage asc,id asc");
    EXPECT_EQ(HistoryOrderClause(6, 30), " order by uriage desc,id desc");
    EXPECT_EQ(HistoryOrderClause(6, 20), " order by arrivedate desc,id desc");
    EXPECT_EQ(HistoryOrderClause(6, 60), " order by id");
    EXPECT_EQ(HistoryOrderClause(0, 40), " order by id");
}

TEST(HistoryColumnsTest, ColumnSixShowsAmountOrDateByEdition)
{
    struct Case {
        int edition;
        const char *uriage, *arrivedate, *expected;
    };
    const Case cases[] = {
        {20, "", "/12/24", "12/24"}, {20, "", "//", ""},       {50, "", "/1/", "1/"},
        {40, "500", "2024/12/24", "2024/12/24"},               {10, "0", "/12/24", ""},
        {10, "3000", "", "3000"},    {30, "4500", "/1/2", "4500"}, {60, "3000", "/1/2", ""},
        {20, "9", "", ""},           {40, "", "/0", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HistoryColumn6Text(c.edition, c.uriage, c.arrivedate), QString::fromUtf8(c.expected))
            << c.edition << " " << c.uriage << " " << c.arrivedate;
}

TEST(HistoryColumnsTest, AlignmentAndSelectionColours)
{
    EXPECT_EQ(HistoryColumnAlignment(6, 10), HistoryAlignment::Right);
    EXPECT_EQ(HistoryColumnAlignment(6, 20), HistoryAlignment::Left);
    EXPECT_EQ(HistoryColumnAlignment(6, 60), HistoryAlignment::Hidden);
    EXPECT_EQ(HistoryColumnAlignment(7, 40), HistoryAlignment::Right);
    EXPECT_EQ(HistoryColumnAlignment(7, 30), HistoryAlignment::Left);
    EXPECT_EQ(HistoryColumnAlignment(7, 60), HistoryAlignment::Hidden);
    EXPECT_EQ(HistoryColumnAlignment(3, 60), HistoryAlignment::Left);
    // Luminance 90 of 240 raised by 45 and by 10; hue and saturation kept.
    const QColor top = HistorySelectionTop(), bottom = HistorySelectionBottom();
    EXPECT_NEAR(top.toHsl().lightnessF() * 240, 135, 1.5);
    EXPECT_NEAR(bottom.toHsl().lightnessF() * 240, 100, 1.5);
    EXPECT_GT(top.blue(), top.red());
    EXPECT_GT(top.lightness(), bottom.lightness());
    EXPECT_EQ(LuminanceRaised(QColor(250, 250, 250), 45), QColor(255, 255, 255));
}

TEST_F(HistoryCoreTest, StartUpOrderIsNewestSendDateFirstAndOnlyTheEdition)
{
    const QString a = addHistory(40, {{"senderdate", "2024-03-01"}, {"namae1", "あ"}});
    const QString b = addHistory(40, {{"senderdate", "2024-05-01"}, {"namae1", "い"}});
    const QString c = addHistory(40, {{"senderdate", "2024-04-01"}, {"namae1", "う"}});
    addHistory(50, {{"senderdate", "2024-06-01"}, {"namae1", "え"}});
    EXPECT_EQ(listIds(40, HistoryInitialSortState), QStringList({b, c, a}));
    EXPECT_EQ(listIds(40, 12), QStringList({a, c, b}));
    EXPECT_EQ(listIds(40, 13), QStringList({a, b, c}));
    DatabaseError error;
    const QVector<HistoryListRow> rows = ReadHistoryList(db, membersDb, 40, 2, QString(), &error);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].date, "2024/05/01");
}

TEST_F(HistoryCoreTest, RowsOfOneDayAreNewestFirstUnderNewestFirst)
{
    const QString a = addHistory(40, {{"senderdate", "2024-05-01"}, {"namae1", "朝"}});
    const QString b = addHistory(40, {{"senderdate", "2024-05-02"}, {"namae1", "翌日"}});
    const QString c = addHistory(40, {{"senderdate", "2024-05-01"}, {"namae1", "昼"}});
    const QString d = addHistory(40, {{"senderdate", "2024-05-01"}, {"namae1", "夕"}});
    EXPECT_EQ(listIds(40, HistoryInitialSortState), QStringList({b, d, c, a}));
    EXPECT_EQ(listIds(40, HistorySortAfterClick(HistoryInitialSortState, 2)), QStringList({a, c, d, b}));
}

TEST_F(HistoryCoreTest, EverySortStateGivesTheOrderOfTheListQuery)
{
    // Distinct values in every sort column, inserted out of every order: mixed
    // scripts, numbers stored as numbers and as text, and one NULL each.
    for (int i = 0; i < 24; ++i) {
        const int k = (i * 7) % 24; // a permutation of 0..23
        QMap<QString, QString> columns{
            {"senderdate", QString("2024-%1-%2").arg(k % 12 + 1, 2, 10, QChar('0')).arg(k / 12 + 10)},
            {"namae1", QStringList{"山田", "やまだ", "Yamada", "ヤマダ"}.at(k % 4) + QString::number(k)},
            {"address1", QString::number((k * 5) % 24) + "丁目"},
            {"tel", QString("03-%1").arg((k * 11) % 24)},
            {"uriage", k % 3 ? QString::number(k * 100) : "円" + QString::number(k)},
            {"arrivedate", QString("/%1/%2").arg(k % 12 + 1).arg(k)},
            {"number", QString::number((k * 13) % 24 + 1000)},
            {"itemname1", QStringList{"りんご", "Apple", "林檎"}.at(k % 3) + QString::number(k)},
            {"userid", QString::number((k * 17) % 24)},
        };
        if (i == 5)
            columns.remove("tel");
        addHistory(30, columns);
        addHistory(40, columns);
    }
    for (int column = 1; column <= 9; ++column) {
        for (int state : {column, column + 10}) {
            QStringList expected;
            for (const QString &row : query(membersDb, HistorySelectSql(30, state, QString())))
                expected << row.section('|', 0, 0);
            EXPECT_EQ(listIds(30, state), expected) << "sort state " << state;
        }
    }
}

TEST_F(HistoryCoreTest, SearchIgnoresTheSortStateAndMatchesThirteenColumnsLiterally)
{
    const QString byName = addHistory(40, {{"senderdate", "2024-01-01"}, {"namae1", "りんご園"}});
    addHistory(40, {{"senderdate", "2024-09-01"}, {"namae1", "みかん"}});
    const QString byItem = addHistory(40, {{"senderdate", "2024-02-01"}, {"itemname4", "青りんご"}});
    const QString byCharge = addHistory(40, {{"senderdate", "2023-01-01"}, {"charge", "りんご"}});
    addHistory(20, {{"namae1", "りんご"}});
    const QString quoted = addHistory(40, {{"address3", "O'Hara 100%"}});
    addHistory(40, {{"address3", "O Hara 1000"}});

    for (int state : {2, 12, 13, 19})
        EXPECT_EQ(listIds(40, state, "りんご"), QStringList({byCharge, byItem, byName})) << state;
    EXPECT_EQ(listIds(40, 2, "O'Hara 100%"), QStringList({quoted}));
    EXPECT_EQ(listIds(40, 2, "_"), QStringList());
}

TEST_F(HistoryCoreTest, IdentifiersThenRowsGiveTheWholeListInItsOrder)
{
    const QString a = addHistory(40, {{"senderdate", "2024-03-01"}, {"namae1", "りんご園"}, {"tel", "03-1-2"}});
    const QString b = addHistory(40, {{"senderdate", "2024-05-01"}, {"namae1", "い"}});
    const QString c = addHistory(40, {{"senderdate", "2024-04-01"}, {"itemname1", "りんご"}});
    addHistory(50, {{"senderdate", "2024-06-01"}, {"namae1", "りんご"}});
    for (const auto &[state, search] : {std::pair{HistoryInitialSortState, QString()}, std::pair{12, QString()},
                                        std::pair{13, QString()}, std::pair{2, QString("りんご")}}) {
        const QVector<HistoryListRow> whole = ReadHistoryList(db, membersDb, 40, state, search);
        DatabaseError error;
        const QVector<qint64> ids = ReadHistoryIds(db, membersDb, 40, state, search, &error);
        ASSERT_FALSE(error.isError());
        const QVector<HistoryListRow> rows = ReadHistoryRows(db, membersDb, 40, ids, &error);
        ASSERT_FALSE(error.isError());
        ASSERT_EQ(rows.size(), whole.size()) << state;
        for (int r = 0; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r].id, whole[r].id) << state;
            EXPECT_EQ(rows[r].date, whole[r].date);
            EXPECT_EQ(rows[r].name, whole[r].name);
            EXPECT_EQ(rows[r].tel, whole[r].tel);
            EXPECT_EQ(rows[r].items, whole[r].items);
        }
    }
    EXPECT_EQ(ReadHistoryIds(db, membersDb, 40, HistoryInitialSortState, QString()),
              QVector<qint64>({b.toLongLong(), c.toLongLong(), a.toLongLong()}));

    // Rows in the order asked for; a row deleted meanwhile keeps only its number.
    ASSERT_FALSE(db.ExecSql("DELETE FROM sender WHERE ID=" + b));
    const QVector<HistoryListRow> rows =
        ReadHistoryRows(db, membersDb, 40, {a.toLongLong(), b.toLongLong(), c.toLongLong()});
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].name, "りんご園");
    EXPECT_EQ(rows[1].id, b);
    EXPECT_EQ(rows[1].name, "");
    EXPECT_EQ(rows[1].date, "");
    EXPECT_EQ(rows[2].items, "りんご   ");
}

TEST_F(HistoryCoreTest, ListRowsJoinAddressesAndItemsAndDropEmptyTelephoneParts)
{
    addHistory(20, {{"address1", "東京都港区"}, {"address2", "芝1-2"}, {"address3", "ビル3F"}, {"tel", "--"},
                    {"itemname1", "りんご"}, {"itemname3", "なし"}, {"arrivedate", "/12/24"}, {"number", "1234"},
                    {"userid", "7"}});
    addHistory(20, {{"tel", "03-1234-5678"}, {"arrivedate", "//"}});
    DatabaseError error;
    const QVector<HistoryListRow> rows = ReadHistoryList(db, membersDb, 20, 1, QString(), &error);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1].address, "東京都港区芝1-2ビル3F");
    EXPECT_EQ(rows[1].tel, "");
    EXPECT_EQ(rows[1].items, "りんご  なし ");
    EXPECT_EQ(rows[1].column6, "12/24");
    EXPECT_EQ(rows[1].number, "1234");
    EXPECT_EQ(rows[1].userid, "7");
    EXPECT_EQ(rows[0].tel, "03-1234-5678");
    EXPECT_EQ(rows[0].column6, "");
}

TEST_F(HistoryCoreTest, ListRowsShowOtherDateFormsAndDropOnlyPairedHyphens)
{
    const struct {
        const char *senderdate, *tel, *date, *shownTel;
    } cases[] = {
        {"2024-5-1", "03--1234", "2024/05/01", "031234"},
        {"2024-05-01 10:20:30", "---", "2024/05/01", "-"},
        {"2024-02-30", "----", "2024-02-30", ""}, // no date: shown as stored
        {"", "03-1234-5678", "", "03-1234-5678"},
        {"きのう", "０３ー１２", "きのう", "０３ー１２"},
    };
    for (const auto &c : cases)
        addHistory(30, {{"senderdate", QString::fromUtf8(c.senderdate)}, {"tel", QString::fromUtf8(c.tel)}});
    DatabaseError error;
    const QVector<HistoryListRow> rows = ReadHistoryList(db, membersDb, 30, 11, QString(), &error);
    ASSERT_EQ(rows.size(), int(std::size(cases)));
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].date, QString::fromUtf8(cases[i].date)) << i;
        EXPECT_EQ(rows[i].tel, QString::fromUtf8(cases[i].shownTel)) << i;
    }
}

TEST_F(HistoryCoreTest, ReprintKeepsWeightAndChargeAndEmptiesDateTimeAndSenderTelephone)
{
    const QString id = addHistory(40, {{"userid", "12"}, {"namae1", "山田"}, {"zipcode", "1000001"},
                                       {"address1", "東京都"}, {"address2", "千代田1"}, {"address3", "ビル"},
                                       {"tel", "0312345678"}, {"uriage", "800"}, {"itemname2", "なし"},
                                       {"arrivedate", "/1/2"}, {"timeselect", "午前中"}, {"num", "2"},
                                       {"kg", "5"}, {"hoken", "3000"}, {"snamae1", "会社名2"},
                                       {"szipcode", "5300001"}, {"saddress1", "大阪府"}, {"saddress2", "梅田"},
                                       {"stel", "06-1-2"}, {"snumber1", "A"}, {"snumber3", "C"}});
    PrintRecord record;
    for (int i = 0; i < PrintRecord::SlotCount; ++i)
        record.setSlot(i, QString("old%1").arg(i));
    ApplyHistoryToRecord(entry(id), 40, record);
    EXPECT_EQ(record.slot(7), "12");
    EXPECT_EQ(record.slot(8), "山田");
    EXPECT_EQ(record.slot(12), "1000001");
    EXPECT_EQ(record.slot(13), "東京都");
    EXPECT_EQ(record.slot(41), "ビル");
    // A number stored without hyphens is cut into its three parts.
    EXPECT_EQ(record.slot(15), "03-1234-5678");
    EXPECT_EQ(record.slot(25), "800");
    EXPECT_EQ(record.slot(16), "old16");
    EXPECT_EQ(record.slot(17), "");
    EXPECT_EQ(record.slot(18), "なし");
    EXPECT_EQ(record.slot(22), "");
    EXPECT_EQ(record.slot(23), "");
    EXPECT_EQ(record.slot(26), "2");
    EXPECT_EQ(record.slot(27), "old27");
    EXPECT_EQ(record.slot(28), "old28");
    EXPECT_EQ(record.slot(29), "3000");
    EXPECT_EQ(record.slot(32), "会社名2");
    EXPECT_EQ(record.slot(36), "");
    EXPECT_EQ(record.slot(38), "A");
    EXPECT_EQ(record.slot(40), "C");
}

TEST_F(HistoryCoreTest, AmountsFollowTheEdition)
{
    const QString printed30 = addHistory(30, {{"daibiki", "4500"}});
    const QString edited30 = addHistory(30, {{"uriage", "5000"}});
    const QString slip = addHistory(10, {{"uriage", "1200"}, {"daibiki", "99"}});
    PrintRecord record;
    ApplyHistoryToRecord(entry(printed30), 30, record);
    EXPECT_EQ(record.slot(25), "4500");
    ApplyHistoryToRecord(entry(edited30), 30, record);
    EXPECT_EQ(record.slot(25), "5000");
    ApplyHistoryToRecord(entry(slip), 10, record);
    EXPECT_EQ(record.slot(16), "1200");
    EXPECT_EQ(HistoryEditForm::fromEntry(entry(printed30), 30).kingaku, "4500");
}

TEST_F(HistoryCoreTest, ReadingAnEntryNeedsAnIdentifier)
{
    addHistory(40, {{"namae1", "x"}});
    EXPECT_FALSE(ReadHistoryEntry(db, membersDb, "1 or 1=1").has_value());
    EXPECT_FALSE(ReadHistoryEntry(db, membersDb, "").has_value());
    EXPECT_FALSE(ReadHistoryEntry(db, membersDb, "999").has_value());
    EXPECT_TRUE(ReadHistoryEntry(db, membersDb, "1").has_value());
}

TEST_F(HistoryCoreTest, SenderIsFoundByItsTrimmedName)
{
    const QVector<QStringList> rows = {{"1", "会社名1"}, {"3", " 山田商店　"}, {"4", "山田商店"}};
    EXPECT_EQ(FindSenderByName(rows, "山田商店"), 1);
    EXPECT_EQ(FindSenderByName(rows, " 会社名1 "), 0);
    EXPECT_EQ(FindSenderByName(rows, "会社名2"), -1);
    EXPECT_EQ(SenderNotFoundMessage("ご依頼主", "会社名2"), "ご依頼主[会社名2]が見つかりません。");
}

TEST_F(HistoryCoreTest, RegistrationSplitsThePrefectureAndFindsTheConsignee)
{
    const QString consignee = addConsignee("山田");
    const QString id = addHistory(20, {{"userid", consignee}, {"address1", "京都府京都市"}, {"zipcode", "6008001"},
                                       {"tel", "075-123-4567"}, {"arrivedate", "/12/24"}, {"daibiki", "700"},
                                       {"uriage", "300"}, {"timeselect", "午前中"}, {"snamae1", "会社名3"}});
    const HistoryEntry e = entry(id);
    const HistoryConsigneeFill f = HistoryConsigneeFill::fromEntry(e, 20);
    EXPECT_EQ(f.prefecture, "京都府");
    EXPECT_EQ(f.city, "京都市");
    EXPECT_EQ(f.zipcode1, "600");
    EXPECT_EQ(f.zipcode2, "8001");
    EXPECT_EQ(f.tel2, "123");
    EXPECT_EQ(f.year, "");
    EXPECT_EQ(f.month, "12");
    EXPECT_EQ(f.day, "24");
    EXPECT_EQ(f.amount, "300");
    EXPECT_EQ(HistoryConsigneeFill::fromEntry(e, 30).amount, "700");
    EXPECT_EQ(f.senderName, "会社名3");
    EXPECT_EQ(ExistingConsigneeOf(db, addressDb, e), consignee);

    HistoryEntry gone = e;
    gone.userid = "999";
    EXPECT_EQ(ExistingConsigneeOf(db, addressDb, gone), "");
    gone.userid = "";
    EXPECT_EQ(ExistingConsigneeOf(db, addressDb, gone), "");
    gone.address1 = "千代田区";
    EXPECT_EQ(HistoryConsigneeFill::fromEntry(gone, 20).prefecture, "");
    EXPECT_EQ(HistoryConsigneeFill::fromEntry(gone, 20).city, "千代田区");
}

TEST_F(HistoryCoreTest, RegistrationTakesOnlyALeadingPrefectureAndKeepsEveryTelephoneDigit)
{
    const struct {
        const char *address1, *prefecture, *city;
        const char *tel, *tel1, *tel2, *tel3;
    } cases[] = {
        {"横浜市中区 神奈川県ビル", "", "横浜市中区 神奈川県ビル", "045-123-4567", "045", "123", "4567"},
        {"大阪府大阪市北区茨城県人会館", "大阪府", "大阪市北区茨城県人会館", "06－6123－4567", "06", "6123", "4567"},
        {"北海道札幌市北海道ビル", "北海道", "札幌市北海道ビル", "03-1234-5678-101", "03", "1234", "5678-101"},
        {"京都府京都市", "京都府", "京都市", "0751234567", "075", "123", "4567"},
    };
    for (const auto &c : cases) {
        const QString id = addHistory(20, {{"address1", c.address1}, {"tel", c.tel}});
        const HistoryConsigneeFill f = HistoryConsigneeFill::fromEntry(entry(id), 20);
        EXPECT_EQ(f.prefecture, c.prefecture) << c.address1;
        EXPECT_EQ(f.city, c.city) << c.address1;
        EXPECT_EQ(QStringList({f.tel1, f.tel2, f.tel3}), QStringList({c.tel1, c.tel2, c.tel3})) << c.tel;

        // A reprint joins the same three parts, so the waybill keeps them too.
        PrintRecord record;
        ApplyHistoryToRecord(entry(id), 20, record);
        EXPECT_EQ(record.slot(15), QStringList({c.tel1, c.tel2, c.tel3}).join('-')) << c.tel;
    }
}

TEST_F(HistoryCoreTest, EditFormChecksLengthsInOrder)
{
    HistoryEditForm f;
    EXPECT_EQ(f.lengthViolation(), "");
    f.namae = QString(20, u'あ');
    EXPECT_EQ(f.lengthViolation(), "");
    f.tel1 = f.tel2 = f.tel3 = "12345";
    EXPECT_EQ(f.lengthViolation(), "[保存できませんでした]電話番号が長すぎます。\r\n12345-12345-12345");
    f.namae += u'あ';
    EXPECT_TRUE(f.lengthViolation().startsWith("[保存できませんでした]氏名が長すぎます。\r\n"));
    f = HistoryEditForm();
    f.yubin1 = "123";
    f.yubin2 = "45678";
    EXPECT_TRUE(f.lengthViolation().startsWith("[保存できませんでした]郵便番号"));
    f = HistoryEditForm();
    f.goods[3] = QString(81, u'x');
    EXPECT_TRUE(f.lengthViolation().startsWith("[保存できませんでした]商品分類4"));
}

TEST_F(HistoryCoreTest, SavingInEditionThirtyStoresTheAmountInBothColumns)
{
    const QString id = addHistory(30, {{"daibiki", "4500"}, {"timeselect", "印刷しない"}, {"namae1", "O'Neil"}});
    HistoryEditForm f = HistoryEditForm::fromEntry(entry(id), 30);
    EXPECT_EQ(f.namae, "O'Neil");
    f.number = "9999-0001";
    f.kingaku = "5000";
    f.timeSelect.clear();
    f.goods[0] = "りん\r\nご";
    ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
    ASSERT_FALSE(db.ExecSql(f.updateSql(id, 30)));
    EXPECT_EQ(query(membersDb, "SELECT number,uriage,daibiki,timeselect,namae1,itemname1,tel FROM sender WHERE ID=" + id),
              QStringList({"9999-0001|5000|5000||O'Neil|りんご|"})); // no telephone: empty, not "--"

    const QString other = addHistory(40, {{"uriage", "1"}, {"daibiki", "2"}});
    ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
    ASSERT_FALSE(db.ExecSql(HistoryEditForm::fromEntry(entry(other), 40).updateSql(other, 40)));
    EXPECT_EQ(query(membersDb, "SELECT uriage,daibiki FROM sender WHERE ID=" + other), QStringList({"1|2"}));

    ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
    ASSERT_FALSE(db.ExecSql(HistoryDeleteSql(id)));
    EXPECT_FALSE(ReadHistoryEntry(db, membersDb, id).has_value());
}

} // namespace
