#include "core/editor/EdgeMeasure.h"

#include "core/text/TextFields.h"
#include "core/drawing/FontCache.h"
#include "core/drawing/TextMetrics.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace {

// The characters of a text as the drawing pass places them one by one: a
// surrogate pair is one character.
QStringList characters(const QString &text)
{
    QStringList list;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            list << text.mid(i, 2);
            ++i;
        } else {
            list << text.mid(i, 1);
        }
    }
    return list;
}

} // namespace

EdgeMeasure::EdgeMeasure() : EdgeMeasure(&EdgeMeasure::measureWithFont, TextMetricsDpi, TextMetricsDpi) {}

EdgeMeasure::EdgeMeasure(TextMeasurer measurer, double dpiX, double dpiY)
    : m_measurer(std::move(measurer)), m_dpiX(dpiX > 0 ? dpiX : 96), m_dpiY(dpiY > 0 ? dpiY : 96)
{
}

QSizeF EdgeMeasure::measureWithFont(const QString &fontName, int pixelSize, const QString &text)
{
    const CachedFont font = FontCache::instance().atPixelSize(fontName, GdiFontStyle{}, std::max(1, pixelSize));
    return QSizeF(QFontMetricsF(font.font).horizontalAdvance(text), font.ascent + font.descent);
}

Millimetre EdgeMeasure::wholeMm(double pixels, double dpi)
{
    return Millimetre::fromWhole(qint64(std::floor(pixels * 25.4 / dpi)));
}

FieldEdges EdgeMeasure::measure(const FieldSettings &s, const QString &rawText) const
{
    const QString text = rawText.trimmed();
    int points = 12;
    if (!ParseWholeNumber(s.fontSize, &points))
        points = 12;
    const int pixelSize = int(std::lround(points * m_dpiY / 72.0));
    const Millimetre x = CutToTenth(s.x);
    const Millimetre y = CutToTenth(s.y);
    if (text.isEmpty())
        return {x, y};

    auto width = [&](const QString &t) { return wholeMm(m_measurer(s.fontName, pixelSize, t).width(), m_dpiX); };
    auto height = [&](const QString &t) { return wholeMm(m_measurer(s.fontName, pixelSize, t).height(), m_dpiY); };

    if (s.horizontal && s.pitch.isZero())
        return {x + width(text), y + height(text)};

    const QStringList chars = characters(text);
    const qint64 n = chars.size();
    Millimetre pitch = s.pitch < Millimetre() ? -s.pitch : s.pitch;
    if (!s.horizontal && pitch.isZero())
        pitch = Millimetre::fromUnits(qint64(points) * Millimetre::UnitsPerMm / 2);
    // A negative pitch ends the text at the position instead of starting there.
    const Millimetre back = s.pitch < Millimetre() ? Millimetre::fromUnits(pitch.units() * n) : Millimetre();
    const Millimetre run = Millimetre::fromUnits(pitch.units() * (n - 1));
    const QString across = QStringLiteral("翔");
    if (s.horizontal)
        return {x - back + run + width(chars.last()), y + height(across)};
    return {x + width(across), y - back + run + height(chars.last())};
}
