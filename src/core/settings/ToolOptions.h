#pragma once
// The options of the korvel-print commands that work on an edition's data:
// every one takes "--name value" pairs and a few flags, the data folder
// (--appdata) and the edition (--edition), and answers --help with its usage.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

struct ProgramFolders;

struct ToolOptions {
    QHash<QString, QString> values; // by option name with its dashes ("--out")
    QSet<QString> flags;            // the flags given
    QString appdata;                // --appdata, empty for the program's own
    int edition = 40;               // --edition, a known edition's code
    QString store;                  // --store, a server's URI; empty for the station's setting

    QString value(const QString &name) const { return values.value(name); }
    bool has(const QString &name) const { return values.contains(name) || flags.contains(name); }
};

// Prints "korvel-print: COMMAND: message" on the error output; returns code.
int ToolFailure(const char *command, const QString &message, int code = 2);

// Why a --store value is not one: empty for a server's URI or "local" (the
// files); otherwise the message every command gives.
QString StoreOptionProblem(const QString &value);

// The folders' store as --store asks ("local", a URI); empty keeps the
// station's setting.
void ApplyStoreOption(const QString &store, ProgramFolders *folders);

// Why an --appdata value cannot be used: empty for no value (the program's
// own folder) or an existing folder; otherwise the message every command
// gives. A mistyped folder must not become a new, empty data folder whose
// empty address book reads as success.
QString AppDataProblem(const QString &appdata);

// Reads args: --appdata, --edition and --store always, valued names with a value each,
// flags alone. Returns -1 when they are fine; 0 after --help (the usage
// printed); 2 after an unknown option, a missing value, an unknown edition or
// an --appdata folder that does not exist (reported).
int ReadToolOptions(const char *command, const char *usage, const QStringList &args, const QStringList &valued,
                    const QStringList &flags, ToolOptions *options);
