// The consignee export read back with the program's own CSV parser, guessed by
// the CSV editor's mapping, and imported into an empty address book.

#include "core/addressbook/ConsigneeCsv.h"
#include "core/data/StoreRow.h"
#include "core/import/CsvColumnMapping.h"
#include "core/import/CsvEncoding.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvParser.h"
#include "support/AddressBookFixture.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every row of a table as text (NULL and empty alike), keys left out, in key order.
QVector<QStringList> tableRows(Database &db, const QString &file, const QString &sql)
{
    QVector<QStringList> rows;
    EXPECT_FALSE(db.OpenDatabase(file).isError());
    db.ForEachRow(sql, [&rows](const StoreRow &s) {
        QStringList row;
        for (int c = 0; c < s.columnCount(); ++c)
            row << s.columnText(c).toString();
        rows << row;
    });
    return rows;
}

const char *const AllAddress = "SELECT KIND,NAMAE1,furigana1,namae2,furigana2,birth,zipcode,area,city,location,building,"
                               "tel,fax,keitai,email,imail,url,works,schoo,keisho,sex,club,class,admission,lastuse,"
                               "userid,passwd,companyid,tagchr1,tagchr2,tagchr3,tagchr4,tagint1,tagint2,tagint3,"
                               "tagint4,point1,point2,notes FROM address ORDER BY ID";
const char *const AllItems = "SELECT kind,companyID,uriage,itemname1,itemname2,itemname3,itemname4,itemname5,"
                             "arrivedate,timeselect,daibiki,num,kg,charge,hoken,notes FROM memberitem "
                             "ORDER BY userid,kind";

class ConsigneeCsvTest : public AddressBookFixture
{
protected:
    // A consignee with every column set to text worth a round trip.
    QString addAwkwardConsignee(int n, const QString &name)
    {
        EXPECT_FALSE(db.OpenDatabase(addressDb).isError());
        const QString sql = QString("INSERT INTO address(KIND,NAMAE1,furigana1,namae2,zipcode,area,city,location,"
                                    "building,tel,email,sex,companyid,tagchr3,notes) VALUES "
                                    "(1,%1,'ヤマダ',%2,'1000001','東京都','千代田区','千代田１－１',%3,'03-1234-5678',"
                                    "'a@example.jp',%4,2,'',%5)")
                                .arg(SqlQuote(name), n % 3 == 0 ? QString("NULL") : SqlQuote("株式会社 \"髙\"商店"),
                                     SqlQuote("ビル, 3F\r\n南館"), QString::number(n % 2),
                                     SqlQuote(QString(" 先頭と末尾に空白 %1 \n改行").arg(n)));
        EXPECT_FALSE(db.ExecSql(sql));
        const QString id = QString::number(db.LastInsertId());
        EXPECT_FALSE(db.OpenDatabase(membersDb).isError());
        EXPECT_FALSE(db.ExecSql(QString("INSERT INTO memberitem(userid,kind,companyID,uriage,itemname1,itemname2,"
                                        "arrivedate,daibiki,num,hoken,notes) VALUES (%1,40,2,1200,'りんご, 5kg',"
                                        "'𠮷野家の①\"特選\"','/12/24',NULL,3,%2,'')")
                                    .arg(id)
                                    .arg(n)));
        // Another edition's row is not this edition's export.
        EXPECT_FALSE(db.OpenDatabase(membersDb).isError());
        EXPECT_FALSE(db.ExecSql(QString("INSERT INTO memberitem(userid,kind,itemname1) VALUES (%1,20,'別の版')").arg(id)));
        return id;
    }

    // An empty address book of its own for edition 40, to import into.
    struct FreshBook {
        QTemporaryDir dir;
        Database db;
        CsvImportTarget target{dir.filePath("addressXe2.db3"), dir.filePath("membersXe2.db3"), 40, QString()};
        FreshBook()
        {
            EXPECT_FALSE(CreateAddressDatabase(db, target.addressDbPath).isError());
            EXPECT_FALSE(CreateMembersDatabase(db, target.membersDbPath).isError());
        }
    };

    QVector<QStringList> parse(const QString &path, CsvEncoding *encoding)
    {
        return CsvParser::parse(DecodeCsvBytes(fileBytes(path), encoding));
    }
};

TEST_F(ConsigneeCsvTest, ExportReadsBackAndImportsValueForValue)
{
    for (int n = 0; n < 4; ++n)
        addAwkwardConsignee(n, n == 2 ? QString("山田 𠮷子") : QString("山田 太郎%1").arg(n));
    addConsignee(""); // no name: exported, not imported (nothing to find it by)
    const QString out = dir.filePath("out.csv");
    const CsvExportOutcome exported =
        ExportConsignees(db, addressDb, membersDb, 40, {}, out, CsvOutputEncoding::Utf8Bom);
    ASSERT_TRUE(exported.ok) << exported.notice.toStdString();
    EXPECT_EQ(exported.rows, 5);

    CsvEncoding encoding;
    const QVector<QStringList> records = parse(out, &encoding);
    EXPECT_EQ(encoding, CsvEncoding::Utf8Bom);
    ASSERT_EQ(records.size(), 6);
    EXPECT_TRUE(IsConsigneeCsvHeader(records.first()));
    EXPECT_EQ(records[1].value(10), QString("ビル, 3F\r\n南館")); // line break kept inside the field
    EXPECT_EQ(records[1].value(ConsigneeCsvHeader().indexOf("商品名2")), QString("𠮷野家の①\"特選\""));

    // The CSV editor maps the 14 import fields by itself.
    const CsvColumnMapping mapping = CsvColumnMapping::guessFromHeader(records.first());
    const QStringList expected = {"名前1", "名前2", "郵便番号", "都道府県", "市区", "番地", "建物名称",
                                  "電話番号", "備考", "金額", "商品名1", "商品名2", "商品名3", "商品名4"};
    for (int f = 0; f < expected.size(); ++f)
        EXPECT_EQ(mapping.column(f), ConsigneeCsvHeader().indexOf(expected[f])) << expected[f].toStdString();

    // Into an empty address book: the same consignees and item rows.
    FreshBook book;
    Database &fresh = book.db;
    const CsvImportTarget &target = book.target;
    const CsvImportOutcome imported = ImportConsigneeCsv(fresh, records, target);
    ASSERT_EQ(imported.status, CsvImportOutcome::Imported) << imported.notice.toStdString();
    EXPECT_EQ(imported.consigneesAdded, 4);
    EXPECT_EQ(imported.itemRowsWritten, 4);

    QVector<QStringList> before = tableRows(db, addressDb, AllAddress);
    before.removeLast(); // the nameless one
    EXPECT_EQ(tableRows(fresh, target.addressDbPath, AllAddress), before);
    QVector<QStringList> items;
    for (const QStringList &row : tableRows(db, membersDb, AllItems))
        if (row.first() == "40")
            items << row;
    EXPECT_EQ(tableRows(fresh, target.membersDbPath, AllItems), items);
}

TEST_F(ConsigneeCsvTest, ThroughTheImportFileEveryColumnComesBack)
{
    addAwkwardConsignee(1, "山田 太郎");
    const QString out = dir.filePath("out.csv");
    ASSERT_TRUE(ExportConsignees(db, addressDb, membersDb, 40, {}, out, CsvOutputEncoding::Utf8Bom).ok);
    CsvEncoding encoding;
    const QString passed = dir.filePath("csvImport.tmp");
    ASSERT_TRUE(WriteConsigneeExportImportFile(passed, parse(out, &encoding)));

    FreshBook book;
    Database &fresh = book.db;
    const CsvImportTarget &target = book.target;
    const CsvImportOutcome imported = ImportCsvFile(fresh, passed, target);
    ASSERT_EQ(imported.status, CsvImportOutcome::Imported) << imported.notice.toStdString();
    EXPECT_EQ(tableRows(fresh, target.addressDbPath, AllAddress), tableRows(db, addressDb, AllAddress));
}

TEST_F(ConsigneeCsvTest, FormulasGoOutAsTextAndComeBackAsTheyWere)
{
    ASSERT_FALSE(db.OpenDatabase(addressDb).isError());
    ASSERT_FALSE(db.ExecSql("INSERT INTO address(NAMAE1,namae2,tel,keitai,notes,tagchr1,tagchr2) VALUES "
                            "('=HYPERLINK(\"http://example.com\",\"山田\")','@営業部','-1234-5678','-',"
                            "'''=これは式ではありません','+81-3-1234-5678','''普通の文')"));
    const QString id = QString::number(db.LastInsertId());
    ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
    ASSERT_FALSE(
        db.ExecSql(QString("INSERT INTO memberitem(userid,kind,uriage,itemname1) VALUES (%1,40,-500,'-')").arg(id)));
    const QString out = dir.filePath("formulas.csv");
    ASSERT_TRUE(ExportConsignees(db, addressDb, membersDb, 40, {}, out, CsvOutputEncoding::Utf8Bom).ok);

    // No cell a spreadsheet would run; a negative amount and "none" stay as they are.
    const QString text = QString::fromUtf8(fileBytes(out));
    for (const char *field : {",\"'=HYPERLINK(", ",'@営業部,", ",'-1234-5678,", ",-,", ",''=これは式ではありません,",
                              ",'+81-3-1234-5678,", ",'普通の文,", ",-500,"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(field))) << field;

    // The program's own import takes the apostrophes off again: the same rows.
    CsvEncoding encoding;
    FreshBook book;
    const CsvImportOutcome imported = ImportConsigneeCsv(book.db, parse(out, &encoding), book.target);
    ASSERT_EQ(imported.status, CsvImportOutcome::Imported) << imported.notice.toStdString();
    EXPECT_EQ(tableRows(book.db, book.target.addressDbPath, AllAddress), tableRows(db, addressDb, AllAddress));
    QVector<QStringList> items;
    for (const QStringList &row : tableRows(db, membersDb, AllItems))
        if (row.first() == "40")
            items << row;
    EXPECT_EQ(tableRows(book.db, book.target.membersDbPath, AllItems), items);
}

TEST_F(ConsigneeCsvTest, TickedConsigneesComeInTheOrderGiven)
{
    const QString a = addConsignee("一"), b = addConsignee("二"), c = addConsignee("三");
    const QString out = dir.filePath("ticked.csv");
    ASSERT_TRUE(ExportConsignees(db, addressDb, membersDb, 40, {c, a, "999"}, out, CsvOutputEncoding::Utf8Bom).ok);
    CsvEncoding encoding;
    const QVector<QStringList> records = parse(out, &encoding);
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[1].value(1), QString("三"));
    EXPECT_EQ(records[2].value(1), QString("一"));
    Q_UNUSED(b);
}

TEST_F(ConsigneeCsvTest, ShiftJisWritesWhatItCanAndRefusesWhatItCannot)
{
    addConsignee("髙橋 ①号");
    const QString out = dir.filePath("sjis.csv");
    ASSERT_TRUE(ExportConsignees(db, addressDb, membersDb, 40, {}, out, CsvOutputEncoding::ShiftJis).ok);
    CsvEncoding encoding;
    const QVector<QStringList> records = parse(out, &encoding);
    EXPECT_EQ(encoding, CsvEncoding::Cp932);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[1].value(1), QString("髙橋 ①号"));

    addConsignee("𠮷田");
    const QString refused = dir.filePath("refused.csv");
    const CsvExportOutcome outcome =
        ExportConsignees(db, addressDb, membersDb, 40, {}, refused, CsvOutputEncoding::ShiftJis);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.notice.contains("𠮷")) << outcome.notice.toStdString();
    EXPECT_FALSE(QFile::exists(refused));
    EXPECT_EQ(QDir(dir.path()).entryList({"*.csv*"}, QDir::Files), QStringList({"sjis.csv"}));
}

TEST_F(ConsigneeCsvTest, CancelLeavesNoFileAndTenThousandRowsRoundTrip)
{
    ASSERT_FALSE(db.OpenDatabase(addressDb).isError());
    db.BeginTransaction();
    for (int n = 0; n < 10000; ++n)
        db.ExecSql(QString("INSERT INTO address(NAMAE1,namae2,tel,notes) VALUES ('顧客%1','','0%2','\"%1\",x')")
                       .arg(n)
                       .arg(n * 7));
    db.Commit();

    const QString cancelled = dir.filePath("cancelled.csv");
    const CsvExportOutcome stopped = ExportConsignees(db, addressDb, membersDb, 40, {}, cancelled,
                                                      CsvOutputEncoding::Utf8Bom,
                                                      [](qint64 done, qint64) { return done < 2000; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(QFile::exists(cancelled));

    const QString out = dir.filePath("all.csv");
    ASSERT_TRUE(ExportConsignees(db, addressDb, membersDb, 40, {}, out, CsvOutputEncoding::Utf8Bom).ok);
    CsvEncoding encoding;
    const QVector<QStringList> records = parse(out, &encoding);
    ASSERT_EQ(records.size(), 10001);
    FreshBook book;
    Database &fresh = book.db;
    const CsvImportTarget &target = book.target;
    ASSERT_EQ(ImportConsigneeCsv(fresh, records, target).status, CsvImportOutcome::Imported);
    EXPECT_EQ(tableRows(fresh, target.addressDbPath, AllAddress), tableRows(db, addressDb, AllAddress));
}

} // namespace
