// The main window's own state around its pages: the restored place on the
// screen, the style file named in the status bar, and the message for a
// default style file that is not a style file.

#include "support/MainWindowTestFiles.h"
#include "support/TestNotices.h"

#include "ui/main/MainActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/WaybillView.h"
#include "core/settings/WindowPositionFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The visible labels of the status bar that show text.
QStringList statusLabels(MainWindow &w)
{
    QStringList texts;
    for (QLabel *label : w.statusBar()->findChildren<QLabel *>())
        if (label->isVisible() && !label->text().isEmpty())
            texts << label->text();
    return texts;
}

} // namespace

class WindowStateTest : public QObject
{
    Q_OBJECT
private slots:
    // A place saved on a screen that is not there any more comes back onto the
    // screen, with its height when that fits. (The window's own minimum width
    // is larger than the small test screen, so only its left edge is checked
    // across.)
    void aWindowSavedOffTheScreenComesBack_data()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize size(screen.width() - 40, screen.height() - 40);
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("far left") << QRect(QPoint(-5000, 30), size) << QPoint(screen.left(), 30);
        QTest::newRow("far right") << QRect(QPoint(9000, 30), size) << QPoint(screen.right() + 1 - size.width(), 30);
        QTest::newRow("far below") << QRect(QPoint(20, 9000), size) << QPoint(20, screen.bottom() + 1 - size.height());
        QTest::newRow("far above") << QRect(QPoint(20, -9000), size) << QPoint(20, screen.top());
    }

    void aWindowSavedOffTheScreenComesBack()
    {
        QFETCH(QRect, saved);
        QFETCH(QPoint, expected);
        QTemporaryDir root;
        NoticeCatcher notices;
        WindowPosition position;
        position.left = saved.left();
        position.top = saved.top();
        position.width = saved.width();
        position.height = saved.height();
        const QString ini = root.path() + "/korvel/zerrat_xe2/ini";
        QVERIFY(QDir().mkpath(ini));
        QVERIFY(WriteWindowPositionFile(ini + "/zerrat_xe2.xml", "zerrat_xe2", position));

        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        const QRect frame = w.frameGeometry();
        QCOMPARE(frame.topLeft(), expected);
        QCOMPARE(frame.height(), saved.height());
    }

    // The style file's path is a permanent part of the status bar: neither a
    // temporary message nor a hovered action's status tip hides it.
    void theStyleFileStaysInTheStatusBar()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        const QString path = w.state().style.CurrentStyleFile;
        QVERIFY(!path.isEmpty());
        QCOMPARE(statusLabels(w), QStringList{path});

        w.statusBar()->showMessage(QStringLiteral("印刷しています"));
        QCOMPARE(statusLabels(w), QStringList{path});
        QAction *hovered = w.pages().actions->print1;
        hovered->setStatusTip(QStringLiteral("表示中の送り状を印刷します"));
        QVERIFY(hovered->showStatusText(&w));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("表示中の送り状を印刷します"));
        QCOMPARE(statusLabels(w), QStringList{path});

        w.view()->selectPaperKind(1);
        QVERIFY(w.state().style.CurrentStyleFile.endsWith("/style/d_zerrat.sle"));
        QCOMPARE(statusLabels(w), QStringList{w.state().style.CurrentStyleFile});
    }

    // A default style file that holds something else is named as such, with
    // its path, instead of being blamed for its paper size.
    void aDefaultStyleThatIsNotAStyleFileIsNamed()
    {
        QTemporaryDir root;
        const QString style = root.path() + "/korvel/zerrat_xe2/style";
        QVERIFY(QDir().mkpath(style));
        QFile file(style + "/zerrat.sle");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("name;address;telephone\r\nyamada;tokyo;03\r\n");
        file.close();

        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.show();
        const QStringList named = notices.texts.filter(QStringLiteral("スタイルファイルではありません"));
        QCOMPARE(named.size(), 1);
        QVERIFY(named.first().contains(style + "/zerrat.sle"));
        QVERIFY(notices.texts.filter(QStringLiteral("用紙サイズ")).isEmpty());
        QVERIFY(w.state().style.CurrentStyleFile.isEmpty());
        QVERIFY(statusLabels(w).isEmpty());
    }
};

QTEST_MAIN(WindowStateTest)
#include "window_state_test.moc"
