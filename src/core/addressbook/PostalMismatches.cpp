#include "core/addressbook/PostalMismatches.h"

PostalAddressCheck CheckConsignee(const ConsigneeRow &consignee, const PostalAddressTable &table)
{
    return CheckPostalAddress(table, consignee.zipcode, consignee.address);
}

QVector<PostalMismatch> FindPostalMismatches(const QVector<ConsigneeRow> &consignees, const PostalAddressTable &table)
{
    QVector<PostalMismatch> mismatches;
    for (const ConsigneeRow &consignee : consignees) {
        PostalAddressCheck check = CheckConsignee(consignee, table);
        if (check.isMismatch())
            mismatches.append({consignee, std::move(check)});
    }
    return mismatches;
}
