#include "support/AddressBookFixture.h"

#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/ConsigneeRows.h"
#include "core/addressbook/ItemChange.h"
#include "core/addressbook/ListSort.h"

namespace {

QStringList names(const QVector<ConsigneeRow> &rows)
{
    QStringList out;
    for (const ConsigneeRow &r : rows)
        out << r.name;
    return out;
}

} // namespace

class ConsigneeListTest : public AddressBookFixture
{
protected:
    QVector<ConsigneeRow> read(const QString &search, int senderFilter = -1, bool printOnly = false)
    {
        ConsigneeQuery q{addressDb, membersDb, search, senderFilter, printOnly};
        DatabaseError error;
        const QVector<ConsigneeRow> rows = ReadConsignees(db, q, checked, &error);
        EXPECT_FALSE(error.isError()) << error.message.toStdString();
        return rows;
    }
    CheckedConsignees checked;
};

TEST_F(ConsigneeListTest, SearchMatchesAnyOfTheEightColumnsLiterally)
{
    addConsignee("山田太郎", "1000001", "東京都", "千代田区", "03-1111-2222");
    addConsignee("佐藤", "5300001", "大阪府", "北区山田町", "06-0000-0000");
    addConsignee("O'Neil", "", "", "", "", "100% ビル");
    addConsignee("a_b", "", "", "", "", "");
    addConsignee("axb", "", "", "", "", "");
    struct Case {
        const char *search;
        QStringList expected;
    } cases[] = {
        {"山田", {"山田太郎", "佐藤"}},      // name and city
        {"1000001", {"山田太郎"}},          // postal code
        {"06-", {"佐藤"}},                  // telephone
        {"'", {"O'Neil"}},                  // a quote is data, the statement stays whole
        {"%", {"O'Neil"}},                  // "%" is no wildcard
        {"_", {"a_b"}},                     // "_" is no wildcard either
        {"", {"山田太郎", "佐藤", "O'Neil", "a_b", "axb"}},
        {"見つからない", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(names(read(QString::fromUtf8(c.search))), c.expected) << c.search;
    const ConsigneeRow row = read("山田太郎").value(0);
    EXPECT_EQ(row.address, "東京都千代田区");
    EXPECT_EQ(row.zipcode, "1000001");
}

TEST_F(ConsigneeListTest, PrintOnlyIgnoresTheSearchAndListsOnlyTickedConsignees)
{
    const QString a = addConsignee("山田");
    addConsignee("佐藤");
    const QString c = addConsignee("鈴木");
    EXPECT_TRUE(read("", -1, true).isEmpty()); // nothing ticked: empty list
    checked.add(c);
    checked.add(a);
    EXPECT_EQ(names(read("佐藤", -1, true)), QStringList({"山田", "鈴木"}));
}

TEST_F(ConsigneeListTest, SenderFilterKeepsConsigneesWhoseItemRowNamesTheSenderInAnyEdition)
{
    const QString a = addConsignee("A");
    const QString b = addConsignee("B");
    addConsignee("C");
    addItemRow(a, 40, 2, "x");
    addItemRow(b, 50, 2, "y");
    addItemRow(b, 40, 3, "z");
    EXPECT_EQ(names(read("", 2)), QStringList({"A", "B"}));
    EXPECT_EQ(names(read("", 3)), QStringList({"B"}));
    EXPECT_TRUE(read("", 4).isEmpty());
}

TEST(CheckedConsigneesTest, KeepsTheOrderOfTheTicksWithoutDuplicates)
{
    CheckedConsignees list;
    list.setChecked("1", true);
    list.setChecked("3", true);
    list.setChecked("2", true);
    list.setChecked("3", true);
    EXPECT_EQ(list.ids(), QStringList({"1", "3", "2"}));
    list.setChecked("3", false);
    list.setChecked("3", true);
    EXPECT_EQ(list.ids(), QStringList({"1", "2", "3"}));
    EXPECT_FALSE(list.remove("9"));
}

TEST(ListSortTest, SortStateTogglesOnTheSameColumn)
{
    EXPECT_EQ(NextSortState(0, 2), 3);
    EXPECT_EQ(NextSortState(3, 2), -3);
    EXPECT_EQ(NextSortState(-3, 2), 3);
    EXPECT_EQ(NextSortState(-3, 3), 4);
}

TEST(ListSortTest, OrdersAsTextStableAndReversible)
{
    const QStringList ids{"2", "10", "1", "3"};
    EXPECT_EQ(SortedOrder(ids, false), QVector<int>({2, 1, 0, 3})); // "1", "10", "2", "3"
    EXPECT_EQ(SortedOrder(ids, true), QVector<int>({3, 0, 1, 2}));
    const QStringList kana{"さとう", "あべ", "かとう", "あべ"};
    EXPECT_EQ(SortedOrder(kana, false), QVector<int>({1, 3, 2, 0})); // equal keys keep their order
}

TEST_F(ConsigneeListTest, ItemChangeUpdatesExistingRowsAndInsertsMissingOnes)
{
    const QString a = addConsignee("A");
    const QString b = addConsignee("B");
    addItemRow(a, 40, 3, "old", "2");
    addItemRow(b, 50, 4, "other edition");
    ItemChangeValues v;
    v.items = true;
    v.goods[0] = "りんご";
    v.goods[1] = "it's";
    v.date = true;
    v.month = "12";
    v.day = "24";
    v.amount = false;
    v.kingaku = "999"; // not ticked: not written
    const ItemChangeOutcome outcome = ApplyItemChange(db, membersDb, {a, b}, 40, 2, v);
    EXPECT_EQ(outcome.updated, 1);
    EXPECT_EQ(outcome.inserted, 1);
    EXPECT_EQ(outcome.failed, 0);
    const QString sql = "select userid,kind,companyID,itemname1,itemname2,arrivedate,daibiki,num from memberitem "
                        "order by userid,kind";
    EXPECT_EQ(query(membersDb, sql),
              QStringList({a + "|40|2|りんご|it's|/12/24||2", // the update keeps the other columns
                           b + "|40|2|りんご|it's|/12/24||", b + "|50|4|other edition||||0"}));
}

TEST(ItemChangeSqlTest, UpdateAlwaysSetsTheSenderAndThenOnlyTheTickedGroups)
{
    ItemChangeValues v;
    v.amount = true;
    v.kingaku = "3\r\n000";
    EXPECT_EQ(ItemChangeUpdateSql(7, 10, 3, v),
              "UPDATE memberitem SET companyID='3',uriage='3000',kind='10' WHERE userID=7 and kind=10;");
    EXPECT_EQ(ItemChangeUpdateSql(7, 40, 3, v),
              "UPDATE memberitem SET companyID='3',daibiki='3000',kind='40' WHERE userID=7 and kind=40;");
    EXPECT_EQ(ItemChangeInsertSql(7, 40, 3, v),
              "INSERT INTO memberitem(userid,kind,companyID,uriage,itemname1,itemname2,itemname3,itemname4,itemname5,"
              "arrivedate,timeselect,daibiki,num,kg,charge,hoken,NOTES) "
              "VALUES('7','40','3','','','','','','','','','3000','','','','','')");
}

TEST_F(ConsigneeListTest, DeleteKeepsItemAndHistoryRowsAndExistingSkipsTheDeleted)
{
    const QString a = addConsignee("A");
    const QString b = addConsignee("B");
    addItemRow(a, 40, 1, "x");
    EXPECT_EQ(DeleteConsignees(db, addressDb, {a, "1 or 1=1"}), 1); // not a number: refused
    EXPECT_EQ(names(read("")), QStringList({"B"}));
    EXPECT_EQ(query(membersDb, "select count(*) from memberitem"), QStringList({"1"}));
    EXPECT_EQ(ExistingConsignees(db, addressDb, {a, b, "x"}), QStringList({b}));
}

TEST(ConsigneeListText, SevenDigitPostalCodesShowWithTheirHyphen)
{
    const struct {
        const char *stored, *shown;
    } cases[] = {{"1000001", "100-0001"}, {"100-0001", "100-0001"}, {"", ""},           {"12345", "12345"},
                 {"10000012", "10000012"}, {"１０００００１", "１０００００１"}, {"100000a", "100000a"}};
    for (const auto &c : cases)
        EXPECT_EQ(PostalCodeForList(QString::fromUtf8(c.stored)), QString::fromUtf8(c.shown)) << c.stored;
}
