#include "core/data/DatabaseErrorText.h"

#include "core/data/StoreLocation.h"

#include <sqlite3.h>

namespace {

// A server's error by its SQLSTATE class, in the clerk's words.
QString serverErrorInJapanese(const DatabaseError &error)
{
    const QString &state = error.sqlState;
    QString meaning;
    if (state == QLatin1String(DatabaseError::ClientLibraryMissing))
        meaning = QStringLiteral("このパソコンに PostgreSQL のクライアントライブラリ（libpq）がありません。"
                                 "パッケージ libpq5 をインストールしてください。");
    else if (IsConnectionFailure(error))
        meaning = QStringLiteral("共有サーバーに接続できません。ネットワークとサーバーの電源を確認してください。");
    else if (state == QLatin1String("28P01") || state == QLatin1String("28000"))
        meaning = QStringLiteral("共有サーバーにログインできません。ユーザー名とパスワード（~/.pgpass）を確認してください。");
    else if (state == QLatin1String("3D000"))
        meaning = QStringLiteral("共有サーバーに指定のデータベースがありません。");
    else if (state == QLatin1String("42501"))
        meaning = QStringLiteral("共有サーバーのデータベースに書き込む権限がありません。");
    else if (state.startsWith(QLatin1String("23")))
        meaning = QStringLiteral("データが登録の条件に合いません。");
    else if (state == QLatin1String("40001") || state == QLatin1String("40P01") || state == QLatin1String("55P03"))
        meaning = QStringLiteral("ほかの端末の処理と重なりました。しばらくしてからもう一度お試しください。");
    else if (state.startsWith(QLatin1String("53")))
        meaning = QStringLiteral("共有サーバーの容量かメモリが足りません。");
    else
        meaning = QStringLiteral("共有サーバーのデータベースの処理に失敗しました。");
    return meaning + QStringLiteral("（SQLSTATE %1）").arg(state);
}

} // namespace

QString DatabaseErrorInJapanese(const DatabaseError &error)
{
    if (!error.isError())
        return QString();
    if (!error.sqlState.isEmpty())
        return serverErrorInJapanese(error);
    QString meaning;
    switch (error.code & 0xff) {
    case SQLITE_CANTOPEN:
        meaning = QStringLiteral("データベースファイルを開けません。");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        meaning = QStringLiteral("データベースファイルが壊れているか、データベースではありません。");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        meaning = QStringLiteral("データベースが他のプログラムで使用中です。しばらくしてからもう一度お試しください。");
        break;
    case SQLITE_FULL:
        meaning = QStringLiteral("ディスクの空きが足りません。");
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        meaning = QStringLiteral("データベースファイルに書き込めません。");
        break;
    case SQLITE_IOERR:
        meaning = QStringLiteral("ディスクの読み書きに失敗しました。");
        break;
    case SQLITE_NOMEM:
        meaning = QStringLiteral("メモリが足りません。");
        break;
    case SQLITE_CONSTRAINT:
        meaning = QStringLiteral("データが登録の条件に合いません。");
        break;
    default:
        meaning = QStringLiteral("データベースの処理に失敗しました。");
        break;
    }
    return meaning + QStringLiteral("（エラー番号 %1）").arg(error.code);
}

bool IsConnectionFailure(const DatabaseError &error)
{
    const QString &state = error.sqlState;
    // 57P01 to 57P03: the server shuts down, was shut down or is starting up.
    return state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01")
           || state == QLatin1String("57P02") || state == QLatin1String("57P03");
}

QString StoreFailureNotice(const DatabaseError &error, const QString &location)
{
    return DatabaseErrorInJapanese(error) + QStringLiteral("\nデータの保存先: ") + StoreLocationForDisplay(location);
}
