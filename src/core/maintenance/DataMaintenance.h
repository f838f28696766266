#pragma once
// The file work of the Help menu's maintenance commands: backing up and
// restoring the two user databases of DataDir, and bringing the shipped style
// files back into an edition's work folder. No windows and no database
// connection here: the caller closes the connection before a restore.

#include <QDateTime>
#include <QString>
#include <QStringList>

struct MaintenanceResult {
    bool ok = true;
    QString message; // why it failed, with the paths involved; empty on success
    QString safetyCopy; // a restore: the folder that keeps the replaced databases; empty when there were none

    explicit operator bool() const { return ok; }
    static MaintenanceResult failure(const QString &message) { return {false, message}; }
};

class DataMaintenance
{
public:
    // The database files that backup and restore carry, in their order. The
    // postal-code database is shipped with the program and never carried.
    static QStringList userDatabaseFiles();

    // Copies each user database of dataDir into targetFolder under its own
    // name, never overwriting: the first file that already exists there stops
    // the backup, so an earlier backup in that folder stays as it was.
    static MaintenanceResult backupDatabases(const QString &dataDir, const QString &targetFolder);

    // The path of the first user database missing from a chosen backup folder,
    // or empty when the folder holds them all.
    static QString missingBackupFile(const QString &backupFolder);

    // Replaces the user databases of dataDir by those of backupFolder. The
    // current ones are first copied into a new dated folder under dataDir
    // (safety copy, named in the result; never one that exists already), then
    // the backup's are copied to temporary files beside the targets, and only
    // when every copy is whole are they moved into place; any failure before
    // that leaves the current databases untouched and no safety copy behind.
    // Journal files left over from the replaced databases are removed, so
    // SQLite cannot roll them into the restored files. The database
    // connection must be closed. stamp dates the safety copy.
    static MaintenanceResult restoreDatabases(const QString &backupFolder, const QString &dataDir,
                                              const QDateTime &stamp = QDateTime::currentDateTime());

    // The same two for a station whose address book is on a server (store, a
    // connection URI). A backup writes the same two files as a local one, so
    // a backup is a backup whatever the store. A restore reads them into the
    // server in one transaction, replacing its rows; the server's rows are
    // first written into a safety folder under dataDir as such files.
    static MaintenanceResult backupServer(const QString &store, const QString &targetFolder);
    static MaintenanceResult restoreServer(const QString &backupFolder, const QString &store, const QString &dataDir,
                                           const QDateTime &stamp = QDateTime::currentDateTime());

    // Copies every shipped style file of programDir/style over the work
    // folder's copy of the same name; the user's other files there stay.
    // Returns the number of files copied.
    static int restoreShippedStyles(const QString &programDir, const QString &workDir);
};
