#pragma once
// Draws text items: the five text modes (horizontal, vertical, filled outline,
// gradient, rotated), shadows, pitch, the maximum length and preview-only texts.
// Nearly everything printed on a waybill comes through here.

#include "core/drawing/DrawPass.h"
#include "core/drawing/TextItem.h"

#include <QPointF>

class TextItemDrawer
{
public:
    enum Mode { Horizontal = 0, Vertical = 1, Outline = 2, Gradient = 3, Rotated = 4 };

    // Characters of the pitch modes are taken from this many UTF-16 units.
    static constexpr int PitchTextUnits = 256;

    explicit TextItemDrawer(DrawPass &pass) : m_pass(pass) {}

    // Draws one text item: its shadow copy first when it has one, then the text.
    void drawItem(const TextItem &item);

    // Draws one copy of a text at (x, y) in colour; modeParameter is the second
    // colour in the gradient mode and the escapement (tenths of a degree) in the
    // rotated mode.
    void DrawTextItem(Millimetre x, Millimetre y, int size, qint64 color, int mode, qint64 modeParameter,
                      Millimetre pitch, const QString &fontName, const QString &text, int previewOnly,
                      int maxLength);

    // The text cut to maxLength UTF-16 units (never inside a surrogate pair).
    static QString cutToMaxLength(const QString &text, int maxLength);
    // The characters (code points) lying within the first 256 UTF-16 units.
    static QStringList pitchCharacters(const QString &text);

private:
    void drawPitched(Millimetre x, Millimetre y, Millimetre pitch, bool vertical, const QString &text);
    // The device point of a text's cell corner at layout position (x, y).
    QPointF textAnchor(Millimetre x, Millimetre y) const;
    void drawFilled(QPointF at, const QString &text, qint64 color, bool gradient, qint64 secondColor);
    void drawRotated(QPointF at, int size, qint64 escapement, const QString &fontName, const QString &text);

    DrawPass &m_pass;
};
