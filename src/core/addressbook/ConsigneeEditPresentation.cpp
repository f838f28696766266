#include "core/addressbook/ConsigneeEditPresentation.h"

ConsigneeEditPresentation ConsigneeEditPresentation::forEdition(int editionCode)
{
    ConsigneeEditPresentation p;
    p.heading = QStringLiteral("お届け先編集");
    p.senderFrame = QStringLiteral("ご依頼主");
    p.itemGroup = QStringLiteral("品名");
    p.numberItemCaptions(QStringLiteral("品　名"));
    p.dateCaption = QStringLiteral("お届け予定日");
    p.amountCaption = QStringLiteral("金 額");
    p.timeChoices = dayChoices(QStringLiteral("印刷しない"));

    switch (editionCode) {
    case 10:
        p.heading = QStringLiteral("ご依頼人編集");
        p.senderFrame = QStringLiteral("加入者名");
        p.itemGroup = QStringLiteral("通信欄");
        p.numberItemCaptions(QStringLiteral("通信欄"));
        p.dateCaption.clear();
        p.dateShown = p.piecesShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices.clear();
        break;
    case 20:
        p.yearShown = false;
        p.itemGroup = QStringLiteral("品名等");
        p.numberItemCaptions(QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("配達希望日");
        p.amountShown = p.piecesShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices = dayChoices(QStringLiteral("希望しない"));
        break;
    case 30:
        p.yearShown = false;
        p.numberItemCaptions(QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("希望お届け日");
        p.amountCaption = QStringLiteral("代金引換額");
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
