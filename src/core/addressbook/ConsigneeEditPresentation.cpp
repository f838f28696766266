#include "core/addressbook/ConsigneeEditPresentation.h"

namespace {

QStringList dayChoices(const QString &last)
{
    return {QStringLiteral("午前中"), QStringLiteral("12時～14時"), QStringLiteral("14時～16時"),
            QStringLiteral("16時～18時"), QStringLiteral("18時～20時"), QStringLiteral("20時～21時"), last};
}

void numberedCaptions(ConsigneeEditPresentation &p, const QString &stem)
{
    for (int i = 0; i < 4; ++i)
        p.itemCaptions[i] = stem + QString::number(i + 1);
}

} // namespace

ConsigneeEditPresentation ConsigneeEditPresentation::forEdition(int editionCode)
{
    ConsigneeEditPresentation p;
    p.heading = QStringLiteral("お届け先編集");
    p.senderFrame = QStringLiteral("ご依頼主");
    p.itemGroup = QStringLiteral("品名");
    numberedCaptions(p, QStringLiteral("品　名"));
    p.dateCaption = QStringLiteral("お届け予定日");
    p.amountCaption = QStringLiteral("金 額");
    p.timeChoices = dayChoices(QStringLiteral("印刷しない"));

    switch (editionCode) {
    case 10:
        p.heading = QStringLiteral("ご依頼人編集");
        p.senderFrame = QStringLiteral("加入者名");
        p.itemGroup = QStringLiteral("通信欄");
        numberedCaptions(p, QStringLiteral("通信欄"));
        p.dateCaption.clear();
        p.dateShown = p.piecesShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices.clear();
        break;
    case 20:
        p.yearShown = false;
        p.itemGroup = QStringLiteral("品名等");
        numberedCaptions(p, QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("配達希望日");
        p.amountShown = p.piecesShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices = dayChoices(QStringLiteral("希望しない"));
        break;
    case 30:
        p.yearShown = false;
        numberedCaptions(p, QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("希望お届け日");
        p.amountCaption = QStringLiteral("代金引換額");
        p.piecesShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices = dayChoices(QStringLiteral("希望なし"));
        break;
    case 40:
        p.yearShown = false;
        numberedCaptions(p, QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("お届け予定日");
        p.amountShown = p.weightShown = false;
        p.timeChoices.clear();
        break;
    case 50:
        p.yearShown = false;
        p.senderFrame = QStringLiteral("荷送人");
        numberedCaptions(p, QStringLiteral("品名"));
        p.dateCaption = QStringLiteral("ご希望お届け日");
        p.amountShown = p.weightShown = p.insuranceShown = false;
        p.timeChoices = {QStringLiteral("10時～12時"), QStringLiteral("12時～14時"), QStringLiteral("14時～16時"),
                         QStringLiteral("16時～18時"), QStringLiteral("18時～20時"), QStringLiteral("希望なし")};
        break;
    default:
        break;
    }
    return p;
}
