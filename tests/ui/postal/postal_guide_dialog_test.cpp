// The postal-code guide dialog: searches (quote-safe), choosing a row, and the
// import of the national list when the database file is missing.

#include "support/DialogFixture.h"
#include "support/DialogDriver.h"
#include "support/TestNotices.h"

#include "ui/postal/PostalGuideDialog.h"

#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Writes the national list's lines for entries (plus extra raw lines) to path.
void writeCsv(const QString &path, const QVector<NationalPostalEntry> &entries, const QStringList &extra = {})
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (const NationalPostalEntry &e : entries)
        f.write(NationalPostalCsvLine(e).toUtf8() + "\r\n");
    for (const QString &line : extra)
        f.write(line.toUtf8() + "\r\n");
}

} // namespace

class ZipGuideDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void searches_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("whole code") << "1000001" << 2;
        QTest::newRow("part of a name") << "千代田" << 2;
        QTest::newRow("single quote") << "O'Hara" << 1;
        QTest::newRow("quote and comment") << "'; --" << 0;
        QTest::newRow("empty lists all") << "" << 5;
    }

    void searches()
    {
        QFETCH(QString, text);
        QFETCH(int, rows);
        DialogFixture fx;
        PostalGuideDialog guide(fx.context());
        guide.searchBox->setText(text);
        NoticeCatcher notices;
        guide.search();
        QCOMPARE(guide.resultCount(), rows);
        QVERIFY(notices.texts.isEmpty());
        // The status bar tells the clerk nothing about how long it took.
        for (int panel = 0; panel < 5; ++panel)
            QVERIFY2(guide.panelText(panel).isEmpty(), qPrintable(guide.panelText(panel)));
    }

    void enterSearchesAndDoubleClickChooses()
    {
        DialogFixture fx;
        PostalGuideDialog guide(fx.context());
        guide.show();
        QVERIFY(QTest::qWaitForWindowActive(&guide));
        guide.searchBox->setText("梅田");
        guide.searchBox->setFocus();
        QTest::keyClick(guide.searchBox, Qt::Key_Return);
        QCOMPARE(guide.resultCount(), 1);
        QVERIFY(guide.isVisible());
        QCOMPARE(guide.gridText(0, 0), QString());
        QCOMPARE(guide.gridText(0, 3), QString("大阪市北区"));
        guide.chooseRow(0);
        QCOMPARE(guide.result(), int(QDialog::Accepted));
        QCOMPARE(guide.chosenText(1), QString("5300001"));
        QCOMPARE(guide.chosenText(2), QString("大阪府"));
        QCOMPARE(guide.chosenText(4), QString("梅田"));
        QCOMPARE(guide.chosenText(5), QString());
        QCOMPARE(guide.resultCount(), 0); // the buffer is emptied on closing
    }

    // Opened again after a row was double-clicked, the guide is ready for the
    // next search: the search box has the focus and Enter searches.
    void searchBoxHasTheFocusOnEveryOpening()
    {
        DialogFixture fx;
        PostalGuideDialog guide(fx.context());
        for (const QString &text : {QString("梅田"), QString("千代田")}) {
            guide.searchBox->setText(text);
            guide.show();
            QVERIFY(QTest::qWaitForWindowActive(&guide));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(guide.searchBox));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(guide.resultCount() > 0);
            // The user clicks into the grid and double-clicks the first row.
            const QRect cell = guide.resultGrid->visualRect(guide.resultGrid->model()->index(0, 1));
            QTest::mouseClick(guide.resultGrid->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(guide.resultGrid));
            QTest::mouseDClick(guide.resultGrid->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(guide.result(), int(QDialog::Accepted));
            QVERIFY(!guide.isVisible());
        }
        QCOMPARE(guide.chosenText(3), QString("千代田区"));
    }

    void columnHeadersNameTheColumns()
    {
        DialogFixture fx;
        PostalGuideDialog guide(fx.context());
        guide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guide));
        QStringList headers;
        const QAbstractItemModel *model = guide.resultGrid->model();
        for (int c = 0; c < model->columnCount(); ++c)
            headers << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(headers, QStringList({"", "郵便番号", "都道府県", "市区町村", "町域"}));
        QVERIFY(guide.resultGrid->horizontalHeader()->isVisible());
        guide.reject();
    }

    // The file dialog of the first import names what to choose: the national
    // postal-code list in CSV form.
    void importFileDialogNamesTheNationalList()
    {
        DialogFixture fx(40, false);
        PostalGuideDialog guide(fx.context());
        QString caption, filters;
        DialogDriver driver([&](QWidget *modal) {
            if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                caption = files->windowTitle();
                filters = files->nameFilters().join('|');
            }
            qobject_cast<QDialog *>(modal)->reject();
        });
        guide.show();
        QTRY_COMPARE(driver.seen, QString("QFileDialog"));
        QVERIFY2(caption.contains("郵便番号") && caption.contains("CSV"), qPrintable(caption));
        QVERIFY2(filters.contains("*.csv"), qPrintable(filters));
        QVERIFY(!QFileInfo::exists(fx.context().zipcodeDbPath));
        guide.reject();
    }

    void missingDatabaseIsImportedOnShow()
    {
        DialogFixture fx(40, false);
        const QString csv = fx.dir() + "/KEN_ALL.CSV";
        writeCsv(csv, FixturePostalEntries());
        PostalGuideDialog guide(fx.context());
        bool asked = false;
        guide.setImportFileChooser([&] {
            asked = true;
            return csv;
        });
        guide.show();
        QTRY_VERIFY(asked);
        QTRY_COMPARE(guide.resultCount(), 5);
        QVERIFY(QFileInfo::exists(fx.context().zipcodeDbPath));
        QVERIFY(guide.panelText(1).startsWith("総INSERT時間 = "));
        QCOMPARE(guide.panelText(2), QString("INSERT数 = 5"));
        guide.reject();
    }

    void cancelledChoiceLeavesNoDatabase()
    {
        DialogFixture fx(40, false);
        PostalGuideDialog guide(fx.context());
        guide.setImportFileChooser([] { return QString(); });
        guide.show();
        QTest::qWait(50);
        QCOMPARE(guide.resultCount(), 0);
        QVERIFY(!QFileInfo::exists(fx.context().zipcodeDbPath));
        guide.reject();
    }

    void malformedLineUndoesTheImport()
    {
        DialogFixture fx(40, false);
        const QString csv = fx.dir() + "/bad.csv";
        writeCsv(csv, FixturePostalEntries(), {"13101,\"100  \",\"1000001\""});
        PostalGuideDialog guide(fx.context());
        NoticeCatcher notices;
        QVERIFY(!guide.importFromFile(csv));
        QVERIFY(!QFileInfo::exists(fx.context().zipcodeDbPath));
        QCOMPARE(notices.texts.size(), 1);
        QVERIFY(notices.texts.first().contains("6行目"));
    }

    void cancelUndoesTheImport()
    {
        DialogFixture fx(40, false);
        QVector<NationalPostalEntry> many;
        for (int i = 0; i < 1000; ++i)
            many.append({QString("%1").arg(1000000 + i), "東京都", "千代田区", QString("町%1").arg(i)});
        const QString csv = fx.dir() + "/many.csv";
        writeCsv(csv, many);
        PostalGuideDialog guide(fx.context());
        // Fires inside the import, when it lets the window process its events.
        QTimer::singleShot(0, &guide, [&guide] {
            QVERIFY(guide.importing());
            guide.cancelButton->click();
        });
        NoticeCatcher notices;
        QVERIFY(!guide.importFromFile(csv));
        QVERIFY(!guide.importing());
        QVERIFY(!QFileInfo::exists(fx.context().zipcodeDbPath));
        QVERIFY(notices.texts.isEmpty());
    }
};

QTEST_MAIN(ZipGuideDialogTest)
#include "postal_guide_dialog_test.moc"
