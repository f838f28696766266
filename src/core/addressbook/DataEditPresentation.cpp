#include "core/addressbook/DataEditPresentation.h"

namespace {

const QString AccountNote = QStringLiteral("口座番号・加入者名は印刷設定タブの加入者名で設定できます。");
const QString ClientNote = QStringLiteral("ご依頼主は印刷設定タブのご依頼主で設定できます。");

} // namespace

DataEditPresentation DataEditPresentation::forEdition(int editionCode)
{
    DataEditPresentation p;
    p.title = QStringLiteral("送り状編集");
    p.blockLabel = QStringLiteral("お届け先");
    p.setItems(QStringLiteral("品名"), QStringLiteral("品名"));
    p.note = ClientNote;
    p.amountCaption = QStringLiteral("代金引換額");
    switch (editionCode) {
    case 10:
        p.title = QStringLiteral("払込取扱票編集");
        p.blockLabel = QStringLiteral("ご依頼人");
        p.usePaymentSlipRows();
        p.yearShown = false;
        p.note = AccountNote;
        p.amountCaption = QStringLiteral("金 額");
        break;
    case 20:
        p.dateCaption = QStringLiteral("配達希望日");
        p.piecesShown = p.weightShown = p.insuranceShown = p.yearShown = p.amountShown = false;
        p.datePacked = true;
        p.timeChoices = dayChoices(QStringLiteral("希望しない"));
        break;
    case 30:
        p.dateCaption = QStringLiteral("希望お届け日");
        p.piecesShown = p.weightShown = p.insuranceShown = p.yearShown = false;
        p.timeChoices = dayChoices(QStringLiteral("印刷しない"));
        break;
    case 40:
        p.dateCaption = QStringLiteral("お届け予定日");
        p.weightShown = p.yearShown = p.timeShown = p.amountShown = false;
        p.datePacked = p.insuranceRaised = true;
        break;
    case 50:
        p.setItems(QStringLiteral("品名選択"), QStringLiteral("品　名"));
        p.note = QStringLiteral("荷送人は印刷設定タブの荷送人で設定できます。");
        p.setCaptions(QStringLiteral("金 額"), QStringLiteral("ご希望お届け日"));
        p.yearShown = p.weightShown = p.insuranceShown = p.amountShown = false;
        p.datePacked = p.insuranceRaised = true;
        p.timeChoices = fromTenChoices();
        break;
    default:
        p.setItems(QStringLiteral("品名選択"), QStringLiteral("品　名"));
        p.note = AccountNote;
        p.setCaptions(QStringLiteral("金 額"), QStringLiteral("お届け予定日"));
        p.timeChoices = dayChoices(QStringLiteral("印刷しない"));
        break;
    }
    return p;
}

bool DataEditPresentation::loadsTimeSlot(int editionCode)
{
    // Edition 60 shows its choices too; leaving them unloaded would store an
    // empty slot over the record's time slot at the next save.
    return editionCode == 20 || editionCode == 30 || editionCode == 50 || editionCode == 60;
}
