#include "core/data/StoreLocation.h"

#include <QRegularExpression>

bool IsServerStore(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
           || location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString StoreLocationForDisplay(const QString &location)
{
    if (!IsServerStore(location))
        return location;
    QString shown = location;
    // user:password@host → user@host; ?password=… and &password=… go too.
    static const QRegularExpression inAuthority(QStringLiteral("^(\\w+://[^/@:]*):[^/@]*@"));
    shown.replace(inAuthority, QStringLiteral("\\1@"));
    static const QRegularExpression inQuery(QStringLiteral("([?&])password=[^&]*&?"),
                                            QRegularExpression::CaseInsensitiveOption);
    shown.replace(inQuery, QStringLiteral("\\1"));
    if (shown.endsWith(QLatin1Char('?')) || shown.endsWith(QLatin1Char('&')))
        shown.chop(1);
    return shown;
}
