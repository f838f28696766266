// The transfer of a print record into the data items of a layout.
#include "core/layout/PrintRecord.h"

#include "core/import/TelephoneParts.h"
#include "core/settings/Editions.h"
#include "core/text/TextFields.h"
#include "core/layout/StyleData.h"

namespace {

// Slot numbers of the record.
enum Slot {
    ConsigneeName = 8,
    ConsigneeZip = 12,
    ConsigneeAddress1 = 13,
    ConsigneeAddress2 = 14,
    ConsigneeTel = 15,
    SlipAmount = 16,
    ItemName1 = 17,
    RequestedDate = 22,
    TimeSlot = 23,
    CashOnDelivery = 25,
    Pieces = 26,
    Insurance = 29,
    SenderName = 32,
    SenderZip = 33,
    SenderAddress1 = 34,
    SenderAddress2 = 35,
    SenderTel = 36,
    SenderCode1 = 38,
    ConsigneeAddress3 = 41,
};

// Postal code part 1: its first three characters.
QString zipPart1(const QString &zip)
{
    return zip.left(3);
}

// Postal code part 2: characters 4 to 7, fewer when the code is shorter.
QString zipPart2(const QString &zip)
{
    return zip.mid(3, 4);
}

// A telephone into three items from firstId on; what follows the second
// hyphen is printed whole in the third.
void transferTelephone(StyleData &style, const QString &tel, int firstId)
{
    const TelephoneParts parts = SplitTelephone(tel);
    style.setItemText(firstId, parts.first);
    style.setItemText(firstId + 1, parts.middle);
    style.setItemText(firstId + 2, parts.last);
}

// Consignee items; base 0 for the first copy, 100 for the second.
void transferConsignee(StyleData &style, const PrintRecord &r, int base)
{
    const QString zip = r.slot(ConsigneeZip);
    style.setItemText(base + 1, zipPart1(zip));
    style.setItemText(base + 2, zipPart2(zip));
    style.setItemText(base + 3, r.slot(ConsigneeAddress1));
    style.setItemText(base + 4, r.slot(ConsigneeAddress2));
    style.setItemText(base + 5, r.slot(ConsigneeAddress3));
    style.setItemText(base + 6, r.slot(ConsigneeName));
    transferTelephone(style, r.slot(ConsigneeTel), base + 8);
}

} // namespace

QStringList TimeSlotChoices(int editionCode)
{
    switch (editionCode) {
    case EditionQuillo:
        return {QStringLiteral("午前中"), QStringLiteral("12時～14時"), QStringLiteral("14時～16時"),
                QStringLiteral("16時～18時"), QStringLiteral("18時～20時"), QStringLiteral("20時～21時"),
                QStringLiteral("希望しない")};
    case EditionDovrak:
        return {QStringLiteral("午前中"), QStringLiteral("12時～14時"), QStringLiteral("14時～16時"),
                QStringLiteral("16時～18時"), QStringLiteral("18時～20時"), QStringLiteral("20時～21時")};
    case EditionMorvik:
        return {QStringLiteral("10時～12時"), QStringLiteral("12時～14時"), QStringLiteral("14時～16時"),
                QStringLiteral("16時～18時"), QStringLiteral("18時～20時")};
    default:
        return {};
    }
}

void TransferSender(StyleData &style, const PrintRecord &r)
{
    const QString zip = r.slot(SenderZip);
    style.setItemText(11, zipPart1(zip));
    style.setItemText(12, zipPart2(zip));
    style.setItemText(13, r.slot(SenderAddress1));
    style.setItemText(14, r.slot(SenderAddress2));
    style.setItemText(16, r.slot(SenderName));
    transferTelephone(style, r.slot(SenderTel), 18);
    for (int k = 0; k < 3; ++k)
        style.setItemText(51 + k, r.slot(SenderCode1 + k));
    style.setItemText(116, r.slot(SenderName));
    for (int k = 0; k < 3; ++k)
        style.setItemText(151 + k, r.slot(SenderCode1 + k));
}

void TransferPrintDate(StyleData &style, const QDate &date, bool printDateOff)
{
    if (printDateOff) {
        for (int id = 121; id <= 123; ++id)
            style.setItemText(id, QString());
        return;
    }
    const QDate d = date.isValid() ? date : QDate::currentDate();
    style.setItemText(121, d.toString(QStringLiteral("yyyy")));
    style.setItemText(122, d.toString(QStringLiteral("MM")));
    style.setItemText(123, d.toString(QStringLiteral("dd")));
}

void TransferRecord(StyleData &style, const PrintRecord &r, const TransferOptions &options)
{
    transferConsignee(style, r, 0);

    for (int k = 0; k < 4; ++k)
        style.setItemText(31 + k, r.slot(ItemName1 + k));

    QString amount = r.slot(options.editionCode == EditionBrenno ? SlipAmount : CashOnDelivery);
    if (options.yenMark)
        amount.prepend(u'\\');
    style.setItemText(41, amount);
    style.setItemText(141, amount);

    TransferSender(style, r);

    const QString date = r.slot(RequestedDate);
    for (int part = 1; part <= 3; ++part)
        style.setItemText(20 + part, NthSlashField(date, part));

    transferConsignee(style, r, 100);

    style.setItemText(70, r.slot(Pieces));
    style.setItemText(71, r.slot(Insurance));

    for (int id = 61; id <= 67; ++id)
        style.setItemText(id, QString());

    TransferPrintDate(style, options.printDate, options.printDateOff);

    const int chosen = int(TimeSlotChoices(options.editionCode).indexOf(r.slot(TimeSlot)));
    if (chosen >= 0)
        style.setItemText(61 + chosen, QString(QChar(0x3007)));
}
