#pragma once
// The consignees of the address book whose postal code and address disagree,
// found in one pass over the rows against the table held in memory (a query
// per row would take minutes on a large book).

#include "core/addressbook/ConsigneeRows.h"
#include "core/postal/PostalAddressCheck.h"

#include <QVector>

struct PostalMismatch {
    ConsigneeRow consignee;
    PostalAddressCheck check;
};

// The rows of consignees whose check is a mismatch, in the order given.
QVector<PostalMismatch> FindPostalMismatches(const QVector<ConsigneeRow> &consignees, const PostalAddressTable &table);

// The check of one row of the consignee list.
PostalAddressCheck CheckConsignee(const ConsigneeRow &consignee, const PostalAddressTable &table);
