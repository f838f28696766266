#include "core/postal/ZipcodeCommands.h"

#include "core/settings/AppFolders.h"
#include "core/postal/PostalCodeLookup.h"
#include "core/data/Database.h"
#include "core/postal/ZipGuideBuffer.h"
#include "core/postal/ZipGuideSearch.h"
#include "core/postal/ZipcodeImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace {

struct CommandLine {
    QString value;  // the one positional argument
    QString dbPath; // --db FILE, else the default
    bool help = false;
    QString problem; // a usage error, empty when fine
};

// defaultDb: the database without --db; empty for DefaultZipcodeDatabasePath().
CommandLine parse(const QStringList &args, bool valueMayBeEmpty, const QString &defaultDb = QString())
{
    CommandLine c;
    bool haveValue = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            c.help = true;
        } else if (a == QLatin1String("--db")) {
            if (i + 1 >= args.size()) {
                c.problem = QStringLiteral("--db needs a file name");
                return c;
            }
            c.dbPath = args.at(++i);
        } else if (a.startsWith(QLatin1String("--db="))) {
            c.dbPath = a.mid(5);
        } else if (!haveValue) {
            c.value = a;
            haveValue = true;
        } else {
            c.problem = QStringLiteral("unexpected argument '%1'").arg(a);
            return c;
        }
    }
    if (!c.help && !haveValue && !valueMayBeEmpty)
        c.problem = QStringLiteral("missing argument");
    if (c.dbPath.isEmpty())
        c.dbPath = defaultDb.isEmpty() ? DefaultZipcodeDatabasePath() : defaultDb;
    return c;
}

void printLine(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString &text)
{
    std::fprintf(stderr, "korvel-print: %s\n", text.toUtf8().constData());
}

// The exit code when the command line asks for help (0, usage printed) or is
// wrong (2, reported); nothing when the command is to run.
std::optional<int> helpOrProblem(const CommandLine &c, const char *command, const char *usage)
{
    if (c.help) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (!c.problem.isEmpty()) {
        printError(QLatin1String(command) + QStringLiteral(": ") + c.problem + QStringLiteral(" (see --help)"));
        return 2;
    }
    return std::nullopt;
}

// A lookup or a search reads the table once, page by page; the sqlite3 shell's
// default cache of 2 MiB is enough, where the program's 10000 pages would fill
// the whole 7 MB table into memory the process must first be given.
constexpr int OnePassCacheSize = -2000;

} // namespace

QString DefaultZipcodeDatabasePath()
{
    const QString shared = DataDirFor() + QLatin1String("/zipcode.db3");
    if (QFileInfo(shared).isFile())
        return shared;
    return QCoreApplication::applicationDirPath() + QLatin1String("/databaseXe2/zipcode.db3");
}

int RunZipcodeCommand(const QStringList &args)
{
    const char usage[] = "usage: korvel-print zipcode CODE [--db FILE]\n"
                         "Prints the prefecture, city and town area of the postal code CODE (seven\n"
                         "digits, used exactly as typed), separated by tabs. Exit code 1 when the\n"
                         "code is not in the table.\n";
    const CommandLine c = parse(args, false);
    if (const std::optional<int> exit = helpOrProblem(c, "zipcode", usage))
        return *exit;
    Database db;
    db.setCacheSize(OnePassCacheSize);
    const PostalLookupResult r = LookupPostalCode(db, c.dbPath, c.value);
    if (!r.ok()) {
        printError(QStringLiteral("zipcode: ") + r.error.message);
        return 2;
    }
    if (!r.found)
        return 1;
    printLine(r.area + QLatin1Char('\t') + r.city + QLatin1Char('\t') + r.location);
    return 0;
}

int RunZipcodeSearchCommand(const QStringList &args)
{
    const char usage[] = "usage: korvel-print zipcode-search TEXT [--db FILE]\n"
                         "Lists the rows of the postal-code table whose code, prefecture, city and\n"
                         "town area joined together contain TEXT, like the postal-code guide: one\n"
                         "row a line, the four values separated by tabs. An empty TEXT lists the\n"
                         "whole table. Exit code 1 when nothing is found.\n";
    const CommandLine c = parse(args, true);
    if (const std::optional<int> exit = helpOrProblem(c, "zipcode-search", usage))
        return *exit;
    Database db;
    db.setCacheSize(OnePassCacheSize);
    ZipGuideBuffer buffer;
    const ZipGuideSearchResult r = ZipGuideSearch(db, c.dbPath, c.value, buffer);
    if (!r.ok()) {
        printError(QStringLiteral("zipcode-search: ") + r.error.message);
        return 2;
    }
    for (int i = 0; i < buffer.size(); ++i)
        printLine(buffer.rowTexts(i).join(QLatin1Char('\t')));
    return buffer.size() > 0 ? 0 : 1;
}

int RunZipcodeImportCommand(const QStringList &args)
{
    const char usage[] = "usage: korvel-print zipcode-import CSV [--db FILE]\n"
                         "Imports the national postal-code list CSV (code in field 3, prefecture,\n"
                         "city and town area in fields 7 to 9) into the postal-code table, all in\n"
                         "one transaction, as the postal-code guide does. FILE defaults to the\n"
                         "shared data folder's zipcode.db3; a new file appears only when complete.\n"
                         "Exit code 1 when a line is malformed (nothing is kept), 2 on other errors.\n";
    // Never into the program folder's shipped copy.
    const CommandLine c = parse(args, false, DataDirFor() + QLatin1String("/zipcode.db3"));
    if (const std::optional<int> exit = helpOrProblem(c, "zipcode-import", usage))
        return *exit;
    Database db;
    const ZipImportResult r = ImportNationalPostalCsv(db, c.dbPath, c.value);
    if (r.status == ZipImportStatus::MalformedLine) {
        printError(QStringLiteral("zipcode-import: line %1 is malformed; nothing was imported: %2")
                       .arg(r.badLineNumber)
                       .arg(r.badLine));
        return 1;
    }
    if (!r.ok()) {
        printError(QStringLiteral("zipcode-import: ") + r.error.message);
        return 2;
    }
    printLine(r.insertCountText() + QLatin1Char('\t') + r.insertTimeText());
    return r.failedCount == 0 ? 0 : 2;
}
