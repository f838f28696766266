// The CSV editor program: started by the waybill program with one argument,
// "<WorkDir>/conf,<EditionCode>,", and optionally a CSV file to open at once.

#include "core/text/JapaneseTranslations.h"
#include "csveditor/CsvEditorWindow.h"
#include "ui/main/FontConfigWarmUp.h"
#include "core/import/CsvEditorLaunch.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char *argv[])
{
    PreferJapaneseSystemLocale();
    QApplication app(argc, argv);
    InstallJapaneseTranslations(&app);
    // Its texts look as the main window's.
    UseConcreteInterfaceFamily();
    const QStringList args = QApplication::arguments();
    QString confDir;
    int editionCode = 0;
    if (args.size() < 2 || !ParseCsvEditorArgument(args.at(1), &confDir, &editionCode)) {
        QMessageBox::warning(nullptr, QStringLiteral("CSV取込データの作成"),
                             QStringLiteral("このプログラムは送り状印刷プログラムの「CSVファイルから取り込む」から起動してください。"));
        return 2;
    }
    CsvEditorWindow window(confDir, editionCode);
    if (args.size() >= 3) {
        const QString path = args.at(2);
        QTimer::singleShot(0, &window, [&window, path] { window.loadFile(path); });
    }
    return window.exec() == QDialog::Accepted ? 0 : 1;
}
