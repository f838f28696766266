#include "core/history/HistoryEditPresentation.h"

namespace {

// The history names the item frame with the same word as its captions.
void useItemWord(HistoryEditPresentation &p, const QString &word)
{
    p.itemGroup = word;
    p.numberItemCaptions(word);
}

} // namespace

HistoryEditPresentation HistoryEditPresentation::forEdition(int editionCode)
{
    HistoryEditPresentation p;
    p.consigneeBlock = QStringLiteral("お届け先");
    p.senderBlock = QStringLiteral("ご依頼主");
    p.amountCaption = QStringLiteral("金 額");
    p.dateCaption = QStringLiteral("お届け日");
    p.timeShown = false;
    useItemWord(p, QStringLiteral("品名"));

    switch (editionCode) {
    case 10:
        p.consigneeBlock = QStringLiteral("ご依頼人");
        p.senderBlock = QStringLiteral("加入者");
        useItemWord(p, QStringLiteral("通信欄"));
        p.dateCaption.clear();
        p.piecesShown = p.weightShown = p.insuranceShown = p.dateShown = false;
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
        p.dateCaption = QStringLiteral("希望お届け日");
        p.amountCaption = QStringLiteral("代金引換額");
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
