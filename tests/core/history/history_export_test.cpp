// The history export read back with the program's own CSV parser.

#include "core/history/HistoryExport.h"
#include "core/history/HistoryList.h"
#include "core/import/CsvEncoding.h"
#include "core/import/CsvParser.h"
#include "support/AddressBookFixture.h"

#include <QFile>

namespace {

class HistoryExportTest : public AddressBookFixture
{
protected:
    QVector<QStringList> readBack(const QString &path, CsvEncoding *encoding)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return CsvParser::parse(DecodeCsvBytes(f.readAll(), encoding));
    }
    int column(const char *label) const { return int(HistoryCsvHeader().indexOf(QString::fromUtf8(label))); }
};

TEST_F(HistoryExportTest, TheRowsOfAViewInItsOrderWithEveryColumn)
{
    addHistory(40, {{"namae1", "山田 太郎"}, {"senderdate", "2026-01-05"}, {"number", "1111"},
                    {"address1", "東京都, \"千代田区\"\n丸の内"}, {"itemname5", "五番目"}, {"paynotes", "通信"}});
    addHistory(40, {{"namae1", "佐藤 花子"}, {"senderdate", "2026-02-01"}, {"number", "2222"}});
    addHistory(40, {{"namae1", "山田 次郎"}, {"senderdate", "2026/03/10"}, {"number", "3333"}});
    addHistory(20, {{"namae1", "山田 別版"}, {"senderdate", "2026-03-11"}});

    // The search's view: the rows the list shows, newest first.
    const QString out = dir.filePath("view.csv");
    HistoryExportQuery query;
    query.searchText = "山田";
    const CsvExportOutcome outcome = ExportHistory(db, membersDb, query, out, CsvOutputEncoding::Utf8Bom);
    ASSERT_TRUE(outcome.ok) << outcome.notice.toStdString();
    CsvEncoding encoding;
    const QVector<QStringList> records = readBack(out, &encoding);
    EXPECT_EQ(encoding, CsvEncoding::Utf8Bom);
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0], HistoryCsvHeader());
    const QVector<qint64> ids = ReadHistoryIds(db, membersDb, 40, 1, "山田");
    ASSERT_EQ(ids.size(), 2);
    EXPECT_EQ(records[1].value(0).toLongLong(), ids[0]);
    EXPECT_EQ(records[2].value(0).toLongLong(), ids[1]);
    EXPECT_EQ(records[2].value(column("住所1")), QString("東京都, \"千代田区\"\n丸の内"));
    EXPECT_EQ(records[2].value(column("品名5")), QString("五番目"));
    EXPECT_EQ(records[2].value(column("払込通信欄")), QString("通信"));

    // A date range, oldest first, the two ways dates are written alike.
    HistoryExportQuery range;
    range.from = QDate(2026, 2, 1);
    range.to = QDate(2026, 3, 10);
    ASSERT_TRUE(ExportHistory(db, membersDb, range, out, CsvOutputEncoding::ShiftJis).ok);
    const QVector<QStringList> ranged = readBack(out, &encoding);
    EXPECT_EQ(encoding, CsvEncoding::Cp932);
    ASSERT_EQ(ranged.size(), 3);
    EXPECT_EQ(ranged[1].value(column("伝票番号")), QString("2222"));
    EXPECT_EQ(ranged[2].value(column("伝票番号")), QString("3333"));
}

TEST_F(HistoryExportTest, CancelAndFailureLeaveNoFile)
{
    ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
    ASSERT_FALSE(db.ExecSql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<5000) "
                            "INSERT INTO sender(kind,namae1) SELECT 40,'顧客'||i FROM n"));
    const QString out = dir.filePath("stopped.csv");
    const CsvExportOutcome stopped = ExportHistory(db, membersDb, HistoryExportQuery(), out, CsvOutputEncoding::Utf8Bom,
                                                   [](qint64 done, qint64 total) {
                                                       EXPECT_EQ(total, 5000);
                                                       return done < 2000;
                                                   });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(QFile::exists(out));

    addHistory(40, {{"namae1", "𠮷田"}});
    const CsvExportOutcome refused = ExportHistory(db, membersDb, HistoryExportQuery(), out, CsvOutputEncoding::ShiftJis);
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.cancelled);
    EXPECT_TRUE(refused.notice.contains("𠮷"));
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
