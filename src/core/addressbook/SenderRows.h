#pragma once
// The senders (table company) as the sender list and the sender search dialog
// show them: identifier and name, in query order.

#include <QString>
#include <QVector>

class Database;
struct DatabaseError;

struct SenderRow {
    QString id;   // company.ID as decimal text
    QString name; // NAMAE1
};

// readSenders's data: every sender of addressDb; empty when the store cannot
// be read, and *error then says why.
QVector<SenderRow> ReadSenders(Database &db, const QString &addressDb, DatabaseError *error = nullptr);
