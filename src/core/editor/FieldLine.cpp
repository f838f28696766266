#include "core/editor/FieldLine.h"

#include "core/text/TextFields.h"
#include "core/layout/StyleData.h"

namespace {

Millimetre lengthField(const QString &line, int n)
{
    return Millimetre::parse(NthField(line, n)).value_or(Millimetre());
}

qint64 colourField(const QString &line, int n)
{
    int value = 0;
    return ParseWholeNumber(NthField(line, n), &value) ? value : 0;
}

// A text that goes into one field: no ';' and no line break can split the line.
QString fieldText(const QString &text)
{
    return StyleData::sanitizeItemText(text);
}

} // namespace

FieldSettings FieldLine::read(const QString &line, FieldEdges *edges)
{
    FieldSettings s;
    s.x = lengthField(line, 6);
    s.y = lengthField(line, 7);
    if (edges) {
        edges->right = lengthField(line, 8);
        edges->bottom = lengthField(line, 9);
    }
    s.shadowX = lengthField(line, 10);
    s.shadowY = lengthField(line, 11);
    s.secondColour = colourField(line, 13);
    s.fontName = NthField(line, 14);
    s.fontSize = NthField(line, 15);
    s.fontStyle = NthField(line, 16);
    s.horizontal = !isVerticalMode(NthField(line, 17));
    s.pitch = lengthField(line, 18);
    s.colour = colourField(line, 19);
    s.text = NthField(line, 20);
    return s;
}

bool FieldLine::isVerticalMode(const QString &modeField)
{
    int mode = 0;
    if (!ParseWholeNumber(modeField, &mode))
        return false;
    return mode < 0 || mode == 1 || mode > 4;
}

QString FieldLine::build(int itemId, const FieldSettings &s, const FieldEdges &edges)
{
    const QString sep = QStringLiteral(";");
    QString line = QStringLiteral("0;") + QString::number(itemId) + QStringLiteral(";0;0;char;");
    line += CutToTenth(s.x).toString() + sep + CutToTenth(s.y).toString() + sep;
    line += edges.right.toString() + sep + edges.bottom.toString() + sep;
    line += s.shadowX.toString() + sep + s.shadowY.toString() + sep;
    line += QStringLiteral("0;") + QString::number(s.secondColour) + sep;
    line += fieldText(s.fontName) + sep + fieldText(s.fontSize) + sep + fieldText(s.fontStyle) + sep;
    line += (s.horizontal ? QStringLiteral("0") : QStringLiteral("1")) + sep;
    line += s.pitch.toString() + sep + QString::number(s.colour) + sep;
    line += fieldText(s.text) + QStringLiteral(";0;0;");
    return line;
}
