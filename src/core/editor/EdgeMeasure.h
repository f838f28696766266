#pragma once
// Measures where a field's text ends (fields 8 and 9 of its line). Nothing
// draws from these values; they tell a reader of the layout how far a field
// reaches. Lengths are measured with the drawing pass's fonts at the resolution
// text is shaped at, so that they are where the printed text ends whatever the
// screen, and counted in whole millimetres.

#include "core/editor/FieldSettings.h"

#include <QSizeF>
#include <QString>
#include <functional>

class EdgeMeasure
{
public:
    // Width and height in pixels of text in the font at the given pixel size.
    using TextMeasurer = std::function<QSizeF(const QString &fontName, int pixelSize, const QString &text)>;

    // The installed fonts (through the Windows-name substitutions) at the
    // resolution text is shaped at.
    EdgeMeasure();
    EdgeMeasure(TextMeasurer measurer, double dpiX, double dpiY);

    // The edges of text (trimmed of blanks) placed with the settings. A
    // horizontal text without a pitch measures as one run. A pitched or
    // vertical text is estimated: along the writing direction, one pitch per
    // character after the first plus the last character's own length, starting
    // n pitches before the position for a negative pitch; across it, the size
    // of "翔". A vertical text without a pitch uses half the font size, as the
    // drawing pass does. A size that is not a number counts as 12 points.
    FieldEdges measure(const FieldSettings &settings, const QString &text) const;

    // Advance and cell height of text in the drawing pass's regular font of
    // that name at pixelSize.
    static QSizeF measureWithFont(const QString &fontName, int pixelSize, const QString &text);

private:
    // Whole millimetres of a pixel length at a resolution.
    static Millimetre wholeMm(double pixels, double dpi);

    TextMeasurer m_measurer;
    double m_dpiX;
    double m_dpiY;
};
