#include "core/drawing/StyleLineReader.h"

#include "core/text/TextFields.h"

StyleLineReader::StyleLineReader(const QString &line) : m_rest(line)
{
}

QString StyleLineReader::text()
{
    ++m_field;
    return NextField(m_rest);
}

void StyleLineReader::skip()
{
    text();
}

void StyleLineReader::fail(const QString &text)
{
    if (m_failed)
        return;
    m_failed = true;
    m_failedField = m_field;
    m_failedText = text;
}

Millimetre StyleLineReader::decimal()
{
    const QString field = text();
    if (m_failed || field.isEmpty())
        return Millimetre();
    const auto value = Millimetre::parse(field);
    if (!value) {
        fail(field);
        return Millimetre();
    }
    return *value;
}

int StyleLineReader::requiredInt()
{
    const QString field = text();
    if (m_failed || field.isEmpty())
        return 0;
    int value = 0;
    if (!ParseWholeNumber(field, &value)) {
        fail(field);
        return 0;
    }
    return value;
}

int StyleLineReader::intOrZero()
{
    ++m_field;
    const int pos = m_rest.indexOf(u';');
    const QString field = pos < 0 ? QString() : m_rest.left(pos);
    bool ok = true;
    const int value = NextIntField(m_rest, &ok);
    if (m_failed)
        return 0;
    if (!ok) {
        fail(field);
        return 0;
    }
    return value;
}

int StyleLineReader::intOr(int fallback)
{
    const QString field = text();
    int value = 0;
    if (m_failed || !ParseWholeNumber(field, &value))
        return fallback;
    return value;
}

qint64 StyleLineReader::colour()
{
    const QString field = text();
    if (m_failed)
        return 0;
    bool ok = false;
    const qint64 value = field.trimmed().toLongLong(&ok, 10);
    return ok ? value : 0;
}
