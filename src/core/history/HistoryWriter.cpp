#include "core/history/HistoryWriter.h"

#include "core/text/TextFields.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "core/data/DatabaseErrorText.h"
#include "core/history/PendingHistory.h"
#include "core/layout/PrintRecord.h"

namespace {

struct LengthRule {
    int slot;
    int limit;
    const char *message;
};

// Checked in this order; the first failure is the one reported.
const LengthRule lengthRules[] = {
    {8, 20, "[保存できませんでした]氏名が長すぎます。"},
    {12, 7, "[保存できませんでした]郵便番号が長すぎます。"},
    {13, 80, "[保存できませんでした]住所1が長すぎます。"},
    {14, 80, "[保存できませんでした]住所2が長すぎます。"},
    {41, 80, "[保存できませんでした]住所3が長すぎます。"},
    {15, 15, "[保存できませんでした]電話番号が長すぎます。"},
    {17, 80, "[保存できませんでした]商品分類1が長すぎます。"},
    {18, 80, "[保存できませんでした]商品分類2が長すぎます。"},
    {19, 80, "[保存できませんでした]商品分類3が長すぎます。"},
    {20, 80, "[保存できませんでした]商品分類4が長すぎます。"},
};

constexpr int editionPayment = 10; // the amount goes to uriage
constexpr int editionCashOnDelivery = 30; // the cash-on-delivery amount goes to daibiki

} // namespace

QDate HistorySendDate(const HistoryDateOptions &options, const QDate &today)
{
    if (options.printDateOff || !options.printDate.isValid())
        return today;
    return options.printDate;
}

QString HistoryLengthViolation(const QStringList &recordSlots)
{
    for (const LengthRule &rule : lengthRules) {
        const QString text = recordSlots.value(rule.slot);
        if (text.size() > rule.limit)
            return QString::fromUtf8(rule.message) + QStringLiteral("\r\n") + text;
    }
    return {};
}

bool WaybillHasConsignee(const QStringList &recordSlots)
{
    return !recordSlots.value(8).trimmed().isEmpty();
}

QString HistoryWriteFailedNotice(const DatabaseError &error, const QString &store)
{
    return QStringLiteral("送信記録の登録に失敗しました。\n") + StoreFailureNotice(error, store);
}

QString HistoryKeptNotice(const DatabaseError &error, const QString &store)
{
    return StoreFailureNotice(error, store)
           + QStringLiteral("\n\n送信記録はこのパソコンに保存しました。サーバーに接続できたときに登録します。");
}

QString HistoryInsertSql(const QStringList &recordSlots, int editionCode, const QDate &sendDate)
{
    auto slot = [&recordSlots](int i) { return recordSlots.value(i); };
    const QString columns = QStringLiteral(
        "orderid,senderdate,kind,userid,namae1,furigana1,namae2,furigana2,zipcode,address1,address2,address3,tel,"
        "uriage,itemname1,itemname2,itemname3,itemname4,itemname5,arrivedate,timeselect,number,daibiki,num,kg,"
        "charge,hoken,notes,snamae1,szipcode,saddress1,saddress2,stel,sfax,snumber1,snumber2,snumber3,paynotes");
    const QStringList values = {
        QString(),                                            // orderid
        sendDate.toString(QStringLiteral("yyyy-MM-dd")),      // senderdate
        QString::number(editionCode),                         // kind
        slot(7),                                              // userid
        slot(8),                                              // namae1
        QString(), QString(), QString(),                      // furigana1, namae2, furigana2
        slot(12),                                             // zipcode
        slot(13), slot(14), slot(41),                         // address1-3
        slot(15),                                             // tel
        editionCode == editionPayment ? slot(16) : QString(), // uriage
        slot(17), slot(18), slot(19), slot(20),               // itemname1-4
        QString(),                                            // itemname5
        slot(22), slot(23),                                   // arrivedate, timeselect
        QString(),                                            // number
        editionCode == editionCashOnDelivery ? slot(25) : QString(), // daibiki
        slot(26), slot(27), slot(28), slot(29),               // num, kg, charge, hoken
        QString(),                                            // notes
        slot(32), slot(33), slot(34), slot(35), slot(36),     // snamae1, szipcode, saddress1-2, stel
        QString(),                                            // sfax
        slot(38), slot(39), slot(40),                         // snumber1-3
    };
    QString sql = QStringLiteral("INSERT INTO sender(") + columns + QStringLiteral(") VALUES(");
    for (const QString &value : values)
        sql += SqlQuote(value) + QLatin1Char(',');
    // Line breaks out before the last value: an imported text with a line
    // break must not end up in the history as one.
    sql = StripLineBreaks(sql);
    sql += QStringLiteral("'')");
    return sql;
}

bool writeHistory(Database &db, const QString &membersDbPath, const QStringList &recordSlots, int editionCode,
                 const HistoryDateOptions &dateOptions, const QDate &today, QString *notice, PendingHistory *pending)
{
    if (!WaybillHasConsignee(recordSlots)) {
        if (notice)
            notice->clear();
        return true;
    }
    const QString violation = HistoryLengthViolation(recordSlots);
    if (!violation.isEmpty()) {
        if (notice)
            *notice = violation;
        return true;
    }
    const HistoryRowToWrite row =
        NewHistoryRow(HistoryInsertSql(recordSlots, editionCode, HistorySendDate(dateOptions, today)));
    DatabaseError error;
    // The rows kept before go first, so that the history keeps the order of
    // the prints; a server that still does not answer need not be asked twice.
    if (pending)
        error = pending->flush(db, membersDbPath).error;
    if (!IsConnectionFailure(error)) {
        error = db.OpenDatabase(membersDbPath);
        if (!error.isError() && pending && db.isServer())
            error = WriteHistoryRowsOnce(db, {row});
        else if (!error.isError())
            db.ExecSql(row.sql, &error);
    }
    if (!error.isError()) {
        if (notice)
            notice->clear();
        return false;
    }
    // A row whose transaction broke with the connection may have been
    // committed all the same; its receipt keeps the retry from doubling it.
    const bool kept = pending && IsConnectionFailure(error) && pending->keep(membersDbPath, {row});
    if (notice)
        *notice = kept ? HistoryKeptNotice(error, membersDbPath) : HistoryWriteFailedNotice(error, membersDbPath);
    return true;
}

bool writeHistory(Database &db, const QString &membersDbPath, const PrintRecord &record, int editionCode,
                 const HistoryDateOptions &dateOptions, const QDate &today, QString *notice, PendingHistory *pending)
{
    return writeHistory(db, membersDbPath, record.texts(), editionCode, dateOptions, today, notice, pending);
}
