// The fonts kept between items and pages: the same request gives the same
// font, a cell-height font fills its cell, and the cache never grows past its
// bound, dropping the font unused longest.

#include "support/RenderTestSupport.h"

#include "core/drawing/FontCache.h"

#include <QFontMetricsF>
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

} // namespace
