#include "tools/PrintToolCommands.h"

// Declared by the subsystems that implement them.
#ifdef KORVEL_HAVE_ZIPCODE_COMMANDS
int RunZipcodeCommand(const QStringList &args);
int RunZipcodeSearchCommand(const QStringList &args);
int RunZipcodeImportCommand(const QStringList &args);
#endif
#ifdef KORVEL_HAVE_IMPORT_COMMANDS
int RunCsvImportCommand(const QStringList &args);
int RunExportConsigneesCommand(const QStringList &args);
int RunExportHistoryCommand(const QStringList &args);
#endif
#ifdef KORVEL_HAVE_STORE_COMMANDS
int RunMigrateToServerCommand(const QStringList &args);
#endif

std::vector<PrintToolCommand> PrintToolCommands()
{
    std::vector<PrintToolCommand> commands;
#ifdef KORVEL_HAVE_ZIPCODE_COMMANDS
    commands.push_back({"zipcode", RunZipcodeCommand});
    commands.push_back({"zipcode-search", RunZipcodeSearchCommand});
    commands.push_back({"zipcode-import", RunZipcodeImportCommand});
#endif
#ifdef KORVEL_HAVE_IMPORT_COMMANDS
    commands.push_back({"csv-import", RunCsvImportCommand});
    commands.push_back({"export-consignees", RunExportConsigneesCommand});
    commands.push_back({"export-history", RunExportHistoryCommand});
#endif
#ifdef KORVEL_HAVE_STORE_COMMANDS
    commands.push_back({"migrate-to-server", RunMigrateToServerCommand});
#endif
    return commands;
}

std::vector<const char *> PrintToolDrawingCommandNames()
{
#ifdef KORVEL_HAVE_RENDER_COMMANDS
    return {"render", "pdf"};
#else
    return {};
#endif
}
