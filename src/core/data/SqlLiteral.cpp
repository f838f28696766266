#include "core/data/SqlLiteral.h"

QString SqlQuote(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}
