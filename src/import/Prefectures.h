#pragma once
// The 47 prefectures of Japan in their standard order (北海道 first, 沖縄県 last),
// each with its suffix 都, 道, 府 or 県. Addresses are split into prefecture and
// rest with them, and dialogs offer them as a list.

#include <QString>
#include <QStringList>

// The 47 names in standard order.
const QStringList &PrefectureNames();

// An address cut into its prefecture and what is left of it.
struct PrefectureSplit {
    QString prefecture; // empty when the address names no prefecture
    QString rest;       // the address with every occurrence of the prefecture removed
};

// The first prefecture, in standard order, that equals the address or occurs
// anywhere in it; the rest is the address with every occurrence of that name
// removed. Without a match the prefecture is empty and the rest is the whole address.
PrefectureSplit SplitPrefecture(const QString &address);

// The prefecture name the address begins with; empty when it begins with none.
QString LeadingPrefecture(const QString &address);

// True when some prefecture name occurs anywhere in the text.
bool ContainsPrefecture(const QString &text);
