// Program entry: the edition is chosen from the name by which the program was
// started, so that one executable serves every edition.

#include "core/settings/AppFolders.h"
#include "core/settings/Editions.h"
#include "core/text/JapaneseTranslations.h"
#include "ui/main/FontConfigWarmUp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/StartupWarmUp.h"
#include "ui/main/StoreAtStart.h"
#include "core/drawing/FontSubstitutions.h"

#include <QApplication>
#include <QFileInfo>
#include <QToolTip>

int main(int argc, char **argv)
{
    // argv[0] as given (a symbolic link keeps its own name); the program folder
    // is that of the real executable.
    const QString invokedName = QFileInfo(QString::fromLocal8Bit(argc > 0 ? argv[0] : "")).fileName();
    PreferJapaneseSystemLocale();
    FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    const StartupWarmUp warmUp;
    fontConfig.finish();
    QApplication::setApplicationDisplayName(InitialApplicationTitle());
    InstallJapaneseTranslations(&app);
    InstallFontSubstitutions();
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0, 255, 0));
    QToolTip::setPalette(hints);
    UseConcreteInterfaceFamily();
    LoadApplicationFontEngines();

    const StoreAtStart store = CheckStoreAtStart(DataDirFor(CommonAppDataRoot()));
    if (store == StoreAtStart::Quit)
        return 0;
    MainWindow window(QApplication::applicationDirPath(), invokedName, CommonAppDataRoot(), nullptr,
                      store == StoreAtStart::LocalInstead);
    window.setDeferredStart(true);
    window.show();
    return app.exec();
}
