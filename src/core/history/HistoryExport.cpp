#include "core/history/HistoryExport.h"

#include "core/data/Database.h"
#include "core/data/SqlLiteral.h"
#include "core/data/StoreStatement.h"
#include "core/history/HistoryList.h"

namespace {

struct Column {
    const char *name;
    const char *label;
};

const std::vector<Column> &columns()
{
    static const std::vector<Column> list = {
        {"ID", "No"},                  {"orderid", "注文番号"},       {"senderdate", "送付日"},
        {"kind", "区分"},              {"userid", "利用者ID"},        {"namae1", "お名前1"},
        {"furigana1", "フリガナ1"},    {"namae2", "お名前2"},         {"furigana2", "フリガナ2"},
        {"zipcode", "郵便番号"},       {"address1", "住所1"},         {"address2", "住所2"},
        {"address3", "住所3"},         {"tel", "電話番号"},           {"uriage", "金額"},
        {"itemname1", "品名1"},        {"itemname2", "品名2"},        {"itemname3", "品名3"},
        {"itemname4", "品名4"},        {"itemname5", "品名5"},        {"arrivedate", "お届け日"},
        {"timeselect", "時間帯"},      {"number", "伝票番号"},        {"daibiki", "代引金額"},
        {"num", "個数"},               {"kg", "重量"},                {"charge", "運賃"},
        {"hoken", "保険金額"},         {"notes", "備考"},             {"snamae1", "ご依頼主名"},
        {"szipcode", "ご依頼主郵便番号"}, {"saddress1", "ご依頼主住所1"}, {"saddress2", "ご依頼主住所2"},
        {"stel", "ご依頼主電話番号"},  {"sfax", "ご依頼主FAX"},       {"snumber1", "ご依頼主番号1"},
        {"snumber2", "ご依頼主番号2"}, {"snumber3", "ご依頼主番号3"}, {"paynotes", "払込通信欄"},
    };
    return list;
}

QString columnList()
{
    QStringList names;
    for (const Column &c : columns())
        names << QLatin1String(c.name);
    return names.join(u',');
}

// Rows sent between the query's dates; dates written as yyyy/MM/dd compare
// like the writer's yyyy-MM-dd.
QString dateRangeSql(const HistoryExportQuery &q)
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral(" FROM sender WHERE kind=")
                  + QString::number(q.editionCode);
    const QString date = QStringLiteral("replace(senderdate,'/','-')");
    if (q.from.isValid())
        sql += QStringLiteral(" AND ") + date + QStringLiteral(" >= ") + SqlQuote(q.from.toString(Qt::ISODate));
    if (q.to.isValid())
        sql += QStringLiteral(" AND ") + date + QStringLiteral(" <= ") + SqlQuote(q.to.toString(Qt::ISODate));
    return sql + QStringLiteral(" ORDER BY ") + date + QStringLiteral(",ID");
}

} // namespace

QStringList HistoryCsvHeader()
{
    QStringList header;
    for (const Column &c : columns())
        header << QString::fromUtf8(c.label);
    return header;
}

CsvExportOutcome ExportHistory(Database &db, const QString &membersDbPath, const HistoryExportQuery &query,
                               const QString &path, CsvOutputEncoding encoding, const CsvExportProgress &progress)
{
    CsvExportOutcome outcome;
    DatabaseError error = db.OpenDatabase(membersDbPath, Database::OpenMode::ExistingOnly);
    if (error.isError()) {
        outcome.notice = error.message;
        return outcome;
    }
    const bool byDate = query.from.isValid() || query.to.isValid();
    qint64 total = 0;
    if (!byDate && query.searchText.isEmpty())
        db.ForEachRow(QStringLiteral("SELECT count(*) FROM sender WHERE kind=") + QString::number(query.editionCode),
                      [&total](const StoreRow &s) { total = s.columnText(0).toLongLong(); });
    const QString sql = byDate ? dateRangeSql(query)
                               : HistoryViewSelectSql(db, columnList(), query.editionCode, query.sortState,
                                                      query.searchText);

    CsvFileWriter writer(path, encoding);
    if (!writer.open())
        return writer.openFailure();
    bool written = writer.writeRecord(HistoryCsvHeader());
    bool stopped = false;
    qint64 rows = 0;
    const int count = int(columns().size());
    error = db.ForEachRow(sql, [&](const StoreRow &s) {
        if (!written || stopped)
            return;
        for (int c = 0; c < count; ++c)
            writer.addField(s.columnText(c));
        written = writer.endRecord();
        ++rows;
        if (progress && rows % 2000 == 0 && !progress(rows, total))
            stopped = true;
    });
    if (progress && !error.isError() && written && !stopped)
        progress(rows, rows);
    return writer.finish(rows, stopped, error.isError() ? error.message : QString());
}
