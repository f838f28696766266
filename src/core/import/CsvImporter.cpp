#include "core/import/CsvImporter.h"

#include "core/addressbook/ConsigneeCsv.h"

#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "core/import/CsvEditorLaunch.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvImportPlan.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace {

// The consignees by their two name lines, each pair with its lowest ID: the
// row "SELECT * ... where NAMAE1=... and NAMAE2=..." finds first. Rows with a
// NULL name line are left out, since "= '...'" never matches NULL.
class ConsigneeIndex
{
public:
    DatabaseError load(Database &db)
    {
        m_ids.clear();
        return db.ForEachRow(QStringLiteral("SELECT ID, NAMAE1, NAMAE2 FROM address ORDER BY ID"),
                             [this](const StoreRow &s) {
                                 if (s.columnIsNull(1) || s.columnIsNull(2))
                                     return;
                                 const QString key = keyOf(s.columnText(1).toString(), s.columnText(2).toString());
                                 if (!m_ids.contains(key))
                                     m_ids.insert(key, s.columnText(0).toString());
                             });
    }
    bool contains(const QString &namae1, const QString &namae2) const { return m_ids.contains(keyOf(namae1, namae2)); }
    QString id(const QString &namae1, const QString &namae2) const { return m_ids.value(keyOf(namae1, namae2)); }
    void add(const QString &namae1, const QString &namae2, const QString &id) { m_ids.insert(keyOf(namae1, namae2), id); }

private:
    static QString keyOf(const QString &namae1, const QString &namae2)
    {
        // A separator no name line can hold keeps ("ab", "c") apart from ("a", "bc").
        return namae1 + QChar(0) + namae2;
    }
    QHash<QString, QString> m_ids;
};

// The import's statements, prepared once and run with each line's values
// bound: parsing a new SQL text for every line took most of the import's time.
// Bound values keep the literals' meaning, quotes in values included; the
// item statements go to the member-item file attached as "members".
class ImportStatements
{
public:
    explicit ImportStatements(Database &db) : m_db(db) {}

    DatabaseError prepare()
    {
        DatabaseError error;
        m_insertConsignee =
            m_db.Prepare(QStringLiteral("INSERT INTO address(NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,LOCATION,BUILDING,TEL,"
                                        "NOTES) VALUES(?,?,?,?,?,?,?,?,?)"),
                         &error);
        if (!error.isError())
            m_countItems = m_db.Prepare(
                QStringLiteral("SELECT count(*) FROM members.memberitem where userid=? and kind=?"), &error);
        if (!error.isError())
            m_updateItem = m_db.Prepare(QStringLiteral("UPDATE members.memberitem SET uriage=?,itemname1=?,"
                                                       "itemname2=?,itemname3=?,itemname4=?,daibiki=?,hoken=?,"
                                                       "NOTES='' WHERE userID=? and kind=?"),
                                        &error);
        if (!error.isError())
            m_insertItem = m_db.Prepare(
                QStringLiteral("INSERT INTO members.memberitem(userid,kind,companyID,uriage,itemname1,itemname2,"
                               "itemname3,itemname4,itemname5,arrivedate,timeselect,daibiki,num,kg,charge,hoken,"
                               "NOTES) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                &error);
        return error;
    }

    // Adds a line's consignee; its new ID, or empty text when the insert failed.
    QString insertConsignee(const CsvImportRow &r)
    {
        if (!run(m_insertConsignee, {r.namae1, r.namae2, r.zipcode, r.area, r.city, r.location, r.building, r.tel,
                                     r.notes}))
            return QString();
        return QString::number(m_db.LastInsertId());
    }

    // Writes a line's item data onto the consignee's row for the edition, or
    // as a new row when it has none; true when it was written.
    bool writeItemData(const CsvImportRow &r, const QString &id, const CsvImportTarget &target)
    {
        const QString kind = QString::number(target.editionCode);
        if (rowExists(id, kind))
            return run(m_updateItem, {r.uriage, r.itemNames.value(0), r.itemNames.value(1), r.itemNames.value(2),
                                      r.itemNames.value(3), r.daibiki, r.hoken, id, kind});
        return run(m_insertItem, {id, kind, target.senderId, r.uriage, r.itemNames.value(0), r.itemNames.value(1),
                                  r.itemNames.value(2), r.itemNames.value(3), QString(), QString(), QString(),
                                  r.daibiki, QString(), QString(), QString(), r.hoken, QString()},
                   2);
    }

private:
    bool rowExists(const QString &id, const QString &kind)
    {
        m_countItems.bindText(1, id);
        m_countItems.bindText(2, kind);
        const bool exists = m_countItems.step() == StoreStatement::Row && m_countItems.columnText(0).toInt() > 0;
        m_countItems.reset();
        return exists;
    }

    // Runs a statement with the values bound in order; true when it ran to its
    // end. A statement that fails is skipped; the import goes on.
    // idAt, when given, is the position of an identifier column, whose empty
    // value binds NULL (a server's integer column refuses '').
    static bool run(StoreStatement &statement, const QStringList &values, int idAt = -1)
    {
        // An empty value is bound as empty text, as the literal '' was: a
        // null text would bind NULL, which "NAMAE2=''" no longer matches.
        for (int i = 0; i < values.size(); ++i) {
            if (i == idAt && values.at(i).trimmed().isEmpty())
                statement.bindNull(i + 1);
            else
                statement.bindText(i + 1, values.at(i).isNull() ? QStringView(u"") : QStringView(values.at(i)));
        }
        const bool done = statement.step() == StoreStatement::Done;
        statement.reset();
        return done;
    }

    Database &m_db;
    StoreStatement m_insertConsignee, m_countItems, m_updateItem, m_insertItem;
};

CsvImportOutcome failed(const DatabaseError &error)
{
    CsvImportOutcome outcome;
    outcome.status = CsvImportOutcome::Failed;
    outcome.notice = error.message;
    return outcome;
}

// How many lines pass between two reports: every line of a small file, about
// a hundred reports over a middling one, every hundredth line of a large one.
int progressStep(int total)
{
    return std::clamp(total / 100, 1, 100);
}

// Writes the plan's lines inside the open transaction, line by line: the
// consignee first, then its item data. That gives the same rows as a pass of
// consignees followed by a pass of item data, since a line's consignee is in
// the index (added by that line or an earlier one) when its item data is
// written. A value too long stops the import before any item data is written.
// Returns false when the import was cancelled or a statement could not be
// prepared (then *error is set).
bool writeLines(Database &db, const CsvImportPlan &plan, ConsigneeIndex &index, const CsvImportTarget &target,
                const CsvImportProgress &progress, CsvImportOutcome *outcome, DatabaseError *error)
{
    ImportStatements statements(db);
    *error = statements.prepare();
    if (error->isError())
        return false;
    const bool withItemData = !plan.aborted();
    const int total = int(plan.rows.size());
    const int step = progressStep(total);
    for (int i = 0; i < total; ++i) {
        const CsvImportRow &r = plan.rows.at(i);
        if (!r.namae1.isEmpty() && !index.contains(r.namae1, r.namae2)) {
            const QString id = statements.insertConsignee(r);
            if (!id.isEmpty()) {
                index.add(r.namae1, r.namae2, id);
                ++outcome->consigneesAdded;
            }
        }
        if (withItemData) {
            const QString id = index.id(r.namae1, r.namae2);
            if (!id.isEmpty() && statements.writeItemData(r, id, target))
                ++outcome->itemRowsWritten;
        }
        const int done = i + 1;
        if (progress && (done % step == 0 || done == total) && !progress(done, total))
            return false;
    }
    return true;
}

} // namespace

// The member-item file joins the connection of the consignee file under the
// name "members", so that one transaction covers both: a cancel or a crash
// takes back the consignees and the item data of the import together.
DatabaseError OpenAddressBookWithMembers(Database &db, const CsvImportTarget &target)
{
    // Opened on its own first, so that a missing or damaged file is reported
    // as such instead of being created by the attach.
    DatabaseError error = db.OpenDatabase(target.membersDbPath, Database::OpenMode::ExistingOnly);
    if (error.isError())
        return error;
    error = db.OpenDatabase(target.addressDbPath, Database::OpenMode::ExistingOnly);
    if (error.isError())
        return error;
    return db.AttachMembers(target.membersDbPath);
}

void CloseAddressBookWithMembers(Database &db)
{
    db.DetachMembers();
}

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

QString CsvImportCancelledNotice()
{
    return QStringLiteral("CSVファイルの取り込みをキャンセルしました。\r\nこのファイルのデータは何も登録されていません。");
}

CsvImportOutcome ImportCsvLines(Database &db, const QVector<QStringList> &lines, const CsvImportTarget &target,
                                const CsvImportProgress &progress)
{
    const CsvImportPlan plan = PlanCsvImport(lines, target.editionCode);
    DatabaseError error = OpenAddressBookWithMembers(db, target);
    ConsigneeIndex index;
    if (!error.isError())
        error = index.load(db);
    if (!error.isError())
        db.BeginTransaction(&error);
    if (error.isError()) {
        CloseAddressBookWithMembers(db);
        return failed(error);
    }

    CsvImportOutcome outcome;
    const bool finished = writeLines(db, plan, index, target, progress, &outcome, &error);
    if (!finished || db.Commit(&error))
        db.Rollback();
    CloseAddressBookWithMembers(db);
    if (error.isError())
        return failed(error);
    if (!finished) {
        CsvImportOutcome cancelled;
        cancelled.status = CsvImportOutcome::Cancelled;
        cancelled.notice = CsvImportCancelledNotice();
        return cancelled;
    }
    if (plan.aborted()) {
        outcome.status = CsvImportOutcome::Aborted;
        outcome.notice = plan.abortNotice;
    } else {
        outcome.status = CsvImportOutcome::Imported;
        outcome.notice = CsvImportedNotice();
    }
    return outcome;
}

CsvImportOutcome ImportCsvFile(Database &db, const QString &path, const CsvImportTarget &target,
                               const CsvImportProgress &progress, std::optional<CsvEncoding> encoding)
{
    if (const auto records = ReadConsigneeExportImportFile(path))
        return ImportConsigneeCsv(db, *records, target, progress);
    CsvEncoding used = CsvEncoding::Utf8Bom;
    const std::optional<QVector<QStringList>> lines = ReadCsvImportFile(path, encoding, &used);
    if (!lines)
        return {};
    CsvImportOutcome outcome = ImportCsvLines(db, *lines, target, progress);
    outcome.encoding = used;
    return outcome;
}

CsvImportOutcome RunCsvEditorImport(Database &db, const QString &programDir, const QString &workDir,
                                    const CsvImportTarget &target, const std::function<void(bool running)> &running,
                                    const CsvImportProgress &progress)
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
    return ImportCsvFile(db, CsvImportPath(workDir), target, progress);
}
