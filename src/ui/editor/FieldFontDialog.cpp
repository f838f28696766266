#include "ui/editor/FieldFontDialog.h"

#include <QColorDialog>
#include <QFont>
#include <QFontDialog>
#include <QFontInfo>

namespace {

QColor colourFromBgr(qint64 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

qint64 bgrFromColour(const QColor &c)
{
    return qint64(c.red()) | (qint64(c.green()) << 8) | (qint64(c.blue()) << 16);
}

} // namespace

QString FieldFontDialog::storedName(const QString &initialName, const QString &chosenFamily)
{
    if (!initialName.isEmpty() && chosenFamily.compare(QFontInfo(QFont(initialName)).family(), Qt::CaseInsensitive) == 0)
        return initialName;
    return chosenFamily;
}

std::optional<FieldFontChoice> FieldFontDialog::choose(const FieldFontChoice &initial, QWidget *parent)
{
    // The dialog lists installed families: start it on the font that really
    // draws the layout's name.
    QFont font(QFontInfo(QFont(initial.fontName)).family());
    if (initial.pointSize > 0)
        font.setPointSize(initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent, QStringLiteral("フォント"));
    if (!ok)
        return std::nullopt;

    FieldFontChoice result;
    result.fontName = storedName(initial.fontName, chosen.family());
    result.pointSize = chosen.pointSize() > 0 ? chosen.pointSize() : initial.pointSize;
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeOut = chosen.strikeOut();
    result.colour = initial.colour;
    const QColor colour = QColorDialog::getColor(colourFromBgr(initial.colour), parent, QStringLiteral("フォント色"));
    if (colour.isValid())
        result.colour = bgrFromColour(colour);
    return result;
}
