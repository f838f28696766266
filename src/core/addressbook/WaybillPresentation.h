#pragma once
// What the rows the waybill editors share look like in an edition: the item
// captions, the amount and date captions, which rows are shown and the
// time-slot choices. Each editor's presentation adds its own titles and
// fills these by its own table of editions.

#include <QString>
#include <QStringList>

struct WaybillRowsPresentation {
    QString itemGroup; // the item names' frame
    QString itemCaptions[4];
    QString amountCaption;
    QString dateCaption;
    bool amountShown = true;
    bool piecesShown = true;
    bool weightShown = true;
    bool insuranceShown = true;
    bool dateShown = true; // the caption and all three date boxes
    bool yearShown = true; // the year box and 「年」
    bool timeShown = true;
    QStringList timeChoices;
    // How many of the first choices a stored time slot may select; every
    // choice when negative.
    int selectableChoices = -1;

    // The item captions stem + 1 .. stem + 4.
    void numberItemCaptions(const QString &stem);
    // The captions of the amount row and of the date row.
    void setCaptions(const QString &amount, const QString &date);
    // The item frame's title and the captions captionStem + 1 .. + 4.
    void setItems(const QString &group, const QString &captionStem);
    // The payment slip of edition 10: the item lines are its message lines
    // (通信欄) and it has no date, pieces, weight, insurance or time slot.
    void usePaymentSlipRows();
    // The choice a stored time slot selects: its index among the selectable
    // choices, -1 for none. "印刷しない" is stored as chosen but shows as none.
    int timeChoiceIndex(const QString &stored) const;

    // 午前中 and the two-hour slots to 21時, then last (the "no wish" text).
    static QStringList dayChoices(const QString &last);
    // The two-hour slots from 10時 to 20時 and 希望なし (edition 50's carrier).
    static QStringList fromTenChoices();
};
