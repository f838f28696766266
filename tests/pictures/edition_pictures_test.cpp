// The pictures each edition's profile names must exist, decode with Qt's own
// readers and have the shapes the window expects: a multi-size icon, a header
// logo, an opaque bar light enough for black captions.

#include "PicturesTestSupport.h"
#include "core/settings/EditionProfile.h"
#include "core/settings/Editions.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString ImagesDir()
{
    return ResourcesDir() + "/images/";
}

// Decodes every image of a multi-image file such as an .ico.
QList<QImage> ReadAllImages(const QString &path)
{
    QList<QImage> images;
    QImageReader reader(path);
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

// Mean Rec. 601 luma of a picture, 0 (black) to 255 (white).
double MeanLuma(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum += 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
        }
    return sum / (image.width() * image.height());
}

class EditionPicturesTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { PicturesTestApp(); }
    EditionProfile profile() const { return ProfileFor(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Editions, EditionPicturesTest, ::testing::Values(10, 20, 30, 40, 50));

// The window and task bar need a crisp picture at every usual size.
TEST_P(EditionPicturesTest, IconHoldsFourSizesWithClearCornersAndAnOpaqueMiddle)
{
    const QString path = ImagesDir() + profile().iconFile;
    const QList<QImage> images = ReadAllImages(path);
    ASSERT_EQ(images.size(), 4) << path.toStdString();

    QSet<int> sizes;
    for (const QImage &image : images) {
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.width(), image.height());
        sizes.insert(image.width());
        const int n = image.width();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corner of the " << n << " px icon";
        EXPECT_EQ(qAlpha(image.pixel(n - 1, n - 1)), 0) << "corner of the " << n << " px icon";
        EXPECT_EQ(qAlpha(image.pixel(n / 2, n / 2)), 255) << "middle of the " << n << " px icon";
    }
    EXPECT_EQ(sizes, (QSet<int>{16, 32, 48, 256}));

    const QIcon icon(path);
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

// Desktop entries use the PNG twin; it must be the icon's own large picture.
TEST_P(EditionPicturesTest, PngTwinIsTheIconsLargestPicture)
{
    const Edition &edition = EditionFor(GetParam());
    const QImage twin = QImage(ImagesDir() + edition.identifier + "_icon.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(twin.size(), QSize(256, 256));

    QImage largest;
    for (const QImage &image : ReadAllImages(ImagesDir() + profile().iconFile))
        if (image.width() == 256)
            largest = image;
    ASSERT_FALSE(largest.isNull());
    EXPECT_EQ(twin, largest);
}

// The header logo: transparent around a mark on the left and the name beside it.
TEST_P(EditionPicturesTest, LogoHasItsMarkLeftAndTheNameBesideIt)
{
    const QImage logo = QImage(ImagesDir() + profile().logoFile).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(logo.size(), QSize(200, 48));
    EXPECT_EQ(qAlpha(logo.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(logo.pixel(199, 47)), 0);
    EXPECT_EQ(qAlpha(logo.pixel(24, 24)), 255) << "the mark sits in the first 48 pixels";

    bool nameInk = false;
    for (int y = 0; y < logo.height() && !nameInk; ++y)
        for (int x = 52; x < logo.width() && !nameInk; ++x)
            nameInk = qAlpha(logo.pixel(x, y)) == 255;
    EXPECT_TRUE(nameInk) << "the edition's name is written right of the mark";
}

// The list panel's bar is a background for black captions and controls.
TEST_P(EditionPicturesTest, BarPictureIsAnOpaqueLightBar)
{
    const QString path = ImagesDir() + profile().barPicture;
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage bar = reader.read();
    ASSERT_FALSE(bar.isNull()) << path.toStdString();
    EXPECT_EQ(bar.size(), QSize(400, 24));
    EXPECT_FALSE(bar.hasAlphaChannel());
    EXPECT_GT(MeanLuma(bar), 170.0);
}

// Each edition's bar carries its own colour; bar1 stays neutral.
TEST(SharedPictures, BarsDifferFromEachOtherAndBar1IsGrey)
{
    QSet<QRgb> middles;
    for (const QString name : {"bar1.bmp", "bar2.bmp", "bar3.bmp", "bar4.bmp", "bar5.bmp", "bar6.bmp"}) {
        const QImage bar(ImagesDir() + name);
        ASSERT_FALSE(bar.isNull()) << name.toStdString();
        middles.insert(bar.pixel(100, 12));
    }
    EXPECT_EQ(middles.size(), 6);

    const QColor grey = QImage(ImagesDir() + "bar1.bmp").pixelColor(100, 12);
    EXPECT_LT(grey.hsvSaturationF(), 0.2);
}

// The version dialog's product picture and the marks that forms may show.
TEST(SharedPictures, ProductPictureAndFormMarksDecode)
{
    PicturesTestApp();
    const QImage product(ImagesDir() + "product.png");
    ASSERT_FALSE(product.isNull());
    EXPECT_EQ(product.size(), QSize(120, 120));
    EXPECT_EQ(product.pixelColor(60, 60).alpha(), 255);

    QStringList marks{"carrier_mark.png"};
    for (const Edition &e : Editions())
        if (e.code != EditionLusket)
            marks << e.identifier + "_mark.png";
    for (const QString &name : marks) {
        const QImage mark(ImagesDir() + name);
        ASSERT_FALSE(mark.isNull()) << name.toStdString();
        EXPECT_GE(mark.width(), 2 * mark.height()) << name.toStdString() << " is a wide mark";
    }
}

} // namespace
