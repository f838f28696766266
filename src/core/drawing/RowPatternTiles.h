#pragma once
// Tiles of row colours that fill gradient text on vector pages, kept so that
// the same gradient on the next page (a batch prints the same layout many
// times) is the same picture: a PDF file then holds it once, and it is not
// compressed again for every page. Bounded: emptied when full.

#include <QHash>
#include <QImage>
#include <QRgb>
#include <QVector>

class RowPatternTiles
{
public:
    static constexpr int MaxEntries = 64;
    // Wide enough that a viewer does not repeat the tile per pixel, small
    // enough to cost nothing in the file.
    static constexpr int TileWidth = 16;

    // The one set of tiles of the program (the drawing runs on one thread).
    static RowPatternTiles &instance();

    // A TileWidth-wide picture whose row i has rowColors[i] (opaque).
    QImage tile(const QVector<QRgb> &rowColors);

    // Number of tiles held.
    int size() const { return int(m_tiles.size()); }

private:
    QHash<QVector<QRgb>, QImage> m_tiles;
};
