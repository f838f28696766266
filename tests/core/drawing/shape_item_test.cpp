#include "support/RenderTestSupport.h"

#include <gtest/gtest.h>

using namespace rendertest;

namespace {

QString shape(const QString &fields)
{
    return QStringLiteral("0;1;0;0;") + fields;
}

// Rows of column x that hold ink.
int inkRowsAt(const QImage &image, int x)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += isInk(image.pixel(x, y)) ? 1 : 0;
    return n;
}

TEST(ShapeItem, LineWidthsOnPreviewAndPaper)
{
    const QStringList lines{header(), shape(QStringLiteral("line;10;20;40;20;1;実線;0;0;"))};
    EXPECT_EQ(inkRowsAt(preview(lines).image, 100), 1);
    // Printed at 96 dpi with the preview at 100 %: round(96 x 5 / 144) = 3.
    EXPECT_EQ(inkRowsAt(printer(lines, 96, QSize(400, 300)).image, 100), 3);
    // With the preview at 200 % the same line prints round(192 x 5 / 144) = 7 wide.
    EXPECT_EQ(inkRowsAt(printer(lines, 96, QSize(400, 300), 200).image, 100), 7);
    const QStringList dashed{header(), shape(QStringLiteral("line;10;20;40;20;10;破線;0;0;"))};
    EXPECT_EQ(inkRowsAt(preview(dashed).image, 40), 1);
}

TEST(ShapeItem, LinesCoverTheirFirstPixelAndNotTheLast)
{
    const LayoutImage out = preview({header(), shape(QStringLiteral("line;10;20;20;20;1;実線;255;0;"))});
    // 10 mm = 37 px, 20 mm = 75 px.
    EXPECT_EQ(inkBounds(out.image), QRect(QPoint(37, 75), QPoint(74, 75)));
    EXPECT_EQ(QColor(out.image.pixel(50, 75)), QColor(Qt::red));
}

TEST(ShapeItem, RectIsFourEdgesAndNeverFilled)
{
    const QStringList lines{header(),
                            shape(QStringLiteral("Ellipse;50;50;60;60;1;実線;0;塗潰;0;0;")), // leaves a brush behind
                            shape(QStringLiteral("rect;10;10;30;30;1;実線;0;0;"))};
    const QImage image = preview(lines).image;
    EXPECT_EQ(inkBounds(image, QRect(0, 0, 150, 150)), QRect(QPoint(37, 37), QPoint(113, 113)));
    EXPECT_EQ(inkCount(image, QRect(40, 40, 70, 70)), 0);
}

TEST(ShapeItem, ClearBrushOnAFilledKindBecomesSolidInItsColour)
{
    // A black box, then a white-filled ellipse with "枠" over it hides part of it.
    const QString black = shape(QStringLiteral("rrect;10;10;50;50;0;0;1;実線;0;塗潰;0;0;"));
    const QImage image = preview({header(), black, shape(QStringLiteral("Ellipse;20;20;40;40;1;実線;0;枠;16777215;0;"))}).image;
    EXPECT_FALSE(isInk(image.pixel(113, 113))); // centre of the ellipse, 30 mm
    EXPECT_TRUE(isInk(image.pixel(45, 45)));    // box corner outside the ellipse
}

TEST(ShapeItem, HatchedEllipseShowsLinesOfTheBrushColour)
{
    const QImage image =
        preview({header(), shape(QStringLiteral("Ellipse;10;10;50;50;1;実線;0;水平;255;0;"))}).image;
    // Down the middle column: red rows separated by white ones.
    int red = 0, white = 0;
    for (int y = 50; y < 180; ++y) {
        const QColor c(image.pixel(113, y));
        red += c == QColor(Qt::red) ? 1 : 0;
        white += c == QColor(Qt::white) ? 1 : 0;
    }
    EXPECT_GT(red, 10);
    EXPECT_GT(white, 5 * red);
}

TEST(ShapeItem, HatchSpacingOnPaperFollowsThePreview)
{
    const QStringList lines{header(), shape(QStringLiteral("Ellipse;10;10;50;50;1;実線;16777215;水平;0;0;"))};
    auto redRows = [](const QImage &image, int x, int from, int to) {
        int rows = 0;
        bool previous = false;
        for (int y = from; y < to; ++y) {
            const bool ink = isInk(image.pixel(x, y));
            rows += (ink && !previous) ? 1 : 0;
            previous = ink;
        }
        return rows;
    };
    const int screen = redRows(preview(lines).image, 113, 60, 160);
    // Four times the resolution: four times the spacing, so the same count.
    const int paper = redRows(printer(lines, 384, QSize(1600, 1200)).image, 453, 240, 640);
    EXPECT_GT(screen, 8);
    EXPECT_NEAR(paper, screen, 1);
}

TEST(ShapeItem, ArcWithCoincidentPointsIsTheWholeEllipse)
{
    const QImage image =
        preview({header(), shape(QStringLiteral("Arc;10;10;50;30;5;5;18;18;1;実線;0;塗潰;0;0;"))}).image;
    // Start point (5 mm, 5 mm) x 3.7795 = (18, 18): the same ray as the end point.
    // The box ends before 50 mm = 188 px and 30 mm = 113 px.
    const QRect ink = inkBounds(image);
    EXPECT_EQ(ink.topLeft(), QPoint(37, 37));
    EXPECT_NEAR(ink.right(), 187, 1);
    EXPECT_EQ(ink.bottom(), 112);
    EXPECT_EQ(inkCount(image, QRect(60, 60, 100, 40)), 0); // an arc is never filled
}

TEST(ShapeItem, ArcRunsCounterClockwiseFromStartToEnd)
{
    // Box 10..50 mm (37..188 px), centre about (113, 113). Start ray to the
    // right (start point (50 mm, 30 mm) -> (188, 113)), end ray straight up.
    const QImage image =
        preview({header(), shape(QStringLiteral("Arc;10;10;50;50;50;30;113;0;1;実線;0;0;0;0;"))}).image;
    EXPECT_GT(inkCount(image, QRect(114, 30, 80, 80)), 20); // upper right quarter
    EXPECT_EQ(inkCount(image, QRect(30, 120, 170, 80)), 0);  // nothing in the lower half
    EXPECT_EQ(inkCount(image, QRect(30, 30, 80, 80)), 0);    // nor in the upper left
}

TEST(ShapeItem, ChordIsClosedAndFilled)
{
    const QImage image =
        preview({header(), shape(QStringLiteral("Chord;10;10;50;50;50;30;113;0;1;実線;0;塗潰;0;0;"))}).image;
    EXPECT_TRUE(isInk(image.pixel(160, 70))); // inside the filled segment
    EXPECT_FALSE(isInk(image.pixel(120, 105)));
}

TEST(ShapeItem, FillRectIsWhiteWithABorderOnlyWhenFlagged)
{
    const QString black = shape(QStringLiteral("rrect;5;5;60;60;0;0;1;実線;0;塗潰;0;0;"));
    const QString noBorder = QStringLiteral("0;2;0;0;fillrect;10;10;30;30;SolidBrush;255;0;0;");
    const QString border = QStringLiteral("1;2;0;0;fillrect;10;10;30;30;SolidBrush;255;0;0;");
    const QString clear = QStringLiteral("0;2;0;0;fillrect;10;10;30;30;枠;255;0;0;");
    const QImage plain = preview({header(), black, noBorder}).image;
    EXPECT_EQ(inkCount(plain, QRect(37, 37, 76, 76)), 0); // 37..112 white, no border
    EXPECT_TRUE(isInk(plain.pixel(113, 60)));             // the right edge is excluded
    const QImage framed = preview({header(), black, border}).image;
    EXPECT_EQ(QColor(framed.pixel(37, 60)), QColor(Qt::red));
    EXPECT_EQ(QColor(framed.pixel(60, 37)), QColor(Qt::red));
    EXPECT_EQ(inkCount(framed, QRect(38, 38, 74, 74)), 0);
    const QImage untouched = preview({header(), black, clear}).image;
    EXPECT_EQ(inkCount(untouched, QRect(37, 37, 76, 76)), 76 * 76);
}

TEST(ShapeItem, FillRectDoesNotTakeTheColourOfAPrecedingOutlineText)
{
    Text coloured;
    coloured.x = QStringLiteral("70");
    coloured.mode = QStringLiteral("2");
    coloured.color = QStringLiteral("255");
    coloured.text = QStringLiteral("X");
    const QString fill = QStringLiteral("0;2;0;0;fillrect;10;10;30;30;SolidBrush;0;0;0;");
    const QImage image = preview({header(), coloured.line(), fill}).image;
    EXPECT_EQ(inkCount(image, QRect(37, 37, 76, 76)), 0);
}

TEST(ShapeItem, PreviewOnlyShapesAreLeftOffThePaper)
{
    const QStringList lines{header(), shape(QStringLiteral("rect;10;10;30;30;1;実線;0;1;")),
                            shape(QStringLiteral("Ellipse;10;10;30;30;1;実線;0;塗潰;0;1;"))};
    EXPECT_GT(inkCount(preview(lines).image), 0);
    EXPECT_EQ(inkCount(printer(lines, 96, QSize(400, 300)).image), 0);
}

TEST(ShapeItem, RoundRectCornersUseTheVerticalScale)
{
    const QImage image =
        preview({header(), shape(QStringLiteral("rrect;10;10;50;50;10;10;1;実線;0;枠;16777215;0;"))}).image;
    const QRect ink = inkBounds(image);
    EXPECT_EQ(ink, QRect(QPoint(37, 37), QPoint(187, 187)));
    EXPECT_FALSE(isInk(image.pixel(38, 38))); // the corner is rounded off
    EXPECT_TRUE(isInk(image.pixel(113, 37)));
}

} // namespace
