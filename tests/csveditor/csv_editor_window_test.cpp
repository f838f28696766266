#include "support/TestNotices.h"
#include "support/ViewCells.h"

#include "ui/controls/ElidingItemDelegate.h"
#include "csveditor/CsvEditorWindow.h"
#include "core/addressbook/ConsigneeCsv.h"
#include "core/import/CsvColumnMapping.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvMappingStore.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QString::fromUtf8(qgetenv("KORVEL_SOURCE_DIR")) + QStringLiteral("/tests/core/import/fixtures/") + name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CsvEditorWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // A fresh folder for each test: the remembered mappings must not leak.
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_conf = m_dir->filePath(QStringLiteral("conf"));
        QDir().mkpath(m_conf);
    }

    void loadsEveryEncodingWithAGuessedMapping_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("cp932") << QStringLiteral("customers_cp932.csv");
        QTest::newRow("utf8") << QStringLiteral("customers_utf8.csv");
        QTest::newRow("utf8bom") << QStringLiteral("customers_utf8bom.csv");
        QTest::newRow("utf16") << QStringLiteral("customers_utf16.csv");
    }

    void loadsEveryEncodingWithAGuessedMapping()
    {
        QFETCH(QString, file);
        CsvEditorWindow window(m_conf, 50);
        QVERIFY(window.loadFile(fixture(file)));
        QCOMPARE(window.sourceRowCount(), 4);
        QVERIFY(window.mapping().firstRowIsHeader);
        QCOMPARE(window.mapping().column(0), 0); // お名前
        QCOMPARE(window.mapping().column(2), 1); // 郵便番号
        QCOMPARE(window.mapping().column(3), 2); // 住所
        QTableWidget *preview = window.previewTable();
        QCOMPARE(preview->rowCount(), 3);
        QCOMPARE(preview->item(0, 0)->text(), QStringLiteral("山田 太郎"));
        // the comma inside the quoted address is shown as it will be written
        QCOMPARE(preview->item(0, 3)->text(), QStringLiteral("東京都千代田区千代田1-1， 千代田ビル"));
        QCOMPARE(preview->item(2, 0)->text(), QStringLiteral("髙橋 一郎"));
        QVERIFY(window.writeButton()->isEnabled());
        QVERIFY(window.statusLabel()->text().startsWith(QStringLiteral("3件")));
    }

    void writesTheIntermediateFileAndRemembersTheMapping()
    {
        {
            CsvEditorWindow window(m_conf, 50);
            QVERIFY(window.loadFile(fixture(QStringLiteral("customers_cp932.csv"))));
            // 名前2 from the notes column, chosen through its list
            window.fieldCombo(1)->setCurrentIndex(4 + 1);
            QCOMPARE(window.mapping().column(1), 4);
            QCOMPARE(window.previewTable()->item(1, 1)->text(), QStringLiteral("二行の 備考"));
            QTest::mouseClick(window.writeButton(), Qt::LeftButton);
            QCOMPARE(window.result(), int(QDialog::Accepted));
        }
        const QByteArray bytes = readAll(m_conf + QStringLiteral("/csvImport.tmp"));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const auto rows = ReadCsvImportFile(m_conf + QStringLiteral("/csvImport.tmp"));
        QVERIFY(rows.has_value());
        QCOMPARE(rows->size(), 3);
        QCOMPARE(rows->at(0).at(0), QStringLiteral("山田 太郎"));
        QCOMPARE(rows->at(0).at(1), QStringLiteral("「特急」で \"至急\""));
        QCOMPARE(rows->at(0).at(2), QStringLiteral("123-4567"));
        QCOMPARE(rows->at(0).at(3), QStringLiteral("東京都千代田区千代田1-1， 千代田ビル"));
        QCOMPARE(rows->at(1).at(1), QStringLiteral("二行の 備考"));
        QCOMPARE(rows->at(2).at(10), QStringLiteral("ぶどう①"));
        QCOMPARE(bytes.count("\r\n"), 3);

        // The next run of the same edition starts from the remembered mapping.
        CsvEditorWindow again(m_conf, 50);
        QVERIFY(!QFile::exists(again.resultPath())); // the consumed result is gone
        QVERIFY(again.loadFile(fixture(QStringLiteral("customers_utf8.csv"))));
        QCOMPARE(again.mapping().column(1), 4);
        QCOMPARE(again.fieldCombo(1)->currentIndex(), 5);
        // another edition has its own
        CsvEditorWindow other(m_conf, 20);
        QVERIFY(other.loadFile(fixture(QStringLiteral("customers_utf8.csv"))));
        QCOMPARE(other.mapping().column(1), -1);
    }

    void rememberedChoicesFollowHeaderNamesNotPositions()
    {
        const QString first = writeFile(QStringLiteral("first.csv"),
                                        "お名前,郵便番号,住所\r\n山田 太郎,100-0001,東京都千代田区千代田\r\n");
        {
            CsvEditorWindow window(m_conf, 50);
            QVERIFY(window.loadFile(first));
            QCOMPARE(window.mapping().column(0), 0);
            QVERIFY(window.writeResult());
        }
        // Another shop's export: other names in another order. The postal
        // code must not land in the name because it stands where the name stood.
        const QString other = writeFile(QStringLiteral("other.csv"),
                                        "〒,宛名,所在地\r\n530-0001,佐藤 花子,大阪府大阪市北区梅田\r\n");
        CsvEditorWindow window(m_conf, 50);
        QVERIFY(window.loadFile(other));
        QCOMPARE(window.mapping().column(0), 1); // 宛名
        QCOMPARE(window.mapping().column(2), 0); // 〒
        QCOMPARE(window.mapping().column(3), -1);
        QCOMPARE(window.previewTable()->item(0, 0)->text(), QStringLiteral("佐藤 花子"));
        QCOMPARE(window.previewTable()->item(0, 2)->text(), QStringLiteral("530-0001"));
    }

    void withoutHeaderPositionsNeedTheSameNumberOfColumns()
    {
        const QString three = writeFile(QStringLiteral("three.csv"), "山田 太郎,100-0001,東京都千代田区\r\n");
        {
            CsvEditorWindow window(m_conf, 50);
            QVERIFY(window.loadFile(three));
            QVERIFY(!window.mapping().firstRowIsHeader);
            window.setFieldColumn(0, 0);
            window.setFieldColumn(2, 1);
            window.setFieldColumn(3, 2);
            QVERIFY(window.writeResult());
        }
        {
            CsvEditorWindow window(m_conf, 50);
            QVERIFY(window.loadFile(writeFile(QStringLiteral("again.csv"), "佐藤 花子,530-0001,大阪府大阪市\r\n")));
            QCOMPARE(window.mapping().column(0), 0);
            QCOMPARE(window.mapping().column(2), 1);
        }
        CsvEditorWindow window(m_conf, 50);
        QVERIFY(window.loadFile(writeFile(QStringLiteral("four.csv"), "1001,530-0001,佐藤 花子,大阪府大阪市\r\n")));
        QVERIFY(window.mapping().isEmpty());
    }

    void theProgramsOwnExportIsPassedOnWholeUnlessTheMappingWasChanged()
    {
        // A consignee export: a header of every column and a note with a comma
        // and a line break, which the 14-field file could not carry.
        QStringList header = ConsigneeCsvHeader();
        QStringList record;
        for (int c = 0; c < header.size(); ++c)
            record << QString();
        record[header.indexOf("名前1")] = "山田 太郎";
        record[header.indexOf("備考")] = "午前中, 必着\r\n二行目";
        QString text = "\xEF\xBB\xBF" + CsvRecord(header) + CsvRecord(record);
        QFile out(m_dir->filePath("export.csv"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
        out.close();
        {
            CsvEditorWindow window(m_conf, 40);
            QVERIFY(window.loadFile(out.fileName()));
            QVERIFY(window.writeResult());
            const std::optional<QVector<QStringList>> whole = ReadConsigneeExportImportFile(window.resultPath());
            QVERIFY(whole.has_value());
            QCOMPARE(whole->size(), 2);
            QCOMPARE(whole->at(1), record);
        }
        QFile::remove(CsvImportPath(m_dir->path()));
        // A column chosen by hand: the fields as mapped, as for any file.
        CsvEditorWindow window(m_conf, 40);
        QVERIFY(window.loadFile(out.fileName()));
        window.setFieldColumn(8, CsvColumnMapping::NoColumn);
        QVERIFY(window.writeResult());
        QVERIFY(!ReadConsigneeExportImportFile(window.resultPath()).has_value());
        const std::optional<QVector<QStringList>> lines = ReadCsvImportFile(window.resultPath());
        QVERIFY(lines.has_value());
        QCOMPARE(lines->value(0).value(0), QString("山田 太郎"));
        QCOMPARE(lines->value(0).value(8), QString());
    }

    void cancelLeavesNoResult()
    {
        QFile stale(m_conf + QStringLiteral("/csvImport.tmp"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("old,run,\r\n");
        stale.close();

        CsvEditorWindow window(m_conf, 30);
        QVERIFY(window.loadFile(fixture(QStringLiteral("customers_utf8bom.csv"))));
        QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(window.resultPath()));
        QVERIFY(CsvMappingStore(m_conf, 30).load().isEmpty());
    }

    void headerSwitchTakesTheFirstRowAsData()
    {
        CsvEditorWindow window(m_conf, 50);
        QVERIFY(window.loadFile(fixture(QStringLiteral("customers_utf8.csv"))));
        window.setFirstRowIsHeader(false);
        QCOMPARE(window.mappedRows().size(), 4);
        QCOMPARE(window.previewTable()->item(0, 0)->text(), QStringLiteral("お名前"));
        QVERIFY(window.fieldCombo(0)->itemText(1).contains(QStringLiteral("お名前")));
        window.setFirstRowIsHeader(true);
        QCOMPARE(window.mappedRows().size(), 3);
    }

    // Every preview header is shown whole, the longest
    // 「都道府県（または住所全体）」 included.
    void previewHeadersAreShownWhole()
    {
        CsvEditorWindow window(m_conf, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QHeaderView *header = window.previewTable()->horizontalHeader();
        const QStringList names = CsvColumnMapping::fieldNames();
        QVERIFY(names.contains(QStringLiteral("都道府県（または住所全体）")));
        for (int f = 0; f < names.size(); ++f)
            QVERIFY2(header->sectionSize(f) > header->fontMetrics().horizontalAdvance(names.at(f)),
                     qPrintable(names.at(f) + " " + QString::number(header->sectionSize(f))));
    }

    // A value wider than its column is cut with "…" and shown whole as the
    // cell's tool tip, after the warning of a value that is too long.
    void cutValuesShowWholeAsToolTip()
    {
        const QString path = m_dir->filePath(QStringLiteral("wide.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString building = QStringLiteral("千代田ハイツ一〇一号室のとても長い建物名称がここに続きます");
        file.write((QStringLiteral("name,building\n山田,") + building + QStringLiteral("\n")).toUtf8());
        file.close();
        CsvEditorWindow window(m_conf, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.loadFile(path));
        window.setFieldColumn(0, 0);
        window.setFieldColumn(6, 1);
        QTableWidget *table = window.previewTable();
        QCOMPARE(table->textElideMode(), Qt::ElideRight);
        table->horizontalHeader()->resizeSection(6, 60);
        auto *delegate = qobject_cast<ElidingItemDelegate *>(table->itemDelegate());
        QVERIFY(delegate);
        const QModelIndex cut = table->model()->index(0, 6);
        QCOMPARE(delegate->toolTipFor(CellOption(table, cut), cut), building);
        const QModelIndex whole = table->model()->index(0, 0);
        QCOMPARE(delegate->toolTipFor(CellOption(table, whole), whole), QString());
    }

    void tooLongValuesAreFlaggedBeforeWriting()
    {
        const QString path = m_dir->filePath(QStringLiteral("long.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("name,tel\nok,03-1234-5678\nok2,0123456789012345\n");
        file.close();
        CsvEditorWindow window(m_conf, 50);
        QVERIFY(window.loadFile(path));
        window.setFieldColumn(0, 0);
        window.setFieldColumn(7, 1);
        QCOMPARE(window.previewTable()->item(1, 7)->background().color(), QColor(255, 200, 200));
        QVERIFY(window.statusLabel()->text().contains(QStringLiteral("電話番号が長すぎます")));
    }

    void largeFileLoads()
    {
        const QString path = m_dir->filePath(QStringLiteral("large.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("氏名,郵便番号,住所\n");
        for (int i = 0; i < 50000; ++i)
            file.write(QStringLiteral("\"顧客 %1\",100-0001,\"東京都千代田区千代田%1\"\n").arg(i).toUtf8());
        file.close();
        CsvEditorWindow window(m_conf, 20);
        QVERIFY(window.loadFile(path));
        QCOMPARE(window.sourceRowCount(), 50001);
        QCOMPARE(window.previewTable()->rowCount(), CsvEditorWindow::PreviewRows);
        QTest::mouseClick(window.writeButton(), Qt::LeftButton);
        const auto rows = ReadCsvImportFile(window.resultPath());
        QVERIFY(rows.has_value());
        QCOMPARE(rows->size(), 50000);
        QCOMPARE(rows->last().at(0), QStringLiteral("顧客 49999"));
    }

    void aQuoteNeverClosedStopsTheReadingAndSaysWhere()
    {
        const QString good = writeFile(QStringLiteral("good.csv"), "名前,住所\n山田,東京都\n");
        const QString bad = writeFile(QStringLiteral("bad.csv"), "名前,住所\n山田,東京都\n佐藤,\"大阪府\n鈴木,京都府\n");
        CsvEditorWindow window(m_conf, 50);
        QVERIFY(window.loadFile(good));
        NoticeCatcher notices;
        QVERIFY(!window.loadFile(bad));
        QCOMPARE(notices.headings.size(), 1);
        QVERIFY2(notices.headings.first().startsWith(QStringLiteral("CSVファイルの3行目にある「\"」が閉じられていません。")),
                 qPrintable(notices.headings.first()));
        // The file shown before stays, and nothing of the bad one can be written.
        QCOMPARE(window.sourceRowCount(), 2);
        QCOMPARE(window.previewTable()->item(0, 0)->text(), QStringLiteral("山田"));
    }

    void theChosenEncodingIsShownAndCanBeSwitched()
    {
        // ﾃｽ,ﾄｳ in code page 932, bytes that are valid UTF-8 too (「ý,ĳ」).
        const QString path = writeFile(QStringLiteral("kana.csv"), "\xC3\xBD,\xC4\xB3\r\n");
        CsvEditorWindow window(m_conf, 50);
        QVERIFY(window.loadFile(path));
        QCOMPARE(window.encoding(), CsvEncoding::Cp932);
        QCOMPARE(window.encodingCombo()->currentIndex(), 0);
        QCOMPARE(window.encodingCombo()->itemText(0), QStringLiteral("自動判定（Shift_JIS）"));
        QVERIFY(window.statusLabel()->text().contains(QStringLiteral("文字コード: Shift_JIS")));
        window.setFieldColumn(0, 0);
        QCOMPARE(window.previewTable()->item(0, 0)->text(), QStringLiteral("ﾃｽ"));

        window.encodingCombo()->setCurrentIndex(window.encodingCombo()->findText(QStringLiteral("UTF-8")));
        QCOMPARE(window.encoding(), CsvEncoding::Utf8);
        QCOMPARE(window.previewTable()->item(0, 0)->text(), QStringLiteral("ý"));
        QVERIFY(window.statusLabel()->text().contains(QStringLiteral("文字コード: UTF-8")));
    }

    void writingWithoutDataSaysSoAndWritesNothing()
    {
        CsvEditorWindow window(m_conf, 50);
        QTimer::singleShot(0, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        QVERIFY(!window.writeResult());
        QVERIFY(!QFile::exists(window.resultPath()));
    }

private:
    // A small UTF-8 CSV file in the test's folder.
    QString writeFile(const QString &name, const char *text)
    {
        const QString path = m_dir->filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_conf;
};

QTEST_MAIN(CsvEditorWindowTest)
#include "csv_editor_window_test.moc"
