#pragma once
// The texts of the boxes the consignee, single-print and history editors
// share: the consignee's name, postal code, address and telephone, the four
// item names, the amounts, the date and the time slot. Each editor's form
// adds what is its own and knows where these texts are stored; the shared
// rows of boxes (ui/addressbook/WaybillBoxes) load and read them whole.

#include <QString>

struct WaybillRowsPresentation;

struct WaybillFields {
    QString namae;
    QString namae2; // the consignee editor's second name line
    QString yubin1, yubin2;
    QString area;   // the consignee editor's prefecture choice, empty when none
    // The address lines; in the consignee editor the city, the town and
    // number, and the building.
    QString address1, address2, address3;
    QString tel1, tel2, tel3;
    QString goods[4];
    QString kingaku; // the amount (uriage or daibiki, by edition)
    QString num;     // pieces
    QString kg;      // weight, free text: it may have decimals
    QString value;   // insurance value (hoken)
    QString year, month, day;
    QString timeSelect; // the chosen time slot, empty when none

    // The three telephone boxes from a stored number; parts after the second
    // hyphen stay in the third box, so saving gives back every digit.
    void setTelephone(const QString &tel);
    // The stored number: empty when all three boxes are, else two dashes.
    QString telephone() const;
    // The three date boxes from a stored "year/month/day".
    void setDate(const QString &date);
    // The stored date, always with two slashes.
    QString date() const;
    QString postalCode() const { return yubin1 + yubin2; }

    // The notice that refuses a waybill without a name, in every editor.
    static QString missingNameNotice();

    // The first amount, count or date box the presentation shows that is no
    // whole number or no real date, as the notice text; empty when the boxes
    // may be stored, and then normalised (full-width digits in ASCII).
    QString numberAndDateViolation(const WaybillRowsPresentation &p);
};
