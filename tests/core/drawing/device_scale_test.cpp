#include "core/drawing/DeviceScale.h"
#include "core/drawing/DrawContext.h"
#include "core/drawing/GdiStyles.h"
#include "core/drawing/PenWidth.h"

#include <gtest/gtest.h>

namespace {

Millimetre mm(const char *text)
{
    return *Millimetre::parse(QString::fromLatin1(text));
}

TEST(DeviceScale, PixelsPerMillimetreKeepFourDecimalsHalvesToEven)
{
    struct Case {
        int dpi;
        qint64 units;
    } cases[] = {{96, 37795}, {600, 236220}, {48, 18898}, {1200, 472441}, {72, 28346}, {300, 118110}};
    for (const Case &c : cases)
        EXPECT_EQ(DeviceScale::pxPerMmUnits(c.dpi), c.units) << c.dpi;
    // 127 dpi is exactly 5 px/mm; 0.5 units above a multiple would round to even.
    EXPECT_EQ(DeviceScale::pxPerMmUnits(127), 50000);
}

TEST(DeviceScale, ConversionDropsTheFractionTowardZero)
{
    const qint64 at96 = DeviceScale::pxPerMmUnits(96);
    struct Case {
        const char *mm;
        int pixels;
    } cases[] = {{"10", 37}, {"35", 132}, {"0.2645", 0}, {"0.2646", 1}, {"-1.5", -5}, {"100", 377}};
    for (const Case &c : cases)
        EXPECT_EQ(DeviceScale::toPixels(mm(c.mm), at96), c.pixels) << c.mm;
    // Zoom 50 on a 96-dpi screen: PreviewDpiX 48, 100 mm is 188.98 -> 188.
    const DrawContext half = DrawContext::forPreview(96, 96, 50);
    EXPECT_EQ(half.previewDpiX, 48);
    EXPECT_EQ(DeviceScale(half.targetDpiX, half.targetDpiY, 0, 0).deviceX(mm("100")), 188);
}

TEST(DeviceScale, OffsetsAreAddedInMillimetresBeforeConverting)
{
    const DeviceScale s(96, 96, 5, -3);
    EXPECT_EQ(s.deviceX(mm("10")), 56); // 15 mm
    EXPECT_EQ(s.deviceY(mm("10")), 26); // 7 mm
}

TEST(DeviceScale, AbsurdPositionsAreClampedNotOverflowed)
{
    const qint64 at1200 = DeviceScale::pxPerMmUnits(1200);
    EXPECT_EQ(DeviceScale::toPixels(mm("999999999999"), at1200), DeviceScale::MaxDevicePixel);
    EXPECT_EQ(DeviceScale::toPixels(mm("-999999999999"), at1200), -DeviceScale::MaxDevicePixel);
}

TEST(PenWidth, FollowsThePreviewResolutionOnEveryTarget)
{
    struct Case {
        int previewDpi;
        qint64 w;
        bool printer;
        GdiPenStyle style;
        int pixels;
    } cases[] = {
        {96, 1, false, GdiPenStyle::Solid, 1},      // 0.67 -> 1
        {96, 1, true, GdiPenStyle::Solid, 3},       // 96 x 5 / 144 = 3.33
        {192, 1, true, GdiPenStyle::Solid, 7},      // 192 x 5 / 144 = 6.67
        {96, 3, false, GdiPenStyle::Solid, 2},      // exactly 2
        {96, 0, false, GdiPenStyle::Solid, 1},      // 0 gives one pixel
        {96, -20, true, GdiPenStyle::Solid, 1},     // negative gives one pixel
        {72, 1, false, GdiPenStyle::Solid, 1},      // 0.5 rounds away from zero
        {96, 10, false, GdiPenStyle::Dash, 1},      // dashed pens are always thin
        {96, 10, true, GdiPenStyle::DashDotDot, 1},
        {96, 10, true, GdiPenStyle::InsideFrame, 9}, // 96 x 14 / 144 = 9.33
        {96, qint64(1) << 40, true, GdiPenStyle::Solid, 1 << 14},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PenWidthPixels(c.previewDpi, c.w, c.printer, c.style), c.pixels) << c.previewDpi << " " << c.w;
}

TEST(GdiStyles, NamesMapToStylesAndUnknownNamesAreSolid)
{
    EXPECT_EQ(PenStyleFromName(QStringLiteral("破線")), GdiPenStyle::Dash);
    EXPECT_EQ(PenStyleFromName(QStringLiteral("点線")), GdiPenStyle::Dot);
    EXPECT_EQ(PenStyleFromName(QStringLiteral("一点鎖線")), GdiPenStyle::DashDot);
    EXPECT_EQ(PenStyleFromName(QStringLiteral("二点鎖線")), GdiPenStyle::DashDotDot);
    EXPECT_EQ(PenStyleFromName(QStringLiteral("立体線")), GdiPenStyle::InsideFrame);
    EXPECT_EQ(PenStyleFromName(QStringLiteral("dash")), GdiPenStyle::Solid);
    const std::pair<const char *, GdiBrushStyle> brushes[] = {
        {"塗潰", GdiBrushStyle::Solid},         {"ClearBrush", GdiBrushStyle::Clear},
        {"枠", GdiBrushStyle::Clear},           {"水平", GdiBrushStyle::Horizontal},
        {"VerticalBrush", GdiBrushStyle::Vertical}, {"右斜線", GdiBrushStyle::FDiagonal},
        {"BDiagonalBrush", GdiBrushStyle::BDiagonal}, {"垂直十字", GdiBrushStyle::Cross},
        {"斜十字", GdiBrushStyle::DiagCross},   {"clearbrush", GdiBrushStyle::Solid},
    };
    for (const auto &b : brushes)
        EXPECT_EQ(BrushStyleFromName(QString::fromUtf8(b.first)), b.second) << b.first;
    EXPECT_TRUE(FontStyleFromName(QStringLiteral("太字")).bold);
    EXPECT_TRUE(FontStyleFromName(QStringLiteral("斜体")).italic);
    EXPECT_FALSE(FontStyleFromName(QStringLiteral("斜体")).bold);
    const GdiFontStyle both = FontStyleFromName(QStringLiteral("太字斜体"));
    EXPECT_TRUE(both.bold && both.italic);
    const GdiFontStyle none = FontStyleFromName(QStringLiteral("標準"));
    EXPECT_FALSE(none.bold || none.italic);
}

TEST(GdiStyles, ColoursAreRedInTheLowestByte)
{
    EXPECT_EQ(ColorFromBgr(255), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromBgr(16711680), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromBgr(0x336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ColorFromBgr(-16777201), ColorFromBgr(0x0F)); // high bits ignored
}

} // namespace
