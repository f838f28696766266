#pragma once
// What one drawing pass needs to know about its target besides the layout: the
// resolutions, whether it is the printer, the overall offset boxes and the
// folder that bare picture names are looked up in.

#include <QString>

struct DrawContext {
    // The printer pass leaves out preview-only items, widens pens by 4/144 inch
    // and scales pictures by printer/screen.
    bool isPrinter = false;
    // A test print on plain paper puts the preview-only form drawing on the
    // page as well, so that it can be held against a real form.
    bool withFormItems = false;

    // Resolution of the target in dots per inch: PreviewDpiX/Y on the preview,
    // the printer's resolution when printing.
    int targetDpiX = 96;
    int targetDpiY = 96;

    // PreviewDpiX: integer part of the screen resolution times the zoom. It is
    // the pen-width base and the base of a rotated text's cell height on every
    // target.
    int previewDpiX = 96;
    // Zoom percent of the preview (natural picture size, rotated font height).
    int zoomPercent = 100;

    // Screen and printer resolutions: natural-size pictures print at the size
    // they have on the screen at 100 %.
    int screenDpiX = 96;
    int screenDpiY = 96;
    int printerDpiX = 600;
    int printerDpiY = 600;

    // The overall offset boxes ofxbox and ofybox (whole millimetres) and the
    // preview option "全体位置も反映させる" (previewOpt1).
    int ofxbox = 0;
    int ofybox = 0;
    bool previewOpt1 = false;

    // Whether an item marked preview-only stays off this target.
    bool leavesOut(int previewOnly) const { return isPrinter && !withFormItems && previewOnly == 1; }

    // WorkDir: a bare picture name is looked up in WorkDir/style.
    QString workDir;

    // Preview values for a screen resolution and zoom: PreviewDpiX/Y are the
    // integer part of screen dpi x zoom / 100.
    static DrawContext forPreview(int screenDpiX, int screenDpiY, int zoomPercent);
    // Printer values: the page's resolution; pens and rotated text still follow
    // the preview resolution of the given screen and zoom.
    static DrawContext forPrinter(int printerDpiX, int printerDpiY, int screenDpiX, int screenDpiY,
                                  int zoomPercent);
};
