// korvel-print export-consignees and export-history: the two CSV exports of
// the windows without one, for scripts and the books.

#include "core/addressbook/ConsigneeCsv.h"
#include "core/data/Database.h"
#include "core/data/StartupDatabases.h"
#include "core/history/HistoryExport.h"
#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"
#include "core/text/TextFields.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <cstdio>
#include <functional>

namespace {

const char consigneeUsage[] =
    "usage: korvel-print export-consignees --out FILE [--appdata DIR] [--edition CODE] [--shift-jis]\n"
    "Writes every consignee of the address book with its item row of the edition\n"
    "to a CSV file (a header row, RFC 4180 quoting, UTF-8 with a byte-order mark).\n"
    "  --out FILE      the CSV file to write (replaced when it exists)\n"
    "  --appdata DIR   the common application data folder (default: the program's own)\n"
    "  --edition CODE  10, 20, 30, 40, 50 or 60 (default 40)\n"
    "  --shift-jis     write Shift_JIS (code page 932) instead of UTF-8\n"
    "Exit code 0 when written, 2 on a usage, database or file error.\n";

const char historyUsage[] =
    "usage: korvel-print export-history --out FILE [--appdata DIR] [--edition CODE]\n"
    "                                   [--from DATE] [--to DATE] [--shift-jis]\n"
    "Writes the sending history of the edition, every stored column, to a CSV\n"
    "file: the rows sent from --from to --to (both included, yyyy-MM-dd), oldest\n"
    "first, or without dates every row, newest first as the history list shows it.\n"
    "  --out FILE      the CSV file to write (replaced when it exists)\n"
    "  --appdata DIR   the common application data folder (default: the program's own)\n"
    "  --edition CODE  10, 20, 30, 40, 50 or 60 (default 40)\n"
    "  --from DATE     the first send date\n"
    "  --to DATE       the last send date\n"
    "  --shift-jis     write Shift_JIS (code page 932) instead of UTF-8\n"
    "Exit code 0 when written, 2 on a usage, database or file error.\n";

struct ExportOptions {
    QString appdata, out;
    int edition = 40;
    bool shiftJis = false;
    QDate from, to;
};

int fail(const char *command, const QString &message)
{
    std::fprintf(stderr, "korvel-print: %s: %s\n", command, message.toUtf8().constData());
    return 2;
}

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
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (a == QLatin1String("--shift-jis")) {
            o->shiftJis = true;
            continue;
        }
        const bool takesValue = a == QLatin1String("--appdata") || a == QLatin1String("--edition")
                                || a == QLatin1String("--out")
                                || (dates && (a == QLatin1String("--from") || a == QLatin1String("--to")));
        if (!takesValue)
            return fail(command, QStringLiteral("unknown option '%1' (see --help)").arg(a));
        if (i + 1 >= args.size())
            return fail(command, QStringLiteral("%1 needs a value").arg(a));
        const QString value = args.at(++i);
        if (a == QLatin1String("--appdata")) {
            o->appdata = value;
        } else if (a == QLatin1String("--out")) {
            o->out = value;
        } else if (a == QLatin1String("--edition")) {
            if (!ParseWholeNumber(value, &o->edition) || EditionFor(o->edition).code != o->edition)
                return fail(command, QStringLiteral("unknown edition '%1'").arg(value));
        } else {
            const QDate date = parseDate(value);
            if (!date.isValid())
                return fail(command, QStringLiteral("%1 wants a date yyyy-MM-dd, not '%2'").arg(a, value));
            (a == QLatin1String("--from") ? o->from : o->to) = date;
        }
    }
    if (o->out.isEmpty())
        return fail(command, QStringLiteral("--out FILE is needed (see --help)"));
    return -1;
}

// The edition's folders under the options' data folder, with the address book
// prepared as the program prepares it.
int prepare(const char *command, const ExportOptions &o, Database &db, ProgramFolders *folders)
{
    const QString root = o.appdata.isEmpty() ? CommonAppDataRoot() : o.appdata;
    *folders = PrepareProgramFolders(QCoreApplication::applicationDirPath(), EditionFor(o.edition).exeName, root);
    const DatabaseError prepared = PrepareAddressBook(db, folders->addressDb(), folders->membersDb());
    return prepared.isError() ? fail(command, prepared.message) : -1;
}

int finish(const char *command, const CsvExportOutcome &outcome, const QString &out)
{
    if (!outcome.ok)
        return fail(command, QString(outcome.notice).replace(u'\n', QStringLiteral(": ")));
    std::printf("%lld rows written to %s\n", static_cast<long long>(outcome.rows),
                QFileInfo(out).absoluteFilePath().toUtf8().constData());
    return 0;
}

CsvOutputEncoding encodingOf(const ExportOptions &o)
{
    return o.shiftJis ? CsvOutputEncoding::ShiftJis : CsvOutputEncoding::Utf8Bom;
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
