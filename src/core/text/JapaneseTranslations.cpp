#include "core/text/JapaneseTranslations.h"

#include "core/text/QtTextsInJapanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Answers the texts Qt's Japanese catalogue of this Qt version lacks (the file
// chooser's type column, parts of the print dialogs, the paper names).
class MissingQtTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return MissingQtText(context, sourceText);
    }
};

} // namespace

void PreferJapaneseSystemLocale()
{
    qputenv("LC_MESSAGES", "ja_JP.UTF-8");
    qputenv("LC_TIME", "ja_JP.UTF-8");
    // LC_ALL would override both.
    qunsetenv("LC_ALL");
}

bool InstallJapaneseTranslations(QCoreApplication *app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // Qt's own folder first; a copy beside the program serves an installation
    // whose Qt was built without the catalogues.
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(app);
        if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            // Installed last, so asked first; it answers only what the catalogue lacks.
            QCoreApplication::installTranslator(new MissingQtTexts(app));
            return true;
        }
        delete translator;
    }
    return false;
}
