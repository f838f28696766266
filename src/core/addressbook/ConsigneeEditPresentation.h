#pragma once
// What the consignee editor looks like in each edition: headings, captions,
// which rows are shown and the time-slot choices. Edition 60 (and any code
// without a profile) keeps the form's own captions with every row shown.

#include <QString>
#include <QStringList>

struct ConsigneeEditPresentation {
    QString heading;        // 「お届け先編集」
    QString senderFrame;    // senderFrame
    QString itemGroup;      // the item names' frame
    QString itemCaptions[4];
    QString dateCaption;    // empty when the date row is hidden
    QString amountCaption;  // 「金 額」 / 「代金引換額」
    bool amountShown = true;
    bool dateShown = true;
    bool yearShown = true;  // editions 20 to 50 enter month and day only
    bool piecesShown = true;
    bool weightShown = true;
    bool insuranceShown = true;
    QStringList timeChoices; // empty when the time row is hidden

    static ConsigneeEditPresentation forEdition(int editionCode);
};
