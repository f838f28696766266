#include "tools/PrintToolCommands.h"

// Declared by the subsystem that implements them.
#ifdef KORVEL_HAVE_RENDER_COMMANDS
int RunRenderCommand(const QStringList &args);
int RunPdfCommand(const QStringList &args);
#endif

std::vector<PrintToolCommand> PrintToolDrawingCommands()
{
    std::vector<PrintToolCommand> commands;
#ifdef KORVEL_HAVE_RENDER_COMMANDS
    commands.push_back({"render", RunRenderCommand});
    commands.push_back({"pdf", RunPdfCommand});
#endif
    return commands;
}
