#pragma once
// Column sorting shared by the consignee list, the sender list and the sender
// search dialog: a signed sort state (0 none, +k ascending by column k-1, -k
// descending) and a locale-aware, case-sensitive text order.

#include <QStringList>
#include <QVector>

// The state after a click on column (0-based): the same column again reverses
// the order, another column sorts ascending by it.
int NextSortState(int state, int column);

// The order of keys as row indices: Japanese collation, case-sensitive, stable
// for equal keys, reversed when descending. Identifiers compare as text, so
// "10" comes before "2".
QVector<int> SortedOrder(const QStringList &keys, bool descending);
