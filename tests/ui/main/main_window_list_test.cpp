// The consignee list inside the main window: what the preview and the printer
// show follows the list's current row and ticks, wherever a command starts.
#include "support/DialogDriver.h"
#include "support/MainWindowTestFiles.h"
#include "support/TestNotices.h"

#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "ui/addressbook/AddressBookCommands.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "core/settings/Editions.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/WaybillView.h"
#include "ui/printing/PrintCommands.h"
#include "ui/history/HistoryController.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "core/layout/PrintRecord.h"
#include "ui/addressbook/SenderSearchDialog.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

namespace {

// A started zerrat window whose address book holds Alpha, Bravo and Charlie:
// Alpha and Charlie send with sender 1, Bravo with sender 2. The list page is
// the active one.
struct ListWindow {
    NoticeCatcher notices;
    QTemporaryDir root;
    std::unique_ptr<MainWindow> window;
    QStringList ids; // Alpha, Bravo, Charlie

    // answer: how the message boxes are answered (a button a box lacks: its default)
    explicit ListWindow(QMessageBox::StandardButton answer = QMessageBox::Ok) : notices(answer)
    {
        window = std::make_unique<MainWindow>(programDir(), "zerrat_xe2", root.path());
        window->ensureStarted();
        const int senders[] = {1, 2, 1};
        int n = 0;
        for (const char *name : {"Alpha", "Bravo", "Charlie"}) {
            ids << addConsignee(name);
            exec(window->state().membersDbPath(), QString("INSERT INTO memberitem(userid,kind,companyID) VALUES(%1,40,%2)")
                                              .arg(ids.last())
                                              .arg(senders[n++]));
        }
        window->pages().left->setCurrentIndex(2);
        notices.texts.clear();
    }

    ConsigneeListPage &list() { return *window->pages().list; }

    QString addConsignee(const QString &name)
    {
        exec(window->state().addressDbPath(), "INSERT INTO address(namae1,namae2) VALUES(" + SqlQuote(name) + ",'')");
        return query(window->state().addressDbPath(), "SELECT max(ID) FROM address").value(0);
    }

    void exec(const QString &file, const QString &sql)
    {
        Database db;
        QVERIFY(!db.OpenDatabase(file).isError());
        QVERIFY2(!db.ExecSql(sql), qPrintable(sql));
    }

    // The rows of a query, each row's columns joined with '|'.
    QStringList query(const QString &file, const QString &sql)
    {
        Database db;
        QStringList values;
        if (db.OpenDatabase(file).isError())
            return values;
        const QueryResult result = db.QueryRows(sql);
        for (const QStringList &row : result.rows.rows())
            values << row.join('|');
        return values;
    }

    // Selects the row of consignee id as a click on it does.
    void select(const QString &id)
    {
        const int row = list().model()->rowOf(id);
        QVERIFY(row >= 0);
        list().consigneeGrid->selectionModel()->setCurrentIndex(
            list().model()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    // Ticks consignee id as a click on its check box does.
    void tick(const QString &id)
    {
        ConsigneeTableModel *model = list().model();
        QVERIFY(model->setData(model->index(model->rowOf(id), 0), Qt::Checked, Qt::CheckStateRole));
    }

    // Filters the list by sender row index (sender 1: Alpha and Charlie; 2: Bravo).
    void filterBySender(int row)
    {
        DialogDriver chooseSender([row](QWidget *dialog) {
            auto *search = qobject_cast<SenderSearchDialog *>(dialog);
            QVERIFY(search);
            search->senderChoice->topLevelItem(row)->setSelected(true);
            search->runButton->click();
        });
        list().senderFilterButton->click();
        QCOMPARE(chooseSender.seen, QString("SenderSearchDialog"));
    }

    // Prints into a PDF file of the scratch folder, without the printer dialog.
    QString pdfOutput(const QString &name)
    {
        const QString pdf = root.filePath(name);
        window->state().printer().setOutputFormat(QPrinter::PdfFormat);
        window->state().printer().setOutputFileName(pdf);
        return pdf;
    }

    QStringList history() { return query(window->state().membersDbPath(), "select userid,namae1 from sender order by ID"); }
};

} // namespace

class MainWindowListTest : public QObject
{
    Q_OBJECT
private slots:
    // A consignee whose row cannot be read (the store stopped answering) does
    // not replace the waybill on the preview with a blank one: the record
    // stays, and the clerk is told why; a refill of the senders keeps them.
    void anAddressBookThatCannotBeReadLeavesWhatIsShown()
    {
        ListWindow w;
        w.select(w.ids[0]);
        QCOMPARE(w.window->state().record.slot(8), QString("Alpha"));
        const QString address = w.window->state().addressDbPath();
        QFile file(address);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'x'));
        file.close();
        w.select(w.ids[1]);
        QCOMPARE(w.window->state().record.slot(8), QString("Alpha"));
        QVERIFY(w.window->state().style.lines().join('\n').contains("Alpha"));
        QCOMPARE(w.notices.texts.size(), 1);
        const QString notice =
            QString("お届け先データベースを開けません。ファイルが壊れているか、データベースではありません。\n") + address;
        QCOMPARE(w.notices.texts.first(), notice);

        QTreeWidget *senders = w.window->pages().settings->senderView;
        QCOMPARE(senders->topLevelItemCount(), 4);
        w.window->addressBook()->readSenders();
        QCOMPARE(senders->topLevelItemCount(), 4);
        QCOMPARE(w.notices.texts, QStringList({notice, notice}));
    }

    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    // 連票印刷 started on another page prints the ticked consignees, not the
    // single-print waybill once per tick.
    void batchPrintFromAnotherPagePrintsTheTickedConsigneesInTickOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("印刷設定") << 0;
        QTest::newRow("印刷位置調整") << 1;
    }
    void batchPrintFromAnotherPagePrintsTheTickedConsigneesInTickOrder()
    {
        QFETCH(int, page);
        ListWindow w;
        w.tick(w.ids[2]);
        w.tick(w.ids[0]);
        w.tick(w.ids[1]);
        w.window->pages().left->setCurrentIndex(page);
        const QString pdf = w.pdfOutput("batch.pdf");

        QVERIFY(w.window->printing()->printBatch(true));
        QCOMPARE(w.window->pages().left->currentIndex(), 2);
        QCOMPARE(PdfPageCount(pdf), 3);
        QCOMPARE(w.history(), QStringList({w.ids[2] + "|Charlie", w.ids[0] + "|Alpha", w.ids[1] + "|Bravo"}));
        if (HasPdfToText()) {
            QVERIFY(PdfPageText(pdf, 1).contains("Charlie"));
            QVERIFY(PdfPageText(pdf, 3).contains("Bravo"));
        }
        // The closing notice and the status bar name the file the pages went to.
        QCOMPARE(w.notices.texts, QStringList{"送信記録を登録しました\nPDFファイル: " + pdf});
        QCOMPARE(w.window->statusBar()->currentMessage(), "PDFファイルに印刷しました: " + pdf);
    }

    void batchPrintWithNothingTickedSaysSoFromAnyPage()
    {
        ListWindow w;
        w.window->pages().left->setCurrentIndex(0);
        const QString pdf = w.pdfOutput("none.pdf");
        QVERIFY(!w.window->printing()->printBatch(true));
        QCOMPARE(w.notices.texts, QStringList{"お届け先リストで印刷したいデータにチェックを入れてください"});
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(w.history().isEmpty());
    }

    // A refill that no longer shows the selected consignee leaves the waybill
    // of no consignee: the preview and 単票印刷 must not keep the hidden one.
    void refillThatHidesTheSelectedConsigneeLeavesNoConsigneeOnThePreview()
    {
        ListWindow w;
        w.select(w.ids[1]);
        QCOMPARE(w.window->state().record.slot(8), QString("Bravo"));
        w.filterBySender(0);
        QCOMPARE(w.list().rowCount(), 2);
        QCOMPARE(w.list().selectedId(), QString());
        QCOMPARE(w.window->state().record.slot(7), QString());
        QCOMPARE(w.window->state().record.slot(8), QString());
    }

    // 単票印刷 of a waybill without a consignee asks first, いいえ by default;
    // printed all the same, it leaves no blank row in the history.
    void singlePrintWithoutAConsigneeAsksFirstAndRecordsNothing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("printed");
        // OK is not on the question: its default button answers.
        QTest::newRow("default") << int(QMessageBox::Ok) << false;
        QTest::newRow("はい") << int(QMessageBox::Yes) << true;
    }
    void singlePrintWithoutAConsigneeAsksFirstAndRecordsNothing()
    {
        QFETCH(int, answer);
        QFETCH(bool, printed);
        ListWindow w{QMessageBox::StandardButton(answer)};
        w.select(w.ids[1]);
        w.filterBySender(0);
        QCOMPARE(w.window->state().record.slot(8), QString());
        const QString pdf = w.pdfOutput("single.pdf");
        QCOMPARE(w.window->printing()->printSingle(true), printed);
        QCOMPARE(w.notices.texts, QStringList{"お届け先が選ばれていません。このまま印刷しますか？"});
        QCOMPARE(QFile::exists(pdf), printed);
        QVERIFY(w.history().isEmpty());
    }

    // A refill that still shows the selected consignee keeps it.
    void refillThatStillShowsTheSelectedConsigneeKeepsIt()
    {
        ListWindow w;
        w.select(w.ids[2]);
        w.filterBySender(0);
        QCOMPARE(w.list().selectedId(), w.ids[2]);
        QCOMPARE(w.window->state().record.slot(8), QString("Charlie"));
    }

    // A search makes its first hit the current row, and the preview shows it.
    void aSearchPutsItsFirstHitOnThePreview_data()
    {
        QTest::addColumn<int>("selected");
        QTest::newRow("a row the search hides") << 1;
        QTest::newRow("a later hit") << 2;
    }
    void aSearchPutsItsFirstHitOnThePreview()
    {
        QFETCH(int, selected);
        ListWindow w;
        w.select(w.ids[selected]);
        w.list().addressSearch->setText("h"); // Alpha and Charlie, not Bravo
        QTest::keyClick(w.list().addressSearch, Qt::Key_Return);
        QCOMPARE(w.list().rowCount(), 2);
        QCOMPARE(w.list().selectedId(), w.ids[0]);
        QCOMPARE(w.window->state().record.slot(8), QString("Alpha"));
    }

    // After 連票印刷 the preview shows the list's current row again (or no
    // consignee when there is none), not the last page printed: clicking the
    // preview and 単票印刷 then take the consignee the clerk sees.
    void batchPrintLeavesTheCurrentRowOnThePreview_data()
    {
        QTest::addColumn<bool>("currentHidden");
        QTest::newRow("Alpha current") << false;
        QTest::newRow("no current row") << true;
    }
    void batchPrintLeavesTheCurrentRowOnThePreview()
    {
        QFETCH(bool, currentHidden);
        ListWindow w;
        w.select(w.ids[0]);
        w.tick(w.ids[1]);
        w.tick(w.ids[2]);
        if (currentHidden)
            w.filterBySender(1); // Bravo alone; Charlie stays ticked
        w.pdfOutput("batch.pdf");
        QVERIFY(w.window->printing()->printBatch(true));
        QCOMPARE(w.history(), QStringList({w.ids[1] + "|Bravo", w.ids[2] + "|Charlie"}));
        const PrintRecord &record = w.window->state().record;
        QCOMPARE(record.slot(7), currentHidden ? QString() : w.ids[0]);
        QCOMPARE(record.slot(8), currentHidden ? QString() : QString("Alpha"));
        if (currentHidden)
            return;
        w.pdfOutput("single.pdf");
        QVERIFY(w.window->printing()->printSingle(true));
        QCOMPARE(w.history().last(), w.ids[0] + "|Alpha");
    }

    // With 送付履歴に記録しない ticked the closing notice does not claim a record.
    void batchPrintWithoutHistoryDoesNotSayItRecorded()
    {
        ListWindow w;
        w.tick(w.ids[0]);
        w.tick(w.ids[1]);
        w.window->pages().settings->noHistoryBox->setChecked(true);
        const QString pdf = w.pdfOutput("unrecorded.pdf");
        QVERIFY(w.window->printing()->printBatch(true));
        QVERIFY(w.history().isEmpty());
        QCOMPARE(w.notices.texts, QStringList{"2件を印刷しました\nPDFファイル: " + pdf});
    }

    // 連票印刷 has a key of its own, shown in the file menu.
    void batchPrintHasItsOwnShortcut()
    {
        ListWindow w;
        QAction *batch = w.window->pages().actions->print2;
        QCOMPARE(batch->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
        for (QAction *other : w.window->findChildren<QAction *>())
            if (other != batch)
                QVERIFY2(other->shortcut() != batch->shortcut(), qPrintable(other->text()));
        auto *file = w.window->menuBar()->findChild<QMenu *>("menuFile");
        QVERIFY(file && file->actions().contains(batch));

        // The key runs the command (nothing ticked: it says so).
        w.window->show();
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.notices.texts, QStringList{"お届け先リストで印刷したいデータにチェックを入れてください"});
    }

    void savedNewConsigneeBecomesTheCurrentRow()
    {
        ListWindow w;
        w.select(w.ids[0]);
        DialogDriver save([](QWidget *dialog) {
            auto *editor = qobject_cast<ConsigneeDialog *>(dialog);
            QVERIFY(editor);
            editor->boxes->name[0]->setText("Delta");
            editor->operate_btn->click();
        });
        w.window->pages().actions->newConsignee->trigger();
        const QString delta = w.query(w.window->state().addressDbPath(), "SELECT ID FROM address WHERE namae1='Delta'").value(0);
        QVERIFY(!delta.isEmpty());
        QCOMPARE(w.list().selectedId(), delta);
        QCOMPARE(w.window->state().record.slot(8), QString("Delta"));

        w.pdfOutput("new.pdf");
        QVERIFY(w.window->printing()->printSingle(true));
        QCOMPARE(w.history(), QStringList{delta + "|Delta"});
    }

    // The consignee on the list was deleted behind the window's back (another
    // edition on the same address book): editing or deleting it says so.
    void editOrDeleteOfAConsigneeWhoseRowIsGoneIsReported_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("保存") << false;
        QTest::newRow("削除") << true;
    }
    void editOrDeleteOfAConsigneeWhoseRowIsGoneIsReported()
    {
        QFETCH(bool, remove);
        ListWindow w;
        w.select(w.ids[1]);
        w.exec(w.window->state().addressDbPath(), "DELETE FROM address WHERE ID=" + w.ids[1]);
        w.exec(w.window->state().membersDbPath(), "DELETE FROM memberitem WHERE userid=" + w.ids[1]);

        DialogDriver edit([remove](QWidget *dialog) {
            auto *editor = qobject_cast<ConsigneeDialog *>(dialog);
            QVERIFY(editor);
            editor->boxes->name[0]->setText("Bravo 2");
            editor->boxes->goods[0]->setText("りんご");
            (remove ? editor->deleteBtn : editor->operate_btn)->click();
            if (editor->isVisible())
                editor->reject();
        });
        w.window->pages().actions->editConsignee->trigger();
        QCOMPARE(edit.seen, QString("ConsigneeDialog"));

        const QString gone = "登録番号 " + w.ids[1]
                             + " のデータが見つかりません。ほかの操作で削除されたか、データのリストアで入れ替わっています。";
        QVERIFY2(w.notices.texts.contains(remove ? gone : "[保存できませんでした]\n" + gone),
                 qPrintable(w.notices.texts.join(" / ")));
        QCOMPARE(w.query(w.window->state().addressDbPath(), "SELECT count(*) FROM address WHERE namae1='Bravo 2'"),
                 QStringList{"0"});
        QCOMPARE(w.query(w.window->state().membersDbPath(), "SELECT count(*) FROM memberitem WHERE userid=" + w.ids[1]),
                 QStringList{"0"});
        // The row that led to nothing is gone from the list.
        QCOMPARE(w.list().model()->rowOf(w.ids[1]), -1);
    }
};

QTEST_MAIN(MainWindowListTest)
#include "main_window_list_test.moc"
