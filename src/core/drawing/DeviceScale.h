#pragma once
// Millimetres to device pixels for one drawing pass. Layout positions are exact
// decimals; the scale is the target resolution divided by 25.4, kept to four
// decimals (halves to even), and every conversion drops the fraction, so the
// preview, the printer and the tool agree pixel for pixel.

#include "core/layout/Millimetre.h"

#include <QtGlobal>

class DeviceScale
{
public:
    // Device pixels are kept within this range so that absurd positions in a
    // layout can never overflow the painter's fixed-point arithmetic.
    static constexpr int MaxDevicePixel = 1 << 23;

    DeviceScale() = default;
    // A scale for a target of dpiX x dpiY dots per inch, with the overall offsets.
    DeviceScale(int dpiX, int dpiY, int offsetXmm, int offsetYmm);

    // Pixels per millimetre for a resolution, in ten-thousandths: 96 dpi gives
    // 37795 (3.7795), 600 dpi gives 236220 (23.622). Halves go to even.
    static qint64 pxPerMmUnits(qint64 dpi);

    // The whole-pixel part of mm x pxPerMm (in ten-thousandths), toward zero,
    // clamped to +-MaxDevicePixel.
    static int toPixels(Millimetre mm, qint64 pxPerMmUnits);

    // Device X and Y of a layout position: (offset + X) x PxPerMmX, fraction dropped.
    int deviceX(Millimetre x) const;
    int deviceY(Millimetre y) const;
    // A length with the vertical or horizontal scale and no offset (corner
    // sizes, arc points).
    int lengthX(Millimetre mm) const { return toPixels(mm, m_pxPerMmX); }
    int lengthY(Millimetre mm) const { return toPixels(mm, m_pxPerMmY); }

    qint64 pxPerMmXUnits() const { return m_pxPerMmX; }
    qint64 pxPerMmYUnits() const { return m_pxPerMmY; }
    int offsetX() const { return m_offsetX; }
    int offsetY() const { return m_offsetY; }
    // The "header" item reloads the offsets in the middle of a pass.
    void setOffsets(int offsetXmm, int offsetYmm);

private:
    qint64 m_pxPerMmX = 37795;
    qint64 m_pxPerMmY = 37795;
    int m_offsetX = 0;
    int m_offsetY = 0;
};
