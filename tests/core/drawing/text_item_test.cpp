#include "support/RenderTestSupport.h"

#include "core/layout/StyleData.h"
#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"
#include "core/drawing/TextItemDrawer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace rendertest;

namespace {

QImage draw(const QStringList &items, QSize size = QSize(600, 200))
{
    const LayoutImage out = preview(QStringList{header()} + items, size);
    EXPECT_TRUE(out.result.ok) << out.result.message.toStdString();
    return out.image;
}

Text textAt(const char *x, const char *y, const char *text)
{
    Text t;
    t.x = QString::fromLatin1(x);
    t.y = QString::fromLatin1(y);
    t.text = QString::fromUtf8(text);
    return t;
}

TEST(TextItem, NegativePitchEndsTheTextAtX)
{
    // "ABC" with pitch -5 at X = 50 draws A at 35, B at 40 and C at 45 mm.
    Text pitched = textAt("50", "10", "ABC");
    pitched.pitch = QStringLiteral("-5");
    const QImage image = draw({pitched.line()});
    const QImage expected =
        draw({textAt("35", "10", "A").line(1), textAt("40", "10", "B").line(2), textAt("45", "10", "C").line(3)});
    EXPECT_EQ(image, expected);
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 132); // 35 mm = 132.28 px
    EXPECT_LE(ink.left(), 135);
    EXPECT_LT(ink.right(), 170 + 16); // C starts at 45 mm = 170 px
}

TEST(TextItem, PositivePitchPlacesEveryCharacterFromX)
{
    Text pitched = textAt("20", "10", "AB");
    pitched.pitch = QStringLiteral("7.5");
    EXPECT_EQ(draw({pitched.line()}), draw({textAt("20", "10", "A").line(1), textAt("27.5", "10", "B").line(2)}));
}

TEST(TextItem, VerticalTextWithoutPitchStepsByHalfTheFontSizeInMillimetres)
{
    // Size 12, pitch 0, Y = 20: characters at Y = 20, 26 and 32 mm.
    Text vertical = textAt("10", "20", "■■■");
    vertical.mode = QStringLiteral("1");
    const QImage image = draw({vertical.line()}, QSize(200, 200));
    const QImage expected = draw({textAt("10", "20", "■").line(1), textAt("10", "26", "■").line(2),
                                  textAt("10", "32", "■").line(3)},
                                 QSize(200, 200));
    EXPECT_EQ(image, expected);
    const QVector<int> rows = inkColumnRuns(image, true);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_NEAR(rows[0], 75, 3); // 20 mm = 75.59 px
    EXPECT_NEAR(rows[1], 98, 3); // 26 mm = 98.27 px
}

TEST(TextItem, UnknownModesDrawVerticallyAndNegativePitchMovesUp)
{
    Text seven = textAt("10", "40", "ABC");
    seven.mode = QStringLiteral("7");
    Text one = seven;
    one.mode = QStringLiteral("1");
    EXPECT_EQ(draw({seven.line()}, QSize(200, 250)), draw({one.line()}, QSize(200, 250)));
    Text up = one;
    up.pitch = QStringLiteral("-6");
    const QImage expected = draw({textAt("10", "22", "A").line(1), textAt("10", "28", "B").line(2),
                                  textAt("10", "34", "C").line(3)},
                                 QSize(200, 250));
    EXPECT_EQ(draw({up.line()}, QSize(200, 250)), expected);
}

TEST(TextItem, MaximumLengthCutsBeforePitching)
{
    Text cut = textAt("10", "10", "ABCDE");
    cut.maxLength = QStringLiteral("3");
    cut.pitch = QStringLiteral("-5");
    Text three = textAt("10", "10", "ABC");
    three.pitch = QStringLiteral("-5");
    EXPECT_EQ(draw({cut.line()}), draw({three.line()}));
}

TEST(TextItem, ShadowOfATextAtXZeroIsStillDrawn)
{
    // X = 0 with KX = 2: only the shadow, at X = 2 mm, in the second colour.
    Text t = textAt("0", "10", "AB");
    t.kx = QStringLiteral("2");
    t.second = QStringLiteral("255");
    Text alone = textAt("2", "10", "AB");
    alone.color = QStringLiteral("255");
    const QImage image = draw({t.line()});
    EXPECT_EQ(image, draw({alone.line()}));
    EXPECT_GT(inkCount(image), 0);
}

TEST(TextItem, ShadowIsDrawnUnderTheText)
{
    Text t = textAt("10", "10", "■");
    t.kx = QStringLiteral("1");
    t.ky = QStringLiteral("1");
    t.second = QStringLiteral("255"); // red shadow
    const QImage image = draw({t.line()});
    const QRect ink = inkBounds(image);
    // Bottom right: only the shadow shows; top left: the black text.
    EXPECT_EQ(QColor(image.pixel(ink.right() - 1, ink.bottom() - 1)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(ink.left() + 1, ink.top() + 1)), QColor(Qt::black));
}

TEST(TextItem, NothingIsDrawnForXZeroOrAnEmptyText)
{
    const QImage blank = draw({});
    EXPECT_EQ(draw({textAt("0", "10", "ABC").line()}), blank);
    EXPECT_EQ(draw({textAt("10", "10", "").line()}), blank);
}

TEST(TextItem, PreviewOnlyTextAndItsShadowStayOffThePaper)
{
    Text t = textAt("10", "10", "ABC");
    t.previewOnly = QStringLiteral("1");
    t.kx = QStringLiteral("1");
    const QStringList lines{header(), t.line()};
    EXPECT_GT(inkCount(preview(lines).image), 0);
    EXPECT_EQ(inkCount(printer(lines, 96, QSize(400, 300)).image), 0);
}

TEST(TextItem, OverallOffsetsApplyOnPaperAndOnThePreviewOnlyWhenAsked)
{
    app();
    const QStringList lines{header(), textAt("10", "10", "ABC").line()};
    DrawContext screen = DrawContext::forPreview(96, 96, 100);
    screen.ofxbox = 5;
    screen.ofybox = -3;
    DrawContext paper = DrawContext::forPrinter(96, 96, 96, 96, 100);
    paper.ofxbox = 5;
    paper.ofybox = -3;
    const QRect onScreen = inkBounds(RenderLayoutImage(lines, screen, QSize(300, 200)).image);
    const QRect onPaper = inkBounds(RenderLayoutImage(lines, paper, QSize(300, 200)).image);
    // The offsets move the text by 5 mm = 18.9 px and -3 mm = -11.3 px.
    EXPECT_NEAR(onPaper.left() - onScreen.left(), 18.9, 1.0);
    EXPECT_NEAR(onPaper.top() - onScreen.top(), -11.3, 1.0);
    screen.previewOpt1 = true;
    EXPECT_EQ(inkBounds(RenderLayoutImage(lines, screen, QSize(300, 200)).image), onPaper);
}

TEST(TextItem, AHeaderItemLoadsTheOffsetBoxesForTheItemsAfterIt)
{
    app();
    const QString before = textAt("10", "10", "A").line(1);
    const QString after = textAt("10", "30", "A").line(2);
    const QStringList lines{header(), before, QStringLiteral("0;0;0;0;header;"), after};
    DrawContext screen = DrawContext::forPreview(96, 96, 100);
    screen.ofxbox = 10;
    const LayoutImage out = RenderLayoutImage(lines, screen, QSize(300, 200));
    EXPECT_EQ(out.result.overallOffsetX, 10);
    const QRect top = inkBounds(out.image, QRect(0, 0, 300, 80));
    const QRect bottom = inkBounds(out.image, QRect(0, 100, 300, 100));
    EXPECT_EQ(bottom.left() - top.left(), 38); // 20 mm = 75 px against 10 mm = 37 px

    StyleData style;
    style.setLines(lines);
    QImage image(300, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    GdiCanvas canvas(painter, 96, 96, 1.0);
    ASSERT_TRUE(DrawLayout(canvas, style, screen).ok);
    EXPECT_EQ(style.OverallOffsetX, 10);
    EXPECT_EQ(style.OverallOffsetY, 0);
}

TEST(TextItem, GradientRowsRunFromTheColourToTheSecondColour)
{
    app();
    // At 72 dpi a 9-point IPA Gothic has a 9-pixel em and a 10-pixel cell
    // (ascent plus descent): rows 0 to 10, eleven in all.
    DrawContext c = DrawContext::forPreview(72, 72, 100);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(9);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    ASSERT_EQ(std::lround(metrics.ascent() + metrics.descent()), 10);
    Text t = textAt("10", "10", "■■");
    t.size = QStringLiteral("9");
    t.mode = QStringLiteral("3");
    t.color = QStringLiteral("255");           // red
    t.second = QStringLiteral("16711680");     // blue
    const LayoutImage out = RenderLayoutImage({header(), t.line()}, c, QSize(200, 100));
    ASSERT_TRUE(out.result.ok);
    const int top = 28; // 10 mm x 2.8346
    int rowsSeen = 0;
    for (int i = 0; i <= 10; ++i) {
        const QRgb expected = qRgb(255 - 255 * i / 10, 0, 255 * i / 10);
        bool found = false;
        for (int x = 0; x < 200; ++x) {
            const QRgb p = out.image.pixel(x, top + i);
            if (p == 0xFFFFFFFF)
                continue;
            EXPECT_EQ(p, expected) << "row " << i << " x " << x;
            found = true;
        }
        rowsSeen += found ? 1 : 0;
    }
    EXPECT_GE(rowsSeen, 6); // the glyph covers most rows of its cell
    // Nothing is painted outside the glyphs' cell.
    EXPECT_EQ(inkCount(out.image, QRect(0, 0, 200, top)), 0);
}

TEST(TextItem, GradientWithEqualColoursIsASolidBoldText)
{
    Text solid = textAt("10", "10", "東京");
    solid.mode = QStringLiteral("3");
    solid.color = QStringLiteral("32768"); // green
    solid.second = solid.color;
    const QImage image = draw({solid.line()});
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF) {
                EXPECT_EQ(image.pixel(x, y), qRgb(0, 128, 0));
                ++painted;
            }
    // Bold: more ink than the regular text of the same size.
    Text regular = textAt("10", "10", "東京");
    EXPECT_GT(painted, inkCount(draw({regular.line()})));
}

TEST(TextItem, OutlineModeFillsBoldGlyphsInTheItemColour)
{
    Text outline = textAt("10", "10", "AB");
    outline.mode = QStringLiteral("2");
    Text regular = textAt("10", "10", "AB");
    const QImage filled = draw({outline.line()});
    EXPECT_GT(inkCount(filled), inkCount(draw({regular.line()})));
    // The outline starts at the item position like the plain text does.
    EXPECT_NEAR(inkBounds(filled).left(), inkBounds(draw({regular.line()})).left(), 2);
}

TEST(TextItem, RotationNinetyReadsUpwardsAndIgnoresTheStyle)
{
    Text t = textAt("20", "40", "ABCDEFG");
    t.rotation = QStringLiteral("90");
    const QImage image = draw({t.line()}, QSize(300, 200));
    const QRect ink = inkBounds(image);
    ASSERT_FALSE(ink.isNull());
    const int dX = 75, dY = 151; // 20 mm and 40 mm
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_LE(ink.bottom(), dY + 1);
    EXPECT_GE(ink.left(), dX - 1);
    Text bold = t;
    bold.style = QStringLiteral("太字");
    EXPECT_EQ(draw({bold.line()}, QSize(300, 200)), image);
    // Mode 4 with rotation 0 draws horizontally, like mode 0 but with its own font size.
    Text mode4 = textAt("20", "40", "ABCDEFG");
    mode4.mode = QStringLiteral("4");
    const QRect flat = inkBounds(draw({mode4.line()}, QSize(300, 200)));
    EXPECT_GT(flat.width(), 2 * flat.height());
}

TEST(TextItem, RotatedTextOnThePreviewHasTheHeightItPrintsWithFromThatZoom)
{
    Text t = textAt("20", "60", "ABCDEFGH");
    t.rotation = QStringLiteral("90");
    t.size = QStringLiteral("20");
    const QStringList lines{header(), t.line()};
    // The printed cell is size x resolution / PreviewDpiX pixels: 40 px at
    // 192 dpi printed from 100 %, 20 px printed from 200 %.
    const QRect paperFrom100 = inkBounds(printer(lines, 192, QSize(600, 600)).image);
    const QRect paperFrom200 = inkBounds(printer(lines, 192, QSize(600, 600), 200).image);
    EXPECT_NEAR(double(paperFrom100.width()) / paperFrom200.width(), 2.0, 0.15);
    // The preview at 100 % (96 dpi) shows the first at half its pixels; the
    // preview at 200 % (192 dpi) shows the second pixel for pixel.
    const QRect at100 = inkBounds(preview(lines, QSize(300, 300)).image);
    const QRect at200 = inkBounds(preview(lines, QSize(600, 600), 200).image);
    EXPECT_NEAR(at100.width(), paperFrom100.width() / 2.0, 1.0);
    EXPECT_NEAR(at100.height(), paperFrom100.height() / 2.0, 1.0);
    EXPECT_NEAR(at200.width(), paperFrom200.width(), 2.0);
    EXPECT_NEAR(at200.height(), paperFrom200.height(), 2.0);
}

TEST(TextItem, PrinterFontsAreSizedAtThePrinterResolution)
{
    const QStringList lines{header(), textAt("10", "10", "東京都").line()};
    const QRect screen = inkBounds(preview(lines).image);
    const QRect paper = inkBounds(printer(lines, 288, QSize(1200, 900)).image);
    EXPECT_NEAR(double(paper.width()) / screen.width(), 3.0, 0.1);
}

TEST(TextItem, OnlyTheFirst256UnitsArePitched)
{
    Text t = textAt("10", "10", "");
    t.text = QString(300, u'I');
    t.pitch = QStringLiteral("1");
    t.size = QStringLiteral("4");
    const QImage image = draw({t.line()}, QSize(1200, 100));
    const QRect ink = inkBounds(image);
    // The 256th character starts at 10 + 255 mm = 1001 px; nothing after 266 mm.
    EXPECT_GE(ink.right(), 1001);
    EXPECT_LT(ink.right(), 1005 + 8);
    EXPECT_EQ(inkCount(image, QRect(1010, 0, 190, 100)), 0);
}

TEST(TextItem, SurrogatePairsCountAsOneCharacterAndAreNeverCut)
{
    const QString yoshi = QString::fromUtf8("𠮷");
    EXPECT_EQ(TextItemDrawer::pitchCharacters(yoshi + u'A'), (QStringList{yoshi, QStringLiteral("A")}));
    EXPECT_EQ(TextItemDrawer::cutToMaxLength(u'A' + yoshi, 2), QStringLiteral("A"));
    EXPECT_EQ(TextItemDrawer::cutToMaxLength(QStringLiteral("ABCDE"), 3), QStringLiteral("ABC"));
    EXPECT_EQ(TextItemDrawer::cutToMaxLength(QStringLiteral("ABC"), 0), QStringLiteral("ABC"));
    QString longText(255, u'x');
    longText += yoshi; // the pair straddles unit 256
    EXPECT_EQ(TextItemDrawer::pitchCharacters(longText).size(), 255);
}

TEST(TextItem, JapaneseTextIsDrawnWithRealGlyphs)
{
    // A missing glyph draws as an empty box or nothing; real kanji of the same
    // size have distinct shapes.
    const QImage a = draw({textAt("10", "10", "東").line()});
    const QImage b = draw({textAt("10", "10", "京").line()});
    EXPECT_GT(inkCount(a), 30);
    EXPECT_NE(a, b);
    const QImage yen = draw({textAt("10", "10", "\\1,000").line()});
    EXPECT_GT(inkCount(yen), inkCount(draw({textAt("10", "10", "1,000").line()})));
}

// Characters that Japanese names use but the IPA fonts lack (𠮷, 髙) must
// print in every face, Mincho or Gothic, on the preview and on paper.
TEST(TextItem, CharactersOutsideTheChosenFaceAreDrawnFromTheFallbackFont)
{
    const char *fonts[] = {"ＭＳ 明朝", "ＭＳ ゴシック", "ＭＳ Ｐゴシック"};
    const char *pairs[][2] = {{"𠮷", "吉"}, {"髙", "高"}};
    for (const char *font : fonts) {
        for (bool onPaper : {false, true}) {
            const auto drawText = [&](const char *text) {
                Text t = textAt("5", "5", text);
                t.font = QString::fromUtf8(font);
                t.size = QStringLiteral("20");
                const QStringList lines{header(), t.line()};
                const LayoutImage out = onPaper ? printer(lines, 600, QSize(800, 600)) : preview(lines, QSize(200, 150));
                EXPECT_TRUE(out.result.ok);
                return out.image;
            };
            // A code point no font has: what a missing glyph looks like in this face.
            const QImage missing = drawText("\xf3\xbf\xbf\xbd");
            for (const auto &pair : pairs) {
                const QImage rare = drawText(pair[0]);
                const QImage common = drawText(pair[1]);
                const std::string where = std::string(font) + (onPaper ? " on paper " : " on the preview ") + pair[0];
                EXPECT_GT(inkCount(rare), inkCount(common) / 2) << where;
                EXPECT_NE(rare, missing) << where;
                EXPECT_NE(rare, common) << where;
            }
        }
    }
}

} // namespace

namespace {

TEST(TextItem, BoldStaysBoldAtPrinterSizes)
{
    // At 600 dpi a 20-point text is 167 pixels high, where the font engine no
    // longer emboldens glyphs by itself.
    Text regular = textAt("10", "10", "塗りつぶし");
    regular.size = QStringLiteral("20");
    Text outline = regular;
    outline.mode = QStringLiteral("2");
    Text bold = regular;
    bold.style = QStringLiteral("太字");
    const QSize page(2400, 600);
    const int plain = inkCount(printer({header(), regular.line()}, 600, page).image);
    EXPECT_GT(inkCount(printer({header(), outline.line()}, 600, page).image), plain * 13 / 10);
    EXPECT_GT(inkCount(printer({header(), bold.line()}, 600, page).image), plain * 13 / 10);
}

} // namespace
