#pragma once
// The printer figures that the preview and printing share, taken from the
// selected printer as plain values, and the preview page geometry computed
// from them and the zoom.

#include <QRect>
#include <QSize>

struct PrinterMeasurements {
    int printerDpiX = 600;
    int printerDpiY = 600;
    // Whole millimetres, rounded to nearest with halves to even.
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;
    int physicalWidth = 210;
    int physicalHeight = 297;
    int printableWidth = 210;
    int printableHeight = 297;
    int screenDpiX = 96;
    int screenDpiY = 96;

    // MeasurePrinter on plain values: the paper and the printable page in
    // printer pixels (the printable rectangle relative to the paper's corner).
    static PrinterMeasurements fromDevice(int dpiX, int dpiY, const QSize &paperPx, const QRect &printablePx,
                                          int screenDpiX, int screenDpiY);
};

// Nearest whole number, halves to even (the rounding of the measurements).
int RoundHalfEven(double value);

struct PreviewGeometry {
    int zoomPercent = 100;
    int previewDpiX = 96; // integer part of screen dpi x zoom
    int previewDpiY = 96;
    QSize sheet;          // the physical sheet panel
    QRect printableArea;  // the white page on the sheet
    QSize whitePage;      // the painted white rectangle (rounded, not truncated)

    // SizePreviewPage for a zoom in percent.
    static PreviewGeometry compute(const PrinterMeasurements &m, int zoomPercent);
};
