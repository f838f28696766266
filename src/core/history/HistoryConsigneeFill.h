#pragma once
// The registration of a history row as a consignee: what the consignee editor's
// boxes receive from the row, and whether the row's consignee still exists (the
// editor then corrects it instead of adding a new one).

#include <QString>

class Database;
struct HistoryEntry;

struct HistoryConsigneeFill {
    QString namae1;
    QString zipcode1, zipcode2; // characters 1-3 and 4-7
    QString prefecture;         // empty when address1 names none
    QString city;               // address1 without the prefecture
    QString location;           // address2
    QString building;           // address3
    QString tel1, tel2, tel3;
    QString amount;             // uriage; the cash-on-delivery amount in edition 30
    QString goods[4];
    QString year, month, day;
    QString num, kg, hoken;
    QString timeSelect;         // the row's text; the editor selects it when it is a choice
    QString senderName;         // snamae1

    static HistoryConsigneeFill fromEntry(const HistoryEntry &entry, int editionCode);
};

// The identifier of the consignee the row belongs to, when that consignee
// still exists in addressDb; empty otherwise (no userid, no such row, or a
// userid that is not an identifier).
QString ExistingConsigneeOf(Database &db, const QString &addressDb, const HistoryEntry &entry);
