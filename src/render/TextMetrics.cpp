#include "render/TextMetrics.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Largest em height a font is given; far beyond any page, small enough for the
// font engine.
constexpr qint64 MaxFontPixels = 32767;

} // namespace

int PointsToPixels(qint64 points, qint64 dpi)
{
    const qint64 n = points * dpi;
    const qint64 magnitude = (std::llabs(n) * 2 + 72) / 144;
    return int(std::min<qint64>(magnitude, MaxFontPixels));
}
