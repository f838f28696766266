#pragma once
// A font as the layout editor's font dialog offers and returns it: the name as
// the layout stores it, the size in points, the style flags and the colour
// (0x00BBGGRR).

#include <QString>

struct FieldFontChoice {
    QString fontName;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    qint64 colour = 0;
};
