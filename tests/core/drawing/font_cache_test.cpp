// The fonts kept between items and pages: the same request gives the same
// font, a cell-height font fills its cell, and the cache never grows past its
// bound, dropping the font unused longest.

#include "support/RenderTestSupport.h"

#include "core/drawing/FontCache.h"
#include "core/drawing/FontSubstitutions.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <cmath>

using namespace rendertest;

namespace {

const QString Gothic = QStringLiteral("ＭＳ ゴシック");

class FontCacheTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app();
        FontCache::instance().clear();
    }
    void TearDown() override { FontCache::instance().clear(); }
};

TEST_F(FontCacheTest, TheSameRequestGivesTheSameFontOnce)
{
    FontCache &cache = FontCache::instance();
    const GdiFontStyle bold{true, false};
    const CachedFont first = cache.atPixelSize(Gothic, bold, 40);
    const CachedFont second = cache.atPixelSize(Gothic, bold, 40);
    EXPECT_EQ(cache.size(), 1);
    EXPECT_EQ(first.font, second.font);
    EXPECT_EQ(first.font.pixelSize(), 40);
    EXPECT_TRUE(first.font.bold());
    const QFontMetricsF metrics(first.font);
    EXPECT_DOUBLE_EQ(first.ascent, metrics.ascent());
    EXPECT_DOUBLE_EQ(first.descent, metrics.descent());
    // Another style or size is another font.
    cache.atPixelSize(Gothic, GdiFontStyle{}, 40);
    cache.atPixelSize(Gothic, bold, 41);
    EXPECT_EQ(cache.size(), 3);
}

TEST_F(FontCacheTest, ACellHeightFontFillsItsCell)
{
    for (int cell : {12, 50, 157, 600}) {
        const CachedFont f = FontCache::instance().atCellHeight(Gothic, GdiFontStyle{}, cell);
        EXPECT_NEAR(f.ascent + f.descent, cell, 1.0) << "cell " << cell;
        EXPECT_LE(f.font.pixelSize(), cell) << "cell " << cell; // the em excludes the leading
    }
}

TEST_F(FontCacheTest, StaysWithinItsBoundAndDropsTheFontUnusedLongest)
{
    FontCache &cache = FontCache::instance();
    const GdiFontStyle regular;
    for (int px = 1; px <= FontCache::MaxEntries; ++px)
        cache.atPixelSize(Gothic, regular, px);
    EXPECT_EQ(cache.size(), FontCache::MaxEntries);
    cache.atPixelSize(Gothic, regular, 1); // used again: now the newest
    for (int px = FontCache::MaxEntries + 1; px <= FontCache::MaxEntries + 10; ++px)
        cache.atPixelSize(Gothic, regular, px);
    EXPECT_EQ(cache.size(), FontCache::MaxEntries);
    EXPECT_TRUE(cache.holds(Gothic, regular, 1));
    for (int px = 2; px <= 11; ++px)
        EXPECT_FALSE(cache.holds(Gothic, regular, px)) << px;
    EXPECT_TRUE(cache.holds(Gothic, regular, 12));
    EXPECT_TRUE(cache.holds(Gothic, regular, FontCache::MaxEntries + 10));
}

TEST_F(FontCacheTest, OutOfRangeSizesAreClampedNotStoredApart)
{
    FontCache &cache = FontCache::instance();
    EXPECT_EQ(cache.atPixelSize(Gothic, GdiFontStyle{}, 0).font.pixelSize(), 1);
    cache.atPixelSize(Gothic, GdiFontStyle{}, -5);
    EXPECT_EQ(cache.size(), 1);
}

// Layouts' Windows names are drawn in the installed family they map onto,
// named directly; the ink is the one Qt's own substitution gives the name.
TEST_F(FontCacheTest, AWindowsNameIsDrawnInItsInstalledFamilyWithTheSameInk)
{
    if (!QFontDatabase::hasFamily(QStringLiteral("IPAGothic")) || !QFontDatabase::hasFamily(QStringLiteral("IPAMincho")))
        GTEST_SKIP() << "the IPA fonts are not installed";
    const struct {
        const char16_t *name;
        const char *family;
    } cases[] = {
        {u"ＭＳ ゴシック", "IPAGothic"},
        {u"ＭＳ 明朝", "IPAMincho"},
        {u"ＭＳ Ｐゴシック", "IPAPGothic"},
        {u"IPAMincho", "IPAMincho"},         // installed: itself
        {u"No Such Face 7", "No Such Face 7"}, // unmapped: left to fontconfig
    };
    auto ink = [](QFont font) {
        font.setPixelSize(40);
        QImage image(520, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(4, 46, QStringLiteral(u"山田 太郎 ABC 123 おかカ〒"));
        return image;
    };
    for (const auto &c : cases) {
        const QString name = QString::fromUtf16(c.name);
        // Qt keeps mapped names in lower case; family names match either way.
        EXPECT_EQ(InstalledFamily(name).compare(QLatin1String(c.family), Qt::CaseInsensitive), 0)
            << name.toStdString() << " -> " << InstalledFamily(name).toStdString();
        const CachedFont cached = FontCache::instance().atPixelSize(name, GdiFontStyle{}, 40);
        QFont byName(name);
        byName.setHintingPreference(QFont::PreferNoHinting);
        EXPECT_TRUE(ink(cached.font) == ink(byName)) << name.toStdString();
    }
}

} // namespace
