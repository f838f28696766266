#include "core/import/CsvColumnMapping.h"
#include "core/import/CsvMappingStore.h"

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
    const CsvColumnMapping back = CsvColumnMapping::fromText(m.toText({}, 3), {}, 3);
    EXPECT_FALSE(back.firstRowIsHeader);
    EXPECT_EQ(back.column(0), 1);
    EXPECT_EQ(back.column(1), CsvColumnMapping::NoColumn);
}

TEST(CsvColumnMapping, RememberedChoicesApplyOnlyWhereTheirHeaderNameExists)
{
    // Remembered from one shop's export: names, postal code, address, notes as 名前2.
    const QStringList first = {QStringLiteral("お名前"), QStringLiteral("郵便番号"), QStringLiteral("住所"),
                               QStringLiteral("備考")};
    CsvColumnMapping m = CsvColumnMapping::guessFromHeader(first);
    m.setColumn(1, 3);
    m.setColumn(8, CsvColumnMapping::NoColumn);
    const QString text = m.toText(first);

    // Another export: none of the names. Positions would put the postal code
    // into the name; the guess from this header is taken instead.
    const QStringList other = {QStringLiteral("〒"), QStringLiteral("宛名"), QStringLiteral("電話"),
                               QStringLiteral("所在地")};
    const CsvColumnMapping guessed = CsvColumnMapping::guessFromHeader(other);
    const CsvColumnMapping restored = CsvColumnMapping::restore(text, other, int(other.size()));
    EXPECT_EQ(restored, guessed);
    EXPECT_EQ(restored.column(0), 1); // 宛名
    EXPECT_EQ(restored.column(2), 0); // 〒
    EXPECT_EQ(restored.column(7), 2); // 電話
    EXPECT_EQ(restored.column(1), CsvColumnMapping::NoColumn);
    // Taken alone, the remembered text maps nothing of this file.
    EXPECT_TRUE(CsvColumnMapping::fromText(text, other, int(other.size())).isEmpty());

    // Some names found: those choices apply, the missing ones are guessed, and
    // what the user chose not to import stays out.
    const QStringList partly = {QStringLiteral("備考"), QStringLiteral("お名前"), QStringLiteral("〒"),
                                QStringLiteral("所在地"), QStringLiteral("住所1")};
    const CsvColumnMapping mixed = CsvColumnMapping::restore(text, partly, int(partly.size()));
    EXPECT_EQ(mixed.column(0), 1);                         // お名前, remembered
    EXPECT_EQ(mixed.column(1), 0);                         // 備考 as 名前2, remembered
    EXPECT_EQ(mixed.column(2), 2);                         // 郵便番号 missing: guessed 〒
    EXPECT_EQ(mixed.column(3), 4);                         // 住所 missing: guessed 住所1
    EXPECT_EQ(mixed.column(8), CsvColumnMapping::NoColumn); // left out on purpose, though 備考 exists
    EXPECT_TRUE(mixed.firstRowIsHeader);

    // The same export again: exactly what was remembered.
    EXPECT_EQ(CsvColumnMapping::restore(text, first, int(first.size())), m);
}

TEST(CsvColumnMapping, WithoutHeaderPositionsApplyOnlyToTheSameNumberOfColumns)
{
    CsvColumnMapping m;
    m.firstRowIsHeader = false;
    m.setColumn(0, 0);
    m.setColumn(2, 1);
    m.setColumn(3, 2);
    const QString text = m.toText({}, 3);
    const QStringList data = {QStringLiteral("山田"), QStringLiteral("100-0001"), QStringLiteral("東京都")};
    EXPECT_EQ(CsvColumnMapping::restore(text, data, 3), m);
    EXPECT_EQ(CsvColumnMapping::fromText(text, data, 3), m);

    // One column more or fewer: the positions mean something else now.
    for (int columns : {2, 4}) {
        EXPECT_TRUE(CsvColumnMapping::fromText(text, data, columns).isEmpty()) << columns;
        const CsvColumnMapping restored = CsvColumnMapping::restore(text, data, columns);
        EXPECT_EQ(restored, CsvColumnMapping::guessFromHeader(data)) << columns;
    }
    // A remembered text from before the column count was kept tells no count.
    const QString old = QStringLiteral("{\"header\":false,\"columns\":[0,-1,1,2,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1],"
                                       "\"names\":[\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"]}");
    EXPECT_TRUE(CsvColumnMapping::fromText(old, data, 3).isEmpty());
}

TEST(CsvColumnMapping, UnreadableRememberedTextGivesTheGuess)
{
    EXPECT_EQ(CsvColumnMapping::restore(QStringLiteral("not json"), kHeader, int(kHeader.size())),
              CsvColumnMapping::guessFromHeader(kHeader));
    EXPECT_EQ(CsvColumnMapping::restore(QString(), kHeader, int(kHeader.size())),
              CsvColumnMapping::guessFromHeader(kHeader));
}

} // namespace

// Two exports joined into one file leave a byte-order mark inside a header
// cell; the settings file cannot hold that character, and the mapping must
// still come back as it was chosen (found by fuzzing).
TEST(CsvColumnMapping, AHeaderCellWithAByteOrderMarkRestoresUnchanged)
{
    const QStringList header{QStringLiteral("番号"), QStringLiteral("郵便番号"), QStringLiteral("住所"),
                             QStringLiteral("\uFEFF名前"), QStringLiteral("郵便番号"), QStringLiteral("住所")};
    const CsvColumnMapping guess = CsvColumnMapping::guessFromHeader(header);
    ASSERT_EQ(guess.column(0), 3);
    const CsvColumnMapping restored =
        CsvColumnMapping::fromText(guess.toText(header), header, int(header.size()));
    EXPECT_EQ(restored, guess);
}
