// korvel-print csv-import: the second half of the CSV import (the intermediate
// file into the address book) without a window, for scripts and for tests that
// interrupt it.

#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"
#include "core/settings/ToolOptions.h"
#include "core/text/TextFields.h"
#include "core/data/StartupDatabases.h"
#include "core/data/Database.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvImporter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

const char usage[] =
    "usage: korvel-print csv-import [--appdata DIR] [--edition CODE] [--file FILE] [--sender ID]\n"
    "                              [--store URI] [--encoding NAME]\n"
    "Imports a CSV intermediate file (14 fields a line, each followed by a comma)\n"
    "into the address book, as the program does after the CSV editor has ended:\n"
    "consignees not yet there by their two name lines are added, and every line's\n"
    "item data is written for the edition.\n"
    "  --appdata DIR   the common application data folder (default: the program's own)\n"
    "  --store URI     a PostgreSQL server's address book (postgresql://host/db), or 'local'\n"
    "  --edition CODE  10, 20, 30, 40, 50 or 60 (default 40)\n"
    "  --file FILE     the intermediate file (default: <work folder>/conf/csvImport.tmp)\n"
    "  --sender ID     the sender stored with new item rows (default: none)\n"
    "  --encoding NAME utf-8, shift_jis, utf-16le or utf-16be (default: the one under\n"
    "                  which the file reads as Japanese; the output names it)\n"
    "Exit code 0 when imported, 1 when the file is missing or a value too long\n"
    "stopped the import, 2 on a usage or database error.\n";

int fail(const QString &message, int code = 2)
{
    return ToolFailure("csv-import", message, code);
}

// The encoding --encoding names; std::nullopt for a name it does not know.
std::optional<CsvEncoding> encodingNamed(const QString &name)
{
    const QString n = name.toLower().remove(u'-').remove(u'_');
    if (n == QLatin1String("utf8"))
        return CsvEncoding::Utf8;
    if (n == QLatin1String("shiftjis") || n == QLatin1String("sjis") || n == QLatin1String("cp932"))
        return CsvEncoding::Cp932;
    if (n == QLatin1String("utf16le"))
        return CsvEncoding::Utf16Le;
    if (n == QLatin1String("utf16be"))
        return CsvEncoding::Utf16Be;
    return std::nullopt;
}

} // namespace

int RunCsvImportCommand(const QStringList &args)
{
    ToolOptions o;
    if (const int code = ReadToolOptions("csv-import", usage, args,
                                         {QStringLiteral("--file"), QStringLiteral("--sender"),
                                          QStringLiteral("--encoding")},
                                         {}, &o);
        code >= 0)
        return code;
    QString file = o.value(QStringLiteral("--file"));
    const int edition = o.edition;
    int sender = 0;
    if (o.values.contains(QStringLiteral("--sender"))
        && (!ParseWholeNumber(o.value(QStringLiteral("--sender")), &sender) || sender < 1))
        return fail(QStringLiteral("--sender wants a sender ID, not '%1'").arg(o.value(QStringLiteral("--sender"))));

    std::optional<CsvEncoding> encoding;
    if (o.values.contains(QStringLiteral("--encoding"))) {
        encoding = encodingNamed(o.value(QStringLiteral("--encoding")));
        if (!encoding)
            return fail(QStringLiteral("--encoding wants utf-8, shift_jis, utf-16le or utf-16be, not '%1'")
                            .arg(o.value(QStringLiteral("--encoding"))));
    }

    const QString root = o.appdata.isEmpty() ? CommonAppDataRoot() : o.appdata;
    ProgramFolders folders =
        PrepareProgramFolders(QCoreApplication::applicationDirPath(), EditionFor(edition).exeName, root);
    ApplyStoreOption(o.store, &folders);
    CsvImportTarget target;
    target.addressDbPath = folders.addressDb();
    target.membersDbPath = folders.membersDb();
    target.editionCode = edition;
    if (sender > 0)
        target.senderId = QString::number(sender);
    Database db;
    const DatabaseError prepared = PrepareAddressBook(db, target.addressDbPath, target.membersDbPath);
    if (prepared.isError())
        return fail(prepared.message);

    if (file.isEmpty())
        file = CsvImportPath(folders.workDir);
    const CsvImportOutcome outcome = ImportCsvFile(db, file, target, {}, encoding);
    switch (outcome.status) {
    case CsvImportOutcome::Imported:
        std::printf("%d consignees added, %d item rows written (read as %s)\n", outcome.consigneesAdded,
                    outcome.itemRowsWritten, CsvEncodingName(outcome.encoding).toUtf8().constData());
        return 0;
    case CsvImportOutcome::NoFile:
        return fail(QStringLiteral("no intermediate file %1").arg(QFileInfo(file).absoluteFilePath()), 1);
    case CsvImportOutcome::Aborted:
        return fail(QString(outcome.notice).replace(QStringLiteral("\r\n"), QStringLiteral(": ")), 1);
    case CsvImportOutcome::EditorMissing:
    case CsvImportOutcome::Failed:
    case CsvImportOutcome::Cancelled: // nothing here cancels
        break;
    }
    return fail(outcome.notice);
}
