// The consignee editor: a new consignee with its item row, editing in the
// edition without an amount, the sender choice, remarks on two lines, the
// time-slot loading and the postal-code conversion on Enter, Tab and leaving.

#include "support/DialogFixture.h"
#include "support/TestNotices.h"
#include "support/TestTyping.h"

#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/WaybillBoxes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString column(DialogFixture &fx, const QString &db, const QString &sql)
{
    return fx.query(db, sql).value(0, 0);
}

// Adds consignee 1 with an item row of the edition naming sender 3.
void addConsignee(DialogFixture &fx, int edition, const QString &timeselect = "午前中")
{
    QVERIFY(fx.exec(fx.context().addressDbPath,
                    "INSERT INTO address(NAMAE1,ZIPCODE,AREA,CITY,TEL) VALUES('山田','5300001','大阪府','大阪市北区',"
                    "'06-1111-2222')"));
    QVERIFY(fx.exec(fx.context().membersDbPath,
                    QString("INSERT INTO memberitem(userid,kind,companyID,uriage,daibiki,itemname1,arrivedate,"
                            "timeselect) VALUES(1,%1,3,'500','1200','みかん','/12/24','%2')")
                        .arg(edition)
                        .arg(timeselect)));
}

} // namespace

class ConsigneeDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void newConsigneeGetsTheNextIdAndItsItemRow()
    {
        DialogFixture fx(30);
        fx.selectedSender = 2;
        QVERIFY(fx.exec(fx.context().addressDbPath, "INSERT INTO address(NAMAE1) VALUES('先客')"));
        ConsigneeDialog dialog(fx.context());
        QTimer::singleShot(0, &dialog, [&] {
            QCOMPARE(dialog.chosenSenderId(), QString("2")); // the main window's sender
            QVERIFY(!dialog.deleteBtn->isEnabled());
            dialog.boxes->name[0]->setText("新規");
            dialog.notes->setPlainText("一行目\n二行目");
            dialog.boxes->amount->setText("3000");
            dialog.boxes->timeSlot->setCurrentText("希望なし");
            dialog.save();
        });
        QCOMPARE(dialog.openNew(), int(QDialog::Accepted));
        QCOMPARE(dialog.savedId(), QString("2"));
        QCOMPARE(fx.consigneeReads, 1);
        const QString address = fx.context().addressDbPath;
        const QString members = fx.context().membersDbPath;
        QCOMPARE(column(fx, address, "SELECT NAMAE1 FROM address WHERE ID=2"), QString("新規"));
        QCOMPARE(column(fx, address, "SELECT NOTES FROM address WHERE ID=2"), QString("一行目\n二行目"));
        QCOMPARE(column(fx, members, "SELECT count(*) FROM memberitem WHERE userid=2 AND kind=30"), QString("1"));
        QCOMPARE(column(fx, members, "SELECT daibiki FROM memberitem WHERE userid=2"), QString("3000"));
        QCOMPARE(column(fx, members, "SELECT companyID FROM memberitem WHERE userid=2"), QString("2"));
        QCOMPARE(column(fx, members, "SELECT timeselect FROM memberitem WHERE userid=2"), QString("希望なし"));
        // Every close empties the boxes and panels 1 and 2.
        QVERIFY(dialog.boxes->name[0]->text().isEmpty());
        QVERIFY(dialog.panel(1).isEmpty());
    }

    void edition40SaveEmptiesTheAmountColumns()
    {
        DialogFixture fx(40);
        addConsignee(fx, 40);
        ConsigneeDialog dialog(fx.context());
        QTimer::singleShot(0, &dialog, [&] {
            QCOMPARE(dialog.boxes->name[0]->text(), QString("山田"));
            QCOMPARE(dialog.chosenSenderId(), QString("3"));
            QCOMPARE(dialog.boxes->month->text(), QString("12"));
            QCOMPARE(dialog.boxes->tel[1]->text(), QString("1111"));
            QVERIFY(!dialog.boxes->amountRow->isVisible());
            QVERIFY(dialog.deleteBtn->isEnabled());
            dialog.save();
        });
        QCOMPARE(dialog.openEdit("1"), int(QDialog::Accepted));
        const QString members = fx.context().membersDbPath;
        QCOMPARE(column(fx, members, "SELECT uriage||'|'||daibiki FROM memberitem WHERE userid=1"), QString("|"));
        QCOMPARE(column(fx, members, "SELECT itemname1 FROM memberitem WHERE userid=1"), QString("みかん"));
        QCOMPARE(column(fx, members, "SELECT count(*) FROM memberitem"), QString("1"));
        QCOMPARE(column(fx, fx.context().addressDbPath, "SELECT TEL FROM address WHERE ID=1"), QString("06-1111-2222"));
    }

    // Parts after the second hyphen stay together in the third box.
    void aTelephoneOfFourPartsSurvivesOpeningAndSaving()
    {
        DialogFixture fx(40);
        const QString address = fx.context().addressDbPath;
        QVERIFY(fx.exec(address, "INSERT INTO address(NAMAE1,TEL) VALUES('山田','075-414-4321-99')"));
        ConsigneeDialog dialog(fx.context());
        QString shown;
        QTimer::singleShot(0, &dialog, [&] {
            shown = dialog.boxes->tel[0]->text() + u'/' + dialog.boxes->tel[1]->text() + u'/'
                    + dialog.boxes->tel[2]->text();
            dialog.save();
        });
        QCOMPARE(dialog.openEdit("1"), int(QDialog::Accepted));
        QCOMPARE(shown, QString("075/414/4321-99"));
        QCOMPARE(column(fx, address, "SELECT TEL FROM address WHERE ID=1"), QString("075-414-4321-99"));
    }

    void consigneeWithoutItemRowChoosesNoSender()
    {
        DialogFixture fx(50);
        addConsignee(fx, 40); // an item row of another edition only
        ConsigneeDialog dialog(fx.context());
        QTimer::singleShot(0, &dialog, [&] {
            QCOMPARE(dialog.chosenSenderId(), QString());
            QCOMPARE(dialog.senderChoice->topLevelItemCount(), 4);
            dialog.save();
        });
        dialog.openEdit("1");
        QCOMPARE(column(fx, fx.context().membersDbPath,
                        "SELECT count(*) FROM memberitem WHERE userid=1 AND kind=50 AND coalesce(companyID,'')=''"),
                 QString("1"));
    }

    void timeSlotLoading_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("30 choice") << 30 << "14時～16時" << "14時～16時";
        QTest::newRow("20 not a choice") << 20 << "希望なし" << "";
        QTest::newRow("60 印刷しない") << 60 << "印刷しない" << "";
        QTest::newRow("50 希望なし") << 50 << "希望なし" << "希望なし";
    }

    void timeSlotLoading()
    {
        QFETCH(int, edition);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        DialogFixture fx(edition);
        addConsignee(fx, edition, stored);
        ConsigneeDialog dialog(fx.context());
        QString seen = "unset";
        QTimer::singleShot(0, &dialog, [&] {
            seen = dialog.boxes->timeSlot->currentIndex() < 0 ? QString() : dialog.boxes->timeSlot->currentText();
            dialog.reject();
        });
        QCOMPARE(dialog.openEdit("1"), int(QDialog::Rejected));
        QCOMPARE(seen, shown);
        QCOMPARE(dialog.savedId(), QString());
    }

    void postalCodeOnEnterTabAndLeaving()
    {
        DialogFixture fx(40);
        ConsigneeDialog dialog(fx.context());
        dialog.setPanel(0, "追加");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.boxes->postal[0]->setText("100");
        dialog.boxes->postal[1]->setText("0001");
        dialog.boxes->address[0]->setText("港区");
        dialog.boxes->address[1]->setText("芝公園");

        // Leaving by the mouse with the city filled changes nothing.
        dialog.boxes->postal[1]->setFocus(Qt::MouseFocusReason);
        dialog.boxes->name[0]->setFocus(Qt::MouseFocusReason);
        QCOMPARE(dialog.boxes->address[0]->text(), QString("港区"));
        QCOMPARE(dialog.boxes->prefecture->currentIndex(), -1);

        // Enter converts regardless, with the last town area of the code.
        dialog.boxes->postal[1]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(dialog.boxes->postal[1], Qt::Key_Return);
        QCOMPARE(dialog.boxes->address[0]->text(), QString("千代田区"));
        QCOMPARE(dialog.boxes->address[1]->text(), QString("千代田二"));
        QCOMPARE(dialog.boxes->prefecture->currentText(), QString("東京都"));
        QVERIFY(dialog.isVisible());

        // Tab converts too (before the leaving, which then finds the city filled).
        dialog.boxes->postal[0]->setText("530");
        dialog.boxes->postal[1]->setText("0001");
        dialog.boxes->postal[1]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(dialog.boxes->postal[1], Qt::Key_Tab);
        QCOMPARE(dialog.boxes->address[0]->text(), QString("大阪市北区"));
        QCOMPARE(dialog.boxes->prefecture->currentText(), QString("大阪府"));

        // Leaving with an empty city converts.
        dialog.boxes->postal[0]->setText("060");
        dialog.boxes->postal[1]->setText("0000");
        dialog.boxes->address[0]->clear();
        dialog.boxes->postal[1]->setFocus(Qt::MouseFocusReason);
        dialog.boxes->name[0]->setFocus(Qt::MouseFocusReason);
        QCOMPARE(dialog.boxes->address[0]->text(), QString("札幌市中央区"));
        dialog.reject();
    }

    // Tab leaves a multi-line box as it leaves every other box, so a clerk
    // going through the editor by keyboard is never caught in 備考;
    // Ctrl+Tab writes a tab when one is wanted.
    void tabLeavesEveryMultiLineBox()
    {
        DialogFixture fx(40);
        ConsigneeDialog dialog(fx.context());
        dialog.setPanel(0, "追加");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QList<QPlainTextEdit *> boxes = dialog.findChildren<QPlainTextEdit *>();
        QVERIFY(boxes.contains(dialog.notes));
        for (QPlainTextEdit *box : boxes) {
            box->clear();
            box->setFocus(Qt::TabFocusReason);
            QVERIFY(box->hasFocus());
            QTest::keyClicks(box, "ab");
            QTest::keyClick(box, Qt::Key_Tab);
            QCOMPARE(box->toPlainText(), QString("ab"));
            QVERIFY2(!box->hasFocus(), qPrintable(box->objectName()));
            box->setFocus(Qt::TabFocusReason);
            box->moveCursor(QTextCursor::End);
            QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(box->toPlainText(), QString("ab\t"));
            QVERIFY(box->hasFocus());
        }
        dialog.reject();
    }

    void deleteAsksAndKeepsTheItemRow()
    {
        DialogFixture fx(40);
        addConsignee(fx, 40);
        ConsigneeDialog dialog(fx.context());
        NoticeCatcher notices;
        QTimer::singleShot(0, &dialog, [&] { dialog.deleteBtnClick(); });
        QCOMPARE(dialog.openEdit("1"), int(QDialog::Accepted));
        QCOMPARE(notices.headings, QStringList{"確認"});
        QCOMPARE(notices.texts, QStringList{"削除してもよろしいですか？"});
        QCOMPARE(column(fx, fx.context().addressDbPath, "SELECT count(*) FROM address"), QString("0"));
        QCOMPARE(column(fx, fx.context().membersDbPath, "SELECT count(*) FROM memberitem"), QString("1"));
        QCOMPARE(fx.consigneeReads, 1);
    }

    // Another station changes the consignee while the dialog is open: the
    // save asks; いいえ reads the other's data, はい overwrites it. A consignee
    // deleted meanwhile is reported, nothing written.
    void aChangeByAnotherStationIsAskedAboutBeforeSaving()
    {
        DialogFixture fx(40);
        addConsignee(fx, 40);
        const QString address = fx.context().addressDbPath;
        ConsigneeDialog dialog(fx.context());
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(fx.exec(address, "UPDATE address SET NAMAE1='別の端末' WHERE ID=1"));
            dialog.boxes->name[0]->setText("この端末");
            {
                NoticeCatcher notices(QMessageBox::No);
                dialog.save();
                QCOMPARE(notices.texts.size(), 1);
                QVERIFY(notices.texts.first().contains("ほかの端末か画面で変更されています"));
            }
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.boxes->name[0]->text(), QString("別の端末"));
            QCOMPARE(column(fx, address, "SELECT NAMAE1 FROM address WHERE ID=1"), QString("別の端末"));

            // Read again; a change of the item row is a change too.
            dialog.boxes->name[0]->setText("読み直して保存");
            {
                QVERIFY(fx.exec(fx.context().membersDbPath, "UPDATE memberitem SET itemname1='りんご' WHERE userid=1"));
                NoticeCatcher yes(QMessageBox::Yes);
                dialog.save();
                QCOMPARE(yes.texts.size(), 1); // the item row changed too
            }
        });
        QCOMPARE(dialog.openEdit("1"), int(QDialog::Accepted));
        QCOMPARE(column(fx, address, "SELECT NAMAE1 FROM address WHERE ID=1"), QString("読み直して保存"));

        ConsigneeDialog again(fx.context());
        QTimer::singleShot(0, &again, [&] {
            QVERIFY(fx.exec(address, "DELETE FROM address WHERE ID=1"));
            NoticeCatcher notices;
            again.boxes->name[0]->setText("消えた人");
            again.save();
            QCOMPARE(notices.texts.size(), 1);
            QVERIFY(notices.texts.first().contains("見つかりません"));
            again.reject();
        });
        QCOMPARE(again.openEdit("1"), int(QDialog::Rejected));
        QCOMPARE(column(fx, address, "SELECT count(*) FROM address"), QString("0"));
    }

    void failedSaveIsReportedAndKeepsTheDialogOpen()
    {
        DialogFixture fx(40);
        QVERIFY(fx.exec(fx.context().addressDbPath, "DROP TABLE address"));
        ConsigneeDialog dialog(fx.context());
        NoticeCatcher notices;
        int result = -1;
        QTimer::singleShot(0, &dialog, [&] {
            dialog.boxes->name[0]->setText("消えない名前");
            dialog.save();
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.boxes->name[0]->text(), QString("消えない名前"));
            dialog.reject();
        });
        result = dialog.openNew();
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(notices.texts.size(), 1);
        QVERIFY(notices.texts.first().startsWith("[保存できませんでした]"));
        QCOMPARE(fx.consigneeReads, 0);
    }

    // Boxes as a caller or an older row may fill them: the save checks them
    // and either refuses with a notice, keeping the dialog open with what was
    // there, or stores the normalised values.
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
        QTest::addColumn<QString>("stored");  // daibiki|num|hoken|arrivedate after a save

        QTest::newRow("empty form") << 60 << "" << "" << "" << "" << "" << "" << "お名前" << "";
        QTest::newRow("blank name") << 60 << "　 " << "" << "" << "" << "" << "" << "お名前" << "";
        QTest::newRow("letters in pieces") << 60 << "山田" << "" << "abc-12.5x" << "" << "" << "" << "個　数" << "";
        QTest::newRow("amount with a comma") << 30 << "山田" << "3,000" << "" << "" << "" << "" << "代金引換額" << "";
        QTest::newRow("month 13") << 60 << "山田" << "" << "" << "" << "13" << "1" << "お届け予定日" << "";
        QTest::newRow("30 February") << 30 << "山田" << "" << "" << "" << "2" << "30" << "希望お届け日" << "";
        QTest::newRow("day without month") << 40 << "山田" << "" << "" << "" << "" << "5" << "お届け予定日" << "";
        QTest::newRow("full-width digits") << 60 << "山田" << "１２００" << "２" << "１２３" << "１２" << "２４" << ""
                                           << "1200|2|123|/12/24";
        QTest::newRow("29 February without a year") << 40 << "山田" << "" << "" << "" << "2" << "29" << ""
                                                     << "|||/2/29";
        // Edition 40 hides the amount: what it holds cannot be corrected, so it is no reason to refuse.
        QTest::newRow("hidden amount") << 40 << "山田" << "abc" << "3" << "" << "" << "" << "" << "|3||//";
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
        ConsigneeDialog dialog(fx.context());
        NoticeCatcher notices;
        bool stayedOpen = false;
        QString kept;
        QTimer::singleShot(0, &dialog, [&] {
            dialog.boxes->name[0]->setText(name);
            dialog.boxes->amount->setText(amount);
            dialog.boxes->pieces->setText(pieces);
            dialog.boxes->insurance->setText(insurance);
            dialog.boxes->month->setText(month);
            dialog.boxes->day->setText(day);
            dialog.save();
            stayedOpen = dialog.isVisible();
            kept = dialog.boxes->name[0]->text() + u'|' + dialog.boxes->pieces->text() + u'|' + dialog.boxes->month->text();
            if (stayedOpen)
                dialog.reject();
        });
        dialog.openNew();
        const QString address = fx.context().addressDbPath;
        const QString members = fx.context().membersDbPath;
        if (!refusal.isEmpty()) {
            QVERIFY(stayedOpen);
            QCOMPARE(kept, name + u'|' + pieces + u'|' + month);
            QCOMPARE(notices.texts.size(), 1);
            QVERIFY2(notices.texts.first().startsWith("[保存できませんでした]" + refusal), qPrintable(notices.texts.first()));
            QCOMPARE(notices.headings.first(), QString("確認"));
            QCOMPARE(column(fx, address, "SELECT count(*) FROM address"), QString("0"));
            QCOMPARE(column(fx, members, "SELECT count(*) FROM memberitem"), QString("0"));
            QCOMPARE(fx.consigneeReads, 0);
            return;
        }
        QVERIFY(!stayedOpen);
        QVERIFY2(notices.texts.isEmpty(), qPrintable(notices.texts.join('\n')));
        QCOMPARE(column(fx, members, "SELECT daibiki||'|'||num||'|'||hoken||'|'||arrivedate FROM memberitem"),
                 stored);
        // Three empty telephone boxes are no telephone number, not "--".
        QCOMPARE(column(fx, address, "SELECT '<'||TEL||'>' FROM address"), QString("<>"));
    }

    // Typing: letters, signs and separators never reach the amount, pieces and
    // date boxes; full-width digits from the input method arrive as ASCII.
    void numberAndDateBoxesTakeDigitsOnly()
    {
        DialogFixture fx(60);
        ConsigneeDialog dialog(fx.context());
        dialog.setPanel(0, "追加");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The month box holds two digits at most.
        QCOMPARE(TypeIntoEach({dialog.boxes->amount, dialog.boxes->pieces, dialog.boxes->insurance, dialog.boxes->month}, "abc-12.5x３"),
                 QStringList({"1253", "1253", "1253", "12"}));
        dialog.reject();
    }

    // A consignee registered from the history carries the internal source flag;
    // the status bar tells the clerk where the data came from instead.
    void historySourceIsShownInWords()
    {
        DialogFixture fx(40);
        ConsigneeDialog dialog(fx.context());
        QStringList shown;
        QString flag;
        QTimer::singleShot(0, &dialog, [&] {
            for (const QLabel *label : dialog.statusLine->findChildren<QLabel *>())
                if (label->isVisible())
                    shown << label->text();
            flag = dialog.panel(2);
            dialog.reject();
        });
        dialog.boxes->name[0]->setText("履歴の人");
        dialog.openFromHistory("追加", QString());
        QCOMPARE(flag, QString("rireki"));
        QVERIFY2(!shown.join('|').contains("rireki"), qPrintable(shown.join('|')));
        QVERIFY2(shown.contains("履歴から登録"), qPrintable(shown.join('|')));
        QVERIFY(shown.contains("追加"));
    }

    void editionCaptions_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("senderFrame");
        QTest::addColumn<bool>("time");
        QTest::newRow("10") << 10 << "加入者名" << false;
        QTest::newRow("30") << 30 << "ご依頼主" << true;
        QTest::newRow("50") << 50 << "荷送人" << true;
    }

    void editionCaptions()
    {
        QFETCH(int, edition);
        QFETCH(QString, senderFrame);
        QFETCH(bool, time);
        DialogFixture fx(edition);
        ConsigneeDialog dialog(fx.context());
        dialog.show();
        QCOMPARE(dialog.senderFrame->title(), senderFrame);
        QCOMPARE(dialog.boxes->timeRow->isVisible(), time);
        QCOMPARE(dialog.boxes->postal[0]->maxLength(), 3);
        QCOMPARE(dialog.boxes->postal[1]->maxLength(), 4);
        dialog.reject();
    }
};

QTEST_MAIN(ConsigneeDialogTest)
#include "consignee_dialog_test.moc"
