#include "ui/main/StoreAtStart.h"

#include "core/data/Database.h"
#include "core/data/DatabaseErrorText.h"
#include "core/data/StoreLocation.h"
#include "core/settings/StoreSettings.h"
#include "ui/common/ShowNotice.h"

#include <QApplication>

StoreAtStart CheckStoreAtStart(const QString &dataDir)
{
    const QString store = ReadStoreSettings(dataDir).location();
    if (store.isEmpty())
        return StoreAtStart::AsSet;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Database probe;
    const DatabaseError error = probe.OpenDatabase(store);
    QApplication::restoreOverrideCursor();
    if (!error.isError())
        return StoreAtStart::AsSet;
    const QString question = StoreFailureNotice(error, store)
                             + QStringLiteral("\n\nこのパソコンのデータで作業しますか？\n"
                                              "「はい」：今回はこのパソコンのデータを使います（サーバーのデータとは別です）。\n"
                                              "「いいえ」：プログラムを終了します。");
    return AskYesNo(question) ? StoreAtStart::LocalInstead : StoreAtStart::Quit;
}
