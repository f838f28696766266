// The item selection dialog of the consignee list's item change: captions,
// choices and hidden groups per edition, the values it hands back after a
// user ticked and typed, the phrase list behind its "選択" buttons, and boxes
// that keep their content from one use to the next.

#include "support/DialogFixture.h"
#include "support/TestNotices.h"
#include "support/TestTyping.h"

#include "core/addressbook/PhraseStore.h"
#include "ui/addressbook/PhraseListDialog.h"
#include "ui/addressbook/ItemChangeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList choices(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// Ticks a check box with the mouse, as a user does.
void tick(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void typeInto(QLineEdit *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    TypeText(box, text);
}

const QStringList kCommonTimes{"午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時"};

} // namespace

class ItemSelectTest : public QObject
{
    Q_OBJECT
private slots:
    void editionCaptionsAndVisibility_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("item1");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("times");
        // Shown: amount, date row, year box, time slot, pieces/insurance/weight.
        QTest::addColumn<QList<bool>>("shown");

        QTest::newRow("10 payment slip") << 10 << "通信欄編集" << "通信欄1" << "金 額" << "" << QStringList{}
                                         << QList<bool>{true, false, false, false, false};
        QTest::newRow("20") << 20 << "品名・配達希望日・時間帯編集" << "品名1" << "代金引換額" << "配達希望日"
                            << kCommonTimes + QStringList{"希望しない"} << QList<bool>{false, true, false, true, false};
        QTest::newRow("30") << 30 << "品名・金額・希望お届け日編集" << "品名1" << "代金引換額" << "希望お届け日"
                            << kCommonTimes + QStringList{"印刷しない"} << QList<bool>{true, true, false, true, false};
        QTest::newRow("40") << 40 << "品名・お届け予定日編集" << "品名1" << "代金引換額" << "お届け予定日"
                            << QStringList{} << QList<bool>{false, true, false, false, false};
        QTest::newRow("50") << 50 << "品名・ご希望お届け日・時間帯編集" << "品　名1" << "金 額" << "ご希望お届け日"
                            << QStringList{"10時～12時", "12時～14時", "14時～16時", "16時～18時", "18時～20時",
                                           "希望なし"}
                            << QList<bool>{false, true, false, true, false};
        QTest::newRow("60") << 60 << "商品選択" << "品　名1" << "金 額" << "お届け予定日"
                            << kCommonTimes + QStringList{"印刷しない"} << QList<bool>{true, true, true, true, true};
    }

    void editionCaptionsAndVisibility()
    {
        QFETCH(int, edition);
        QFETCH(QString, title);
        QFETCH(QString, item1);
        QFETCH(QString, amount);
        QFETCH(QString, date);
        QFETCH(QStringList, times);
        QFETCH(QList<bool>, shown);

        QApplication::setApplicationDisplayName("テスト版");
        ItemChangeDialog dialog(edition);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QApplication::applicationDisplayName());
        QCOMPARE(dialog.titleLabel->text(), title);
        QCOMPARE(dialog.goodsLabel[0]->text(), item1);
        QCOMPARE(dialog.goodsLabel[3]->text(), QString(item1).replace(u'1', u'4'));
        QCOMPARE(dialog.Checkitem->text(), QString("変更する"));
        QCOMPARE(dialog.kingakuLabel->text(), amount);
        QCOMPARE(choices(dialog.timeSelect), times);

        QCOMPARE(dialog.z_kingaku->isVisible(), shown[0]);
        QCOMPARE(dialog.CheckKingaku->isVisible(), shown[0]);
        QCOMPARE(dialog.s_Month->isVisible(), shown[1]);
        QCOMPARE(dialog.CheckDate->isVisible(), shown[1]);
        if (shown[1])
            QCOMPARE(dialog.dateLabel->text(), date);
        QCOMPARE(dialog.s_year->isVisible(), shown[2]);
        QCOMPARE(dialog.yearLabel->isVisible(), shown[2]);
        QCOMPARE(dialog.timeSelect->isVisible(), shown[3]);
        QCOMPARE(dialog.Checktime->isVisible(), shown[3]);
        QCOMPARE(dialog.z_num1->isVisible(), shown[4]);
        QCOMPARE(dialog.z_value->isVisible(), shown[4]);
        QCOMPARE(dialog.z_kg->isVisible(), shown[4]);
        // The item names can be changed in every edition.
        QVERIFY(dialog.z_goods[0]->isVisible() && dialog.Checkitem->isVisible());
        // Opening puts the focus on the first check box.
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.Checkitem));
    }

    void tickedGroupsAreHandedBackWithWhatWasTyped()
    {
        ItemChangeDialog dialog(30);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        tick(dialog.Checkitem);
        typeInto(dialog.z_goods[0], "りんご");
        typeInto(dialog.z_goods[3], "箱入り");
        tick(dialog.CheckDate);
        typeInto(dialog.s_Month, "12");
        typeInto(dialog.s_day, "24");
        // The amount is typed but its group is not ticked.
        typeInto(dialog.z_kingaku, "3000");
        tick(dialog.Checktime);
        dialog.timeSelect->setFocus();
        QTest::keyClick(dialog.timeSelect, Qt::Key_Down); // 午前中 -> 12時～14時
        QTest::mouseClick(dialog.runButton, Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const ItemChangeValues v = dialog.values();
        QVERIFY(v.items);
        QCOMPARE(v.goods[0], QString("りんご"));
        QCOMPARE(v.goods[1], QString());
        QCOMPARE(v.goods[3], QString("箱入り"));
        QVERIFY(v.date);
        QCOMPARE(v.month, QString("12"));
        QCOMPARE(v.day, QString("24"));
        QVERIFY(v.time);
        QCOMPARE(v.timeText, QString("12時～14時"));
        QVERIFY(!v.amount);

        // The dialog lives on: the next use starts with the boxes as they were
        // left, and unticking a group takes it out of the change.
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.z_goods[0]->text(), QString("りんご"));
        QVERIFY(dialog.Checkitem->isChecked());
        tick(dialog.Checkitem);
        tick(dialog.CheckKingaku);
        QTest::mouseClick(dialog.runButton, Qt::LeftButton);
        const ItemChangeValues again = dialog.values();
        QVERIFY(!again.items);
        QVERIFY(again.amount);
        QCOMPARE(again.kingaku, QString("3000"));
    }

    // The amount and date boxes take digits only; "実　行" with a ticked date
    // that is no real day is refused with a notice and the dialog stays open.
    void amountAndDateMustBeNumbersAndARealDay()
    {
        ItemChangeDialog dialog(30);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        typeInto(dialog.z_kingaku, "abc-1.5x");
        typeInto(dialog.s_day, "３０");
        QCOMPARE(dialog.z_kingaku->text(), QString("15"));
        QCOMPARE(dialog.s_day->text(), QString("30"));

        tick(dialog.CheckDate);
        typeInto(dialog.s_Month, "2");
        NoticeCatcher notices;
        QTest::mouseClick(dialog.runButton, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(notices.texts.size(), 1);
        QVERIFY2(notices.texts.first().contains("希望お届け日"), qPrintable(notices.texts.first()));

        // An unticked group is not written, so it is not checked either.
        tick(dialog.CheckDate);
        QTest::mouseClick(dialog.runButton, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(notices.texts.size(), 1);
    }

    void cancelClosesWithCancel()
    {
        ItemChangeDialog dialog(60);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        tick(dialog.Checkitem);
        QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void chooseButtonFillsItsBoxFromThePhraseList()
    {
        DialogFixture fx(40);
        PhraseStore store(fx.db, fx.context().membersDbPath);
        QVERIFY(store.insert("みかん"));
        QVERIFY(store.insert("贈答用"));
        PhraseListDialog phrases(store);
        ItemChangeDialog dialog(40);
        // Without a phrase list the buttons cannot be used.
        QVERIFY(!dialog.chooseButton[0]->isEnabled());
        dialog.setPhraseChooser([&](QString *phrase) { return phrases.choose(phrase); });
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // The user double-clicks the second phrase in the list that opens.
        bool listOpened = false;
        QTimer::singleShot(0, &phrases, [&] {
            listOpened = QApplication::activeModalWidget() == &phrases;
            const QRect cell = phrases.grid->visualRect(phrases.grid->model()->index(2, 1));
            QTest::mouseClick(phrases.grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(phrases.grid->viewport(), Qt::LeftButton, {}, cell.center());
        });
        QTest::mouseClick(dialog.chooseButton[2], Qt::LeftButton);
        QVERIFY(listOpened);
        QCOMPARE(dialog.z_goods[2]->text(), QString("贈答用"));

        // Closing the list with "キャンセル" leaves the box alone.
        dialog.z_goods[1]->setText("元のまま");
        QTimer::singleShot(0, &phrases, [&] { QTest::mouseClick(phrases.cancelButton, Qt::LeftButton); });
        QTest::mouseClick(dialog.chooseButton[1], Qt::LeftButton);
        QCOMPARE(dialog.z_goods[1]->text(), QString("元のまま"));
    }
};

QTEST_MAIN(ItemSelectTest)
#include "item_change_dialog_test.moc"
