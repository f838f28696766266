#include "ui/addressbook/WaybillBoxesSetup.h"

WaybillBoxesSetup WaybillBoxesSetup::consigneeEditor()
{
    WaybillBoxesSetup s;
    s.consigneeAddress = s.tabConverts = true;
    s.nameWidth = s.addressWidth = 260;
    s.telWidth = 70;
    s.goodsWidth = 220;
    s.phraseButtons = true;
    s.dateWidth = 55;
    return s;
}

WaybillBoxesSetup WaybillBoxesSetup::singlePrintEditor()
{
    WaybillBoxesSetup s;
    s.nameWidth = 300;
    s.addressWidth = 360;
    s.telWidth = 70;
    s.goodsWidth = 280;
    s.phraseButtons = true;
    s.weightKept = s.enterMovesOn = true;
    return s;
}

// The history shows what a row holds, however long: no search, no phrases,
// no digit-only boxes; the telephone boxes guide typing with five characters.
WaybillBoxesSetup WaybillBoxesSetup::historyEditor()
{
    WaybillBoxesSetup s;
    s.separator = QStringLiteral("-");
    s.postalGuide = false;
    s.telMaxLength = 5;
    s.numberBoxes = false;
    return s;
}
