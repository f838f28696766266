// Qt's own dialogs must speak Japanese like the rest of the program: the test
// opens them after the program's start-up step and looks for English on them.

#include "core/text/JapaneseTranslations.h"
#include "ui/editor/FieldFontDialog.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Visible texts of buttons and labels that hold an English word. "OK" is how
// Japanese software writes it; the mnemonic "(&O)" after a Japanese caption and
// paths, file names and units in labels are not words a clerk has to read.
QStringList englishTexts(QWidget *root)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression allowed(QStringLiteral("\\(&?[A-Za-z]\\)|&|\\bOK\\b|\\bmm\\b|\\bPDF\\b"));
    QStringList found;
    auto check = [&](const QString &text) {
        QString rest = text;
        rest.remove(allowed);
        if (rest.contains(word))
            found << text;
    };
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(root) && !button->text().isEmpty())
            check(button->text());
    for (QLabel *label : root->findChildren<QLabel *>())
        if (label->isVisibleTo(root) && !label->text().isEmpty() && !label->text().contains('/'))
            check(label->text());
    return found;
}

// Every text a dialog can show, hidden pages included: captions, titles, tab
// names, list and combo entries as drawn, and the boxes' texts.
QStringList shownTexts(QWidget *root)
{
    QStringList texts;
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        texts << button->text();
    for (QLabel *label : root->findChildren<QLabel *>())
        texts << label->text();
    for (QGroupBox *group : root->findChildren<QGroupBox *>())
        texts << group->title();
    for (QTabWidget *tabs : root->findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    for (QLineEdit *box : root->findChildren<QLineEdit *>())
        texts << box->text();
    for (QListView *list : root->findChildren<QListView *>()) {
        QAbstractItemModel *model = list->model();
        auto *delegate = qobject_cast<QStyledItemDelegate *>(list->itemDelegate());
        for (int row = 0; model && row < model->rowCount(); ++row) {
            const QVariant value = model->index(row, 0).data();
            texts << (delegate ? delegate->displayText(value, list->locale()) : value.toString());
        }
    }
    for (QString &text : texts)
        text.remove(QLatin1Char('&'));
    return texts;
}

// The texts of listed that a dialog shows.
QStringList listedShown(QWidget *root, const QStringList &listed)
{
    QStringList found;
    for (const QString &text : shownTexts(root))
        if (listed.contains(text))
            found << text;
    return found;
}

} // namespace

class JapaneseDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(InstallJapaneseTranslations(qApp), "Qt's Japanese catalogue is not installed");
    }

    void messageBoxButtons()
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("確認"), QStringLiteral("削除してもよろしいですか？"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        box.show();
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&').left(5), QStringLiteral("キャンセル"));
        QVERIFY(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
        QVERIFY(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
        QCOMPARE(englishTexts(&box), QStringList());
    }

    void fileChooser()
    {
        QFileDialog dialog(nullptr, QStringLiteral("ファイルを開く"), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(englishTexts(&dialog), QStringList());
        dialog.reject();
        // The type and size columns of the file list.
        QCOMPARE(QAbstractFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("フォルダー"));
        QCOMPARE(QLocale::system().formattedDataSize(231), QStringLiteral("231 バイト"));
    }

    void printDialog()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.open();
        QCOMPARE(englishTexts(&dialog), QStringList());
        dialog.reject();
    }

    // The print dialog's options, the printer properties and the paper list
    // that Qt's catalogue leaves in English. A clerk's B5 is the JIS size.
    void printDialogOptionsPropertiesAndPapers()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.open();
        const QStringList listed = {"Pages", "Double Sided Printing", "Off", "Long side binding",
                                    "Short side binding", "Advanced", "JIS B5", "JIS B4"};
        QCOMPARE(listedShown(&dialog, listed), QStringList());
        const QStringList options = shownTexts(&dialog);
        for (const char *japanese : {"ページ指定", "両面印刷", "しない", "長辺とじ", "短辺とじ"})
            QVERIFY2(options.contains(QString::fromUtf8(japanese)), japanese);

        QStringList inProperties;
        QStringList papers;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, &dialog, [&] {
            QWidget *properties = QApplication::activeModalWidget();
            if (!properties || properties == &dialog)
                return;
            poll.stop();
            inProperties = listedShown(properties, listed);
            for (QComboBox *combo : properties->findChildren<QComboBox *>())
                for (int i = 0; i < combo->count(); ++i)
                    papers << combo->itemText(i);
            inProperties << (shownTexts(properties).contains(QStringLiteral("詳細設定")) ? "" : "no 詳細設定");
            static_cast<QDialog *>(properties)->reject();
        });
        QPushButton *propertiesButton = dialog.findChild<QPushButton *>("properties");
        QVERIFY(propertiesButton);
        poll.start();
        propertiesButton->click();
        QCOMPARE(inProperties, QStringList({""}));
        QVERIFY(papers.contains(QStringLiteral("B5")));
        QVERIFY(papers.contains(QStringLiteral("B5 (ISO)")));
        QVERIFY(papers.contains(QStringLiteral("B4")));
        QVERIFY(papers.contains(QStringLiteral("B4 (ISO)")));
        QCOMPARE(QPageSize(QPageSize::JisB5).name(), QStringLiteral("B5"));
        QCOMPARE(QPageSize(QPageSize::B5).name(), QStringLiteral("B5 (ISO)"));
        dialog.reject();
    }

    // The layout editor's font dialog: Japanese style names and sample.
    void fontDialog()
    {
        QFontDialog dialog(QFont(QStringLiteral("Sans Serif"), 12));
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        FieldFontDialog::speakJapanese(dialog);
        dialog.open();
        const QStringList listed = {"Regular", "Bold", "Italic", "Bold Italic", "Oblique", "AaBbYyZz"};
        QCOMPARE(listedShown(&dialog, listed), QStringList());
        const QStringList texts = shownTexts(&dialog);
        QVERIFY(texts.contains(QStringLiteral("あア亜Aa")));
        QVERIFY(texts.contains(QStringLiteral("標準")) || texts.contains(QStringLiteral("太字")));
        // The names stay what the dialog looks fonts up by: a style chosen
        // from the list still gives its font.
        QListView *styles = nullptr;
        for (QLineEdit *box : dialog.findChildren<QLineEdit *>())
            if (auto *list = qobject_cast<QListView *>(box->focusProxy()))
                styles = list; // the last is the style list
        QVERIFY(styles);
        for (int row = 0; row < styles->model()->rowCount(); ++row) {
            if (styles->model()->index(row, 0).data().toString() != QLatin1String("Bold"))
                continue;
            styles->setCurrentIndex(styles->model()->index(row, 0));
            QVERIFY(dialog.currentFont().bold());
            QCOMPARE(listedShown(&dialog, listed), QStringList());
        }
        dialog.reject();
    }

    void textBoxMenuAndCalendar()
    {
        QLineEdit box(QStringLiteral("テスト"));
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList english;
        for (QAction *action : menu->actions())
            if (!action->isSeparator() && action->text().remove(QRegularExpression("\\(&?[A-Za-z]\\)|&|\\t.*")).contains(QRegularExpression("[A-Za-z]{2,}")))
                english << action->text();
        QCOMPARE(english, QStringList());

        QCalendarWidget calendar;
        calendar.setSelectedDate(QDate(2026, 12, 10));
        QCOMPARE(calendar.locale().language(), QLocale::Japanese);
        QVERIFY(calendar.locale().standaloneMonthName(12).contains(QStringLiteral("12月")));
    }
};

int main(int argc, char **argv)
{
    // As the program does, before the application object exists.
    PreferJapaneseSystemLocale();
    QApplication app(argc, argv);
    JapaneseDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "japanese_dialogs_test.moc"
