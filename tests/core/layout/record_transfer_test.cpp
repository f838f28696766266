// The transfer of a print record into a layout's data items.
#include "support/LayoutTestSupport.h"
#include "core/settings/Editions.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"

#include <gtest/gtest.h>

using namespace layouttest;

namespace {

// A layout with one text item for every id from 1 to 200, each holding "old".
StyleData everyItem()
{
    StyleData s;
    for (int id = 1; id <= 200; ++id)
        s.appendLine(charItem(id, QStringLiteral("old")));
    return s;
}

QString textOf(const StyleData &s, int id)
{
    const int index = s.findItem(id);
    return index < 0 ? QStringLiteral("<missing>") : field(s.line(index), 20);
}

// A complete waybill record.
PrintRecord sampleRecord()
{
    PrintRecord r;
    r.setSlot(7, QStringLiteral("15"));
    r.setSlot(8, QStringLiteral("山田 太郎"));
    r.setSlot(12, QStringLiteral("1000001"));
    r.setSlot(13, QStringLiteral("東京都千代田区"));
    r.setSlot(14, QStringLiteral("千代田1-1"));
    r.setSlot(15, QStringLiteral("03-1234-5678"));
    r.setSlot(16, QStringLiteral("1500"));
    for (int k = 0; k < 4; ++k)
        r.setSlot(17 + k, QStringLiteral("品%1").arg(k + 1));
    r.setSlot(22, QStringLiteral("2024/12/24"));
    r.setSlot(23, QStringLiteral("14時～16時"));
    r.setSlot(25, QStringLiteral("3000"));
    r.setSlot(26, QStringLiteral("2"));
    r.setSlot(29, QStringLiteral("50000"));
    r.setSlot(32, QStringLiteral("株式会社コルヴェル"));
    r.setSlot(33, QStringLiteral("5300001"));
    r.setSlot(34, QStringLiteral("大阪府大阪市北区梅田1-1"));
    r.setSlot(35, QStringLiteral("梅田ビル3F"));
    r.setSlot(36, QStringLiteral("06-9876-5432"));
    r.setSlot(38, QStringLiteral("00120"));
    r.setSlot(39, QStringLiteral("3"));
    r.setSlot(40, QStringLiteral("123456"));
    r.setSlot(41, QStringLiteral("第2ビル"));
    return r;
}

TransferOptions optionsFor(int edition)
{
    TransferOptions o;
    o.editionCode = edition;
    o.printDate = QDate(2025, 3, 5);
    return o;
}

TEST(RecordTransfer, WritesEveryItemFromItsSlot)
{
    StyleData s = everyItem();
    TransferRecord(s, sampleRecord(), optionsFor(EditionMorvik));
    const std::vector<std::pair<int, QString>> expected{
        {1, "100"}, {2, "0001"}, {3, "東京都千代田区"}, {4, "千代田1-1"}, {5, "第2ビル"}, {6, "山田 太郎"},
        {8, "03"}, {9, "1234"}, {10, "5678"}, {11, "530"}, {12, "0001"}, {13, "大阪府大阪市北区梅田1-1"},
        {14, "梅田ビル3F"}, {16, "株式会社コルヴェル"}, {18, "06"}, {19, "9876"}, {20, "5432"}, {21, "2024"},
        {22, "12"}, {23, "24"}, {31, "品1"}, {32, "品2"}, {33, "品3"}, {34, "品4"}, {41, "3000"},
        {51, "00120"}, {52, "3"}, {53, "123456"}, {61, ""}, {62, ""}, {63, "〇"}, {64, ""}, {65, ""},
        {66, ""}, {67, ""}, {70, "2"}, {71, "50000"}, {101, "100"}, {102, "0001"}, {103, "東京都千代田区"},
        {104, "千代田1-1"}, {105, "第2ビル"}, {106, "山田 太郎"}, {108, "03"}, {109, "1234"}, {110, "5678"},
        {116, "株式会社コルヴェル"}, {121, "2025"}, {122, "03"}, {123, "05"}, {141, "3000"}, {151, "00120"},
        {152, "3"}, {153, "123456"}};
    for (const auto &[id, text] : expected)
        EXPECT_EQ(textOf(s, id), text) << "item " << id;
    // Items no slot feeds keep their text.
    for (int id : {7, 15, 17, 24, 30, 35, 40, 42, 60, 68, 72, 100, 107, 111, 117, 120, 124, 140, 154, 200})
        EXPECT_EQ(textOf(s, id), QStringLiteral("old")) << "item " << id;
}

struct SplitCase {
    int slot;
    const char *text;
    std::vector<int> ids;
    std::vector<const char *> parts;
};

class TransferSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TransferSplitting, SplitsPostalCodesTelephonesAndDates)
{
    const SplitCase &c = GetParam();
    PrintRecord r;
    r.setSlot(c.slot, QString::fromUtf8(c.text));
    StyleData s = everyItem();
    TransferRecord(s, r, optionsFor(EditionZerrat));
    for (size_t k = 0; k < c.ids.size(); ++k)
        EXPECT_EQ(textOf(s, c.ids[k]), QString::fromUtf8(c.parts[k])) << "item " << c.ids[k] << " of " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TransferSplitting,
    ::testing::Values(SplitCase{12, "1234567", {1, 2, 101, 102}, {"123", "4567", "123", "4567"}},
                      SplitCase{12, "123", {1, 2}, {"123", ""}},
                      SplitCase{12, "12", {1, 2}, {"12", ""}},
                      SplitCase{33, "98765432", {11, 12}, {"987", "6543"}},
                      SplitCase{15, "03-1234-5678", {8, 9, 10, 108, 109, 110}, {"03", "1234", "5678", "03", "1234", "5678"}},
                      SplitCase{15, "0312345678", {8, 9, 10}, {"03", "1234", "5678"}},
                      SplitCase{15, "03-1234", {8, 9, 10}, {"03", "", "1234"}},
                      SplitCase{15, "075-414-4321-99", {8, 9, 10, 108, 109, 110}, {"075", "414", "4321-99", "075", "414", "4321-99"}},
                      SplitCase{15, "--", {8, 9, 10}, {"", "", ""}},
                      SplitCase{36, "06-1-2-3", {18, 19, 20}, {"06", "1", "2-3"}},
                      SplitCase{22, "/12/24", {21, 22, 23}, {"", "12", "24"}},
                      SplitCase{22, "2024/1", {21, 22, 23}, {"2024", "1", ""}},
                      SplitCase{22, "", {21, 22, 23}, {"", "", ""}}));

struct MarkCase {
    int edition;
    const char *choice;
    int markedId; // 0: no mark
};

class TimeSlotMarks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(TimeSlotMarks, MarkOnlyTheChosenSlotOfTheEdition)
{
    const MarkCase &c = GetParam();
    StyleData s = everyItem();
    s.setItemText(61, QStringLiteral("〇")); // a mark left from the previous waybill
    PrintRecord r;
    r.setSlot(23, QString::fromUtf8(c.choice));
    TransferRecord(s, r, optionsFor(c.edition));
    for (int id = 61; id <= 67; ++id)
        EXPECT_EQ(textOf(s, id), id == c.markedId ? QStringLiteral("〇") : QString())
            << "edition " << c.edition << " item " << id;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TimeSlotMarks,
    ::testing::Values(MarkCase{20, "希望しない", 67}, MarkCase{30, "希望しない", 0}, MarkCase{20, "午前中", 61},
                      MarkCase{30, "20時～21時", 66}, MarkCase{50, "10時～12時", 61}, MarkCase{50, "18時～20時", 65},
                      MarkCase{50, "午前中", 0}, MarkCase{20, "12時～14時", 62}, MarkCase{20, "希望なし", 0},
                      MarkCase{20, "印刷しない", 0}, MarkCase{40, "午前中", 0}, MarkCase{10, "午前中", 0},
                      MarkCase{60, "午前中", 0}, MarkCase{20, "12時~14時", 0}, MarkCase{20, "", 0}));

struct AmountCase {
    int edition;
    bool yen;
    const char *slot16;
    const char *slot25;
    const char *expected;
};

class TransferAmount : public ::testing::TestWithParam<AmountCase> {};

TEST_P(TransferAmount, TakesTheEditionsSlotAndTheYenMark)
{
    const AmountCase &c = GetParam();
    PrintRecord r;
    r.setSlot(16, QString::fromUtf8(c.slot16));
    r.setSlot(25, QString::fromUtf8(c.slot25));
    TransferOptions o = optionsFor(c.edition);
    o.yenMark = c.yen;
    StyleData s = everyItem();
    TransferRecord(s, r, o);
    EXPECT_EQ(textOf(s, 41), QString::fromUtf8(c.expected));
    EXPECT_EQ(textOf(s, 141), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Values, TransferAmount,
                         ::testing::Values(AmountCase{30, true, "", "3000", "\\3000"},
                                           AmountCase{30, true, "", "", "\\"},
                                           AmountCase{30, false, "1500", "3000", "3000"},
                                           AmountCase{10, false, "1500", "3000", "1500"},
                                           AmountCase{10, true, "1500", "3000", "\\1500"},
                                           AmountCase{40, false, "1500", "", ""}));

TEST(RecordTransfer, PrintDateItemsFollowTheDateAndTheOption)
{
    StyleData s = everyItem();
    TransferOptions o = optionsFor(EditionMorvik);
    o.printDate = QDate(2031, 11, 9);
    TransferRecord(s, PrintRecord(), o);
    EXPECT_EQ(textOf(s, 121), QStringLiteral("2031"));
    EXPECT_EQ(textOf(s, 122), QStringLiteral("11"));
    EXPECT_EQ(textOf(s, 123), QStringLiteral("09"));

    o.printDateOff = true;
    TransferRecord(s, PrintRecord(), o);
    for (int id = 121; id <= 123; ++id)
        EXPECT_TRUE(textOf(s, id).isEmpty()) << id;

    TransferPrintDate(s, QDate(2024, 2, 29), false);
    EXPECT_EQ(textOf(s, 122), QStringLiteral("02"));
    EXPECT_EQ(textOf(s, 123), QStringLiteral("29"));

    // No date given: today.
    TransferPrintDate(s, QDate(), false);
    EXPECT_EQ(textOf(s, 121), QDate::currentDate().toString(QStringLiteral("yyyy")));
}

TEST(RecordTransfer, SenderTransferTouchesOnlySenderItems)
{
    StyleData s = everyItem();
    TransferSender(s, sampleRecord());
    const std::vector<int> senderIds{11, 12, 13, 14, 16, 18, 19, 20, 51, 52, 53, 116, 151, 152, 153};
    for (int id = 1; id <= 200; ++id) {
        const bool sender = std::find(senderIds.begin(), senderIds.end(), id) != senderIds.end();
        EXPECT_EQ(textOf(s, id) != QStringLiteral("old"), sender) << id;
    }
    EXPECT_EQ(textOf(s, 116), QStringLiteral("株式会社コルヴェル"));
}

TEST(RecordTransfer, SkipsItemsTheLayoutLacksAndAddsNoLines)
{
    StyleData s;
    s.appendLine(QStringLiteral("0;0;0;0;line;10;10;50;10;1;実線;0;1;"));
    s.appendLine(charItem(6));
    TransferRecord(s, sampleRecord(), optionsFor(EditionQuillo));
    EXPECT_EQ(s.lineCount(), 3);
    EXPECT_EQ(s.line(1), QStringLiteral("0;0;0;0;line;10;10;50;10;1;実線;0;1;"));
    EXPECT_EQ(textOf(s, 6), QStringLiteral("山田 太郎"));
}

TEST(RecordTransfer, SemicolonsAndLineBreaksInDataCannotBreakTheLayout)
{
    PrintRecord r;
    r.setSlot(8, QStringLiteral("山田;太郎"));
    r.setSlot(13, QStringLiteral("東京都\r\n千代田区"));
    StyleData s = everyItem();
    TransferRecord(s, r, optionsFor(EditionZerrat));
    EXPECT_EQ(textOf(s, 6), QStringLiteral("山田；太郎"));
    EXPECT_EQ(textOf(s, 3), QStringLiteral("東京都千代田区"));
    for (const QString &line : s.lines().mid(1))
        EXPECT_EQ(separatorCount(line), 22);
    // The record itself keeps its text as entered.
    EXPECT_EQ(r.slot(8), QStringLiteral("山田;太郎"));
}

TEST(RecordTransfer, TimeSlotChoicesPerEdition)
{
    EXPECT_EQ(TimeSlotChoices(20).size(), 7);
    EXPECT_EQ(TimeSlotChoices(30).size(), 6);
    EXPECT_EQ(TimeSlotChoices(50).size(), 5);
    for (int edition : {10, 40, 60, 0})
        EXPECT_TRUE(TimeSlotChoices(edition).isEmpty()) << edition;
    for (const QString &choice : TimeSlotChoices(50))
        EXPECT_FALSE(choice.contains(u'~')) << choice.toStdString(); // full-width tilde only
}

} // namespace
