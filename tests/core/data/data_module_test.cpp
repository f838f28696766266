#include "support/QtPrinters.h"
#include "core/text/DateText.h"
#include "core/data/SqlLiteral.h"
#include "core/data/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

class DataModuleTest : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString scalar(const QString &sql)
    {
        const QueryResult r = db.QueryRows(sql);
        EXPECT_TRUE(r.ok()) << r.error.message.toStdString();
        return r.rows.value(0, 0);
    }

    QTemporaryDir dir;
    Database db;
};

TEST_F(DataModuleTest, NewFileIsUtf16With4096BytePagesAndSafeSettings)
{
    const QString file = path("new.db3");
    ASSERT_FALSE(db.OpenDatabase(file).isError());
    EXPECT_TRUE(QFile::exists(file));
    ASSERT_FALSE(db.ExecSql("CREATE TABLE t(a)"));
    // Settings must survive a reopen: every statement may reopen the file.
    db.CloseDatabase();
    ASSERT_FALSE(db.OpenDatabase(file).isError());
    EXPECT_EQ(scalar("PRAGMA encoding"), "UTF-16le");
    EXPECT_EQ(scalar("PRAGMA page_size"), "4096");
    EXPECT_EQ(scalar("PRAGMA synchronous"), "2"); // FULL
    EXPECT_EQ(scalar("PRAGMA journal_mode"), "delete");
    EXPECT_EQ(scalar("PRAGMA foreign_keys"), "1");
    EXPECT_EQ(scalar("PRAGMA cache_size"), "10000");
    EXPECT_EQ(scalar("PRAGMA locking_mode"), "normal");
    EXPECT_EQ(scalar("PRAGMA temp_store"), "1"); // FILE
}

TEST_F(DataModuleTest, OpenFailuresComeBackWithTheEngineMessage)
{
    const DatabaseError noFolder = db.OpenDatabase(path("missing/folder/x.db3"));
    EXPECT_TRUE(noFolder.isError());
    EXPECT_EQ(noFolder.code, SQLITE_CANTOPEN);
    EXPECT_TRUE(noFolder.message.contains("unable to open database file")) << noFolder.message.toStdString();
    EXPECT_FALSE(db.isOpen());

    QFile junk(path("junk.db3"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();
    const DatabaseError damaged = db.OpenDatabase(junk.fileName());
    EXPECT_EQ(damaged.code, SQLITE_NOTADB);
    EXPECT_FALSE(damaged.message.isEmpty());
    EXPECT_FALSE(db.QueryRows("SELECT 1").ok());

    const DatabaseError notThere = db.OpenDatabase(path("absent.db3"), Database::OpenMode::ExistingOnly);
    EXPECT_TRUE(notThere.isError());
    // Later statements do not create it behind the caller's back either.
    EXPECT_FALSE(db.QueryRows("SELECT 1").ok());
    EXPECT_TRUE(db.ExecSql("CREATE TABLE t(a)"));
    EXPECT_FALSE(QFile::exists(path("absent.db3")));
}

TEST_F(DataModuleTest, QueryRowsKeepsValuesWholeAndFormatsDatesIntegersAndNull)
{
    ASSERT_FALSE(db.OpenDatabase(path("v.db3")).isError());
    ASSERT_FALSE(db.ExecSql("CREATE TABLE t(n integer, s varchar(20), d date, e varchar(5))"));
    ASSERT_FALSE(db.ExecSql("INSERT INTO t VALUES(7, 'a;b', '2013-05-20', NULL)"));
    ASSERT_FALSE(db.ExecSql("INSERT INTO t VALUES('12', '山田', '2013-5-2', '')"));
    ASSERT_FALSE(db.ExecSql("INSERT INTO t VALUES(NULL, NULL, 'not a date', 'x')"));
    const QueryResult r = db.QueryRows("SELECT n, s, d, e FROM t ORDER BY rowid");
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.rows.size(), 3);
    EXPECT_EQ(r.rows.row(0), QStringList({"7", "a;b", "2013/05/20", ""}));
    EXPECT_EQ(r.rows.row(1), QStringList({"12", "山田", "2013/05/02", ""}));
    EXPECT_EQ(r.rows.row(2), QStringList({"", "", "not a date", "x"}));
    EXPECT_EQ(r.rows.line(1), "12;山田;2013/05/02;;");
    // A column read under a "::text" alias comes back exactly as stored.
    EXPECT_EQ(db.QueryRows(R"(SELECT d as "cnt::text" FROM t ORDER BY rowid)").rows.value(0, 0), "2013-05-20");
}

TEST_F(DataModuleTest, StatementErrorsAreReportedAndChangeNothing)
{
    ASSERT_FALSE(db.OpenDatabase(path("e.db3")).isError());
    const QueryResult missing = db.QueryRows("SELECT * FROM nosuchtable");
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error.message.contains("no such table")) << missing.error.message.toStdString();
    EXPECT_TRUE(missing.rows.isEmpty());

    ASSERT_FALSE(db.ExecSql("CREATE TABLE t(id INTEGER PRIMARY KEY, v)"));
    ASSERT_FALSE(db.ExecSql("INSERT INTO t VALUES(1, 'a')"));
    DatabaseError error;
    EXPECT_TRUE(db.ExecSql("INSERT INTO t VALUES(1, 'b')", &error));
    EXPECT_TRUE(error.message.contains("UNIQUE")) << error.message.toStdString();
    EXPECT_TRUE(db.ExecSql("CREATE TABLE t(x)"));
    EXPECT_EQ(scalar("SELECT group_concat(v) FROM t"), "a");
    EXPECT_TRUE(db.QueryRows("SELECT * FROM t WHERE 0").rows.isEmpty());
    // A second statement hidden after the first is refused, not run.
    EXPECT_TRUE(db.ExecSql("UPDATE t SET v='c'; DROP TABLE t"));
    EXPECT_EQ(scalar("SELECT v FROM t"), "a");
    EXPECT_FALSE(db.ExecSql("UPDATE t SET v='d';  "));
}

TEST_F(DataModuleTest, LockedFileFailsWithBusyInsteadOfHanging)
{
    const QString file = path("l.db3");
    ASSERT_FALSE(db.OpenDatabase(file).isError());
    ASSERT_FALSE(db.ExecSql("CREATE TABLE t(a)"));
    Database other;
    other.setBusyTimeout(50);
    ASSERT_FALSE(other.OpenDatabase(file).isError());
    ASSERT_FALSE(db.ExecSql("BEGIN EXCLUSIVE"));
    DatabaseError error;
    EXPECT_TRUE(other.ExecSql("INSERT INTO t VALUES(1)", &error));
    EXPECT_EQ(error.code, SQLITE_BUSY);
    const QueryResult r = other.QueryRows("SELECT * FROM t");
    EXPECT_FALSE(r.ok());
    ASSERT_FALSE(db.ExecSql("COMMIT"));
    EXPECT_FALSE(other.ExecSql("INSERT INTO t VALUES(1)"));
}

TEST_F(DataModuleTest, RollbackUndoesAndCommitKeeps)
{
    ASSERT_FALSE(db.OpenDatabase(path("tx.db3")).isError());
    ASSERT_FALSE(db.ExecSql("CREATE TABLE t(a)"));
    ASSERT_FALSE(db.BeginTransaction());
    ASSERT_FALSE(db.ExecSql("INSERT INTO t VALUES(1)"));
    ASSERT_FALSE(db.Rollback());
    EXPECT_EQ(scalar("SELECT count(*) FROM t"), "0");
    ASSERT_FALSE(db.BeginTransaction());
    ASSERT_FALSE(db.ExecSql("INSERT INTO t VALUES(1)"));
    ASSERT_FALSE(db.Commit());
    EXPECT_EQ(scalar("SELECT count(*) FROM t"), "1");
}

TEST(SqlQuote, DoublesEverySingleQuote)
{
    const struct {
        QString value, literal;
    } cases[] = {{"", "''"}, {"abc", "'abc'"}, {"O'Neil", "'O''Neil'"}, {"''", "''''''"}, {"a;b", "'a;b'"}};
    for (const auto &c : cases)
        EXPECT_EQ(SqlQuote(c.value), c.literal) << c.value.toStdString();

    QTemporaryDir dir;
    Database db;
    ASSERT_FALSE(db.OpenDatabase(dir.filePath("q.db3")).isError());
    const QString tricky = "x'); DROP TABLE t; --";
    EXPECT_EQ(db.QueryRows("SELECT " + SqlQuote(tricky)).rows.value(0, 0), tricky);
}

TEST(DisplayDateText, ShowsStoredDatesWithSlashesAndTwoDigits)
{
    const struct {
        QString stored, shown;
    } cases[] = {{"2013-05-20", "2013/05/20"}, {"2013-5-2", "2013/05/02"}, {"2024/1/9", "2024/01/09"},
                 {"2013-05-20 10:11:12", "2013/05/20"}, {"", ""}, {"2013-02-30", "2013-02-30"},
                 {"12/24", "12/24"}};
    for (const auto &c : cases)
        EXPECT_EQ(DisplayDateText(c.stored), c.shown) << c.stored.toStdString();
}

} // namespace
