#include "TestNotices.h"
#include "app/Tfzerrat.h"
#include "app/TopBar.h"
#include "controls/TNumberEdit.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The top bar's offset and copies boxes: numeric boxes whose spin buttons stay
// within their ranges.
class TopBarBoxesTest : public QObject
{
    Q_OBJECT
    QTemporaryDir root;
    NoticeCatcher notices;
    Tfzerrat *w = nullptr;

    QToolButton *spinButton(const QString &name) { return w->topBar()->findChild<QToolButton *>(name); }

private slots:
    void init() { w = new Tfzerrat(QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR")), "zerrat_xe2", root.path()); }
    void cleanup() { delete w; }

    void spinButtonsStepWithinTheirRange_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("up") << "ofxboxUp" << 3 << 4;
        QTest::newRow("down") << "ofxboxDown" << 3 << 2;
        QTest::newRow("up at the top") << "ofxboxUp" << 100 << 100;
        QTest::newRow("down at the bottom") << "ofxboxDown" << -100 << -100;
        QTest::newRow("typed beyond the range") << "ofxboxUp" << 250 << 100;
    }

    void spinButtonsStepWithinTheirRange()
    {
        QFETCH(QString, button);
        QFETCH(int, start);
        QFETCH(int, expected);
        TopBar *bar = w->topBar();
        bar->setOffsets(start, 0);
        QSignalSpy changed(bar, &TopBar::headerValuesChanged);
        QVERIFY(spinButton(button));
        QTest::mouseClick(spinButton(button), Qt::LeftButton);
        QCOMPARE(bar->offsetX(), expected);
        QCOMPARE(bar->ofxbox->text(), QString::number(expected));
        QCOMPARE(changed.count(), expected == start ? 0 : 1);
    }

    void copiesStayBetweenOneAndAThousand_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("afterUp"); // the spin button steps the typed number
        QTest::newRow("seven") << "7" << 7 << 8;
        QTest::newRow("none") << "0" << 1 << 1;
        QTest::newRow("negative") << "-3" << 1 << 1;
        QTest::newRow("too many") << "5000" << 1000 << 1000;
    }

    void copiesStayBetweenOneAndAThousand()
    {
        QFETCH(QString, typed);
        QFETCH(int, copies);
        QFETCH(int, afterUp);
        TopBar *bar = w->topBar();
        QCOMPARE(bar->copies(), 1);
        bar->NumberEdit1->setFocus();
        bar->NumberEdit1->selectAll();
        QTest::keyClicks(bar->NumberEdit1, typed);
        QCOMPARE(bar->copies(), copies);
        QTest::mouseClick(spinButton("NumberEdit1Up"), Qt::LeftButton);
        QCOMPARE(bar->copies(), afterUp);
    }
};

QTEST_MAIN(TopBarBoxesTest)
#include "top_bar_boxes_test.moc"
