// korvel-print-draw: korvel-print's drawing commands (render, pdf). korvel-print
// replaces itself with this program for them, with its own arguments, so that
// korvel-print need not load Qt's GUI libraries for its data commands.

#include "tools/PrintToolCommands.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Taken before the application object exists: Qt removes the options it
    // knows itself (such as --style) from its own argument list.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    QGuiApplication app(argc, argv);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    for (const PrintToolCommand &c : PrintToolDrawingCommands()) {
        if (command == QLatin1String(c.name))
            return c.run(args);
    }
    std::fprintf(stderr, "korvel-print: unknown command '%s' (see --help)\n", qPrintable(command));
    return 2;
}
