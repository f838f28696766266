// The transfer of a print record into the data items of a layout.
#include "layout/PrintRecord.h"

#include "app/Editions.h"
#include "app/TextFields.h"
#include "layout/StyleData.h"

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

// Consignee items; base 0 for the first copy, 100 for the second.
void transferConsignee(StyleData &style, const PrintRecord &r, int base)
{
    const QString zip = r.slot(ConsigneeZip);
    style.chrchange(base + 1, zipPart1(zip));
    style.chrchange(base + 2, zipPart2(zip));
    style.chrchange(base + 3, r.slot(ConsigneeAddress1));
    style.chrchange(base + 4, r.slot(ConsigneeAddress2));
    style.chrchange(base + 5, r.slot(ConsigneeAddress3));
    style.chrchange(base + 6, r.slot(ConsigneeName));
    const QString tel = r.slot(ConsigneeTel);
    for (int part = 1; part <= 3; ++part)
        style.chrchange(base + 7 + part, NthDashField(tel, part));
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
    style.chrchange(11, zipPart1(zip));
    style.chrchange(12, zipPart2(zip));
    style.chrchange(13, r.slot(SenderAddress1));
    style.chrchange(14, r.slot(SenderAddress2));
    style.chrchange(16, r.slot(SenderName));
    const QString tel = r.slot(SenderTel);
    for (int part = 1; part <= 3; ++part)
        style.chrchange(17 + part, NthDashField(tel, part));
    for (int k = 0; k < 3; ++k)
        style.chrchange(51 + k, r.slot(SenderCode1 + k));
    style.chrchange(116, r.slot(SenderName));
    for (int k = 0; k < 3; ++k)
        style.chrchange(151 + k, r.slot(SenderCode1 + k));
}

void TransferPrintDate(StyleData &style, const QDate &date, bool printDateOff)
{
    if (printDateOff) {
        for (int id = 121; id <= 123; ++id)
            style.chrchange(id, QString());
        return;
    }
    const QDate d = date.isValid() ? date : QDate::currentDate();
    style.chrchange(121, d.toString(QStringLiteral("yyyy")));
    style.chrchange(122, d.toString(QStringLiteral("MM")));
    style.chrchange(123, d.toString(QStringLiteral("dd")));
}

void TransferRecord(StyleData &style, const PrintRecord &r, const TransferOptions &options)
{
    transferConsignee(style, r, 0);

    for (int k = 0; k < 4; ++k)
        style.chrchange(31 + k, r.slot(ItemName1 + k));

    QString amount = r.slot(options.editionCode == EditionBrenno ? SlipAmount : CashOnDelivery);
    if (options.yenMark)
        amount.prepend(u'\\');
    style.chrchange(41, amount);
    style.chrchange(141, amount);

    TransferSender(style, r);

    const QString date = r.slot(RequestedDate);
    for (int part = 1; part <= 3; ++part)
        style.chrchange(20 + part, NthSlashField(date, part));

    transferConsignee(style, r, 100);

    style.chrchange(70, r.slot(Pieces));
    style.chrchange(71, r.slot(Insurance));

    for (int id = 61; id <= 67; ++id)
        style.chrchange(id, QString());

    TransferPrintDate(style, options.printDate, options.printDateOff);

    const int chosen = int(TimeSlotChoices(options.editionCode).indexOf(r.slot(TimeSlot)));
    if (chosen >= 0)
        style.chrchange(61 + chosen, QString(QChar(0x3007)));
}
