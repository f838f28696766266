// korvel-print: the program's drawing, printing and postal-code lookup without a
// window, for scripts and for machines without a display.

#include "tools/PrintToolCommands.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

static void printUsage()
{
    std::fputs(
        "usage: korvel-print COMMAND [options]\n"
        "\n"
        "commands:\n"
        "  render          draw a layout to a PNG image (preview or printer pass)\n"
        "  pdf             print a layout through the printing path into a PDF file\n"
        "  zipcode         look up a postal code\n"
        "  zipcode-search  search the postal-code table like the postal-code guide\n"
        "  zipcode-import  import the national postal-code list into the postal-code table\n"
        "  csv-import      import a CSV intermediate file into the address book\n"
        "\n"
        "'korvel-print COMMAND --help' describes the options of a command.\n",
        stdout);
}

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
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        printUsage();
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    for (const PrintToolCommand &c : PrintToolCommands()) {
        if (command == QLatin1String(c.name))
            return c.run(args);
    }
    std::fprintf(stderr, "korvel-print: unknown command '%s' (see --help)\n", qPrintable(command));
    return 2;
}
