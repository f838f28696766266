#pragma once
// The senders (table company) as the sender list and the sender search dialog
// show them: identifier and name, in query order.

#include <QString>
#include <QVector>

class TDataModule1;

struct SenderRow {
    QString id;   // company.ID as decimal text
    QString name; // NAMAE1
};

// companyRead's data: every sender of addressDb; empty when the file cannot be read.
QVector<SenderRow> ReadSenders(TDataModule1 &db, const QString &addressDb);
