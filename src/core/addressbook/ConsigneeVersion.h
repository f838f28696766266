#pragma once
// What a consignee looked like when an editor opened it, so that a save can
// tell whether someone else (another station, another window) changed it
// since: then the clerk chooses between overwriting and reading it again,
// instead of one edit silently replacing the other.

#include "core/data/DatabaseError.h"

#include <QString>
#include <QStringList>

class Database;

struct ConsigneeVersion {
    bool exists = false;
    QStringList values; // the address row, then the edition's item row

    bool operator==(const ConsigneeVersion &other) const
    {
        return exists == other.exists && values == other.values;
    }
    bool operator!=(const ConsigneeVersion &other) const { return !(*this == other); }
};

// The consignee's rows as stored now; *error set when they could not be read.
ConsigneeVersion ReadConsigneeVersion(Database &db, const QString &addressDb, const QString &membersDb,
                                      const QString &id, int editionCode, DatabaseError *error);

// The question a save asks when the stored rows are no longer those opened.
QString ConsigneeChangedQuestion(const QString &id);
