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
    bool hasProfile = false; // false for edition 60: design captions stay

    QString title;
    QString iconFile;
    QString logoFile;
    QString barPicture; // the list panel's bar; other pages use "bar1.bmp"
    QString defaultStyleFile;

    // Captions (control name in the comment).
    QString editCaption;               // N25, Button1
    QString senderFrameCaption;        // companylist
    QString senderSearchCaption;       // Button5
    QString listPageCaption;           // TabSheet2, N27; N13 = + "(&C)"
    QString atesakiEditCaption;        // ActionAtesakiEdit
    QString previewEditCaption;        // ActionPreviewEdit
    QString newAtesakiCaption;         // ActionNewAtesaki
    QString renzokuDeleteCaption;      // Actionrenzokudelete
    QString group1Caption;             // CategoryPanel2
    QString group2Caption;             // CategoryPanel3
    QString group3Caption;             // CategoryPanel4
    QString itemExchangeCaption;       // N44, N46
    QString fixedItemsOptionCaption;   // CheckBox3
    QString itemListCaption;           // N21, SpeedButton4
    QString fixedItemsFrameCaption;    // GroupBox9
    QStringList fixedItemLabels;       // Label6, Label5, Label3, Label2
    QString fixedAmountLabel;          // Label15
    QString rirekiToCustomerCaption;   // ActionRirekiToCustomer

    // Visibility.
    bool yenMarkVisible = true;        // CheckBox4 (hidden editions also clear it)
    bool fixedAmountVisible = true;    // fixkingaku with Label15
    bool paperKindSelectorVisible = true; // RadioGroup2 with Label11
    bool printDateVisible = true;      // Label19, DateTimePicker1, Label40, CheckBox2

    std::vector<FieldButton> group1; // btn1..btn10
    std::vector<FieldButton> group2; // sbtn1..sbtn11
    std::vector<FieldButton> group3; // gbtn1..gbtn14
};

// The profile of an edition; for a code without a profile (60 and unknown
// codes) the design captions of the window.
EditionProfile ProfileFor(int editionCode);

// The four paper kinds and their style files.
const std::vector<PaperKindInfo> &PaperKinds();
