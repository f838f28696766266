#pragma once
// The marketplace order mail paste: the delivery block of a 楽天 sales
// notification mail is cut into the single-print editor's boxes. The cut is a
// pure function of the mail text and the prefecture option; the window puts
// the boxes into the editor, saves the record and opens the editor.

#include "core/addressbook/WaybillFields.h"

#include <QString>

struct OrderMailOptions {
    // The postal-code option "郵便番号からの変換時": true for "都道府県名を入れる"
    // (item 0), false for "入れない" (item 1).
    bool keepPrefecture = true;
};

struct OrderMailResult {
    bool ok = false;
    QString notice; // why nothing was changed (heading "確認"); empty when ok
    // The waybill the mail describes, every box of the single-print editor:
    // the consignee's name, postal code, first address line and telephone,
    // and the first item name. A mail is a new consignee and a new order, so
    // the other boxes (address lines 2 and 3, items 2 to 4, amounts, count,
    // date, time slot) are empty: nothing of an earlier waybill is printed
    // with it. Empty when not ok.
    WaybillFields boxes;
};

// The notice for a text that is not an order mail at all.
QString OrderMailFormatNotice();

// Cuts the mail into the boxes; an address line without "〒" gives no postal code.
OrderMailResult ParseOrderMail(const QString &mailText, const OrderMailOptions &options);
