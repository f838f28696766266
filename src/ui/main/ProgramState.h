#pragma once
// The program-wide state one window works on: the edition and its folders, the
// one layout and the print record on it, the saved options, the database
// connection and the printer. The main window owns it; the command classes
// receive it, so that none of them needs the window.

#include "core/addressbook/RecordAssembly.h"
#include "core/data/Database.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"
#include "core/postal/PostalTableSource.h"
#include "core/settings/AppFolders.h"
#include "core/settings/EditionProfile.h"
#include "core/settings/OptionsFile.h"

#include <QString>
#include <memory>

class QPrinter;

class ProgramState
{
public:
    ProgramState(const QString &programDir, const QString &exeName, const QString &appDataRoot);
    ~ProgramState();
    ProgramState(const ProgramState &) = delete;
    ProgramState &operator=(const ProgramState &) = delete;

    ProgramFolders folders;
    // The station's server did not answer at start; this session uses the local files.
    bool workingLocallyInstead = false;
    EditionProfile profile;
    StyleData style;
    PrintRecord record;
    MainOptions options;
    Database db;
    // The postal-code table in memory for the postal-code and address check.
    PostalTableSource postalTable;
    // Made once the databases are open (the second part of the first show).
    std::unique_ptr<RecordAssembly> assembly;
    // The style file the window opens: the edition's, or the paper kind chosen.
    QString defaultStyleFile;
    // The PDF printed to when the machine has no printer; replaced without a
    // question by every print that goes there.
    QString automaticPdfPath;
    // The print-settings page's postal-code conversion choice.
    int zipConvOption = 0;
    // False until the second part of the first show has begun.
    bool started = false;
    // False while the program (re)initialises the layout.
    bool styleReady = false;
    // True while the CSV editor runs; a close is refused meanwhile.
    bool csvEditorRunning = false;

    int editionCode() const { return folders.editionCode; }
    QString addressDbPath() const { return folders.addressDb(); }
    QString membersDbPath() const { return folders.membersDb(); }
    QString zipcodeDbPath() const { return folders.dataDir + "/zipcode.db3"; }
    QString optionsFilePath() const;
    QString printerFilePath() const;
    QString windowFilePath() const;
    QString imagesDir() const { return folders.programDir + "/images/"; }
    AssemblySources assemblySources() const;

    // Made on first use: a QPrinter loads the print support plugin and asks the
    // print system for its printers, which the window need not wait for.
    QPrinter &printer();

private:
    std::unique_ptr<QPrinter> m_printer;
};
