#include "core/text/FileErrorText.h"

QString FileErrorInJapanese(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::ReadError:
        return QStringLiteral("ファイルを読み込めませんでした。");
    case QFileDevice::WriteError:
        return QStringLiteral("ファイルに書き込めませんでした。ディスクの空きを確かめてください。");
    case QFileDevice::ResourceError:
        return QStringLiteral("ディスクの空きかメモリが足りません。");
    case QFileDevice::PermissionsError:
        return QStringLiteral("ファイルやフォルダーへのアクセスが許可されていません。");
    case QFileDevice::OpenError:
        return QStringLiteral("ファイルを開けませんでした。フォルダーがあるか、書き込みが許可されているかを確かめてください。");
    case QFileDevice::CopyError:
        return QStringLiteral("ファイルをコピーできませんでした。");
    case QFileDevice::RenameError:
        return QStringLiteral("ファイルの名前を変えられませんでした。");
    case QFileDevice::RemoveError:
        return QStringLiteral("ファイルを削除できませんでした。");
    default:
        return QStringLiteral("ファイルを扱えませんでした。");
    }
}
