#pragma once
// Where the program's files live: the program folder with the shipped starter
// files, each edition's work folder and the database folder all editions share.

#include <QString>

// The machine's common application data folder: $KORVEL_APPDATA_ROOT when set;
// /var/lib when /var/lib/korvel exists or can be made and written; otherwise the
// user's data folder ($XDG_DATA_HOME, default ~/.local/share).
QString CommonAppDataRoot();

// <root>/korvel/<work folder name> of the edition.
QString WorkDirFor(int editionCode, const QString &appDataRoot = CommonAppDataRoot());

// <root>/korvel/database.
QString DataDirFor(const QString &appDataRoot = CommonAppDataRoot());

// The settings file name of an executable: its file name with the extension
// replaced (or appended when it has none), e.g. "morvik_xe2" + ".conf".
QString SettingsFileName(const QString &exeName, const QString &extension);

// Creates targetFolder when missing (one level) and copies every file of
// sourceFolder matching nameFilter into it, overwriting; files only, no
// sub-folders, nothing reported. Returns the number of files copied.
int CopyShippedFiles(const QString &sourceFolder, const QString &targetFolder,
                     const QString &nameFilter = QStringLiteral("*"));

// The address book's two database files in a data folder.
inline QString LocalAddressDb(const QString &dataDir) { return dataDir + QStringLiteral("/addressXe2.db3"); }
inline QString LocalMembersDb(const QString &dataDir) { return dataDir + QStringLiteral("/membersXe2.db3"); }

struct ProgramFolders {
    int editionCode = 10;
    QString programDir;
    QString exeName;
    QString workDir;
    QString dataDir;
    // The server that holds the address book and history instead of the
    // local files (a connection URI), or empty for the files.
    QString store;

    // Where the address book and the history are: the server when one is set,
    // otherwise the two database files in the shared data folder.
    QString addressDb() const { return store.isEmpty() ? localAddressDb() : store; }
    QString membersDb() const { return store.isEmpty() ? localMembersDb() : store; }
    QString localAddressDb() const { return LocalAddressDb(dataDir); }
    QString localMembersDb() const { return LocalMembersDb(dataDir); }
};

// The first-run folder work of the main window's creation: chooses the edition
// from exeName, creates the work folder with "ini", copies the shipped "style",
// "conf" and database folders where the target folder does not exist yet, and
// renames an old "addresslist.dat" to "addresslist.lst" once. The store is
// the station's setting (StoreSettings).
ProgramFolders PrepareProgramFolders(const QString &programDir, const QString &exeName,
                                     const QString &appDataRoot = CommonAppDataRoot());
