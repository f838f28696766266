#include "support/QtPrinters.h"
#include "support/DataTestFiles.h"
#include "core/text/TextCodec.h"
#include "core/text/Cp932Table.h"
#include "core/postal/ZipGuideBuffer.h"
#include "core/postal/ZipGuideSearch.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QVector<NationalPostalEntry> sample = {
    {"1000001", "東京都", "千代田区", "千代田"},
    {"1000002", "東京都", "千代田区", "皇居外苑"},
    {"1010021", "東京都", "千代田区", "外神田"},
    {"1600023", "東京都", "新宿区", "西新宿"},
    {"3300063", "埼玉県", "さいたま市浦和区", "高砂"},
    {"9999999", "テスト県", "ｵｰﾙﾄﾞ市", "O'Hare"},
};

class ZipGuideTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zipDb = dir.filePath("zipcode.db3");
        MakeZipDb(zipDb, sample);
    }
    QStringList codes() const
    {
        QStringList out;
        for (int i = 0; i < buffer.size(); ++i)
            out << buffer.text(i, 1);
        return out;
    }

    QTemporaryDir dir;
    QString zipDb;
    Database db;
    ZipGuideBuffer buffer;
};

TEST_F(ZipGuideTest, SearchMatchesAnyPartOfTheJoinedColumns)
{
    const struct {
        QString text;
        QStringList codes;
    } cases[] = {
        {"1000001", {"1000001"}},
        {"千代田", {"1000001", "1000002", "1010021"}},
        {"東京都新宿", {"1600023"}},      // across the prefecture and city columns
        {"区西", {"1600023"}},            // across city and town area
        {"O'Hare", {"9999999"}},          // a quote is searched for, not a syntax error
        {"o'h", {"9999999"}},             // LIKE ignores ASCII case
        {"'", {"9999999"}},
        {"大阪", {}},
        {"", {"1000001", "1000002", "1010021", "1600023", "3300063", "9999999"}},
    };
    for (const auto &c : cases) {
        const ZipGuideSearchResult r = ZipGuideSearch(db, zipDb, c.text, buffer);
        ASSERT_TRUE(r.ok()) << c.text.toStdString() << ": " << r.error.message.toStdString();
        EXPECT_EQ(codes(), c.codes) << c.text.toStdString();
        EXPECT_EQ(r.rowCount, c.codes.size());
    }
    ZipGuideSearch(db, zipDb, "新宿", buffer);
    EXPECT_EQ(buffer.rowTexts(0), QStringList({"1600023", "東京都", "新宿区", "西新宿"}));
    EXPECT_EQ(buffer.text(0, 5), "");
    EXPECT_EQ(buffer.text(0, 0), "");
}

TEST_F(ZipGuideTest, ResultsOfAnOlderTableCarryNoRemarks)
{
    // A result is taken into an address by double-click, so it is shown as
    // the address would carry it.
    const QString raw = dir.filePath("old-zipcode.db3");
    MakeRawZipDb(raw, RawPostalEntries());
    const ZipGuideSearchResult r = ZipGuideSearch(db, raw, "", buffer);
    ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
    QStringList rows;
    for (int i = 0; i < buffer.size(); ++i)
        rows << buffer.text(i, 1) + ':' + buffer.text(i, 4);
    EXPECT_EQ(rows, CleanPostalRows());
    EXPECT_EQ(r.rowCount, CleanPostalRows().size());
}

TEST_F(ZipGuideTest, RowsTheTableHoldsTwiceAreListedOnce)
{
    const QString twice = dir.filePath("twice.db3");
    MakeZipDb(twice, {{"0600000", "北海道", "札幌市中央区", "大通西"},
                      {"1000001", "東京都", "千代田区", "千代田"},
                      {"0600000", "北海道", "札幌市中央区", "大通西"},
                      {"1000001", "東京都", "千代田区", "千代田二"},
                      {"1000001", "東京都", "千代田区", "千代田"}});
    for (const QString &text : {QString(), QStringLiteral("1000001")}) {
        const ZipGuideSearchResult r = ZipGuideSearch(db, twice, text, buffer);
        ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
        QStringList rows;
        for (int i = 0; i < buffer.size(); ++i)
            rows << buffer.rowTexts(i).join('|');
        const QStringList expected = text.isEmpty()
                                         ? QStringList{"0600000|北海道|札幌市中央区|大通西",
                                                       "1000001|東京都|千代田区|千代田", "1000001|東京都|千代田区|千代田二"}
                                         : QStringList{"1000001|東京都|千代田区|千代田", "1000001|東京都|千代田区|千代田二"};
        EXPECT_EQ(rows, expected) << text.toStdString();
        EXPECT_EQ(r.rowCount, expected.size());
    }
}

TEST_F(ZipGuideTest, SearchReportsErrors)
{
    const QString missing = dir.filePath("missing.db3");
    const ZipGuideSearchResult bad = ZipGuideSearch(db, missing, "東京", buffer);
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(buffer.size(), 0);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(ZipGuideBufferTest, CutsAtTheByteLimitNeverInsideATwoByteCharacter)
{
    const QString kanji40 = QString("都").repeated(40); // 80 bytes in code page 932
    const struct {
        QString location;
        QString kept;
        int bytes;
    } cases[] = {
        {kanji40, kanji40, 80},
        {kanji40 + "あ", kanji40, 80},
        {"a" + kanji40, "a" + QString("都").repeated(39), 79},  // the 40th kanji would need bytes 80 and 81
        {"ｱ" + QString("ｲ").repeated(80), "ｱ" + QString("ｲ").repeated(79), 80}, // half-width kana: one byte each
        {"", "", 0},
    };
    for (const auto &c : cases) {
        ZipGuideBuffer buffer;
        buffer.append(u"1234567", u"県", u"市", c.location);
        EXPECT_EQ(buffer.text(0, 4), c.kept) << c.location.toStdString();
        EXPECT_EQ(buffer.bytes(0, 4).size(), c.bytes);
        EXPECT_EQ(buffer.bytes(0, 4), *EncodeCp932(c.kept));
    }
    ZipGuideBuffer buffer;
    buffer.append(u"123456789", QString("北").repeated(25), QString("x").repeated(70), u"");
    EXPECT_EQ(buffer.text(0, 1), "1234567");
    EXPECT_EQ(buffer.text(0, 2), QString("北").repeated(20));
    EXPECT_EQ(buffer.text(0, 3), QString("x").repeated(60));
    buffer.clear();
    EXPECT_EQ(buffer.size(), 0);
}

TEST(ZipGuideBufferTest, CharactersOutsideCodePage932AreNotLost)
{
    ZipGuideBuffer buffer;
    const QString yoshi = QString::fromUtf8("𠮷野町"); // 𠮷 has no code page 932 form
    buffer.append(u"1234567", u"県", u"市", yoshi);
    buffer.append(u"1234568", u"県", u"市", u"髙島～①");
    EXPECT_EQ(buffer.text(0, 4), yoshi);
    EXPECT_EQ(buffer.text(1, 4), "髙島～①");
    buffer.append(u"1234569", u"県", u"市", QString::fromUtf8("𠮷").repeated(41));
    EXPECT_EQ(buffer.text(2, 4), QString::fromUtf8("𠮷").repeated(40));
}

TEST(Cp932TableTest, AgreesWithTheTextCodec)
{
    const QString text = QString::fromUtf8("東京都千代田区ｱｲｳ\\~～①髙ABC 123－");
    const Cp932Table &t = Cp932Table::instance();
    QByteArray bytes;
    for (QChar c : text) {
        ASSERT_TRUE(t.encodable(c.unicode()));
        const uint16_t code = t.encode(c.unicode());
        if (code >= 0x100)
            bytes.append(char(code >> 8));
        bytes.append(char(code & 0xFF));
    }
    EXPECT_EQ(bytes, *EncodeCp932(text));
    EXPECT_EQ(t.decode(bytes), text);
    EXPECT_FALSE(t.encodable(0xD842));
    EXPECT_EQ(t.decode(QByteArray("\x93", 1)), QString(QChar::ReplacementCharacter));
    // The CSV writer copies ASCII straight through, relying on this.
    for (char16_t u = 1; u < 0x80; ++u)
        EXPECT_EQ(t.encode(u), u) << int(u);
}

class ZipImportTest : public ::testing::Test
{
protected:
    QString write(const char *name, const QStringList &lines, TextEncoding encoding = TextEncoding::Cp932)
    {
        const QString path = dir.filePath(name);
        EXPECT_EQ(WriteTextLines(path, lines, encoding), WriteStatus::Ok);
        return path;
    }
    QString count(const QString &path)
    {
        Database other;
        EXPECT_FALSE(other.OpenDatabase(path).isError());
        return other.QueryRows("SELECT count(*) FROM zipcode").rows.value(0, 0);
    }

    QTemporaryDir dir;
    Database db;
};

TEST_F(ZipImportTest, ImportsEveryLineInOrderWithProgress)
{
    const QString csv = write("KEN_ALL.CSV", {PostalLine("1000001", "東京都", "千代田区", "千代田"),
                                              "", // a blank line is no entry
                                              PostalLine("0040000", "北海道", "札幌市厚別区", ""),
                                              PostalLine("9999999", "県", "市", "O'Hare \"x\"")});
    const QString zipDb = dir.filePath("zipcode.db3");
    QStringList captions;
    int lastDone = -1;
    const ZipImportResult r =
        ImportNationalPostalCsv(db, zipDb, csv, [&](int done, int total, const NationalPostalEntry &e) {
            EXPECT_GT(done, lastDone);
            EXPECT_EQ(total, 4);
            lastDone = done;
            captions << e.area + e.city + e.location;
        });
    ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
    EXPECT_EQ(r.lineCount, 3);
    EXPECT_EQ(r.insertedCount, 3);
    EXPECT_EQ(r.failedCount, 0);
    EXPECT_EQ(captions, QStringList({"東京都千代田区千代田", "北海道札幌市厚別区", "県市O'Hare \"x\""}));
    EXPECT_EQ(r.insertCountText(), "INSERT数 = 3");
    EXPECT_TRUE(r.insertTimeText().startsWith("総INSERT時間 = "));
    const QueryResult rows = db.QueryRows("SELECT ID,ZIP_CODE,AREA,CITY,LOCATION FROM zipcode ORDER BY ID");
    ASSERT_EQ(rows.rows.size(), 3);
    EXPECT_EQ(rows.rows.line(0), "1;1000001;東京都;千代田区;千代田;");
    EXPECT_EQ(rows.rows.line(1), "2;0040000;北海道;札幌市厚別区;;");
    EXPECT_EQ(rows.rows.value(2, 4), "O'Hare \"x\"");

    // A second import adds to the existing table.
    ASSERT_TRUE(ImportNationalPostalCsv(db, zipDb, csv).ok());
    EXPECT_EQ(count(zipDb), "6");
}

TEST_F(ZipImportTest, ReadsByteOrderMarkedFiles)
{
    const QString csv = write("utf8.csv", {PostalLine("1234567", "県", "市", QString::fromUtf8("𠮷野"))},
                              TextEncoding::Utf8Bom);
    const ZipImportResult r = ImportNationalPostalCsv(db, dir.filePath("z.db3"), csv);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(db.QueryRows("SELECT LOCATION FROM zipcode").rows.value(0, 0), QString::fromUtf8("𠮷野"));
}

TEST_F(ZipImportTest, MalformedLineRollsEverythingBack)
{
    const QString zipDb = dir.filePath("zipcode.db3");
    MakeZipDb(zipDb, {{"1000001", "東京都", "千代田区", "千代田"}});
    const QString csv = write("bad.csv", {PostalLine("1111111", "a", "b", "c"), "1,2,3,4,5,6,7,8",
                                          PostalLine("2222222", "a", "b", "c")});
    const ZipImportResult r = ImportNationalPostalCsv(db, zipDb, csv);
    EXPECT_EQ(r.status, ZipImportStatus::MalformedLine);
    EXPECT_EQ(r.badLineNumber, 2);
    EXPECT_EQ(r.badLine, "1,2,3,4,5,6,7,8");
    EXPECT_EQ(r.insertedCount, 0);
    EXPECT_EQ(count(zipDb), "1"); // the rows that were there stay, none of the import's
}

TEST_F(ZipImportTest, NewFileAppearsOnlyWhenCompleteAndEmptyLeftoversAreBuiltAnew)
{
    // What an import cut short used to leave: an empty file under the final
    // name, and now a half-built one under the build name.
    const QString zipDb = dir.filePath("zipcode.db3");
    {
        QFile empty(zipDb);
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        QFile part(zipDb + ".part");
        ASSERT_TRUE(part.open(QIODevice::WriteOnly));
        part.write("half a database");
    }
    const QString csv = write("KEN_ALL.CSV", {PostalLine("1000001", "東京都", "千代田区", "千代田"),
                                              PostalLine("1000002", "東京都", "千代田区", "皇居外苑")});
    bool seenDuringImport = true;
    const ZipImportResult r = ImportNationalPostalCsv(db, zipDb, csv, [&](int, int, const NationalPostalEntry &) {
        seenDuringImport = seenDuringImport && QFileInfo(zipDb).size() == 0;
    });
    ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
    EXPECT_TRUE(seenDuringImport); // the final name held no rows while the import ran
    EXPECT_EQ(count(zipDb), "2");
    EXPECT_FALSE(QFile::exists(zipDb + ".part"));
    // The connection is left on the finished file.
    EXPECT_EQ(db.databasePath(), zipDb);
    EXPECT_EQ(db.QueryRows("SELECT count(*) FROM zipcode").rows.value(0, 0), "2");
}

TEST_F(ZipImportTest, FailedImportIntoANewFileLeavesNoFileBehind)
{
    const QString zipDb = dir.filePath("fresh.db3");
    const QString bad = write("bad.csv", {"only,three,fields"});
    EXPECT_EQ(ImportNationalPostalCsv(db, zipDb, bad).status, ZipImportStatus::MalformedLine);
    EXPECT_FALSE(QFile::exists(zipDb));
    EXPECT_EQ(ImportNationalPostalCsv(db, zipDb, dir.filePath("nothere.csv")).status,
              ZipImportStatus::CannotReadFile);
    EXPECT_FALSE(QFile::exists(zipDb));
    EXPECT_EQ(ImportNationalPostalCsv(db, dir.filePath("no/folder/z.db3"), bad).status,
              ZipImportStatus::CannotOpenDatabase);
}

TEST_F(ZipImportTest, JoinsNotesRunOnOverLinesAndCleansTownAreas)
{
    QStringList lines;
    for (const NationalPostalEntry &e : RawPostalEntries())
        lines << NationalPostalCsvLine(e);
    const QString zipDb = dir.filePath("zipcode.db3");
    const ZipImportResult r = ImportNationalPostalCsv(db, zipDb, write("KEN_ALL.CSV", lines));
    ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
    EXPECT_EQ(r.lineCount, RawPostalEntries().size());
    EXPECT_EQ(r.insertedCount, CleanPostalRows().size());
    EXPECT_EQ(r.failedCount, 0);
    QStringList rows;
    const QueryResult stored = db.QueryRows("SELECT ZIP_CODE,LOCATION,CITY FROM zipcode ORDER BY ID");
    for (int i = 0; i < stored.rows.size(); ++i)
        rows << stored.rows.value(i, 0) + ':' + stored.rows.value(i, 1);
    EXPECT_EQ(rows, CleanPostalRows());
}

} // namespace
