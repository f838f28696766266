// The search index added at start-up to databases made before it: every row
// kept as it was, the index then answering the searches; an addition that
// fails leaves the database as it was.

#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/ConsigneeRows.h"
#include "core/history/HistoryList.h"
#include "core/data/DatabaseSchema.h"
#include "core/data/SearchIndex.h"
#include "core/data/SqlLiteral.h"
#include "core/data/StartupDatabases.h"
#include "core/data/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SearchIndexUpgradeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        paths.address = dir.filePath("addressXe2.db3");
        paths.members = dir.filePath("membersXe2.db3");
        paths.zipcode = dir.filePath("zipcode.db3");
        paths.shippedZipcode = dir.filePath("none.db3");
        // The tables as the program made them before the index.
        for (const auto &[path, tables] : {std::pair{paths.members, MembersTables()},
                                            std::pair{paths.address, AddressTables()}}) {
            ASSERT_FALSE(db.OpenDatabase(path).isError());
            for (const TableDefinition &table : tables)
                ASSERT_FALSE(db.ExecSql(CreateTableSql(table)));
        }
        ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
        ASSERT_FALSE(db.BeginTransaction());
        for (int i = 0; i < 3000; ++i) {
            const QString kind = i % 3 ? "40" : "50";
            ASSERT_FALSE(db.ExecSql(QString("INSERT INTO sender(kind,namae1,namae2,tel,charge,itemname1) "
                                            "VALUES(%1,%2,%3,%4,%5,%6)")
                                        .arg(kind, SqlQuote(QString("山田%1").arg(i)),
                                             i % 7 ? "NULL" : SqlQuote("O'Hara_%"),
                                             SqlQuote(QString("03-%1").arg(i % 97)), QString::number(i % 11),
                                             SqlQuote(i % 100 ? "みかん" : "りんご"))));
        }
        ASSERT_FALSE(db.Commit());
        ASSERT_FALSE(db.OpenDatabase(paths.address).isError());
        ASSERT_FALSE(db.BeginTransaction());
        for (int i = 0; i < 300; ++i)
            ASSERT_FALSE(db.ExecSql(QString("INSERT INTO address(namae1,city,tel) VALUES(%1,%2,'06-%3')")
                                        .arg(SqlQuote(QString("佐藤%1").arg(i)), SqlQuote(i % 2 ? "大阪市" : "堺市"))
                                        .arg(i)));
        ASSERT_FALSE(db.Commit());
    }

    // Every row of a table as text, in identifier order.
    QString dump(const QString &path, const QString &table)
    {
        EXPECT_FALSE(db.OpenDatabase(path).isError());
        QStringList lines;
        const QueryResult result = db.QueryRows("SELECT * FROM " + table + " ORDER BY ID");
        for (const QStringList &row : result.rows.rows())
            lines << row.join(QChar(0x1f));
        return lines.join(u'\n');
    }

    bool hasIndex(const QString &path, const SearchIndex &index)
    {
        EXPECT_FALSE(db.OpenDatabase(path).isError());
        return HasSearchIndex(db, index);
    }

    QStringList historyIds(const QString &text, bool plain)
    {
        QStringList ids;
        if (plain) {
            EXPECT_FALSE(db.OpenDatabase(paths.members).isError());
            const QueryResult result = db.QueryRows(HistoryIdSelectSql(40, 2, text));
            for (const QStringList &row : result.rows.rows())
                ids << row.value(0);
        } else {
            for (qint64 id : ReadHistoryIds(db, paths.members, 40, 2, text))
                ids << QString::number(id);
        }
        return ids;
    }

    QTemporaryDir dir;
    StartupDatabasePaths paths;
    Database db;
};

TEST_F(SearchIndexUpgradeTest, StartUpAddsTheIndexKeepingEveryRow)
{
    const QString sender = dump(paths.members, "sender");
    const QString address = dump(paths.address, "address");
    ASSERT_EQ(sender.count(u'\n'), 2999);
    ASSERT_FALSE(hasIndex(paths.members, HistorySearchIndex()));
    ASSERT_FALSE(hasIndex(paths.address, ConsigneeSearchIndex()));
    const QStringList texts{"りんご", "山田12", "'", "-9", "O'Hara_%", "_%", "ゑゑゑ"};
    QList<QStringList> before;
    for (const QString &text : texts)
        before << historyIds(text, true);

    OpenStartupDatabases(db, paths);

    EXPECT_TRUE(hasIndex(paths.members, HistorySearchIndex()));
    EXPECT_TRUE(hasIndex(paths.address, ConsigneeSearchIndex()));
    EXPECT_EQ(dump(paths.members, "sender"), sender);
    EXPECT_EQ(dump(paths.address, "address"), address);
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    EXPECT_FALSE(db.ExecSql("INSERT INTO sender_search(sender_search) VALUES('integrity-check')"));
    for (int t = 0; t < texts.size(); ++t) {
        ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
        EXPECT_FALSE(SearchCandidates(db, HistorySearchIndex(), texts[t]).isEmpty()) << texts[t].toStdString();
        EXPECT_EQ(historyIds(texts[t], false), before[t]) << texts[t].toStdString();
    }
    EXPECT_EQ(before[0].size(), 20);

    const CheckedConsignees checked;
    const QVector<ConsigneeRow> found = ReadConsignees(db, {paths.address, paths.members, "堺", -1, false}, checked);
    EXPECT_EQ(found.size(), 150);

    // A second start leaves the index as it is.
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    const QString root = db.QueryRows("SELECT rootpage FROM sqlite_master WHERE name='sender_search_data'")
                             .rows.value(0, 0);
    OpenStartupDatabases(db, paths);
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    EXPECT_EQ(db.QueryRows("SELECT rootpage FROM sqlite_master WHERE name='sender_search_data'").rows.value(0, 0),
              root);
}

TEST_F(SearchIndexUpgradeTest, AFailedAdditionLeavesTheDatabaseAsItWas)
{
    // A table in the way of the index's view makes its creation fail half-way.
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    ASSERT_FALSE(db.ExecSql("CREATE TABLE sender_search_text(x)"));
    const QString schema = db.QueryRows("SELECT group_concat(name) FROM sqlite_master").rows.value(0, 0);
    const QString sender = dump(paths.members, "sender");

    EXPECT_TRUE(AddSearchIndex(db, paths.members, HistorySearchIndex()).isError());

    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    EXPECT_EQ(db.QueryRows("SELECT group_concat(name) FROM sqlite_master").rows.value(0, 0), schema);
    EXPECT_EQ(dump(paths.members, "sender"), sender);
    EXPECT_FALSE(hasIndex(paths.members, HistorySearchIndex()));
    EXPECT_EQ(historyIds("りんご", false), historyIds("りんご", true));
    // Writing history still works without the index.
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    EXPECT_FALSE(db.ExecSql("INSERT INTO sender(kind,namae1) VALUES(40,'りんご')"));
    EXPECT_EQ(historyIds("りんご", false).size(), 21);
}

} // namespace

namespace {

TEST_F(SearchIndexUpgradeTest, ABuildIsShownAndAStoppedOneLeavesTheDatabaseAsItWas)
{
    const QString sender = dump(paths.members, "sender");
    const QString schema = [this] {
        EXPECT_FALSE(db.OpenDatabase(paths.members).isError());
        return db.QueryRows("SELECT group_concat(name) FROM sqlite_master").rows.value(0, 0);
    }();

    // Stopped half-way: nothing of the index, every row, the search as before.
    int started = 0, asked = 0, finished = 0;
    SearchIndexBuildObserver stop;
    stop.started = [&started] { ++started; };
    stop.keepGoing = [&asked] { return ++asked < 3; };
    stop.finished = [&finished] { ++finished; };
    stop.steps = 1000;
    EXPECT_TRUE(AddSearchIndex(db, paths.members, HistorySearchIndex(), stop).isError());
    EXPECT_EQ(started, 1);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(hasIndex(paths.members, HistorySearchIndex()));
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    EXPECT_EQ(db.QueryRows("SELECT group_concat(name) FROM sqlite_master").rows.value(0, 0), schema);
    EXPECT_EQ(dump(paths.members, "sender"), sender);
    EXPECT_EQ(historyIds("りんご", false), historyIds("りんご", true));
    // No handler is left behind on the connection.
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    EXPECT_FALSE(db.ExecSql("INSERT INTO sender(kind,namae1) VALUES(40,'りんご')"));

    // Let run, through the start-up step: asked along the way, the index whole.
    SearchIndexBuildObserver run;
    run.started = [&started] { ++started; };
    run.keepGoing = [&asked] { return ++asked > 0; };
    run.finished = [&finished] { ++finished; };
    run.steps = 1000;
    asked = 0;
    OpenStartupDatabases(db, paths, run);
    EXPECT_GT(asked, 0);
    EXPECT_EQ(finished, 3); // the stopped build, then the history's and the consignees'
    EXPECT_TRUE(hasIndex(paths.members, HistorySearchIndex()));
    ASSERT_FALSE(db.OpenDatabase(paths.members).isError());
    EXPECT_FALSE(db.ExecSql("INSERT INTO sender_search(sender_search) VALUES('integrity-check')"));
    EXPECT_EQ(historyIds("りんご", false), historyIds("りんご", true));
}

} // namespace
