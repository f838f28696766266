#include "core/text/TextFields.h"

namespace {

// Walks fields of text that the caller has already terminated as it needs.
// Stops after n fields, or when no separator is left; returns the last field
// taken (empty when none was).
QString walkFields(const QString &text, QChar separator, int n)
{
    QString result;
    int start = 0;
    int count = 0;
    while (true) {
        const int pos = text.indexOf(separator, start);
        if (pos < 0)
            break;
        result = text.mid(start, pos - start);
        start = pos + 1;
        ++count;
        if (count == n)
            break;
    }
    return result;
}

// Exactly n steps; a step that finds no separator yields empty text, so every
// step past the end yields empty text.
QString stepFields(const QString &text, const QString &separator, int n)
{
    QString result;
    int start = 0;
    for (int step = 0; step < n; ++step) {
        const int pos = text.indexOf(separator, start);
        if (pos < 0)
            return QString();
        result = text.mid(start, pos - start);
        start = pos + separator.size();
    }
    return result;
}

} // namespace

QString NthField(const QString &text, int n)
{
    return walkFields(text + u';', u';', n);
}

QString NthFieldOrEmpty(const QString &text, int n)
{
    if (n <= 0)
        return QString();
    return stepFields(text + u';', QStringLiteral(";"), n);
}

QString NthCommaField(const QString &text, int n)
{
    return walkFields(text, u',', n);
}

QString NthDashField(const QString &text, int n)
{
    return stepFields(text + u'-', QStringLiteral("-"), n);
}

QString NthSlashField(const QString &text, int n)
{
    return stepFields(text + u'/', QStringLiteral("/"), n);
}

QString NthSepField(const QString &text, const QString &separator, int n)
{
    if (separator.isEmpty())
        return QString();
    return stepFields(text, separator, n);
}

QString NextField(QString &rest)
{
    const int pos = rest.indexOf(u';');
    if (pos < 0)
        return rest;
    QString field = rest.left(pos);
    rest.remove(0, pos + 1);
    return field;
}

bool ParseWholeNumber(const QString &text, int *value)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    // toInt would accept nothing we do not want, but be explicit about the form:
    // an optional sign and decimal digits only.
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (!(c.isDigit() && c.unicode() < 128) && !(i == 0 && (c == u'-' || c == u'+')))
            return false;
    }
    const int v = trimmed.toInt(&ok, 10);
    if (!ok)
        return false;
    if (value)
        *value = v;
    return true;
}

int NextIntField(QString &rest, bool *ok)
{
    if (ok)
        *ok = true;
    const int pos = rest.indexOf(u';');
    if (pos < 0)
        return 0;
    const QString field = rest.left(pos);
    rest.remove(0, pos + 1);
    if (field.isEmpty())
        return 0;
    int value = 0;
    if (!ParseWholeNumber(field, &value)) {
        if (ok)
            *ok = false;
        return 0;
    }
    return value;
}

QString StripLineBreaks(const QString &text)
{
    QString result = text;
    result.remove(u'\r');
    result.remove(u'\n');
    return result;
}

QChar NarrowChar(QChar c)
{
    if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
        return QChar(c.unicode() - 0xFEE0);
    return c;
}

QString NarrowText(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = NarrowChar(c);
    return result;
}
