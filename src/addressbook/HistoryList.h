#pragma once
// Reading the sending history for the history list: the SELECT with its order
// or its search over thirteen columns, and the rows turned into the nine texts
// the grid shows. Pure data work; the history page shows what comes back.

#include "data/DatabaseError.h"

#include <QString>
#include <QTypeInfo>
#include <QVector>

class TDataModule1;

// One line of the history list: the texts of columns 1 to 9 one after another
// in a single string, so that a history of a hundred thousand rows costs one
// allocation per row instead of nine.
class HistoryListRow
{
public:
    enum Column {
        Id,      // No
        Date,    // 送付日, yyyy/MM/dd
        Name,    // お名前
        Address, // address1 + address2 + address3
        Tel,     // every "--" removed
        Column6, // amount or delivery date, by edition
        Number,  // 伝票番号
        Items,   // itemname1 .. itemname4 joined by single spaces
        Userid,  // 利用者ID
        ColumnCount
    };

    HistoryListRow() = default;
    // texts holds the columns back to back; ends[c] is where column c ends.
    HistoryListRow(QString texts, const int (&ends)[ColumnCount]);

    QStringView text(Column c) const
    {
        const int begin = c == 0 ? 0 : m_end[c - 1];
        return QStringView(m_texts).mid(begin, m_end[c] - begin);
    }
    QString id() const { return text(Id).toString(); }
    QString date() const { return text(Date).toString(); }
    QString name() const { return text(Name).toString(); }
    QString address() const { return text(Address).toString(); }
    QString tel() const { return text(Tel).toString(); }
    QString column6() const { return text(Column6).toString(); }
    QString number() const { return text(Number).toString(); }
    QString items() const { return text(Items).toString(); }
    QString userid() const { return text(Userid).toString(); }

private:
    QString m_texts;
    int m_end[ColumnCount] = {};
};
// One implicitly shared string and plain numbers: moved as plain memory when the list grows.
Q_DECLARE_TYPEINFO(HistoryListRow, Q_RELOCATABLE_TYPE);

// The order clause of a sort state (1..9 descending, 11..19 ascending by
// column); empty for an unknown state and for column 6 in edition 60.
QString HistoryOrderClause(int sortState, int editionCode);

// The SELECT of rirekiRead. With search text the rows of the edition whose
// names, postal code, addresses, telephone, tracking number, charge or item
// names contain the text literally, newest identifiers first (the sort state
// is ignored); without it every row of the edition in the sort state's order.
QString HistorySelectSql(int editionCode, int sortState, const QString &searchText);

// Column 6 of a row: the amount (editions 10, 30) or the delivery date without
// its year part (20, 40, 50), nothing in edition 60; "//" removed, and a lone
// "/" or "0" shown as nothing.
QString HistoryColumn6Text(int editionCode, const QString &uriage, const QString &arrivedate);

// rirekiRead's data: the rows in query order. error tells a failed query.
QVector<HistoryListRow> ReadHistoryList(TDataModule1 &db, const QString &membersDb, int editionCode, int sortState,
                                        const QString &searchText, DatabaseError *error = nullptr);
