#include "core/layout/PrintRecord.h"

PrintRecord::PrintRecord()
{
    clear();
}

PrintRecord::PrintRecord(const QStringList &texts)
    : m_slots(texts)
{
    while (m_slots.size() < SlotCount)
        m_slots.append(QString());
}

QString PrintRecord::slot(int i) const
{
    if (i < 0 || i >= m_slots.size())
        return QString();
    return m_slots.at(i);
}

void PrintRecord::setSlot(int i, const QString &text)
{
    if (i < 0)
        return;
    while (m_slots.size() <= i)
        m_slots.append(QString());
    m_slots[i] = text;
}

void PrintRecord::clear()
{
    m_slots.clear();
    for (int i = 0; i < SlotCount; ++i)
        m_slots.append(QString());
}

void PrintRecord::rememberEncoding(TextEncoding encoding)
{
    m_encoding = encoding;
    m_readFromFile = true;
}
