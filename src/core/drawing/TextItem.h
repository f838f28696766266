#pragma once
// The fields of one text item ("char" or "data"), fields 6 to 22 of its line.

#include "core/layout/Millimetre.h"

#include <QString>

class StyleLineReader;

struct TextItem {
    Millimetre x, y;           // 6, 7
    Millimetre right, bottom;  // 8, 9 (informational)
    Millimetre shadowX, shadowY; // 10, 11
    int rotation = 0;          // 12, whole degrees
    qint64 secondColor = 0;    // 13: shadow colour, bottom of the gradient
    QString fontName;          // 14
    int size = 0;              // 15, points
    QString fontStyle;         // 16
    int mode = 0;              // 17, TextMode
    Millimetre pitch;          // 18
    qint64 color = 0;          // 19
    QString text;              // 20
    int previewOnly = 0;       // 21
    int maxLength = 0;         // 22

    // Reads fields 6 to 22 from reader; a malformed number leaves reader failed.
    static TextItem read(StyleLineReader &reader);
};
