#pragma once
// What differs between the editions' windows: pictures, the default layout, the
// words for the two parties, which option controls exist and the layout
// editor's field buttons. Pure data; the main window applies it.

#include <QString>
#include <QStringList>
#include <vector>

struct FieldButton {
    QString name;    // btn1, sbtn3, gbtn12, ...
    QString caption; // empty when hidden
    int itemId = 0;  // 0 when hidden
    bool visible() const { return itemId != 0; }
};

struct PaperKindInfo {
    int kind;
    QString actionCaption; // 元払用紙1 ...
    QString radioCaption;  // 元払1 ...
    QString styleFile;
};

struct EditionProfile {
    int editionCode = 10;
    bool hasProfile = false; // false for edition 60: no title, pictures or layout of its own

    QString title;
    QString iconFile;
    QString logoFile;
    QString barPicture; // the list panel's bar; other pages use "bar1.bmp"
    QString defaultStyleFile;

    // Captions.
    QString editCaption;               // the preview's edit button and the 編集 menu's item
    QString senderFrameCaption;        // the sender frame of the consignee editor
    QString senderSearchCaption;       // the consignee list's sender filter button
    QString listPageCaption;           // the consignee list page and its menu item ("(&C)" added there)
    QString editConsigneeCaption;
    QString previewEditCaption;
    QString newConsigneeCaption;
    QString deleteCheckedCaption;
    QString exportConsigneesCaption;   // the list's CSV export
    QString group1Caption;             // the layout editor's three field groups
    QString group2Caption;
    QString group3Caption;
    QString itemExchangeCaption;       // the item change, in the list's menu and the 編集 menu
    QString fixedItemsOptionCaption;   // the print-settings page's fixed-items box
    QString itemListCaption;           // the phrase list, in the menu and on the top bar
    QString fixedItemsFrameCaption;
    QStringList fixedItemLabels;       // the labels of fixed items 1 .. 4
    QString fixedAmountLabel;
    QString registerConsigneeCaption;  // the history page's register command

    // Visibility.
    bool yenMarkVisible = true;        // hidden editions also clear the option
    bool fixedAmountVisible = true;    // the fixed amount box with its label
    bool paperKindSelectorVisible = true; // the paper kinds with their label
    bool printDateVisible = true;      // the print date, its label and 印刷しない

    std::vector<FieldButton> group1; // btn1..btn10
    std::vector<FieldButton> group2; // sbtn1..sbtn11
    std::vector<FieldButton> group3; // gbtn1..gbtn14
};

// The profile of an edition; for a code without a profile (60 and unknown
// codes) the window as designed, in the waybill editions' words.
EditionProfile ProfileFor(int editionCode);

// The four paper kinds and their style files.
const std::vector<PaperKindInfo> &PaperKinds();
