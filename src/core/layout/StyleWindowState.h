#pragma once
// The layout values that live in window controls: the overall offset boxes, the
// splitter, the zoom and the copies box. The core keeps them here so that the
// header can be read and written without widgets; the window binds its controls
// to these fields (it writes them when a control changes, and reads them back
// after a style file is opened).

struct StyleWindowState {
    int ofxbox = 0;             // overall horizontal offset, whole mm (-100 .. 100)
    int ofybox = 0;             // overall vertical offset, whole mm (-100 .. 100)
    int splitterPosition = 401; // left edge of the splitter, in pixels
    int zoomPercent = 100;      // preview zoom (5 .. 200)
    int copies = 1;             // copies box copiesEdit (1 .. 1000)
};
