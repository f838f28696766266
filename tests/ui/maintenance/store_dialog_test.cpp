// Choosing where the address book lives: the dialog under ファイル writes the
// station's setting (never a password), a server that does not answer is
// reported by the connection check, and at start a station set up for such a
// server asks before it works on its own files.
#include "support/TestNotices.h"

#include "core/settings/AppFolders.h"
#include "core/settings/StoreSettings.h"
#include "ui/main/StoreAtStart.h"
#include "ui/maintenance/StoreDialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A server address nobody listens on.
StoreSettings unreachable()
{
    StoreSettings s;
    s.useServer = true;
    s.host = "127.0.0.1";
    s.port = 1;
    s.database = "shop";
    s.user = "packer";
    return s;
}

} // namespace

class StoreDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void theChoiceIsSavedWithoutAPassword()
    {
        QTemporaryDir data;
        StoreDialog dialog(data.path());
        QVERIFY(dialog.localChoice->isChecked());
        QVERIFY(!dialog.host->isEnabled());
        dialog.serverChoice->setChecked(true);
        QVERIFY(dialog.host->isEnabled());
        dialog.host->setText(" db.example ");
        dialog.port->setValue(6543);
        dialog.database->setText("店 1");
        dialog.user->setText("packer");
        dialog.save();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const StoreSettings saved = ReadStoreSettings(data.path());
        QVERIFY(saved.useServer);
        QCOMPARE(saved.location(), QString("postgresql://packer@db.example:6543/%E5%BA%97%201"));
        QFile file(StoreSettingsFile(data.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().toLower().contains("password"));

        // Opened again, the dialog shows what was saved; back to the files.
        StoreDialog again(data.path());
        QVERIFY(again.serverChoice->isChecked());
        QCOMPARE(again.host->text(), QString("db.example"));
        again.localChoice->setChecked(true);
        again.save();
        QVERIFY(ReadStoreSettings(data.path()).location().isEmpty());
    }

    void aServerThatDoesNotAnswerIsReported()
    {
        QTemporaryDir data;
        QVERIFY(WriteStoreSettings(data.path(), unreachable()));
        StoreDialog dialog(data.path());
        dialog.tryConnection();
        QVERIFY(dialog.resultLabel->text().startsWith("接続できませんでした。"));
        QVERIFY(dialog.resultLabel->text().contains("共有サーバーに接続できません"));
        {
            NoticeCatcher yes(QMessageBox::Ok);
            dialog.copyLocalFilesToServer();
        }
        QVERIFY(dialog.resultLabel->text().startsWith("コピーできませんでした。サーバーには何も書き込んでいません。"));
    }

    // A result of several lines makes the dialog taller: the password note
    // and the result itself each keep every line they wrap to.
    void aLongResultCutsNoText()
    {
        QTemporaryDir data;
        QVERIFY(WriteStoreSettings(data.path(), unreachable()));
        StoreDialog dialog(data.path());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *note = dialog.findChild<QLabel *>("passwordNote");
        QVERIFY(note);
        dialog.tryConnection();
        QVERIFY(dialog.resultLabel->text().count('\n') >= 2);
        // Made as small as it lets itself be made.
        dialog.resize(dialog.minimumSize());
        for (QLabel *label : {note, dialog.resultLabel})
            QTRY_VERIFY2(label->height() >= label->heightForWidth(label->width()),
                         qPrintable(QString("%1: %2 of %3 pixels")
                                        .arg(label->text().left(10))
                                        .arg(label->height())
                                        .arg(label->heightForWidth(label->width()))));
    }

    void aStationThatCannotReachItsServerAsksAtStart()
    {
        QTemporaryDir data;
        QCOMPARE(CheckStoreAtStart(data.path()), StoreAtStart::AsSet); // the files: nothing asked
        QVERIFY(WriteStoreSettings(data.path(), unreachable()));
        {
            NoticeCatcher no(QMessageBox::No);
            QCOMPARE(CheckStoreAtStart(data.path()), StoreAtStart::Quit);
            QCOMPARE(no.texts.size(), 1);
            QVERIFY(no.texts.first().contains("postgresql://packer@127.0.0.1:1/shop"));
        }
        NoticeCatcher yes(QMessageBox::Yes);
        QCOMPARE(CheckStoreAtStart(data.path()), StoreAtStart::LocalInstead);
    }
};

QTEST_MAIN(StoreDialogTest)
#include "store_dialog_test.moc"
