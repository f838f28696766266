// The preview is where a clerk sees whether a text fits its box on the form:
// for every text mode, face and size, the ink of a text on the preview must lie
// where the 600-dpi printer page puts it, scaled to the preview's resolution.

#include "support/RenderTestSupport.h"

#include <cmath>
#include <iostream>
#include <gtest/gtest.h>

using namespace rendertest;

namespace {

constexpr int PrinterDpi = 600;

// Pixels where ink covers the pixel well enough to be seen.
QRect inkBox(const QImage &image)
{
    return inkBounds(image);
}

struct Mode {
    const char *name;
    const char *mode;
    const char *pitch;
    const char *rotation;
    bool shadow;
};

const Mode Modes[] = {
    {"horizontal", "0", "0", "0", false},
    {"vertical", "1", "0", "0", false},
    {"positive pitch", "0", "3.5", "0", false},
    {"negative pitch", "0", "-4", "0", false},
    {"filled outline", "2", "0", "0", false},
    {"gradient", "3", "0", "0", false},
    {"rotated", "0", "0", "90", false},
    {"shadow", "0", "0", "0", true},
};

const char *const Faces[] = {"ＭＳ 明朝", "ＭＳ ゴシック"};
const int Sizes[] = {8, 12, 18, 28};

// A text of mixed Japanese, Latin letters and digits, as long as fits in about
// 100 mm at the size (a full-width character is as wide as the size).
QString textFor(int points, const Mode &m)
{
    const QString pattern = QStringLiteral("山田太郎様ABCxyz0123東京都千代田区");
    const double fullWidthMm = points * 25.4 / 72;
    int count = std::max(2, int(100 / fullWidthMm));
    if (m.mode[0] == '1') // steps of half the size in millimetres, down the page
        count = std::min(12, int(120 / (points / 2.0)));
    else if (m.pitch[0] != '0')
        count = 12;
    QString text;
    while (text.size() < count)
        text += pattern;
    return text.left(count);
}

QStringList layoutFor(const Mode &m, const char *face, int points)
{
    Text t;
    t.x = QStringLiteral("60");
    t.y = m.rotation[0] != '0' ? QStringLiteral("130") : QStringLiteral("10");
    t.font = QString::fromUtf8(face);
    t.size = QString::number(points);
    t.mode = QString::fromLatin1(m.mode);
    t.pitch = QString::fromLatin1(m.pitch);
    t.rotation = QString::fromLatin1(m.rotation);
    t.color = QStringLiteral("8388608"); // dark blue, as a gradient's first row
    t.second = QStringLiteral("128");    // dark red
    t.text = textFor(points, m);
    if (m.shadow) {
        t.kx = QStringLiteral("0.5");
        t.ky = QStringLiteral("0.5");
    }
    return {header(), t.line()};
}

// About 200 x 150 mm: room for a 100 mm text either side of the position. At
// 600 dpi the sides are multiples of 25 pixels, so that the page scales to 96
// and 192 dpi (4/25 and 8/25) without a fraction of a pixel left over.
constexpr int PageUnitsWide = 189, PageUnitsHigh = 142;

QSize pageAt(int dpi)
{
    const int perUnit = dpi * 25 / PrinterDpi;
    return QSize(PageUnitsWide * perUnit, PageUnitsHigh * perUnit);
}

// Every edge of the preview's ink within tolerance preview pixels of the ink
// of the printer page scaled down to the preview's resolution (each pixel the
// average of the page pixels it covers).
void expectPreviewPredictsPaper(int zoom, int tolerance)
{
    const int previewDpi = 96 * zoom / 100;
    int largest = 0;
    for (const Mode &m : Modes) {
        for (const char *face : Faces) {
            for (int points : Sizes) {
                const QStringList lines = layoutFor(m, face, points);
                // The printer page is printed from the same zoom, as the
                // program prints from the preview it shows.
                const LayoutImage paper = printer(lines, PrinterDpi, pageAt(PrinterDpi), zoom);
                const LayoutImage screen = preview(lines, pageAt(previewDpi), zoom);
                ASSERT_TRUE(paper.result.ok && screen.result.ok);
                const QImage scaled =
                    paper.image.scaled(pageAt(previewDpi), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                const QRect expected = inkBox(scaled);
                const QRect got = inkBox(screen.image);
                const std::string what = std::string(m.name) + ", " + face + ", " + std::to_string(points) +
                                         " pt at " + std::to_string(zoom) + " %";
                ASSERT_FALSE(expected.isNull()) << what;
                ASSERT_FALSE(got.isNull()) << what;
                EXPECT_NEAR(got.left(), expected.left(), tolerance) << what;
                EXPECT_NEAR(got.right(), expected.right(), tolerance) << what;
                EXPECT_NEAR(got.top(), expected.top(), tolerance) << what;
                EXPECT_NEAR(got.bottom(), expected.bottom(), tolerance) << what;
                largest = std::max({largest, std::abs(got.left() - expected.left()),
                                    std::abs(got.right() - expected.right()), std::abs(got.top() - expected.top()),
                                    std::abs(got.bottom() - expected.bottom())});
            }
        }
    }
    std::cout << "largest edge difference at " << zoom << " %: " << largest << " px\n";
}

TEST(PreviewPredictsPaper, EveryTextModeLiesWhereThePrinterPutsItAt100Percent)
{
    expectPreviewPredictsPaper(100, 1);
}

TEST(PreviewPredictsPaper, EveryTextModeLiesWhereThePrinterPutsItAt200Percent)
{
    expectPreviewPredictsPaper(200, 2);
}

} // namespace
