#include "app/Editions.h"
#include "app/ShowNotice.h"
#include "app/Tfzerrat.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void editionTitleFollowsTheExecutableName_data()
    {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("title");
        QTest::newRow("zerrat") << "zerrat_xe2" << QStringLiteral("送り状印刷ソフト・ゼラット運輸版");
        QTest::newRow("brenno") << "brenno_xe2.exe" << QStringLiteral("郵便払込票印刷ソフト");
        QTest::newRow("unknown") << "korvel" << QStringLiteral("郵便払込票印刷ソフト");
        QTest::newRow("lusket keeps the initial title") << "lusket_xe2" << InitialApplicationTitle();
    }

    void editionTitleFollowsTheExecutableName()
    {
        QFETCH(QString, exe);
        QFETCH(QString, title);
        QTemporaryDir root;
        Tfzerrat w(QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR")), exe, root.path());
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(w.findChild<QLabel *>("editionTitle")->text(), title);
        QVERIFY(QFileInfo(w.folders().workDir + "/ini").isDir());
    }

    void noticeShowsHeadingAndTextUnderTheApplicationTitle()
    {
        QApplication::setApplicationDisplayName(QStringLiteral("送り状印刷ソフト・ゼラット運輸版"));
        QString title, heading, text;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            heading = box->text();
            text = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        ShowNotice(QStringLiteral("確認"), QString(3000, u'あ'));
        QCOMPARE(title, QStringLiteral("送り状印刷ソフト・ゼラット運輸版"));
        QCOMPARE(heading, QStringLiteral("確認"));
        QCOMPARE(text.size(), NoticeTextLimit);
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
