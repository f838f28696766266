#include "core/drawing/RowPatternTiles.h"

#include <algorithm>

RowPatternTiles &RowPatternTiles::instance()
{
    static RowPatternTiles tiles;
    return tiles;
}

QImage RowPatternTiles::tile(const QVector<QRgb> &rowColors)
{
    const auto it = m_tiles.constFind(rowColors);
    if (it != m_tiles.constEnd())
        return *it;
    const int rows = int(rowColors.size());
    QImage image(TileWidth, std::max(1, rows), QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < rows; ++i)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(i)), TileWidth, rowColors[i] | 0xFF000000u);
    if (m_tiles.size() >= MaxEntries)
        m_tiles.clear();
    m_tiles.insert(rowColors, image);
    return image;
}
