#pragma once
// What the sender editor looks like in each edition: its title label, and
// whether it shows the account-number boxes (payment slips) or the address panel.

#include <QString>

struct SenderEditPresentation {
    QString title;             // also the start of the "keep one sender" notice
    bool accountShown = false; // tagkey1..3
    bool addressShown = true;  // postal code, telephone, prefecture, city, town, building, search

    static SenderEditPresentation forEdition(int editionCode);
};
