#pragma once
// The item change of the consignee list: the same item names, amount, date or
// time slot written into the item rows of every ticked consignee for the
// running edition, inserting the row where a consignee has none yet.

#include <QString>
#include <QStringList>

class Database;

// What the item selection dialog collected; a group that is not ticked gives
// empty values.
struct ItemChangeValues {
    bool items = false;
    QString goods[4];
    bool amount = false;
    QString kingaku;
    bool date = false;
    QString year, month, day;
    bool time = false;
    QString timeText;
};

// The UPDATE of an existing item row: the sender always, then the ticked
// groups, then the kind; line breaks removed from the values.
QString ItemChangeUpdateSql(int id, int editionCode, int senderId, const ItemChangeValues &values);

// The INSERT of a new item row with the sender and the ticked groups.
QString ItemChangeInsertSql(int id, int editionCode, int senderId, const ItemChangeValues &values);

struct ItemChangeOutcome {
    int updated = 0;
    int inserted = 0;
    int failed = 0; // identifiers that are no numbers, or statements that failed
};

// Runs the change for every identifier of ids in membersDb: update when the
// consignee has an item row of editionCode, insert otherwise. One transaction
// for the whole change.
ItemChangeOutcome ApplyItemChange(Database &db, const QString &membersDb, const QStringList &ids, int editionCode,
                                  int senderId, const ItemChangeValues &values);
