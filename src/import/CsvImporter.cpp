#include "import/CsvImporter.h"

#include "data/SqlLiteral.h"
#include "data/TDataModule1.h"
#include "import/CsvEditorLaunch.h"
#include "import/CsvImportFile.h"
#include "import/CsvImportPlan.h"

#include <QHash>

namespace {

// The consignees by their two name lines, each pair with its lowest ID: the
// row "SELECT * ... where NAMAE1=... and NAMAE2=..." finds first. Rows with a
// NULL name line are left out, since "= '...'" never matches NULL.
class ConsigneeIndex
{
public:
    DatabaseError load(TDataModule1 &db)
    {
        m_ids.clear();
        return db.ForEachRow(QStringLiteral("SELECT ID, NAMAE1, NAMAE2 FROM address ORDER BY ID"),
                             [this](const SqliteStatement &s) {
                                 if (s.columnIsNull(1) || s.columnIsNull(2))
                                     return;
                                 const QString key = keyOf(s.columnText(1).toString(), s.columnText(2).toString());
                                 if (!m_ids.contains(key))
                                     m_ids.insert(key, s.columnText(0).toString());
                             });
    }
    bool contains(const QString &namae1, const QString &namae2) const { return m_ids.contains(keyOf(namae1, namae2)); }
    QString id(const QString &namae1, const QString &namae2) const { return m_ids.value(keyOf(namae1, namae2)); }
    void add(const QString &namae1, const QString &namae2) { m_ids.insert(keyOf(namae1, namae2), QString()); }

private:
    static QString keyOf(const QString &namae1, const QString &namae2)
    {
        // A separator no name line can hold keeps ("ab", "c") apart from ("a", "bc").
        return namae1 + QChar(0) + namae2;
    }
    QHash<QString, QString> m_ids;
};

QString insertConsigneeSql(const CsvImportRow &r)
{
    return QStringLiteral("INSERT INTO address(NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,LOCATION,BUILDING,TEL,NOTES) VALUES(")
           + QStringList{SqlQuote(r.namae1), SqlQuote(r.namae2), SqlQuote(r.zipcode), SqlQuote(r.area),
                         SqlQuote(r.city), SqlQuote(r.location), SqlQuote(r.building), SqlQuote(r.tel),
                         SqlQuote(r.notes)}
                 .join(u',')
           + u')';
}

QString updateItemSql(const CsvImportRow &r, const QString &id, int editionCode)
{
    QString sql = QStringLiteral("UPDATE memberitem SET ");
    sql += QStringLiteral("uriage=") + SqlQuote(r.uriage) + u',';
    for (int n = 0; n < 4; ++n)
        sql += QStringLiteral("itemname%1=").arg(n + 1) + SqlQuote(r.itemNames.value(n)) + u',';
    sql += QStringLiteral("daibiki=") + SqlQuote(r.daibiki) + u',';
    sql += QStringLiteral("hoken=") + SqlQuote(r.hoken) + u',';
    sql += QStringLiteral("NOTES=''");
    sql += QStringLiteral(" WHERE userID=") + id + QStringLiteral(" and kind=") + QString::number(editionCode);
    return sql;
}

QString insertItemSql(const CsvImportRow &r, const QString &id, const CsvImportTarget &target)
{
    const QStringList values = {id, QString::number(target.editionCode), target.senderId, r.uriage,
                                r.itemNames.value(0), r.itemNames.value(1), r.itemNames.value(2), r.itemNames.value(3),
                                QString(), QString(), QString(), r.daibiki, QString(), QString(), QString(), r.hoken,
                                QString()};
    QStringList quoted;
    for (const QString &v : values)
        quoted.append(SqlQuote(v));
    return QStringLiteral("INSERT INTO memberitem(userid,kind,companyID,uriage,itemname1,itemname2,itemname3,"
                          "itemname4,itemname5,arrivedate,timeselect,daibiki,num,kg,charge,hoken,NOTES) VALUES(")
           + quoted.join(u',') + u')';
}

CsvImportOutcome failed(const DatabaseError &error)
{
    CsvImportOutcome outcome;
    outcome.status = CsvImportOutcome::Failed;
    outcome.notice = error.message;
    return outcome;
}

// First pass: the consignees not yet in the address book.
DatabaseError addConsignees(TDataModule1 &db, const QVector<CsvImportRow> &rows, ConsigneeIndex &index, int *added)
{
    DatabaseError error;
    if (db.BeginTransaction(&error))
        return error;
    for (const CsvImportRow &r : rows) {
        if (r.namae1.isEmpty() || index.contains(r.namae1, r.namae2))
            continue;
        // A statement that fails is skipped; the import goes on.
        if (!db.ExecSql(insertConsigneeSql(r))) {
            index.add(r.namae1, r.namae2);
            ++*added;
        }
    }
    db.Commit(&error);
    return error;
}

// Second pass: each line's item data for the edition, on the consignee with its name lines.
DatabaseError writeItemData(TDataModule1 &db, const QVector<CsvImportRow> &rows, const ConsigneeIndex &index,
                            const CsvImportTarget &target, int *written)
{
    DatabaseError error;
    if (db.BeginTransaction(&error))
        return error;
    const QString kind = QString::number(target.editionCode);
    for (const CsvImportRow &r : rows) {
        const QString id = index.id(r.namae1, r.namae2);
        if (id.isEmpty())
            continue;
        const QueryResult count = db.QueryRows(QStringLiteral("SELECT count(*) FROM memberitem where userid='") + id
                                               + QStringLiteral("' and kind='") + kind + QStringLiteral("';"));
        const bool exists = count.rows.value(0, 0).toInt() > 0;
        const QString sql = exists ? updateItemSql(r, id, target.editionCode) : insertItemSql(r, id, target);
        if (!db.ExecSql(sql))
            ++*written;
    }
    db.Commit(&error);
    return error;
}

} // namespace

QString CsvImportedNotice()
{
    return QStringLiteral("CSVファイルから取り込みました。");
}

QString CsvEditorMissingNotice()
{
    return QStringLiteral("CSVエディタ－がインストールされていません\r\n"
                          "Korvel Software Designsのホームページから入手して下さい\r\n"
                          "https://www.korvel-soft.example/");
}

CsvImportOutcome ImportCsvLines(TDataModule1 &db, const QVector<QStringList> &lines, const CsvImportTarget &target)
{
    const CsvImportPlan plan = PlanCsvImport(lines, target.editionCode);
    CsvImportOutcome outcome;

    DatabaseError error = db.OpenDatabase(target.addressDbPath, TDataModule1::OpenMode::ExistingOnly);
    if (error.isError())
        return failed(error);
    ConsigneeIndex index;
    error = index.load(db);
    if (error.isError())
        return failed(error);
    error = addConsignees(db, plan.rows, index, &outcome.consigneesAdded);
    if (error.isError())
        return failed(error);
    if (plan.aborted()) {
        outcome.status = CsvImportOutcome::Aborted;
        outcome.notice = plan.abortNotice;
        return outcome;
    }
    // The IDs of the consignees just added.
    error = index.load(db);
    if (error.isError())
        return failed(error);

    error = db.OpenDatabase(target.membersDbPath, TDataModule1::OpenMode::ExistingOnly);
    if (error.isError())
        return failed(error);
    error = writeItemData(db, plan.rows, index, target, &outcome.itemRowsWritten);
    if (error.isError())
        return failed(error);
    outcome.status = CsvImportOutcome::Imported;
    outcome.notice = CsvImportedNotice();
    return outcome;
}

CsvImportOutcome ImportCsvFile(TDataModule1 &db, const QString &path, const CsvImportTarget &target)
{
    const std::optional<QVector<QStringList>> lines = ReadCsvImportFile(path);
    if (!lines)
        return {};
    return ImportCsvLines(db, *lines, target);
}

CsvImportOutcome RunCsvEditorImport(TDataModule1 &db, const QString &programDir, const QString &workDir,
                                    const CsvImportTarget &target, const std::function<void(bool running)> &running)
{
    const QString editor = FindCsvEditor(programDir);
    if (editor.isEmpty()) {
        CsvImportOutcome outcome;
        outcome.status = CsvImportOutcome::EditorMissing;
        outcome.notice = CsvEditorMissingNotice();
        return outcome;
    }
    if (running)
        running(true);
    RunAndWait(editor, {CsvEditorArgument(workDir, target.editionCode)});
    if (running)
        running(false);
    return ImportCsvFile(db, CsvImportPath(workDir), target);
}
