// korvel-print: the program's drawing, printing and postal-code lookup without a
// window, for scripts and for machines without a display.
//
// The data commands run here with a QCoreApplication: no platform plugin, fonts
// or GUI libraries are loaded for them. The drawing commands are handed on to
// korvel-print-draw (see PrintToolCommands.h).

#include "tools/PrintToolCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

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
        "  export-consignees  write the consignees and their item rows to a CSV file\n"
        "  export-history  write the sending history to a CSV file\n"
        "  migrate-to-server  copy the address book and history into an empty PostgreSQL database\n"
        "\n"
        "'korvel-print COMMAND --help' describes the options of a command.\n",
        stdout);
}

// Replaces this process with korvel-print-draw from the same folder, with the
// same arguments; returns only when that fails.
static int runDrawingProgram(char **argv)
{
    const QByteArray program =
        QFile::encodeName(QCoreApplication::applicationDirPath() + u'/' + QLatin1String(PrintToolDrawingProgram()));
    std::fflush(stdout);
    execv(program.constData(), argv);
    std::fprintf(stderr, "korvel-print: 描画用のプログラム %s を起動できません: %s\n", program.constData(),
                 std::strerror(errno));
    return 2;
}

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        printUsage();
        return args.isEmpty() ? 2 : 0;
    }
    // argv is kept whole for korvel-print-draw: the application object may take
    // Qt's own options out of it.
    const QString command = args.takeFirst();
    std::vector<char *> original(argv, argv + argc + 1);
    QCoreApplication app(argc, argv);
    for (const char *name : PrintToolDrawingCommandNames()) {
        if (command == QLatin1String(name))
            return runDrawingProgram(original.data());
    }
    for (const PrintToolCommand &c : PrintToolCommands()) {
        if (command == QLatin1String(c.name))
            return c.run(args);
    }
    std::fprintf(stderr, "korvel-print: unknown command '%s' (see --help)\n", qPrintable(command));
    return 2;
}
