// The shipped starter files: encoding, well-formed lines for the drawing pass,
// and an item for every field the record transfer fills on each edition's form.
#include "support/LayoutTestSupport.h"
#include "core/layout/Millimetre.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include <map>

using namespace layouttest;

namespace {

QString resource(const QString &relative)
{
    return qEnvironmentVariable("KORVEL_SOURCE_DIR") + QStringLiteral("/resources/") + relative;
}

// The ids every waybill's default form carries, before its time-slot marks.
QSet<int> waybillIds(int marks)
{
    QSet<int> ids{1,  2,  3,  4,  5,  6,  8,  9,  10,  11,  12,  13,  14,  16,  18,  19,  20,  21,  22,  23,  31, 32,
                  33, 34, 41, 51, 52, 53, 70, 71, 101, 102, 103, 104, 105, 106, 108, 109, 110, 116, 121, 122, 123, 141,
                  151, 152, 153};
    for (int k = 0; k < marks; ++k)
        ids.insert(61 + k);
    return ids;
}

struct StarterForm {
    const char *file;
    int edition;
    QSet<int> dataIds;
};

std::vector<StarterForm> starterForms()
{
    return {{"払込取扱票.sle", 10,
             {1, 2, 3, 4, 5, 6, 8, 9, 10, 16, 31, 32, 33, 34, 41, 51, 52, 53, 101, 102, 103, 104, 105, 106, 116, 141,
              151, 152, 153}},
            {"quil_lo.sle", 20, waybillIds(7)},
            {"dovrak.sle", 30, waybillIds(6)},
            {"zerrat.sle", 40, waybillIds(0)},
            {"morvik.sle", 50, waybillIds(5)},
            // The paper kinds beside "zerrat.sle": any edition may select them,
            // so they carry the longest list of time-slot marks.
            {"d_zerrat.sle", 20, waybillIds(7)},
            {"zerrat2.sle", 30, waybillIds(7)},
            {"d_zerrat2.sle", 50, waybillIds(7)}};
}

// Per kind: the field count, the preview-only field, the decimal millimetre
// fields and the integer fields.
struct KindFields {
    int count;
    int previewOnly;
    std::vector<int> decimals;
    std::vector<int> integers;
};

const std::map<QString, KindFields> &kindFields()
{
    static const std::map<QString, KindFields> table{
        {QStringLiteral("char"), {22, 21, {6, 7, 8, 9, 10, 11, 18}, {1, 2, 12, 13, 15, 17, 19, 21, 22}}},
        {QStringLiteral("line"), {13, 13, {6, 7, 8, 9}, {1, 2, 10, 12, 13}}},
        {QStringLiteral("rect"), {13, 13, {6, 7, 8, 9}, {1, 2, 10, 12, 13}}},
        {QStringLiteral("rrect"), {17, 17, {6, 7, 8, 9}, {1, 2, 10, 11, 12, 14, 16, 17}}},
        {QStringLiteral("Ellipse"), {15, 15, {6, 7, 8, 9}, {1, 2, 10, 12, 14, 15}}},
        // Pictures: W is 0 (width from the picture's proportions), H is given.
        {QStringLiteral("image"), {14, 14, {6, 7, 9}, {1, 2, 8, 10, 11, 12, 14}}},
    };
    return table;
}

class StarterStyle : public ::testing::TestWithParam<StarterForm> {};

TEST_P(StarterStyle, IsCodePage932WithCrLf)
{
    const QByteArray bytes = readBytes(resource(QStringLiteral("style/")) + QString::fromUtf8(GetParam().file));
    ASSERT_FALSE(bytes.isEmpty());
    TextEncoding encoding = TextEncoding::Utf8Bom;
    const QString text = DecodeText(bytes, &encoding);
    EXPECT_EQ(encoding, TextEncoding::Cp932);
    EXPECT_EQ(EncodeCp932(text).value_or(QByteArray()), bytes);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
}

TEST_P(StarterStyle, EveryLineIsWellFormedAndOnTheA4PrintableArea)
{
    const StarterForm &form = GetParam();
    StyleData style;
    const LayoutStatus status = style.OpenStyle(resource(QStringLiteral("style/")) + QString::fromUtf8(form.file));
    ASSERT_TRUE(status.ok) << status.message.toStdString();
    EXPECT_EQ(style.HeaderPaperSize, 9);
    ASSERT_GT(style.lineCount(), 40);

    QSet<int> seenIds;
    QSet<int> dataIds;
    for (int i = 1; i < style.lineCount(); ++i) {
        const QString line = style.line(i);
        const QString kind = field(line, 5);
        const auto known = kindFields().find(kind);
        ASSERT_NE(known, kindFields().end()) << line.toStdString();
        EXPECT_EQ(separatorCount(line), known->second.count) << line.toStdString();
        for (int f : known->second.decimals) {
            const std::optional<Millimetre> value = Millimetre::parse(field(line, f));
            ASSERT_TRUE(value.has_value()) << "field " << f << ": " << line.toStdString();
            if (f <= 9) {
                const Millimetre limit = Millimetre::fromWhole((f % 2 == 0) ? 200 : 287);
                EXPECT_TRUE(Millimetre() < *value && !(limit < *value)) << "field " << f << ": " << line.toStdString();
            }
        }
        for (int f : known->second.integers)
            EXPECT_TRUE(ParseWholeNumber(field(line, f), nullptr)) << "field " << f << ": " << line.toStdString();

        const int id = field(line, 2).toInt();
        EXPECT_FALSE(seenIds.contains(id)) << "duplicate id " << id;
        seenIds.insert(id);
        const int previewField = known->second.previewOnly;
        if (form.dataIds.contains(id)) {
            EXPECT_EQ(kind, QStringLiteral("char"));
            EXPECT_EQ(field(line, previewField), QStringLiteral("0")) << "data item " << id << " must print";
            EXPECT_TRUE(field(line, 20).isEmpty()) << "data item " << id << " ships empty";
            dataIds.insert(id);
        } else {
            // The pre-printed form: shown on the preview, never printed, and
            // out of the range of ids the program empties or fills.
            EXPECT_EQ(field(line, previewField), QStringLiteral("1")) << line.toStdString();
            EXPECT_GE(id, 500) << line.toStdString();
        }
    }
    EXPECT_EQ(dataIds, form.dataIds);
}

TEST_P(StarterStyle, SampleWaybillFillsTheForm)
{
    const StarterForm &form = GetParam();
    StyleData style;
    ASSERT_TRUE(style.OpenStyle(resource(QStringLiteral("style/")) + QString::fromUtf8(form.file)));
    PrintRecord record;
    ASSERT_TRUE(LoadSingleData(resource(QStringLiteral("conf/singledata.txt")), record));
    TransferOptions options;
    options.editionCode = form.edition;
    options.printDate = QDate(2025, 4, 1);
    TransferRecord(style, record, options);
    const auto textOf = [&](int id) { return field(style.line(style.findItem(id)), 20); };
    EXPECT_EQ(textOf(6), record.slot(8));
    EXPECT_EQ(textOf(16), record.slot(32));
    EXPECT_EQ(textOf(41), record.slot(form.edition == 10 ? 16 : 25));
    EXPECT_EQ(textOf(153), record.slot(40));
    // A time slot the edition offers is marked on its form.
    const int chosen = int(TimeSlotChoices(form.edition).indexOf(record.slot(23)));
    if (chosen >= 0)
        EXPECT_EQ(textOf(61 + chosen), QStringLiteral("〇"));
}

TEST_P(StarterStyle, ShowsAPreviewOnlyPictureThatShipsBesideIt)
{
    StyleData style;
    ASSERT_TRUE(style.OpenStyle(resource(QStringLiteral("style/")) + QString::fromUtf8(GetParam().file)));
    int pictures = 0;
    for (int i = 1; i < style.lineCount(); ++i) {
        const QString line = style.line(i);
        if (field(line, 5) != QStringLiteral("image"))
            continue;
        ++pictures;
        EXPECT_EQ(field(line, 14), QStringLiteral("1")) << line.toStdString();
        // A bare name: the drawing pass finds it in the work folder's style folder.
        const QString name = field(line, 13);
        EXPECT_FALSE(name.contains(u'/')) << line.toStdString();
        EXPECT_FALSE(QImage(resource(QStringLiteral("style/")) + name).isNull()) << name.toStdString();
    }
    EXPECT_GE(pictures, 1);
}

INSTANTIATE_TEST_SUITE_P(Forms, StarterStyle, ::testing::ValuesIn(starterForms()));

TEST(StarterSingleData, IsACompleteWaybillOf42Lines)
{
    const QString path = resource(QStringLiteral("conf/singledata.txt"));
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes.count("\r\n"), 42);
    EXPECT_EQ(bytes.count('\n'), 42);
    PrintRecord record;
    ASSERT_TRUE(LoadSingleData(path, record));
    EXPECT_EQ(record.size(), 42);
    EXPECT_EQ(record.encoding(), TextEncoding::Cp932);
    EXPECT_EQ(record.slot(12).size(), 7);
    EXPECT_EQ(record.slot(33).size(), 7);
    EXPECT_FALSE(NthDashField(record.slot(15), 3).isEmpty());
    EXPECT_FALSE(NthDashField(record.slot(36), 3).isEmpty());
    for (int slot : {8, 13, 14, 17, 22, 23, 25, 26, 32, 34, 41})
        EXPECT_FALSE(record.slot(slot).isEmpty()) << slot;
    // Slots the record keeps empty.
    for (int slot : {4, 5, 6, 9, 10, 11, 21, 24, 30, 31, 37})
        EXPECT_TRUE(record.slot(slot).isEmpty()) << slot;
}

} // namespace
