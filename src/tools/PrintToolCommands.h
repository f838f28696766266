#pragma once
// The subcommands of korvel-print. Each subsystem that offers one implements its
// run function in its own folder; these tables only name them.
//
// korvel-print itself links QtCore and SQLite only, so that a postal-code
// lookup or an import starts about as fast as the sqlite3 shell: loading Qt's
// GUI, widget and printing libraries alone took longer than the lookup. The
// drawing commands need those libraries and a QGuiApplication; they run in
// korvel-print-draw beside it, which korvel-print replaces itself with.

#include <QStringList>
#include <vector>

struct PrintToolCommand {
    const char *name;
    int (*run)(const QStringList &args); // exit code: 0 ok, 1 nothing found, 2 usage or input error
};

// The commands korvel-print runs itself: they read and write data only.
std::vector<PrintToolCommand> PrintToolCommands();

// The names of the drawing commands, which korvel-print hands on to korvel-print-draw.
std::vector<const char *> PrintToolDrawingCommandNames();

// The drawing commands themselves, linked into korvel-print-draw only.
std::vector<PrintToolCommand> PrintToolDrawingCommands();

// The name of the program that runs the drawing commands, in korvel-print's folder.
inline const char *PrintToolDrawingProgram()
{
    return "korvel-print-draw";
}
