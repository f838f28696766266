#pragma once
// The marketplace order mail paste: the delivery block of a 楽天 sales
// notification mail is cut into the single-print editor's boxes. The cut is a
// pure function of the mail text, the boxes' current postal code and the
// prefecture option; the window stores the boxes, saves the record and opens
// the editor.

#include <QString>

class PrintRecord;

// The editor boxes the paste writes. Every other box keeps what it held.
struct OrderMailBoxes {
    QString z_goods1;
    QString x_tel1, x_tel2, x_tel3;
    QString x_namae;
    QString x_YUBIN1, x_YUBIN2;
    QString x_address1;
};

struct OrderMailOptions {
    // The postal-code option "郵便番号からの変換時": true for "都道府県名を入れる"
    // (item 0), false for "入れない" (item 1).
    bool keepPrefecture = true;
};

struct OrderMailResult {
    bool ok = false;
    QString notice;       // why nothing was changed (heading "確認"); empty when ok
    OrderMailBoxes boxes; // the boxes after the paste; the input boxes when not ok
};

// The notice for a text that is not an order mail at all.
QString OrderMailFormatNotice();

// Cuts the mail into the boxes. current holds the boxes as they are now: the
// postal-code boxes keep their text when the address line has no "〒".
OrderMailResult ParseOrderMail(const QString &mailText, const OrderMailBoxes &current,
                               const OrderMailOptions &options);

// Stores the boxes the paste writes into their record slots: 17 item name 1,
// 15 telephone joined by "-", 8 name, 12 postal code, 13 address line 1.
void StoreOrderMailBoxes(PrintRecord &record, const OrderMailBoxes &boxes);
