#include "core/data/SqlLiteral.h"

QString SqlIdLiteral(const QString &value)
{
    return value.trimmed().isEmpty() ? QStringLiteral("NULL") : SqlQuote(value);
}

QString SqlQuote(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}
