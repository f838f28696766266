// The import commands as the user runs them from the main window: the
// clipboard's text into the layout or the single-print editor, and a CSV
// import through a stand-in CSV editor.

#include "ui/addressbook/ConsigneeListPage.h"
#include "core/settings/Editions.h"
#include "ui/main/MainActions.h"
#include "core/text/TextFields.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/import/ImportCommands.h"
#include "core/data/Database.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "ui/editor/LayoutEditorPage.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvImporter.h"
#include "core/layout/PrintRecord.h"
#include "ui/preview/PreviewPage.h"

#include "support/DialogDriver.h"
#include "support/TestNotices.h"
#include "support/MainWindowTestFiles.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// A program folder that holds the shipped starter files and, when given, a
// stand-in CSV editor script instead of the real one.
QString makeProgramDir(const QTemporaryDir &root, const QByteArray &editorScript = {})
{
    const QString dir = root.filePath("program");
    QDir().mkpath(dir);
    for (const char *sub : {"style", "conf", "databaseXe2", "images", "help"})
        QFile::link(programDir() + "/" + sub, dir + "/" + sub);
    if (!editorScript.isEmpty()) {
        QFile script(dir + "/csv_importXe2");
        script.open(QIODevice::WriteOnly);
        script.write(editorScript);
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    return dir;
}

QString itemText(MainWindow &w, int id)
{
    const int index = w.state().style.findItem(id);
    return index < 0 ? QStringLiteral("<none>") : NthFieldOrEmpty(w.state().style.line(index), 20);
}

// Notes the first progress dialog that shows while it lives, with what it
// showed at that moment, and presses its cancel button when told to.
class ProgressWatcher : public QObject
{
public:
    explicit ProgressWatcher(bool cancel) : m_cancel(cancel) { qApp->installEventFilter(this); }
    ~ProgressWatcher() override { qApp->removeEventFilter(this); }

    bool seen = false;
    QString title, label, button;
    int value = -1, maximum = -1;
    bool windowModal = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QProgressDialog *>(watched);
        if (!dialog || event->type() != QEvent::Show || seen)
            return false;
        seen = true;
        title = dialog->windowTitle();
        label = dialog->labelText();
        value = dialog->value();
        maximum = dialog->maximum();
        windowModal = dialog->windowModality() == Qt::WindowModal;
        if (auto *cancel = dialog->findChild<QPushButton *>()) {
            button = cancel->text();
            if (m_cancel)
                cancel->click();
        }
        return false;
    }

private:
    bool m_cancel;
};

// Every row of the tables an import writes, as text.
QStringList addressBookRows(MainWindow &w)
{
    Database db;
    QStringList rows;
    if (!db.OpenDatabase(w.state().addressDbPath()).isError())
        rows << db.QueryRows("SELECT * FROM address ORDER BY ID").rows.lines();
    if (!db.OpenDatabase(w.state().membersDbPath()).isError())
        rows << db.QueryRows("SELECT * FROM memberitem ORDER BY userid, kind").rows.lines();
    return rows;
}

const char *kOrderMail = "━━━━━━━━━━\r\n"
                         "[注文者]\r\n"
                         "  楽天 一郎 (ラクテン イチロウ) 様\r\n"
                         "[送付先]  山田 太郎 (ヤマダ タロウ) 様\r\n"
                         "  〒600-8216 京都府京都市下京区東塩小路町\r\n"
                         "  (TEL) 075-123-4567\r\n"
                         "[商品]\r\n"
                         "手作り石けん 3個セット\r\n"
                         "━━━━━━━━━━\r\n";

} // namespace

class ImportCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void labelledTextGoesIntoTheLayoutItems()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        QVERIFY(!w.pages().actions->fromClip->isVisible());
        const int draws = w.pages().preview->drawCount();

        QGuiApplication::clipboard()->setText("郵便番号 = 123-4567\r\n住所 = 東京都千代田区千代田1-1\n"
                                              "電話 = 03-1234-5678\n");
        w.pages().actions->fromClip->trigger();
        QCOMPARE(itemText(w, 1), QString("123"));
        QCOMPARE(itemText(w, 2), QString("4567"));
        QCOMPARE(itemText(w, 3), QString("東京都千代田区千代田"));
        QCOMPARE(itemText(w, 4), QString("1-1"));
        QCOMPARE(itemText(w, 7), QString("03"));
        QCOMPARE(itemText(w, 9), QString("5678"));
        // The editor ends on the last item written, and its panel shows that text.
        QCOMPARE(w.pages().editor->chrdata->text(), QString("5678"));
        QCOMPARE(w.pages().editor->editor().selectedLine(), w.state().style.findItem(9));
        w.pages().preview->pageImage();
        QVERIFY(w.pages().preview->drawCount() > draws);
        QVERIFY(notices.texts.isEmpty());
    }

    void orderMailFillsSavesAndOpensTheEditor()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        QVERIFY(w.pages().actions->orderMailPaste->isVisible());
        QCOMPARE(w.pages().actions->orderMailPaste->shortcut(), QKeySequence(Qt::Key_F9));

        // An earlier waybill: another consignee on three address lines, with
        // its items, amounts, date and consignee number. Only its sender stays.
        const QString path = SingleDataPath(w.state().folders.workDir);
        PrintRecord before;
        const QMap<int, QString> earlier{{7, "12"},      {8, "前の人"},     {12, "1000001"},   {13, "東京都千代田区"},
                                         {14, "千代田1-1"}, {41, "コルヴェルハイツ201"}, {15, "03-1111-2222"},
                                         {17, "前の品"},    {18, "前の品2"},   {25, "3000"},      {26, "2"},
                                         {29, "50000"},     {22, "2024/12/24"}};
        for (auto it = earlier.cbegin(); it != earlier.cend(); ++it)
            before.setSlot(it.key(), it.value());
        before.setSlot(32, "前の送り主");
        QVERIFY(SaveSingleData(path, before).ok);

        QGuiApplication::clipboard()->setText(kOrderMail);
        QString shownName, shownAddress, shownLine2, shownTel2, shownPieces;
        DialogDriver driver([&](QWidget *modal) {
            if (auto *editor = qobject_cast<SingleDataDialog *>(modal)) {
                shownName = editor->boxes->name[0]->text();
                shownAddress = editor->boxes->address[0]->text();
                shownLine2 = editor->boxes->address[1]->text();
                shownTel2 = editor->boxes->tel[1]->text();
                shownPieces = editor->boxes->pieces->text();
            }
            qobject_cast<QDialog *>(modal)->reject();
        });
        QVERIFY(w.imports()->pasteOrderMail());
        QCOMPARE(shownName, QString("山田 太郎"));
        QCOMPARE(shownAddress, QString("京都府京都市下京区東塩小路町"));
        QCOMPARE(shownLine2, QString());
        QCOMPARE(shownTel2, QString("123"));
        QCOMPARE(shownPieces, QString());

        // Saved before the editor opened: its cancel keeps the pasted data.
        PrintRecord saved;
        QVERIFY(LoadSingleData(path, saved).ok);
        const QMap<int, QString> pasted{{8, "山田 太郎"}, {12, "6008216"}, {13, "京都府京都市下京区東塩小路町"},
                                        {15, "075-123-4567"}, {17, "手作り石けん 3個セット"}, {22, "//"}};
        for (auto it = earlier.cbegin(); it != earlier.cend(); ++it)
            QCOMPARE(saved.slot(it.key()), pasted.value(it.key()));
        QCOMPARE(saved.slot(32), QString("前の送り主"));
        QVERIFY(notices.texts.isEmpty());
    }

    void textThatIsNoOrderMailChangesNothing()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        const QString path = SingleDataPath(w.state().folders.workDir);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();

        for (const char *text : {"[送付先] 山田 太郎 様\r\n〒600-8216 京都府\r\n(TEL) 075-123-4567\r\n",
                                 "[商品]\r\n石けん\r\n[送付先] 山田 太郎 様\r\n"}) {
            QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
            QVERIFY(!w.imports()->pasteOrderMail());
            QTRY_VERIFY(!notices.texts.isEmpty());
            QVERIFY(notices.texts.last().startsWith("楽天の売上メール形式ではありません"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), bytes);
            file.close();
        }
    }

    void cashOnDeliveryPasteSwitchesTheFormAndAsksForTheAmount()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        // Not an order mail: the notice, and the amount is asked for all the same.
        QGuiApplication::clipboard()->setText("こんにちは");
        QString prompt;
        DialogDriver driver([&](QWidget *modal) {
            if (auto *dialog = qobject_cast<QInputDialog *>(modal)) {
                prompt = dialog->labelText();
                dialog->setTextValue("12,800");
            }
            qobject_cast<QDialog *>(modal)->accept();
        });
        QVERIFY(!w.imports()->pasteOrderMailCashOnDelivery());
        QCOMPARE(prompt, QString("引換金入力"));
        QVERIFY(w.state().style.CurrentStyleFile.endsWith("/d_zerrat.sle"));
        QCOMPARE(itemText(w, 35), QString("12,800"));
        QCOMPARE(w.pages().editor->editor().selectedLine(), w.state().style.findItem(35));
        QCOMPARE(notices.texts.size(), 1);
    }

    void csvImportRunsTheEditorAndFillsTheList()
    {
        QTemporaryDir root;
        // The stand-in writes its result into the conf folder it is given,
        // after a pause in which the window is asked to close.
        const QString program = makeProgramDir(root, "#!/bin/sh\n"
                                                     "arg=\"$1\"; rest=\"${arg%,}\"; conf=\"${rest%,*}\"\n"
                                                     "sleep 1\n"
                                                     "printf '\\357\\273\\277山田 太郎,,600-8216,京都府京都市下京区,,"
                                                     "東塩小路町1,,075-123-4567,,3000,石けん,,,,\\r\\n' "
                                                     "> \"$conf/csvImport.tmp\"\n");
        NoticeCatcher notices;
        MainWindow w(program, "zerrat_xe2", root.path());
        w.show();
        w.ensureStarted();
        QVERIFY(w.pages().actions->csvImport->isEnabled());

        bool closed = true;
        QTimer::singleShot(300, &w, [&] { closed = w.close(); });
        ProgressWatcher progress(false);
        const CsvImportOutcome outcome = w.imports()->importCsv();
        QVERIFY(!closed);
        QVERIFY2(!progress.seen, "a one-line import shows no progress dialog");
        QCOMPARE(outcome.status, CsvImportOutcome::Imported);
        QCOMPARE(w.pages().left->currentIndex(), 2);
        QTRY_COMPARE(notices.texts.size(), 2);
        QCOMPARE(notices.texts.at(0), QString("CSV取込画面を先に閉じてください。"));
        QCOMPARE(notices.texts.at(1), QString("CSVファイルから取り込みました。"));
        QCOMPARE(w.pages().list->rowCount(), 1);

        Database db;
        QVERIFY(!db.OpenDatabase(w.state().addressDbPath()).isError());
        const RowList rows = db.QueryRows("select AREA, CITY, ZIPCODE from address").rows;
        QCOMPARE(rows.value(0, 0), QString("京都府"));
        QCOMPARE(rows.value(0, 1), QString("京都市下京区"));
        QCOMPARE(rows.value(0, 2), QString("6008216"));
        // The editor has ended: closing works again.
        QVERIFY(w.close());
    }

    void csvImportShowsItsProgressAndACancelTakesEverythingBack()
    {
        QTemporaryDir root;
        // The stand-in leaves a large result prepared by the test.
        const int lines = 6000;
        QVector<QStringList> rows;
        for (int i = 0; i < lines; ++i)
            rows.append({QString("佐藤%1").arg(i), "様", "100-0001", "東京都千代田区千代田", "", "1-1", "", "03-1234-5678",
                         "", "500", "りんご", "", "", ""});
        const QString result = root.filePath("result.tmp");
        QVERIFY(WriteCsvImportFile(result, rows));
        const QString program = makeProgramDir(
            root, "#!/bin/sh\narg=\"$1\"; rest=\"${arg%,}\"; conf=\"${rest%,*}\"\ncp '" + result.toUtf8()
                      + "' \"$conf/csvImport.tmp\"\n");
        NoticeCatcher notices;
        MainWindow w(program, "zerrat_xe2", root.path());
        w.show();
        w.ensureStarted();
        // One consignee with item data for the edition, which the file would rewrite.
        Database db;
        QVERIFY(!db.OpenDatabase(w.state().addressDbPath()).isError());
        QVERIFY(!db.ExecSql("INSERT INTO address(NAMAE1,NAMAE2) VALUES('佐藤0','様')"));
        QVERIFY(!db.OpenDatabase(w.state().membersDbPath()).isError());
        QVERIFY(!db.ExecSql(QString("INSERT INTO memberitem(userid,kind,itemname1) VALUES(1,%1,'みかん')")
                                .arg(w.state().editionCode())));
        db.CloseDatabase();
        const QStringList before = addressBookRows(w);

        ProgressWatcher canceller(true);
        const CsvImportOutcome outcome = w.imports()->importCsv();
        QVERIFY(canceller.seen);
        QCOMPARE(canceller.title, QApplication::applicationDisplayName());
        QVERIFY(canceller.windowModal);
        QCOMPARE(canceller.button, QString("キャンセル"));
        QCOMPARE(canceller.maximum, lines);
        // Shown while the import is under way, with the lines done and the total.
        QVERIFY(canceller.value > 0 && canceller.value < lines);
        QCOMPARE(canceller.label, QString("CSVファイルから取り込んでいます（%1 / 6,000 行）")
                                      .arg(QLocale(QLocale::Japanese).toString(canceller.value)));

        QCOMPARE(outcome.status, CsvImportOutcome::Cancelled);
        QTRY_COMPARE(notices.texts.size(), 1);
        QCOMPARE(notices.texts.at(0), CsvImportCancelledNotice());
        QCOMPARE(notices.headings.at(0), QString("確認"));
        QCOMPARE(addressBookRows(w), before);
        QCOMPARE(w.pages().list->rowCount(), 1);
    }

    void csvImportWithoutTheEditorSaysWhereToGetIt()
    {
        QTemporaryDir root;
        const QString program = makeProgramDir(root);
        NoticeCatcher notices;
        MainWindow w(program, "zerrat_xe2", root.path());
        w.ensureStarted();
        QCOMPARE(w.imports()->importCsv().status, CsvImportOutcome::EditorMissing);
        QTRY_COMPARE(notices.texts.size(), 1);
        QVERIFY(notices.texts.at(0).startsWith("CSVエディタ－がインストールされていません"));
    }
};

QTEST_MAIN(ImportCommandsTest)
#include "import_commands_test.moc"
