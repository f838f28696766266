#pragma once
// What the history edit dialog looks like in each edition: the block titles,
// the item and date captions, which rows are hidden and the time-slot choices
// with how many of them a stored text may select.

#include <QString>
#include <QStringList>

struct HistoryEditPresentation {
    QString consigneeBlock; // consigneeTitle
    QString senderBlock;    // senderTitle
    QString itemGroup;
    QString itemCaptions[4];
    QString amountCaption;
    QString dateCaption;
    bool amountShown = true;
    bool piecesShown = true;
    bool weightShown = true;
    bool insuranceShown = true;
    bool dateShown = true;
    bool yearShown = true;
    bool accountShown = false;
    bool timeShown = false;
    bool senderZipShown = true;
    bool senderAddressShown = true;
    bool senderTelShown = true;
    // The choices of the time-slot box; a stored text selects one of the
    // first selectableChoices only.
    QStringList timeChoices;
    int selectableChoices = 0;

    // The presentation of an edition; an edition without its own (60) shows
    // everything except the time slot and the account number.
    static HistoryEditPresentation forEdition(int editionCode);
};
