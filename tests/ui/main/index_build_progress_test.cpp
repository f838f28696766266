// The start-up build of the search index as the window shows it: the dialog,
// its 中止, and a stopped build leaving the database without the index.

#include "core/data/Database.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SearchIndex.h"
#include "ui/main/IndexBuildProgress.h"

#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class IndexBuildProgressTest : public QObject
{
    Q_OBJECT
private slots:
    void theDialogShowsTheBuildAndItsCancelStopsIt()
    {
        QTemporaryDir dir;
        const QString members = dir.filePath("membersXe2.db3");
        Database db;
        QVERIFY(!CreateMembersDatabase(db, members).isError());
        QVERIFY(!db.OpenDatabase(members).isError());
        for (const QString &sql : DropSearchIndexSql(HistorySearchIndex()))
            QVERIFY(!db.ExecSql(sql));
        QVERIFY(!db.ExecSql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<3000) "
                            "INSERT INTO sender(kind,namae1) SELECT 40,'山田'||i FROM n"));

        QWidget window;
        window.show();
        IndexBuildProgress progress(&window);
        progress.delayMs = 0;
        SearchIndexBuildObserver observer = progress.observer();
        observer.steps = 1000;
        int asked = 0;
        const auto keepGoing = observer.keepGoing;
        observer.keepGoing = [&] {
            // The second time round the user presses 中止 on the dialog shown.
            if (++asked == 2) {
                auto *dialog = window.findChild<QProgressDialog *>();
                if (!dialog || !dialog->isVisible())
                    return false;
                const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
                bool worded = false;
                for (QLabel *label : labels)
                    worded = worded || label->text() == QString("検索用の索引を作成しています…");
                if (!worded)
                    return false;
                for (QPushButton *button : dialog->findChildren<QPushButton *>())
                    if (button->text() == QString("中止"))
                        button->click();
            }
            return keepGoing();
        };
        QVERIFY(AddSearchIndex(db, members, HistorySearchIndex(), observer).isError());
        QCOMPARE(asked, 2);
        QVERIFY(!window.findChild<QProgressDialog *>());
        QVERIFY(!db.OpenDatabase(members).isError());
        QVERIFY(!HasSearchIndex(db, HistorySearchIndex()));
        QCOMPARE(db.QueryRows("SELECT count(*) FROM sender").rows.value(0, 0), QString("3000"));
    }
};

QTEST_MAIN(IndexBuildProgressTest)
#include "index_build_progress_test.moc"
