#include "core/history/HistoryReprint.h"

#include "core/history/HistoryEntry.h"
#include "core/addressbook/EditorText.h"
#include "core/import/TelephoneParts.h"
#include "core/layout/PrintRecord.h"

void ApplyHistoryToRecord(const HistoryEntry &e, int editionCode, PrintRecord &record)
{
    record.setSlot(7, e.userid);
    record.setSlot(12, e.zipcode);
    record.setSlot(13, e.address1);
    record.setSlot(14, e.address2);
    record.setSlot(41, e.address3);
    record.setSlot(8, e.namae1);
    const TelephoneParts tel = SplitTelephone(e.tel);
    record.setSlot(15, JoinTelephone(tel.first, tel.middle, tel.last));
    record.setSlot(editionCode == 10 ? 16 : 25, HistoryAmount(e, editionCode));
    for (int i = 0; i < 4; ++i)
        record.setSlot(17 + i, e.itemname[i]);
    record.setSlot(22, QString());
    record.setSlot(23, QString());
    record.setSlot(26, e.num);
    record.setSlot(29, e.hoken);
    record.setSlot(32, e.snamae1);
    record.setSlot(33, e.szipcode);
    record.setSlot(34, e.saddress1);
    record.setSlot(35, e.saddress2);
    record.setSlot(36, QString());
    for (int i = 0; i < 3; ++i)
        record.setSlot(38 + i, e.snumber[i]);
}

int FindSenderByName(const QVector<QStringList> &senderRows, const QString &name)
{
    const QString wanted = name.trimmed();
    for (int i = 0; i < senderRows.size(); ++i)
        if (senderRows.at(i).value(1).trimmed() == wanted)
            return i;
    return -1;
}

QString SenderNotFoundMessage(const QString &senderFrameCaption, const QString &name)
{
    return senderFrameCaption + u'[' + name + QStringLiteral("]が見つかりません。");
}
