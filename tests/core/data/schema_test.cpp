#include "support/QtPrinters.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SearchIndex.h"
#include "core/data/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The column definitions of a table as declared ("name type"), in order, read
// back from the file's own schema text; blanks between name and type count as one.
QStringList columnsOf(Database &db, const QString &table)
{
    const QString sql =
        db.QueryRows("SELECT sql FROM sqlite_master WHERE type='table' AND name='" + table + "'").rows.value(0, 0);
    const QString body = sql.mid(sql.indexOf('(') + 1, sql.lastIndexOf(')') - sql.indexOf('(') - 1);
    QStringList out;
    QString current;
    int depth = 0;
    for (QChar c : body) {
        if (c == '(')
            ++depth;
        if (c == ')')
            --depth;
        if (c == ',' && depth == 0) {
            out << current.simplified();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        out << current.simplified();
    return out;
}

// The program's own tables: those of the search index (FTS5's) are left out.
QStringList tablesInCreationOrder(Database &db)
{
    QStringList out;
    const QueryResult r = db.QueryRows("SELECT name FROM sqlite_master WHERE type='table' AND name<>'sqlite_sequence' "
                                       "AND name NOT GLOB '*_search*' ORDER BY rowid");
    for (const QStringList &row : r.rows.rows())
        out << row.value(0);
    return out;
}

class SchemaTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Database db;
};

TEST_F(SchemaTest, AddressDatabaseHasItsTablesAndFourDefaultSenders)
{
    const QString file = dir.filePath("addressXe2.db3");
    ASSERT_FALSE(CreateAddressDatabase(db, file).isError());
    EXPECT_EQ(tablesInCreationOrder(db), QStringList({"address", "company"}));
    EXPECT_TRUE(HasSearchIndex(db, ConsigneeSearchIndex()));
    EXPECT_EQ(columnsOf(db, "address"), QString("ID INTEGER PRIMARY KEY AUTOINCREMENT|KIND INTEGER|NAMAE1 VARCHAR (40)|furigana1 varchar(40)|namae2 varchar(40)|furigana2 varchar(40)|birth date|zipcode varchar(7)|area varchar(20)|city varchar(60)|location varchar(60)|building varchar(60)|tel varchar(15)|fax varchar(15)|keitai varchar(15)|email varchar(60)|imail varchar(60)|url varchar(60)|works varchar(40)|schoo varchar(40)|keisho varchar(10)|sex integer|club varchar(40)|class varchar(20)|admission date|lastuse date|userid varchar(10)|passwd varchar(12)|companyid integer|tagchr1 varchar(30)|tagchr2 varchar(30)|tagchr3 varchar(60)|tagchr4 varchar(60)|tagint1 integer|tagint2 integer|tagint3 integer|tagint4 integer|point1 integer|point2 integer|notes varchar(200)").split('|'));
    const QStringList company = columnsOf(db, "company");
    EXPECT_EQ(company, QStringList({"ID INTEGER PRIMARY KEY AUTOINCREMENT", "NAMAE1 VARCHAR (60)", "NAMAE2 VARCHAR (60)", "ZIPCODE VARCHAR(7)",
                                    "area varchar(20)", "city varchar(60)", "location varchar(60)",
                                    "building varchar(60)", "tel varchar(15)", "fax varchar(15)",
                                    "keitai varchar(15)", "email varchar(60)", "imail varchar(60)", "url varchar(60)",
                                    "works varchar(40)", "tagchr1 varchar(30)", "tagchr2 varchar(30)",
                                    "tagchr3 varchar(30)", "tagchr4 varchar(30)"}));
    const QueryResult senders = db.QueryRows("SELECT ID, NAMAE1, ZIPCODE, tel FROM company ORDER BY ID");
    ASSERT_EQ(senders.rows.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(senders.rows.row(i), QStringList({QString::number(i + 1), QString("会社名%1").arg(i + 1), "", ""}));
    // The declared text of the table: two blanks before companyid's type.
    EXPECT_TRUE(db.QueryRows("SELECT sql FROM sqlite_master WHERE name='address'")
                    .rows.value(0, 0)
                    .contains("companyid  integer"));
}

TEST_F(SchemaTest, CreatingAgainChangesNothingAndAddsNoSecondSenders)
{
    const QString file = dir.filePath("addressXe2.db3");
    ASSERT_FALSE(CreateAddressDatabase(db, file).isError());
    ASSERT_FALSE(db.ExecSql("INSERT INTO address(NAMAE1) VALUES('山田')"));
    ASSERT_FALSE(CreateAddressDatabase(db, file).isError());
    EXPECT_EQ(db.QueryRows("SELECT count(*) FROM company").rows.value(0, 0), "4");
    EXPECT_EQ(db.QueryRows("SELECT NAMAE1 FROM address").rows.value(0, 0), "山田");
}

TEST_F(SchemaTest, MembersDatabaseHasItsTablesInOrder)
{
    ASSERT_FALSE(CreateMembersDatabase(db, dir.filePath("membersXe2.db3")).isError());
    EXPECT_EQ(tablesInCreationOrder(db), QStringList({"ordersheet", "sender", "orderitem", "items", "memberitem"}));
    EXPECT_TRUE(HasSearchIndex(db, HistorySearchIndex()));
    EXPECT_EQ(columnsOf(db, "sender"),
              QString("ID INTEGER PRIMARY KEY AUTOINCREMENT|orderid varchar(15)|senderdate date|kind integer|userid varchar(20)|namae1 varchar(20)|furigana1 varchar(20)|namae2 varchar(20)|furigana2 varchar(20)|zipcode varchar(7)|address1 varchar(80)|address2 varchar(80)|address3 varchar(80)|tel varchar(15)|uriage integer|itemname1 varchar(80)|itemname2 varchar(80)|itemname3 varchar(80)|itemname4 varchar(80)|itemname5 varchar(80)|arrivedate varchar(20)|timeselect varchar(20)|number varchar(20)|daibiki integer|num integer|kg integer|charge integer|hoken integer|notes varchar(80)|snamae1 varchar(20)|szipcode varchar(7)|saddress1 varchar(80)|saddress2 varchar(80)|stel varchar(15)|sfax varchar(15)|snumber1 varchar(10)|snumber2 varchar(10)|snumber3 varchar(10)|paynotes varchar(100)").split('|'));
    EXPECT_EQ(columnsOf(db, "ordersheet").size(), 51);
    EXPECT_EQ(columnsOf(db, "orderitem").size(), 18);
    EXPECT_EQ(columnsOf(db, "orderitem")[1], "orderid varchar(15) not null");
    EXPECT_EQ(columnsOf(db, "items"),
              QStringList({"ID INTEGER PRIMARY KEY AUTOINCREMENT", "code varchar(20)", "kind varchar(60)", "namae varchar(60)", "ci varchar(6)",
                           "much1 integer", "much2 integer", "much3 integer", "notes varchar(80)"}));
    EXPECT_EQ(columnsOf(db, "memberitem"), QString("userid integer|kind integer|companyID integer|uriage integer|itemname1 varchar(80)|itemname2 varchar(80)|itemname3 varchar(80)|itemname4 varchar(80)|itemname5 varchar(80)|arrivedate varchar(20)|timeselect varchar(20)|daibiki integer|num integer|kg integer|charge integer|hoken integer|notes varchar(80)|primary key(userid,kind)").split('|'));
    // One item row per consignee and edition: two editions keep their own.
    EXPECT_FALSE(db.ExecSql("INSERT INTO memberitem(userid,kind,itemname1) VALUES(1,40,'りんご')"));
    EXPECT_FALSE(db.ExecSql("INSERT INTO memberitem(userid,kind,itemname1) VALUES(1,50,'みかん')"));
    EXPECT_TRUE(db.ExecSql("INSERT INTO memberitem(userid,kind) VALUES(1,40)"));
    EXPECT_EQ(db.QueryRows("SELECT itemname1 FROM memberitem WHERE userid=1 AND kind=50").rows.value(0, 0), "みかん");
}

TEST_F(SchemaTest, ZipcodeTableColumns)
{
    ASSERT_FALSE(db.OpenDatabase(dir.filePath("zipcode.db3")).isError());
    CreateZipcodeTable(db);
    CreateZipcodeTable(db);
    EXPECT_EQ(columnsOf(db, "zipcode"), QStringList({"ID INTEGER PRIMARY KEY AUTOINCREMENT", "ZIP_CODE VARCHAR (7)", "AREA varchar(20)",
                                                     "CITY varchar(60)", "LOCATION varchar(80)"}));
}

TEST_F(SchemaTest, AutoincrementIdentifiersAreNotReused)
{
    ASSERT_FALSE(CreateAddressDatabase(db, dir.filePath("a.db3")).isError());
    ASSERT_FALSE(db.ExecSql("DELETE FROM company WHERE ID=4"));
    ASSERT_FALSE(db.ExecSql("INSERT INTO company(NAMAE1) VALUES('新')"));
    EXPECT_EQ(db.QueryRows("SELECT ID FROM company WHERE NAMAE1='新'").rows.value(0, 0), "5");
}

} // namespace
