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
    QString prefecture; // empty when the address does not begin with a prefecture
    QString rest;       // the address after it
};

// The prefecture name the address begins with; empty when it begins with none.
// Blanks (including the ideographic space) before the name are passed over.
QString LeadingPrefecture(const QString &address);

// The address cut after the prefecture it begins with, the blanks around the
// name dropped. Only a leading name is a prefecture: one further on belongs
// to the address (a street, a building or a society named after it), so an
// address that does not begin with a prefecture comes back whole as the rest.
// Every paste, import and registration that takes the prefecture out of an
// address uses this.
PrefectureSplit SplitLeadingPrefecture(const QString &address);
