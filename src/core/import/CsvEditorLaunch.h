#pragma once
// What passes between the program and the CSV editor it starts: where the
// editor lives, the one argument it gets ("<WorkDir>/conf,<EditionCode>,"),
// and the wait for it to end while the windows stay alive.

#include <QString>
#include <QStringList>

// The editor's file name in the program folder.
QString CsvEditorFileName();

// The editor's path in programDir: "csv_importXe2", or "csv_importXe2.exe"
// when only that exists. Empty when neither exists.
QString FindCsvEditor(const QString &programDir);

// The argument the editor is started with: WorkDir + "/conf," + code + ",".
QString CsvEditorArgument(const QString &workDir, int editionCode);

// Reads the argument back into the conf folder and the edition code. The
// folder may itself hold commas: the code is what stands between the last two.
bool ParseCsvEditorArgument(const QString &argument, QString *confDir, int *editionCode);

// Starts the program with the arguments and returns when it has ended, running
// the event loop meanwhile so that windows keep painting and answering. False
// when the program could not be started.
bool RunAndWait(const QString &program, const QStringList &arguments);
