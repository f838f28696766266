#pragma once
// Runs one of the staged command-line programs without a display and keeps
// its exit code and both output streams.

#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    int exitCode = -1; // -1 when the program crashed or did not finish
    QString out;
    QString err;
};

inline ToolRun RunTool(const QString &program, const QStringList &args, int timeoutMs = 120000)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(timeoutMs);
    ToolRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}
