#include "ui/printing/BatchPrintCommand.h"

#include "ui/printing/BatchPrint.h"
#include "core/addressbook/SenderRows.h"
#include "core/settings/AppFolders.h"
#include "core/settings/EditionProfile.h"
#include "core/settings/Editions.h"
#include "core/settings/OptionsFile.h"
#include "core/settings/ToolOptions.h"
#include "core/text/TextFields.h"
#include "core/data/StartupDatabases.h"
#include "core/data/Database.h"
#include "core/layout/StyleData.h"
#include "core/drawing/DrawFailureText.h"
#include "ui/printing/PrintToolOptions.h"
#include "core/drawing/ToolStyleOpen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <cstdio>

namespace {

int fail(const QString &message, int code = 2)
{
    std::fprintf(stderr, "korvel-print: pdf: %s\n", qPrintable(message));
    return code;
}

// "all" in identifier order, or the listed identifiers as given.
bool consigneeIds(Database &db, const QString &addressDb, const QString &selection, QStringList *ids, QString *error)
{
    if (selection == QLatin1String("all")) {
        if (db.OpenDatabase(addressDb).isError())
            return false;
        const QueryResult rows = db.QueryRows(QStringLiteral("SELECT ID FROM address ORDER BY ID;"));
        for (const QStringList &row : rows.rows.rows())
            *ids << row.value(0);
        return rows.ok();
    }
    for (const QString &part : selection.split(u',')) {
        int id = 0;
        if (!ParseWholeNumber(part, &id) || id < 1) {
            *error = QStringLiteral("--consignees wants all or ID,ID,..., not '%1'").arg(selection);
            return false;
        }
        *ids << QString::number(id);
    }
    return true;
}

} // namespace

int RunConsigneeBatch(const PrintToolOptions &o)
{
    const int edition = o.editionGiven ? o.edition : 40;
    const Edition &info = EditionFor(edition);
    if (info.code != edition)
        return fail(QStringLiteral("unknown edition %1").arg(edition));
    // The same first-run work as the program: folders, starter files, databases.
    const QString root = o.appdata.isEmpty() ? CommonAppDataRoot() : o.appdata;
    ProgramFolders folders = PrepareProgramFolders(QCoreApplication::applicationDirPath(), info.exeName, root);
    ApplyStoreOption(o.store, &folders);
    const QString addressDb = folders.addressDb();
    const QString membersDb = folders.membersDb();
    Database db;
    const DatabaseError prepared = PrepareAddressBook(db, addressDb, membersDb);
    if (prepared.isError())
        return fail(prepared.message);

    QString styleFile = o.style;
    if (styleFile.isEmpty()) {
        QString name = ProfileFor(edition).defaultStyleFile;
        if (name.isEmpty())
            name = PaperKinds().front().styleFile;
        styleFile = folders.workDir + "/style/" + name;
    }
    StyleData style;
    style.setFolders(folders.programDir, folders.workDir);
    const QString problem = OpenStyleForTool(style, styleFile);
    if (!problem.isEmpty())
        return fail(problem);

    QStringList ids;
    QString error;
    if (!consigneeIds(db, addressDb, o.consignees, &ids, &error))
        return fail(error.isEmpty() ? QStringLiteral("cannot read %1").arg(addressDb) : error);

    MainOptions saved;
    ReadOptionsFile(folders.workDir + "/conf/" + SettingsFileName(info.exeName, ".conf"), saved);
    AssemblyOptions assembly;
    assembly.listPageActive = true;
    const QVector<SenderRow> senders = ReadSenders(db, addressDb);
    assembly.selectedSenderId = o.sender > 0 ? o.sender : senders.isEmpty() ? 0 : senders.first().id.toInt();
    assembly.itemFix = saved.itemFix;
    for (int i = 0; i < 4; ++i)
        assembly.fixItem[i] = saved.fixItem[i];
    assembly.fixKingaku = saved.fixKingaku;
    assembly.yenMark = o.yenMark || saved.yenMark;
    assembly.printDate = o.date.isValid() ? o.date : QDate::currentDate();

    const AssemblySources sources{addressDb, membersDb, folders.workDir + "/conf/singledata.txt", edition};
    RecordAssembly recordAssembly(db, sources);
    BatchPrint batch(db, recordAssembly, sources);
    QPrinter printer(QPrinter::HighResolution);
    PrintJob::configurePdf(printer, o.out);
    PrintJob::Options job;
    job.zoomPercent = o.zoom;
    job.ofxbox = style.window.ofxbox;
    job.ofybox = style.window.ofybox;
    job.workDir = folders.workDir;
    BatchHistory history;
    history.write = !o.noHistory;
    history.date = {assembly.printDate, false};
    // Rows a server that went away could not take wait in the data folder,
    // as the program keeps them.
    PendingHistory pending(folders.dataDir);
    history.pending = &pending;
    PrintRecord record;
    const BatchPrintOutcome outcome = batch.run(printer, ids, assembly, style, record, job, history);
    if (outcome.readError.isError())
        return fail(QStringLiteral("cannot read the address book, nothing printed: %1").arg(outcome.readError.message));
    for (const QString &id : outcome.skipped)
        std::fprintf(stderr, "korvel-print: pdf: consignee %s does not exist; skipped\n", qPrintable(id));
    if (!outcome.ok())
        return fail(QStringLiteral("%1 (%2)").arg(DrawFailureInEnglish(outcome.draw), styleFile));
    if (outcome.printed.isEmpty())
        return fail(QStringLiteral("no consignee to print"), 1);
    if (!outcome.historyNotice.isEmpty())
        std::fprintf(stderr, "korvel-print: pdf: %s\n", qPrintable(outcome.historyNotice.simplified()));
    std::fprintf(stdout, "%s\n", qPrintable(QFileInfo(o.out).absoluteFilePath()));
    return 0;
}
