// The Help menu on a main window over temporary folders: nothing is opened on
// the desktop and the folder choice and question are answered by the test.
#include "support/TestFiles.h"
#include "support/TestNotices.h"

#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "core/settings/Editions.h"
#include "ui/maintenance/HelpCommands.h"
#include "ui/main/MainActions.h"
#include "ui/maintenance/VersionDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/WaybillView.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
}

// Runs one statement on a database file of the test.
void execSql(const QString &file, const QString &sql)
{
    Database db;
    QVERIFY(!db.OpenDatabase(file).isError());
    QVERIFY2(!db.ExecSql(sql), qPrintable(sql));
}

// The safety copies a restore left in the data folder.
QStringList safetyCopies(const QString &dataDir)
{
    return QDir(dataDir).entryList({"before-restore-*"}, QDir::Dirs);
}

// A started main window of one edition with the Help menu's services replaced.
struct Harness {
    NoticeCatcher notices; // start-up notices (no postal-code database in a bare build) are dropped
    QTemporaryDir root;
    QTemporaryDir chosen; // the folder the user picks
    std::unique_ptr<MainWindow> window;
    QList<QUrl> opened;
    QStringList captions;  // folder browser captions
    QStringList questions; // confirmation questions
    bool answer = true;
    bool cancelFolder = false;

    explicit Harness(const QString &exe = QStringLiteral("zerrat_xe2"))
    {
        window = std::make_unique<MainWindow>(programDir(), exe, root.path());
        window->ensureStarted();
        notices.texts.clear();
        HelpCommands::Services s;
        s.openUrl = [this](const QUrl &url) {
            opened << url;
            return true;
        };
        s.chooseFolder = [this](const QString &caption) {
            captions << caption;
            return cancelFolder ? QString() : chosen.path();
        };
        s.confirm = [this](const QString &question) {
            questions << question;
            return answer;
        };
        window->helpCommands()->setServices(s);
    }
    HelpCommands &help() { return *window->helpCommands(); }
    QString dataDir() const { return window->state().folders.dataDir; }
    int senders()
    {
        return window->pages().settings->senderView->topLevelItemCount();
    }
};

} // namespace

class HelpCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void menuEntriesAreEnabledInMenuOrder()
    {
        Harness h;
        MainActions *a = h.window->pages().actions;
        for (QAction *action : {a->helpOnline, a->helpOffline, a->backup, a->restore, a->installFolder, a->workFolder,
                                a->styleRestore, a->version, a->homePage})
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        QCOMPARE(a->helpOnline->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void pagesAndFoldersOpenOnTheDesktop()
    {
        Harness h;
        MainActions *a = h.window->pages().actions;
        a->helpOnline->trigger();
        a->helpOffline->trigger();
        a->installFolder->trigger();
        a->workFolder->trigger();
        a->homePage->trigger();
        const QList<QUrl> expected{QUrl("https://www.korvel-soft.example/help/zerrat/"),
                                   QUrl::fromLocalFile(programDir() + "/help/zerrat/index.html"),
                                   QUrl::fromLocalFile(programDir()),
                                   QUrl::fromLocalFile(h.root.path() + "/korvel/zerrat_xe2"),
                                   QUrl("https://www.korvel-soft.example/")};
        QCOMPARE(h.opened, expected);
        QVERIFY(h.notices.texts.isEmpty());
    }

    void editionWithoutProfileOffersNoHelpPages()
    {
        Harness h(QStringLiteral("lusket_xe2"));
        QVERIFY(!h.window->pages().actions->helpOnline->isEnabled());
        QVERIFY(!h.window->pages().actions->helpOffline->isEnabled());
        h.help().helpOnline();
        h.help().helpOffline();
        QVERIFY(h.opened.isEmpty());
    }

    void backupTwiceIntoOneFolderFailsAtTheFirstFileAndKeepsTheFirstBackup()
    {
        Harness h;
        h.help().backup();
        QCOMPARE(h.captions, QStringList{"保存先にフォルダを選択してください"});
        QCOMPARE(h.notices.texts.value(0), QString("バックアップしました。"));
        const QByteArray firstAddress = readFile(h.chosen.path() + "/addressXe2.db3");
        const QByteArray firstMembers = readFile(h.chosen.path() + "/membersXe2.db3");
        QCOMPARE(firstAddress, readFile(h.dataDir() + "/addressXe2.db3"));

        // The data change; the second backup into the same folder must not replace the first.
        Database db;
        QVERIFY(!db.OpenDatabase(h.window->state().addressDbPath()).isError());
        QVERIFY(!db.ExecSql("delete from company"));
        db.CloseDatabase();
        QVERIFY(readFile(h.dataDir() + "/addressXe2.db3") != firstAddress);

        h.help().backup();
        QCOMPARE(h.notices.texts.size(), 2);
        QVERIFY2(h.notices.texts[1].contains("既に存在します"), qPrintable(h.notices.texts[1]));
        QVERIFY(h.notices.texts[1].contains(h.chosen.path() + "/addressXe2.db3"));
        QCOMPARE(readFile(h.chosen.path() + "/addressXe2.db3"), firstAddress);
        QCOMPARE(readFile(h.chosen.path() + "/membersXe2.db3"), firstMembers);
    }

    void cancelledFolderChoiceDoesNothing()
    {
        Harness h;
        h.cancelFolder = true;
        h.help().backup();
        h.help().restore();
        QCOMPARE(h.captions.size(), 2);
        QCOMPARE(h.captions[1], QString("バックアップファイルの保存先フォルダを選択してください"));
        QVERIFY(h.questions.isEmpty());
        QVERIFY(h.notices.texts.isEmpty());
        QVERIFY(QDir(h.chosen.path()).isEmpty());
    }

    void restoreFromAFolderWithoutTheAddressDatabaseShowsThePathAndChangesNothing()
    {
        Harness h;
        writeFile(h.chosen.path() + "/membersXe2.db3", "members of another time");
        const QByteArray address = readFile(h.dataDir() + "/addressXe2.db3");
        const QByteArray members = readFile(h.dataDir() + "/membersXe2.db3");

        h.help().restore();
        QCOMPARE(h.notices.texts.size(), 1);
        QCOMPARE(h.notices.texts[0], "データベースファイルが見つかりません。\n" + h.chosen.path() + "/addressXe2.db3");
        QVERIFY(h.questions.isEmpty());
        QCOMPARE(readFile(h.dataDir() + "/addressXe2.db3"), address);
        QCOMPARE(readFile(h.dataDir() + "/membersXe2.db3"), members);
    }

    void restoreWithOnlyTheAddressDatabaseChangesNothingEither()
    {
        Harness h;
        writeFile(h.chosen.path() + "/addressXe2.db3", "address of another time");
        const QByteArray address = readFile(h.dataDir() + "/addressXe2.db3");
        h.help().restore();
        QCOMPARE(h.notices.texts.value(0), "データベースファイルが見つかりません。\n" + h.chosen.path() + "/membersXe2.db3");
        QCOMPARE(readFile(h.dataDir() + "/addressXe2.db3"), address);
    }

    void restoreAsksFirstThenBringsBackTheSendersAndReadsTheListsAgain()
    {
        Harness h;
        QCOMPARE(h.senders(), 4);
        QVERIFY(h.window->pages().actions->backup->isEnabled());
        h.help().backup();

        Database db;
        QVERIFY(!db.OpenDatabase(h.window->state().addressDbPath()).isError());
        QVERIFY(!db.ExecSql("delete from company"));
        db.CloseDatabase();

        // Cancel first: nothing is replaced.
        h.answer = false;
        h.help().restore();
        QCOMPARE(h.questions.size(), 1);
        QCOMPARE(h.questions[0], QString("バックアップファイルで上書きします。現在のデータは上書きされます。\n"
                                         "実行してもよろしいですか？"));
        QVERIFY(readFile(h.dataDir() + "/addressXe2.db3") != readFile(h.chosen.path() + "/addressXe2.db3"));

        h.answer = true;
        h.help().restore();
        QCOMPARE(safetyCopies(h.dataDir()).size(), 1);
        QCOMPARE(h.notices.texts.last(), "リストアしました。\nリストア前のデータは次のフォルダーに残してあります。\n"
                                             + h.dataDir() + "/" + safetyCopies(h.dataDir()).value(0));
        QCOMPARE(readFile(h.dataDir() + "/addressXe2.db3"), readFile(h.chosen.path() + "/addressXe2.db3"));
        QCOMPARE(h.senders(), 4);
    }

    // A chosen file must be a database of this program before anything is
    // replaced; the notice names the file and what is wrong with it.
    void restoreRefusesFilesThatAreNoDatabasesOfThisProgram_data()
    {
        QTest::addColumn<QString>("address"); // what the chosen addressXe2.db3 is
        QTest::addColumn<QString>("members"); // what the chosen membersXe2.db3 is
        QTest::addColumn<QString>("notice");  // the notice, %1 standing for the chosen folder
        // Short lines, and the missing tables named by what they hold.
        const QString noDatabase = "のバックアップファイルは使えません。\nファイルが壊れているか、データベースではありません。\n";
        const QString noTables = "お届け先データベースのバックアップファイルは使えません。\n"
                                 "このプログラムのデータベースではありません。\n（お届け先、ご依頼主のデータがありません）\n";
        QTest::newRow("two text files") << "text" << "text" << "お届け先データベース" + noDatabase + "%1/addressXe2.db3";
        QTest::newRow("history is a text file")
            << "address" << "text" << "送付履歴データベース" + noDatabase + "%1/membersXe2.db3";
        QTest::newRow("another program's database") << "other" << "members" << noTables + "%1/addressXe2.db3";
        QTest::newRow("history file under the address name") << "members" << "members" << noTables + "%1/addressXe2.db3";
        QTest::newRow("empty file") << "empty" << "members" << noTables + "%1/addressXe2.db3";
        QTest::newRow("history without its tables")
            << "address" << "other"
            << "送付履歴データベースのバックアップファイルは使えません。\nこのプログラムのデータベースではありません。\n"
               "（注文票、送付履歴、注文明細、定型文、商品データのデータがありません）\n%1/membersXe2.db3";
    }
    void restoreRefusesFilesThatAreNoDatabasesOfThisProgram()
    {
        QFETCH(QString, address);
        QFETCH(QString, members);
        QFETCH(QString, notice);
        Harness h;
        const QByteArray currentAddress = readFile(h.dataDir() + "/addressXe2.db3");
        const QByteArray currentMembers = readFile(h.dataDir() + "/membersXe2.db3");
        const auto make = [&](const QString &kind, const QString &name) {
            const QString path = h.chosen.path() + "/" + name;
            if (kind == "text")
                writeFile(path, "お届け先,山田太郎\r\n");
            else if (kind == "empty")
                writeFile(path, QByteArray());
            else if (kind == "other")
                execSql(path, "CREATE TABLE orders(id integer, total integer)");
            else
                QVERIFY(QFile::copy(h.dataDir() + "/" + kind + "Xe2.db3", path));
        };
        make(address, "addressXe2.db3");
        make(members, "membersXe2.db3");

        h.help().restore();
        QCOMPARE(h.notices.texts, QStringList{notice.arg(h.chosen.path())});
        QVERIFY(h.questions.isEmpty());
        QCOMPARE(readFile(h.dataDir() + "/addressXe2.db3"), currentAddress);
        QCOMPARE(readFile(h.dataDir() + "/membersXe2.db3"), currentMembers);
        QVERIFY(safetyCopies(h.dataDir()).isEmpty());
    }

    // The replaced databases are kept and named; the consignee list and the
    // preview are those of the restored address book at once.
    void restoreKeepsTheReplacedDatabasesAndReadsTheConsigneesAgain()
    {
        Harness h;
        execSql(h.window->state().addressDbPath(), "INSERT INTO address(namae1,namae2) VALUES('旧 太郎','')");
        h.help().backup();
        execSql(h.window->state().addressDbPath(), "INSERT INTO address(namae1,namae2) VALUES('新 花子','')");
        h.window->pages().left->setCurrentIndex(2);
        ConsigneeListPage &list = *h.window->pages().list;
        QCOMPARE(list.rowCount(), 2);
        list.consigneeGrid->selectionModel()->setCurrentIndex(list.model()->index(1, 0),
                                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(h.window->state().record.slot(8), QString("新 花子"));
        const QByteArray replacedAddress = readFile(h.dataDir() + "/addressXe2.db3");
        const QByteArray replacedMembers = readFile(h.dataDir() + "/membersXe2.db3");
        h.notices.texts.clear();

        h.help().restore();
        const QStringList kept = safetyCopies(h.dataDir());
        QCOMPARE(kept.size(), 1);
        const QString safety = h.dataDir() + "/" + kept[0];
        QCOMPARE(h.notices.texts,
                 QStringList{"リストアしました。\nリストア前のデータは次のフォルダーに残してあります。\n" + safety});
        QCOMPARE(readFile(safety + "/addressXe2.db3"), replacedAddress);
        QCOMPARE(readFile(safety + "/membersXe2.db3"), replacedMembers);
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.model()->rows().value(0).name, QString("旧 太郎"));
        QCOMPARE(list.selectedId(), QString());
        QCOMPARE(h.window->state().record.slot(8), QString());

        // A second restore keeps its own copy beside the first one.
        h.help().restore();
        QCOMPARE(safetyCopies(h.dataDir()).size(), 2);
        QCOMPARE(readFile(safety + "/addressXe2.db3"), replacedAddress);
    }

    void styleRestoreReopensThePaperKindsShippedFileAndKeepsTheUsersOwn()
    {
        Harness h(QStringLiteral("quillo_xe2"));
        const QString style = h.root.path() + "/korvel/quillo_xe2/style/";
        h.window->view()->selectPaperKind(1);
        QCOMPARE(h.window->state().style.CurrentStyleFile, style + "d_zerrat.sle");
        // An adjustment the user made, saved to the paper kind's file, and a form of their own.
        writeFile(style + "d_zerrat.sle", readFile(style + "d_zerrat.sle").replace("\r\n0;6;", "\r\n0;6;9;"));
        writeFile(style + "quil_lo.sle", "header;Ver1.2;5;5;9;0;401;100;0;0;;\r\n");
        writeFile(style + "my form.sle", "header;Ver1.2;0;0;9;0;401;100;0;0;;\r\n");
        QVERIFY(readFile(style + "d_zerrat.sle") != readFile(programDir() + "/style/d_zerrat.sle"));

        h.window->pages().actions->styleRestore->trigger();
        QCOMPARE(h.notices.texts.value(0), QString("スタイルデータを復旧しました。"));
        QCOMPARE(readFile(style + "d_zerrat.sle"), readFile(programDir() + "/style/d_zerrat.sle"));
        QCOMPARE(readFile(style + "quil_lo.sle"), readFile(programDir() + "/style/quil_lo.sle"));
        QCOMPARE(readFile(style + "my form.sle"), QByteArray("header;Ver1.2;0;0;9;0;401;100;0;0;;\r\n"));
        // The layout in memory is the paper kind's shipped form, with the waybill's data in it.
        QCOMPARE(h.window->state().style.CurrentStyleFile, style + "d_zerrat.sle");
        QVERIFY(h.window->state().style.findItem(6) > 0);
        QVERIFY(h.window->state().style.findItem(901) > 0);
    }

    void versionDialogShowsTheProductAndOpensTheLink()
    {
        Harness h(QStringLiteral("morvik_xe2"));
        VersionDialog *d = h.help().versionDialog();
        QCOMPARE(d->windowTitle(), QString("製品案内"));
        QCOMPARE(d->size(), QSize(810, 360));
        QCOMPARE(d->appname->text(), QString("送り状印刷ソフト・モルヴィク運送版"));
        QCOMPARE(d->verlabel->text(), QString("バージョン : 2.6.0.0"));
        QCOMPARE(d->companyLabel->text(), QString("コルヴェル・ソフト"));
        QVERIFY(d->copyright->text().contains("コルヴェル・ソフト"));
        QVERIFY(!d->officelabel->text().isEmpty());
        QVERIFY(!d->pictureLabel->pixmap().isNull());
        QVERIFY(d->linkLabel->text().contains("製品のご案内:"));
        QCOMPARE(d->closeButton->text(), QString("閉じる"));

        emit d->linkLabel->linkActivated("https://www.korvel-soft.example/");
        QCOMPARE(h.opened, QList<QUrl>{QUrl("https://www.korvel-soft.example/")});

        // Centred on the screen even when the main window stands in a corner.
        h.window->setGeometry(0, 0, 400, 300);
        QPoint shownCentre;
        QTimer::singleShot(50, d, [&] {
            shownCentre = d->frameGeometry().center();
            d->closeButton->click();
        });
        h.window->pages().actions->version->trigger();
        QVERIFY(!d->isVisible());
        const QPoint screenCentre = h.window->screen()->availableGeometry().center();
        QVERIFY2((shownCentre - screenCentre).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(shownCentre.x()).arg(shownCentre.y())));
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"
