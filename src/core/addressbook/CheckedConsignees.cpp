#include "core/addressbook/CheckedConsignees.h"

bool CheckedConsignees::add(const QString &id)
{
    if (m_index.contains(id))
        return false;
    m_ids.append(id);
    m_index.insert(id);
    return true;
}

bool CheckedConsignees::remove(const QString &id)
{
    if (!m_index.remove(id))
        return false;
    m_ids.removeOne(id);
    return true;
}

void CheckedConsignees::setChecked(const QString &id, bool checked)
{
    if (checked)
        add(id);
    else
        remove(id);
}

void CheckedConsignees::clear()
{
    m_ids.clear();
    m_index.clear();
}
