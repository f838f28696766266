#pragma once
// What the single-print editor looks like in each edition: the title and
// block labels, the note under the form, and the shared rows' captions,
// hidden boxes and time-slot choices.

#include "core/addressbook/WaybillPresentation.h"

struct DataEditPresentation : WaybillRowsPresentation {
    QString title;      // 「送り状編集」
    QString blockLabel; // 「お届け先」
    QString note;
    bool datePacked = false;      // month and day move into the hidden year's place
    bool insuranceRaised = false; // editions 40 and 50 lift the insurance row

    static DataEditPresentation forEdition(int editionCode);
    // True in the editions whose time choice is loaded from the record.
    static bool loadsTimeSlot(int editionCode);
};
