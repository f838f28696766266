#include "support/RenderTestSupport.h"

#include "core/drawing/ImageItemDrawer.h"
#include "core/drawing/PictureCache.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rendertest;

namespace {

class ImageItem : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app();
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath(QStringLiteral("style"));
        picture = dir.filePath(QStringLiteral("pic.png"));
        QImage image(300, 150, QImage::Format_RGB32);
        image.fill(Qt::black);
        ASSERT_TRUE(image.save(picture));
        PictureCache::instance().clear();
    }

    QString imageLine(const QString &flag, const QString &w, const QString &h, const QString &sizing,
                      const QString &file, const QString &previewOnly) const
    {
        return flag + QStringLiteral(";3;0;0;image;10;10;") + w + u';' + h + u';' + sizing + QStringLiteral(";0;0;") +
               file + u';' + previewOnly + u';';
    }

    LayoutImage draw(const QString &line, bool onPrinter = false) const
    {
        DrawContext c = onPrinter ? DrawContext::forPrinter(96, 96, 96, 96, 100) : DrawContext::forPreview(96, 96, 100);
        c.workDir = dir.path();
        return RenderLayoutImage({header(), line}, c, QSize(600, 400));
    }

    QTemporaryDir dir;
    QString picture;
};

TEST_F(ImageItem, OneSideIsDerivedFromTheOtherInWholeMillimetresHalvesUp)
{
    const Millimetre twenty = Millimetre::fromWhole(20);
    EXPECT_EQ(ImageItemDrawer::derivedSide(twenty, 300, 150), Millimetre::fromWhole(40));
    EXPECT_EQ(ImageItemDrawer::derivedSide(twenty, 310, 150), Millimetre::fromWhole(41)); // 41.33
    EXPECT_EQ(ImageItemDrawer::derivedSide(Millimetre::fromWhole(41), 150, 300), Millimetre::fromWhole(21)); // 20.5
    // W = 0, H = 20: 40 x 20 mm = 151 x 75 px at 37 / 37 px from the corner.
    EXPECT_EQ(inkBounds(draw(imageLine("0", "0", "20", "1", picture, "0")).image),
              QRect(37, 37, 151, 75));
}

TEST_F(ImageItem, NaturalSizeWhenTheSwitchIsOffOrBothSidesAreZero)
{
    EXPECT_EQ(inkBounds(draw(imageLine("0", "0", "0", "1", picture, "0")).image), QRect(37, 37, 300, 150));
    EXPECT_EQ(inkBounds(draw(imageLine("0", "10", "10", "0", picture, "0")).image), QRect(37, 37, 300, 150));
    // On a 192-dpi printer from a 96-dpi screen the picture keeps its size on paper.
    DrawContext c = DrawContext::forPrinter(192, 192, 96, 96, 100);
    const LayoutImage out = RenderLayoutImage({header(), imageLine("0", "0", "0", "0", picture, "0")}, c,
                                              QSize(800, 600));
    EXPECT_EQ(inkBounds(out.image), QRect(75, 75, 600, 300));
}

TEST_F(ImageItem, PicturesReachThePaperOnlyWhenField14IsZero)
{
    EXPECT_EQ(inkCount(draw(imageLine("0", "20", "10", "1", picture, ""), true).image), 0);
    EXPECT_EQ(inkCount(draw(imageLine("0", "20", "10", "1", picture, "x"), true).image), 0);
    EXPECT_GT(inkCount(draw(imageLine("0", "20", "10", "1", picture, "0"), true).image), 0);
    EXPECT_GT(inkCount(draw(imageLine("0", "20", "10", "1", picture, "")).image), 0);
}

TEST_F(ImageItem, FrameIsDrawnEvenWhenThePictureIsMissing)
{
    const QImage image = draw(imageLine("1", "20", "10", "1", QStringLiteral("nothere.png"), "1")).image;
    EXPECT_EQ(inkBounds(image), QRect(QPoint(37, 37), QPoint(113, 75)));
    EXPECT_EQ(inkCount(image, QRect(39, 39, 70, 30)), 0);
    // The frame prints although the picture is preview-only.
    const QImage paper = draw(imageLine("1", "20", "10", "1", picture, "1"), true).image;
    EXPECT_EQ(inkCount(paper, QRect(42, 42, 60, 25)), 0);
    EXPECT_GT(inkCount(paper), 100);
}

TEST_F(ImageItem, BareNamesAreLookedUpInTheWorkStyleFolder)
{
    QFile::copy(picture, dir.filePath(QStringLiteral("style/logo.png")));
    EXPECT_EQ(ImageItemDrawer::resolvePicture(QStringLiteral("C:\\forms\\logo.png"), dir.path()),
              dir.filePath(QStringLiteral("style/logo.png")));
    EXPECT_EQ(ImageItemDrawer::resolvePicture(picture, QString()), picture);
    EXPECT_TRUE(ImageItemDrawer::resolvePicture(QStringLiteral("missing.png"), dir.path()).isEmpty());
    EXPECT_GT(inkCount(draw(imageLine("0", "20", "0", "1", QStringLiteral("logo.png"), "1")).image), 0);
}

TEST_F(ImageItem, AFileThatIsNotAPictureDrawsNothing)
{
    const QString junk = dir.filePath(QStringLiteral("junk.png"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG not really a picture");
    f.close();
    const LayoutImage out = draw(imageLine("0", "20", "10", "1", junk, "0"));
    EXPECT_TRUE(out.result.ok);
    EXPECT_EQ(inkCount(out.image), 0);
}

} // namespace
