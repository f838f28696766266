#include "core/import/CsvImportFile.h"
#include "core/import/CsvImportPlan.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A line of the intermediate file with the given fields set (1-based) and the others empty.
QStringList line(std::initializer_list<std::pair<int, QString>> fields)
{
    QStringList f;
    for (int i = 0; i < CsvImportFieldCount; ++i)
        f.append(QString());
    for (const auto &[n, v] : fields)
        f[n - 1] = v;
    return f;
}

struct AddressCase {
    const char *field4;
    const char *field5;
    const char *area;
    const char *city;
};

class CsvAddressSplitTest : public testing::TestWithParam<AddressCase>
{
};

TEST_P(CsvAddressSplitTest, AreaAndCity)
{
    const AddressCase &c = GetParam();
    const CsvImportPlan plan = PlanCsvImport(
        {line({{1, QStringLiteral("山田")}, {4, QString::fromUtf8(c.field4)}, {5, QString::fromUtf8(c.field5)}})}, 20);
    ASSERT_EQ(plan.rows.size(), 1);
    EXPECT_EQ(plan.rows[0].area, QString::fromUtf8(c.area));
    EXPECT_EQ(plan.rows[0].city, QString::fromUtf8(c.city));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvAddressSplitTest,
    testing::Values(AddressCase{"東京都千代田区千代田", "", "東京都", "千代田区千代田"},
                    AddressCase{"東京都", "", "東京都", ""},
                    AddressCase{"", "大阪府大阪市北区", "大阪府", "大阪市北区"},
                    AddressCase{"", "大阪市北区", "", "大阪市北区"},
                    AddressCase{"京都府", "京都市", "京都府", "京都市"},
                    AddressCase{"", "", "", ""},
                    // the whole address without a prefecture goes to the city, not the prefecture
                    AddressCase{"大阪市北区梅田1-1", "", "", "大阪市北区梅田1-1"},
                    // a prefecture name further on is part of the address, not its prefecture
                    AddressCase{"横浜市中区 神奈川県ビル", "", "", "横浜市中区 神奈川県ビル"},
                    AddressCase{"大阪府大阪市北区茨城県人会館", "", "大阪府", "大阪市北区茨城県人会館"},
                    AddressCase{"", "北海道札幌市北区北海道ビル", "北海道", "札幌市北区北海道ビル"},
                    AddressCase{"", "札幌市北区北海道ビル", "", "札幌市北区北海道ビル"}));

TEST(CsvImportPlan, TelephonesAreStoredAsTheEditorsWriteThem)
{
    // What shops type, stored with two ASCII hyphens, so the number falls
    // into its three boxes wherever the address book takes it apart.
    const struct {
        const char *in, *stored;
    } cases[] = {{"090－1234－5678", "090-1234-5678"},
                 {"06‐6123−4567", "06-6123-4567"},
                 {"(03)1234-5678", "03-1234-5678"},
                 {"075 414 4321", "075-414-4321"},
                 {"03.1234.5678", "03-1234-5678"},
                 {"０３－１２３４－５６７８", "03-1234-5678"},
                 {"0312345678", "03-1234-5678"},
                 {"075-414-4321-99", "075-414-4321-99"},
                 {"", ""}};
    for (const auto &c : cases) {
        const CsvImportPlan plan = PlanCsvImport({line({{1, QStringLiteral("名")}, {8, QString::fromUtf8(c.in)}})}, 20);
        EXPECT_EQ(plan.rows.value(0).tel, QString::fromUtf8(c.stored)) << c.in;
    }
}

TEST(CsvImportPlan, ColumnsOfOneLine)
{
    const CsvImportPlan plan = PlanCsvImport(
        {line({{1, QStringLiteral("山田 太郎")}, {2, QStringLiteral("様方")}, {3, QStringLiteral("123-4567")},
               {6, QStringLiteral("1-2-3")}, {7, QStringLiteral("ハイツ101")}, {8, QStringLiteral("03-1234-5678")},
               {9, QStringLiteral("午前着")}, {10, QStringLiteral("3000")}, {11, QStringLiteral("りんご")},
               {14, QStringLiteral("みかん")}})},
        30);
    ASSERT_FALSE(plan.aborted());
    ASSERT_EQ(plan.rows.size(), 1);
    const CsvImportRow &r = plan.rows[0];
    EXPECT_EQ(r.namae1, QStringLiteral("山田 太郎"));
    EXPECT_EQ(r.namae2, QStringLiteral("様方"));
    EXPECT_EQ(r.zipcode, QStringLiteral("1234567"));
    EXPECT_EQ(r.location, QStringLiteral("1-2-3"));
    EXPECT_EQ(r.building, QStringLiteral("ハイツ101"));
    EXPECT_EQ(r.tel, QStringLiteral("03-1234-5678"));
    EXPECT_EQ(r.notes, QStringLiteral("午前着"));
    EXPECT_EQ(r.uriage, QStringLiteral("3000"));
    EXPECT_EQ(r.daibiki, QStringLiteral("3000"));
    EXPECT_TRUE(r.hoken.isEmpty());
    EXPECT_EQ(r.itemNames, (QStringList{QStringLiteral("りんご"), QString(), QString(), QStringLiteral("みかん")}));
}

TEST(CsvImportPlan, AmountGoesToTheEditionsOwnColumn)
{
    const QVector<QStringList> lines = {line({{1, QStringLiteral("a")}, {10, QStringLiteral("500")}})};
    const CsvImportRow r20 = PlanCsvImport(lines, 20).rows.value(0);
    const CsvImportRow r40 = PlanCsvImport(lines, 40).rows.value(0);
    EXPECT_TRUE(r20.daibiki.isEmpty());
    EXPECT_TRUE(r20.hoken.isEmpty());
    EXPECT_TRUE(r40.daibiki.isEmpty());
    EXPECT_EQ(r40.hoken, QStringLiteral("500"));
}

TEST(CsvImportPlan, PostalCodeKeepsSevenCharactersWithoutHyphens)
{
    const CsvImportPlan plan = PlanCsvImport({line({{3, QStringLiteral("123-4567-89")}})}, 20);
    EXPECT_EQ(plan.rows.value(0).zipcode, QStringLiteral("1234567"));
}

struct LengthCase {
    const char *name;
    int field;
    int limit;
    const char *notice; // the text before the line break
    bool showsValue;
};

class CsvImportLengthTest : public testing::TestWithParam<LengthCase>
{
};

TEST_P(CsvImportLengthTest, LimitIsAcceptedOneMoreAborts)
{
    const LengthCase &c = GetParam();
    // City is checked after the split, so it is given with field 4 filled.
    auto lineWith = [&](int length) {
        QStringList f = line({{1, QStringLiteral("名")}, {4, QStringLiteral("東京都")}});
        f[c.field - 1] = QString(length, QChar(u'あ'));
        if (c.field == 4)
            f[4] = QStringLiteral("市");
        return f;
    };
    const CsvImportPlan fits = PlanCsvImport({lineWith(c.limit)}, 20);
    EXPECT_FALSE(fits.aborted()) << fits.abortNotice.toStdString();

    const QStringList good = line({{1, QStringLiteral("先の行")}});
    const CsvImportPlan tooLong = PlanCsvImport({good, lineWith(c.limit + 1), good}, 20);
    ASSERT_TRUE(tooLong.aborted());
    EXPECT_EQ(tooLong.abortLine, 1);
    ASSERT_EQ(tooLong.rows.size(), 1); // the earlier line only
    QString expected = QString::fromUtf8(c.notice);
    if (c.showsValue)
        expected += QStringLiteral("\r\n") + QString(c.limit + 1, QChar(u'あ'));
    EXPECT_EQ(tooLong.abortNotice, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvImportLengthTest,
    testing::Values(LengthCase{"area", 4, 20, "[取込を中止しました]都道府県が長すぎます。", true},
                    LengthCase{"city", 5, 60, "[取込を中止しました]市区が長すぎます。", false},
                    LengthCase{"name1", 1, 40, "[取込を中止しました]名前1が長すぎます。", true},
                    LengthCase{"name2", 2, 40, "[取込を中止しました]名前2が長すぎます。", true},
                    LengthCase{"location", 6, 60, "[取込を中止しました]番地の文字列が長すぎます。", true},
                    LengthCase{"building", 7, 60, "[取込を中止しました]建物名称が長すぎます。", true},
                    LengthCase{"tel", 8, 15, "[取込を中止しました]電話番号が長すぎます。", true},
                    LengthCase{"notes", 9, 200, "[取込を中止しました]備考が長すぎます。", true},
                    LengthCase{"item1", 11, 80, "[取込を中止しました]商品名1が長すぎます。", true},
                    LengthCase{"item4", 14, 80, "[取込を中止しました]商品名4が長すぎます。", true}),
    [](const testing::TestParamInfo<LengthCase> &info) { return std::string(info.param.name); });

TEST(CsvImportPlan, LengthsCountUtf16Units)
{
    // 𠮷 is two UTF-16 code units: 20 of them make 40 units, 21 make 42.
    QString name;
    for (int i = 0; i < 20; ++i)
        name += QString::fromUtf8("𠮷");
    EXPECT_FALSE(PlanCsvImport({line({{1, name}})}, 20).aborted());
    EXPECT_TRUE(PlanCsvImport({line({{1, name + QStringLiteral("a")}})}, 20).aborted());
}

TEST(CsvImportPlan, FirstFailingCheckInOrderWins)
{
    QStringList f = line({{1, QString(41, u'x')}, {8, QString(16, u'1')}});
    EXPECT_TRUE(PlanCsvImport({f}, 20).abortNotice.startsWith(QStringLiteral("[取込を中止しました]名前1")));
}

// The limit holds for the number as stored; the notice shows it as typed.
TEST(CsvImportPlan, TelephoneLengthCountsTheStoredNumber)
{
    const QString typed = QStringLiteral("0751234567890"); // 13 typed, 15 stored
    EXPECT_FALSE(PlanCsvImport({line({{1, QStringLiteral("名")}, {8, typed}})}, 20).aborted());
    const QString longer = typed + u'1';
    const CsvImportPlan plan = PlanCsvImport({line({{1, QStringLiteral("名")}, {8, longer}})}, 20);
    EXPECT_EQ(plan.abortNotice, QStringLiteral("[取込を中止しました]電話番号が長すぎます。\r\n") + longer);
}

struct SplitLineCase {
    const char *line;
    std::vector<const char *> firstFields; // the rest must be empty
};

class CsvImportLineTest : public testing::TestWithParam<SplitLineCase>
{
};

TEST_P(CsvImportLineTest, FourteenFields)
{
    const SplitLineCase &c = GetParam();
    const QStringList fields = SplitCsvImportLine(QString::fromUtf8(c.line));
    ASSERT_EQ(fields.size(), CsvImportFieldCount);
    for (int i = 0; i < CsvImportFieldCount; ++i) {
        const QString expected = i < int(c.firstFields.size()) ? QString::fromUtf8(c.firstFields[size_t(i)]) : QString();
        EXPECT_EQ(fields[i], expected) << "field " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CsvImportLineTest,
    testing::Values(SplitLineCase{"a,b,c,d,e,f,g,h,i,j,k,l,m,n,", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n"}},
                    // fields past the 14th are ignored
                    SplitLineCase{"a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n"}},
                    // a short line: the missing fields are empty, not copies of the last one
                    SplitLineCase{"山田,,123-4567,", {"山田", "", "123-4567"}},
                    // a last field without its comma is still taken
                    SplitLineCase{"山田,花子", {"山田", "花子"}},
                    SplitLineCase{",,,,,,,,,,,,,,", {}}));

TEST(CsvImportFile, WrittenLinesReadBackUnchanged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("csvImport.tmp"));
    const QStringList row = {QStringLiteral("山田, 太郎"), QStringLiteral("二行\r\n目"), QStringLiteral("123-4567"),
                             QStringLiteral("東京都"), QStringLiteral("𠮷野町"), QStringLiteral("1-1")};
    ASSERT_TRUE(WriteCsvImportFile(path, {row, {QStringLiteral("b")}}));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.endsWith(",\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 2);

    const auto rows = ReadCsvImportFile(path);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2);
    EXPECT_EQ(rows->at(0).at(0), QStringLiteral("山田， 太郎"));
    EXPECT_EQ(rows->at(0).at(1), QStringLiteral("二行 目"));
    EXPECT_EQ(rows->at(0).at(4), QStringLiteral("𠮷野町"));
    EXPECT_EQ(rows->at(0).at(5), QStringLiteral("1-1"));
    EXPECT_TRUE(rows->at(0).at(6).isEmpty());
    EXPECT_EQ(rows->at(1).at(0), QStringLiteral("b"));
}

TEST(CsvImportFile, ReadsCodePage932AndSkipsEmptyLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("csvImport.tmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // 山田 in code page 932, then an empty line, LF and CR line ends
    file.write("\x8E\x52\x93\x63,,\n\r\nx,\r");
    file.close();
    const auto rows = ReadCsvImportFile(path);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2);
    EXPECT_EQ(rows->at(0).at(0), QStringLiteral("山田"));
    EXPECT_EQ(rows->at(1).at(0), QStringLiteral("x"));
}

TEST(CsvImportFile, MissingFileIsNoFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ReadCsvImportFile(dir.filePath(QStringLiteral("none.tmp"))).has_value());
    EXPECT_EQ(CsvImportPath(QStringLiteral("/w")), QStringLiteral("/w/conf/csvImport.tmp"));
}

} // namespace
