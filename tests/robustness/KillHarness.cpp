#include "KillHarness.h"

#include "core/settings/OptionsFile.h"
#include "core/settings/PrinterSettingsFile.h"
#include "core/settings/WindowPositionFile.h"
#include "core/data/Database.h"
#include "core/layout/PrintRecord.h"
#include "core/layout/StyleData.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

void configure(QProcess &p, const QString &program, const QStringList &args,
               const QProcessEnvironment &extra = QProcessEnvironment())
{
    p.setProgram(program);
    p.setArguments(args);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(extra);
    p.setProcessEnvironment(env);
}

void killNow(QProcess &p)
{
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished(10000);
}

ToolRun finish(QProcess &p, const QElapsedTimer &timer, bool killed)
{
    ToolRun r;
    r.killed = killed;
    r.elapsedMs = timer.elapsed();
    r.exitCode = !killed && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

constexpr bool sanitizerBuild()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

} // namespace

QString KorvelPrintPath()
{
    return StagedProgramPath(QStringLiteral("korvel-print"));
}

QString StagedProgramPath(const QString &name)
{
    return qEnvironmentVariable("KORVEL_TEST_PROGRAM_DIR") + u'/' + name;
}

ToolRun RunToCompletion(const QStringList &args)
{
    QProcess p;
    configure(p, KorvelPrintPath(), args);
    QElapsedTimer timer;
    timer.start();
    p.start();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ToolRun r = finish(p, timer, true);
        r.err += QStringLiteral("(did not end within a minute)");
        return r;
    }
    return finish(p, timer, false);
}

ToolRun RunAndKill(const QStringList &args, int delayMs)
{
    return RunAndKill(KorvelPrintPath(), args, QProcessEnvironment(), delayMs);
}

ToolRun RunAndKill(const QString &program, const QStringList &args, const QProcessEnvironment &extra, int delayMs)
{
    QProcess p;
    configure(p, program, args, extra);
    QElapsedTimer timer;
    timer.start();
    p.start();
    if (!p.waitForStarted(10000))
        return finish(p, timer, false);
    if (p.waitForFinished(delayMs))
        return finish(p, timer, false);
    killNow(p);
    return finish(p, timer, true);
}

bool RunUntil(const QString &program, const QProcessEnvironment &extra, const std::function<bool()> &done,
              int timeoutMs, qint64 *elapsedMs)
{
    QProcess p;
    configure(p, program, {}, extra);
    QElapsedTimer timer;
    timer.start();
    p.start();
    bool reached = false;
    while (!reached && timer.elapsed() < timeoutMs && !p.waitForFinished(20))
        reached = done();
    if (elapsedMs)
        *elapsedMs = timer.elapsed();
    if (p.state() != QProcess::NotRunning)
        killNow(p);
    return reached || done();
}

std::uint32_t KillSeed()
{
    static const std::uint32_t seed = [] {
        bool ok = false;
        const std::uint32_t fromEnv = qEnvironmentVariable("KORVEL_KILL_SEED").toUInt(&ok);
        const std::uint32_t s = ok ? fromEnv : std::random_device{}();
        std::printf("kill seed %u (repeat with KORVEL_KILL_SEED=%u)\n", s, s);
        std::fflush(stdout);
        return s;
    }();
    return seed;
}

int KillIterations()
{
    bool ok = false;
    const int fromEnv = qEnvironmentVariable("KORVEL_KILL_ITERATIONS").toInt(&ok);
    if (ok && fromEnv > 0)
        return fromEnv;
    return sanitizerBuild() ? 5 : 15;
}

int FixtureSize(int normal)
{
    return sanitizerBuild() ? normal / 6 : normal;
}

QString IntegrityOf(const QString &dbPath)
{
    Database db;
    const DatabaseError opened = db.OpenDatabase(dbPath, Database::OpenMode::ExistingOnly);
    if (opened.isError())
        return opened.message;
    const QueryResult check = db.QueryRows(QStringLiteral("PRAGMA integrity_check"));
    if (!check.ok())
        return check.error.message;
    const QString first = check.rows.value(0, 0);
    return check.rows.size() == 1 ? first : first + QStringLiteral(" (and more)");
}

QStringList DamagedDatabases(const QString &folder)
{
    QStringList damaged;
    QDirIterator it(folder, {QStringLiteral("*.db3"), QStringLiteral("*.db3.part")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString finding = IntegrityOf(path);
        if (finding != QLatin1String("ok"))
            damaged << path + QStringLiteral(": ") + finding;
    }
    return damaged;
}

QStringList UnreadableSettingsFiles(const QString &appDataRoot)
{
    QStringList unreadable;
    auto report = [&unreadable](const QString &path, const QString &reason) {
        unreadable << path + QStringLiteral(": ") + reason;
    };
    QDirIterator it(appDataRoot + QStringLiteral("/korvel"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString folder = info.dir().dirName();
        const QString suffix = info.suffix();
        if (folder == QLatin1String("conf") && suffix == QLatin1String("conf")) {
            MainOptions options;
            if (!ReadOptionsFile(path, options))
                report(path, QStringLiteral("options file does not read"));
        } else if (folder == QLatin1String("conf") && suffix == QLatin1String("prt")) {
            PrinterSettingsFileData data;
            QString error;
            if (ReadPrinterSettingsFile(path, data, &error) != PrinterFileStatus::Ok)
                report(path, error);
        } else if (folder == QLatin1String("conf") && info.fileName() == QLatin1String("singledata.txt")) {
            PrintRecord record;
            const LayoutStatus status = LoadSingleData(path, record);
            if (!status)
                report(path, status.message);
        } else if (folder == QLatin1String("ini") && suffix == QLatin1String("xml")) {
            WindowPosition position;
            if (!ReadWindowPositionFile(path, position))
                report(path, QStringLiteral("window position file does not read"));
        } else if (folder == QLatin1String("style") && suffix == QLatin1String("sle")) {
            StyleData style;
            const LayoutStatus status = style.LoadStyleFile(path);
            if (!status || style.lines().size() < 2)
                report(path, status.message.isEmpty() ? QStringLiteral("layout without items") : status.message);
        }
    }
    return unreadable;
}
