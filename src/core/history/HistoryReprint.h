#pragma once
// The reprint of a history row: which slots of the current print record the
// row replaces, and how the row's sender is found again in the sender list by
// its name.

#include <QString>
#include <QStringList>
#include <QVector>

class PrintRecord;
struct HistoryEntry;

// Sets the consignee identifier (slot 7), the consignee, item, amount and sender slots from
// the row; the date, time slot and sender telephone are emptied, and every
// other slot (weight 27 and charge 28 among them) keeps its value.
void ApplyHistoryToRecord(const HistoryEntry &entry, int editionCode, PrintRecord &record);

// The index of the first sender row ({ID, name}) whose name, without leading
// and trailing blanks, equals name without them; -1 when none does.
int FindSenderByName(const QVector<QStringList> &senderRows, const QString &name);

// The notice for a sender name that the sender list does not hold.
QString SenderNotFoundMessage(const QString &senderFrameCaption, const QString &name);
