#include "core/postal/NationalPostalCsv.h"

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 0x20;
}

// Calls onField(index, text) for every field of line, in order. Only the fields
// the caller keeps are turned into strings; the others cost nothing.
template <typename OnField>
int walkCommaText(QStringView line, OnField onField)
{
    const qsizetype n = line.size();
    qsizetype p = 0;
    int index = 0;
    auto at = [&](qsizetype i) { return i < n ? line[i] : QChar(0); };
    while (p < n && isBlank(line[p]))
        ++p;
    while (p < n && line[p].unicode() != 0) {
        if (line[p] == QLatin1Char('"')) {
            // A quoted field: up to the closing quote, "" standing for one quote.
            ++p;
            const qsizetype start = p;
            bool doubled = false;
            while (p < n) {
                if (line[p] == QLatin1Char('"')) {
                    if (at(p + 1) == QLatin1Char('"')) {
                        doubled = true;
                        p += 2;
                        continue;
                    }
                    break;
                }
                ++p;
            }
            const QStringView raw = line.mid(start, p - start);
            if (p < n)
                ++p; // the closing quote
            onField(index++, raw, doubled);
        } else {
            const qsizetype start = p;
            while (p < n && !isBlank(line[p]) && line[p] != QLatin1Char(','))
                ++p;
            onField(index++, line.mid(start, p - start), false);
        }
        while (p < n && isBlank(line[p]))
            ++p;
        if (p < n && line[p] == QLatin1Char(',')) {
            if (p + 1 >= n)
                onField(index++, QStringView(), false);
            do
                ++p;
            while (p < n && isBlank(line[p]));
        }
    }
    return index;
}

QString fieldText(QStringView raw, bool doubled)
{
    QString s = raw.toString();
    if (doubled)
        s.replace(QLatin1String("\"\""), QLatin1String("\""));
    return s;
}

QString quoted(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

QStringList SplitCommaText(QStringView line)
{
    QStringList fields;
    walkCommaText(line, [&fields](int, QStringView raw, bool doubled) { fields.append(fieldText(raw, doubled)); });
    return fields;
}

bool ParseNationalPostalLine(QStringView line, NationalPostalEntry *entry)
{
    NationalPostalEntry e;
    const int count = walkCommaText(line, [&e](int index, QStringView raw, bool doubled) {
        switch (index) {
        case 2: e.code = fieldText(raw, doubled); break;
        case 6: e.area = fieldText(raw, doubled); break;
        case 7: e.city = fieldText(raw, doubled); break;
        case 8: e.location = fieldText(raw, doubled); break;
        default: break;
        }
    });
    if (count < 9)
        return false;
    *entry = std::move(e);
    return true;
}

QString NationalPostalCsvLine(const NationalPostalEntry &entry, const QString &areaKana, const QString &cityKana,
                              const QString &locationKana)
{
    // The list's layout: local government code (not in the packaged data, so
    // empty), the old five-digit code, the code, three readings, three names,
    // then six flags that nothing here reads.
    const QString oldCode = entry.code.left(3).leftJustified(5, QLatin1Char(' '));
    QStringList f;
    f << QString() << quoted(oldCode) << quoted(entry.code) << quoted(areaKana) << quoted(cityKana)
      << quoted(locationKana) << quoted(entry.area) << quoted(entry.city) << quoted(entry.location)
      << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0")
      << QStringLiteral("0") << QStringLiteral("0");
    return f.join(QLatin1Char(','));
}
