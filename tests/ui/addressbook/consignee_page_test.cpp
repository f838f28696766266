#include "support/DialogDriver.h"
#include "support/TestNotices.h"
#include "support/ViewCells.h"

#include "ui/addressbook/ConsigneeCommands.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "ui/controls/ElidingItemDelegate.h"
#include "core/data/DatabaseErrorText.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"
#include "ui/addressbook/SenderSearchDialog.h"
#include "ui/addressbook/ItemChangeDialog.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QTableView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class ConsigneePageTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    Database db;
    QString addressDb, membersDb;

    // Ticks row r as a click on its check box does.
    static void tick(ConsigneeListPage &page, int r, bool on = true)
    {
        page.model()->setData(page.model()->index(r, 0), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }
    static QStringList shownNames(ConsigneeListPage &page)
    {
        QStringList names;
        for (const ConsigneeRow &row : page.model()->rows())
            names << row.name;
        return names;
    }

private slots:
    void initTestCase()
    {
        addressDb = dir.filePath("addressXe2.db3");
        membersDb = dir.filePath("membersXe2.db3");
        QVERIFY(!CreateAddressDatabase(db, addressDb).isError());
        QVERIFY(!CreateMembersDatabase(db, membersDb).isError());
        QVERIFY(!db.OpenDatabase(addressDb).isError());
        const char *rows[][4] = {{"あべ", "東京都", "03-3", "1000001"},
                                 {"かとう", "大阪府", "03-1", "530-0001"},
                                 {"さとう", "愛知県", "03-2", ""},
                                 {"山田一郎", "京都府", "03-4", "60080"}};
        for (auto &r : rows)
            QVERIFY(!db.ExecSql(QString("INSERT INTO address(namae1,namae2,area,tel,zipcode) VALUES(%1,'',%2,%3,%4)")
                                    .arg(SqlQuote(r[0]), SqlQuote(r[1]), SqlQuote(r[2]), SqlQuote(r[3]))));
    }

    // The list shows a seven-digit postal code as it is written on an
    // envelope; the stored text (and what the editor and the print take) stays.
    void postalCodesShowWithTheirHyphen()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.readConsignees();
        QStringList shown, stored;
        for (int r = 0; r < page.rowCount(); ++r) {
            shown << page.model()->data(page.model()->index(r, 1)).toString();
            stored << page.model()->rows().at(r).zipcode;
        }
        QCOMPARE(shown, QStringList({"100-0001", "530-0001", "", "60080"}));
        QCOMPARE(stored, QStringList({"1000001", "530-0001", "", "60080"}));
    }

    // Space ticks the current row whichever of its cells has the keyboard
    // cursor, and again unticks it.
    void spaceTicksTheCurrentRowFromAnyColumn()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.resize(500, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.readConsignees();
        for (int c = 0; c < 4; ++c) {
            page.consigneeGrid->setCurrentIndex(page.model()->index(1, c));
            QTest::keyClick(page.consigneeGrid, Qt::Key_Space);
            QVERIFY2(page.checked().ids() == QStringList{"2"}, qPrintable(QString("column %1").arg(c)));
            QTest::keyClick(page.consigneeGrid, Qt::Key_Space);
            QVERIFY2(page.checked().ids().isEmpty(), qPrintable(QString("column %1").arg(c)));
        }
    }

    // A click on a header shows the arrow of the order on that column; the
    // mark column, which does not sort, leaves the arrow where it is.
    void theSortedColumnShowsTheSortArrow()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.resize(500, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.readConsignees();
        QHeaderView *header = page.consigneeGrid->horizontalHeader();
        const auto clickHeader = [header](int section) {
            const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                            header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        };
        clickHeader(2);
        QCOMPARE(page.sortState(), 3);
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), 2);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        clickHeader(2);
        QCOMPARE(page.sortState(), -3);
        QCOMPARE(header->sortIndicatorSection(), 2);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        clickHeader(ConsigneeTableModel::MarkColumn);
        QCOMPARE(page.sortState(), -3);
        QCOMPARE(header->sortIndicatorSection(), 2);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    // A search makes its first hit the current row and shows it, wherever
    // the list was scrolled and whichever row was selected before.
    void aSearchShowsItsFirstHitAsTheCurrentRow()
    {
        QTemporaryDir many;
        const QString bigAddressDb = many.filePath("addressXe2.db3");
        const QString bigMembersDb = many.filePath("membersXe2.db3");
        QVERIFY(!CreateAddressDatabase(db, bigAddressDb).isError());
        QVERIFY(!CreateMembersDatabase(db, bigMembersDb).isError());
        QVERIFY(!db.OpenDatabase(bigAddressDb).isError());
        for (int i = 0; i < 80; ++i)
            QVERIFY(!db.ExecSql(QString("INSERT INTO address(namae1,namae2,area) VALUES('名前%1','',%2)")
                                    .arg(i, 2, 10, QChar('0'))
                                    .arg(SqlQuote(i % 2 ? "大阪府" : "東京都"))));
        ConsigneeListPage page(db, bigAddressDb, bigMembersDb);
        page.resize(500, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.readConsignees();
        page.selectIndex(70); // 名前70, in Tokyo
        QVERIFY(page.consigneeGrid->verticalScrollBar()->value() > 0);

        QSignalSpy selected(&page, &ConsigneeListPage::consigneeSelected);
        page.addressSearch->setText("大阪");
        QTest::keyClick(page.addressSearch, Qt::Key_Return);
        QCOMPARE(page.rowCount(), 40);
        QCOMPARE(page.selectedIndex(), 0);
        QCOMPARE(page.model()->rows().at(0).name, QString("名前01"));
        QCOMPARE(page.consigneeGrid->currentIndex().row(), 0);
        QCOMPARE(page.consigneeGrid->verticalScrollBar()->value(), 0);
        QVERIFY(!selected.isEmpty());
        QCOMPARE(selected.last().value(0).toString(), page.selectedId());
    }

    // A refill the server cannot answer keeps the rows on screen and says
    // why, in the words of the start-up question: an empty list would read as
    // an address book that lost its data.
    void aRefillThatFailsKeepsTheRowsAndSaysWhy()
    {
        const QString server = "postgresql://127.0.0.1:1/korvel?connect_timeout=2";
        Database unreachable;
        ConsigneeListPage page(unreachable, server, server);
        ConsigneeRow shown;
        shown.id = "7";
        shown.name = "あべ";
        page.model()->setRows({shown});
        NoticeCatcher notices;
        page.readConsignees();
        QCOMPARE(shownNames(page), QStringList({"あべ"}));
        QCOMPARE(notices.texts.size(), 1);
        Database probe;
        QCOMPARE(notices.texts.first(), StoreFailureNotice(probe.OpenDatabase(server), server));
        QVERIFY(notices.texts.first().startsWith("共有サーバーに接続できません。"));
    }

    void ticksKeepTheirOrderAcrossRowsAndRefills()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.readConsignees();
        QCOMPARE(page.rowCount(), 4);
        tick(page, 0); // あべ (1)
        tick(page, 2); // さとう (3)
        tick(page, 1); // かとう (2)
        QCOMPARE(page.checked().ids(), QStringList({"1", "3", "2"}));
        page.printOnlyBox->setChecked(true);
        page.readConsignees();
        QCOMPARE(shownNames(page), QStringList({"あべ", "かとう", "さとう"}));
        tick(page, 1, false);
        page.printOnlyBox->setChecked(false);
        page.readConsignees();
        QCOMPARE(page.checked().ids(), QStringList({"1", "3"}));
        QCOMPARE(page.model()->data(page.model()->index(2, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    // A cut cell ends with "…" and its tool tip is the whole text with the
    // list's hint below it; a cell that fits keeps the hint alone.
    void cutCellsShowTheirWholeTextAsToolTip()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.resize(500, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.readConsignees();
        QCOMPARE(page.consigneeGrid->textElideMode(), Qt::ElideRight);
        page.consigneeGrid->horizontalHeader()->resizeSection(2, 24);
        auto *delegate = qobject_cast<ElidingItemDelegate *>(page.consigneeGrid->itemDelegate());
        QVERIFY(delegate);
        const QString hint = "クリックするとプレビューされます";
        const QModelIndex cut = page.model()->index(0, 2);
        QCOMPARE(delegate->toolTipFor(CellOption(page.consigneeGrid, cut), cut), QString("東京都\n") + hint);
        const QModelIndex whole = page.model()->index(0, 3);
        QCOMPARE(delegate->toolTipFor(CellOption(page.consigneeGrid, whole), whole), hint);
    }

    void selectAllAfterASearchTicksOnlyTheFoundRows()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.readConsignees();
        tick(page, 0); // あべ, hidden by the search below
        page.addressSearch->setText("山田");
        page.readConsignees();
        QCOMPARE(shownNames(page), QStringList({"山田一郎"}));
        page.selectAll();
        QCOMPARE(page.checked().ids(), QStringList({"1", "4"}));
        page.cancelAll();
        QCOMPARE(page.checked().ids(), QStringList({"1"}));
    }

    void headerClicksSortBothWaysAndKeepTheSelection()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.readConsignees();
        page.selectIndex(1); // かとう
        page.clickColumn(2); // 住所 ascending
        page.clickColumn(2); // 住所 descending
        QCOMPARE(page.sortState(), -3);
        QCOMPARE(page.selectedId(), QString("2"));
        page.clickColumn(3); // 電話番号 ascending
        QCOMPARE(page.sortState(), 4);
        QCOMPARE(shownNames(page), QStringList({"かとう", "さとう", "あべ", "山田一郎"}));
        page.readConsignees(); // a refill keeps the chosen order
        QCOMPARE(shownNames(page), QStringList({"かとう", "さとう", "あべ", "山田一郎"}));
    }

    // The item change gives every ticked consignee the sender selected on the
    // settings page, whichever groups were ticked: the question before it
    // names that sender, and cancelling it writes nothing.
    void itemChangeNamesTheSenderTheConsigneesGetAndCanBeCancelled()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.readConsignees();
        tick(page, 0);
        tick(page, 2);
        ItemChangeDialog itemSelect(40);
        SenderSearchDialog senderSearch;
        ConsigneeCommandContext c;
        c.db = &db;
        c.addressDb = addressDb;
        c.membersDb = membersDb;
        c.editionCode = 40;
        c.blockCaption = "お届け先";
        c.senderGroupCaption = "ご依頼主";
        c.selectedSenderId = [] { return 2; };
        c.senderRows = [] { return QVector<QStringList>{{"1", "本店"}, {"2", "駅前支店"}}; };
        ConsigneeCommands commands(
            &page, [&] { return &itemSelect; }, [&] { return &senderSearch; }, c);
        const auto onlyTheDate = [](QWidget *modal) {
            auto *dialog = qobject_cast<ItemChangeDialog *>(modal);
            QVERIFY(dialog);
            dialog->CheckDate->setChecked(true);
            dialog->s_Month->setText("12");
            dialog->s_day->setText("24");
            dialog->runButton->click();
        };
        const auto itemRows = [this] {
            db.OpenDatabase(membersDb);
            return db.QueryRows("SELECT userid||':'||companyID||':'||arrivedate FROM memberitem ORDER BY userid")
                .rows.rows();
        };

        {
            DialogDriver driver(onlyTheDate);
            NoticeCatcher answers(QMessageBox::Cancel);
            commands.itemChange();
            QCOMPARE(driver.seen, QString("ItemChangeDialog"));
            QCOMPARE(answers.texts.size(), 1);
            QVERIFY2(answers.texts.first().contains("ご依頼主") && answers.texts.first().contains("駅前支店"),
                     qPrintable(answers.texts.first()));
            QVERIFY2(answers.texts.first().contains("2件"), qPrintable(answers.texts.first()));
        }
        QVERIFY(itemRows().isEmpty());

        {
            DialogDriver driver(onlyTheDate);
            NoticeCatcher answers;
            commands.itemChange();
            QCOMPARE(answers.texts.size(), 1);
        }
        QCOMPARE(itemRows(), (QVector<QStringList>{{"1:2:/12/24"}, {"3:2:/12/24"}}));
    }

    // 削除 with nothing ticked says so instead of asking whether to delete.
    void deleteWithNothingTickedSaysNothingIsTicked()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.readConsignees();
        ConsigneeCommandContext c;
        c.db = &db;
        c.addressDb = addressDb;
        c.membersDb = membersDb;
        c.blockCaption = "お届け先";
        ConsigneeCommands commands(
            &page, [] { return nullptr; }, [] { return nullptr; }, c);
        NoticeCatcher notices;
        commands.deleteChecked();
        QCOMPARE(notices.texts, QStringList{"削除するお届け先にチェックを入れてください"});
        QCOMPARE(page.rowCount(), 4);
    }
};

QTEST_MAIN(ConsigneePageTest)
#include "consignee_page_test.moc"
