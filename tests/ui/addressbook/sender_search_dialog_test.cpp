// The sender search dialog: its sortable copy of the sender list (header
// clicks both ways, identifiers ordered as text), the choice it hands back,
// "指定解除", and the consignee list's sender filter set and removed through it.

#include "support/DialogFixture.h"

#include "ui/addressbook/ConsigneeCommands.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/SenderSearchDialog.h"
#include "ui/addressbook/ItemChangeDialog.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The identifiers (column 0) or names (column 1) in the order shown.
QStringList shown(const SenderSearchDialog &dialog, int column)
{
    QStringList texts;
    for (int i = 0; i < dialog.senderChoice->topLevelItemCount(); ++i)
        texts << dialog.senderChoice->topLevelItem(i)->text(column);
    return texts;
}

void clickHeader(SenderSearchDialog &dialog, int column)
{
    QHeaderView *header = dialog.senderChoice->header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void clickRow(SenderSearchDialog &dialog, int row)
{
    QTreeWidget *list = dialog.senderChoice;
    const QRect cell = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

const QVector<QStringList> kSenders{{"2", "さとう"}, {"10", "あべ"}, {"1", "かとう"}, {"3", "いとう"}};

} // namespace

class SenderSearchTest : public QObject
{
    Q_OBJECT
private slots:
    void headerClicksSortTheCopyBothWays()
    {
        SenderSearchDialog dialog;
        dialog.setRows(kSenders);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(shown(dialog, 0), QStringList({"2", "10", "1", "3"})); // unsorted: as the sender list holds them

        clickHeader(dialog, 0);
        QCOMPARE(shown(dialog, 0), QStringList({"1", "10", "2", "3"})); // as text: "10" before "2"
        clickHeader(dialog, 0);
        QCOMPARE(shown(dialog, 0), QStringList({"3", "2", "10", "1"}));
        clickHeader(dialog, 1);
        QCOMPARE(shown(dialog, 1), QStringList({"あべ", "いとう", "かとう", "さとう"}));
        QCOMPARE(shown(dialog, 0), QStringList({"10", "3", "1", "2"})); // whole rows move
        clickHeader(dialog, 1);
        QCOMPARE(shown(dialog, 1), QStringList({"さとう", "かとう", "いとう", "あべ"}));

        // A refresh of the sender list keeps the order the user chose.
        dialog.setRows(kSenders + QVector<QStringList>{{"4", "うえだ"}});
        QCOMPARE(shown(dialog, 1), QStringList({"さとう", "かとう", "うえだ", "いとう", "あべ"}));
    }

    void theClickedRowIsTheChoiceAndStaysChosenWhenSorted()
    {
        QApplication::setApplicationDisplayName("テスト版");
        SenderSearchDialog dialog;
        dialog.setRows(kSenders);
        dialog.setCaptions("ご依頼主", "依頼主で検索");
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.senderFrame->title(), QString("ご依頼主"));
        QCOMPARE(dialog.titleLabel->text(), QString("依頼主で検索"));
        QCOMPARE(dialog.windowTitle(), QString("テスト版"));

        clickRow(dialog, 1); // 10 あべ
        clickHeader(dialog, 1);
        QCOMPARE(dialog.senderChoice->selectedItems().size(), 1);
        QCOMPARE(dialog.senderChoice->selectedItems().first()->text(0), QString("10"));
        QTest::mouseClick(dialog.runButton, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedId(), QString("10"));
        QCOMPARE(dialog.selectedName(), QString("あべ"));

        // A refreshed copy keeps the choice while the sender is still listed.
        dialog.setRows(kSenders.mid(0, 3));
        QCOMPARE(dialog.selectedId(), QString("10"));
        dialog.setRows({kSenders.at(0), kSenders.at(2)});
        QCOMPARE(dialog.selectedId(), QString());
    }

    void clearThenRunRemovesTheConsigneeListFilter()
    {
        DialogFixture fx(40);
        QVERIFY(fx.exec(fx.context().addressDbPath, "INSERT INTO address(NAMAE1) VALUES('山田')"));
        ConsigneeListPage page(fx.db, fx.context().addressDbPath, fx.context().membersDbPath);
        ItemChangeDialog items(40);
        SenderSearchDialog dialog;
        ConsigneeCommandContext context;
        context.db = &fx.db;
        context.addressDb = fx.context().addressDbPath;
        context.membersDb = fx.context().membersDbPath;
        context.senderGroupCaption = "ご依頼主";
        context.senderRows = fx.context().senderRows;
        ConsigneeCommands commands(
            &page, [&] { return &items; }, [&] { return &dialog; }, context);
        const QVector<QStringList> senders = fx.context().senderRows();
        QVERIFY(senders.size() >= 2);

        // Choose the second sender of the list.
        QTimer::singleShot(0, &dialog, [&] {
            clickRow(dialog, 1);
            QTest::mouseClick(dialog.runButton, Qt::LeftButton);
        });
        commands.senderFilter();
        QCOMPARE(page.senderFilter(), senders.at(1).value(0).toInt());
        QCOMPARE(page.senderFilterName(), senders.at(1).value(1));

        // "指定解除" and "実　行": no filter any more.
        bool stillChosen = false;
        QTimer::singleShot(0, &dialog, [&] {
            stillChosen = !dialog.senderChoice->selectedItems().isEmpty();
            QTest::mouseClick(dialog.clearButton, Qt::LeftButton);
            QTest::mouseClick(dialog.runButton, Qt::LeftButton);
        });
        commands.senderFilter();
        QVERIFY(stillChosen); // the dialog keeps the last choice between uses
        QCOMPARE(page.senderFilter(), -1);
        QCOMPARE(page.senderFilterName(), QString());

        // Closing the window instead changes nothing.
        page.setSenderFilter(senders.at(0).value(0).toInt(), senders.at(0).value(1));
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(dialog.clearButton, Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        commands.senderFilter();
        QCOMPARE(page.senderFilter(), senders.at(0).value(0).toInt());
    }
};

QTEST_MAIN(SenderSearchTest)
#include "sender_search_dialog_test.moc"
