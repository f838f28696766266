#pragma once
// The boxes of the history edit dialog as plain texts: loaded from a history
// row, checked against the column limits, and turned into the UPDATE and the
// DELETE of that row. The dialog only moves these texts in and out of its boxes.

#include <QString>

struct HistoryEntry;

struct HistoryEditForm {
    QString userid; // shown, never saved
    QString number; // 伝票番号
    QString namae;
    QString yubin1, yubin2;
    QString address1, address2, address3;
    QString tel1, tel2, tel3;
    QString goods[4];
    QString year, month, day;
    QString timeSelect; // the chosen choice's text; empty without a choice
    QString num;
    QString kingaku; // uriage; in edition 30 the cash-on-delivery amount
    QString kg;
    QString value;   // hoken
    QString snamae;
    QString syubin1, syubin2;
    QString saddress1, saddress2;
    QString stel1, stel2, stel3;
    QString tagkey[3];

    // The boxes' texts for a row. The time slot keeps the row's text; the
    // dialog decides whether it is one of its choices.
    static HistoryEditForm fromEntry(const HistoryEntry &entry, int editionCode);

    // The first length violation as the message to show (verdict, field name,
    // CR LF, the offending text); empty when every field fits.
    QString lengthViolation() const;

    // The UPDATE of history row id. In edition 30 the amount goes to daibiki
    // as well as to uriage, so the dialog, the list and a reprint all show the
    // corrected amount.
    QString updateSql(const QString &id, int editionCode) const;
};

// The DELETE of history row id.
QString HistoryDeleteSql(const QString &id);
