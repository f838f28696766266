#include "support/QtPrinters.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/DatabaseErrorText.h"
#include "core/history/HistoryWriter.h"
#include "core/history/PendingHistory.h"
#include "core/data/Database.h"
#include "core/layout/PrintRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList fullRecord()
{
    QStringList s;
    for (int i = 0; i < 42; ++i)
        s << QString("s%1").arg(i);
    s[8] = "山田太郎";
    s[12] = "1000001";
    s[15] = "03-1234-5678";
    s[16] = "12000";
    s[22] = "/12/24";
    s[25] = "3000";
    return s;
}

class HistoryWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        members = dir.filePath("membersXe2.db3");
        ASSERT_FALSE(CreateMembersDatabase(db, members).isError());
    }
    // Every column of the written rows, in table order.
    RowList rows()
    {
        const QueryResult r = db.QueryRows("SELECT * FROM sender ORDER BY ID");
        EXPECT_TRUE(r.ok());
        return r.rows;
    }
    bool write(const QStringList &texts, int edition, QString *notice = nullptr,
               HistoryDateOptions dates = {QDate(2024, 3, 9), false})
    {
        return writeHistory(db, members, texts, edition, dates, today, notice);
    }

    QTemporaryDir dir;
    QString members;
    Database db;
    const QDate today = QDate(2025, 1, 2);
};

TEST_F(HistoryWriterTest, WritesTheRecordIntoItsColumns)
{
    QString notice = "stale";
    ASSERT_FALSE(write(fullRecord(), 40, &notice));
    EXPECT_TRUE(notice.isEmpty());
    const QStringList expected = {
        "1", "", "2024/03/09", "40", "s7", "山田太郎", "", "", "", "1000001", "s13", "s14", "s41", "03-1234-5678",
        "", // uriage: not in edition 40
        "s17", "s18", "s19", "s20", "", "/12/24", "s23", "",
        "", // daibiki: not in edition 40
        "s26", "s27", "s28", "s29", "", "s32", "s33", "s34", "s35", "s36", "", "s38", "s39", "s40", ""};
    EXPECT_EQ(rows().row(0), expected);
}

TEST_F(HistoryWriterTest, AmountsFollowTheEdition)
{
    const struct {
        int edition;
        QString uriage, daibiki;
    } cases[] = {{10, "12000", ""}, {20, "", ""}, {30, "", "3000"}, {40, "", ""}, {50, "", ""}};
    for (const auto &c : cases) {
        ASSERT_FALSE(write(fullRecord(), c.edition));
        const QStringList row = rows().row(rows().size() - 1);
        EXPECT_EQ(row.value(3), QString::number(c.edition));
        EXPECT_EQ(row.value(14), c.uriage) << c.edition;
        EXPECT_EQ(row.value(23), c.daibiki) << c.edition;
    }
}

TEST_F(HistoryWriterTest, SendDateIsThePrintDateOrTodayWhenSwitchedOff)
{
    EXPECT_EQ(HistorySendDate({QDate(2024, 3, 9), false}, today), QDate(2024, 3, 9));
    EXPECT_EQ(HistorySendDate({QDate(2024, 3, 9), true}, today), today);
    EXPECT_EQ(HistorySendDate({QDate(), false}, today), today);
    ASSERT_FALSE(write(fullRecord(), 40, nullptr, {QDate(2024, 3, 9), true}));
    EXPECT_EQ(rows().value(0, 2), "2025/01/02");
    EXPECT_EQ(db.QueryRows(R"(SELECT senderdate as "cnt::text" FROM sender)").rows.value(0, 0), "2025-01-02");
}

TEST_F(HistoryWriterTest, LengthChecksInOrderWithTheirMessages)
{
    const struct {
        int slot;
        int limit;
        QString field;
    } rules[] = {{8, 20, "氏名"},       {12, 7, "郵便番号"},   {13, 80, "住所1"},     {14, 80, "住所2"},
                 {41, 80, "住所3"},     {15, 15, "電話番号"},  {17, 80, "商品分類1"}, {18, 80, "商品分類2"},
                 {19, 80, "商品分類3"}, {20, 80, "商品分類4"}};
    int written = 0;
    for (const auto &rule : rules) {
        QStringList texts = fullRecord();
        texts[rule.slot] = QString("あ").repeated(rule.limit); // exactly at the limit: written
        ASSERT_FALSE(write(texts, 40)) << rule.slot;
        ++written;
        texts[rule.slot] += "x";
        QString notice;
        EXPECT_TRUE(write(texts, 40, &notice)) << rule.slot;
        EXPECT_EQ(notice, "[保存できませんでした]" + rule.field + "が長すぎます。\r\n" + texts[rule.slot]);
    }
    EXPECT_EQ(rows().size(), written);

    // Every field too long: the first rule in the order is reported.
    QStringList all = fullRecord();
    for (const auto &rule : rules)
        all[rule.slot] = QString("x").repeated(rule.limit + 1);
    all[8] = "ok";
    QString notice;
    EXPECT_TRUE(write(all, 40, &notice));
    EXPECT_TRUE(notice.startsWith("[保存できませんでした]郵便番号が長すぎます。"));
    EXPECT_EQ(rows().size(), written);
}

TEST_F(HistoryWriterTest, ShortRecordsWithANameAreWritten)
{
    QStringList upToTheName(9);
    upToTheName[8] = "山田";
    ASSERT_FALSE(write(upToTheName, 20));
    EXPECT_EQ(rows().size(), 1);
    EXPECT_EQ(rows().value(0, 5), "山田");
    EXPECT_EQ(rows().value(0, 9), "");
}

// A waybill printed with no consignee (none chosen, or a name of blanks) is
// no sending: it leaves no blank row in the history, and no notice either.
TEST_F(HistoryWriterTest, AWaybillWithoutAConsigneeNameIsNotRecorded)
{
    const QString names[] = {QString(), " ", QStringLiteral("\u3000"), "\t "};
    for (const QString &name : names) {
        QStringList texts = fullRecord();
        texts[8] = name;
        QString notice = "stale";
        EXPECT_TRUE(write(texts, 40, &notice)) << name.toStdString();
        EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    }
    EXPECT_TRUE(write(QStringList(), 20));
    EXPECT_EQ(rows().size(), 0);
    ASSERT_FALSE(write(fullRecord(), 40));
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(HistoryWriterTest, LineBreaksAreRemovedAndQuotesKept)
{
    QStringList texts = fullRecord();
    texts[17] = "りんご\r\n10kg";
    texts[18] = "O'Neil's\n";
    texts[34] = "東京都\r港区";
    ASSERT_FALSE(write(texts, 40));
    const QStringList row = rows().row(0);
    EXPECT_EQ(row.value(15), "りんご10kg");
    EXPECT_EQ(row.value(16), "O'Neil's");
    EXPECT_EQ(row.value(31), "東京都港区");
    EXPECT_FALSE(HistoryInsertSql(texts, 40, today).contains('\n'));
}

TEST_F(HistoryWriterTest, PrintRecordOverloadAndFailureMessage)
{
    const PrintRecord record(fullRecord());
    ASSERT_FALSE(writeHistory(db, members, record, 50, {QDate(2024, 3, 9), false}, today));
    EXPECT_EQ(rows().value(0, 5), "山田太郎");

    // A members file without the history table: the insert fails and says so.
    const QString empty = dir.filePath("empty.db3");
    QString notice;
    EXPECT_TRUE(writeHistory(db, empty, fullRecord(), 40, {}, today, &notice));
    // With the reason: what failed and in which store.
    EXPECT_TRUE(notice.startsWith("送信記録の登録に失敗しました。\nデータベースの処理に失敗しました。")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("データの保存先: " + empty)) << notice.toStdString();
    EXPECT_TRUE(writeHistory(db, dir.filePath("no/folder/m.db3"), fullRecord(), 40, {}, today, &notice));
    EXPECT_TRUE(notice.startsWith("送信記録の登録に失敗しました。\nデータベースファイルを開けません。")) << notice.toStdString();
}

// A server that cannot be reached: the row is kept on the station, and the
// notice says so in the words of the start-up question.
TEST_F(HistoryWriterTest, ARowTheServerCannotTakeIsKeptOnTheStation)
{
    const QString server = "postgresql://127.0.0.1:1/korvel?connect_timeout=2";
    PendingHistory pending(dir.path());
    QString notice;
    EXPECT_TRUE(writeHistory(db, server, fullRecord(), 40, {}, today, &notice, &pending));
    EXPECT_EQ(pending.count(), 1);
    EXPECT_TRUE(notice.startsWith("共有サーバーに接続できません。")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("送信記録はこのパソコンに保存しました")) << notice.toStdString();
    Database probe;
    EXPECT_EQ(StoreFailureNotice(probe.OpenDatabase(server), server), notice.section("\n\n", 0, 0));
    // The next print keeps its row too, after the first.
    EXPECT_TRUE(writeHistory(db, server, fullRecord(), 40, {}, today, &notice, &pending));
    EXPECT_EQ(pending.count(), 2);
    // Without a place to keep it the row is lost, and the notice says that.
    EXPECT_TRUE(writeHistory(db, server, fullRecord(), 40, {}, today, &notice));
    EXPECT_TRUE(notice.startsWith("送信記録の登録に失敗しました。\n共有サーバーに接続できません。")) << notice.toStdString();
}

// Kept rows go in once each, with the next row written after them, and a
// flush cut short after its commit (the file not yet rewritten) writes
// nothing twice.
TEST_F(HistoryWriterTest, KeptRowsAreWrittenOnceEachWhateverCutAFlushShort)
{
    PendingHistory pending(dir.path());
    QStringList first = fullRecord(), second = fullRecord();
    first[8] = "一件目";
    second[8] = "二件目";
    ASSERT_TRUE(pending.keep(members, {NewHistoryRow(HistoryInsertSql(first, 40, today)),
                                       NewHistoryRow(HistoryInsertSql(second, 40, today))}));
    ASSERT_EQ(pending.count(), 2);
    QFile file(pending.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray beforeFlush = file.readAll();
    file.close();

    const PendingHistory::Flushed flushed = pending.flush(db, members);
    EXPECT_FALSE(flushed.error.isError()) << flushed.error.message.toStdString();
    EXPECT_EQ(flushed.written, 2);
    EXPECT_EQ(flushed.waiting, 0);
    EXPECT_EQ(pending.count(), 0);

    // As if the program had ended between the commit and the rewrite.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(beforeFlush);
    file.close();
    ASSERT_EQ(pending.count(), 2);
    QString notice;
    QStringList third = fullRecord();
    third[8] = "三件目";
    ASSERT_FALSE(writeHistory(db, members, third, 40, {}, today, &notice, &pending)) << notice.toStdString();
    EXPECT_EQ(pending.count(), 0);
    ASSERT_FALSE(db.OpenDatabase(members).isError());
    const RowList names = rows();
    ASSERT_EQ(names.size(), 3);
    EXPECT_EQ(names.value(0, 5), "一件目");
    EXPECT_EQ(names.value(1, 5), "二件目");
    EXPECT_EQ(names.value(2, 5), "三件目");
}

// Rows kept for another store wait for it: a station that works on its own
// files for a session does not move the server's rows into them.
TEST_F(HistoryWriterTest, KeptRowsWaitForTheirOwnStore)
{
    PendingHistory pending(dir.path());
    ASSERT_TRUE(pending.keep("postgresql://127.0.0.1:1/korvel", {NewHistoryRow(HistoryInsertSql(fullRecord(), 40, today))}));
    const PendingHistory::Flushed flushed = pending.flush(db, members);
    EXPECT_EQ(flushed.written, 0);
    EXPECT_EQ(flushed.waiting, 1);
    ASSERT_FALSE(db.OpenDatabase(members).isError());
    EXPECT_EQ(rows().size(), 0);
}

} // namespace
