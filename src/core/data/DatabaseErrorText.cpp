#include "core/data/DatabaseErrorText.h"

#include <sqlite3.h>

QString DatabaseErrorInJapanese(const DatabaseError &error)
{
    if (!error.isError())
        return QString();
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
