#pragma once
// Small helpers for the data store tests: a scratch folder per test and a
// postal-code database made from a few lines of the national list's layout.

#include "core/data/DatabaseSchema.h"
#include "core/postal/NationalPostalCsv.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "core/postal/ZipcodeImport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A line of the national list for one entry.
inline QString PostalLine(const QString &code, const QString &area, const QString &city, const QString &location)
{
    return NationalPostalCsvLine({code, area, city, location});
}

// A postal-code database at path holding the given entries in order.
inline void MakeZipDb(const QString &path, const QVector<NationalPostalEntry> &entries)
{
    QStringList lines;
    for (const NationalPostalEntry &e : entries)
        lines << NationalPostalCsvLine(e);
    Database db;
    const ZipImportResult r = ImportNationalPostalLines(db, path, lines);
    ASSERT_TRUE(r.ok()) << r.error.message.toStdString();
    ASSERT_EQ(r.insertedCount, entries.size());
}

// A postal-code table at path written row by row as given, the way an older
// import left the list's texts: no line joined, no town area cleaned.
inline void MakeRawZipDb(const QString &path, const QVector<NationalPostalEntry> &entries)
{
    Database db;
    ASSERT_FALSE(db.OpenDatabase(path).isError());
    CreateZipcodeTable(db);
    for (const NationalPostalEntry &e : entries)
        ASSERT_FALSE(db.ExecSql("INSERT INTO zipcode(ZIP_CODE,AREA,CITY,LOCATION) VALUES(" + SqlQuote(e.code) + ","
                                + SqlQuote(e.area) + "," + SqlQuote(e.city) + "," + SqlQuote(e.location) + ")"));
    db.CloseDatabase();
}

// Lines of the national list as it is published: remarks, bracketed notes and
// one note run on over three lines.
inline const QVector<NationalPostalEntry> &RawPostalEntries()
{
    static const QVector<NationalPostalEntry> entries = {
        {"0600000", "北海道", "札幌市中央区", "以下に掲載がない場合"},
        {"0600042", "北海道", "札幌市中央区", "大通西（１～１９丁目）"},
        {"0660005", "北海道", "千歳市", "協和（８８－２、２７１－１０、３４３－２、"},
        {"0660005", "北海道", "千歳市", "４０４－１、４２７－３、４３１－１２、"},
        {"0660005", "北海道", "千歳市", "１１３７－３、１３９２、１７５２番地）"},
        {"3890100", "長野県", "北佐久郡軽井沢町", "軽井沢町一円"},
        {"4840000", "愛知県", "犬山市", "犬山市の次に番地がくる場合"},
        {"5220317", "滋賀県", "犬上郡多賀町", "一円"},
        {"1006801", "東京都", "千代田区", "大手町ＪＡビル（１階）"},
        {"1006890", "東京都", "千代田区", "大手町ＪＡビル（地階・階層不明）"},
        {"1000001", "東京都", "千代田区", "千代田"},
    };
    return entries;
}

// What the table must hold for RawPostalEntries(), code and town area per row.
inline QStringList CleanPostalRows()
{
    return {"0600000:", "0600042:大通西", "0660005:協和", "3890100:", "4840000:", "5220317:一円",
            "1006801:大手町ＪＡビル１階", "1006890:大手町ＪＡビル", "1000001:千代田"};
}
