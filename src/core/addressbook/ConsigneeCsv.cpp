#include "core/addressbook/ConsigneeCsv.h"

#include "core/data/Database.h"
#include "core/data/SqlLiteral.h"
#include "core/data/StoreStatement.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

struct Column {
    bool item;         // table memberitem (else address)
    const char *name;  // the stored column
    const char *label; // the header
    bool number;       // an integer or date column: empty is stored as NULL
};

// Every stored column but the keys, in the tables' order.
const std::vector<Column> &columns()
{
    static const std::vector<Column> list = {
        {false, "KIND", "区分", true},           {false, "NAMAE1", "名前1", false},
        {false, "furigana1", "フリガナ1", false}, {false, "namae2", "名前2", false},
        {false, "furigana2", "フリガナ2", false}, {false, "birth", "生年月日", true},
        {false, "zipcode", "郵便番号", false},    {false, "area", "都道府県", false},
        {false, "city", "市区", false},           {false, "location", "番地", false},
        {false, "building", "建物名称", false},   {false, "tel", "電話番号", false},
        {false, "fax", "FAX", false},             {false, "keitai", "携帯", false},
        {false, "email", "メール", false},        {false, "imail", "携帯メール", false},
        {false, "url", "ホームページ", false},    {false, "works", "勤務先", false},
        {false, "schoo", "学校", false},          {false, "keisho", "敬称", false},
        {false, "sex", "性別", true},             {false, "club", "クラブ", false},
        {false, "class", "クラス", false},        {false, "admission", "入会日", true},
        {false, "lastuse", "最終利用日", true},   {false, "userid", "利用者ID", false},
        {false, "passwd", "パスワード", false},   {false, "companyid", "ご依頼主ID", true},
        {false, "tagchr1", "予備文字1", false},   {false, "tagchr2", "予備文字2", false},
        {false, "tagchr3", "予備文字3", false},   {false, "tagchr4", "予備文字4", false},
        {false, "tagint1", "予備数値1", true},    {false, "tagint2", "予備数値2", true},
        {false, "tagint3", "予備数値3", true},    {false, "tagint4", "予備数値4", true},
        {false, "point1", "ポイント1", true},     {false, "point2", "ポイント2", true},
        {false, "notes", "備考", false},
        {true, "companyID", "品目ご依頼主ID", true}, {true, "uriage", "金額", true},
        {true, "itemname1", "商品名1", false},    {true, "itemname2", "商品名2", false},
        {true, "itemname3", "商品名3", false},    {true, "itemname4", "商品名4", false},
        {true, "itemname5", "商品名5", false},    {true, "arrivedate", "お届け日", false},
        {true, "timeselect", "時間帯", false},    {true, "daibiki", "代引金額", true},
        {true, "num", "個数", true},              {true, "kg", "重量", true},
        {true, "charge", "運賃", true},           {true, "hoken", "保険金額", true},
        {true, "notes", "品目備考", false},
    };
    return list;
}

QString selectSql(int editionCode, const QString &where)
{
    QStringList names;
    for (const Column &c : columns())
        names << (c.item ? QStringLiteral("m.") : QStringLiteral("a.")) + QLatin1String(c.name);
    return QStringLiteral("SELECT a.ID,") + names.join(u',')
           + QStringLiteral(" FROM address a LEFT JOIN members.memberitem m ON m.userid = a.ID AND m.kind = ")
           + QString::number(editionCode) + where;
}

QStringList recordOf(const StoreRow &s)
{
    QStringList record;
    const int count = int(columns().size());
    record.reserve(count);
    for (int c = 1; c <= count; ++c)
        record << s.columnText(c).toString();
    return record;
}

CsvImportTarget filesOf(const QString &addressDbPath, const QString &membersDbPath, int editionCode)
{
    CsvImportTarget target;
    target.addressDbPath = addressDbPath;
    target.membersDbPath = membersDbPath;
    target.editionCode = editionCode;
    return target;
}

// Binds value to parameter index: empty numbers and dates as NULL, empty
// texts as empty text (as the other writers of these tables store them).
void bind(StoreStatement &statement, int index, const QString &value, bool number)
{
    if (value.isEmpty() && number)
        statement.bindNull(index);
    else
        statement.bindText(index, value.isNull() ? QStringView(u"") : QStringView(value));
}

// Runs a bound statement; on failure *reason says why.
bool runToEnd(StoreStatement &statement, QString *reason)
{
    const bool done = statement.step() == StoreStatement::Done;
    if (!done)
        *reason = statement.errorMessage();
    statement.reset();
    return done;
}

} // namespace

QStringList ConsigneeCsvHeader()
{
    QStringList header;
    for (const Column &c : columns())
        header << QString::fromUtf8(c.label);
    return header;
}

bool IsConsigneeCsvHeader(const QStringList &header)
{
    QStringList cleaned = header;
    if (!cleaned.isEmpty())
        cleaned[0].remove(QChar(0xFEFF));
    return cleaned == ConsigneeCsvHeader();
}

CsvExportOutcome ExportConsignees(Database &db, const QString &addressDbPath, const QString &membersDbPath,
                                  int editionCode, const QStringList &ids, const QString &path,
                                  CsvOutputEncoding encoding, const CsvExportProgress &progress)
{
    CsvExportOutcome outcome;
    DatabaseError error = OpenAddressBookWithMembers(db, filesOf(addressDbPath, membersDbPath, editionCode));
    if (error.isError()) {
        CloseAddressBookWithMembers(db);
        outcome.notice = error.message;
        return outcome;
    }
    CsvFileWriter writer(path, encoding);
    if (!writer.open()) {
        CloseAddressBookWithMembers(db);
        return writer.openFailure();
    }
    bool stopped = false;
    qint64 rows = 0;
    bool written = writer.writeRecord(ConsigneeCsvHeader());
    auto write = [&](const QStringList &record, qint64 total) {
        if (!written || stopped)
            return;
        written = writer.writeRecord(record);
        ++rows;
        if (progress && (rows % 500 == 0 || rows == total) && !progress(rows, total))
            stopped = true;
    };
    if (ids.isEmpty()) {
        qint64 total = 0;
        db.ForEachRow(QStringLiteral("SELECT count(*) FROM address"),
                      [&total](const StoreRow &s) { total = s.columnText(0).toLongLong(); });
        error = db.ForEachRow(selectSql(editionCode, QStringLiteral(" ORDER BY a.ID")),
                              [&](const StoreRow &s) { write(recordOf(s), total); });
    } else {
        // Read in runs of identifiers, written in the order the caller gave.
        constexpr int run = 500;
        for (qsizetype first = 0; first < ids.size() && !error.isError() && written && !stopped; first += run) {
            const QStringList part = ids.mid(first, run);
            QStringList numbers;
            for (const QString &id : part)
                numbers << QString::number(id.toLongLong());
            QHash<QString, QStringList> byId;
            error = db.ForEachRow(selectSql(editionCode, QStringLiteral(" WHERE a.ID IN (") + numbers.join(u',') + u')'),
                                  [&byId](const StoreRow &s) { byId.insert(s.columnText(0).toString(), recordOf(s)); });
            for (const QString &id : part) {
                const auto found = byId.constFind(QString::number(id.toLongLong()));
                if (found != byId.constEnd())
                    write(*found, ids.size());
            }
        }
    }
    CloseAddressBookWithMembers(db);
    return writer.finish(rows, stopped, error.isError() ? error.message : QString());
}

CsvImportOutcome ImportConsigneeCsv(Database &db, const QVector<QStringList> &records, const CsvImportTarget &target,
                                    const CsvImportProgress &progress)
{
    CsvImportOutcome outcome;
    auto failed = [&outcome](const QString &notice) {
        outcome.status = CsvImportOutcome::Failed;
        outcome.notice = notice;
        return outcome;
    };
    if (records.isEmpty() || !IsConsigneeCsvHeader(records.first()))
        return failed(QStringLiteral("このファイルはお届け先の書き出しではありません。"));

    DatabaseError error = OpenAddressBookWithMembers(db, target);
    QStringList addressNames, addressMarks, itemNames;
    for (const Column &c : columns())
        (c.item ? itemNames : addressNames) << QLatin1String(c.name);
    for (int i = 0; i < addressNames.size(); ++i)
        addressMarks << QStringLiteral("?");
    StoreStatement insertConsignee, findItem, insertItem, updateItem;
    if (!error.isError())
        insertConsignee = db.Prepare(QStringLiteral("INSERT INTO address (") + addressNames.join(u',')
                                         + QStringLiteral(") VALUES (") + addressMarks.join(u',') + u')',
                                     &error);
    if (!error.isError())
        findItem = db.Prepare(QStringLiteral("SELECT count(*) FROM members.memberitem WHERE userid=? AND kind=?"), &error);
    if (!error.isError())
        insertItem = db.Prepare(QStringLiteral("INSERT INTO members.memberitem (userid,kind,") + itemNames.join(u',')
                                    + QStringLiteral(") VALUES (?,?") + QStringLiteral(",?").repeated(itemNames.size())
                                    + u')',
                                &error);
    if (!error.isError())
        updateItem = db.Prepare(QStringLiteral("UPDATE members.memberitem SET ") + itemNames.join(QStringLiteral("=?,"))
                                    + QStringLiteral("=? WHERE userid=? AND kind=?"),
                                &error);
    // The consignees already there, by their two name lines.
    QHash<QString, QString> existing;
    const auto key = [](const QString &namae1, const QString &namae2) { return namae1 + QChar(0x1F) + namae2; };
    if (!error.isError())
        error = db.ForEachRow(QStringLiteral("SELECT ID,NAMAE1,namae2 FROM address ORDER BY ID"), [&](const StoreRow &s) {
            existing.insert(key(s.columnText(1).toString(), s.columnText(2).toString()), s.columnText(0).toString());
        });
    if (!error.isError())
        db.BeginTransaction(&error);
    if (error.isError()) {
        CloseAddressBookWithMembers(db);
        return failed(error.message);
    }

    const std::vector<Column> &list = columns();
    const QString kind = QString::number(target.editionCode);
    const int total = int(records.size()) - 1;
    bool cancelled = false;
    bool ok = true;
    QString reason;
    for (int r = 1; r <= total && ok && !cancelled; ++r) {
        const QStringList &record = records.at(r);
        const QString namae1 = record.value(1), namae2 = record.value(3);
        if (namae1.isEmpty())
            continue;
        QString id = existing.value(key(namae1, namae2));
        if (id.isEmpty()) {
            int p = 1;
            for (size_t c = 0; c < list.size(); ++c)
                if (!list[c].item)
                    bind(insertConsignee, p++, record.value(int(c)), list[c].number);
            ok = runToEnd(insertConsignee, &reason);
            id = QString::number(db.LastInsertId());
            existing.insert(key(namae1, namae2), id);
            ++outcome.consigneesAdded;
        }
        bool hasItem = false;
        for (size_t c = 0; c < list.size(); ++c)
            hasItem = hasItem || (list[c].item && !record.value(int(c)).isEmpty());
        if (ok && hasItem) {
            findItem.bindText(1, id);
            findItem.bindText(2, kind);
            const bool update = findItem.step() == StoreStatement::Row && findItem.columnText(0).toInt() > 0;
            findItem.reset();
            StoreStatement &statement = update ? updateItem : insertItem;
            int p = 1;
            if (!update) {
                statement.bindText(p++, id);
                statement.bindText(p++, kind);
            }
            for (size_t c = 0; c < list.size(); ++c)
                if (list[c].item)
                    bind(statement, p++, record.value(int(c)), list[c].number);
            if (update) {
                statement.bindText(p++, id);
                statement.bindText(p++, kind);
            }
            ok = runToEnd(statement, &reason);
            outcome.itemRowsWritten += ok ? 1 : 0;
        }
        if (progress && (r % 100 == 0 || r == total) && !progress(r, total))
            cancelled = true;
    }
    if (!ok || cancelled || db.Commit(&error)) {
        if (ok)
            reason = error.message;
        db.Rollback();
        CloseAddressBookWithMembers(db);
        if (cancelled) {
            CsvImportOutcome c;
            c.status = CsvImportOutcome::Cancelled;
            c.notice = CsvImportCancelledNotice();
            return c;
        }
        return failed(QStringLiteral("CSVファイルを取り込めませんでした。\n") + reason);
    }
    CloseAddressBookWithMembers(db);
    outcome.status = CsvImportOutcome::Imported;
    outcome.notice = CsvImportedNotice();
    return outcome;
}
