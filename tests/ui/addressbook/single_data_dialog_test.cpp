// The single-print data editor: loading and storing the record, the time
// slot rules, the postal-code conversion on Enter and on leaving, the guide.

#include "support/DialogFixture.h"
#include "support/TestNotices.h"
#include "support/TestTyping.h"

#include "ui/addressbook/SingleDataDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "ui/postal/PostalGuideDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class DataEditTest : public QObject
{
    Q_OBJECT
private slots:
    void savingEmptyBoxesKeepsTheDateSeparatorsAndNoTelephone()
    {
        DialogFixture fx(40);
        SingleDataDialog dialog(fx.context());
        dialog.show(); // loads the (missing) file: 42 empty slots
        dialog.boxes->name[0]->setText("山田");
        dialog.boxes->goods[0]->setText("りんご");
        dialog.save();
        // Three empty telephone boxes are no number; "--" would be printed.
        QCOMPARE(fx.record.slot(15), QString());
        QCOMPARE(fx.record.slot(22), QString("//"));
        QCOMPARE(fx.record.slot(8), QString("山田"));
        QCOMPARE(fx.currentDataCalls, 1);
        QVERIFY(!dialog.isVisible());
        PrintRecord fromFile;
        QVERIFY(bool(LoadSingleData(SingleDataPath(fx.context().workDir), fromFile)));
        QCOMPARE(fromFile.slot(17), QString("りんご"));
        QCOMPARE(fromFile.slot(15), QString());
    }

    // Boxes filled by a caller or an older record are checked on saving: a
    // refusal keeps the dialog open and leaves the record and the file alone.
    void savingChecksNameNumbersAndDate_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QString>("insurance");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("refusal"); // part of the notice; empty when it saves
        QTest::addColumn<QString>("stored");  // slots 25|26|29|22 after a save

        // A waybill without a name is refused as the consignee editor refuses it.
        QTest::newRow("no name") << 40 << "" << "" << "1" << "" << "" << "" << "お名前が入力されていません。" << "";
        QTest::newRow("blank name") << 60 << "　 " << "" << "1" << "" << "" << "" << "お名前が入力されていません。" << "";
        QTest::newRow("letters in pieces") << 60 << "山田" << "" << "abc-12.5x" << "" << "" << "" << "個　数" << "";
        QTest::newRow("full-width insurance") << 60 << "山田" << "" << "" << "１２３" << "" << "" << "" << "||123|//";
        QTest::newRow("decimal amount") << 60 << "山田" << "12.5" << "" << "" << "" << "" << "金 額" << "";
        QTest::newRow("31 April") << 60 << "山田" << "" << "" << "" << "4" << "31" << "お届け予定日" << "";
        QTest::newRow("month only") << 50 << "山田" << "" << "" << "" << "12" << "" << "ご希望お届け日" << "";
        QTest::newRow("whole numbers") << 60 << "山田" << "3000" << "２" << "１２３" << "１２" << "２４" << "" << "3000|2|123|/12/24";
        QTest::newRow("no date") << 60 << "山田" << "" << "1" << "" << "" << "" << "" << "|1||//";
    }

    void savingChecksNameNumbersAndDate()
    {
        QFETCH(int, edition);
        QFETCH(QString, name);
        QFETCH(QString, amount);
        QFETCH(QString, pieces);
        QFETCH(QString, insurance);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, refusal);
        QFETCH(QString, stored);
        DialogFixture fx(edition);
        SingleDataDialog dialog(fx.context());
        NoticeCatcher notices;
        dialog.show();
        dialog.boxes->name[0]->setText(name);
        dialog.boxes->amount->setText(amount);
        dialog.boxes->pieces->setText(pieces);
        dialog.boxes->insurance->setText(insurance);
        dialog.boxes->month->setText(month);
        dialog.boxes->day->setText(day);
        dialog.save();
        if (!refusal.isEmpty()) {
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.boxes->pieces->text(), pieces);
            QCOMPARE(notices.texts.size(), 1);
            QVERIFY2(notices.texts.first().startsWith("[保存できませんでした]" + refusal), qPrintable(notices.texts.first()));
            QCOMPARE(notices.headings.first(), QString("確認"));
            QCOMPARE(fx.record.slot(8), QString());
            QCOMPARE(fx.record.slot(26), QString());
            QCOMPARE(fx.record.slot(22), QString());
            QVERIFY(!QFileInfo::exists(SingleDataPath(fx.context().workDir)));
            QCOMPARE(fx.currentDataCalls, 0);
            dialog.reject();
            return;
        }
        QVERIFY(!dialog.isVisible());
        QVERIFY2(notices.texts.isEmpty(), qPrintable(notices.texts.join('\n')));
        QCOMPARE(QStringList({fx.record.slot(25), fx.record.slot(26), fx.record.slot(29), fx.record.slot(22)}).join('|'),
                 stored);
    }

    // Typing: only digits reach the amount, pieces and insurance boxes; the
    // input method's full-width digits arrive as ASCII.
    void numberBoxesTakeDigitsOnly()
    {
        DialogFixture fx(60);
        SingleDataDialog dialog(fx.context());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The day box holds two digits at most.
        QCOMPARE(TypeIntoEach({dialog.boxes->amount, dialog.boxes->pieces, dialog.boxes->insurance, dialog.boxes->day}, "abc-12.5x３"),
                 QStringList({"1253", "1253", "1253", "12"}));
        dialog.reject();
    }

    void cancelLeavesRecordAndFileAlone()
    {
        DialogFixture fx(40);
        SingleDataDialog dialog(fx.context());
        dialog.show();
        dialog.boxes->name[0]->setText("変更");
        dialog.cancelButton->click();
        QCOMPARE(fx.record.slot(8), QString());
        QVERIFY(!QFileInfo::exists(SingleDataPath(fx.context().workDir)));
        QCOMPARE(fx.currentDataCalls, 0);
    }

    void printButtonSavesThenPrints()
    {
        DialogFixture fx(40);
        SingleDataDialog dialog(fx.context());
        dialog.show();
        dialog.boxes->name[0]->setText("印刷先");
        dialog.printButton->click();
        QCOMPARE(fx.prints, 1);
        QCOMPARE(fx.record.slot(8), QString("印刷先"));
        QVERIFY(QFileInfo::exists(SingleDataPath(fx.context().workDir)));
    }

    void edition30NotPrintedChoiceIsStoredOnceThenShowsNone()
    {
        DialogFixture fx(30);
        SingleDataDialog dialog(fx.context());
        dialog.show();
        dialog.boxes->name[0]->setText("山田");
        dialog.boxes->timeSlot->setCurrentText("印刷しない");
        dialog.save();
        QCOMPARE(fx.record.slot(23), QString("印刷しない"));
        dialog.show(); // reloads from the file
        QCOMPARE(dialog.boxes->timeSlot->currentIndex(), -1);
        dialog.save();
        QCOMPARE(fx.record.slot(23), QString());
    }

    void timeSlotLoading_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("50 希望なし") << 50 << "希望なし" << "希望なし";
        QTest::newRow("20 午前中") << 20 << "午前中" << "午前中";
        QTest::newRow("20 unknown text shows none") << 20 << "希望なし" << "";
        QTest::newRow("30 印刷しない shows none") << 30 << "印刷しない" << "";
    }

    void timeSlotLoading()
    {
        QFETCH(int, edition);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        DialogFixture fx(edition);
        SingleDataDialog dialog(fx.context());
        dialog.boxes->timeSlot->setCurrentIndex(0); // a previous use's choice must not survive
        fx.record.setSlot(23, stored);
        dialog.edit_set();
        QCOMPARE(dialog.boxes->timeSlot->currentIndex() < 0 ? QString() : dialog.boxes->timeSlot->currentText(), shown);
    }

    void clearAllKeepsOnlyTheWeight()
    {
        DialogFixture fx(60);
        SingleDataDialog dialog(fx.context());
        dialog.boxes->name[0]->setText("a");
        dialog.boxes->day->setText("3");
        dialog.boxes->weight->setText("5");
        dialog.boxes->timeSlot->setCurrentIndex(2);
        dialog.clearButton->click();
        QVERIFY(dialog.boxes->name[0]->text().isEmpty());
        QVERIFY(dialog.boxes->day->text().isEmpty());
        QCOMPARE(dialog.boxes->weight->text(), QString("5"));
        QCOMPARE(dialog.boxes->timeSlot->currentIndex(), -1);
    }

    void enterReplacesTheAddressAndLeavingOnlyFillsAnEmptyOne_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("prefecture") << 0 << "東京都千代田区千代田二";
        QTest::newRow("no prefecture") << 1 << "千代田区千代田二";
    }

    void enterReplacesTheAddressAndLeavingOnlyFillsAnEmptyOne()
    {
        QFETCH(int, option);
        QFETCH(QString, expected);
        DialogFixture fx(40);
        fx.zipOption = option;
        SingleDataDialog dialog(fx.context());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.boxes->postal[0]->setText("100");
        dialog.boxes->postal[1]->setText("0001");
        dialog.boxes->address[0]->setText("手入力の住所");
        dialog.boxes->address[1]->setText("二行目");

        // Leaving by the mouse with address 1 filled changes nothing.
        dialog.boxes->postal[1]->setFocus(Qt::MouseFocusReason);
        dialog.boxes->name[0]->setFocus(Qt::MouseFocusReason);
        QCOMPARE(dialog.boxes->address[0]->text(), QString("手入力の住所"));
        QCOMPARE(dialog.boxes->address[1]->text(), QString("二行目"));

        // Enter converts regardless (the last town area of the code) and moves on.
        dialog.boxes->postal[1]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(dialog.boxes->postal[1], Qt::Key_Return);
        QCOMPARE(dialog.boxes->address[0]->text(), expected);
        QVERIFY(dialog.boxes->address[1]->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.boxes->address[0]));

        // Leaving with an empty address 1 converts as well.
        dialog.boxes->address[0]->clear();
        dialog.boxes->postal[1]->setFocus(Qt::MouseFocusReason);
        dialog.boxes->name[0]->setFocus(Qt::MouseFocusReason);
        QCOMPARE(dialog.boxes->address[0]->text(), expected);
    }

    void unknownOrMistypedCodeEmptiesTheAddressOnEnter_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("unknown") << "999" << "9999";
        QTest::newRow("hyphen") << "100-" << "0001";
        QTest::newRow("full-width") << "１００" << "０００１";
    }

    void unknownOrMistypedCodeEmptiesTheAddressOnEnter()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        DialogFixture fx(40);
        SingleDataDialog dialog(fx.context());
        dialog.boxes->postal[0]->setMaxLength(8);
        dialog.boxes->postal[0]->setText(first);
        dialog.boxes->postal[1]->setText(second);
        dialog.boxes->address[0]->setText("住所");
        dialog.boxes->address[1]->setText("番地");
        dialog.boxes->postalCodeEntered();
        QVERIFY(dialog.boxes->address[0]->text().isEmpty());
        QVERIFY(dialog.boxes->address[1]->text().isEmpty());
    }

    void missingPostalDatabaseLeavesTheBoxesAlone()
    {
        DialogFixture fx(40, false);
        SingleDataDialog dialog(fx.context());
        dialog.boxes->postal[0]->setText("100");
        dialog.boxes->postal[1]->setText("0001");
        dialog.boxes->address[0]->setText("住所");
        dialog.boxes->postalCodeEntered();
        QCOMPARE(dialog.boxes->address[0]->text(), QString("住所"));
        QVERIFY(!QFileInfo::exists(fx.context().zipcodeDbPath));
    }

    void guideResultWithoutPrefectureReplacesAddress1()
    {
        DialogFixture fx(40);
        fx.zipOption = 1;
        PostalGuideDialog guide(fx.context());
        fx.context().zipGuide = &guide;
        SingleDataDialog dialog(fx.context());
        dialog.boxes->postal[0]->clear();
        dialog.boxes->address[0]->setText("梅田");
        QTimer::singleShot(50, &guide, [&guide] {
            guide.search();
            guide.chooseRow(0);
        });
        dialog.boxes->openPostalGuide();
        QCOMPARE(guide.searchBox->text(), QString("梅田")); // prefilled from address 1
        QCOMPARE(dialog.boxes->postal[0]->text(), QString("530"));
        QCOMPARE(dialog.boxes->postal[1]->text(), QString("0001"));
        QCOMPARE(dialog.boxes->address[0]->text(), QString("大阪市北区梅田"));
    }

    void phraseChoiceFillsItsItemAndRedraws()
    {
        DialogFixture fx(40);
        fx.context().choosePhrase = [](QString *phrase) {
            *phrase = "精密機器";
            return true;
        };
        SingleDataDialog dialog(fx.context());
        QVERIFY(dialog.boxes->goodsButton[2]->isEnabled());
        dialog.boxes->goodsButton[2]->click();
        QCOMPARE(dialog.boxes->goods[2]->text(), QString("精密機器"));
        QCOMPARE(fx.redraws, 1);
        DialogFixture without(40);
        SingleDataDialog plain(without.context());
        QVERIFY(!plain.boxes->goodsButton[0]->isEnabled());
    }

    void presentationPerEdition_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("amount");
        QTest::addColumn<bool>("date");
        QTest::addColumn<bool>("time");
        QTest::addColumn<bool>("pieces");
        QTest::newRow("10") << 10 << "払込取扱票編集" << true << false << false << false;
        QTest::newRow("20") << 20 << "送り状編集" << false << true << true << false;
        QTest::newRow("40") << 40 << "送り状編集" << false << true << false << true;
        QTest::newRow("50") << 50 << "送り状編集" << false << true << true << true;
    }

    void presentationPerEdition()
    {
        QFETCH(int, edition);
        QFETCH(QString, title);
        QFETCH(bool, amount);
        QFETCH(bool, date);
        QFETCH(bool, time);
        QFETCH(bool, pieces);
        DialogFixture fx(edition);
        SingleDataDialog dialog(fx.context());
        dialog.show();
        QCOMPARE(dialog.titleLabel->text(), title);
        QCOMPARE(dialog.boxes->amountRow->isVisible(), amount);
        QCOMPARE(dialog.boxes->dateRow->isVisible(), date);
        QCOMPARE(dialog.boxes->timeRow->isVisible(), time);
        QCOMPARE(dialog.boxes->piecesRow->isVisible(), pieces);
        QVERIFY(!dialog.boxes->weightRow->isVisible());
        QCOMPARE(dialog.boxes->postal[0]->maxLength(), 3);
        QCOMPARE(dialog.boxes->postal[1]->maxLength(), 4);
        QVERIFY(dialog.boxes->postal[0]->inputMethodHints() & Qt::ImhPreferLatin);
        QVERIFY(!dialog.boxes->amount->testAttribute(Qt::WA_InputMethodEnabled));
        dialog.reject();
    }
};

QTEST_MAIN(DataEditTest)
#include "single_data_dialog_test.moc"
