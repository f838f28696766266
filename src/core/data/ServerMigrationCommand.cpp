// korvel-print migrate-to-server: moves an edition's address book and sending
// history from the local files to an empty PostgreSQL database.

#include "core/data/Database.h"
#include "core/data/PgConnection.h"
#include "core/data/ServerMigration.h"
#include "core/data/StartupDatabases.h"
#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"
#include "core/text/TextFields.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const char usage[] =
    "usage: korvel-print migrate-to-server --store URI [--appdata DIR] [--edition CODE]\n"
    "Copies the address book and the sending history of the edition from the local\n"
    "files into an empty PostgreSQL database, in one transaction: every row with its\n"
    "identifier, or nothing. A database that already holds rows is refused.\n"
    "  --store URI     libpq's connection URI, e.g. postgresql://server/shop; an empty\n"
    "                  one ('') takes PGHOST, PGPORT, PGUSER, PGDATABASE as usual; the\n"
    "                  password comes from ~/.pgpass or PGPASSWORD\n"
    "  --appdata DIR   the common application data folder (default: the program's own)\n"
    "  --edition CODE  10, 20, 30, 40, 50 or 60 (default 40)\n"
    "Exit code 0 when copied, 2 on a usage, database or server error or a refusal.\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "korvel-print: migrate-to-server: %s\n", message.toUtf8().constData());
    return 2;
}

} // namespace

int RunMigrateToServerCommand(const QStringList &args)
{
    QString appdata, store;
    bool storeGiven = false;
    int edition = 40;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (a != QLatin1String("--appdata") && a != QLatin1String("--edition") && a != QLatin1String("--store"))
            return fail(QStringLiteral("unknown option '%1' (see --help)").arg(a));
        if (i + 1 >= args.size())
            return fail(QStringLiteral("%1 needs a value").arg(a));
        const QString value = args.at(++i);
        if (a == QLatin1String("--appdata")) {
            appdata = value;
        } else if (a == QLatin1String("--store")) {
            store = value;
            storeGiven = true;
        } else if (!ParseWholeNumber(value, &edition) || EditionFor(edition).code != edition) {
            return fail(QStringLiteral("unknown edition '%1'").arg(value));
        }
    }
    if (!storeGiven)
        return fail(QStringLiteral("--store URI is needed (see --help)"));

    const QString root = appdata.isEmpty() ? CommonAppDataRoot() : appdata;
    const ProgramFolders folders =
        PrepareProgramFolders(QCoreApplication::applicationDirPath(), EditionFor(edition).exeName, root);
    Database db;
    const DatabaseError prepared = PrepareAddressBook(db, folders.addressDb(), folders.membersDb());
    if (prepared.isError())
        return fail(prepared.message);
    PgConnection pg;
    const DatabaseError connected = pg.open(store);
    if (connected.isError())
        return fail(connected.message);
    const MigrationResult result = CopyLocalStoreToServer(db, folders.addressDb(), folders.membersDb(), pg);
    if (!result.refusal.isEmpty())
        return fail(result.refusal);
    if (result.error.isError())
        return fail(result.error.message);
    for (const MigrationCount &c : result.counts)
        std::printf("%s: %lld\n", c.table.toUtf8().constData(), static_cast<long long>(c.rows));
    return 0;
}
