#include "core/addressbook/ConsigneeEditPresentation.h"

ConsigneeEditPresentation ConsigneeEditPresentation::forEdition(int editionCode)
{
    ConsigneeEditPresentation p;
    p.heading = QStringLiteral("お届け先編集");
    p.senderFrame = QStringLiteral("ご依頼主");
    p.timeChoices = dayChoices(QStringLiteral("印刷しない"));
    p.setItems(QStringLiteral("品名"), QStringLiteral("品　名"));
    p.setCaptions(QStringLiteral("金 額"), QStringLiteral("お届け予定日"));

    switch (editionCode) {
    case 10:
        p.heading = QStringLiteral("ご依頼人編集");
        p.senderFrame = QStringLiteral("加入者名");
        p.usePaymentSlipRows();
        break;
    case 20:
        p.yearShown = false;
        p.setItems(QStringLiteral("品名等"), QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("配達希望日");
        p.amountShown = p.piecesShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices = dayChoices(QStringLiteral("希望しない"));
        break;
    case 30:
        p.yearShown = false;
        p.numberItemCaptions(QStringLiteral("品名"));
        p.setCaptions(QStringLiteral("代金引換額"), QStringLiteral("希望お届け日"));
        p.piecesShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices = dayChoices(QStringLiteral("希望なし"));
        break;
    case 40:
        p.yearShown = false;
        p.numberItemCaptions(QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("お届け予定日");
        p.amountShown = p.weightShown = false;
        p.timeChoices.clear();
        break;
    case 50:
        p.yearShown = false;
        p.senderFrame = QStringLiteral("荷送人");
        p.numberItemCaptions(QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("ご希望お届け日");
        p.amountShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices = fromTenChoices();
        break;
    default:
        break;
    }
    // The time row is there exactly when the edition has choices.
    p.timeShown = !p.timeChoices.isEmpty();
    return p;
}
