#include "core/text/JapaneseTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Texts that Qt's Japanese catalogue of this Qt version lacks; they show in
// the file chooser's type column.
class MissingQtTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0 && qstrcmp(context, "QFileIconProvider") != 0)
            return QString();
        static const struct {
            const char *english;
            const char16_t *japanese;
        } texts[] = {
            {"Folder", u"フォルダー"}, {"File", u"ファイル"}, {"Drive", u"ドライブ"},
            {"%1 File", u"%1 ファイル"}, {"Alias", u"エイリアス"}, {"Shortcut", u"ショートカット"},
        };
        for (const auto &text : texts)
            if (qstrcmp(sourceText, text.english) == 0)
                return QString::fromUtf16(text.japanese);
        return QString();
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
