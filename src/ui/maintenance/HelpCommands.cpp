#include "ui/maintenance/HelpCommands.h"

#include "core/maintenance/DataMaintenance.h"
#include "ui/main/MainActions.h"
#include "ui/common/ShowNotice.h"
#include "ui/maintenance/VersionDialog.h"
#include "core/maintenance/VersionInfo.h"
#include "core/data/DatabaseHealth.h"
#include "core/data/ProgramDatabaseCheck.h"
#include "core/data/Database.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// The desktop's own folder browser, starting nowhere in particular.
QString chooseFolderWithDialog(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(parent, caption, QString(), QFileDialog::ShowDirsOnly);
}

// The user databases a restore replaces: file name, the name the user knows
// and the tables this program needs in it.
struct RestoredDatabase {
    QString file;
    QString label;
    QVector<TableDefinition> tables;
};

QVector<RestoredDatabase> restoredDatabases()
{
    return {{QStringLiteral("addressXe2.db3"), AddressDatabaseLabel(), AddressTables()},
            {QStringLiteral("membersXe2.db3"), MembersDatabaseLabel(), MembersTables()}};
}

} // namespace

HelpCommands::HelpCommands(QWidget *window, const ProgramFolders &folders, Database &db, Services services)
    : QObject(window), m_window(window), m_folders(folders), m_db(db), m_services(std::move(services))
{
    if (!m_services.openUrl)
        m_services.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    if (!m_services.chooseFolder)
        m_services.chooseFolder = [this](const QString &caption) { return chooseFolderWithDialog(m_window, caption); };
    // Restoring replaces the user's data: キャンセル is the default answer.
    if (!m_services.confirm)
        m_services.confirm = [this](const QString &question) { return AskOkCancel(question, m_window, true); };
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::setServices(const Services &services)
{
    if (services.openUrl)
        m_services.openUrl = services.openUrl;
    if (services.chooseFolder)
        m_services.chooseFolder = services.chooseFolder;
    if (services.confirm)
        m_services.confirm = services.confirm;
}

void HelpCommands::connectActions(MainActions *actions)
{
    const bool hasHelp = !OnlineHelpUrl(m_folders.editionCode).isEmpty();
    const std::pair<QAction *, void (HelpCommands::*)()> bindings[] = {
        {actions->helpOnline, &HelpCommands::helpOnline},   {actions->helpOffline, &HelpCommands::helpOffline},
        {actions->backup, &HelpCommands::backup},           {actions->restore, &HelpCommands::restore},
        {actions->installFolder, &HelpCommands::installFolder}, {actions->workFolder, &HelpCommands::workFolder},
        {actions->styleRestore, &HelpCommands::styleRestore}, {actions->version, &HelpCommands::version},
        {actions->homePage, &HelpCommands::homePage},
    };
    for (const auto &[action, command] : bindings) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, command);
    }
    // An edition without help pages offers no help entries rather than dead ones.
    actions->helpOnline->setEnabled(hasHelp);
    actions->helpOffline->setEnabled(hasHelp);
}

VersionDialog *HelpCommands::versionDialog()
{
    if (!m_version)
        m_version = new VersionDialog(
            m_folders.programDir, [this](const QUrl &url) { return m_services.openUrl(url); }, m_window);
    return m_version;
}

void HelpCommands::open(const QUrl &url)
{
    if (!m_services.openUrl(url))
        ShowNotice(QStringLiteral("確認"),
                   QStringLiteral("開けませんでした。\n") + (url.isLocalFile() ? url.toLocalFile() : url.toString()),
                   m_window);
}

void HelpCommands::helpOnline()
{
    const QUrl url = OnlineHelpUrl(m_folders.editionCode);
    if (!url.isEmpty())
        open(url);
}

void HelpCommands::helpOffline()
{
    const QString path = OfflineHelpPath(m_folders.programDir, m_folders.editionCode);
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isFile()) {
        ShowNotice(QStringLiteral("確認"), QStringLiteral("ヘルプファイルが見つかりません。\n") + path, m_window);
        return;
    }
    open(QUrl::fromLocalFile(path));
}

void HelpCommands::backup()
{
    const QString folder = m_services.chooseFolder(QStringLiteral("保存先にフォルダを選択してください"));
    if (folder.isEmpty())
        return;
    // No statement may be half-way through a file while it is copied.
    m_db.CloseDatabase();
    const MaintenanceResult result = m_folders.store.isEmpty()
                                         ? DataMaintenance::backupDatabases(m_folders.dataDir, folder)
                                         : DataMaintenance::backupServer(m_folders.store, folder);
    ShowNotice(QStringLiteral("確認"), result ? QStringLiteral("バックアップしました。") : result.message, m_window);
}

void HelpCommands::restore()
{
    const QString folder = m_services.chooseFolder(QStringLiteral("バックアップファイルの保存先フォルダを選択してください"));
    if (folder.isEmpty())
        return;
    // Both files are looked for before anything is asked or copied, so a
    // folder with only one of them cannot leave the two databases from
    // different times.
    const QString missing = DataMaintenance::missingBackupFile(folder);
    if (!missing.isEmpty()) {
        ShowNotice(QStringLiteral("確認"), QStringLiteral("データベースファイルが見つかりません。\n") + missing, m_window);
        return;
    }
    const QString unusable = unusableBackupFile(folder);
    if (!unusable.isEmpty()) {
        ShowNotice(QStringLiteral("確認"), unusable, m_window);
        return;
    }
    // On a server the data of every station goes: the question says so.
    const QString whose = m_folders.store.isEmpty() ? QStringLiteral("現在のデータは上書きされます。")
                                                    : QStringLiteral("共有サーバーのデータ（すべての端末のデータ）が上書きされます。");
    if (!m_services.confirm(QStringLiteral("バックアップファイルで上書きします。") + whose
                            + QStringLiteral("\n実行してもよろしいですか？")))
        return;
    m_db.CloseDatabase();
    const MaintenanceResult result = m_folders.store.isEmpty()
                                         ? DataMaintenance::restoreDatabases(folder, m_folders.dataDir)
                                         : DataMaintenance::restoreServer(folder, m_folders.store, m_folders.dataDir);
    if (!result) {
        ShowNotice(QStringLiteral("確認"), result.message, m_window);
        return;
    }
    emit databasesRestored();
    QString done = QStringLiteral("リストアしました。");
    if (!result.safetyCopy.isEmpty())
        done += QStringLiteral("\nリストア前のデータは次のフォルダーに残してあります。\n") + result.safetyCopy;
    ShowNotice(QStringLiteral("確認"), done, m_window);
}

// Every file is opened as a database of this program before anything is asked
// or replaced: whatever a chosen file holds would otherwise become the user's data.
QString HelpCommands::unusableBackupFile(const QString &folder)
{
    for (const RestoredDatabase &database : restoredDatabases()) {
        const QString path = folder + u'/' + database.file;
        const QString problem = ProgramDatabaseProblem(m_db, path, database.tables);
        if (!problem.isEmpty())
            return database.label + QStringLiteral("のバックアップファイルは使えません。\n") + problem + u'\n' + path;
    }
    return {};
}

void HelpCommands::installFolder()
{
    open(QUrl::fromLocalFile(m_folders.programDir));
}

void HelpCommands::workFolder()
{
    open(QUrl::fromLocalFile(m_folders.workDir));
}

void HelpCommands::styleRestore()
{
    DataMaintenance::restoreShippedStyles(m_folders.programDir, m_folders.workDir);
    emit stylesRestored();
    ShowNotice(QStringLiteral("確認"), QStringLiteral("スタイルデータを復旧しました。"), m_window);
}

void HelpCommands::version()
{
    versionDialog()->exec();
}

void HelpCommands::homePage()
{
    open(HomePageUrl());
}
