// korvel-print export-consignees and export-history: the two CSV exports of
// the windows without one, for scripts and the books.

#include "core/addressbook/ConsigneeCsv.h"
#include "core/data/Database.h"
#include "core/data/StartupDatabases.h"
#include "core/history/HistoryExport.h"
#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"
#include "core/settings/ToolOptions.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <cstdio>
#include <functional>

namespace {

const char consigneeUsage[] =
    "usage: korvel-print export-consignees --out FILE [--appdata DIR] [--edition CODE] [--store URI]\n"
    "                                      [--shift-jis [--substitute]]\n"
    "Writes every consignee of the address book with its item row of the edition\n"
    "to a CSV file (a header row, RFC 4180 quoting, UTF-8 with a byte-order mark).\n"
    "  --out FILE      the CSV file to write (replaced when it exists)\n"
    "  --appdata DIR   the common application data folder (default: the program's own)\n"
    "  --edition CODE  10, 20, 30, 40, 50 or 60 (default 40)\n"
    "  --store URI     a PostgreSQL server's address book (postgresql://host/db), or 'local'\n"
    "  --shift-jis     write Shift_JIS (code page 932) instead of UTF-8; a character it\n"
    "                  cannot hold refuses the file, and every such character is listed\n"
    "  --substitute    with --shift-jis, write such characters as U+3013 (geta mark) instead\n"
    "Exit code 0 when written, 1 when Shift_JIS cannot hold some characters, 2 on a\n"
    "usage, database or file error.\n";

const char historyUsage[] =
    "usage: korvel-print export-history --out FILE [--appdata DIR] [--edition CODE] [--store URI]\n"
    "                                   [--from DATE] [--to DATE] [--shift-jis [--substitute]]\n"
    "Writes the sending history of the edition, every stored column, to a CSV\n"
    "file: the rows sent from --from to --to (both included, yyyy-MM-dd), oldest\n"
    "first, or without dates every row, newest first as the history list shows it.\n"
    "  --out FILE      the CSV file to write (replaced when it exists)\n"
    "  --appdata DIR   the common application data folder (default: the program's own)\n"
    "  --edition CODE  10, 20, 30, 40, 50 or 60 (default 40)\n"
    "  --store URI     a PostgreSQL server's history (postgresql://host/db), or 'local'\n"
    "  --from DATE     the first send date\n"
    "  --to DATE       the last send date\n"
    "  --shift-jis     write Shift_JIS (code page 932) instead of UTF-8; a character it\n"
    "                  cannot hold refuses the file, and every such character is listed\n"
    "  --substitute    with --shift-jis, write such characters as U+3013 (geta mark) instead\n"
    "Exit code 0 when written, 1 when Shift_JIS cannot hold some characters, 2 on a\n"
    "usage, database or file error.\n";

struct ExportOptions {
    QString appdata, out, store;
    int edition = 40;
    bool shiftJis = false;
    bool substitute = false;
    QDate from, to;
};

QDate parseDate(const QString &text)
{
    QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = QDate::fromString(text, QStringLiteral("yyyy/MM/dd"));
    return date;
}

// Reads the options; -1 when they are fine, else the exit code (0 after --help).
int parse(const char *command, const char *usage, bool dates, const QStringList &args, ExportOptions *o)
{
    QStringList valued{QStringLiteral("--out")};
    if (dates)
        valued << QStringLiteral("--from") << QStringLiteral("--to");
    ToolOptions read;
    if (const int code = ReadToolOptions(command, usage, args, valued,
                                         {QStringLiteral("--shift-jis"), QStringLiteral("--substitute")}, &read);
        code >= 0)
        return code;
    o->appdata = read.appdata;
    o->store = read.store;
    o->edition = read.edition;
    o->out = read.value(QStringLiteral("--out"));
    o->shiftJis = read.has(QStringLiteral("--shift-jis"));
    o->substitute = read.has(QStringLiteral("--substitute"));
    if (o->substitute && !o->shiftJis)
        return ToolFailure(command, QStringLiteral("--substitute goes with --shift-jis (UTF-8 holds every character)"));
    for (const QString name : {QStringLiteral("--from"), QStringLiteral("--to")}) {
        if (!read.values.contains(name))
            continue;
        const QDate date = parseDate(read.value(name));
        if (!date.isValid())
            return ToolFailure(command, QStringLiteral("%1 wants a date yyyy-MM-dd, not '%2'").arg(name, read.value(name)));
        (name == QLatin1String("--from") ? o->from : o->to) = date;
    }
    if (o->out.isEmpty())
        return ToolFailure(command, QStringLiteral("--out FILE is needed (see --help)"));
    return -1;
}

// The edition's folders under the options' data folder, with the address book
// prepared as the program prepares it.
int prepare(const char *command, const ExportOptions &o, Database &db, ProgramFolders *folders)
{
    const QString root = o.appdata.isEmpty() ? CommonAppDataRoot() : o.appdata;
    *folders = PrepareProgramFolders(QCoreApplication::applicationDirPath(), EditionFor(o.edition).exeName, root);
    ApplyStoreOption(o.store, folders);
    const DatabaseError prepared = PrepareAddressBook(db, folders->addressDb(), folders->membersDb());
    return prepared.isError() ? ToolFailure(command, prepared.message) : -1;
}

int finish(const char *command, const CsvExportOutcome &outcome, const QString &out)
{
    if (outcome.refusedCharacters()) {
        // Every character on a line of its own, so that a long list stays readable.
        ToolFailure(command, QStringLiteral("%1 characters have no Shift_JIS form; nothing written "
                                            "(--substitute writes U+3013 for them):")
                                 .arg(outcome.unwritableCount));
        for (const QString &line : CsvUnwritableLines(outcome.unwritable))
            std::fprintf(stderr, "  %s\n", line.toUtf8().constData());
        if (outcome.unwritableCount > outcome.unwritable.size())
            std::fprintf(stderr, "  ... %lld more\n",
                         static_cast<long long>(outcome.unwritableCount - outcome.unwritable.size()));
        return 1;
    }
    if (!outcome.ok)
        return ToolFailure(command, QString(outcome.notice).replace(u'\n', QStringLiteral(": ")));
    std::printf("%lld rows written to %s\n", static_cast<long long>(outcome.rows),
                QFileInfo(out).absoluteFilePath().toUtf8().constData());
    if (outcome.substituted > 0)
        std::printf("%lld characters without a Shift_JIS form written as U+3013\n",
                    static_cast<long long>(outcome.substituted));
    return 0;
}

CsvOutputEncoding encodingOf(const ExportOptions &o)
{
    if (!o.shiftJis)
        return CsvOutputEncoding::Utf8Bom;
    return o.substitute ? CsvOutputEncoding::ShiftJisSubstituting : CsvOutputEncoding::ShiftJis;
}

} // namespace

namespace {

// Reads the options, prepares the edition's address book and writes the file.
int runExport(const char *command, const char *usage, bool dates, const QStringList &args,
              const std::function<CsvExportOutcome(Database &, const ProgramFolders &, const ExportOptions &)> &write)
{
    ExportOptions o;
    Database db;
    ProgramFolders folders;
    if (const int code = parse(command, usage, dates, args, &o); code >= 0)
        return code;
    if (const int code = prepare(command, o, db, &folders); code >= 0)
        return code;
    return finish(command, write(db, folders, o), o.out);
}

} // namespace

int RunExportConsigneesCommand(const QStringList &args)
{
    return runExport("export-consignees", consigneeUsage, false, args,
                     [](Database &db, const ProgramFolders &folders, const ExportOptions &o) {
                         return ExportConsignees(db, folders.addressDb(), folders.membersDb(), o.edition, {}, o.out,
                                                 encodingOf(o));
                     });
}

int RunExportHistoryCommand(const QStringList &args)
{
    return runExport("export-history", historyUsage, true, args,
                     [](Database &db, const ProgramFolders &folders, const ExportOptions &o) {
                         HistoryExportQuery query;
                         query.editionCode = o.edition;
                         query.from = o.from;
                         query.to = o.to;
                         return ExportHistory(db, folders.membersDb(), query, o.out, encodingOf(o));
                     });
}
