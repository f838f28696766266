#pragma once
// Writes one row of the sending history (table sender of "membersXe2.db3") for
// a printed waybill: a copy of the print record with the send date and the
// edition.

#include <QDate>
#include <QString>
#include <QStringList>

class PrintRecord;
class Database;
class PendingHistory;
struct DatabaseError;

struct HistoryDateOptions {
    QDate printDate;           // the main window's print date field
    bool printDateOff = false; // "印刷しない": the row takes today's date
};

// The send date of a history row: today when the print date is switched off
// (or is no valid date), else the print date.
QDate HistorySendDate(const HistoryDateOptions &options, const QDate &today);

// The first length check that recordSlots fails, as the message to show
// (verdict, field name, line break, the offending text); empty when all pass.
QString HistoryLengthViolation(const QStringList &recordSlots);

// Whether a waybill names its consignee (slot 8 holds more than blanks). A
// waybill printed for nobody is no sending: it gets no history row, which
// would only be a blank line in the clerk's history.
bool WaybillHasConsignee(const QStringList &recordSlots);

// The notice of history rows the store did not take, with the reason.
QString HistoryWriteFailedNotice(const DatabaseError &error, const QString &store);
// The notice of history rows the server could not take for want of a
// connection, kept on this station to be written when it answers.
QString HistoryKeptNotice(const DatabaseError &error, const QString &store);

// The INSERT statement of one history row, line breaks removed.
QString HistoryInsertSql(const QStringList &recordSlots, int editionCode, const QDate &sendDate);

// Checks the lengths and inserts the row into membersDbPath. Returns true when
// the row was not written; *notice then holds the message to show with the
// heading "確認", or nothing for a waybill without a consignee, which is not
// recorded (WaybillHasConsignee). Returns false when the row was written.
// With pending, the rows kept there for this store are written first, and on
// a server that cannot be reached the row is kept there (and the notice says
// so) instead of being lost; on a server each row is written with its receipt.
bool writeHistory(Database &db, const QString &membersDbPath, const QStringList &recordSlots, int editionCode,
                 const HistoryDateOptions &dateOptions, const QDate &today, QString *notice = nullptr,
                 PendingHistory *pending = nullptr);

// The same for a PrintRecord.
bool writeHistory(Database &db, const QString &membersDbPath, const PrintRecord &record, int editionCode,
                 const HistoryDateOptions &dateOptions, const QDate &today, QString *notice = nullptr,
                 PendingHistory *pending = nullptr);
