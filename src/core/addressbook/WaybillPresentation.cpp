#include "core/addressbook/WaybillPresentation.h"

void WaybillRowsPresentation::numberItemCaptions(const QString &stem)
{
    for (int i = 0; i < 4; ++i)
        itemCaptions[i] = stem + QString::number(i + 1);
}

void WaybillRowsPresentation::setItems(const QString &group, const QString &captionStem)
{
    itemGroup = group;
    numberItemCaptions(captionStem);
}

void WaybillRowsPresentation::setCaptions(const QString &amount, const QString &date)
{
    amountCaption = amount;
    dateCaption = date;
}

void WaybillRowsPresentation::usePaymentSlipRows()
{
    setItems(QStringLiteral("通信欄"), QStringLiteral("通信欄"));
    dateCaption.clear();
    dateShown = piecesShown = weightShown = insuranceShown = timeShown = false;
    timeChoices.clear();
}

int WaybillRowsPresentation::timeChoiceIndex(const QString &stored) const
{
    if (stored.isEmpty() || stored == QStringLiteral("印刷しない"))
        return -1;
    const int found = timeChoices.indexOf(stored);
    return selectableChoices >= 0 && found >= selectableChoices ? -1 : found;
}

QStringList WaybillRowsPresentation::dayChoices(const QString &last)
{
    return {QStringLiteral("午前中"),     QStringLiteral("12時～14時"), QStringLiteral("14時～16時"),
            QStringLiteral("16時～18時"), QStringLiteral("18時～20時"), QStringLiteral("20時～21時"), last};
}

QStringList WaybillRowsPresentation::fromTenChoices()
{
    return {QStringLiteral("10時～12時"), QStringLiteral("12時～14時"), QStringLiteral("14時～16時"),
            QStringLiteral("16時～18時"), QStringLiteral("18時～20時"), QStringLiteral("希望なし")};
}
