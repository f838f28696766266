#include "core/drawing/TextItem.h"

#include "core/drawing/StyleLineReader.h"

TextItem TextItem::read(StyleLineReader &reader)
{
    TextItem t;
    t.x = reader.decimal();
    t.y = reader.decimal();
    t.right = reader.decimal();
    t.bottom = reader.decimal();
    t.shadowX = reader.decimal();
    t.shadowY = reader.decimal();
    t.rotation = reader.intOr(0);
    t.secondColor = reader.colour();
    t.fontName = reader.text();
    t.size = reader.requiredInt();
    t.fontStyle = reader.text();
    t.mode = reader.requiredInt();
    t.pitch = reader.decimal();
    t.color = reader.colour();
    t.text = reader.text();
    t.previewOnly = reader.intOrZero();
    t.maxLength = reader.intOrZero();
    return t;
}
