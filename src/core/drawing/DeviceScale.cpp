#include "core/drawing/DeviceScale.h"

#include <algorithm>

DeviceScale::DeviceScale(int dpiX, int dpiY, int offsetXmm, int offsetYmm)
    : m_pxPerMmX(pxPerMmUnits(dpiX)), m_pxPerMmY(pxPerMmUnits(dpiY)), m_offsetX(offsetXmm), m_offsetY(offsetYmm)
{
}

qint64 DeviceScale::pxPerMmUnits(qint64 dpi)
{
    // dpi / 25.4 in ten-thousandths is dpi * 100000 / 254, rounded half to even.
    const qint64 numerator = dpi * 100000;
    const qint64 denominator = 254;
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    if (remainder * 2 > denominator || (remainder * 2 == denominator && (quotient % 2) != 0))
        ++quotient;
    return quotient;
}

int DeviceScale::toPixels(Millimetre mm, qint64 pxPerMmUnits)
{
    const __int128 product = __int128(mm.units()) * pxPerMmUnits;
    const __int128 scale = __int128(Millimetre::UnitsPerMm) * 10000;
    __int128 pixels = product / scale; // C++ division truncates toward zero
    pixels = std::clamp<__int128>(pixels, -MaxDevicePixel, MaxDevicePixel);
    return int(pixels);
}

int DeviceScale::deviceX(Millimetre x) const
{
    return toPixels(Millimetre::fromWhole(m_offsetX) + x, m_pxPerMmX);
}

int DeviceScale::deviceY(Millimetre y) const
{
    return toPixels(Millimetre::fromWhole(m_offsetY) + y, m_pxPerMmY);
}

void DeviceScale::setOffsets(int offsetXmm, int offsetYmm)
{
    m_offsetX = offsetXmm;
    m_offsetY = offsetYmm;
}
