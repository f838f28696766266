// The sending history in the main window: a printed waybill appears in the
// history, is corrected, printed again through the single-print data and
// registered as a consignee; F8 and "履歴を書き込む".

#include "support/DialogDriver.h"
#include "support/TestNotices.h"

#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/history/HistoryCommands.h"
#include "ui/history/HistoryPage.h"
#include "ui/history/HistoryTableModel.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "ui/history/HistoryEditDialog.h"
#include "core/settings/Editions.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/WaybillView.h"
#include "ui/printing/PrintCommands.h"
#include "ui/history/HistoryController.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "core/data/DatabaseErrorText.h"
#include "core/history/PendingHistory.h"
#include "core/settings/AppFolders.h"
#include "core/settings/StoreSettings.h"
#include "ui/history/PendingHistoryStatus.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "core/layout/PrintRecord.h"
#include "ui/preview/PreviewPage.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
}

} // namespace

class HistoryWindowTest : public QObject
{
    Q_OBJECT
private:
    QStringList query(MainWindow &w, const QString &file, const QString &sql)
    {
        Database db;
        QStringList lines;
        if (db.OpenDatabase(file).isError())
            return {"?"};
        const QueryResult result = db.QueryRows(sql); // the rows live in it
        for (const QStringList &row : result.rows.rows())
            lines << row.join('|');
        return lines;
    }
    void exec(const QString &file, const QString &sql)
    {
        Database db;
        QVERIFY(!db.OpenDatabase(file).isError());
        QVERIFY(!db.ExecSql(sql));
    }

private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void printedWaybillIsCorrectedReprintedAndRegistered()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        w.state().record.setSlot(8, "山田太郎");
        w.state().record.setSlot(13, "京都府京都市");
        w.state().record.setSlot(14, "中京区1-2");
        w.state().record.setSlot(15, "075-123-4567");
        w.state().printer().setOutputFormat(QPrinter::PdfFormat);
        w.state().printer().setOutputFileName(root.filePath("out.pdf"));
        QVERIFY(w.printing()->printSingle(true));

        // F8: the history and the consignee list, the preview left as it was.
        w.pages().actions->history->trigger();
        QCOMPARE(w.pages().right->currentIndex(), 2);
        QCOMPARE(w.pages().left->currentIndex(), 2);
        HistoryPage *page = w.pages().history;
        QCOMPARE(page->rowCount(), 1);
        QCOMPARE(page->model()->cellText(0, 3), QString("山田太郎"));
        const QString id = page->model()->idAt(0);

        // Correction: the tracking number shows in column 7.
        page->selectRow(0);
        {
            DialogDriver driver([](QWidget *modal) {
                auto *edit = qobject_cast<HistoryEditDialog *>(modal);
                if (!edit) {
                    modal->close();
                    return;
                }
                edit->number->setText("1234-5678-9012");
                edit->operate_btn->click();
            });
            page->editButton->click();
            QCOMPARE(driver.seen, QString("HistoryEditDialog"));
        }
        QCOMPARE(page->model()->cellText(0, 7), QString("1234-5678-9012"));

        // Reprint: the single-print data file, weight kept, the editor opened.
        w.state().record.setSlot(27, "9");
        w.state().record.setSlot(22, "/1/2");
        page->selectRow(0);
        {
            DialogDriver driver([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
            page->reprintAction->trigger();
            QCOMPARE(driver.seen, QString("SingleDataDialog"));
        }
        QCOMPARE(w.pages().left->currentIndex(), 0);
        QCOMPARE(w.pages().right->currentIndex(), 0);
        PrintRecord file;
        QVERIFY(LoadSingleData(SingleDataPath(w.state().folders.workDir), file));
        QCOMPARE(file.slot(8), QString("山田太郎"));
        QCOMPARE(file.slot(27), QString("9"));
        QCOMPARE(file.slot(22), QString());
        QCOMPARE(w.state().record.slot(8), QString("山田太郎"));

        // A sender that is gone: the notice, the selection kept.
        exec(w.state().membersDbPath(), "UPDATE sender SET snamae1='閉店した店' WHERE ID=" + id);
        w.pages().actions->history->trigger();
        page->selectRow(0);
        notices.texts.clear();
        {
            DialogDriver driver([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
            page->reprintAction->trigger();
        }
        QVERIFY(notices.texts.contains("ご依頼主[閉店した店]が見つかりません。"));

        // Registration: 京都府 and 京都市 from 「京都府京都市」, saved as a new consignee.
        w.pages().actions->history->trigger();
        page->selectRow(0);
        QString mode, area, city;
        {
            DialogDriver driver([&](QWidget *modal) {
                auto *edit = qobject_cast<ConsigneeDialog *>(modal);
                if (!edit) {
                    modal->close();
                    return;
                }
                mode = edit->panel(0);
                area = edit->boxes->prefecture->currentText();
                city = edit->boxes->address[0]->text();
                edit->save();
            });
            page->registerConsigneeAction->trigger();
        }
        // The row's code, 100-0001, is Tokyo's: the editor asks, and はい saves.
        if (w.state().postalTable.waitForTable())
            QCOMPARE(notices.texts.last(), QString("郵便番号と住所が一致しません。このまま保存しますか？\n\n"
                                                   "郵便番号 100-0001 の住所は「東京都千代田区千代田」です"));
        QCOMPARE(mode, QString("追加"));
        QCOMPARE(area, QString("京都府"));
        QCOMPARE(city, QString("京都市"));
        QCOMPARE(query(w, w.state().addressDbPath(), "SELECT area,city,location,tel FROM address WHERE namae1='山田太郎'"),
                 QStringList({"京都府|京都市|中京区1-2|075-123-4567"}));
    }

    // The shared server stopped: the waybill prints, and its history row is
    // kept on the station with a notice in the start-up question's words,
    // and counted in the status bar until the server takes it.
    void aPrintWhileTheServerIsDownKeepsItsRowOnTheStation()
    {
        QTemporaryDir root;
        StoreSettings store;
        store.useServer = true;
        store.host = "127.0.0.1";
        store.port = 1; // nothing listens there
        QVERIFY(QDir().mkpath(DataDirFor(root.path())));
        QVERIFY(WriteStoreSettings(DataDirFor(root.path()), store));
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        QCOMPARE(w.state().membersDbPath(), store.location());
        const QString pdf = root.filePath("single.pdf");
        w.state().printer().setOutputFormat(QPrinter::PdfFormat);
        w.state().printer().setOutputFileName(pdf);
        w.state().record.setSlot(8, "止まっていた間");
        const int before = int(notices.texts.size());
        QVERIFY(w.printing()->printSingle(true));
        QVERIFY(QFileInfo::exists(pdf));
        QCOMPARE(int(notices.texts.size()), before + 1);
        Database probe;
        QCOMPARE(notices.texts.last().section("\n\n", 0, 0),
                 StoreFailureNotice(probe.OpenDatabase(store.location()), store.location()));
        QVERIFY(notices.texts.last().contains("送信記録はこのパソコンに保存しました"));
        QCOMPARE(PendingHistory(w.state().folders.dataDir).count(), 1);
        QCOMPARE(w.pendingHistory()->label()->text(), QString("未登録の送付履歴 1 件"));
        QVERIFY(!w.pendingHistory()->label()->isHidden());
    }

    void writeButtonOnThePrintSettingsPageLinksNoConsignee()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        w.pages().left->setCurrentIndex(0);
        w.state().record.setSlot(7, "42");
        w.state().record.setSlot(8, "書込");
        w.pages().preview->writeHistoryButton->click();
        QCOMPARE(notices.texts.last(), QString("送信記録を登録しました"));
        QCOMPARE(query(w, w.state().membersDbPath(), "SELECT userid,namae1,kind FROM sender"), QStringList({"|書込|40"}));

        w.state().record.setSlot(8, QString(21, u'長'));
        QVERIFY(!w.history()->writeHistoryForPreview());
        QVERIFY(notices.texts.last().startsWith("[保存できませんでした]氏名が長すぎます。"));

        // A waybill without a consignee name is not recorded, and the button says so.
        w.state().record.setSlot(8, QString());
        w.pages().preview->writeHistoryButton->click();
        QCOMPARE(notices.texts.last(), QString("お届け先のお名前がないため、送付履歴に記録しませんでした"));
        QCOMPARE(query(w, w.state().membersDbPath(), "SELECT count(*) FROM sender"), QStringList({"1"}));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
