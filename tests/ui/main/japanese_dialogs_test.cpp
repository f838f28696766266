// Qt's own dialogs must speak Japanese like the rest of the program: the test
// opens them after the program's start-up step and looks for English on them.

#include "core/text/JapaneseTranslations.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QCalendarWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
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
