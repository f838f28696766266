#include "addressbook/ConsigneeListPage.h"
#include "addressbook/ConsigneeTableModel.h"
#include "data/DatabaseSchema.h"
#include "data/SqlLiteral.h"
#include "data/TDataModule1.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class ConsigneePageTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    TDataModule1 db;
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
        const char *rows[][3] = {{"あべ", "東京都", "03-3"}, {"かとう", "大阪府", "03-1"}, {"さとう", "愛知県", "03-2"},
                                 {"山田一郎", "京都府", "03-4"}};
        for (auto &r : rows)
            QVERIFY(!db.ExecSql(QString("INSERT INTO address(namae1,namae2,area,tel) VALUES(%1,'',%2,%3)")
                                    .arg(SqlQuote(r[0]), SqlQuote(r[1]), SqlQuote(r[2]))));
    }

    void ticksKeepTheirOrderAcrossRowsAndRefills()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.customerRead();
        QCOMPARE(page.rowCount(), 4);
        tick(page, 0); // あべ (1)
        tick(page, 2); // さとう (3)
        tick(page, 1); // かとう (2)
        QCOMPARE(page.checked().ids(), QStringList({"1", "3", "2"}));
        page.CheckBox1->setChecked(true);
        page.customerRead();
        QCOMPARE(shownNames(page), QStringList({"あべ", "かとう", "さとう"}));
        tick(page, 1, false);
        page.CheckBox1->setChecked(false);
        page.customerRead();
        QCOMPARE(page.checked().ids(), QStringList({"1", "3"}));
        QCOMPARE(page.model()->data(page.model()->index(2, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void selectAllAfterASearchTicksOnlyTheFoundRows()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.customerRead();
        tick(page, 0); // あべ, hidden by the search below
        page.addressSearch->setText("山田");
        page.customerRead();
        QCOMPARE(shownNames(page), QStringList({"山田一郎"}));
        page.selectAll();
        QCOMPARE(page.checked().ids(), QStringList({"1", "4"}));
        page.cancelAll();
        QCOMPARE(page.checked().ids(), QStringList({"1"}));
    }

    void headerClicksSortBothWaysAndKeepTheSelection()
    {
        ConsigneeListPage page(db, addressDb, membersDb);
        page.customerRead();
        page.selectIndex(1); // かとう
        page.clickColumn(2); // 住所 ascending
        page.clickColumn(2); // 住所 descending
        QCOMPARE(page.sortState(), -3);
        QCOMPARE(page.selectedId(), QString("2"));
        page.clickColumn(3); // 電話番号 ascending
        QCOMPARE(page.sortState(), 4);
        QCOMPARE(shownNames(page), QStringList({"かとう", "さとう", "あべ", "山田一郎"}));
        page.customerRead(); // a refill keeps the chosen order
        QCOMPARE(shownNames(page), QStringList({"かとう", "さとう", "あべ", "山田一郎"}));
    }
};

QTEST_MAIN(ConsigneePageTest)
#include "consignee_page_test.moc"
