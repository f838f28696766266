#pragma once
// The consignee editor's boxes as plain values, how they are loaded from the
// `address` and `memberitem` rows, and the statements that write them back.
// The SQL text keeps the shape the address book has always used, with every
// value as a quoted literal and line breaks removed everywhere but the remarks.

#include "core/addressbook/WaybillFields.h"

#include <QStringList>

struct ConsigneeForm : WaybillFields {
    // The shared boxes hold the consignee: namae and namae2, the prefecture in
    // area, and CITY, LOCATION and BUILDING in address1 to address3.
    QString notes;     // may hold line breaks
    QString companyId; // the chosen sender, empty when none

    // Fills the address part from the row of ConsigneeSelectSql.
    void loadAddressRow(const QStringList &row);
    // Fills the item part from a `memberitem` row (select *): sender, amount,
    // item names, date, pieces, weight, insurance and the stored time slot.
    void loadItemRow(const QStringList &row, int editionCode);

    // The first reason not to save, as the notice text: no name, or an
    // amount, count or date box of the edition that is no whole number or no
    // real date. Empty when the form may be saved; the number and date boxes
    // are then normalised (full-width digits in ASCII).
    QString inputViolation(int editionCode);

    // ---- Statements ---------------------------------------------------------
    static QString selectSql(const QString &id);
    static QString itemSelectSql(const QString &id, int editionCode);
    static QString itemCountSql(const QString &id, int editionCode);
    static QString deleteSql(const QString &id);
    QString addressUpdateSql(const QString &id) const;
    QString addressInsertSql() const;
    QString itemUpdateSql(const QString &id, int editionCode) const;
    QString itemInsertSql(const QString &id, int editionCode) const;

    // The values written to `memberitem`: the amount goes to uriage in the
    // payment-slip edition and to daibiki where the box is shown for it.
    QString uriageValue(int editionCode) const;
    QString daibikiValue(int editionCode) const;
};
