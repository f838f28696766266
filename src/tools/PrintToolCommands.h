#pragma once
// The subcommands of korvel-print. Each subsystem that offers one implements its
// run function in its own folder; this table only names them.

#include <QStringList>
#include <vector>

struct PrintToolCommand {
    const char *name;
    int (*run)(const QStringList &args); // exit code: 0 ok, 1 nothing found, 2 usage or input error
};

std::vector<PrintToolCommand> PrintToolCommands();
