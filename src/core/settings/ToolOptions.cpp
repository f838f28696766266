#include "core/settings/ToolOptions.h"

#include "core/data/StoreLocation.h"
#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"
#include "core/text/TextFields.h"

#include <QFileInfo>
#include <cstdio>

int ToolFailure(const char *command, const QString &message, int code)
{
    std::fprintf(stderr, "korvel-print: %s: %s\n", command, message.toUtf8().constData());
    return code;
}

QString StoreOptionProblem(const QString &value)
{
    if (IsServerStore(value) || value == QLatin1String("local"))
        return QString();
    return QStringLiteral("--store takes a postgresql:// URI or 'local', not '%1'").arg(value);
}

QString AppDataProblem(const QString &appdata)
{
    if (appdata.isEmpty() || QFileInfo(appdata).isDir())
        return QString();
    if (QFileInfo::exists(appdata))
        return QStringLiteral("--appdata wants a folder, and '%1' is not one").arg(appdata);
    return QStringLiteral("the data folder '%1' does not exist").arg(appdata);
}

void ApplyStoreOption(const QString &store, ProgramFolders *folders)
{
    if (store == QLatin1String("local"))
        folders->store.clear();
    else if (!store.isEmpty())
        folders->store = store;
}

int ReadToolOptions(const char *command, const char *usage, const QStringList &args, const QStringList &valued,
                    const QStringList &flags, ToolOptions *options)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (flags.contains(a)) {
            options->flags.insert(a);
            continue;
        }
        const bool takesValue = a == QLatin1String("--appdata") || a == QLatin1String("--edition")
                                || a == QLatin1String("--store") || valued.contains(a);
        if (!takesValue)
            return ToolFailure(command, QStringLiteral("unknown option '%1' (see --help)").arg(a));
        if (i + 1 >= args.size())
            return ToolFailure(command, QStringLiteral("%1 needs a value").arg(a));
        const QString value = args.at(++i);
        if (a == QLatin1String("--appdata")) {
            options->appdata = value;
        } else if (a == QLatin1String("--store") && !valued.contains(a)) {
            if (const QString problem = StoreOptionProblem(value); !problem.isEmpty())
                return ToolFailure(command, problem);
            options->store = value;
        } else if (a == QLatin1String("--edition")) {
            if (!ParseWholeNumber(value, &options->edition) || EditionFor(options->edition).code != options->edition)
                return ToolFailure(command, QStringLiteral("unknown edition '%1'").arg(value));
        } else {
            options->values.insert(a, value);
        }
    }
    if (const QString problem = AppDataProblem(options->appdata); !problem.isEmpty())
        return ToolFailure(command, problem);
    return -1;
}
