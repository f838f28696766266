#include "core/addressbook/SingleDataForm.h"

#include "core/text/TextFields.h"
#include "core/addressbook/DataEditPresentation.h"
#include "core/addressbook/EditorInput.h"
#include "core/addressbook/EditorText.h"
#include "core/layout/PrintRecord.h"

namespace {

enum Slot {
    SlotName = 8, SlotZip = 12, SlotAddress1 = 13, SlotAddress2 = 14, SlotTel = 15, SlotGoods1 = 17,
    SlotDate = 22, SlotTime = 23, SlotPieces = 26, SlotInsurance = 29, SlotAddress3 = 41
};

} // namespace

int SingleDataForm::amountSlot(int editionCode)
{
    return editionCode == 10 ? 16 : 25;
}

SingleDataForm SingleDataForm::fromRecord(const PrintRecord &record, int editionCode)
{
    SingleDataForm f;
    f.namae = record.slot(SlotName);
    const QString zip = record.slot(SlotZip);
    f.yubin1 = PostalPart1(zip);
    f.yubin2 = PostalPart2(zip);
    f.address1 = record.slot(SlotAddress1);
    f.address2 = record.slot(SlotAddress2);
    f.address3 = record.slot(SlotAddress3);
    f.setTelephone(record.slot(SlotTel));
    for (int i = 0; i < 4; ++i)
        f.goods[i] = record.slot(SlotGoods1 + i);
    f.num = record.slot(SlotPieces);
    f.value = record.slot(SlotInsurance);
    f.kingaku = record.slot(amountSlot(editionCode));
    f.setDate(record.slot(SlotDate));
    f.timeSelect = record.slot(SlotTime);
    return f;
}

QString SingleDataForm::inputViolation(int editionCode)
{
    // A waybill without a name would print, and be recorded, for nobody.
    if (namae.trimmed().isEmpty())
        return missingNameNotice();
    return numberAndDateViolation(DataEditPresentation::forEdition(editionCode));
}

void SingleDataForm::storeInto(PrintRecord &record, int editionCode, const QString &timeChoice) const
{
    record.setSlot(SlotName, namae);
    record.setSlot(SlotZip, postalCode());
    record.setSlot(SlotAddress1, address1);
    record.setSlot(SlotAddress2, address2);
    record.setSlot(SlotAddress3, address3);
    record.setSlot(SlotTel, telephone());
    for (int i = 0; i < 4; ++i)
        record.setSlot(SlotGoods1 + i, goods[i]);
    record.setSlot(SlotPieces, num);
    record.setSlot(SlotInsurance, value);
    record.setSlot(amountSlot(editionCode), kingaku);
    record.setSlot(SlotDate, date());
    record.setSlot(SlotTime, timeChoice);
}

QString ConvertedAddressLine(const QString &area, const QString &city, const QString &location, int zipConvOption)
{
    return (zipConvOption == 1 ? QString() : area) + city + location;
}
