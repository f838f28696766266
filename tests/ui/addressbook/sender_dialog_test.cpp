// The sender editor: the length limit and its message, insert and update,
// the "keep one sender" rule, the copy into the print record, Enter in the
// postal-code box and the payment-slip edition's hidden address panel.

#include "support/DialogFixture.h"
#include "support/TestNotices.h"

#include "ui/addressbook/SenderDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString senderColumn(DialogFixture &fx, int id, const QString &column)
{
    return fx.query(fx.context().addressDbPath, QString("SELECT %1 FROM company WHERE ID=%2").arg(column).arg(id))
        .value(0, 0);
}

int senderCount(DialogFixture &fx)
{
    return fx.query(fx.context().addressDbPath, "SELECT count(*) FROM company").value(0, 0).toInt();
}

} // namespace

class SenderEditTest : public QObject
{
    Q_OBJECT
private slots:
    void nameOfSixtyIsSavedSixtyOneIsRefused()
    {
        DialogFixture fx(40);
        SenderDialog dialog(fx.context());
        dialog.setSenderId("2");
        dialog.show();
        NoticeCatcher notices;
        const QString sixtyOne(61, QChar(0x4E00));
        dialog.y_namae->setText(sixtyOne);
        dialog.save();
        QCOMPARE(notices.texts, QStringList{"[保存できませんでした]名前が長すぎます。\r\n" + sixtyOne});
        QVERIFY(dialog.isVisible());
        QCOMPARE(senderColumn(fx, 2, "NAMAE1"), QString("会社名2"));

        notices.texts.clear();
        dialog.y_namae->setText(sixtyOne.left(60));
        dialog.save();
        QCOMPARE(notices.texts, QStringList{"正常に更新しました"});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(senderColumn(fx, 2, "NAMAE1"), sixtyOne.left(60));
        // Three empty telephone boxes are no number; "--" would be printed.
        QCOMPARE(senderColumn(fx, 2, "TEL"), QString());
    }

    void newSenderIsInsertedWithoutMessage()
    {
        DialogFixture fx(50);
        SenderDialog dialog(fx.context());
        dialog.setSenderId(QString());
        dialog.show();
        NoticeCatcher notices;
        dialog.y_namae->setText("O'Brien運送");
        dialog.area->setCurrentText("大阪府");
        dialog.y_tel1->setText("06");
        dialog.save();
        QVERIFY(notices.texts.isEmpty());
        QCOMPARE(senderCount(fx), 5);
        QCOMPARE(senderColumn(fx, 5, "NAMAE1"), QString("O'Brien運送"));
        QCOMPARE(senderColumn(fx, 5, "AREA"), QString("大阪府"));
        QCOMPARE(senderColumn(fx, 5, "TEL"), QString("06--"));
    }

    void deletingTheOnlySenderIsRefused()
    {
        DialogFixture fx(50);
        QVERIFY(fx.exec(fx.context().addressDbPath, "DELETE FROM company WHERE ID>1"));
        SenderDialog dialog(fx.context());
        dialog.setSenderId("1");
        dialog.show();
        NoticeCatcher notices;
        dialog.deleteSender();
        QCOMPARE(notices.texts, QStringList{"荷送人は1つ以上は残してください。"});
        QCOMPARE(senderCount(fx), 1);
        QVERIFY(!dialog.isVisible());
    }

    void deletingAfterConfirmation()
    {
        DialogFixture fx(40);
        SenderDialog dialog(fx.context());
        dialog.setSenderId("3");
        dialog.show();
        NoticeCatcher notices; // answers the question with OK
        dialog.deleteSender();
        QCOMPARE(senderCount(fx), 3);
        QVERIFY(senderColumn(fx, 3, "NAMAE1").isEmpty());
        QCOMPARE(notices.headings, QStringList{"確認"});
        QCOMPARE(notices.texts, QStringList{"削除してもよろしいですか？"});
    }

    void openingCopiesTheSenderIntoTheRecord()
    {
        DialogFixture fx(40);
        QVERIFY(fx.exec(fx.context().addressDbPath,
                        "UPDATE company SET ZIPCODE='1000001',AREA='東京都',CITY='千代田区',LOCATION='千代田1-1',"
                        "BUILDING='本社ビル',TEL='03-1234-5678' WHERE ID=2"));
        SenderDialog dialog(fx.context());
        dialog.setSenderId("2");
        dialog.show();
        QCOMPARE(fx.record.slot(32), QString("会社名2"));
        QCOMPARE(fx.record.slot(34), QString("東京都千代田区千代田1-1"));
        QCOMPARE(fx.record.slot(35), QString("本社ビル"));
        QCOMPARE(dialog.y_yubin1->text(), QString("100"));
        QCOMPARE(dialog.y_yubin2->text(), QString("0001"));
        QCOMPARE(dialog.area->currentText(), QString("東京都"));
        QCOMPARE(dialog.y_tel3->text(), QString("5678"));
    }

    void unknownPrefectureShowsNoneAndSavesEmpty()
    {
        DialogFixture fx(40);
        QVERIFY(fx.exec(fx.context().addressDbPath, "UPDATE company SET AREA='東京' WHERE ID=1"));
        SenderDialog dialog(fx.context());
        dialog.setSenderId("1");
        dialog.show();
        QCOMPARE(dialog.area->currentIndex(), -1);
        NoticeCatcher notices;
        dialog.save();
        QVERIFY(senderColumn(fx, 1, "AREA").isEmpty());
    }

    void paymentSlipEditionHidesTheAddressButSavesIt()
    {
        DialogFixture fx(10);
        QVERIFY(fx.exec(fx.context().addressDbPath, "UPDATE company SET CITY='札幌市',tagchr1='02710' WHERE ID=1"));
        SenderDialog dialog(fx.context());
        dialog.setSenderId("1");
        dialog.show();
        QVERIFY(!dialog.addressPanel->isVisible());
        QVERIFY(dialog.accountPanel->isVisible());
        QCOMPARE(dialog.tagkey[0]->text(), QString("02710"));
        QCOMPARE(dialog.tagkey[0]->maxLength(), 10);
        NoticeCatcher notices;
        dialog.save();
        QCOMPARE(senderColumn(fx, 1, "CITY"), QString("札幌市"));
    }

    void enterInTheSecondPostalBoxFillsTheAddress()
    {
        DialogFixture fx(40);
        SenderDialog dialog(fx.context());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.y_yubin1->setText("060");
        dialog.y_yubin2->setText("0000");
        dialog.y_yubin2->setFocus();
        QTest::keyClick(dialog.y_yubin2, Qt::Key_Return);
        QCOMPARE(dialog.area->currentText(), QString("北海道"));
        QCOMPARE(dialog.city->text(), QString("札幌市中央区"));
        // The list's remark for "no particular town" is no part of an address.
        QCOMPARE(dialog.location->text(), QString());
        QVERIFY(dialog.isVisible()); // the key went no further
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog.y_yubin2));
        dialog.reject();
    }
};

QTEST_MAIN(SenderEditTest)
#include "sender_dialog_test.moc"
