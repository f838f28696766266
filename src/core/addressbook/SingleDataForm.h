#pragma once
// The single-print editor's boxes as plain values and their slots in the
// print record: loading splits the postal code, telephone and date, storing
// joins them again (always with both separators).

#include "core/addressbook/WaybillFields.h"

class PrintRecord;
struct PostalLookupResult;

struct SingleDataForm : WaybillFields {
    // The weight is no part of the record; timeSelect holds slot 23 as it stands.

    // The amount slot: 16 in the payment-slip edition, 25 in the others.
    static int amountSlot(int editionCode);
    // Every box from the record.
    static SingleDataForm fromRecord(const PrintRecord &record, int editionCode);
    // An empty name, or the first amount, count or date box of the edition
    // that is no whole number or no real date, as the notice text; empty when
    // the boxes may be stored, and then normalised (full-width digits in ASCII).
    QString inputViolation(int editionCode);
    // Every box into the record; timeChoice is the selected time-slot text (empty when none).
    void storeInto(PrintRecord &record, int editionCode, const QString &timeChoice) const;
};

// Address line 1 after a postal-code conversion: city + town area, with the
// prefecture in front unless the option is 1 ("入れない").
QString ConvertedAddressLine(const QString &area, const QString &city, const QString &location, int zipConvOption);
