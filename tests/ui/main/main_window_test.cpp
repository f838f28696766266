#include "support/MainWindowTestFiles.h"

#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "core/settings/Editions.h"
#include "ui/main/MainActions.h"
#include "ui/common/ShowNotice.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/WaybillView.h"
#include "ui/printing/PrintCommands.h"
#include "ui/addressbook/AddressBookCommands.h"
#include "ui/main/TopBar.h"
#include "core/data/Database.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "core/layout/PrintRecord.h"
#include "ui/preview/PreviewPage.h"
#include "support/DialogDriver.h"
#include "support/PdfFiles.h"
#include "support/TestNotices.h"
#include "support/TestTyping.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

int historyRows(MainWindow &w)
{
    Database db;
    if (db.OpenDatabase(w.state().membersDbPath()).isError())
        return -1;
    return db.QueryRows("select count(*) from sender").rows.value(0, 0).toInt();
}

// Accepts the next modal dialog after a moment, letting look see it first. A
// dialog that refuses its file stays open: it is closed so the test ends.
void acceptNextDialog(QObject *context, const std::function<void(QDialog *)> &look)
{
    QTimer::singleShot(100, context, [look] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        look(dialog);
        dialog->accept();
        QTimer::singleShot(300, dialog, [dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
    });
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void firstStartCreatesFoldersDatabasesAndFourSenders()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        const QString work = root.path() + "/korvel/zerrat_xe2";
        QVERIFY(QFileInfo(work + "/ini").isDir());
        QVERIFY(QFileInfo::exists(work + "/style/zerrat.sle"));
        QVERIFY(QFileInfo::exists(work + "/conf/singledata.txt"));
        QVERIFY(QFileInfo::exists(w.state().addressDbPath()));
        QVERIFY(QFileInfo::exists(w.state().membersDbPath()));
        QCOMPARE(w.pages().settings->senderView->topLevelItemCount(), 4);
        QCOMPARE(w.state().style.CurrentStyleFile, work + "/style/zerrat.sle");
        QVERIFY(w.state().styleReady);
    }

    // The program's own start: the first show puts the window's place, page and
    // options in place at once, and the printer, the databases and the layout
    // follow on the event loop's next turn; the window then is as a start made
    // whole within the show leaves it.
    void deferredStartEndsAsAStartWithinTheShow()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        {
            MainWindow first(programDir(), "zerrat_xe2", root.path());
            first.show();
            QVERIFY(first.started());
            first.pages().settings->fixitem[0]->setText("りんご");
            QVERIFY(first.close());
        }
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.setDeferredStart(true);
        w.show();
        QVERIFY(!w.started());
        QVERIFY(!w.state().styleReady);
        QCOMPARE(w.pages().left->currentIndex(), 1);
        QCOMPARE(w.pages().settings->fixitem[0]->text(), QStringLiteral("りんご"));
        QTRY_VERIFY(w.started());
        QVERIFY(w.state().styleReady);
        QVERIFY(w.pages().preview->isReady());
        QCOMPARE(w.pages().settings->senderView->topLevelItemCount(), 4);
        QCOMPARE(w.state().style.CurrentStyleFile, root.path() + "/korvel/zerrat_xe2/style/zerrat.sle");
        QVERIFY(w.addressBook()->editors()->singleDataDialog() != nullptr);
        QVERIFY(notices.texts.isEmpty());
    }

    // Closed before the rest of its start has run, the window never starts:
    // nothing is opened or shown for a window that is gone.
    void aWindowClosedBeforeItsDeferredStartNeverStarts()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.setDeferredStart(true);
        w.show();
        QVERIFY(w.close());
        QCoreApplication::processEvents();
        QVERIFY(!w.started());
        QVERIFY(!QFileInfo::exists(w.state().addressDbPath()));
        QVERIFY(notices.texts.isEmpty());
    }

    // The preview header shows the edition's bar on the consignee list only.
    void previewHeaderFollowsThePage()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        const QImage bar1 = QImage(programDir() + "/images/bar1.bmp");
        const QImage bar6 = QImage(programDir() + "/images/bar6.bmp");
        QVERIFY(!bar1.isNull() && !bar6.isNull() && bar1 != bar6);
        QCOMPARE(w.pages().preview->headerPicture().toImage().convertToFormat(bar1.format()), bar1);
        w.pages().left->setCurrentIndex(2);
        QCOMPARE(w.pages().preview->headerPicture().toImage().convertToFormat(bar6.format()), bar6);
        w.pages().left->setCurrentIndex(0);
        QCOMPARE(w.pages().preview->headerPicture().toImage().convertToFormat(bar1.format()), bar1);
    }

    // On a first start the PDF folder does not exist yet; the printer dialog
    // must still accept its own suggested file. The program's own PDF is then
    // replaced by the next print without the dialog's overwrite question; the
    // dialog shows the whole path and the status bar says where the pages
    // went. 用紙設定 is a page set-up, not a print dialog.
    void printsToTheProgramsPdfFromAFirstStartAndReplaceItWithoutAQuestion()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        if (w.state().printer().outputFormat() != QPrinter::PdfFormat)
            QSKIP("a system printer is installed; the PDF fallback is not in use");
        const QString pdf = w.state().printer().outputFileName();
        QVERIFY(!QFileInfo::exists(QFileInfo(pdf).path()));
        int boxWidth = 0, pathWidth = 0, accepted = 0;
        const auto acceptDialog = [&] {
            acceptNextDialog(&w, [&](QDialog *dialog) {
                ++accepted;
                if (auto *box = dialog->findChild<QLineEdit *>("filename")) {
                    boxWidth = box->width();
                    pathWidth = box->fontMetrics().horizontalAdvance(box->text());
                }
            });
        };
        acceptDialog();
        QVERIFY(w.printing()->printSingle());
        QCOMPARE(accepted, 1);
        QVERIFY(notices.texts.isEmpty());
        QCOMPARE(PdfPageCount(pdf), 1);
        w.pages().topBar->setCopies(2);
        acceptDialog();
        QVERIFY(w.printing()->printSingle());
        QCOMPARE(accepted, 2);
        QCOMPARE(notices.texts, QStringList());
        QCOMPARE(PdfPageCount(pdf), 2);
        QVERIFY(!QFileInfo::exists(pdf + ".previous"));
        QVERIFY2(boxWidth >= pathWidth, qPrintable(QString("%1 < %2").arg(boxWidth).arg(pathWidth)));
        QCOMPARE(w.statusBar()->currentMessage(), "PDFファイルに印刷しました: " + pdf);

        // A cancelled print leaves the last PDF as it was.
        QTimer::singleShot(100, &w, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        QVERIFY(!w.printing()->printSingle());
        QCOMPARE(PdfPageCount(pdf), 2);

        DialogDriver setup([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
        w.pages().actions->paperSetup->trigger();
        QCOMPARE(setup.seen, QString("QPageSetupDialog"));
        QCOMPARE(notices.texts, QStringList());
    }

    void editionsShowTheirCaptionsAndControls_data()
    {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("listPage");
        QTest::addColumn<QString>("senderFrame");
        QTest::addColumn<bool>("yenMark");
        QTest::addColumn<bool>("printDate");
        QTest::newRow("10") << "brenno_xe2" << "郵便払込票印刷ソフト" << "ご依頼人リスト" << "加入者名" << true << false;
        QTest::newRow("20") << "quillo_xe2" << "送り状印刷ソフト・クィロ便版" << "お届け先リスト" << "ご依頼主" << false
                            << false;
        QTest::newRow("30") << "dovrak_xe2" << "送り状印刷ソフト・ドヴラク便版" << "お届け先リスト" << "ご依頼主" << true
                            << false;
        QTest::newRow("40") << "zerrat_xe2" << "送り状印刷ソフト・ゼラット運輸版" << "お届け先リスト" << "ご依頼主"
                            << false << false;
        QTest::newRow("50") << "morvik_xe2" << "送り状印刷ソフト・モルヴィク運送版" << "お届け先リスト" << "荷送人"
                            << false << true;
    }

    void editionsShowTheirCaptionsAndControls()
    {
        QFETCH(QString, exe);
        QFETCH(QString, title);
        QFETCH(QString, listPage);
        QFETCH(QString, senderFrame);
        QFETCH(bool, yenMark);
        QFETCH(bool, printDate);
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), exe, root.path());
        w.show();
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(w.pages().left->tabText(2), listPage);
        QCOMPARE(w.pages().settings->findChild<QGroupBox *>("senderChoice")->title(), senderFrame);
        QCOMPARE(w.pages().settings->yenMarkBox->isVisibleTo(w.pages().settings), yenMark);
        QCOMPARE(w.pages().topBar->findChild<QGroupBox *>("dateGroup")->isVisible(), printDate);
        QVERIFY(!w.state().style.CurrentStyleFile.isEmpty());
        QVERIFY(w.pages().preview->drawCount() >= 0);
    }

    void secondEditionSharesDataDirButNotWorkDir()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow a(programDir(), "zerrat_xe2", root.path());
        a.ensureStarted();
        MainWindow b(programDir(), "morvik_xe2", root.path());
        b.ensureStarted();
        QCOMPARE(a.state().folders.dataDir, b.state().folders.dataDir);
        QVERIFY(a.state().folders.workDir != b.state().folders.workDir);
        QCOMPARE(b.pages().settings->senderView->topLevelItemCount(), 4);
    }

    void zoomResizesThePage()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        const PrinterMeasurements m = w.pages().preview->measurements();
        for (int zoom : {50, 150, 200, 100}) {
            w.view()->setZoom(zoom);
            const PreviewGeometry &g = w.pages().preview->geometry();
            QCOMPARE(g.zoomPercent, zoom);
            QCOMPARE(g.previewDpiX, int(m.screenDpiX * zoom / 100.0));
            QCOMPARE(g.sheet.width(), qRound(m.physicalWidth * m.screenDpiX / 25.4 * zoom / 100.0));
            QCOMPARE(g.printableArea.width(), int(m.printableWidth * m.screenDpiX / 25.4 * zoom / 100.0));
            QCOMPARE(w.pages().preview->pageImage().size(), g.printableArea.size());
            QVERIFY(w.pages().actions->zoom[zoom / 50 - 1]->isChecked());
        }
    }

    void singlePrintOfThreeCopiesGivesThreePagesAndOneHistoryRow()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        const QString pdf = root.filePath("out.pdf");
        w.state().printer().setOutputFormat(QPrinter::PdfFormat);
        w.state().printer().setOutputFileName(pdf);
        w.pages().topBar->setCopies(3);
        QVERIFY(w.printing()->printSingle(true));
        QCOMPARE(PdfPageCount(pdf), 3);
        QCOMPARE(historyRows(w), 1);
        QVERIFY(QFileInfo::exists(w.state().printerFilePath()));

        w.pages().settings->noHistoryBox->setChecked(true);
        w.pages().topBar->setCopies(1);
        QVERIFY(w.printing()->printSingle(true));
        QCOMPARE(PdfPageCount(pdf), 1);
        QCOMPARE(historyRows(w), 1);
    }

    void testPrintIsOneSheetAfterTheOtherPrintsAndWritesNoHistory()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        auto *file = w.menuBar()->findChild<QMenu *>("menuFile");
        QVERIFY(file);
        QStringList captions;
        for (QAction *a : file->actions())
            captions << a->text();
        QCOMPARE(captions.mid(0, 3), QStringList({"単票印刷", "連票印刷", "テスト印刷"}));
        QVERIFY(w.pages().actions->testPrint->isEnabled());
        QCOMPARE(file->actions().at(2), w.pages().actions->testPrint);

        const QString pdf = root.filePath("test.pdf");
        w.state().printer().setOutputFormat(QPrinter::PdfFormat);
        w.state().printer().setOutputFileName(pdf);
        w.pages().topBar->setCopies(3);
        QVERIFY(w.printing()->printTest(true));
        QCOMPARE(PdfPageCount(pdf), 1);
        QCOMPARE(historyRows(w), 0);
        QCOMPARE(w.statusBar()->currentMessage(), "PDFファイルに印刷しました: " + pdf);
        QCOMPARE(notices.texts, QStringList());

        // The menu command asks for the printer as a single print does;
        // cancelled, it prints and records nothing.
        QFile::remove(pdf);
        DialogDriver cancel([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
        w.pages().actions->testPrint->trigger();
        QCOMPARE(cancel.seen, "QPrintDialog");
        QVERIFY(!QFileInfo::exists(pdf));
        QCOMPARE(historyRows(w), 0);
    }

    void closingWritesOptionsAndWindowFiles()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        w.pages().settings->fixitem[0]->setText("りんご");
        QVERIFY(w.close());
        QVERIFY(QFileInfo::exists(w.state().windowFilePath()));
        QFile options(w.state().optionsFilePath());
        QVERIFY(options.open(QIODevice::ReadOnly));
        QVERIFY(options.readAll().startsWith("[Version]=1.00\r\n"));
    }

    void closeWhileTheCsvEditorRunsIsRefusedButKeepsThePosition()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        w.state().csvEditorRunning = true;
        notices.texts.clear();
        QVERIFY(!w.close());
        QCOMPARE(notices.texts, QStringList{QStringLiteral("CSV取込画面を先に閉じてください。")});
        QVERIFY(QFileInfo::exists(w.state().windowFilePath()));
        QVERIFY(!QFileInfo::exists(w.state().optionsFilePath()));
        w.state().csvEditorRunning = false;
        QVERIFY(w.close());
        QVERIFY(QFileInfo::exists(w.state().optionsFilePath()));
    }

    void paperKindOpensItsOwnStyleFile()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "quillo_xe2", root.path());
        w.ensureStarted();
        const QString style = root.path() + "/korvel/quillo_xe2/style/";
        QCOMPARE(w.state().style.CurrentStyleFile, style + "quil_lo.sle");
        w.view()->selectPaperKind(1);
        QCOMPARE(w.state().style.CurrentStyleFile, style + "d_zerrat.sle");
        QVERIFY(w.state().styleReady);
    }

    void paperKindWithoutAFileIsReportedAndNothingIsCurrent()
    {
        // A program folder that ships only the edition's own form.
        QTemporaryDir program, root;
        NoticeCatcher notices;
        QDir().mkpath(program.filePath("style"));
        QFile::copy(programDir() + "/style/quil_lo.sle", program.filePath("style/quil_lo.sle"));
        MainWindow w(program.path(), "quillo_xe2", root.path());
        w.ensureStarted();
        QVERIFY(w.state().style.CurrentStyleFile.endsWith("/quil_lo.sle"));
        notices.texts.clear();
        w.view()->selectPaperKind(3);
        QVERIFY(w.state().style.CurrentStyleFile.isEmpty());
        QCOMPARE(notices.texts.size(), 1);
    }

    void editionWithoutProfileStartsOnTheFirstPaperKind()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "lusket_xe2", root.path());
        w.show();
        QCOMPARE(w.windowTitle(), InitialApplicationTitle());
        QVERIFY(w.state().style.CurrentStyleFile.endsWith("/lusket_xe2/style/zerrat.sle"));
        QVERIFY(w.pages().settings->findChild<QGroupBox *>("paperKinds")->isVisibleTo(w.pages().settings));
        // It prints waybills: the window speaks of them, not of payment slips.
        QCOMPARE(w.pages().left->tabText(2), QString("お届け先リスト"));
        QCOMPARE(w.pages().actions->phraseList->text(), QString("品名リスト"));
        MainWindow z(programDir(), "zerrat_xe2", root.path());
        QVERIFY(!z.pages().settings->findChild<QGroupBox *>("paperKinds")->isVisibleTo(z.pages().settings));
    }

    void newAndEditConsigneeThroughTheListCommands()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        // Fills the editor that opens next and saves it.
        auto saveNext = [](const QString &name) {
            QTimer::singleShot(50, [name] {
                auto *dialog = qobject_cast<ConsigneeDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->boxes->name[0]->setText(name);
                dialog->operate_btn->click();
                if (dialog->isVisible())
                    dialog->reject();
            });
        };
        saveNext("山田花子");
        w.pages().actions->newConsignee->trigger();
        QCOMPARE(w.pages().left->currentIndex(), 2);
        Database db;
        QVERIFY(!db.OpenDatabase(w.state().addressDbPath()).isError());
        QCOMPARE(db.QueryRows("select namae1 from address").rows.value(0, 0), QStringLiteral("山田花子"));

        QCOMPARE(w.findChild<ConsigneeListPage *>()->selectedIndex(), 0);
        saveNext("山田花代");
        w.pages().actions->editConsignee->trigger();
        QCOMPARE(db.QueryRows("select count(*), max(namae1) from address").rows.row(0),
                 QStringList({"1", QStringLiteral("山田花代")}));
        QCOMPARE(w.state().record.slot(8), QStringLiteral("山田花代"));
    }

    void f5OpensTheSinglePrintEditorWithTheRecordAndSaveWritesBack()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.pages().left->currentIndex() != 2); // not the consignee list: the single-print editor
        const QString file = SingleDataPath(w.state().folders.workDir);
        PrintRecord stored;
        stored.setSlot(8, "単票 太郎");
        stored.setSlot(12, "5300001");
        stored.setSlot(13, "大阪府大阪市北区梅田");
        stored.setSlot(15, "06-1111-2222");
        stored.setSlot(17, "みかん");
        QVERIFY(SaveSingleData(file, stored));

        QString seenName, seenZip, seenTel, seenItem;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto *editor = qobject_cast<SingleDataDialog *>(QApplication::activeModalWidget());
            opened = editor == w.addressBook()->editors()->singleDataDialog();
            if (!editor)
                return;
            seenName = editor->boxes->name[0]->text();
            seenZip = editor->boxes->postal[0]->text() + editor->boxes->postal[1]->text();
            seenTel = editor->boxes->tel[1]->text();
            seenItem = editor->boxes->goods[0]->text();
            editor->boxes->name[0]->selectAll();
            TypeText(editor->boxes->name[0], "単票 花子");
            editor->boxes->goods[1]->clear();
            TypeText(editor->boxes->goods[1], "りんご");
            QTest::mouseClick(editor->operate_btn, Qt::LeftButton);
        });
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(opened);
        QCOMPARE(seenName, QStringLiteral("単票 太郎"));
        QCOMPARE(seenZip, QStringLiteral("5300001"));
        QCOMPARE(seenTel, QStringLiteral("1111"));
        QCOMPARE(seenItem, QStringLiteral("みかん"));
        QVERIFY(!w.addressBook()->editors()->singleDataDialog()->isVisible());

        // "保　存" wrote the boxes into the record, its file and the layout.
        QCOMPARE(w.state().record.slot(8), QStringLiteral("単票 花子"));
        QCOMPARE(w.state().record.slot(18), QStringLiteral("りんご"));
        QCOMPARE(w.state().record.slot(13), QStringLiteral("大阪府大阪市北区梅田"));
        PrintRecord reread;
        QVERIFY(LoadSingleData(file, reread));
        QCOMPARE(reread.slot(8), QStringLiteral("単票 花子"));
        QCOMPARE(reread.slot(15), QStringLiteral("06-1111-2222"));
        QCOMPARE(reread.slot(18), QStringLiteral("りんご"));
        QVERIFY(w.state().style.lines().join(u'\n').contains(QStringLiteral("単票 花子")));

        // Cancel in the editor touches neither the record nor the file.
        QTimer::singleShot(0, [&] {
            if (auto *editor = qobject_cast<SingleDataDialog *>(QApplication::activeModalWidget())) {
                editor->boxes->name[0]->setText("取り消し");
                QTest::mouseClick(editor->cancelButton, Qt::LeftButton);
            }
        });
        w.pages().actions->previewEdit->trigger();
        QCOMPARE(w.state().record.slot(8), QStringLiteral("単票 花子"));
        QVERIFY(LoadSingleData(file, reread));
        QCOMPARE(reread.slot(8), QStringLiteral("単票 花子"));
    }

    void noticeShowsTheHeadingAsItsTitleAndTheWholeMessage()
    {
        QApplication::setApplicationDisplayName(QStringLiteral("送り状印刷ソフト・ゼラット運輸版"));
        QString title, message;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            message = box->property(NoticeMessageProperty).toString();
            box->button(QMessageBox::Ok)->click();
        });
        ShowNotice(QStringLiteral("確認"), QString(3000, u'あ'));
        QCOMPARE(title, QStringLiteral("確認"));
        QCOMPARE(message.size(), NoticeTextLimit);
    }

    // A long notice is as wide as it needs up to two thirds of the screen and
    // breaks only after 、 or 。, never inside a word.
    void longNoticeIsSizedToItsText()
    {
        const QString message = QStringLiteral("指定されたフォルダにデータベースファイルがありません。"
                                               "バックアップしたフォルダを選び直してください、"
                                               "またはヘルプの手順に従ってデータを復旧してください。");
        QStringList shownLines;
        int labelWidth = 0, widestLine = 0, screenWidth = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            shownLines = label->text().split(u'\n');
            labelWidth = label->width();
            for (const QString &line : shownLines)
                widestLine = qMax(widestLine, label->fontMetrics().horizontalAdvance(line));
            screenWidth = box->screen()->availableGeometry().width();
            QVERIFY(box->width() <= screenWidth * 2 / 3 + 1);
            box->button(QMessageBox::Ok)->click();
        });
        ShowNotice(QStringLiteral("確認"), message);
        QVERIFY(!shownLines.isEmpty());
        QCOMPARE(shownLines.join(QString()), message);
        QVERIFY2(labelWidth >= widestLine, qPrintable(QString("%1 < %2").arg(labelWidth).arg(widestLine)));
        for (int i = 0; i + 1 < shownLines.size(); ++i) {
            const QChar last = shownLines.at(i).back();
            QVERIFY2(last == u'、' || last == u'。', qPrintable(shownLines.at(i)));
        }
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
