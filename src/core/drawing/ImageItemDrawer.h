#pragma once
// Draws picture items ("image"): a PNG, BMP or JPEG file at a position, at its
// natural size or scaled to a size given in millimetres (one side may be
// derived from the other and the picture's proportions), and the optional frame.

#include "core/drawing/DrawPass.h"

#include <QSizeF>

class StyleLineReader;

class ImageItemDrawer
{
public:
    explicit ImageItemDrawer(DrawPass &pass) : m_pass(pass) {}

    // Reads fields 6 to 14 and draws the picture, then the frame when field 1
    // (flagText) is "1". The frame is drawn on every target, whether or not the
    // picture is.
    void drawItem(StyleLineReader &reader, const QString &flagText);

    // Draws the picture of the fields (positions in mm, sizes in mm).
    void DrawImageItem(Millimetre x, Millimetre y, Millimetre w, Millimetre h, int sizing, const QString &fileName,
                       int previewOnly);

    // The file a picture name refers to: the name itself when it is a file,
    // otherwise its bare file name in WorkDir/style; empty when neither exists.
    static QString resolvePicture(const QString &fileName, const QString &workDir);
    // A side derived from the other: other x numerator / denominator in whole
    // millimetres, halves up.
    static Millimetre derivedSide(Millimetre other, int numerator, int denominator);
    // Device size of a picture of pw x ph pixels for the fields and the target.
    QSizeF deviceSize(QSize picture, Millimetre w, Millimetre h, int sizing) const;

private:
    DrawPass &m_pass;
};
