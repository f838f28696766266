#include "core/history/HistoryColumns.h"

#include <QtGlobal>

int HistorySortAfterClick(int sortState, int column)
{
    switch (column) {
    case 1:
        return sortState == 1 ? 11 : 1;
    case 2:
    case 3:
    case 8:
    case 9:
        // These columns start ascending.
        return sortState == column + 10 ? column : column + 10;
    case 4:
    case 5:
    case 6:
    case 7:
        return sortState == column ? column + 10 : column;
    default:
        return sortState;
    }
}

QString HistoryHeaderText(int column, int editionCode, int sortState)
{
    QString text;
    switch (column) {
    case 1: text = QStringLiteral("No"); break;
    case 2: text = QStringLiteral("送付日"); break;
    case 3: text = QStringLiteral("お名前"); break;
    case 4: text = QStringLiteral("住　所"); break;
    case 5: text = QStringLiteral("電話番号"); break;
    case 6:
        switch (editionCode) {
        case 10: text = QStringLiteral("金額"); break;
        case 20: text = QStringLiteral("配達希望日"); break;
        case 30: text = QStringLiteral("代金引換額"); break;
        case 40: text = QStringLiteral("お届け日"); break;
        case 50: text = QStringLiteral("希望お届け日"); break;
        default: break;
        }
        break;
    case 7:
        if (editionCode >= 10 && editionCode <= 50)
            text = QStringLiteral("伝票番号");
        break;
    case 8: text = editionCode == 10 ? QStringLiteral("通信欄") : QStringLiteral("品名"); break;
    case 9: text = QStringLiteral("利用者ID"); break;
    default: return QString();
    }
    if (sortState == column)
        text += QStringLiteral("↓");
    else if (sortState == column + 10)
        text += QStringLiteral("↑");
    return text;
}

HistoryAlignment HistoryColumnAlignment(int column, int editionCode)
{
    if (column == 6) {
        if (editionCode == 10 || editionCode == 30 || editionCode == 40)
            return HistoryAlignment::Right;
        if (editionCode == 20 || editionCode == 50)
            return HistoryAlignment::Left;
        return HistoryAlignment::Hidden;
    }
    if (column == 7) {
        if (editionCode == 10 || editionCode == 40)
            return HistoryAlignment::Right;
        if (editionCode == 20 || editionCode == 30 || editionCode == 50)
            return HistoryAlignment::Left;
        return HistoryAlignment::Hidden;
    }
    return HistoryAlignment::Left;
}

int HistoryColumnWidth(int column)
{
    static const int widths[HistoryColumnCount] = {10, 35, 84, 182, 268, 81, 104, 93, 291, 64};
    return column >= 0 && column < HistoryColumnCount ? widths[column] : 64;
}

QColor HistoryAccentColour()
{
    return QColor(83, 85, 108);
}

QColor LuminanceRaised(const QColor &colour, int amount)
{
    // HLS luminance on the 0..240 scale, hue and saturation kept.
    const QColor hsl = colour.toHsl();
    const int luminance = qRound(hsl.lightnessF() * 240.0);
    const int raised = qBound(0, luminance + amount, 240);
    return QColor::fromHslF(hsl.hslHueF() < 0 ? 0 : hsl.hslHueF(), hsl.hslSaturationF(), raised / 240.0).toRgb();
}

QColor HistorySelectionTop()
{
    return LuminanceRaised(HistoryAccentColour(), 45);
}

QColor HistorySelectionBottom()
{
    return LuminanceRaised(HistoryAccentColour(), 10);
}
