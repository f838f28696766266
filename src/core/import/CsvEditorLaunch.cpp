#include "core/import/CsvEditorLaunch.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

QString CsvEditorFileName()
{
    return QStringLiteral("csv_importXe2");
}

QString FindCsvEditor(const QString &programDir)
{
    for (const QString &name : {CsvEditorFileName(), CsvEditorFileName() + QStringLiteral(".exe")}) {
        const QFileInfo info(programDir + u'/' + name);
        if (info.isFile() && info.isExecutable())
            return info.filePath();
    }
    return {};
}

QString CsvEditorArgument(const QString &workDir, int editionCode)
{
    return workDir + QStringLiteral("/conf,") + QString::number(editionCode) + u',';
}

bool ParseCsvEditorArgument(const QString &argument, QString *confDir, int *editionCode)
{
    QString text = argument;
    if (!text.endsWith(u','))
        return false;
    text.chop(1);
    const int comma = int(text.lastIndexOf(u','));
    if (comma <= 0)
        return false;
    bool ok = false;
    const int code = text.mid(comma + 1).toInt(&ok);
    if (!ok)
        return false;
    *confDir = text.left(comma);
    *editionCode = code;
    return true;
}

bool RunAndWait(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    bool failedToStart = false;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    process.start(program, arguments);
    if (!failedToStart && process.state() != QProcess::NotRunning)
        loop.exec();
    return !failedToStart;
}
