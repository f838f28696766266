#include "core/text/DateText.h"

#include <QDate>
#include <QStringList>

QString DisplayDateText(const QString &stored)
{
    const QString text = stored.trimmed();
    if (text.isEmpty())
        return stored;
    // Only the date part counts; a time after a blank or 'T' is not shown.
    QString datePart = text.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('T'), 0, 0);
    const QChar separator = datePart.contains(QLatin1Char('-')) ? QLatin1Char('-') : QLatin1Char('/');
    const QStringList parts = datePart.split(separator);
    if (parts.size() != 3)
        return stored;
    bool okY = false, okM = false, okD = false;
    const int y = parts[0].toInt(&okY), m = parts[1].toInt(&okM), d = parts[2].toInt(&okD);
    if (!okY || !okM || !okD || !QDate(y, m, d).isValid())
        return stored;
    return QStringLiteral("%1/%2/%3").arg(y, 4, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0'));
}
