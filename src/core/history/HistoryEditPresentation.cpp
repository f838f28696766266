#include "core/history/HistoryEditPresentation.h"

HistoryEditPresentation HistoryEditPresentation::forEdition(int editionCode)
{
    HistoryEditPresentation p;
    p.consigneeBlock = QStringLiteral("お届け先");
    p.senderBlock = QStringLiteral("ご依頼主");
    p.setItems(QStringLiteral("品名"), QStringLiteral("品名"));
    p.setCaptions(QStringLiteral("金 額"), QStringLiteral("お届け日"));
    // Only the editions with a time slot to correct show the row.
    p.timeShown = false;

    switch (editionCode) {
    case 10:
        p.consigneeBlock = QStringLiteral("ご依頼人");
        p.senderBlock = QStringLiteral("加入者");
        p.usePaymentSlipRows();
        p.senderZipShown = p.senderAddressShown = p.senderTelShown = false;
        p.accountShown = true;
        break;
    case 20:
        p.senderBlock = QStringLiteral("ご依頼主編集");
        p.dateCaption = QStringLiteral("配達希望日");
        p.amountShown = p.piecesShown = p.weightShown = p.insuranceShown = p.yearShown = false;
        p.timeShown = true;
        p.timeChoices = dayChoices(QStringLiteral("希望しない"));
        p.selectableChoices = 7;
        break;
    case 30:
        // The row stays hidden, yet its choices keep a stored slot through a save.
        p.setCaptions(QStringLiteral("代金引換額"), QStringLiteral("希望お届け日"));
        p.piecesShown = p.weightShown = p.insuranceShown = p.yearShown = false;
        p.timeChoices = dayChoices(QStringLiteral("希望なし"));
        p.selectableChoices = 6;
        break;
    case 40:
        p.senderBlock = QStringLiteral("ご依頼主編集");
        p.dateCaption = QStringLiteral("お届け予定日");
        p.amountShown = p.piecesShown = p.weightShown = p.yearShown = false;
        break;
    case 50:
        p.senderBlock = QStringLiteral("荷送人編集");
        p.dateCaption = QStringLiteral("希望お届け日");
        p.amountShown = p.weightShown = p.insuranceShown = p.yearShown = false;
        p.timeShown = true;
        p.timeChoices = fromTenChoices();
        p.selectableChoices = 5;
        break;
    default:
        break;
    }
    return p;
}
