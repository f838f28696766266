#include "core/text/JapaneseTranslations.h"

#include "core/text/QtTextsInJapanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <string>

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

// The C library takes the environment's locale as a whole: one category that
// names a locale this machine lacks makes setlocale(LC_ALL, "") fail, the
// process stays in "C", and texts handed to X in the locale's encoding (the
// window title's legacy property, input methods) come out garbled. So a name
// is only used when the library accepts it.
static bool LocaleIsInstalled(const QByteArray &name)
{
    const char *current = std::setlocale(LC_TIME, nullptr);
    const std::string saved = current ? current : "C";
    const bool installed = std::setlocale(LC_TIME, name.constData()) != nullptr;
    std::setlocale(LC_TIME, saved.c_str());
    return installed;
}

QByteArray PreferJapaneseSystemLocale(const QList<QByteArray> &candidates)
{
    for (const QByteArray &name : candidates) {
        if (!LocaleIsInstalled(name))
            continue;
        qputenv("LC_MESSAGES", name);
        qputenv("LC_TIME", name);
        // LC_ALL would override both.
        qunsetenv("LC_ALL");
        return name;
    }
    return QByteArray();
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
