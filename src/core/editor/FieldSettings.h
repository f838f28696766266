#pragma once
// The values the layout editor's settings panel holds for the selected field:
// everything of a text item line that the editor reads or writes back.

#include "core/layout/Millimetre.h"

#include <QString>

struct FieldSettings {
    Millimetre x, y;             // cx, cy
    Millimetre shadowX, shadowY; // KX, KY (field 10, 11)
    qint64 secondColour = 0;     // KC tag (field 13)
    QString fontName;            // cf (field 14)
    QString fontSize;            // cs (field 15), points as text
    QString fontStyle;           // cb (field 16)
    bool horizontal = true;      // horizontalBox; false writes text mode 1
    Millimetre pitch;            // cm (field 18)
    qint64 colour = 0;           // cc tag (field 19)
    QString text;                // chrdata (field 20)
};

// The right and bottom edges of a field's text (fields 8 and 9).
struct FieldEdges {
    Millimetre right, bottom;
};

// The defaults a field gets when its settings are still blank: size "12" for an
// empty or zero size, and "ＭＳ 明朝" for an empty font name.
void ApplyFieldDefaults(FieldSettings &settings);

// The style text of a font: "太字", "斜体", "太字斜体", or empty when underline or
// strike-out is part of it or it is plain.
QString FontStyleCaption(bool bold, bool italic, bool underline, bool strikeOut);

// Cuts a position to one decimal, towards zero (12.34 -> 12.3, -0.05 -> 0).
Millimetre CutToTenth(Millimetre value);
