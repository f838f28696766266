#pragma once
// The Help menu's commands: online and offline help, backup and restore of the
// user databases, the install and work folders, the style restore, the version
// dialog and the maker's home page. The file work is DataMaintenance's; this
// class asks the user, reports, and tells the main window what to reload.

#include "core/settings/AppFolders.h"

#include <QObject>
#include <QUrl>
#include <functional>

class MainActions;
class QWidget;
class Database;
class VersionDialog;

class HelpCommands : public QObject
{
    Q_OBJECT
public:
    // The user-facing services, replaceable so that tests open nothing and
    // answer the questions themselves.
    struct Services {
        // Opens a web page, a local file or a folder with the desktop; false on failure.
        std::function<bool(const QUrl &)> openUrl;
        // The folder the user chose under the caption; empty when cancelled.
        std::function<QString(const QString &caption)> chooseFolder;
        // True when the user answers OK to the question.
        std::function<bool(const QString &question)> confirm;
    };

    // folders and db belong to the main window and outlive this object.
    HelpCommands(QWidget *window, const ProgramFolders &folders, Database &db, Services services = {});
    ~HelpCommands() override;

    // Replaces the services that are given (tests); the others stay.
    void setServices(const Services &services);

    // Enables the Help menu's actions and binds them to the commands below.
    void connectActions(MainActions *actions);

    // The version dialog, created on the first call with the title of that moment.
    VersionDialog *versionDialog();

    // ---- The commands ------------------------------------------------------
    // ヘルプ(オンライン), F1: the edition's page on the maker's site.
    void helpOnline();
    // ヘルプ(オフライン): ProgramDir/help/<identifier>/index.html.
    void helpOffline();
    // データのバックアップ: both user databases into a chosen folder, never overwriting.
    void backup();
    // データのリストア: both user databases from a chosen folder, or neither.
    void restore();
    // インストールフォルダーの確認: ProgramDir in the file manager.
    void installFolder();
    // 作業フォルダーを開く: WorkDir in the file manager.
    void workFolder();
    // スタイルデータの復旧: the shipped style files back, then the layout reopened.
    void styleRestore();
    // バージョン情報: the version dialog, modally.
    void version();
    // ホームページへアクセス: the maker's home page.
    void homePage();

signals:
    // The user databases were replaced: the lists must be read again.
    void databasesRestored();
    // The shipped style files are back: the default style file must be reopened.
    void stylesRestored();

private:
    // Opens url; tells the user when the desktop could not.
    void open(const QUrl &url);
    // The notice for the first file of a backup folder that is no database of
    // this program; empty when both can be restored.
    QString unusableBackupFile(const QString &folder);

    QWidget *m_window;
    const ProgramFolders &m_folders;
    Database &m_db;
    Services m_services;
    VersionDialog *m_version = nullptr;
};
