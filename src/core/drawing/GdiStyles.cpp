#include "core/drawing/GdiStyles.h"

GdiPenStyle PenStyleFromName(const QString &name)
{
    if (name == QStringLiteral("破線"))
        return GdiPenStyle::Dash;
    if (name == QStringLiteral("点線"))
        return GdiPenStyle::Dot;
    if (name == QStringLiteral("一点鎖線"))
        return GdiPenStyle::DashDot;
    if (name == QStringLiteral("二点鎖線"))
        return GdiPenStyle::DashDotDot;
    if (name == QStringLiteral("立体線"))
        return GdiPenStyle::InsideFrame;
    return GdiPenStyle::Solid;
}

GdiBrushStyle BrushStyleFromName(const QString &name)
{
    struct Entry {
        const char16_t *english;
        const char16_t *japanese;
        GdiBrushStyle style;
    };
    static const Entry entries[] = {
        {u"SolidBrush", u"塗潰", GdiBrushStyle::Solid},
        {u"ClearBrush", u"枠", GdiBrushStyle::Clear},
        {u"HorizontalBrush", u"水平", GdiBrushStyle::Horizontal},
        {u"VerticalBrush", u"垂直", GdiBrushStyle::Vertical},
        {u"FDiagonalBrush", u"右斜線", GdiBrushStyle::FDiagonal},
        {u"BDiagonalBrush", u"左斜線", GdiBrushStyle::BDiagonal},
        {u"CrossBrush", u"垂直十字", GdiBrushStyle::Cross},
        {u"DiagCrossBrush", u"斜十字", GdiBrushStyle::DiagCross},
    };
    for (const Entry &e : entries) {
        if (name == QStringView(e.english) || name == QStringView(e.japanese))
            return e.style;
    }
    return GdiBrushStyle::Solid;
}

GdiFontStyle FontStyleFromName(const QString &name)
{
    if (name == QStringLiteral("太字"))
        return {true, false};
    if (name == QStringLiteral("斜体"))
        return {false, true};
    if (name == QStringLiteral("太字斜体"))
        return {true, true};
    return {};
}

QColor ColorFromBgr(qint64 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
