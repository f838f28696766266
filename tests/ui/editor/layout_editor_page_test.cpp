#include "support/TestNotices.h"
#include "core/settings/EditionProfile.h"
#include "core/text/TextFields.h"
#include "ui/controls/NumberEdit.h"
#include "ui/editor/FieldFontDialog.h"
#include "ui/editor/LayoutEditorPage.h"
#include "core/drawing/DrawContext.h"
#include "core/drawing/FontSubstitutions.h"
#include "core/drawing/LayoutImage.h"
#include "core/layout/StyleData.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

const QString NoFieldMessage = QStringLiteral("下から設定したいデータのボタンを押してください。");
const QString Header = QStringLiteral("header;Ver1.2;0;0;9;0;401;100;0;0;;");
// Edition 40: btn1 is 郵便番号1 (id 1), btn3 住所1 (id 3), btn6 氏名 (id 6).
const QString Zip1 = QStringLiteral("0;1;0;0;char;12.34;20;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;123;0;0;");
const QString Address1 = QStringLiteral("0;3;0;0;data;0.1;30;0;0;0;0;0;0;ＭＳ ゴシック;10;;1;0;255;東京都;0;0;");

QString field(const StyleData &style, int line, int n)
{
    return NthField(style.line(line), n);
}

} // namespace

class LayoutEditorPageTest : public QObject
{
    Q_OBJECT
    StyleData *style = nullptr;
    LayoutEditorPage *page = nullptr;

    void click(const QString &button) { QTest::mouseClick(page->fieldButton(button), Qt::LeftButton); }

    // Replaces the box's text as a user would and presses Enter.
    void typeAndEnter(NumberEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void init()
    {
        style = new StyleData;
        style->setLines({Header, Zip1, Address1});
        page = new LayoutEditorPage(*style);
        page->applyProfile(ProfileFor(40));
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
    }

    void cleanup()
    {
        delete page;
        delete style;
    }

    void fieldButtonsCarryTheEditionsCaptionsAndIds()
    {
        const EditionProfile profile = ProfileFor(40);
        QCOMPARE(page->findChild<QGroupBox *>("fieldGroup1")->title(), profile.group1Caption);
        QCOMPARE(page->findChild<QGroupBox *>("fieldGroup3")->title(), profile.group3Caption);
        for (const auto *group : {&profile.group1, &profile.group2, &profile.group3})
            for (const FieldButton &b : *group) {
                QPushButton *button = page->fieldButton(b.name);
                QVERIFY2(button, qPrintable(b.name));
                QCOMPARE(button->isVisible(), b.visible());
                if (b.visible()) {
                    QCOMPARE(button->text(), b.caption);
                    QCOMPARE(button->property("tag").toInt(), b.itemId);
                }
            }
    }

    void selectingShowsTheFieldAndTheHintsFollowTheLastButton()
    {
        click("btn1");
        QCOMPARE(page->fieldNameLabel->text(), QStringLiteral("郵便番号1"));
        QCOMPARE(page->LeftBtn->toolTip(), QStringLiteral("郵便番号1を左に移動"));
        QCOMPARE(page->DownBtn->toolTip(), QStringLiteral("郵便番号1を下に移動"));
        QCOMPARE(page->cx->text(), QStringLiteral("12.3")); // what an apply writes: cut to a tenth
        QCOMPARE(page->cy->text(), QStringLiteral("20"));
        QCOMPARE(page->cf->text(), QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(page->nl->AsInteger(), 1);

        click("btn3");
        QCOMPARE(page->RightBtn->toolTip(), QStringLiteral("住所1を右に移動"));
        QCOMPARE(page->Upbtn->toolTip(), QStringLiteral("住所1を上に移動"));
        QCOMPARE(page->cs->text(), QStringLiteral("10"));
        QVERIFY(!page->horizontalBox->isChecked());
        QVERIFY(page->verticalBox->isChecked());
        QCOMPARE(page->cc->property("tag").toLongLong(), 255);
    }

    void withoutASelectionEveryApplyAsksForAField()
    {
        NoticeCatcher notices;
        page->cx->setFocus();
        page->cx->setCursorPosition(page->cx->text().size());
        QTest::keyClick(page->cx, Qt::Key_5);
        QCOMPARE(notices.texts.value(0), NoFieldMessage);
        QCOMPARE(page->cx->text(), QStringLiteral("05")); // "the digit is still typed"
        QTest::mouseClick(page->RightBtn, Qt::LeftButton);
        QTest::mouseClick(page->fontButton, Qt::LeftButton);
        QCOMPARE(notices.texts, QStringList({NoFieldMessage, NoFieldMessage, NoFieldMessage}));
        QCOMPARE(style->lines(), QStringList({Header, Zip1, Address1}));
    }

    void enterWritesTheTypedPositions()
    {
        QSignalSpy changed(page, &LayoutEditorPage::layoutChanged);
        click("btn1");
        typeAndEnter(page->cx, "45.67");
        typeAndEnter(page->cy, "8");
        QCOMPARE(field(*style, 1, 6), QStringLiteral("45.6"));
        QCOMPARE(field(*style, 1, 7), QStringLiteral("8"));
        QCOMPARE(field(*style, 1, 20), QStringLiteral("123"));
        QCOMPARE(page->cx->text(), QStringLiteral("45.6")); // "the box shows what the line holds"
        QCOMPARE(changed.count(), 2);
    }

    // A number typed into the position and pitch boxes is applied once the
    // focus moves on, as Enter applies it: positions cut to a tenth, the pitch
    // to four decimals, and the box shows what the line holds.
    void numberBoxesApplyWhatTheyShowOnLeaving_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("fieldNo");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // into the line on leaving
        QTest::addColumn<QString>("shown");   // the same number, as the box shows it
        QTest::newRow("X with hundredths") << "cx" << 6 << "12.57" << "12.5" << "12.5";
        QTest::newRow("X below a tenth") << "cx" << 6 << "0.05" << "0" << "0";
        QTest::newRow("Y negative") << "cy" << 7 << "-3.99" << "-3.9" << "-3.9";
        QTest::newRow("pitch with five decimals") << "cm" << 18 << "1.23456" << "1.2346" << "1.2346";
        // The pitch was 0 already: nothing to write.
        QTest::newRow("pitch below the fourth decimal") << "cm" << 18 << "0.00004" << "0" << "0.0000";
        QTest::newRow("X in tenths") << "cx" << 6 << "45.6" << "45.6" << "45.6";
    }

    void numberBoxesApplyWhatTheyShowOnLeaving()
    {
        QFETCH(QString, box);
        QFETCH(int, fieldNo);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, shown);
        QApplication::setActiveWindow(page);
        QVERIFY(QTest::qWaitForWindowActive(page));
        NumberEdit *edit = page->findChild<NumberEdit *>(box);
        QVERIFY(edit);
        NumberEdit *next = edit == page->cx ? page->cy : page->cx;
        click("btn1");
        QSignalSpy changed(page, &LayoutEditorPage::layoutChanged);
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        next->setFocus(Qt::TabFocusReason);
        QCOMPARE(field(*style, 1, fieldNo), written);
        QCOMPARE(edit->text(), shown);
        const int written1 = int(changed.count());
        QCOMPARE(written1, shown == written ? 1 : 0);
        typeAndEnter(edit, QString()); // Enter alone applies what the box shows
        QCOMPARE(field(*style, 1, fieldNo), written);
        QCOMPARE(edit->text(), written);
        // Leaving after Enter writes nothing again.
        next->setFocus(Qt::TabFocusReason);
        QCOMPARE(changed.count(), written1 + 1);
    }

    // Up and Down step a box by one; leaving it applies the stepped number.
    void upAndDownStepTheBoxes()
    {
        QApplication::setActiveWindow(page);
        QVERIFY(QTest::qWaitForWindowActive(page));
        click("btn1");
        page->cx->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page->cx, Qt::Key_Up);
        QTest::keyClick(page->cx, Qt::Key_Up);
        QCOMPARE(page->cx->text(), QStringLiteral("14.3"));
        page->cy->setFocus(Qt::TabFocusReason);
        QCOMPARE(field(*style, 1, 6), QStringLiteral("14.3"));
        QTest::keyClick(page->cy, Qt::Key_Down);
        page->cx->setFocus(Qt::TabFocusReason);
        QCOMPARE(field(*style, 1, 7), QStringLiteral("19"));
    }

    void arrowsMoveByTheStepOfTheKeysHeld()
    {
        click("btn1");
        QTest::mouseClick(page->RightBtn, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(field(*style, 1, 6), QStringLiteral("22.3"));
        QTest::mouseClick(page->DownBtn, Qt::LeftButton);
        QCOMPARE(field(*style, 1, 7), QStringLiteral("21"));
        click("btn3");
        QTest::mouseClick(page->LeftBtn, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(field(*style, 2, 6), QStringLiteral("0"));
        QCOMPARE(field(*style, 2, 17), QStringLiteral("1")); // "vertical stays vertical"
        QCOMPARE(field(*style, 2, 5), QStringLiteral("char"));
        QCOMPARE(page->cx->text(), QStringLiteral("0"));
    }

    void theFontDialogChangesFontSizeStyleAndColour_data()
    {
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QString>("style");
        QTest::newRow("bold italic") << false << QStringLiteral("太字斜体");
        QTest::newRow("underlined") << true << QString();
    }

    void theFontDialogChangesFontSizeStyleAndColour()
    {
        QFETCH(bool, underline);
        QFETCH(QString, style);
        FieldFontChoice seen;
        page->setFontChooser([&](const FieldFontChoice &initial, QWidget *) -> std::optional<FieldFontChoice> {
            seen = initial;
            FieldFontChoice c;
            c.fontName = QStringLiteral("IPAGothic");
            c.pointSize = 14;
            c.bold = c.italic = true;
            c.underline = underline;
            c.colour = 0x0000FF;
            return c;
        });
        click("btn3");
        QTest::mouseClick(page->cf, Qt::LeftButton);
        QCOMPARE(seen.fontName, QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(seen.pointSize, 10);
        QCOMPARE(seen.colour, 255);
        QCOMPARE(field(*this->style, 2, 14), QStringLiteral("IPAGothic"));
        QCOMPARE(field(*this->style, 2, 15), QStringLiteral("14"));
        QCOMPARE(field(*this->style, 2, 16), style);
        QCOMPARE(field(*this->style, 2, 19), QStringLiteral("255"));
        QCOMPARE(page->cb->text(), style);
    }

    void aCancelledFontDialogChangesNothing()
    {
        page->setFontChooser([](const FieldFontChoice &, QWidget *) { return std::optional<FieldFontChoice>(); });
        click("btn1");
        QTest::mouseClick(page->fontButton, Qt::LeftButton);
        QCOMPARE(style->line(1), Zip1);
    }

    void aFieldTheLayoutLacksGetsANewLine()
    {
        QSignalSpy added(page, &LayoutEditorPage::fieldAdded);
        click("btn1");
        click("btn6"); // 氏名, id 6: not in the layout
        QCOMPARE(style->lineCount(), 4);
        QCOMPARE(field(*style, 3, 2), QStringLiteral("6"));
        QCOMPARE(field(*style, 3, 6), QStringLiteral("12.3"));
        QCOMPARE(field(*style, 3, 20), QString());
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0).at(0).toInt(), 6);
        QCOMPARE(page->nl->AsInteger(), 3);
    }

    void theFontDialogKeepsAWindowsNameWhoseStandInWasKept()
    {
        InstallFontSubstitutions();
        const QString mincho = QStringLiteral("ＭＳ 明朝");
        QCOMPARE(FieldFontDialog::storedName(mincho, QFontInfo(QFont(mincho)).family()), mincho);
        QCOMPARE(FieldFontDialog::storedName(mincho, QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
        QCOMPARE(FieldFontDialog::storedName(QString(), QStringLiteral("IPAGothic")), QStringLiteral("IPAGothic"));
    }

    void edgesAreMeasuredWithTheInstalledFonts()
    {
        InstallFontSubstitutions();
        FieldSettings s;
        s.x = Millimetre::fromWhole(10);
        s.y = Millimetre::fromWhole(20);
        s.fontName = QStringLiteral("ＭＳ 明朝");
        s.fontSize = QStringLiteral("12");
        const EdgeMeasure measure;
        const FieldEdges two = measure.measure(s, QStringLiteral("山田"));
        const FieldEdges four = measure.measure(s, QStringLiteral("山田太郎"));
        // 12 pt is about 4.2 mm per full-width character and a line of about 5 mm.
        auto within = [](Millimetre v, double low, double high) { return v.toDouble() >= low && v.toDouble() <= high; };
        QVERIFY2(within(two.right, 17, 19), qPrintable(two.right.toString()));
        QVERIFY2(within(four.right, 26, 28), qPrintable(four.right.toString()));
        QVERIFY2(within(two.bottom, 24, 26), qPrintable(two.bottom.toString()));
    }

    void aLongTextsEdgeIsWhereItsPrintedInkEnds()
    {
        // 30 characters of 10-point Mincho run about 106 mm: a measure taken
        // with the screen's whole-pixel font sizes ended 2 to 3 mm short of
        // the printed text.
        InstallFontSubstitutions();
        const QString text = QStringLiteral("東京都千代田区丸の内一丁目二番三号山田ビル四階株式会社見本商");
        FieldSettings s;
        s.x = Millimetre::fromWhole(10);
        s.y = Millimetre::fromWhole(10);
        s.fontName = QStringLiteral("ＭＳ 明朝");
        s.fontSize = QStringLiteral("10");
        const FieldEdges edges = EdgeMeasure().measure(s, text);
        const QString line = QStringLiteral("0;1;0;0;char;10;10;0;0;0;0;0;0;ＭＳ 明朝;10;;0;0;0;%1;0;0;").arg(text);
        const LayoutImage page = RenderLayoutImage({Header, line}, DrawContext::forPrinter(600, 600, 96, 96, 100),
                                                   PrintableAreaPixels(150, 40, 600, 600, 100));
        QVERIFY(page.result.ok);
        int inkRight = -1;
        for (int y = 0; y < page.image.height(); ++y)
            for (int x = page.image.width() - 1; x > inkRight; --x)
                if (qGray(page.image.pixel(x, y)) < 128) {
                    inkRight = x;
                    break;
                }
        const double inkEndMm = (inkRight + 1) * 25.4 / 600;
        QVERIFY2(inkEndMm > 100, qPrintable(QString::number(inkEndMm)));
        // Whole millimetres: the edge is the millimetre the ink ends in.
        QVERIFY2(std::abs(edges.right.toDouble() - std::floor(inkEndMm)) <= 1,
                 qPrintable(QStringLiteral("%1 against %2").arg(edges.right.toString()).arg(inkEndMm)));
    }

    void aLoadedLayoutClearsTheSelection()
    {
        NoticeCatcher notices;
        click("btn3");
        const QString other = QStringLiteral("0;9;0;0;char;50;50;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;;0;0;");
        style->setLines({Header, Zip1, other});
        page->layoutLoaded();
        QVERIFY(page->fieldNameLabel->text().isEmpty());
        QVERIFY(page->LeftBtn->toolTip().isEmpty());
        QCOMPARE(page->nl->AsInteger(), 0);
        page->cx->setFocus();
        QTest::keyClick(page->cx, Qt::Key_Return);
        QTest::mouseClick(page->RightBtn, Qt::LeftButton);
        QCOMPARE(notices.texts, QStringList({NoFieldMessage, NoFieldMessage}));
        QCOMPARE(style->lines(), QStringList({Header, Zip1, other}));
    }

    // A new layout leaves nothing selected, so the panel must not go on showing
    // the old field's place and font: it looks as it did before any selection.
    void aLoadedLayoutEmptiesThePanel()
    {
        StyleData otherStyle;
        LayoutEditorPage untouched(otherStyle);
        click("btn3"); // 住所1: X 0.1, Y 30, ＭＳ ゴシック 10, red, vertical, 東京都
        QCOMPARE(page->cf->text(), QStringLiteral("ＭＳ ゴシック"));
        page->layoutLoaded();
        QCOMPARE(page->cx->Value(), Extended(0));
        QCOMPARE(page->cy->Value(), Extended(0));
        QCOMPARE(page->cm->Value(), Extended(0));
        QCOMPARE(page->cs->text(), QString());
        QCOMPARE(page->cf->text(), QString());
        QCOMPARE(page->cb->text(), QString());
        QCOMPARE(page->chrdata->text(), QString());
        QCOMPARE(page->keptText->text(), QString());
        QCOMPARE(page->cc->property("tag").toLongLong(), 0);
        QCOMPARE(page->cx->text(), untouched.cx->text());
        QCOMPARE(page->cy->text(), untouched.cy->text());
        QCOMPARE(page->cm->text(), untouched.cm->text());
        QCOMPARE(page->horizontalBox->isChecked(), untouched.horizontalBox->isChecked());
        QCOMPARE(style->lines(), QStringList({Header, Zip1, Address1}));
    }
};

QTEST_MAIN(LayoutEditorPageTest)
#include "layout_editor_page_test.moc"
