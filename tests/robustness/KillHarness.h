#pragma once
// Runs korvel-print and kills it with SIGKILL after a random delay, and checks
// what a killed run must never leave behind: a damaged database, or a settings
// or style file that no longer reads.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <random>

#include <QProcessEnvironment>
#include <functional>

// The staged program folder's korvel-print.
QString KorvelPrintPath();

// A program of the staged program folder, e.g. "zerrat_xe2" (the window of edition 40).
QString StagedProgramPath(const QString &name);

// How a run ended.
struct ToolRun {
    bool killed = false; // killed before it ended by itself
    int exitCode = -1;   // when not killed
    qint64 elapsedMs = 0;
    QString err;
};

// Runs korvel-print with args to its end (at most a minute).
ToolRun RunToCompletion(const QStringList &args);

// Starts korvel-print with args and kills it after delayMs unless it ended first.
ToolRun RunAndKill(const QStringList &args, int delayMs);

// The same for any program, with extra environment variables.
ToolRun RunAndKill(const QString &program, const QStringList &args, const QProcessEnvironment &extra, int delayMs);

// Starts program and kills it as soon as done() holds (asked every 20 ms) or
// after timeoutMs; true when done() held. For a window that never ends by itself.
bool RunUntil(const QString &program, const QProcessEnvironment &extra, const std::function<bool()> &done,
              int timeoutMs, qint64 *elapsedMs = nullptr);

// The seed of this test program's random delays: $KORVEL_KILL_SEED when set,
// else a fresh one. Printed once, so that a failure can be repeated.
std::uint32_t KillSeed();

// Kills per scenario: $KORVEL_KILL_ITERATIONS when set; fewer under the
// sanitizers, where every run is several times slower.
int KillIterations();

// The size of a scenario's data: normal, or a sixth of it under the sanitizers.
int FixtureSize(int normal);

// "ok" or the first finding of PRAGMA integrity_check on the file.
QString IntegrityOf(const QString &dbPath);

// Runs IntegrityOf on every "*.db3" file (and build file of one) under folder,
// recursively; returns "path: finding" for each that is not "ok".
QStringList DamagedDatabases(const QString &folder);

// Reads every settings, style and single-print data file under the work
// folders of appDataRoot with the program's own readers; returns "path: reason"
// for each that does not read.
QStringList UnreadableSettingsFiles(const QString &appDataRoot);
