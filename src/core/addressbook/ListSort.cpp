#include "core/addressbook/ListSort.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

int NextSortState(int state, int column)
{
    const int k = column + 1;
    return (state == k || state == -k) ? -state : k;
}

QVector<int> SortedOrder(const QStringList &keys, bool descending)
{
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    collator.setCaseSensitivity(Qt::CaseSensitive);
    collator.setNumericMode(false);
    // One sort key per row: comparing keys is far cheaper than collating the
    // texts again at every comparison of a large list.
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(size_t(keys.size()));
    for (const QString &key : keys)
        sortKeys.push_back(collator.sortKey(key));
    QVector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = sortKeys[size_t(a)].compare(sortKeys[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
    return order;
}
