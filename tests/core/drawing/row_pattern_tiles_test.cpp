// Tiles of gradient rows: exact colours row by row, the same picture (so the
// same object in a PDF file) for the same rows, and a bounded number kept.

#include "core/drawing/RowPatternTiles.h"

#include <gtest/gtest.h>

namespace {

QVector<QRgb> rowsFrom(int first, int count)
{
    QVector<QRgb> rows;
    for (int i = 0; i < count; ++i)
        rows.append(qRgb((first + i) & 0xFF, 0, 255 - ((first + i) & 0xFF)));
    return rows;
}

TEST(RowPatternTiles, EveryRowHasItsColourAcrossTheTile)
{
    const QVector<QRgb> rows = rowsFrom(10, 7);
    const QImage tile = RowPatternTiles::instance().tile(rows);
    ASSERT_EQ(tile.size(), QSize(RowPatternTiles::TileWidth, 7));
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            EXPECT_EQ(tile.pixel(x, y), rows[y] | 0xFF000000u) << x << "," << y;
}

TEST(RowPatternTiles, TheSameRowsGiveTheSamePicture)
{
    RowPatternTiles &tiles = RowPatternTiles::instance();
    const QImage a = tiles.tile(rowsFrom(0, 40));
    const QImage b = tiles.tile(rowsFrom(0, 40));
    const QImage other = tiles.tile(rowsFrom(1, 40));
    EXPECT_EQ(a.cacheKey(), b.cacheKey());
    EXPECT_NE(a.cacheKey(), other.cacheKey());
}

TEST(RowPatternTiles, KeepsABoundedNumber)
{
    RowPatternTiles &tiles = RowPatternTiles::instance();
    for (int i = 0; i < RowPatternTiles::MaxEntries * 3; ++i) {
        tiles.tile(rowsFrom(i, 30));
        EXPECT_LE(tiles.size(), RowPatternTiles::MaxEntries);
    }
}

} // namespace
