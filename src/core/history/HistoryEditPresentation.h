#pragma once
// What the history edit dialog looks like in each edition: the block titles,
// the sender rows it hides, and the shared rows' captions, hidden rows and
// time-slot choices with how many of them a stored text may select.

#include "core/addressbook/WaybillPresentation.h"

struct HistoryEditPresentation : WaybillRowsPresentation {
    QString consigneeBlock; // consigneeTitle
    QString senderBlock;    // senderTitle
    bool accountShown = false;
    bool senderZipShown = true;
    bool senderAddressShown = true;
    bool senderTelShown = true;

    // The presentation of an edition; an edition without its own (60) shows
    // everything except the time slot and the account number.
    static HistoryEditPresentation forEdition(int editionCode);
};
