#pragma once
// Reading and writing the text item line of the field being edited. The editor
// writes every line it touches in one form: kind "char", no rotation, text mode
// 0 or 1, printed, no length limit; only the text is carried over unchanged.

#include "core/editor/FieldSettings.h"

#include <QString>

class FieldLine
{
public:
    // The settings and kept edges a line gives the panel. A malformed number
    // reads as 0 and a colour that is not a whole number as black.
    static FieldSettings read(const QString &line, FieldEdges *edges = nullptr);

    // Whether a text mode keeps the field vertical: 1, and every value the
    // drawing pass draws vertically (anything but 0 to 4). The filled, gradient
    // and rotated modes (2 to 4) become plain horizontal text.
    static bool isVerticalMode(const QString &modeField);

    // The line for item id with the panel's settings and the given edges: X and
    // Y cut to one decimal, the other lengths with up to four decimals, and the
    // text of settings.text.
    static QString build(int itemId, const FieldSettings &settings, const FieldEdges &edges);
};
