#include "core/maintenance/DataMaintenance.h"

#include "core/data/Database.h"
#include "core/data/DatabaseErrorText.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/PgConnection.h"
#include "core/data/PgConnectionPool.h"
#include "core/data/ServerMigration.h"
#include "core/settings/AppFolders.h"
#include "core/text/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const QString TemporarySuffix = QStringLiteral(".restoring");
const QString PreviousSuffix = QStringLiteral(".before-restore");

// Native path text for the C library.
QByteArray native(const QString &path)
{
    return QFile::encodeName(QDir::toNativeSeparators(path));
}

// The message of a copy that did not happen.
QString copyFailure(const QString &from, const QString &to, const QString &reason)
{
    return QStringLiteral("ファイルをコピーできませんでした。\n%1\n→ %2\n%3").arg(from, to, reason);
}

// Copies from to a new file to; to must not exist. The copy is checked for its
// full size, so a short copy (full disk) is reported, not kept.
MaintenanceResult copyNew(const QString &from, const QString &to)
{
    const QFileInfo source(from);
    if (!source.isFile())
        return MaintenanceResult::failure(copyFailure(from, to, QStringLiteral("コピー元のファイルがありません。")));
    QFile in(from);
    if (!in.copy(to))
        return MaintenanceResult::failure(copyFailure(from, to, FileErrorInJapanese(in.error())));
    if (QFileInfo(to).size() != source.size()) {
        QFile::remove(to);
        return MaintenanceResult::failure(copyFailure(from, to, QStringLiteral("コピーが途中で終わりました。")));
    }
    return {};
}

// Moves from over to, replacing to in one step (rename(2) within one folder).
bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(native(from).constData(), native(to).constData()) == 0;
}

// Makes a new folder for the databases a restore replaces, named after stamp.
// mkdir fails on a folder that exists, so an earlier safety copy (a second
// restore within the same second) is never written into.
MaintenanceResult makeSafetyFolder(const QString &dataDir, const QDateTime &stamp, QString *folder)
{
    const QString base = dataDir + QStringLiteral("/before-restore-") + stamp.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QDir parent(dataDir);
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = n == 1 ? base : base + u'-' + QString::number(n);
        if (!QFileInfo::exists(candidate) && parent.mkdir(QFileInfo(candidate).fileName())) {
            *folder = candidate;
            return {};
        }
    }
    return MaintenanceResult::failure(QStringLiteral("フォルダーを作成できませんでした。\n") + base);
}

// Copies the current user databases of dataDir into a new safety folder.
// Returns the folder in the result; empty when dataDir held none of them.
MaintenanceResult keepSafetyCopy(const QStringList &names, const QString &dataDir, const QDateTime &stamp)
{
    QStringList present;
    for (const QString &name : names)
        if (QFileInfo::exists(dataDir + u'/' + name))
            present << name;
    if (present.isEmpty())
        return {};
    QString folder;
    MaintenanceResult result = makeSafetyFolder(dataDir, stamp, &folder);
    if (!result)
        return result;
    for (const QString &name : present) {
        result = copyNew(dataDir + u'/' + name, folder + u'/' + name);
        if (!result) {
            QDir(folder).removeRecursively();
            return result;
        }
    }
    result.safetyCopy = folder;
    return result;
}

// A backup never replaces one made before: the target file must not exist.
MaintenanceResult refuseExisting(const QString &to)
{
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return MaintenanceResult::failure(QStringLiteral("指定されたファイルは既に存在します。\n") + to);
    return {};
}

} // namespace

QStringList DataMaintenance::userDatabaseFiles()
{
    return {QStringLiteral("addressXe2.db3"), QStringLiteral("membersXe2.db3")};
}

MaintenanceResult DataMaintenance::backupDatabases(const QString &dataDir, const QString &targetFolder)
{
    for (const QString &name : userDatabaseFiles()) {
        const QString from = dataDir + u'/' + name;
        const QString to = targetFolder + u'/' + name;
        if (const MaintenanceResult refused = refuseExisting(to); !refused)
            return refused;
        const MaintenanceResult copied = copyNew(from, to);
        if (!copied)
            return copied;
    }
    return {};
}

namespace {

// A connection of its own, so that the copy's transaction is nobody else's.
std::unique_ptr<PgConnection> serverFor(const QString &store, MaintenanceResult *result)
{
    DatabaseError error;
    std::unique_ptr<PgConnection> pg = TakeServerConnection(store, &error);
    if (error.isError())
        *result = MaintenanceResult::failure(QStringLiteral("サーバーに接続できませんでした。\n") + DatabaseErrorInJapanese(error));
    return pg;
}

MaintenanceResult serverToFiles(PgConnection &pg, const QString &folder)
{
    const QStringList names = DataMaintenance::userDatabaseFiles();
    Database files;
    const DatabaseError error = CopyServerStoreToFiles(pg, files, folder + u'/' + names.at(0), folder + u'/' + names.at(1));
    if (error.isError())
        return MaintenanceResult::failure(QStringLiteral("サーバーのデータを書き出せませんでした。\n") + DatabaseErrorInJapanese(error));
    return {};
}

} // namespace

MaintenanceResult DataMaintenance::backupServer(const QString &store, const QString &targetFolder)
{
    for (const QString &name : userDatabaseFiles())
        if (const MaintenanceResult refused = refuseExisting(targetFolder + u'/' + name); !refused)
            return refused;
    MaintenanceResult result;
    const std::unique_ptr<PgConnection> pg = serverFor(store, &result);
    if (!pg)
        return result;
    return serverToFiles(*pg, targetFolder);
}

MaintenanceResult DataMaintenance::restoreServer(const QString &backupFolder, const QString &store,
                                                 const QString &dataDir, const QDateTime &stamp)
{
    const QString missing = missingBackupFile(backupFolder);
    if (!missing.isEmpty())
        return MaintenanceResult::failure(QStringLiteral("データベースファイルが見つかりません。\n") + missing);
    MaintenanceResult result;
    std::unique_ptr<PgConnection> pg = serverFor(store, &result);
    if (!pg)
        return result;
    QDir().mkpath(dataDir);
    QString safety;
    result = makeSafetyFolder(dataDir, stamp, &safety);
    if (!result)
        return result;
    result = serverToFiles(*pg, safety);
    if (!result) {
        QDir(safety).removeRecursively();
        return result;
    }
    const QStringList names = userDatabaseFiles();
    Database files;
    const MigrationResult copied = CopyLocalStoreToServer(files, backupFolder + u'/' + names.at(0),
                                                          backupFolder + u'/' + names.at(1), *pg, ServerRows::Replace);
    if (!copied.ok()) {
        // Nothing changed on the server: its copy would only be clutter.
        QDir(safety).removeRecursively();
        return MaintenanceResult::failure(QStringLiteral("リストアできませんでした。サーバーのデータは元のままです。\n")
                                          + (copied.refusal.isEmpty() ? DatabaseErrorInJapanese(copied.error) : copied.refusal));
    }
    ReturnServerConnection(store, std::move(pg));
    result.safetyCopy = safety;
    return result;
}

QString DataMaintenance::missingBackupFile(const QString &backupFolder)
{
    for (const QString &name : userDatabaseFiles()) {
        const QString path = backupFolder + u'/' + name;
        if (!QFileInfo(path).isFile())
            return path;
    }
    return {};
}

MaintenanceResult DataMaintenance::restoreDatabases(const QString &backupFolder, const QString &dataDir,
                                                    const QDateTime &stamp)
{
    const QString missing = missingBackupFile(backupFolder);
    if (!missing.isEmpty())
        return MaintenanceResult::failure(QStringLiteral("データベースファイルが見つかりません。\n") + missing);
    if (!QDir().mkpath(dataDir))
        return MaintenanceResult::failure(QStringLiteral("フォルダーを作成できませんでした。\n") + dataDir);

    const QStringList names = userDatabaseFiles();
    // Phase 0: the databases about to be replaced are kept, whole, before anything changes.
    const MaintenanceResult safety = keepSafetyCopy(names, dataDir, stamp);
    if (!safety)
        return safety;
    QStringList temporaries;
    const auto dropTemporaries = [&temporaries, &safety] {
        for (const QString &path : temporaries)
            QFile::remove(path);
        // The current databases stay: a copy of them would only be clutter.
        if (!safety.safetyCopy.isEmpty())
            QDir(safety.safetyCopy).removeRecursively();
    };

    // Phase 1: whole copies beside the targets; the current files are not touched.
    for (const QString &name : names) {
        const QString temporary = dataDir + u'/' + name + TemporarySuffix;
        QFile::remove(temporary);
        const MaintenanceResult copied = copyNew(backupFolder + u'/' + name, temporary);
        if (!copied) {
            dropTemporaries();
            return copied;
        }
        temporaries << temporary;
    }

    // Phase 2: the current files step aside, the copies take their names. A
    // failure here puts the files that stepped aside back.
    QStringList setAside;
    QStringList placed;
    const auto rollBack = [&] {
        for (const QString &target : placed)
            QFile::remove(target);
        for (const QString &target : setAside)
            replaceFile(target + PreviousSuffix, target);
        dropTemporaries();
    };
    for (int i = 0; i < names.size(); ++i) {
        const QString target = dataDir + u'/' + names[i];
        if (QFileInfo::exists(target)) {
            QFile::remove(target + PreviousSuffix);
            if (!replaceFile(target, target + PreviousSuffix)) {
                const QString reason = QString::fromLocal8Bit(std::strerror(errno));
                rollBack();
                return MaintenanceResult::failure(copyFailure(temporaries[i], target, reason));
            }
            setAside << target;
        }
        if (!replaceFile(temporaries[i], target)) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            rollBack();
            return MaintenanceResult::failure(copyFailure(temporaries[i], target, reason));
        }
        placed << target;
    }

    for (const QString &target : setAside)
        QFile::remove(target + PreviousSuffix);
    for (const QString &target : placed)
        for (const char *suffix : {"-journal", "-wal", "-shm"})
            QFile::remove(target + QLatin1String(suffix));
    return safety;
}

int DataMaintenance::restoreShippedStyles(const QString &programDir, const QString &workDir)
{
    // A style folder the user deleted is made again: the restore is how the
    // user gets the shipped forms back.
    QDir().mkpath(workDir + QStringLiteral("/style"));
    return CopyShippedFiles(programDir + QStringLiteral("/style"), workDir + QStringLiteral("/style"));
}
