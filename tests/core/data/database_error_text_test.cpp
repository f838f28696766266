#include "core/data/DatabaseErrorText.h"
#include "core/data/Database.h"
#include "core/data/StoreLocation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QRegularExpression englishWord(QStringLiteral("[A-Za-z]{2,}"));

} // namespace

// The windows show the engine's failures in Japanese: the real failures of a
// missing table, a file that is no database and a duplicate key each get
// their own words and the code, and no English of the engine's message.
TEST(DatabaseErrorText, RealEngineFailuresReadAsJapanese)
{
    QTemporaryDir dir;
    Database db;
    const QString path = dir.filePath(QStringLiteral("a.db3"));
    ASSERT_FALSE(db.OpenDatabase(path, Database::OpenMode::CreateIfMissing).isError());
    ASSERT_FALSE(db.ExecSql(QStringLiteral("create table t (id integer primary key)")));
    ASSERT_FALSE(db.ExecSql(QStringLiteral("insert into t values (1)")));

    const DatabaseError missingTable = db.QueryRows(QStringLiteral("select * from address")).error;
    DatabaseError duplicate;
    EXPECT_TRUE(db.ExecSql(QStringLiteral("insert into t values (1)"), &duplicate));
    db.CloseDatabase();
    const QString junk = dir.filePath(QStringLiteral("junk.db3"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    DatabaseError notADatabase = db.OpenDatabase(junk);
    if (!notADatabase.isError())
        notADatabase = db.QueryRows(QStringLiteral("select count(*) from sqlite_master")).error;

    struct Case {
        const char *name;
        DatabaseError error;
        QString expectedStart;
    } cases[] = {
        {"missing table", missingTable, QStringLiteral("データベースの処理に失敗しました。")},
        {"duplicate key", duplicate, QStringLiteral("データが登録の条件に合いません。")},
        {"not a database", notADatabase, QStringLiteral("データベースファイルが壊れているか、データベースではありません。")},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(c.error.isError()) << c.name;
        const QString text = DatabaseErrorInJapanese(c.error);
        EXPECT_TRUE(text.startsWith(c.expectedStart)) << c.name << ": " << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("（エラー番号 %1）").arg(c.error.code))) << text.toStdString();
        EXPECT_FALSE(text.contains(englishWord)) << text.toStdString();
    }
    EXPECT_EQ(DatabaseErrorInJapanese(DatabaseError()), QString());
}

// A server's failures are told by their SQLSTATE: what the clerk can do about
// a connection, a login or a missing client library differs.
TEST(DatabaseErrorText, ServerFailuresAreToldByTheirState)
{
    const struct {
        const char *state;
        const char16_t *expectedStart;
    } cases[] = {
        {"08001", u"共有サーバーに接続できません。"},
        {"08006", u"共有サーバーに接続できません。"},
        {"57P01", u"共有サーバーに接続できません。"}, // the server shuts down
        {"28P01", u"共有サーバーにログインできません。"},
        {DatabaseError::ClientLibraryMissing, u"このパソコンに PostgreSQL のクライアントライブラリ（libpq）がありません。"},
        {"40P01", u"ほかの端末の処理と重なりました。"},
        {"XX000", u"共有サーバーのデータベースの処理に失敗しました。"},
    };
    for (const auto &c : cases) {
        const DatabaseError error{-1, QStringLiteral("the engine's own words"), QString::fromLatin1(c.state)};
        const QString text = DatabaseErrorInJapanese(error);
        EXPECT_TRUE(text.startsWith(QString::fromUtf16(c.expectedStart))) << c.state << ": " << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("（SQLSTATE %1）").arg(QLatin1String(c.state)))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("engine's"))) << text.toStdString();
    }
}

// A failed read or write says what the start-up question says: the meaning
// and the store; only the connection's failures can be tried again later.
TEST(DatabaseErrorText, AStoreFailureIsToldInTheStartupQuestionsWords)
{
    const DatabaseError lost{-1, QStringLiteral("server closed the connection"), QStringLiteral("08006")};
    EXPECT_EQ(StoreFailureNotice(lost, QStringLiteral("postgresql://shop@server/korvel")),
              QStringLiteral("共有サーバーに接続できません。ネットワークとサーバーの電源を確認してください。（SQLSTATE 08006）\n"
                             "データの保存先: ") + StoreLocationForDisplay(QStringLiteral("postgresql://shop@server/korvel")));
    EXPECT_TRUE(IsConnectionFailure(lost));
    EXPECT_TRUE(IsConnectionFailure({-1, QString(), QStringLiteral("57P01")}));
    EXPECT_FALSE(IsConnectionFailure({-1, QString(), QStringLiteral("23505")}));
    EXPECT_FALSE(IsConnectionFailure({-1, QString(), QString::fromLatin1(DatabaseError::ClientLibraryMissing)}));
    EXPECT_FALSE(IsConnectionFailure({5, QStringLiteral("database is locked"), QString()}));
}
