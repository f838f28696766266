#include "support/QtPrinters.h"
#include "core/postal/JpostalJson.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The package's form: a JSONP call, codes with a leading '_', \u escapes, a
// version row and prefix rows that are not postal codes.
const char sampleFile[] =
    "jQuery_jpostal_callback(\n"
    "[[\"_000info\",\"\",\"ver2.13\",\"\",\"\",\"\",\"\",\"ver2.13\",\"\"],"
    "[\"_100\",\"\\u6771\\u4eac\\u90fd\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"],"
    "[\"_1000000\",\"\\u6771\\u4eac\\u90fd\",\"\\u5343\\u4ee3\\u7530\\u533a\",\"\",\"\",\"\","
    "\"\\uff84\\uff73\\uff77\\uff6e\\uff73\\uff84\",\"\\uff81\\uff96\\uff80\\uff9e\\uff78\",\"\"],"
    "[\"_1000001\",\"\\u6771\\u4eac\\u90fd\",\"\\u5343\\u4ee3\\u7530\\u533a\",\"\\u5343\\u4ee3\\u7530\","
    "\"\",\"\",\"\",\"\",\"\"],"
    "[\"_10000a1\",\"x\",\"y\",\"z\",\"\",\"\",\"\",\"\",\"\"]]\n"
    ");";

TEST(JpostalJson, KeepsOnlySevenDigitCodesAndEmptyTownAreas)
{
    QVector<JpostalEntry> entries;
    int skipped = 0;
    QString error;
    ASSERT_TRUE(ParseJpostalJson(sampleFile, &entries, &skipped, &error)) << error.toStdString();
    EXPECT_EQ(skipped, 3);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].entry.code, "1000000");
    EXPECT_EQ(entries[0].entry.city, "千代田区");
    EXPECT_EQ(entries[0].entry.location, "");
    EXPECT_EQ(entries[0].areaKana, "ﾄｳｷｮｳﾄ");
    EXPECT_EQ(entries[1].entry.area, "東京都");
    EXPECT_EQ(entries[1].entry.location, "千代田");
}

TEST(JpostalJson, RejectsFilesThatAreNotTheCallForm)
{
    for (const char *text : {"", "[[\"_1000001\"]]", "jQuery_jpostal_callback([[\"_1000001\",)"}) {
        QVector<JpostalEntry> entries;
        int skipped = 0;
        QString error;
        EXPECT_FALSE(ParseJpostalJson(text, &entries, &skipped, &error)) << text;
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(JpostalJson, FolderIsReadInNameOrder)
{
    QTemporaryDir dir;
    auto put = [&](const char *name, const char *code) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("jQuery_jpostal_callback([[\"_") + code + "\",\"a\",\"b\",\"c\",\"\",\"\",\"\",\"\",\"\"]]);");
    };
    put("101.json", "1010001");
    put("100.json", "1000001");
    put("readme.txt", "9999999");
    QVector<JpostalEntry> entries;
    int skipped = 0;
    QString error;
    ASSERT_TRUE(ReadJpostalFolder(dir.path(), &entries, &skipped, &error));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].entry.code, "1000001");
    EXPECT_EQ(entries[1].entry.code, "1010001");
    EXPECT_FALSE(ReadJpostalFolder(dir.filePath("none"), &entries, &skipped, &error));
}

} // namespace
