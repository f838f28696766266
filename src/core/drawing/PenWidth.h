#pragma once
// Pen widths of shape items. A width field is in 1/144 inch of the preview:
// round(PreviewDpiX x w' / 144) pixels, halves away from zero, where w' is w on
// the preview and w + 4 on the printer; 0 or less gives 1 pixel, and dashed or
// dotted pens are always 1 pixel wide. Printed rules thus follow the zoom.

#include "core/drawing/GdiStyles.h"

// Device pixels of a pen of width field w; capped far beyond any page.
int PenWidthPixels(int previewDpiX, qint64 w, bool isPrinter, GdiPenStyle style);
