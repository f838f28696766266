// The history and consignee searches through the search index: the rows found,
// and their order, are those of the plain LIKE search over the same texts, for
// texts that LIKE treats specially; the index follows the program's own edit
// and delete of history rows.

#include "support/AddressBookFixture.h"

#include "core/addressbook/CheckedConsignees.h"
#include "core/addressbook/ConsigneeRows.h"
#include "core/history/HistoryEditForm.h"
#include "core/history/HistoryEntry.h"
#include "core/history/HistoryList.h"
#include "core/text/TextFields.h"
#include "core/data/SearchIndex.h"

#include <QMap>

namespace {

// Texts LIKE treats specially, spread over the searched columns.
const QMap<QString, QString> historyRows[] = {
    {{"namae1", "100%果汁"}, {"address1", "O'Hara"}},
    {{"namae1", "100円"}, {"tel", "03_1234"}},
    {{"address2", "C:\\dir\\file"}},
    {{"namae1", "ABC商店"}, {"itemname1", "abc"}},
    {{"namae1", "ＡＢＣ"}, {"namae2", "ａｂｃ"}},
    {{"namae1", "山田"}, {"namae2", "太郎"}},
    {{"namae2", ""}, {"zipcode", "1000001"}},
    {{"charge", "500"}, {"number", "X-1"}},
    {{"namae1", "a"}, {"namae2", "ab"}},
    {{"itemname4", "Straße"}, {"address3", "İstanbul"}},
    {{"namae1", "say \"hi\""}, {"itemname3", "ゆず"}},
    {{"tel", "03--1234"}, {"itemname2", "りんご"}},
    {{"address1", "東京都港区芝公園"}, {"address3", "ビル5"}},
    // Every trigram of あいうえ, but in two columns.
    {{"namae1", "あいうX"}, {"namae2", "Yいうえ"}},
};

// What the index must not change; the number is how many rows of edition 40
// the plain search finds, so that the fixture is known to hold them.
const struct {
    const char *text;
    int found;
} searches[] = {
    {"%", 1},           {"100%", 1},      {"_", 1},        {"03_", 1},        {"\\", 1},
    {"\\dir\\", 1},     {"abc", 1},       {"ABC", 1},      {"aBc商", 1},      {"ａｂｃ", 1},
    {"Ａｂｃ", 0},      {"ＡＢ", 1},      {"Ａ", 1},       {"田太", 0},       {"山田", 1},
    {"山\r\n田", 1},    {"太郎", 1},      {"O'Hara", 1},   {"'", 1},          {"a", 5},
    {"A", 5},           {"ab", 2},        {"500", 1},      {"x-1", 1},        {"ß", 1},
    {"SS", 0},          {"istanbul", 0},  {"İ", 1},        {"\"hi\"", 1},     {"\"", 1},
    {"--", 1},          {"1000001", 1},   {"ゑ", 0},       {"ゑゑ", 0},       {"ゑゑゑゑ", 0},
    {"5", 2},           {"ビル", 1},      {"芝公園", 1},   {"東京都港区芝公園ビル", 0}, {"あいうえ", 0},
};

class HistorySearchTest : public AddressBookFixture
{
protected:
    void addFixture()
    {
        for (const auto &row : historyRows)
            addHistory(40, row);
        // The same texts in another edition, and a row of NULLs.
        for (const auto &row : historyRows)
            addHistory(50, row);
        addHistory(40, {});
    }

    // The identifiers the list reads (through the index when there is one).
    QStringList listed(const QString &text, int kind = 40)
    {
        DatabaseError error;
        const QVector<qint64> ids = ReadHistoryIds(db, membersDb, kind, 2, text, &error);
        EXPECT_FALSE(error.isError()) << error.message.toStdString();
        QStringList out;
        for (qint64 id : ids)
            out << QString::number(id);
        return out;
    }

    // The identifiers of the plain LIKE search.
    QStringList plain(const QString &text, int kind = 40)
    {
        EXPECT_FALSE(db.OpenDatabase(membersDb).isError());
        QStringList out;
        const QueryResult result = db.QueryRows(HistoryIdSelectSql(kind, 2, text));
        for (const QStringList &row : result.rows.rows())
            out << row.value(0);
        return out;
    }

    bool narrowed(const QString &text)
    {
        EXPECT_FALSE(db.OpenDatabase(membersDb).isError());
        return !SearchCandidates(db, HistorySearchIndex(), StripLineBreaks(text)).isEmpty();
    }

    // The rows the index itself names for a text of three or more characters:
    // stale entries would not change what the list shows, only slow it.
    int indexed(const QString &text)
    {
        EXPECT_FALSE(db.OpenDatabase(membersDb).isError());
        return db.QueryRows("SELECT count(*) FROM sender_search WHERE sender_search MATCH "
                            + SqlQuote('"' + text + '"')).rows.value(0, 0).toInt();
    }

    // FTS5's own check of the index against the rows.
    void expectIndexInStep()
    {
        if (onServer())
            return; // the index is the local files' own
        ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
        DatabaseError error;
        EXPECT_FALSE(db.ExecSql("INSERT INTO sender_search(sender_search) VALUES('integrity-check')", &error))
            << error.message.toStdString();
    }
};

TEST_F(HistorySearchTest, FindsWhatThePlainSearchFindsInItsOrder)
{
    addFixture();
    for (const auto &s : searches) {
        const QString text = QString::fromUtf8(s.text);
        // A server reads its table; only the local files have the index.
        EXPECT_EQ(narrowed(text), !onServer()) << s.text;
        const QStringList found = listed(text);
        EXPECT_EQ(found, plain(text)) << s.text;
        EXPECT_EQ(found.size(), s.found) << s.text;
        EXPECT_EQ(listed(text, 50), plain(text, 50)) << s.text;
    }
    // The index names the rows whose columns hold the trigrams apart; the
    // LIKE conditions leave them out.
    if (!onServer()) {
        ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
        EXPECT_EQ(db.QueryRows("SELECT count(*) FROM sender WHERE " + SearchCandidates(db, HistorySearchIndex(), "あいうえ"))
                      .rows.value(0, 0),
                  "2");
    }
    expectIndexInStep();
}

TEST_F(HistorySearchTest, WithoutTheIndexTheSearchReadsEveryRow)
{
    if (onServer())
        GTEST_SKIP() << "a server has no such index to take away";
    addFixture();
    ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
    for (const char *sql : {"DROP TRIGGER sender_search_insert", "DROP TRIGGER sender_search_delete",
                            "DROP TRIGGER sender_search_update", "DROP TABLE sender_search",
                            "DROP VIEW sender_search_text"})
        ASSERT_FALSE(db.ExecSql(sql)) << sql;
    addHistory(40, {{"namae1", "後から山田"}});
    for (const auto &s : searches) {
        const QString text = QString::fromUtf8(s.text);
        EXPECT_FALSE(narrowed(text)) << s.text;
        EXPECT_EQ(listed(text), plain(text)) << s.text;
    }
    EXPECT_EQ(listed("山田").size(), 2);
}

TEST_F(HistorySearchTest, TheIndexFollowsTheEditAndDeleteOfTheHistory)
{
    addFixture();
    const QString id = addHistory(40, {{"namae1", "佐藤花子"}, {"itemname1", "みかん"}});
    ASSERT_EQ(listed("佐藤"), QStringList{id});

    const std::optional<HistoryEntry> entry = ReadHistoryEntry(db, membersDb, id);
    ASSERT_TRUE(entry.has_value());
    HistoryEditForm form = HistoryEditForm::fromEntry(*entry, 40);
    form.namae = "鈴木一郎";
    form.goods[0] = "ぶどう%";
    ASSERT_FALSE(db.OpenDatabase(membersDb).isError());
    ASSERT_FALSE(db.ExecSql(form.updateSql(id, 40)));
    expectIndexInStep();
    for (const char *text : {"佐藤", "みかん", "花"})
        EXPECT_EQ(listed(text), plain(text)) << text;
    EXPECT_TRUE(listed("佐藤").isEmpty());
    if (!onServer()) {
        EXPECT_EQ(indexed("佐藤花"), 0);
        EXPECT_EQ(indexed("鈴木一"), 1);
    }
    EXPECT_EQ(listed("鈴木"), QStringList{id});
    EXPECT_EQ(listed("う%"), QStringList{id});

    // A change of columns outside the search leaves the index as it was.
    ASSERT_FALSE(db.ExecSql("UPDATE sender SET notes='メモ' WHERE ID=" + id));
    EXPECT_EQ(listed("鈴木"), QStringList{id});

    ASSERT_FALSE(db.ExecSql(HistoryDeleteSql(id)));
    expectIndexInStep();
    EXPECT_TRUE(listed("鈴木").isEmpty());
    EXPECT_TRUE(listed("木").isEmpty());
    if (!onServer())
        EXPECT_EQ(indexed("鈴木一"), 0);
    for (const auto &s : searches)
        EXPECT_EQ(listed(QString::fromUtf8(s.text)), plain(QString::fromUtf8(s.text))) << s.text;
}

class ConsigneeSearchTest : public AddressBookFixture
{
};

TEST_F(ConsigneeSearchTest, FindsWhatThePlainSearchFindsInItsOrder)
{
    // The history texts again, in the consignee columns.
    const QMap<QString, QString> column{{"address1", "area"},   {"address2", "city"},  {"address3", "building"},
                                        {"itemname1", "location"}, {"itemname2", "location"},
                                        {"itemname3", "location"}, {"itemname4", "location"},
                                        {"number", "location"}, {"charge", "zipcode"}};
    ASSERT_FALSE(db.OpenDatabase(addressDb).isError());
    for (const auto &row : historyRows) {
        QStringList names, values;
        for (auto it = row.begin(); it != row.end(); ++it) {
            const QString name = column.value(it.key(), it.key());
            if (!names.contains(name)) {
                names << name;
                values << SqlQuote(it.value());
            }
        }
        ASSERT_FALSE(db.ExecSql("INSERT INTO address(" + names.join(',') + ") VALUES(" + values.join(',') + ")"));
    }
    ASSERT_FALSE(db.ExecSql("INSERT INTO address(KIND) VALUES(1)"));
    // An identifier out of the insertion order.
    ASSERT_FALSE(db.ExecSql("UPDATE address SET ID=100 WHERE ID=1"));

    const CheckedConsignees checked;
    for (const auto &s : searches) {
        const QString text = QString::fromUtf8(s.text);
        ASSERT_FALSE(db.OpenDatabase(addressDb).isError());
        EXPECT_EQ(SearchCandidates(db, ConsigneeSearchIndex(), StripLineBreaks(text)).isEmpty(), onServer()) << s.text;
        QStringList plainIds;
        const QueryResult result = db.QueryRows(ConsigneeSelectSql(text));
        for (const QStringList &row : result.rows.rows())
            plainIds << row.value(0);
        DatabaseError error;
        QStringList ids;
        for (const ConsigneeRow &row : ReadConsignees(db, {addressDb, membersDb, text, -1, false}, checked, &error))
            ids << row.id;
        EXPECT_FALSE(error.isError());
        EXPECT_EQ(ids, plainIds) << s.text;
    }
    if (!onServer())
        EXPECT_FALSE(db.ExecSql("INSERT INTO address_search(address_search) VALUES('integrity-check')"));
}

} // namespace
