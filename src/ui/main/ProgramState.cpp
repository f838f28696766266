#include "ui/main/ProgramState.h"

#include "core/settings/Editions.h"
#include "ui/printing/PrinterBinding.h"

#include <QPrinter>

ProgramState::ProgramState(const QString &programDir, const QString &exeName, const QString &appDataRoot)
    : folders(PrepareProgramFolders(programDir, exeName, appDataRoot))
{
    style.setFolders(folders.programDir, folders.workDir);
    profile = ProfileFor(folders.editionCode);
    defaultStyleFile = profile.defaultStyleFile;
    // An edition without a profile has no form of its own; it starts on the
    // first paper kind and offers the paper-kind selector to change it.
    if (defaultStyleFile.isEmpty())
        defaultStyleFile = PaperKinds().front().styleFile;
    automaticPdfPath = folders.workDir + "/pdf/" + EditionFor(folders.editionCode).exeName + ".pdf";
}

ProgramState::~ProgramState() = default;

QString ProgramState::optionsFilePath() const
{
    return folders.workDir + "/conf/" + SettingsFileName(folders.exeName, ".conf");
}

QString ProgramState::printerFilePath() const
{
    return folders.workDir + "/conf/" + SettingsFileName(folders.exeName, ".prt");
}

QString ProgramState::windowFilePath() const
{
    return folders.workDir + "/ini/" + SettingsFileName(folders.exeName, ".xml");
}

AssemblySources ProgramState::assemblySources() const
{
    return AssemblySources{addressDbPath(), membersDbPath(), SingleDataPath(folders.workDir), editionCode()};
}

QPrinter &ProgramState::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!HasSystemPrinter())
            EnsurePdfOutput(*m_printer, automaticPdfPath);
    }
    return *m_printer;
}
