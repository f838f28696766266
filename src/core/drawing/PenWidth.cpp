#include "core/drawing/PenWidth.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr qint64 MaxPenPixels = 1 << 14;
}

int PenWidthPixels(int previewDpiX, qint64 w, bool isPrinter, GdiPenStyle style)
{
    switch (style) {
    case GdiPenStyle::Dash:
    case GdiPenStyle::Dot:
    case GdiPenStyle::DashDot:
    case GdiPenStyle::DashDotDot:
        return 1;
    default:
        break;
    }
    const qint64 widened = isPrinter ? w + 4 : w;
    const qint64 n = qint64(previewDpiX) * widened;
    if (n <= 0)
        return 1;
    const qint64 pixels = (n * 2 + 144) / 288; // n / 144, halves away from zero
    return int(std::clamp<qint64>(pixels, 1, MaxPenPixels));
}
