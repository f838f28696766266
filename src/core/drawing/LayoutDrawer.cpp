#include "core/drawing/LayoutDrawer.h"

#include "core/text/TextFields.h"
#include "core/layout/StyleData.h"
#include "core/drawing/DrawFailureText.h"
#include "core/drawing/DrawPass.h"
#include "core/drawing/ImageItemDrawer.h"
#include "core/drawing/ShapeItemDrawer.h"
#include "core/drawing/StyleLineReader.h"
#include "core/drawing/TextItemDrawer.h"

namespace {

// Draws one line; returns false when a number in it was malformed.
bool drawLine(DrawPass &pass, StyleLineReader &reader)
{
    const QString flagText = reader.text();
    int flag = 0;
    if (!ParseWholeNumber(flagText, &flag))
        flag = 0;
    reader.intOr(0); // item id
    reader.skip();
    reader.skip();
    const QString kind = reader.text();

    ShapeItemDrawer shapes(pass);
    if (kind == QLatin1String("char") || kind == QLatin1String("data")) {
        const TextItem item = TextItem::read(reader);
        if (!reader.failed())
            TextItemDrawer(pass).drawItem(item);
    } else if (kind == QLatin1String("line")) {
        shapes.DrawLineItem(reader);
    } else if (kind == QLatin1String("rect")) {
        shapes.DrawRectItem(reader);
    } else if (kind == QLatin1String("rrect")) {
        shapes.DrawRoundRectItem(reader);
    } else if (kind == QLatin1String("fillrect")) {
        shapes.DrawFillRectItem(reader, flag);
    } else if (kind == QLatin1String("Arc")) {
        shapes.DrawArcItem(reader);
    } else if (kind == QLatin1String("Ellipse")) {
        shapes.DrawEllipseItem(reader);
    } else if (kind == QLatin1String("Chord")) {
        shapes.DrawChordItem(reader);
    } else if (kind == QLatin1String("image")) {
        ImageItemDrawer(pass).drawItem(reader, flagText);
    } else if (kind == QLatin1String("header")) {
        // Reloads the offsets from the boxes, on the preview as well.
        pass.scale.setOffsets(pass.context.ofxbox, pass.context.ofybox);
    }
    return !reader.failed();
}

} // namespace

DrawResult DrawLayout(GdiCanvas &canvas, const QStringList &lines, const DrawContext &context, int lineIndex)
{
    const bool offsets = context.isPrinter || context.previewOpt1;
    DrawPass pass{canvas, context,
                  DeviceScale(context.targetDpiX, context.targetDpiY, offsets ? context.ofxbox : 0,
                              offsets ? context.ofybox : 0)};
    DrawResult result;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.isEmpty())
            break;
        if (lineIndex != 0 && i != lineIndex)
            continue;
        StyleLineReader reader(line);
        if (!drawLine(pass, reader)) {
            result.ok = false;
            result.line = i;
            result.field = reader.failedField();
            result.fieldText = reader.failedText();
            SetDrawFailure(result, DrawResult::Failure::BadNumber);
            break;
        }
    }
    result.overallOffsetX = pass.scale.offsetX();
    result.overallOffsetY = pass.scale.offsetY();
    return result;
}

DrawResult DrawLayout(GdiCanvas &canvas, StyleData &style, const DrawContext &context, int lineIndex)
{
    DrawResult result = DrawLayout(canvas, style.lines(), context, lineIndex);
    if (!result.ok)
        result.message = DrawFailureNotice(result, style.CurrentStyleFile);
    style.OverallOffsetX = result.overallOffsetX;
    style.OverallOffsetY = result.overallOffsetY;
    return result;
}
