#pragma once
// How each of the three waybill editors wants the rows of boxes they share
// (WaybillBoxes): the kind of address, the widths and limits of the boxes,
// whether amounts and dates take digits only, the 選択 buttons and the keys
// of the postal code. The three setups stand side by side in one file so
// that what sets the editors apart can be read in one place.

#include <QString>

struct WaybillBoxesSetup {
    // The address book's consignee: two name lines, a prefecture choice and
    // the city, the town and the building, named as the address book names
    // them. Otherwise one name line and three free address lines.
    bool consigneeAddress = false;
    int nameWidth = 0;    // the least width of the name boxes; 0 for none
    int addressWidth = 0; // the least width of the address boxes; 0 for none
    QString separator = QStringLiteral("－"); // between the postal code's and the telephone's boxes
    bool postalGuide = true; // 郵便番号検索 after the postal code
    int telMaxLength = 0;    // of each telephone box; 0 for none
    int telWidth = 0;        // the most width of a telephone box; 0 for none
    int goodsWidth = 0;      // the least width of an item name box; 0 for none
    // A 選択 button beside each item name (goodsButton1..4). Without them the
    // captions and boxes stand in a form layout.
    bool phraseButtons = false;
    // Amount, pieces, insurance and the date take digits only, the date at
    // most 4, 2 and 2 of them. Otherwise every box keeps whatever it holds.
    bool numberBoxes = true;
    int dateWidth = 60; // the most width of a date box
    // The weight is no part of what the editor stores: loading and clearing leave it.
    bool weightKept = false;
    // Tab in the second postal box converts the code before moving on.
    bool tabConverts = false;
    // Enter in the second postal box moves on to the first address line.
    bool enterMovesOn = false;

    static WaybillBoxesSetup consigneeEditor();
    static WaybillBoxesSetup singlePrintEditor();
    static WaybillBoxesSetup historyEditor();
};
