#include "data/ZipcodeCommands.h"

#include "app/AppFolders.h"
#include "data/PostalCodeLookup.h"
#include "data/TDataModule1.h"
#include "data/ZipGuideBuffer.h"
#include "data/ZipGuideSearch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

struct CommandLine {
    QString value;  // the one positional argument
    QString dbPath; // --db FILE, else the default
    bool help = false;
    QString problem; // a usage error, empty when fine
};

CommandLine parse(const QStringList &args, bool valueMayBeEmpty)
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
        c.dbPath = DefaultZipcodeDatabasePath();
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
    const CommandLine c = parse(args, false);
    if (c.help) {
        std::fputs("usage: korvel-print zipcode CODE [--db FILE]\n"
                   "Prints the prefecture, city and town area of the postal code CODE (seven\n"
                   "digits, used exactly as typed), separated by tabs. Exit code 1 when the\n"
                   "code is not in the table.\n",
                   stdout);
        return 0;
    }
    if (!c.problem.isEmpty()) {
        printError(QStringLiteral("zipcode: ") + c.problem + QStringLiteral(" (see --help)"));
        return 2;
    }
    TDataModule1 db;
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
    const CommandLine c = parse(args, true);
    if (c.help) {
        std::fputs("usage: korvel-print zipcode-search TEXT [--db FILE]\n"
                   "Lists the rows of the postal-code table whose code, prefecture, city and\n"
                   "town area joined together contain TEXT, like the postal-code guide: one\n"
                   "row a line, the four values separated by tabs. An empty TEXT lists the\n"
                   "whole table. Exit code 1 when nothing is found.\n",
                   stdout);
        return 0;
    }
    if (!c.problem.isEmpty()) {
        printError(QStringLiteral("zipcode-search: ") + c.problem + QStringLiteral(" (see --help)"));
        return 2;
    }
    TDataModule1 db;
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
