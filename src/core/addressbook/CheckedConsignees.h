#pragma once
// The consignees ticked for a batch print, as decimal identifiers in the order
// their ticks were first noticed. Continuous printing walks this order, so the
// list is kept apart from the rows that happen to be shown.

#include <QSet>
#include <QString>
#include <QStringList>

class CheckedConsignees
{
public:
    // Appends id unless it is already in the list; true when it was added.
    bool add(const QString &id);
    // Removes id; true when it was there.
    bool remove(const QString &id);
    // Sets the tick of one identifier: added at the end when ticked and
    // missing, removed when unticked. Identifiers not passed keep their state.
    void setChecked(const QString &id, bool checked);
    bool contains(const QString &id) const { return m_index.contains(id); }
    bool isEmpty() const { return m_ids.isEmpty(); }
    int size() const { return int(m_ids.size()); }
    // The identifiers in tick order.
    const QStringList &ids() const { return m_ids; }
    void clear();

private:
    QStringList m_ids;
    QSet<QString> m_index;
};
