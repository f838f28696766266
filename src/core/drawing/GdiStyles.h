#pragma once
// The pen, brush and font styles that layouts name in Japanese or English, and
// the colour form of the files (0x00BBGGRR written in decimal).

#include <QColor>
#include <QString>

enum class GdiPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, InsideFrame };

enum class GdiBrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct GdiFontStyle {
    bool bold = false;
    bool italic = false;
};

// "実線" solid, "破線" dash, "点線" dot, "一点鎖線" dash-dot, "二点鎖線"
// dash-dot-dot, "立体線" inside-frame; anything else solid.
GdiPenStyle PenStyleFromName(const QString &name);

// Either name of each brush ("SolidBrush"/"塗潰", "ClearBrush"/"枠", ...);
// anything else solid.
GdiBrushStyle BrushStyleFromName(const QString &name);

// "太字" bold, "斜体" italic, "太字斜体" both, anything else regular.
GdiFontStyle FontStyleFromName(const QString &name);

// Red in the lowest byte; bits above the 24 colour bits are ignored.
QColor ColorFromBgr(qint64 bgr);
