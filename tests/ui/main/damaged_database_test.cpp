// A database file that is damaged, cut short or no database at all, found at
// start-up: it is named once, in Japanese, and everything that does not need
// it (preview, layout editor, single print) goes on working; the lists that
// read it stay empty instead of crashing.

#include "support/MainWindowTestFiles.h"
#include "support/TestNotices.h"

#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/history/HistoryPage.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "core/settings/Editions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/printing/PrintCommands.h"
#include "ui/history/HistoryController.h"
#include "ui/main/TopBar.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/Database.h"
#include "ui/preview/PreviewPage.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

enum class Damage { Overwritten, Truncated, NotADatabase };

// Enough rows that every file spans many pages, so that the damage lands on
// table pages and not only on the header.
void fillDatabases(const QString &addressDb, const QString &membersDb)
{
    Database db;
    QVERIFY(!db.OpenDatabase(addressDb).isError());
    db.BeginTransaction();
    for (int i = 0; i < 400; ++i)
        QVERIFY(!db.ExecSql(QString("INSERT INTO address(NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,LOCATION) "
                                    "VALUES('山田%1','様','1000001','東京都','千代田区','千代田%1-1')")
                                .arg(i)));
    db.Commit();
    QVERIFY(!db.OpenDatabase(membersDb).isError());
    db.BeginTransaction();
    for (int i = 0; i < 400; ++i)
        QVERIFY(!db.ExecSql(QString("INSERT INTO sender(senderdate,kind,userid,namae1,address1) "
                                    "VALUES('2024-05-01',40,'%1','山田%1','東京都千代田区千代田%1-1')")
                                .arg(i + 1)));
    db.Commit();
}

void damageFile(const QString &path, Damage damage)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 size = f.size();
    QVERIFY(size > 4 * 4096);
    switch (damage) {
    case Damage::Overwritten: {
        // One page's worth of noise in the middle, from a fixed seed.
        QRandomGenerator random(20240501);
        QByteArray noise(4096, '\0');
        for (char &c : noise)
            c = char(random.bounded(256));
        QVERIFY(f.seek((size / 2) & ~qint64(4095)));
        QCOMPARE(f.write(noise), qint64(noise.size()));
        break;
    }
    case Damage::Truncated:
        QVERIFY(f.resize(size / 2 + 100));
        break;
    case Damage::NotADatabase:
        QVERIFY(f.resize(0));
        f.write("お届け先一覧\r\n山田太郎,東京都千代田区\r\n");
        break;
    }
}

int inkPixels(const QImage &image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) < 128)
                ++ink;
    return ink;
}

} // namespace

class DamagedDatabaseTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void startupNamesTheFileAndStaysUsable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("damage");
        const struct {
            const char *file;
            const char *label;
        } files[] = {{"addressXe2.db3", "お届け先データベース"},
                     {"membersXe2.db3", "送付履歴データベース"},
                     {"zipcode.db3", "郵便番号データベース"}};
        const struct {
            const char *name;
            Damage damage;
        } damages[] = {{"overwritten", Damage::Overwritten},
                       {"truncated", Damage::Truncated},
                       {"not a database", Damage::NotADatabase}};
        for (const auto &f : files)
            for (const auto &d : damages)
                QTest::newRow(QByteArray(f.file) + ", " + d.name)
                    << QString::fromLatin1(f.file) << QString::fromUtf8(f.label) << int(d.damage);
    }

    void startupNamesTheFileAndStaysUsable()
    {
        QFETCH(QString, file);
        QFETCH(QString, label);
        QFETCH(int, damage);
        if (file == "zipcode.db3" && !QFileInfo::exists(programDir() + "/databaseXe2/zipcode.db3"))
            QSKIP("built without the postal-code database");

        QTemporaryDir root;
        QString path;
        {
            NoticeCatcher first;
            MainWindow w(programDir(), "zerrat_xe2", root.path());
            w.ensureStarted();
            QVERIFY(first.texts.isEmpty());
            fillDatabases(w.state().addressDbPath(), w.state().membersDbPath());
            path = w.state().folders.dataDir + "/" + file;
        }
        damageFile(path, Damage(damage));
        if (QTest::currentTestFailed())
            return;

        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        w.ensureStarted();
        QTRY_COMPARE(notices.texts.size(), 1);
        QCOMPARE(notices.headings.value(0), QString("確認"));
        const QString expected = label + "を開けません。ファイルが壊れているか、データベースではありません。\n" + path;
        QCOMPARE(notices.texts.value(0), expected);
        // The damaged file is left as it was: nothing was created over it.
        QVERIFY(QFileInfo::exists(path));

        // Layout, preview and single print need no database.
        QVERIFY(w.state().styleReady);
        QVERIFY(w.state().style.lines().size() > 1);
        QVERIFY(inkPixels(w.pages().preview->pageImage()) > 0);
        const QString pdf = root.filePath("single.pdf");
        w.state().printer().setOutputFormat(QPrinter::PdfFormat);
        w.state().printer().setOutputFileName(pdf);
        w.pages().settings->noHistoryBox->setChecked(true);
        QVERIFY(w.printing()->printSingle(true));
        QCOMPARE(PdfPageCount(pdf), 1);

        // The lists that read the file fill what they can and do not crash.
        w.pages().left->setCurrentIndex(2);
        QVERIFY(w.pages().list->rowCount() <= 400);
        w.history()->showHistory();
        QVERIFY(w.pages().history->rowCount() <= 400);
        if (file == "addressXe2.db3" && Damage(damage) != Damage::Overwritten)
            QCOMPARE(w.pages().settings->senderView->topLevelItemCount(), 0);
        if (file != "addressXe2.db3")
            QCOMPARE(w.pages().list->rowCount(), 400);
        if (file != "membersXe2.db3")
            QCOMPARE(w.pages().history->rowCount(), 400);
        w.pages().left->setCurrentIndex(1);
        QVERIFY(w.state().styleReady);
        // A list that meets the damage later says so in the same words.
        QTest::qWait(100);
        for (const QString &text : notices.texts)
            QCOMPARE(text, expected);
    }
};

QTEST_MAIN(DamagedDatabaseTest)
#include "damaged_database_test.moc"
