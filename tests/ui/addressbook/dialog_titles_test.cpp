// Every dialog of the program is built at start-up, before the edition has set
// the application title; each one must take the title when it is shown.

#include "support/DialogFixture.h"
#include "support/TestNotices.h"

#include "ui/history/HistoryEditDialog.h"
#include "ui/addressbook/ConsigneeDialog.h"
#include "core/addressbook/PhraseStore.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/addressbook/PhraseListDialog.h"
#include "ui/addressbook/SenderDialog.h"
#include "ui/addressbook/SenderSearchDialog.h"
#include "ui/postal/PostalGuideDialog.h"
#include "ui/addressbook/ItemChangeDialog.h"

#include <QtTest>
#include <functional>
#include <memory>

using DialogFactory = std::function<QDialog *(DialogFixture &, PhraseStore &)>;
Q_DECLARE_METATYPE(DialogFactory)

class DialogTitlesTest : public QObject
{
    Q_OBJECT
private slots:
    void titleIsTheApplicationTitleWhenShown_data()
    {
        QTest::addColumn<DialogFactory>("make");
        QTest::newRow("item change") << DialogFactory([](DialogFixture &fx, PhraseStore &) -> QDialog * {
            return new ItemChangeDialog(fx.context().editionCode);
        });
        QTest::newRow("phrase list") << DialogFactory([](DialogFixture &, PhraseStore &store) -> QDialog * {
            return new PhraseListDialog(store);
        });
        QTest::newRow("sender filter") << DialogFactory([](DialogFixture &, PhraseStore &) -> QDialog * {
            return new SenderSearchDialog;
        });
        QTest::newRow("single-print editor") << DialogFactory([](DialogFixture &fx, PhraseStore &) -> QDialog * {
            return new SingleDataDialog(fx.context());
        });
        QTest::newRow("sender editor") << DialogFactory([](DialogFixture &fx, PhraseStore &) -> QDialog * {
            return new SenderDialog(fx.context());
        });
        QTest::newRow("consignee editor") << DialogFactory([](DialogFixture &fx, PhraseStore &) -> QDialog * {
            return new ConsigneeDialog(fx.context());
        });
        QTest::newRow("postal-code guide") << DialogFactory([](DialogFixture &fx, PhraseStore &) -> QDialog * {
            return new PostalGuideDialog(fx.context());
        });
        QTest::newRow("history editor") << DialogFactory([](DialogFixture &fx, PhraseStore &) -> QDialog * {
            HistoryEditContext c;
            c.db = &fx.db;
            c.membersDbPath = fx.context().membersDbPath;
            c.editionCode = fx.context().editionCode;
            return new HistoryEditDialog(c);
        });
    }

    void titleIsTheApplicationTitleWhenShown()
    {
        QFETCH(DialogFactory, make);
        DialogFixture fx(30);
        PhraseStore store(fx.db, fx.context().membersDbPath);
        NoticeCatcher notices;
        // Built while the program still has its start-up title, as the main
        // window builds its dialogs before the edition's profile names it.
        QApplication::setApplicationDisplayName("起動時の題名");
        std::unique_ptr<QDialog> dialog(make(fx, store));
        QApplication::setApplicationDisplayName("ゼラット送り状印刷");

        dialog->open();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->windowTitle(), QString("ゼラット送り状印刷"));
        dialog->reject();

        // A later change of edition title reaches the next opening too.
        QApplication::setApplicationDisplayName("別の版");
        dialog->open();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->windowTitle(), QString("別の版"));
        dialog->reject();
    }
};

QTEST_MAIN(DialogTitlesTest)
#include "dialog_titles_test.moc"
