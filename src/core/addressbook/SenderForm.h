#pragma once
// The sender editor's boxes as plain values: loading a `company` row, the
// length checks before a save, the statements that write the row and the
// copy of the sender into the print record's sender slots.

#include <QString>
#include <QStringList>

class PrintRecord;

struct SenderForm {
    static constexpr int TextLimit = 60; // name, city, town, building
    static constexpr int AccountLimit = 10; // each account-number box

    QString namae;
    QString yubin1, yubin2;
    QString area; // the chosen prefecture, empty when none
    QString city, location, building;
    QString tel1, tel2, tel3;
    QString tag[3];

    // The row of selectSql: ID, NAMAE1, ZIPCODE, AREA, CITY, LOCATION, BUILDING, TEL, tagchr1..3.
    // area takes AREA as it is; the dialog decides whether it is a prefecture.
    static SenderForm fromRow(const QStringList &row);
    // The first over-long value, checked in the order name, city, town,
    // building: the message of the notice ("[保存できませんでした]…" CR LF value),
    // or empty when every value fits.
    QString lengthError() const;

    static QString selectSql(const QString &id);
    static QString deleteSql(const QString &id);
    QString updateSql(const QString &id) const;
    QString insertSql() const;

    QString zipcode() const { return yubin1 + yubin2; }
    QString telephone() const;
};

// The sender slots of the record from a selectSql row: 32 name, 33 postal
// code, 34 prefecture + city + town, 35 building, 36 telephone, 38-40 the codes.
void CopySenderToRecord(const QStringList &row, PrintRecord &record);
