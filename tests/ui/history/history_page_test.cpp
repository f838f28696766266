// The history page and the history edit dialog on a scratch members database:
// order and arrows, search, per-edition columns, the selected row's drawing,
// loading, length checks, saving and deleting a row.

#include "support/TestNotices.h"
#include "support/ViewCells.h"

#include "core/history/HistoryColumns.h"
#include "ui/history/HistoryPage.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/history/HistoryTableModel.h"
#include "ui/history/HistoryEditDialog.h"
#include "ui/addressbook/WaybillBoxes.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QToolButton>
#include <QTableView>
#include <QTemporaryDir>
#include "core/history/HistoryList.h"
#include "core/history/HistoryWriter.h"
#include "core/history/PendingHistory.h"
#include "ui/history/PendingHistoryStatus.h"
#include <QSignalSpy>
#include <QStatusBar>

#include <QtTest>

class HistoryPageTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    Database db;
    QString membersDb;

    QString addHistory(int kind, const QMap<QString, QString> &columns)
    {
        QStringList names{"kind"}, values{SqlQuote(QString::number(kind))};
        for (auto it = columns.begin(); it != columns.end(); ++it) {
            names << it.key();
            values << SqlQuote(it.value());
        }
        if (db.OpenDatabase(membersDb).isError()
            || db.ExecSql("INSERT INTO sender(" + names.join(',') + ") VALUES(" + values.join(',') + ")"))
            return QString();
        return db.QueryRows("SELECT max(ID) FROM sender").rows.value(0, 0);
    }
    QString column(const QString &id, const QString &name)
    {
        if (db.OpenDatabase(membersDb).isError())
            return "?";
        return db.QueryRows("SELECT " + name + " FROM sender WHERE ID=" + id).rows.value(0, 0);
    }
    static QStringList ids(HistoryPage &page)
    {
        QStringList list;
        for (int r = 0; r < page.rowCount(); ++r)
            list << page.model()->idAt(r);
        return list;
    }
    static QString header(HistoryPage &page, int c)
    {
        return page.model()->headerData(c, Qt::Horizontal).toString();
    }
    HistoryEditContext editContext(int edition, int *reads)
    {
        HistoryEditContext c;
        c.db = &db;
        c.membersDbPath = membersDb;
        c.editionCode = edition;
        c.readHistory = [reads] { ++*reads; };
        return c;
    }

private slots:
    void init()
    {
        membersDb = dir.filePath(QString("members%1.db3").arg(QTest::currentTestFunction()));
        QVERIFY(!CreateMembersDatabase(db, membersDb).isError());
    }

    // Rows kept for a server that did not answer are counted in the status
    // bar until they are written, and written once when it answers.
    void keptRowsAreShownUntilTheyAreWritten()
    {
        QTemporaryDir station;
        PendingHistory pending(station.path());
        QStringList record;
        for (int i = 0; i < 42; ++i)
            record << QString();
        for (const char *name : {"一件目", "二件目"}) {
            record[8] = QString::fromUtf8(name);
            QVERIFY(pending.keep(membersDb, {NewHistoryRow(HistoryInsertSql(record, 40, QDate(2026, 12, 11)))}));
        }
        QStatusBar bar;
        PendingHistoryStatus status(station.path(), membersDb, &bar);
        status.refresh();
        QCOMPARE(status.label()->text(), QString("未登録の送付履歴 2 件"));
        QVERIFY(!status.label()->isHidden());

        QSignalSpy flushed(&status, &PendingHistoryStatus::flushed);
        status.flush();
        QVERIFY(flushed.wait());
        QVERIFY(status.label()->isHidden());
        QCOMPARE(status.waiting(), 0);
        QCOMPARE(column("1", "namae1") + column("2", "namae1"), QString("一件目二件目"));
        QCOMPARE(column("3", "namae1"), QString());
    }

    void rowsAreReadBlockByBlockAsTheGridShowsThem()
    {
        // 450 rows, one a day: the grid's rows come from three blocks of the model.
        QVERIFY(!db.OpenDatabase(membersDb).isError());
        db.BeginTransaction();
        for (int i = 0; i < 450; ++i)
            QVERIFY(!db.ExecSql(QString("INSERT INTO sender(kind,senderdate,namae1,tel) "
                                        "VALUES('40','%1','山田%2','03-1234-5678')")
                                    .arg(QDate(2024, 1, 1).addDays(i).toString("yyyy-MM-dd"))
                                    .arg(i)));
        db.Commit();
        HistoryPage page(db, membersDb, 40, "履歴からお届け先登録");
        QVERIFY(page.readHistory());
        QCOMPARE(page.rowCount(), 450);
        for (int r : {449, 0, 199, 200, 399}) {
            const int i = 449 - r; // newest first
            QCOMPARE(page.model()->idAt(r), QString::number(i + 1));
            QCOMPARE(page.model()->cellText(r, 2), QDate(2024, 1, 1).addDays(i).toString("yyyy/MM/dd"));
            QCOMPARE(page.model()->cellText(r, 3), "山田" + QString::number(i));
        }
    }

    // The window opens with the page hidden: its grid is made, with the model,
    // the styled header and the column widths, when the page is first shown.
    void gridIsMadeWhenThePageIsFirstShown()
    {
        HistoryPage page(db, membersDb, 40, "x");
        QVERIFY(!page.findChild<QTableView *>("historyGrid"));
        page.show();
        auto *grid = page.findChild<QTableView *>("historyGrid");
        QVERIFY(grid && grid->isVisible());
        QCOMPARE(grid->model(), page.model());
        QVERIFY(!grid->horizontalHeader()->styleSheet().isEmpty());
        QCOMPARE(grid->horizontalHeader()->sectionSize(4), HistoryColumnWidth(4));
    }

    void startsNewestFirstAndHeaderClicksSwitchDirection()
    {
        const QString a = addHistory(20, {{"senderdate", "2024-01-05"}, {"namae1", "い"}});
        const QString b = addHistory(20, {{"senderdate", "2024-03-05"}, {"namae1", "あ"}});
        addHistory(40, {{"senderdate", "2024-09-05"}});
        HistoryPage page(db, membersDb, 20, "履歴からお届け先登録");
        QVERIFY(page.readHistory());
        QCOMPARE(ids(page), QStringList({b, a}));
        QCOMPARE(header(page, 2), QString("送付日↓"));
        QCOMPARE(page.model()->cellText(0, 2), QString("2024/03/05"));
        page.grid()->horizontalHeader()->sectionClicked(2);
        QCOMPARE(page.sortState(), 12);
        QCOMPARE(header(page, 2), QString("送付日↑"));
        QCOMPARE(ids(page), QStringList({a, b}));
        page.clickColumn(3);
        QCOMPARE(header(page, 3), QString("お名前↑"));
        QCOMPARE(header(page, 2), QString("送付日"));
        QCOMPARE(ids(page), QStringList({b, a}));
        QCOMPARE(page.registerButton->text(), QString("履歴からお届け先登録"));
        QVERIFY(!page.addButton->isVisibleTo(&page));
    }

    void searchIgnoresTheSortAndAnEmptyResultShowsOneEmptyRow()
    {
        const QString old = addHistory(40, {{"senderdate", "2024-01-01"}, {"itemname2", "りんご"}});
        addHistory(40, {{"senderdate", "2024-02-01"}, {"namae1", "みかん"}});
        const QString newer = addHistory(40, {{"senderdate", "2023-01-01"}, {"namae1", "りんご園"}});
        HistoryPage page(db, membersDb, 40, "x");
        page.clickColumn(2); // ascending by date
        page.searchBox->setText("りんご");
        QTest::keyClick(page.searchBox, Qt::Key_Return);
        QCOMPARE(ids(page), QStringList({newer, old}));
        page.searchBox->setText("ぶどう");
        page.searchButton->click();
        QCOMPARE(page.rowCount(), 1);
        page.selectRow(0);
        QCOMPARE(page.selectedId(), QString());
        QSignalSpy edits(&page, &HistoryPage::editRequested);
        page.editButton->click();
        QCOMPARE(edits.count(), 0);
    }

    void aSearchInMostRowsIsReadPageByPageAsTheGridScrolls()
    {
        // 「山」 in 2,400 of 3,000 rows: more than the index narrows, so the
        // rows are read newest first a page at a time; a wildcard and a quote
        // in the text still match only themselves.
        QVERIFY(!db.OpenDatabase(membersDb).isError());
        db.BeginTransaction();
        for (int i = 0; i < 3000; ++i)
            QVERIFY(!db.ExecSql(QString("INSERT INTO sender(kind,namae1) VALUES('40',%1)")
                                    .arg(SqlQuote(i % 5 == 0 ? QString("佐藤%1").arg(i) : QString("山田'%_%1").arg(i)))));
        db.Commit();
        HistoryPage page(db, membersDb, 40, "x");
        page.pageRows = 700;
        page.resize(800, 300);
        page.show();
        for (const QString &text : {QString("山"), QString("山田'%_")}) {
            page.searchBox->setText(text);
            QVERIFY(page.readHistory());
            QCOMPARE(page.rowCount(), 700);
            // Scrolled to the end, the grid asks for the next page.
            page.grid()->scrollToBottom();
            QTRY_VERIFY(page.rowCount() > 700);
            while (page.model()->canFetchMore(QModelIndex()))
                page.model()->fetchMore(QModelIndex());
            QStringList whole;
            for (qint64 id : ReadHistoryIds(db, membersDb, 40, page.sortState(), text))
                whole << QString::number(id);
            QCOMPARE(whole.size(), 2400);
            QCOMPARE(ids(page), whole);
            QCOMPARE(page.model()->cellText(2399, 3), QString("山田'%_1"));
        }
    }

    void columnsSixAndSevenFollowTheEdition_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("header6");
        QTest::addColumn<QString>("text6");
        QTest::addColumn<QString>("text7");
        QTest::addColumn<bool>("right6");
        QTest::newRow("10") << 10 << "金額" << "" << "A-1" << true;
        QTest::newRow("20") << 20 << "配達希望日" << "12/24" << "A-1" << false;
        QTest::newRow("30") << 30 << "代金引換額" << "" << "A-1" << true;
        QTest::newRow("40") << 40 << "お届け日" << "12/24" << "A-1" << true;
        QTest::newRow("60") << 60 << "" << "" << "" << false;
    }
    void columnsSixAndSevenFollowTheEdition()
    {
        QFETCH(int, edition);
        QFETCH(QString, header6);
        QFETCH(QString, text6);
        QFETCH(QString, text7);
        QFETCH(bool, right6);
        addHistory(edition, {{"uriage", "0"}, {"arrivedate", "/12/24"}, {"number", "A-1"}, {"tel", "--"}});
        HistoryPage page(db, membersDb, edition, "x");
        page.readHistory();
        QCOMPARE(header(page, 6), header6);
        QCOMPARE(page.model()->cellText(0, 6), text6);
        QCOMPARE(page.model()->cellText(0, 7), text7);
        QCOMPARE(page.model()->cellText(0, 5), QString());
        const int alignment = page.model()->data(page.model()->index(0, 6), Qt::TextAlignmentRole).toInt();
        QCOMPARE(bool(alignment & Qt::AlignRight), right6);
        QCOMPARE(page.grid()->horizontalHeader()->sectionSize(4), HistoryColumnWidth(4));
    }

    // Columns start wide enough for what they typically hold and for their
    // header with its sort arrow, in every edition's words.
    void columnsStartWideEnoughForTypicalEntries_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typical");
        for (int edition : {10, 50}) {
            const QString e = QString::number(edition);
            QTest::newRow(qPrintable(e + " No")) << edition << 1 << "888888";
            QTest::newRow(qPrintable(e + " date")) << edition << 2 << "2024/12/31";
            QTest::newRow(qPrintable(e + " tel")) << edition << 5 << "03-1234-5678";
            QTest::newRow(qPrintable(e + " number")) << edition << 7 << "1234-5678-9012";
            QTest::newRow(qPrintable(e + " user")) << edition << 9 << "888888";
        }
    }

    void columnsStartWideEnoughForTypicalEntries()
    {
        QFETCH(int, edition);
        QFETCH(int, column);
        QFETCH(QString, typical);
        HistoryPage page(db, membersDb, edition, "x");
        const QFontMetrics metrics(page.grid()->font());
        const int width = page.grid()->horizontalHeader()->sectionSize(column);
        // 2 pixels before the text, 5 after it in right-aligned columns.
        QVERIFY2(width >= metrics.horizontalAdvance(typical) + 7, qPrintable(QString::number(width)));
        const QString header = HistoryHeaderText(column, edition, column);
        QVERIFY2(width > page.grid()->horizontalHeader()->fontMetrics().horizontalAdvance(header), qPrintable(header));
    }

    // Six-digit numbers and consignee numbers are drawn whole, not cut short.
    void sixDigitNumbersShowWhole()
    {
        for (const char *id : {"888888", "100000"})
            addHistory(40, {{"id", id}, {"userid", id}, {"namae1", "山田"}});
        HistoryPage page(db, membersDb, 40, "x");
        page.resize(900, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.readHistory();
        auto *delegate = qobject_cast<HistoryRowDelegate *>(page.grid()->itemDelegate());
        QVERIFY(delegate);
        for (int row = 0; row < 2; ++row) {
            for (int column : {1, 9}) {
                const QModelIndex cell = page.model()->index(row, column);
                QCOMPARE(cell.data().toString().size(), 6);
                QCOMPARE(delegate->shownText(CellOption(page.grid(), cell), cell), cell.data().toString());
            }
        }
    }

    // A text wider than its column ends with "…", and its tool tip is the
    // whole text; a text that fits is drawn and tipped as it is.
    void cutTextsEndWithAnEllipsisAndShowWholeAsToolTip()
    {
        const QString address = "東京都千代田区千代田一丁目一番一号　千代田ハイツ一〇一号室";
        addHistory(40, {{"namae1", "山田"}, {"address1", address}, {"tel", "03-1234-5678"}});
        HistoryPage page(db, membersDb, 40, "x");
        page.resize(900, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.readHistory();
        page.grid()->horizontalHeader()->resizeSection(4, 120);
        auto *delegate = qobject_cast<HistoryRowDelegate *>(page.grid()->itemDelegate());
        QVERIFY(delegate);
        const QModelIndex cut = page.model()->index(0, 4);
        const QStyleOptionViewItem cutOption = CellOption(page.grid(), cut);
        const QString shown = delegate->shownText(cutOption, cut);
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QVERIFY(address.startsWith(shown.chopped(1)));
        QCOMPARE(delegate->toolTipFor(cutOption, cut), address);

        const QModelIndex whole = page.model()->index(0, 5);
        const QStyleOptionViewItem wholeOption = CellOption(page.grid(), whole);
        QCOMPARE(delegate->shownText(wholeOption, whole), QString("03-1234-5678"));
        QCOMPARE(delegate->toolTipFor(wholeOption, whole), QString("03-1234-5678"));
    }

    // The selected row is a gradient from light to darker accent, white text;
    // other rows stay white.
    void selectedRowIsDrawnAsAGradient()
    {
        addHistory(40, {{"senderdate", "2024-01-01"}, {"namae1", "山田"}});
        addHistory(40, {{"senderdate", "2024-02-01"}, {"namae1", "佐藤"}});
        HistoryPage page(db, membersDb, 40, "x");
        page.resize(900, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.readHistory();
        page.selectRow(1);
        const QImage image = page.grid()->viewport()->grab().toImage();
        const QRect selected = page.grid()->visualRect(page.model()->index(1, 4));
        const QRect other = page.grid()->visualRect(page.model()->index(0, 4));
        QCOMPARE(selected.height(), HistoryRowHeight);
        auto near = [](QColor a, QColor b) {
            return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 && qAbs(a.blue() - b.blue()) <= 8;
        };
        const int x = selected.right() - 3; // past any text of the address column
        const QColor top = image.pixelColor(x, selected.top());
        const QColor bottom = image.pixelColor(x, selected.bottom());
        QVERIFY2(near(top, HistorySelectionTop()), qPrintable(top.name()));
        QVERIFY2(near(bottom, HistorySelectionBottom()), qPrintable(bottom.name()));
        QCOMPARE(image.pixelColor(x, other.center().y()), QColor(Qt::white));
        // The selected name is written in white on the band, the other in black.
        const QRect nameCell = page.grid()->visualRect(page.model()->index(1, 3));
        bool white = false;
        for (int y = nameCell.top() + 3; y < nameCell.bottom(); ++y)
            for (int xx = nameCell.left(); xx < nameCell.left() + 40; ++xx)
                white = white || image.pixelColor(xx, y).lightness() > 240;
        QVERIFY(white);
        const QRect otherName = page.grid()->visualRect(page.model()->index(0, 3));
        bool ink = false;
        for (int y = otherName.top(); y < otherName.top() + 3; ++y)
            for (int xx = otherName.left(); xx < otherName.left() + 40; ++xx)
                ink = ink || image.pixelColor(xx, y).lightness() < 128;
        QVERIFY2(!ink, "text starts 3 pixels below the cell top");
    }

    void editDialogLoadsSavesTheTrackingNumberAndRefills()
    {
        const QString id = addHistory(40, {{"namae1", "山田"}, {"zipcode", "1000001"}, {"tel", "0120-1234567-8"},
                                           {"arrivedate", "/12/24"}, {"timeselect", "午前中"}, {"hoken", "500"}});
        int reads = 0;
        NoticeCatcher notices;
        HistoryEditDialog dialog(editContext(40, &reads));
        dialog.setPanel(0, "修正");
        dialog.setPanel(1, id);
        dialog.show();
        QCOMPARE(dialog.boxes->name[0]->text(), QString("山田"));
        QCOMPARE(dialog.boxes->postal[1]->text(), QString("0001"));
        QCOMPARE(dialog.boxes->tel[1]->text(), QString("1234567")); // longer than the box's five, kept whole
        QCOMPARE(dialog.boxes->month->text(), QString("12"));
        QCOMPARE(dialog.consigneeTitle->text(), QString("お届け先"));
        QCOMPARE(dialog.senderTitle->text(), QString("ご依頼主編集"));
        QCOMPARE(dialog.boxes->dateLabel->text(), QString("お届け予定日"));
        QVERIFY(!dialog.boxes->amountRow->isVisibleTo(&dialog));
        QVERIFY(dialog.boxes->insuranceRow->isVisibleTo(&dialog));
        QVERIFY(!dialog.boxes->timeRow->isVisibleTo(&dialog));
        QCOMPARE(dialog.windowTitle(), QApplication::applicationDisplayName());
        dialog.number->setText("4455-6677");
        dialog.save();
        QVERIFY(notices.texts.isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(reads, 1);
        QCOMPARE(column(id, "number"), QString("4455-6677"));
        QCOMPARE(column(id, "tel"), QString("0120-1234567-8"));
        QCOMPARE(column(id, "timeselect"), QString()); // no time choice in this edition
        QCOMPARE(column(id, "hoken"), QString("500"));

        HistoryPage page(db, membersDb, 40, "x");
        page.readHistory();
        QCOMPARE(page.model()->cellText(0, 7), QString("4455-6677"));
    }

    void seventeenCharacterTelephoneIsRejected()
    {
        const QString id = addHistory(20, {{"namae1", "山田"}, {"tel", "03-1-2"}});
        int reads = 0;
        NoticeCatcher notices;
        HistoryEditDialog dialog(editContext(20, &reads));
        dialog.setPanel(1, id);
        dialog.show();
        dialog.boxes->tel[0]->setText("12345");
        dialog.boxes->tel[1]->setText("12345");
        dialog.boxes->tel[2]->setText("12345");
        dialog.number->setText("1");
        dialog.save();
        QCOMPARE(notices.texts, QStringList({"[保存できませんでした]電話番号が長すぎます。\r\n12345-12345-12345"}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(reads, 0);
        QCOMPARE(column(id, "number"), QString());
        dialog.reject();
    }

    void editionThirtyShowsTheCashOnDeliveryAmountAndSavesItIntoUriage()
    {
        const QString id = addHistory(30, {{"daibiki", "4500"}, {"timeselect", "印刷しない"}});
        const QString slot = addHistory(30, {{"timeselect", "20時～21時"}});
        int reads = 0;
        NoticeCatcher notices;
        HistoryEditDialog dialog(editContext(30, &reads));
        dialog.setPanel(1, id);
        dialog.show();
        QCOMPARE(dialog.boxes->amountLabel->text(), QString("代金引換額"));
        QCOMPARE(dialog.boxes->amount->text(), QString("4500"));
        QCOMPARE(dialog.boxes->timeSlot->count(), 7);
        QCOMPARE(dialog.boxes->timeSlot->currentIndex(), -1);
        dialog.save();
        QCOMPARE(column(id, "uriage"), QString("4500"));
        QCOMPARE(column(id, "daibiki"), QString("4500"));
        QCOMPARE(column(id, "timeselect"), QString());
        HistoryPage page(db, membersDb, 30, "x");
        page.readHistory();
        const int row = ids(page).indexOf(id);
        QVERIFY(row >= 0);
        QCOMPARE(page.model()->cellText(row, 6), QString("4500"));

        dialog.setPanel(1, slot);
        dialog.show();
        QCOMPARE(dialog.boxes->timeSlot->currentText(), QString("20時～21時"));
        dialog.reject();
    }

    void editionTenHidesTheDateAndSenderAddress()
    {
        int reads = 0;
        HistoryEditDialog dialog(editContext(10, &reads));
        dialog.setPanel(1, addHistory(10, {{"snumber1", "00100"}}));
        dialog.show();
        QCOMPARE(dialog.consigneeTitle->text(), QString("ご依頼人"));
        QCOMPARE(dialog.senderTitle->text(), QString("加入者"));
        QCOMPARE(dialog.boxes->goodsLabel[0]->text(), QString("通信欄1"));
        QVERIFY(!dialog.boxes->dateRow->isVisibleTo(&dialog));
        QVERIFY(!dialog.senderAddressRow->isVisibleTo(&dialog));
        QVERIFY(dialog.accountRow->isVisibleTo(&dialog));
        QVERIFY(dialog.boxes->amountRow->isVisibleTo(&dialog));
        QCOMPARE(dialog.tagkey[0]->text(), QString("00100"));
        dialog.reject();
    }

    void deleteAsksThenRemovesTheRow()
    {
        const QString id = addHistory(40, {{"namae1", "消す"}});
        int reads = 0;
        NoticeCatcher notices; // answers the question with OK
        HistoryEditDialog dialog(editContext(40, &reads));
        dialog.setPanel(1, id);
        dialog.show();
        dialog.deleteBtnClick();
        QCOMPARE(notices.headings, QStringList({"確認"}));
        QCOMPARE(notices.texts, QStringList({"削除してもよろしいですか？"}));
        QCOMPARE(reads, 1);
        QVERIFY(!dialog.isVisible());
        if (!db.OpenDatabase(membersDb).isError())
            QCOMPARE(db.QueryRows("SELECT count(*) FROM sender").rows.value(0, 0), QString("0"));
    }
};

QTEST_MAIN(HistoryPageTest)
#include "history_page_test.moc"
