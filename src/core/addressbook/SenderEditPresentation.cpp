#include "core/addressbook/SenderEditPresentation.h"

SenderEditPresentation SenderEditPresentation::forEdition(int editionCode)
{
    SenderEditPresentation p;
    switch (editionCode) {
    case 10:
        p.title = QStringLiteral("加入者名");
        p.accountShown = true;
        p.addressShown = false;
        break;
    case 20:
    case 30:
    case 40:
        p.title = QStringLiteral("ご依頼主");
        break;
    case 50:
        p.title = QStringLiteral("荷送人");
        break;
    default:
        p.title = QStringLiteral("差出人編集");
        break;
    }
    return p;
}
