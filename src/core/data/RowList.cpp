#include "core/data/RowList.h"

QString RowList::line(int i) const
{
    QString text;
    for (const QString &value : row(i)) {
        text += value;
        text += QLatin1Char(';');
    }
    return text;
}

QStringList RowList::lines() const
{
    QStringList out;
    out.reserve(size());
    for (int i = 0; i < size(); ++i)
        out.append(line(i));
    return out;
}
