// The phrase list: the table ITEMS shown in the grid, and what the buttons,
// the Shift-click and the double click do to it and to the choice, driven
// through the real input box and question box.

#include "support/DialogFixture.h"
#include "support/TestTyping.h"
#include "support/TestNotices.h"

#include "core/addressbook/PhraseStore.h"
#include "ui/addressbook/PhraseListDialog.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

namespace {

// Answers the next input box: keeps the text it was opened with, types
// answer over it and presses OK (or Cancel when answer is null).
class InputBoxAnswer
{
public:
    explicit InputBoxAnswer(const QString &answer) : m_answer(answer)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_timer.stop();
            ++opened;
            prompt = box->labelText();
            initial = box->textValue();
            auto *buttons = box->findChild<QDialogButtonBox *>();
            if (m_answer.isNull()) {
                QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
                return;
            }
            auto *edit = box->findChild<QLineEdit *>();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            TypeText(edit, m_answer);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        m_timer.start();
    }
    int opened = 0;
    QString prompt;
    QString initial;

private:
    QString m_answer;
    QTimer m_timer;
};

class PhraseListFixture
{
public:
    // A list holding phrases, in that order.
    explicit PhraseListFixture(const QStringList &phrases = {}) : store(fx.db, fx.context().membersDbPath), dialog(store)
    {
        for (const QString &phrase : phrases)
            store.insert(phrase);
    }

    // The phrases stored in ITEMS, by identifier.
    QStringList stored() { return column("SELECT namae FROM ITEMS ORDER BY id"); }
    QStringList column(const QString &sql)
    {
        QStringList texts;
        const RowList rows = fx.query(fx.context().membersDbPath, sql); // kept: the rows live in it
        for (const QStringList &row : rows.rows())
            texts << row.value(0);
        return texts;
    }
    // The grid's phrase column below the header row.
    QStringList gridPhrases() const
    {
        QStringList texts;
        for (int r = 1; r < dialog.grid->rowCount(); ++r)
            texts << (dialog.grid->item(r, 1) ? dialog.grid->item(r, 1)->text() : QString());
        return texts;
    }
    QPoint cellCentre(int row) const
    {
        return dialog.grid->visualRect(dialog.grid->model()->index(row, 1)).center();
    }
    void openList()
    {
        dialog.refresh();
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(dialog.grid->viewport(), Qt::LeftButton, modifiers, cellCentre(row));
    }

    DialogFixture fx;
    PhraseStore store;
    PhraseListDialog dialog;
};

} // namespace

class PhraseListTest : public QObject
{
    Q_OBJECT
private slots:
    void emptyTableShowsHeaderAndOneEmptyRow()
    {
        PhraseListFixture p;
        p.openList();
        QCOMPARE(p.dialog.grid->rowCount(), 2);
        QCOMPARE(p.gridPhrases(), QStringList({""}));
        QCOMPARE(p.dialog.statusLine->currentMessage(),
                 QString("選択は左ダブルクリック、登録はシフトキーを押しながら左クリック"));
        QCOMPARE(p.dialog.titleLabel->text(), QString("通信欄リスト"));
    }

    void addStoresTheTypedTextAndShowsIt()
    {
        PhraseListFixture p;
        p.openList();
        InputBoxAnswer answer("O'Hara様 お届け");
        QTest::mouseClick(p.dialog.addButton, Qt::LeftButton);
        QCOMPARE(answer.opened, 1);
        QCOMPARE(answer.prompt, QString("登録する文字列を入力してください。"));
        QCOMPARE(answer.initial, QString());
        QCOMPARE(p.stored(), QStringList({"O'Hara様 お届け"})); // the quote is data, not SQL
        QCOMPARE(p.gridPhrases(), QStringList({"O'Hara様 お届け"}));
        QCOMPARE(p.dialog.grid->item(1, 0)->text(), p.column("SELECT id FROM ITEMS").value(0));

        // An empty text is a phrase too; Cancel adds nothing.
        InputBoxAnswer empty("");
        QTest::mouseClick(p.dialog.addButton, Qt::LeftButton);
        InputBoxAnswer cancel{QString()};
        QTest::mouseClick(p.dialog.addButton, Qt::LeftButton);
        QCOMPARE(cancel.opened, 1);
        QCOMPARE(p.stored(), QStringList({"O'Hara様 お届け", ""}));
        QCOMPARE(p.dialog.grid->rowCount(), 3);
    }

    void changeButtonAndShiftClickRewriteTheSelectedPhrase()
    {
        PhraseListFixture p({"みかん", "りんご"});
        QCOMPARE(p.stored(), QStringList({"みかん", "りんご"}));
        p.openList();

        p.clickRow(2);
        InputBoxAnswer answer("ふじりんご");
        QTest::mouseClick(p.dialog.changeButton, Qt::LeftButton);
        QCOMPARE(answer.initial, QString("りんご")); // prefilled with the row's phrase
        QCOMPARE(p.stored(), QStringList({"みかん", "ふじりんご"}));
        QCOMPARE(p.gridPhrases(), QStringList({"みかん", "ふじりんご"}));

        InputBoxAnswer shifted("温州みかん");
        p.clickRow(1, Qt::ShiftModifier);
        QCOMPARE(shifted.opened, 1);
        QCOMPARE(shifted.initial, QString("みかん"));
        QCOMPARE(p.stored(), QStringList({"温州みかん", "ふじりんご"}));

        // Cancel in the input box keeps the phrase.
        InputBoxAnswer cancel{QString()};
        p.clickRow(1, Qt::ShiftModifier);
        QCOMPARE(cancel.opened, 1);
        QCOMPARE(p.stored(), QStringList({"温州みかん", "ふじりんご"}));
    }

    void changeWithoutAPhraseRowAsksForOne()
    {
        PhraseListFixture p; // no phrases: the header row and one empty row
        p.openList();
        for (int row : {0, 1}) {
            p.dialog.grid->setCurrentCell(row, 1);
            NoticeCatcher notices;
            QTest::mouseClick(p.dialog.changeButton, Qt::LeftButton);
            QCOMPARE(notices.texts, QStringList({"修正する行を選択してください。"}));
        }
        // A Shift-click on a row without a phrase opens nothing and says nothing.
        InputBoxAnswer never("x");
        NoticeCatcher notices;
        for (int row : {0, 1})
            p.clickRow(row, Qt::ShiftModifier);
        QTest::qWait(60);
        QCOMPARE(never.opened, 0);
        QVERIFY(notices.texts.isEmpty());
        QVERIFY(p.stored().isEmpty());
    }

    void deleteAsksFirstAndRemovesOnlyOnOk()
    {
        PhraseListFixture p({"みかん", "りんご"});
        QCOMPARE(p.stored(), QStringList({"みかん", "りんご"}));
        p.openList();
        p.clickRow(1);

        // Cancel: nothing happens.
        QTimer::singleShot(0, &p.dialog, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
        });
        QTest::mouseClick(p.dialog.deleteButton, Qt::LeftButton);
        QCOMPARE(p.stored(), QStringList({"みかん", "りんご"}));

        NoticeCatcher notices;
        QTest::mouseClick(p.dialog.deleteButton, Qt::LeftButton);
        QCOMPARE(notices.texts, QStringList({"削除してもよろしいですか？"}));
        QCOMPARE(p.stored(), QStringList({"りんご"}));
        QCOMPARE(p.gridPhrases(), QStringList({"りんご"}));
    }

    void doubleClickChoosesThePhraseAnythingElseCancels()
    {
        PhraseListFixture p({"みかん", "りんご"});
        QCOMPARE(p.stored(), QStringList({"みかん", "りんご"}));

        QTimer::singleShot(0, &p.dialog, [&] {
            p.clickRow(2);
            QTest::mouseDClick(p.dialog.grid->viewport(), Qt::LeftButton, {}, p.cellCentre(2));
        });
        QString phrase;
        QVERIFY(p.dialog.choose(&phrase));
        QCOMPARE(phrase, QString("りんご"));

        // A double click on the header row chooses nothing; "キャンセル" closes.
        bool stillOpen = false;
        QTimer::singleShot(0, &p.dialog, [&] {
            QTest::mouseDClick(p.dialog.grid->viewport(), Qt::LeftButton, {}, p.cellCentre(0));
            stillOpen = p.dialog.isVisible();
            QTest::mouseClick(p.dialog.cancelButton, Qt::LeftButton);
        });
        phrase.clear();
        QVERIFY(!p.dialog.choose(&phrase));
        QVERIFY(stillOpen);
        QCOMPARE(phrase, QString());
    }

    void doubleClickOnTheEmptyRowOfAnEmptyListChoosesNothing()
    {
        PhraseListFixture p;
        bool stillOpen = false;
        QTimer::singleShot(0, &p.dialog, [&] {
            p.clickRow(1);
            QTest::mouseDClick(p.dialog.grid->viewport(), Qt::LeftButton, {}, p.cellCentre(1));
            stillOpen = p.dialog.isVisible();
            QTest::keyClick(&p.dialog, Qt::Key_Escape);
        });
        QString phrase = "元のまま";
        QVERIFY(!p.dialog.choose(&phrase));
        QVERIFY(stillOpen);
        QCOMPARE(phrase, QString("元のまま"));

        // An empty phrase that was stored is a phrase all the same.
        QVERIFY(p.store.insert(""));
        QTimer::singleShot(0, &p.dialog, [&] {
            p.clickRow(1);
            QTest::mouseDClick(p.dialog.grid->viewport(), Qt::LeftButton, {}, p.cellCentre(1));
        });
        QVERIFY(p.dialog.choose(&phrase));
        QCOMPARE(phrase, QString());
    }
};

QTEST_MAIN(PhraseListTest)
#include "phrase_list_dialog_test.moc"
