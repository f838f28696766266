#pragma once
// Text is shaped once, at the resolution of a common office printer, and only
// scaled onto the device it lands on. A glyph's advance at 13 screen pixels is
// not a sixth of its advance at 83 printer pixels (the em is rounded to whole
// pixels at each size), so text measured per device ran a few percent longer
// on paper than on the preview: a name that fitted its box on the screen ran
// over it on the form. Measured at this one resolution, every device (preview
// at any zoom, printer, PDF, the layout editor's edges) agrees.

#include <QtGlobal>

inline constexpr int TextMetricsDpi = 600;

// Largest em height a font is given; far beyond any page, small enough for the
// font engine.
inline constexpr int MaxFontPixels = 32767;

// points x dpi / 72, rounded half away from zero: the em height in pixels of a
// point-sized font.
int PointsToPixels(qint64 points, qint64 dpi);
