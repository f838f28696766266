#pragma once
// What a test print on plain paper adds to the layout: millimetre rulers along
// the top and left edges of the printable area, cross marks at 10 mm and at
// 100 mm from its corner, and a note that tells the clerk what to do with the
// sheet. Held against a pre-printed form in front of a window, the sheet shows
// how far this printer puts things off their place.

#include <QSize>

class GdiCanvas;
struct DrawContext;

// Where the marks stand, in millimetres from the printable area's corner.
inline constexpr int TestPrintCrossesMm[2] = {10, 100};

// Draws the rulers, the crosses and the note onto canvas at the context's
// target resolution, from the device origin, which is the printable area's
// corner. printablePixels is the size of that area on the device.
void DrawTestPrintMarks(GdiCanvas &canvas, const DrawContext &context, QSize printablePixels);
