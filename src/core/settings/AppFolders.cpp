#include "core/settings/AppFolders.h"

#include "core/settings/StoreSettings.h"

#include "core/settings/Editions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool folderWritable(const QString &path)
{
    QTemporaryFile probe(path + QLatin1String("/.probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString CommonAppDataRoot()
{
    const QString fromEnv = qEnvironmentVariable("KORVEL_APPDATA_ROOT");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    const QString system = QStringLiteral("/var/lib");
    const QString systemKorvel = system + QLatin1String("/korvel");
    if (QDir().mkpath(systemKorvel) && folderWritable(systemKorvel))
        return system;
    QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.isEmpty())
        xdg = QDir::homePath() + QLatin1String("/.local/share");
    return QDir::cleanPath(xdg);
}

QString WorkDirFor(int editionCode, const QString &appDataRoot)
{
    return appDataRoot + QLatin1String("/korvel/") + EditionFor(editionCode).workFolderName;
}

QString DataDirFor(const QString &appDataRoot)
{
    return appDataRoot + QLatin1String("/korvel/database");
}

QString SettingsFileName(const QString &exeName, const QString &extension)
{
    const QString name = QFileInfo(exeName).fileName();
    const int dot = name.lastIndexOf(u'.');
    // A leading dot is a hidden file's name, not an extension.
    const QString base = dot > 0 ? name.left(dot) : name;
    return base + extension;
}

int CopyShippedFiles(const QString &sourceFolder, const QString &targetFolder, const QString &nameFilter)
{
    QDir target(targetFolder);
    if (!target.exists())
        QDir().mkdir(targetFolder);
    int copied = 0;
    const QDir source(sourceFolder);
    const QStringList names = source.entryList({nameFilter}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name == QLatin1String(".keep"))
            continue;
        const QString to = targetFolder + u'/' + name;
        QFile::remove(to);
        if (QFile::copy(source.filePath(name), to)) {
            // Shipped files may be read-only in an installed program folder; the
            // work copies are the user's to change.
            QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner | QFile::ReadOwner);
            ++copied;
        }
    }
    return copied;
}

ProgramFolders PrepareProgramFolders(const QString &programDir, const QString &exeName, const QString &appDataRoot)
{
    ProgramFolders f;
    f.programDir = programDir;
    f.exeName = QFileInfo(exeName).fileName();
    f.editionCode = EditionFromExeName(f.exeName);

    f.workDir = WorkDirFor(f.editionCode, appDataRoot);
    QDir().mkpath(f.workDir);
    QDir().mkpath(f.workDir + QLatin1String("/ini"));
    if (!QFileInfo::exists(f.workDir + QLatin1String("/style")))
        CopyShippedFiles(programDir + QLatin1String("/style"), f.workDir + QLatin1String("/style"));
    if (!QFileInfo::exists(f.workDir + QLatin1String("/conf")))
        CopyShippedFiles(programDir + QLatin1String("/conf"), f.workDir + QLatin1String("/conf"));

    f.dataDir = DataDirFor(appDataRoot);
    if (!QFileInfo::exists(f.dataDir))
        CopyShippedFiles(programDir + QLatin1String("/databaseXe2"), f.dataDir);
    f.store = ReadStoreSettings(f.dataDir).location();

    const QString lst = f.workDir + QLatin1String("/conf/addresslist.lst");
    const QString dat = f.workDir + QLatin1String("/conf/addresslist.dat");
    if (!QFileInfo::exists(lst) && QFileInfo::exists(dat))
        QFile::rename(dat, lst);
    return f;
}
