#include "core/drawing/ToolStyleOpen.h"

#include "core/layout/StyleData.h"

#include <QFileInfo>

QString OpenStyleForTool(StyleData &style, const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QStringLiteral("style file not found: %1").arg(path);
    const LayoutStatus opened = style.OpenStyle(path);
    if (opened)
        return QString();
    switch (opened.problem) {
    case LayoutStatus::Problem::Missing:
        return QStringLiteral("style file not found: %1").arg(path);
    case LayoutStatus::Problem::Unreadable:
        return QStringLiteral("cannot read style file: %1").arg(path);
    case LayoutStatus::Problem::Empty:
        return QStringLiteral("style file is empty: %1").arg(path);
    case LayoutStatus::Problem::NotStyleFile:
        return QStringLiteral("not a style file: %1").arg(path);
    case LayoutStatus::Problem::BadHeader:
        return QStringLiteral("malformed layout: the header's paper size is not a whole number: %1").arg(path);
    case LayoutStatus::Problem::None:
    case LayoutStatus::Problem::Other:
        break;
    }
    return QStringLiteral("malformed layout: %1").arg(path);
}
