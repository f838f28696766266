// The two CSV exports from the menus a clerk uses: 「お届け先をCSVに書き出す」
// from the consignee list and 「履歴をCSVに書き出す」 from the history page.

#include "support/DialogDriver.h"
#include "support/TestNotices.h"

#include "core/addressbook/ConsigneeCsv.h"
#include "core/data/Database.h"
#include "core/history/HistoryExport.h"
#include "core/import/CsvEncoding.h"
#include "core/import/CsvParser.h"
#include "core/settings/Editions.h"
#include "ui/addressbook/AddressBookCommands.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/common/CsvSubstituteDialog.h"
#include "ui/history/HistoryController.h"
#include "ui/history/HistoryPage.h"
#include "ui/history/HistoryTableModel.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramState.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVEL_TEST_PROGRAM_DIR"));
}

QVector<QStringList> readBack(const QString &path, CsvEncoding *encoding = nullptr)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return CsvParser::parse(DecodeCsvBytes(f.readAll(), encoding));
}

void exec(const QString &file, const QString &sql)
{
    Database db;
    QVERIFY(!db.OpenDatabase(file).isError());
    QVERIFY(!db.ExecSql(sql));
}

// The file the chooser hands out, and whether it was asked at all.
struct Chooser {
    QString path;
    CsvOutputEncoding encoding = CsvOutputEncoding::Utf8Bom;
    int asked = 0;
    CsvExportFileChooser function()
    {
        return [this](const QString &, const QString &) -> std::optional<CsvExportFile> {
            ++asked;
            if (path.isEmpty())
                return std::nullopt;
            return CsvExportFile{path, encoding};
        };
    }
};

} // namespace

class CsvExportWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QApplication::setApplicationDisplayName(InitialApplicationTitle()); }

    void consigneesTickedOrShownGoToTheFile()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        for (const char *name : {"青木 一郎", "井上 二郎", "上田 三郎"})
            exec(w.state().addressDbPath(), QString("INSERT INTO address(NAMAE1,namae2) VALUES ('%1','')").arg(name));
        w.pages().actions->consigneeList->trigger();
        ConsigneeListPage *list = w.pages().list;
        list->readConsignees();
        QCOMPARE(list->shownIds().size(), 3);

        // On the menu of the list's commands.
        QMenu *batch = w.menuBar()->findChild<QMenu *>("menuBatch");
        QVERIFY(batch && batch->actions().contains(w.pages().actions->exportConsignees));
        QVERIFY(w.pages().actions->exportConsignees->isEnabled());

        Chooser chooser;
        w.addressBook()->chooseExportFile = chooser.function();
        // The file dialog cancelled: nothing written, nothing said.
        w.pages().actions->exportConsignees->trigger();
        QCOMPARE(chooser.asked, 1);
        QVERIFY(notices.texts.isEmpty());

        // Nothing ticked: every consignee shown, in list order.
        chooser.path = root.filePath("shown.csv");
        w.pages().actions->exportConsignees->trigger();
        QVector<QStringList> records = readBack(chooser.path);
        QCOMPARE(records.size(), 4);
        QVERIFY(IsConsigneeCsvHeader(records.first()));
        QCOMPARE(records[1].value(1), QString("青木 一郎"));
        QCOMPARE(notices.texts.value(0), QString("3件をCSVファイルに書き出しました。"));

        // Two ticked: those two, in tick order, in Shift_JIS when asked.
        list->checked().add(list->shownIds().at(2));
        list->checked().add(list->shownIds().at(0));
        chooser.path = root.filePath("ticked.csv");
        chooser.encoding = CsvOutputEncoding::ShiftJis;
        w.pages().actions->exportConsignees->trigger();
        CsvEncoding encoding;
        records = readBack(chooser.path, &encoding);
        QCOMPARE(encoding, CsvEncoding::Cp932);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[1].value(1), QString("上田 三郎"));
        QCOMPARE(records[2].value(1), QString("青木 一郎"));
    }

    void historyRowsOfTheViewGoToTheFile()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        for (const char *name : {"山田 一", "佐藤 二", "山田 三"})
            exec(w.state().membersDbPath(),
                 QString("INSERT INTO sender(kind,namae1,senderdate) VALUES (40,'%1','2026-12-01')").arg(name));
        w.pages().actions->history->trigger();
        HistoryPage *page = w.pages().history;
        page->searchBox->setText("山田");
        QVERIFY(page->readHistory());
        QCOMPARE(page->rowCount(), 2);
        // Typed after the search: the export keeps to the rows shown.
        page->searchBox->setText("佐藤");

        Chooser chooser;
        chooser.path = root.filePath("history.csv");
        w.history()->chooseExportFile = chooser.function();
        page->exportButton->click();
        const QVector<QStringList> records = readBack(chooser.path);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[0], HistoryCsvHeader());
        QCOMPARE(records[1].value(0), page->model()->idAt(0));
        QCOMPARE(records[2].value(0), page->model()->idAt(1));
        QCOMPARE(records[2].value(5), QString("山田 一"));
        QCOMPARE(notices.texts.value(0), QString("2件をCSVファイルに書き出しました。"));
    }

    void shiftJisListsWhatItCannotWriteAndSubstitutesOnlyWhenAsked()
    {
        QTemporaryDir root;
        // The start's notices are answered; the question below is answered by hand.
        auto startNotices = std::make_unique<NoticeCatcher>();
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        startNotices.reset();
        exec(w.state().addressDbPath(), QString::fromUtf8("INSERT INTO address(NAMAE1,namae2) VALUES ('山田\u00A0太郎','')"));
        exec(w.state().addressDbPath(),
             QString::fromUtf8("INSERT INTO address(NAMAE1,namae2) VALUES ('鈴木\xF0\x9F\x98\x80','')"));
        w.pages().actions->consigneeList->trigger();
        w.pages().list->readConsignees();
        Chooser chooser;
        chooser.path = root.filePath("sjis.csv");
        chooser.encoding = CsvOutputEncoding::ShiftJis;
        w.addressBook()->chooseExportFile = chooser.function();

        // The question lists every row and character by its code point; Enter keeps the default, refusing.
        QString listed;
        bool refusalIsDefault = false;
        DialogDriver refuse([&](QWidget *dialog) {
            auto *question = qobject_cast<CsvSubstituteDialog *>(dialog);
            QVERIFY(question);
            listed = question->list->toPlainText();
            refusalIsDefault = question->refuseButton->isDefault() && !question->substituteButton->isDefault();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        CsvExportOutcome outcome = w.addressBook()->exportConsignees();
        QCOMPARE(refuse.seen, QStringLiteral("CsvSubstituteDialog"));
        QVERIFY(refusalIsDefault);
        // One line a row (the header is row 1; the list decides which consignee comes first).
        QStringList lines = listed.split(u'\n');
        lines.sort();
        const QStringList inOrder = {QStringLiteral("2行目: U+00A0（ノーブレークスペース）"),
                                     QStringLiteral("3行目: U+1F600（絵文字）")};
        const QStringList swapped = {QStringLiteral("2行目: U+1F600（絵文字）"),
                                     QStringLiteral("3行目: U+00A0（ノーブレークスペース）")};
        QVERIFY2(lines == inOrder || lines == swapped, qPrintable(listed));
        QVERIFY(!outcome.ok);
        QVERIFY(!QFile::exists(chooser.path));

        // Agreed: written, each such character as 〓.
        NoticeCatcher notices;
        DialogDriver agree([](QWidget *dialog) {
            if (auto *question = qobject_cast<CsvSubstituteDialog *>(dialog))
                question->substituteButton->click();
        });
        outcome = w.addressBook()->exportConsignees();
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.substituted, qint64(2));
        CsvEncoding encoding;
        const QVector<QStringList> records = readBack(chooser.path, &encoding);
        QCOMPARE(encoding, CsvEncoding::Cp932);
        QStringList names;
        for (qsizetype r = 1; r < records.size(); ++r)
            names << records[r].value(1);
        names.sort();
        QCOMPARE(names, QStringList({QStringLiteral("山田〓太郎"), QStringLiteral("鈴木〓")}));
        QCOMPARE(notices.texts,
                 QStringList(QStringLiteral("2件をCSVファイルに書き出しました。\nShift_JISで表せない2文字は「〓」に置き換えました。")));
    }

    void aFormulaGoesOutAsTextAndComesBackAsItWas()
    {
        QTemporaryDir root;
        NoticeCatcher notices;
        MainWindow w(programDir(), "zerrat_xe2", root.path());
        w.ensureStarted();
        const QString name = QStringLiteral("=HYPERLINK(\"http://example.com\",\"山田\")");
        exec(w.state().addressDbPath(),
             QStringLiteral("INSERT INTO address(NAMAE1,namae2,tel) VALUES ('%1','','-1234-5678')")
                 .arg(QString(name).replace(u'\'', QStringLiteral("''"))));
        w.pages().actions->consigneeList->trigger();
        w.pages().list->readConsignees();
        Chooser chooser;
        chooser.path = root.filePath("formula.csv");
        w.addressBook()->chooseExportFile = chooser.function();
        QVERIFY(w.addressBook()->exportConsignees().ok);
        QFile file(chooser.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        // What a spreadsheet sees: text, not a formula.
        QVERIFY2(text.contains(QStringLiteral(",\"'=HYPERLINK(")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral(",'-1234-5678,")));
        // What the program reads back: the values as they were.
        const QVector<QStringList> records = readBack(chooser.path);
        QCOMPARE(records.value(1).value(1), name);
        QCOMPARE(records.value(1).value(ConsigneeCsvHeader().indexOf(QStringLiteral("電話番号"))), QStringLiteral("-1234-5678"));
    }
};

QTEST_MAIN(CsvExportWindowTest)
#include "csv_export_window_test.moc"
