#pragma once
// What the single-print editor looks like in each edition: the title and
// block labels, item captions, the note under the form, the amount and date
// captions, which boxes are hidden and the time-slot choices.

#include <QString>
#include <QStringList>

struct DataEditPresentation {
    QString title;       // 「送り状編集」
    QString blockLabel;  // 「お届け先」
    QString itemGroup;
    QString itemCaptions[4];
    QString note;
    QString amountCaption;
    QString dateCaption;
    bool piecesShown = true;
    bool weightShown = true;
    bool insuranceShown = true;
    bool amountShown = true;
    bool dateShown = true;  // caption and all three date boxes
    bool yearShown = true;  // the year box and 「年」
    bool timeShown = true;
    bool datePacked = false;      // month and day move into the hidden year's place
    bool insuranceRaised = false; // editions 40 and 50 lift the insurance row
    QStringList timeChoices;

    static DataEditPresentation forEdition(int editionCode);
    // True in the editions whose time choice is loaded from the record.
    static bool loadsTimeSlot(int editionCode);
};
