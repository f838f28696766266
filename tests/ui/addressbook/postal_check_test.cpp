// The postal-code and address check where a clerk meets it: the mark column
// of the consignee list, the 「住所と郵便番号を確認」 dialog and its road from
// the menu of the list's commands.

#include "support/DialogFixture.h"
#include "support/TestNotices.h"

#include "core/addressbook/CheckedConsignees.h"
#include "core/data/Database.h"
#include "core/settings/Editions.h"
#include "ui/addressbook/AddressBookCommands.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/ConsigneeTableModel.h"
#include "ui/addressbook/EditingDialogs.h"
#include "ui/addressbook/EditorBoxes.h"
#include "ui/addressbook/PostalCheckDialog.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PostalAddressTable SmallTable()
{
    PostalAddressTable table;
    table.add("1000005", "東京都", "千代田区", "丸の内");
    table.add("1600023", "東京都", "新宿区", "西新宿");
    return table;
}

ConsigneeRow Row(const QString &id, const QString &zipcode, const QString &address)
{
    ConsigneeRow row;
    row.id = id;
    row.name = "山田 " + id;
    row.zipcode = zipcode;
    row.address = address;
    return row;
}

} // namespace

class PostalCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void theListMarksRowsWhoseCodeDisagreesOnceTheTableIsIn()
    {
        CheckedConsignees checked;
        ConsigneeTableModel model(checked);
        model.setRows({Row("1", "100-0005", "東京都千代田区丸の内1-9-1"), Row("2", "100-0005", "東京都新宿区西新宿2-8-1"),
                       Row("3", "", "東京都新宿区西新宿2-8-1")});
        const int mark = ConsigneeTableModel::MarkColumn;
        QCOMPARE(model.columnCount(), mark + 1);
        QCOMPARE(model.headerData(mark, Qt::Horizontal).toString(), QString("照合"));
        // Still loading: no marks.
        QVERIFY(model.data(model.index(1, mark)).toString().isEmpty());

        const PostalAddressTable table = SmallTable();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setPostalTable(&table);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(model.data(model.index(0, mark)).toString(), QString());
        QCOMPARE(model.data(model.index(1, mark)).toString(), ConsigneeTableModel::markText());
        QCOMPARE(model.data(model.index(1, mark), Qt::ToolTipRole).toString(),
                 QString("郵便番号 100-0005 の住所は「東京都千代田区丸の内」です"));
        QCOMPARE(model.data(model.index(2, mark)).toString(), QString()); // no code: nothing to judge
        // The other columns keep their texts and their tool tip.
        QCOMPARE(model.data(model.index(1, 1)).toString(), QString("100-0005"));
        QCOMPARE(model.data(model.index(1, 1), Qt::ToolTipRole).toString(), QString("クリックするとプレビューされます"));

        // A sort moves the marks with their rows.
        model.sortByState(-3);
        QCOMPARE(model.idAt(0), QString("1"));
        QCOMPARE(model.data(model.index(model.rowOf("2"), mark)).toString(), ConsigneeTableModel::markText());
        QCOMPARE(model.data(model.index(model.rowOf("1"), mark)).toString(), QString());
    }

    void theDialogListsMismatchesAndChecksAgainAfterAnEdit()
    {
        const PostalAddressTable table = SmallTable();
        QVector<ConsigneeRow> book{Row("1", "100-0005", "東京都千代田区丸の内1-9-1"),
                                   Row("2", "100-0005", "東京都新宿区西新宿2-8-1"), Row("3", "999-9999", "どこか")};
        QStringList edited;
        bool saves = true;
        PostalCheckDialog dialog(
            [&] { return &table; }, "お届け先", [&] { return book; },
            [&](const QString &id) {
                edited << id;
                if (saves)
                    book[id.toInt() - 1].zipcode = "160-0023";
                return saves;
            });
        QCOMPARE(dialog.mismatchGrid->rowCount(), 2);
        QCOMPARE(dialog.mismatchGrid->item(0, 0)->text(), QString("山田 2"));
        QCOMPARE(dialog.mismatchGrid->item(0, 3)->text(), QString("東京都千代田区丸の内"));
        QCOMPARE(dialog.mismatchGrid->item(1, 3)->text(), QString("郵便番号 999-9999 は郵便番号データにありません"));
        QVERIFY(dialog.summary->text().contains("2 件"));

        // Cancelled in the editor: nothing changes.
        saves = false;
        dialog.editRow(0);
        QCOMPARE(edited, QStringList{"2"});
        QCOMPARE(dialog.mismatchGrid->rowCount(), 2);
        // Saved: the book is checked again and the corrected row is gone.
        saves = true;
        dialog.mismatchGrid->selectRow(0);
        dialog.editButton->click();
        QCOMPARE(edited, (QStringList{"2", "2"}));
        QCOMPARE(dialog.mismatchGrid->rowCount(), 1);
        QCOMPARE(dialog.mismatches().first().consignee.id, QString("3"));
        dialog.editRow(5); // outside the list: nothing
        QCOMPARE(edited.size(), 2);
    }

    // Every column of the grid is in sight, the fourth whatever the dialog's
    // width; in a dialog of its own size a typical explanation is whole there.
    void theFourthColumnIsNeverCut()
    {
        const PostalAddressTable table = SmallTable();
        const QVector<ConsigneeRow> book{Row("2", "100-0005", "東京都新宿区西新宿2-8-1"), Row("3", "999-9999", "どこか")};
        PostalCheckDialog dialog([&] { return &table; }, "お届け先", [&] { return book; }, [](const QString &) { return false; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget *grid = dialog.mismatchGrid;
        const QFontMetrics metrics(grid->font());
        const QString explanation = grid->item(1, 3)->text();
        for (int width : {0, 520, 1000}) {
            if (width)
                dialog.resize(width, dialog.height());
            QTRY_VERIFY(!width || dialog.width() == width);
            QHeaderView *header = grid->horizontalHeader();
            const int right = header->sectionViewportPosition(3) + header->sectionSize(3);
            QVERIFY2(right <= grid->viewport()->width(),
                     qPrintable(QString("at %1: the fourth column ends at %2 of %3").arg(width).arg(right).arg(grid->viewport()->width())));
            QVERIFY(header->sectionSize(3) > metrics.horizontalAdvance(QStringLiteral("郵便番号データの住所")));
            if (width >= 1000 || (!width && dialog.width() >= 1000))
                QVERIFY2(header->sectionSize(3) > metrics.horizontalAdvance(explanation),
                         qPrintable(QString::number(header->sectionSize(3))));
        }
    }

    // The consignee editor and the single-print editor ask before saving a
    // code the table gives for another place; いいえ keeps the dialog open with
    // what was typed, はい saves as it is, a matching code asks nothing.
    void theEditorsAskBeforeSavingACodeOfAnotherPlace()
    {
        DialogFixture fx(40);
        PostalAddressTable table;
        QVERIFY(!table.load(fx.db, fx.context().zipcodeDbPath).isError());
        fx.context().postalTable = [&] { return &table; };
        const QString question = "郵便番号と住所が一致しません。このまま保存しますか？\n\n"
                                 "郵便番号 530-0001 の住所は「大阪府大阪市北区梅田」です";

        ConsigneeDialog consignee(fx.context());
        QStringList asked;
        QTimer::singleShot(0, &consignee, [&] {
            consignee.boxes->name[0]->setText("山田 太郎");
            consignee.boxes->postal[0]->setText("530");
            consignee.boxes->postal[1]->setText("0001");
            SelectExactly(consignee.boxes->prefecture, "東京都");
            consignee.boxes->address[0]->setText("千代田区");
            {
                NoticeCatcher no(QMessageBox::No);
                consignee.save();
                asked << no.texts;
            }
            QVERIFY(consignee.isVisible());
            QCOMPARE(consignee.boxes->address[0]->text(), QString("千代田区"));
            NoticeCatcher yes(QMessageBox::Yes);
            consignee.save();
            asked << yes.texts;
        });
        QCOMPARE(consignee.openNew(), int(QDialog::Accepted));
        QCOMPARE(asked, (QStringList{question, question}));
        QCOMPARE(fx.query(fx.context().addressDbPath, "SELECT zipcode,city FROM address").line(0),
                 QString("5300001;千代田区;"));

        SingleDataDialog single(fx.context());
        single.boxes->name[0]->setText("山田 太郎");
        single.boxes->postal[0]->setText("530");
        single.boxes->postal[1]->setText("0001");
        single.boxes->address[0]->setText("東京都千代田区千代田1-1");
        {
            NoticeCatcher no(QMessageBox::No);
            QVERIFY(!single.storeAndSave());
            QCOMPARE(no.texts, QStringList{question});
        }
        QCOMPARE(fx.currentDataCalls, 0);
        {
            NoticeCatcher yes(QMessageBox::Yes);
            QVERIFY(single.storeAndSave());
            QCOMPARE(yes.texts, QStringList{question});
        }
        single.boxes->address[0]->setText("大阪府大阪市北区梅田3-1-3");
        NoticeCatcher none;
        QVERIFY(single.storeAndSave());
        QVERIFY(none.texts.isEmpty());
        QCOMPARE(fx.currentDataCalls, 2);
    }

    void fromTheMenuOverTheShippedTable()
    {
        const QString programDir = QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
        if (!QFileInfo(programDir + "/databaseXe2/zipcode.db3").isFile())
            QSKIP("no zipcode.db3 in the program folder (postal package not fetched)");
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir, "zerrat_xe2", root.path());
        w.ensureStarted();
        {
            Database db;
            QVERIFY(!db.OpenDatabase(w.state().addressDbPath()).isError());
            QVERIFY(!db.ExecSql("INSERT INTO address(NAMAE1,NAMAE2,ZIPCODE,AREA,CITY,LOCATION) VALUES "
                                "('正しい','','100-0005','東京都','千代田区','丸の内1-9-1'),"
                                "('違う','','100-0005','東京都','新宿区','西新宿2-8-1')"));
        }
        w.pages().actions->consigneeList->trigger();
        ConsigneeListPage *list = w.pages().list;
        list->readConsignees();
        QVERIFY(w.state().postalTable.waitForTable());
        QTRY_VERIFY(!list->model()->data(list->model()->index(list->model()->rowOf("2"), ConsigneeTableModel::MarkColumn))
                         .toString()
                         .isEmpty());
        QVERIFY(list->model()->data(list->model()->index(list->model()->rowOf("1"), ConsigneeTableModel::MarkColumn))
                    .toString()
                    .isEmpty());

        QMenu *batch = w.menuBar()->findChild<QMenu *>("menuBatch");
        QVERIFY(batch && batch->actions().contains(w.pages().actions->checkPostalCodes));
        QVERIFY(w.pages().actions->checkPostalCodes->isEnabled());
        w.pages().actions->checkPostalCodes->trigger();
        PostalCheckDialog *dialog = w.addressBook()->postalCheckDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->mismatchGrid->rowCount(), 1);
        QCOMPARE(dialog->mismatchGrid->item(0, 0)->text(), QString("違う"));

        // The row opens in the consignee editor; corrected there, it leaves the
        // list (its code, stored with a hyphen, kept whole).
        ConsigneeDialog *editor = w.addressBook()->editors()->consigneeDialog();
        QTimer::singleShot(0, editor, [editor] {
            editor->boxes->address[0]->setText("千代田区");
            editor->boxes->address[1]->setText("丸の内2-7-2");
            editor->save();
        });
        dialog->editRow(0);
        QCOMPARE(dialog->mismatchGrid->rowCount(), 0);
        QVERIFY(dialog->summary->text().contains("ありません"));
        QCOMPARE(list->model()->rows().at(list->model()->rowOf("2")).zipcode, QString("1000005"));
        dialog->close();
    }
};

QTEST_MAIN(PostalCheckTest)
#include "postal_check_test.moc"
