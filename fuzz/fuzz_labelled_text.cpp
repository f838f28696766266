// The labelled-text paste on any clipboard text, applied to a small layout:
// the texts land in their items and never break a layout line apart.

#include "FuzzSupport.h"

#include "core/import/LabelledTextPaste.h"
#include "core/layout/StyleData.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::EnsureCoreApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QVector<ItemText> changes = LabelledTextChanges(text);

    StyleData style;
    // The layout editor's select adds a missing item; here every id gets one.
    const auto select = [&style](int id) {
        if (style.findItem(id) < 0)
            style.appendLine(QStringLiteral("0;%1;0;0;text;10;10;50;5;ＭＳ 明朝;10;0;0;0;0;0;0;0;0;;0;").arg(id));
    };
    ApplyItemTexts(style, changes, select);
    for (const ItemText &change : changes) {
        const int index = style.findItem(change.id);
        fuzz::Require(index > 0, "every changed item exists");
    }
    for (const QString &line : style.lines()) {
        fuzz::Require(!line.contains(u'\n') && !line.contains(u'\r'), "no line break inside a layout line");
    }
    return 0;
}
