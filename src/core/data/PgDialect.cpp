#include "core/data/PgDialect.h"

#include "core/data/DatabaseSchema.h"

#include <QSet>

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

QString PgStatementText(const QString &sql)
{
    QString out;
    out.reserve(sql.size() + 16);
    int parameter = 0;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar(); // a doubled quote closes and opens again
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            out += c;
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('$') + QString::number(++parameter);
        } else if ((c == QLatin1Char('l') || c == QLatin1Char('L'))
                   && sql.mid(i, 4).compare(QLatin1String("like"), Qt::CaseInsensitive) == 0
                   && (i == 0 || !isWordCharacter(sql.at(i - 1)))
                   && (i + 4 >= sql.size() || !isWordCharacter(sql.at(i + 4)))) {
            out += QLatin1String("ILIKE");
            i += 3;
        } else {
            out += c;
        }
    }
    return out;
}

bool IsDateColumnName(QStringView name)
{
    static const QSet<QString> names = [] {
        QSet<QString> set;
        QVector<TableDefinition> tables = AddressTables();
        tables += MembersTables();
        for (const TableDefinition &table : tables)
            for (const QString &column : table.columns) {
                const QStringList words = column.simplified().split(QLatin1Char(' '));
                if (words.size() >= 2 && words.at(1).compare(QLatin1String("date"), Qt::CaseInsensitive) == 0)
                    set.insert(words.at(0).toLower());
            }
        return set;
    }();
    return names.contains(name.toString().toLower());
}
