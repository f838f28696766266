#pragma once
// The boxes of the history edit dialog as plain texts: loaded from a history
// row, checked against the column limits, and turned into the UPDATE and the
// DELETE of that row. The dialog only moves these texts in and out of its boxes.

#include "core/addressbook/WaybillFields.h"

struct HistoryEntry;

struct HistoryEditForm : WaybillFields {
    // The shared boxes hold the consignee; kingaku is uriage, in edition 30
    // the cash-on-delivery amount.
    QString userid; // shown, never saved
    QString number; // 伝票番号
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
