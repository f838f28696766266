#include "core/drawing/TextMetrics.h"

#include <algorithm>
#include <cstdlib>

int PointsToPixels(qint64 points, qint64 dpi)
{
    const qint64 n = points * dpi;
    const qint64 magnitude = (std::llabs(n) * 2 + 72) / 144;
    return int(std::min<qint64>(magnitude, qint64(MaxFontPixels)));
}
