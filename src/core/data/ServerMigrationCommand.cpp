// korvel-print migrate-to-server: moves the station's address book and sending
// history (every edition's, as the local files hold them together) to an
// empty PostgreSQL database.

#include "core/data/Database.h"
#include "core/data/PgConnection.h"
#include "core/data/ServerMigration.h"
#include "core/data/StartupDatabases.h"
#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"
#include "core/settings/ToolOptions.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const char usage[] =
    "usage: korvel-print migrate-to-server --store URI [--appdata DIR] [--edition CODE]\n"
    "Copies the whole address book and the sending history and item data of every\n"
    "edition from the local files into an empty PostgreSQL database, in one\n"
    "transaction: every row with its identifier, or nothing. A database that already\n"
    "holds rows is refused.\n"
    "  --store URI     libpq's connection URI, e.g. postgresql://server/shop; an empty\n"
    "                  one ('') takes PGHOST, PGPORT, PGUSER, PGDATABASE as usual; the\n"
    "                  password comes from ~/.pgpass or PGPASSWORD\n"
    "  --appdata DIR   the common application data folder (default: the program's own)\n"
    "  --edition CODE  10, 20, 30, 40, 50 or 60 (default 40); names the program whose\n"
    "                  folders are used, and does not limit what is copied\n"
    "Exit code 0 when copied, 2 on a usage, database or server error or a refusal.\n";

} // namespace

int RunMigrateToServerCommand(const QStringList &args)
{
    const char *command = "migrate-to-server";
    ToolOptions o;
    if (const int code = ReadToolOptions(command, usage, args, {QStringLiteral("--store")}, {}, &o); code >= 0)
        return code;
    if (!o.values.contains(QStringLiteral("--store")))
        return ToolFailure(command, QStringLiteral("--store URI is needed (see --help)"));
    const QString store = o.value(QStringLiteral("--store"));
    auto fail = [command](const QString &message) { return ToolFailure(command, message); };

    const QString root = o.appdata.isEmpty() ? CommonAppDataRoot() : o.appdata;
    const ProgramFolders folders =
        PrepareProgramFolders(QCoreApplication::applicationDirPath(), EditionFor(o.edition).exeName, root);
    Database db;
    const DatabaseError prepared = PrepareAddressBook(db, folders.localAddressDb(), folders.localMembersDb());
    if (prepared.isError())
        return fail(prepared.message);
    PgConnection pg;
    const DatabaseError connected = pg.open(store);
    if (connected.isError())
        return fail(connected.message);
    const MigrationResult result = CopyLocalStoreToServer(db, folders.localAddressDb(), folders.localMembersDb(), pg);
    if (!result.refusal.isEmpty())
        return fail(result.refusal);
    if (result.error.isError())
        return fail(result.error.message);
    for (const MigrationCount &c : result.counts)
        std::printf("%s: %lld\n", c.table.toUtf8().constData(), static_cast<long long>(c.rows));
    return 0;
}
