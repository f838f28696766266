#include "support/TestNotices.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TopBar.h"
#include "ui/controls/NumberEdit.h"
#include "ui/main/ProgramState.h"
#include "ui/preview/PreviewPage.h"
#include "core/layout/StyleData.h"
#include "core/text/TextFields.h"
#include "core/text/TextCodec.h"

#include <QApplication>
#include <QCheckBox>
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
    MainWindow *w = nullptr;

    QToolButton *spinButton(const QString &name) { return w->pages().topBar->findChild<QToolButton *>(name); }

private slots:
    void init() { w = new MainWindow(QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR")), "zerrat_xe2", root.path()); }
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
        QTest::newRow("down from beyond the range") << "ofxboxDown" << 250 << 99;
    }

    void spinButtonsStepWithinTheirRange()
    {
        QFETCH(QString, button);
        QFETCH(int, start);
        QFETCH(int, expected);
        TopBar *bar = w->pages().topBar;
        bar->setOffsets(start, 0);
        const int before = bar->offsetX(); // a start beyond the range is held at its edge
        QSignalSpy changed(bar, &TopBar::headerValuesChanged);
        QVERIFY(spinButton(button));
        QTest::mouseClick(spinButton(button), Qt::LeftButton);
        QCOMPARE(bar->offsetX(), expected);
        QCOMPARE(bar->ofxbox->text(), QString::number(expected));
        QCOMPARE(changed.count(), expected == before ? 0 : 1);
    }

    void copiesStayBetweenOneAndAThousand_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("afterUp"); // the spin button steps the number in use
        QTest::newRow("seven") << "7" << 7 << 8;
        QTest::newRow("none") << "0" << 1 << 2;
        QTest::newRow("negative") << "-3" << 1 << 2;
        QTest::newRow("too many") << "5000" << 1000 << 1000;
    }

    void copiesStayBetweenOneAndAThousand()
    {
        QFETCH(QString, typed);
        QFETCH(int, copies);
        QFETCH(int, afterUp);
        TopBar *bar = w->pages().topBar;
        QCOMPARE(bar->copies(), 1);
        bar->copiesEdit->setFocus();
        bar->copiesEdit->selectAll();
        QTest::keyClicks(bar->copiesEdit, typed);
        QCOMPARE(bar->copies(), copies);
        QTest::mouseClick(spinButton("copiesEditUp"), Qt::LeftButton);
        QCOMPARE(bar->copies(), afterUp);
    }

    // What the offsets and copies boxes show after Enter or after the focus
    // moves on is the number printing uses: whole millimetres from -100 to 100
    // and whole copies from 1 to 1000.
    void boxesShowTheValuePrintingUses_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // false: the focus moves to the next box
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("used");
        QTest::newRow("offset with decimals") << "ofxbox" << "12.57" << true << "12" << 12;
        QTest::newRow("offset with decimals, left") << "ofybox" << "12.57" << false << "12" << 12;
        QTest::newRow("negative offset with decimals") << "ofxbox" << "-12.9" << true << "-12" << -12;
        QTest::newRow("offset too far right") << "ofxbox" << "250" << true << "100" << 100;
        QTest::newRow("offset too far up, left") << "ofybox" << "-250" << false << "-100" << -100;
        QTest::newRow("offset in range") << "ofybox" << "-7" << true << "-7" << -7;
        QTest::newRow("no copies") << "copiesEdit" << "0" << true << "1" << 1;
        QTest::newRow("negative copies, left") << "copiesEdit" << "-3" << false << "1" << 1;
        QTest::newRow("copies with decimals") << "copiesEdit" << "2.7" << true << "2" << 2;
        QTest::newRow("too many copies") << "copiesEdit" << "5000" << true << "1000" << 1000;
        QTest::newRow("too many copies, left") << "copiesEdit" << "5000" << false << "1000" << 1000;
        QTest::newRow("copies in range") << "copiesEdit" << "7" << true << "7" << 7;
    }

    void boxesShowTheValuePrintingUses()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, shown);
        QFETCH(int, used);
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        TopBar *bar = w->pages().topBar;
        NumberEdit *edit = bar->findChild<NumberEdit *>(box);
        QVERIFY(edit);
        NumberEdit *next = edit == bar->ofxbox ? bar->ofybox : bar->ofxbox;
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        if (enter)
            QTest::keyClick(edit, Qt::Key_Return);
        else
            next->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->text(), shown);
        const int inUse = box == "ofxbox" ? bar->offsetX() : box == "ofybox" ? bar->offsetY() : bar->copies();
        QCOMPARE(inUse, used);
    }

    // An offset box emptied by BackSpace or by a paste without digits shows 0
    // once left, and 0 is then what the preview draws, what printing takes, the
    // style header holds and closing saves: never the number erased.
    void anEmptiedOffsetIsZeroEverywhere_data()
    {
        QTest::addColumn<QString>("erase");
        QTest::newRow("backspace") << "backspace";
        QTest::newRow("paste without digits") << "paste";
    }

    void anEmptiedOffsetIsZeroEverywhere()
    {
        QFETCH(QString, erase);
        w->ensureStarted();
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        TopBar *bar = w->pages().topBar;
        StyleData &style = w->state().style;
        PreviewPage *preview = w->pages().preview;
        if (!bar->previewLocate()) // kept from an earlier row's close
            bar->previewOpt1->click(); // the preview draws the offsets too
        QVERIFY(bar->previewLocate());
        QCOMPARE(bar->offsetX(), 0);
        const QImage atZero = preview->pageImage().copy();
        auto headerX = [&] { return NthField(style.line(0), 3); };

        bar->ofxbox->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(bar->ofxbox, "5");
        bar->ofybox->setFocus(Qt::TabFocusReason);
        QCOMPARE(headerX(), QStringLiteral("5"));
        QVERIFY(preview->pageImage() != atZero);

        bar->ofxbox->setFocus(Qt::TabFocusReason); // selects the whole text
        if (erase == "backspace")
            QTest::keyClick(bar->ofxbox, Qt::Key_Backspace);
        else
            bar->ofxbox->pasteText("abc");
        bar->ofybox->setFocus(Qt::TabFocusReason);
        QCOMPARE(bar->ofxbox->text(), QStringLiteral("0"));
        QCOMPARE(bar->offsetX(), 0);
        QCOMPARE(headerX(), QStringLiteral("0"));
        QVERIFY(preview->pageImage() == atZero);

        const QString file = style.CurrentStyleFile;
        w->close();
        const QStringList saved = ReadTextLines(file).value_or(QStringList());
        QCOMPARE(NthField(saved.value(0), 3), QStringLiteral("0"));
    }

    // Up and Down step the boxes as their spin buttons do, within the same range.
    void upAndDownKeysStepLikeTheSpinButtons()
    {
        TopBar *bar = w->pages().topBar;
        bar->setOffsets(99, 0);
        QSignalSpy changed(bar, &TopBar::headerValuesChanged);
        QTest::keyClick(bar->ofxbox, Qt::Key_Up);
        QCOMPARE(bar->offsetX(), 100);
        QTest::keyClick(bar->ofxbox, Qt::Key_Up);
        QCOMPARE(bar->ofxbox->text(), QStringLiteral("100"));
        QTest::keyClick(bar->ofybox, Qt::Key_Down);
        QCOMPARE(bar->offsetY(), -1);
        QTest::keyClick(bar->copiesEdit, Qt::Key_Down);
        QCOMPARE(bar->copies(), 1);
        QTest::keyClick(bar->copiesEdit, Qt::Key_Up);
        QCOMPARE(bar->copies(), 2);
        QCOMPARE(changed.count(), 3);
    }
};

QTEST_MAIN(TopBarBoxesTest)
#include "top_bar_boxes_test.moc"
