#include "core/editor/FieldSettings.h"

void ApplyFieldDefaults(FieldSettings &settings)
{
    const QString size = settings.fontSize.trimmed();
    if (size.isEmpty() || size == QLatin1String("0"))
        settings.fontSize = QStringLiteral("12");
    if (settings.fontName.isEmpty())
        settings.fontName = QStringLiteral("ＭＳ 明朝");
}

QString FontStyleCaption(bool bold, bool italic, bool underline, bool strikeOut)
{
    if (underline || strikeOut)
        return QString();
    if (bold && italic)
        return QStringLiteral("太字斜体");
    if (bold)
        return QStringLiteral("太字");
    if (italic)
        return QStringLiteral("斜体");
    return QString();
}

Millimetre CutToTenth(Millimetre value)
{
    const qint64 tenth = Millimetre::UnitsPerMm / 10;
    return Millimetre::fromUnits(value.units() / tenth * tenth);
}
