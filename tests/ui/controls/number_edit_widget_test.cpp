#include "ui/controls/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(TRoundMode)

// A shown, active window with the box under test and a neighbour to move the
// focus to, so that entering and leaving happen as they do for a user.
class BoxWindow : public QWidget
{
public:
    BoxWindow()
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(box);
        layout->addWidget(other);
        show();
        QApplication::setActiveWindow(this);
        active = QTest::qWaitForWindowActive(this);
        other->setFocus(Qt::OtherFocusReason);  // the box starts unfocused
    }
    // Moves the focus into the box as the Tab key would.
    void enter() { box->setFocus(Qt::TabFocusReason); }
    // Moves the focus out of the box as the Tab key would.
    void leave() { other->setFocus(Qt::TabFocusReason); }
    // Types a text key by key into the box.
    void type(const QString &keys) { QTest::keyClicks(box, keys); }

    bool active = false;
    NumberEdit *box = new NumberEdit(this);
    NumberEdit *other = new NumberEdit(this);
};

class NumberEditWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }

    void aNewBoxShowsZeroWithTheDefaults()
    {
        NumberEdit box;
        QCOMPARE(box.text(), QStringLiteral("0"));
        QCOMPARE(box.Value(), Extended(0));
        QCOMPARE(box.Alignment(), Qt::Alignment(Qt::AlignRight));
        QVERIFY(!box.testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(box.AutoSelect());
        QVERIFY(!box.AllowKeys());
        QVERIFY(box.ZeroVisible());
        QCOMPARE(box.Figure(), -1);
        QCOMPARE(box.Increment(), Extended(1));
        box.setReadOnly(true);
        box.setReadOnly(false);
        QVERIFY(!box.testAttribute(Qt::WA_InputMethodEnabled));
    }

    void signKeysToggleWhereverTheCaretIs()
    {
        BoxWindow w;
        QVERIFY(w.active);
        w.box->setText(QStringLiteral("12.5"));
        w.box->setCursorPosition(2);
        QTest::keyClick(w.box, Qt::Key_Minus);
        QCOMPARE(w.box->text(), QStringLiteral("-12.5"));
        QCOMPARE(w.box->cursorPosition(), 3);
        QCOMPARE(w.box->Value(), Extended(-12.5L));
        QTest::keyClick(w.box, Qt::Key_Minus);
        QCOMPARE(w.box->text(), QStringLiteral("12.5"));
        QCOMPARE(w.box->cursorPosition(), 2);

        w.box->setText(QStringLiteral("-3"));
        QTest::keyClick(w.box, Qt::Key_Plus);
        QCOMPARE(w.box->text(), QStringLiteral("+3"));
        QCOMPARE(w.box->Value(), Extended(3));
        w.enter();
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("+3"));
    }

    void keysThatCannotFormANumberAreDropped()
    {
        NumberEdit box;
        box.setText(QStringLiteral("12.5"));
        box.end(false);
        QTest::keyClicks(&box, QStringLiteral(".a ,"));
        QCOMPARE(box.text(), QStringLiteral("12.5"));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);  // Ctrl passes: select all
        QCOMPARE(box.selectedText(), QStringLiteral("12.5"));
        QTest::keyClicks(&box, QStringLiteral(".5"));  // the separator replaces the selected one
        QCOMPARE(box.text(), QStringLiteral(".5"));
        QCOMPARE(box.Value(), Extended(0.5L));
        box.home(false);
        QTest::keyClick(&box, Qt::Key_Minus);
        box.home(false);
        QTest::keyClick(&box, Qt::Key_7);  // never in front of the sign
        QCOMPARE(box.text(), QStringLiteral("-.5"));
    }

    void pasteTakesOnlyNumberCharacters()
    {
        NumberEdit box;
        box.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("a1,2.3b"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("12.3"));
        QCOMPARE(box.Value(), Extended(12.3L));

        box.clear();
        box.paste();
        QCOMPARE(box.text(), QStringLiteral("12.3"));
    }

    void theContextMenuPasteIsFilteredToo()
    {
        NumberEdit box;
        box.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("-4.5円"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&box, &event);
        QMenu *menu = box.findChild<QMenu *>();
        QVERIFY(menu);
        QAction *pasteAction = nullptr;
        for (QAction *action : menu->actions())
            if (action->text().contains(QLatin1String("Paste")))
                pasteAction = action;
        QVERIFY(pasteAction);
        pasteAction->trigger();
        QCOMPARE(box.text(), QStringLiteral("-4.5"));
        menu->close();
    }

    // Whoever follows the change event holds the number the box holds: an
    // emptied box reports its 0, so that nothing goes on using the erased number.
    void clearingGivesZeroAndReportsTheChange()
    {
        BoxWindow w;
        QVERIFY(w.active);
        QList<Extended> reported;
        connect(w.box, &NumberEdit::changed, w.box, [&] { reported << w.box->Value(); });
        w.enter();
        w.type(QStringLiteral("5"));  // replaces the selected "0"
        QCOMPARE(reported, QList<Extended>({5}));
        QTest::keyClick(w.box, Qt::Key_Backspace);
        QCOMPARE(w.box->text(), QString());
        QCOMPARE(w.box->Value(), Extended(0));
        QCOMPARE(reported, QList<Extended>({5, 0}));
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("0"));
        QCOMPARE(reported, QList<Extended>({5, 0}));  // leaving changed nothing more

        // A pasted text without a digit empties the selection the same way.
        w.enter();
        w.type(QStringLiteral("7"));
        w.box->selectAll();
        w.box->pasteText(QStringLiteral("abc"));
        QCOMPARE(w.box->text(), QString());
        QCOMPARE(reported.last(), Extended(0));
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("0"));

        // A box held to 1 and up holds 1 while empty and shows it on leaving.
        w.box->setMin(1);
        w.box->setMax(10);
        w.box->setLimit(true);
        w.box->setValue(4);
        w.enter();
        QTest::keyClick(w.box, Qt::Key_Backspace);
        QCOMPARE(w.box->Value(), Extended(1));
        QCOMPARE(reported.last(), Extended(1));
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("1"));
        w.box->setLimit(false);
        w.box->setValue(0);

        w.box->setZeroVisible(false);
        QCOMPARE(w.box->text(), QString());
        w.enter();
        w.leave();
        QCOMPARE(w.box->text(), QString());
    }

    void commaGroupsWhileTyping()
    {
        NumberEdit box;
        box.setComma(true);
        box.clear();
        QTest::keyClicks(&box, QStringLiteral("1234"));
        QCOMPARE(box.text(), QStringLiteral("1,234"));
        QTest::keyClicks(&box, QStringLiteral("567"));
        QCOMPARE(box.text(), QStringLiteral("1,234,567"));
        QCOMPARE(box.cursorPosition(), 9);
        QCOMPARE(box.Value(), Extended(1234567));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("123,456"));
        QCOMPARE(box.cursorPosition(), 7);

        box.setCursorPosition(4);  // just after the separator
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("12,456"));
        QCOMPARE(box.cursorPosition(), 2);
        box.home(false);
        QTest::keyClick(&box, Qt::Key_9);
        QCOMPARE(box.text(), QStringLiteral("912,456"));
        QCOMPARE(box.cursorPosition(), 1);
    }

    void canonicalText_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<TRoundMode>("mode");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("padded") << 2 << true << TRoundMode::rmDown << 3.0 << "3.00";
        QTest::newRow("cut") << 2 << true << TRoundMode::rmDown << 2.345 << "2.34";
        QTest::newRow("rounded") << 2 << true << TRoundMode::rmRound << 2.345 << "2.35";
        QTest::newRow("carry") << 1 << true << TRoundMode::rmRound << -1.96 << "-2.0";
        QTest::newRow("small") << -1 << false << TRoundMode::rmDown << 0.000015 << "0.000015";
    }

    void canonicalText()
    {
        QFETCH(int, figure);
        QFETCH(bool, fixed);
        QFETCH(TRoundMode, mode);
        QFETCH(double, value);
        QFETCH(QString, shown);
        NumberEdit box;
        box.setFigure(figure);
        box.setFixed(fixed);
        box.setRoundMode(mode);
        QSignalSpy changed(&box, &NumberEdit::changed);
        box.setValue(value);
        QCOMPARE(box.text(), shown);
        QCOMPARE(box.FormattedText(), shown);
        QCOMPARE(changed.count(), 1);
    }

    void leavingRewritesCanonicallyAndSetsTheModifiedMark()
    {
        BoxWindow w;
        QVERIFY(w.active);
        w.box->setComma(true);
        w.box->setFigure(2);
        w.box->setFixed(true);
        QSignalSpy exited(w.box, &NumberEdit::exited);
        w.enter();
        QCOMPARE(w.box->selectedText(), QStringLiteral("0.00"));
        w.type(QStringLiteral("1234.5"));
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("1,234.50"));
        QVERIFY(w.box->isModified());
        QCOMPARE(exited.count(), 1);

        w.enter();
        w.leave();
        QVERIFY(!w.box->isModified());
        QCOMPARE(exited.count(), 2);

        w.box->setAutoSelect(false);
        w.enter();
        QVERIFY(!w.box->hasSelectedText());
        QCOMPARE(w.box->cursorPosition(), w.box->text().size());
    }

    // Enter, like leaving, shows the number the box holds: held to its limits
    // and rounded to its decimals, so no one reads a value that is not used.
    void enterAndLeavingShowTheValueInUse_data()
    {
        QTest::addColumn<bool>("limit");
        QTest::addColumn<int>("figure");
        QTest::addColumn<TRoundMode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");  // false: the focus moves away
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("value");
        const TRoundMode down = TRoundMode::rmDown;
        const TRoundMode round = TRoundMode::rmRound;
        QTest::newRow("above the range, Enter") << true << 0 << down << "5000" << true << "1000" << 1000.0;
        QTest::newRow("above the range, left") << true << 0 << down << "5000" << false << "1000" << 1000.0;
        QTest::newRow("below the range, Enter") << true << 0 << down << "0" << true << "1" << 1.0;
        QTest::newRow("negative, Enter") << true << 0 << down << "-3" << true << "1" << 1.0;
        QTest::newRow("fraction cut, Enter") << true << 0 << down << "2.7" << true << "2" << 2.0;
        QTest::newRow("fraction cut, left") << true << 0 << down << "2.7" << false << "2" << 2.0;
        QTest::newRow("in range, Enter") << true << 0 << down << "7" << true << "7" << 7.0;
        QTest::newRow("tenth cut, Enter") << false << 1 << down << "12.57" << true << "12.5" << 12.5;
        QTest::newRow("negative tenth cut, Enter") << false << 1 << down << "-3.99" << true << "-3.9" << -3.9;
        QTest::newRow("four decimals rounded, Enter") << false << 4 << round << "1.23456" << true << "1.2346" << 1.2346;
        QTest::newRow("no rounding, Enter") << false << -1 << down << "0.125" << true << "0.125" << 0.125;
    }

    void enterAndLeavingShowTheValueInUse()
    {
        QFETCH(bool, limit);
        QFETCH(int, figure);
        QFETCH(TRoundMode, mode);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, shown);
        QFETCH(double, value);
        BoxWindow w;
        QVERIFY(w.active);
        w.box->setMin(1);
        w.box->setMax(1000);
        w.box->setLimit(limit);
        w.box->setFigure(figure);
        w.box->setRoundMode(mode);
        QString textAtEnter;
        connect(w.box, &QLineEdit::returnPressed, w.box, [&] { textAtEnter = w.box->text(); });
        w.enter();
        w.type(typed);
        if (enter)
            QTest::keyClick(w.box, Qt::Key_Return);
        else
            w.leave();
        QCOMPARE(w.box->text(), shown);
        QCOMPARE(double(w.box->Value()), value);
        if (enter) {
            // Whoever acts on Enter already sees the text in use.
            QCOMPARE(textAtEnter, shown);
            QVERIFY(w.box->hasFocus());
            QVERIFY(w.box->isModified());
        }
    }

    void arrowKeysStepWithinTheLimits()
    {
        NumberEdit box;
        box.setValue(2);
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.Value(), Extended(2));  // AllowKeys is off

        box.setAllowKeys(true);
        box.setMax(3);
        box.setMin(0);
        box.setLimit(true);
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.text(), QStringLiteral("3"));
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.Value(), Extended(3));
        box.setWrap(true);
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.Value(), Extended(0));
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(box.text(), QStringLiteral("3"));

        TArrowDirection seen = TArrowDirection::adNone;
        box.setOnArrowKeyChange([&](NumberEdit *sender, TArrowDirection direction, Extended &value) {
            QCOMPARE(sender, &box);
            seen = direction;
            value = 1.5L;
        });
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(seen, TArrowDirection::adDown);
        QCOMPARE(box.text(), QStringLiteral("1.5"));
    }

    void maxIntLengthLimitsTypedIntegerDigits()
    {
        NumberEdit box;
        box.setMaxIntLength(3);
        box.clear();
        QTest::keyClicks(&box, QStringLiteral("12345.678"));
        QCOMPARE(box.text(), QStringLiteral("123.678"));
        box.setSelection(1, 1);
        QTest::keyClick(&box, Qt::Key_9);
        QCOMPARE(box.text(), QStringLiteral("193.678"));
    }

    void theValueIsClampedWhileTheTextWaitsForLeaving()
    {
        BoxWindow w;
        QVERIFY(w.active);
        w.box->setMax(100);
        w.box->setLimit(true);
        w.enter();
        w.type(QStringLiteral("500"));
        QCOMPARE(w.box->text(), QStringLiteral("500"));
        QCOMPARE(w.box->Value(), Extended(100));
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("100"));
    }

    void hexModeTakesHexDigits()
    {
        BoxWindow w;
        QVERIFY(w.active);
        w.box->setValue(255.9);
        w.box->setNumberType(TNumberType::ntHex);
        QCOMPARE(w.box->text(), QStringLiteral("FF"));
        QCOMPARE(w.box->Value(), Extended(255));
        w.enter();
        w.type(QStringLiteral("1a-g"));
        QCOMPARE(w.box->text(), QStringLiteral("1a"));
        QCOMPARE(w.box->AsInteger(), 26);
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("1A"));
        w.box->setValidMinus(true);
        w.box->end(false);
        QTest::keyClick(w.box, Qt::Key_Minus);
        QCOMPARE(w.box->text(), QStringLiteral("-1A"));
        QCOMPARE(w.box->AsText(), QStringLiteral("-1A"));
    }

    void aSignToggleAloneMarksTheBoxModified()
    {
        BoxWindow w;
        QVERIFY(w.active);
        w.box->setValue(7);
        w.enter();
        w.box->end(false);
        QTest::keyClick(w.box, Qt::Key_Minus);
        w.leave();
        QCOMPARE(w.box->text(), QStringLiteral("-7"));
        QVERIFY(w.box->isModified());
    }

    void theKeypadSeparatorTypesTheLocaleSeparator()
    {
        NumberEdit box;
        box.setSeparators({QLatin1Char(','), QLatin1Char('.')});
        box.setComma(true);
        box.clear();
        QTest::keyClicks(&box, QStringLiteral("1234"));
        QTest::keyClick(&box, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClick(&box, Qt::Key_5);
        QCOMPARE(box.text(), QStringLiteral("1.234,5"));
        QCOMPARE(box.Value(), Extended(1234.5L));
    }

    void aReadOnlyBoxIgnoresSignKeysAndPaste()
    {
        NumberEdit box;
        box.setValue(4);
        box.setReadOnly(true);
        QTest::keyClick(&box, Qt::Key_Minus);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        box.paste();
        QCOMPARE(box.text(), QStringLiteral("4"));
    }

    void readOutsFollowTheValue()
    {
        NumberEdit box;
        box.setValue(3000000000.0);
        QCOMPARE(box.AsInteger(), 2147483647);
        QCOMPARE(box.AsInt64(), Q_INT64_C(3000000000));
        box.setValue(-2.7);
        QCOMPARE(box.AsInteger(), -2);
        box.setAsInteger(12);
        QCOMPARE(box.text(), QStringLiteral("12"));
        box.setValue(1.5e-6);
        QCOMPARE(box.AsText(), QStringLiteral("1.5E-6"));
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NumberEditWidgetTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "number_edit_widget_test.moc"
