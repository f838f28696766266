#include "support/AddressBookFixture.h"
#include "support/LayoutTestSupport.h"

#include "core/addressbook/RecordAssembly.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"

#include <QFile>

class RecordAssemblyTest : public AddressBookFixture
{
protected:
    void SetUp() override
    {
        AddressBookFixture::SetUp();
        for (int i = 1; i <= 4; ++i)
            nameSender(i, QString("送り主%1").arg(i));
        style.NewStyle();
    }
    PrintRecord assemble(const QString &rd, const AssemblyOptions &o)
    {
        RecordAssembly assembly(db, {addressDb, membersDb, dir.filePath("singledata.txt"), 40});
        PrintRecord record;
        assembly.currentData(rd, o, record, style);
        return record;
    }
    AssemblyOptions listPage(int selectedSender, bool itemFix = false)
    {
        AssemblyOptions o;
        o.listPageActive = true;
        o.selectedSenderId = selectedSender;
        o.itemFix = itemFix;
        o.fixItem[0] = "りんご";
        o.fixKingaku = "500";
        return o;
    }
    StyleData style;
};

TEST_F(RecordAssemblyTest, SenderComesFromTheItemRowUnlessItemsAreFixed)
{
    const QString withRow = addConsignee("山田", "1234567", "東京都", "港区", "03-1-2", "ビル");
    const QString withoutRow = addConsignee("佐藤");
    addItemRow(withRow, 40, 3, "みかん", "0", "0");
    addItemRow(withoutRow, 50, 4, "other edition");
    struct Case {
        QString rd;
        bool itemFix;
        QString sender;
    } cases[] = {
        {withRow, false, "送り主3"},    // the item row's sender beats the selected 2
        {withRow, true, "送り主2"},     // the fixed-items option makes the selection win
        {withoutRow, false, "送り主1"}, // no item row for this edition: sender 1
        {QString(), false, "送り主2"},  // no consignee: the selected sender
        {"999", false, "送り主1"},      // a consignee that no longer exists: empty, sender 1
    };
    for (const Case &c : cases)
        EXPECT_EQ(assemble(c.rd, listPage(2, c.itemFix)).slot(32), c.sender) << c.rd.toStdString() << c.itemFix;
}

TEST_F(RecordAssemblyTest, ConsigneeSlotsAndZeroCountsBecomeEmpty)
{
    const QString id = addConsignee("山田", "1234567", "東京都", "港区", "03-1-2", "ビル");
    addItemRow(id, 40, 3, "みかん", "0", "0");
    const PrintRecord r = assemble(id, listPage(1));
    EXPECT_EQ(r.slot(7), id);
    EXPECT_EQ(r.slot(8), "山田");
    EXPECT_EQ(r.slot(12), "1234567");
    EXPECT_EQ(r.slot(13), "東京都港区");
    EXPECT_EQ(r.slot(41), "ビル");
    EXPECT_EQ(r.slot(17), "みかん");
    EXPECT_EQ(r.slot(26), ""); // num 0
    EXPECT_EQ(r.slot(29), ""); // hoken 0
}

TEST_F(RecordAssemblyTest, EveryPartOfALongTelephoneIsPrinted)
{
    for (int id : {8, 9, 10, 108, 109, 110})
        style.appendLine(layouttest::charItem(id, "old"));
    const QString id = addConsignee("山田", "6008216", "京都府", "京都市", "075-414-4321-99");
    assemble(id, listPage(1));
    const auto printed = [this](int item) { return layouttest::field(style.line(style.findItem(item)), 20); };
    for (int base : {0, 100}) {
        EXPECT_EQ(printed(base + 8), "075");
        EXPECT_EQ(printed(base + 9), "414");
        EXPECT_EQ(printed(base + 10), "4321-99");
    }
}

TEST_F(RecordAssemblyTest, FixedItemsReplaceAndUntickingBringsBackThisConsigneesItems)
{
    const QString a = addConsignee("A");
    const QString b = addConsignee("B");
    addItemRow(a, 40, 1, "Aの品");
    addItemRow(b, 40, 1, "Bの品");
    RecordAssembly assembly(db, {addressDb, membersDb, dir.filePath("singledata.txt"), 40});
    PrintRecord record;
    assembly.currentData(a, listPage(1, false), record, style);
    assembly.currentData(b, listPage(1, true), record, style); // assembled while fixed
    EXPECT_EQ(record.slot(17), "りんご");
    EXPECT_EQ(record.slot(18), "");
    EXPECT_EQ(record.slot(25), "500");
    assembly.applyFixedItems(listPage(1, false), record, style);
    EXPECT_EQ(record.slot(17), "Bの品"); // B's own items, not A's
}

TEST_F(RecordAssemblyTest, OtherPagesUseTheSingleDataFileWithTheSelectedSender)
{
    PrintRecord file;
    file.setSlot(8, "単票の宛先");
    file.setSlot(32, "ファイルの送り主");
    ASSERT_TRUE(SaveSingleData(dir.filePath("singledata.txt"), file));
    AssemblyOptions o;
    o.selectedSenderId = 4;
    const PrintRecord r = assemble("1", o);
    EXPECT_EQ(r.slot(8), "単票の宛先");
    EXPECT_EQ(r.slot(32), "送り主4");
}

TEST_F(RecordAssemblyTest, RowsReadAheadGiveTheSameRecordsAsRowsReadOneByOne)
{
    const QString own = addConsignee("山田", "1234567", "東京都", "港区", "03-1-2", "ビル");
    addItemRow(own, 40, 3, "茶");
    addItemRow(own, 30, 4, "他の版");
    const QString noItems = addConsignee("佐藤");
    const QString otherEdition = addConsignee("鈴木");
    addItemRow(otherEdition, 30, 2, "他の版だけ");
    const QString unknownSender = addConsignee("高橋");
    addItemRow(unknownSender, 40, 99, "知らない送り主");
    const QStringList ids{own, noItems, otherEdition, unknownSender, QStringLiteral("9999"), QString()};

    for (const bool itemFix : {false, true}) {
        const AssemblyOptions o = listPage(2, itemFix);
        RecordAssembly ahead(db, {addressDb, membersDb, dir.filePath("singledata.txt"), 40});
        ahead.prefetch(ids);
        for (const QString &id : ids) {
            PrintRecord record;
            ahead.currentData(id, o, record, style);
            EXPECT_EQ(record.texts(), assemble(id, o).texts()) << "consignee '" << id.toStdString() << "'";
        }
    }
}

TEST_F(RecordAssemblyTest, PagesReadAheadNeedNoStatementOfTheirOwn)
{
    if (onServer())
        GTEST_SKIP() << "the files taken out of reach are the local ones";
    const QString id = addConsignee("山田", "1234567", "東京都", "港区", "03-1-2");
    addItemRow(id, 40, 3, "茶");
    const AssemblyOptions o = listPage(1);
    const QStringList expected = assemble(id, o).texts();
    RecordAssembly ahead(db, {addressDb, membersDb, dir.filePath("singledata.txt"), 40});
    ahead.prefetch({id});
    // With both files out of reach, the page still gets its consignee, items and sender.
    ASSERT_TRUE(QFile::rename(addressDb, addressDb + ".away"));
    ASSERT_TRUE(QFile::rename(membersDb, membersDb + ".away"));
    PrintRecord record;
    ahead.currentData(id, o, record, style);
    EXPECT_EQ(record.texts(), expected);
    ahead.dropPrefetch();
    ahead.currentData(id, o, record, style);
    EXPECT_NE(record.texts(), expected);
}
