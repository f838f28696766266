#include "import/CsvColumnMapping.h"
#include "import/CsvMappingStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kHeader = {QStringLiteral("お名前"), QStringLiteral("郵便番号"), QStringLiteral("住所"),
                             QStringLiteral("電話番号"), QStringLiteral("備考"), QStringLiteral("商品名")};

TEST(CsvColumnMapping, GuessesFromACommonHeader)
{
    const CsvColumnMapping m = CsvColumnMapping::guessFromHeader(kHeader);
    EXPECT_EQ(m.column(0), 0);  // 名前1
    EXPECT_EQ(m.column(1), CsvColumnMapping::NoColumn);
    EXPECT_EQ(m.column(2), 1);  // 郵便番号
    EXPECT_EQ(m.column(3), 2);  // whole address
    EXPECT_EQ(m.column(4), CsvColumnMapping::NoColumn);
    EXPECT_EQ(m.column(7), 3);  // 電話番号
    EXPECT_EQ(m.column(8), 4);  // 備考
    EXPECT_EQ(m.column(10), 5); // 商品名1
}

TEST(CsvColumnMapping, GuessesSplitAddressColumns)
{
    const CsvColumnMapping m = CsvColumnMapping::guessFromHeader(
        {QStringLiteral("氏名"), QStringLiteral("都道府県"), QStringLiteral("市区町村"), QStringLiteral("番地"),
         QStringLiteral("建物名"), QStringLiteral("TEL")});
    EXPECT_EQ(m.column(0), 0);
    EXPECT_EQ(m.column(3), 1);
    EXPECT_EQ(m.column(4), 2);
    EXPECT_EQ(m.column(5), 3);
    EXPECT_EQ(m.column(6), 4);
    EXPECT_EQ(m.column(7), 5);
}

TEST(CsvColumnMapping, AppliesToRowsAndSkipsTheHeader)
{
    CsvColumnMapping m;
    m.setColumn(0, 2);
    m.setColumn(13, 0);
    m.setColumn(5, 9); // past the row's end: empty
    const QStringList values = m.apply({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
    ASSERT_EQ(values.size(), 14);
    EXPECT_EQ(values[0], QStringLiteral("z"));
    EXPECT_EQ(values[13], QStringLiteral("x"));
    EXPECT_TRUE(values[5].isEmpty());
    EXPECT_TRUE(values[1].isEmpty());

    const QVector<QStringList> rows = {{QStringLiteral("h")}, {QStringLiteral("d")}};
    EXPECT_EQ(m.dataRows(rows).size(), 1);
    m.firstRowIsHeader = false;
    EXPECT_EQ(m.dataRows(rows).size(), 2);
}

TEST(CsvColumnMapping, RoundTripsThroughTheStoreAndFollowsMovedColumns)
{
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("conf"));
    CsvColumnMapping m = CsvColumnMapping::guessFromHeader(kHeader);
    m.setColumn(1, 4);
    ASSERT_TRUE(CsvMappingStore(conf, 50).save(m.toText(kHeader)));
    EXPECT_TRUE(CsvMappingStore(conf, 20).load().isEmpty()); // per edition

    const QString text = CsvMappingStore(conf, 50).load();
    EXPECT_EQ(CsvColumnMapping::fromText(text, kHeader, int(kHeader.size())), m);

    // The same export with a column put in front: mapped by name, not position.
    QStringList moved = kHeader;
    moved.prepend(QStringLiteral("注文番号"));
    const CsvColumnMapping again = CsvColumnMapping::fromText(text, moved, int(moved.size()));
    EXPECT_EQ(again.column(0), 1);
    EXPECT_EQ(again.column(2), 2);
    EXPECT_EQ(again.column(1), 5);
}

TEST(CsvColumnMapping, OfTwoColumnsWithOneNameTheChosenOneIsKept)
{
    const QStringList header = {QStringLiteral("お名前"), QStringLiteral("住所"), QStringLiteral("住所")};
    CsvColumnMapping m;
    m.setColumn(0, 0);
    m.setColumn(3, 2); // the second 住所 column
    const CsvColumnMapping back = CsvColumnMapping::fromText(m.toText(header), header, int(header.size()));
    EXPECT_EQ(back, m);

    // Moved: the name is searched again.
    const QStringList moved = {QStringLiteral("住所"), QStringLiteral("お名前")};
    EXPECT_EQ(CsvColumnMapping::fromText(m.toText(header), moved, int(moved.size())).column(3), 0);
}

TEST(CsvColumnMapping, UnreadableTextGivesAnEmptyMapping)
{
    EXPECT_TRUE(CsvColumnMapping::fromText(QStringLiteral("not json"), kHeader, 6).isEmpty());
    EXPECT_TRUE(CsvColumnMapping::fromText(QString(), kHeader, 6).isEmpty());
}

TEST(CsvColumnMapping, WithoutHeaderPositionsOutsideTheFileAreDropped)
{
    CsvColumnMapping m;
    m.firstRowIsHeader = false;
    m.setColumn(0, 1);
    m.setColumn(1, 7);
    const CsvColumnMapping back = CsvColumnMapping::fromText(m.toText({}), {}, 3);
    EXPECT_FALSE(back.firstRowIsHeader);
    EXPECT_EQ(back.column(0), 1);
    EXPECT_EQ(back.column(1), CsvColumnMapping::NoColumn);
}

} // namespace
