#include "core/text/QtTextsInJapanese.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

struct QtText
{
    const char *context;
    const char *english;
    const char16_t *japanese;
};

// Contexts and source texts exactly as Qt 6.4 asks for them.
const QtText QtTexts[] = {
    // The file chooser's type column.
    {"QAbstractFileIconProvider", "Folder", u"フォルダー"},
    {"QAbstractFileIconProvider", "File", u"ファイル"},
    {"QAbstractFileIconProvider", "Drive", u"ドライブ"},
    {"QAbstractFileIconProvider", "%1 File", u"%1 ファイル"},
    {"QAbstractFileIconProvider", "Alias", u"エイリアス"},
    {"QAbstractFileIconProvider", "Shortcut", u"ショートカット"},
    {"QFileIconProvider", "Folder", u"フォルダー"},
    {"QFileIconProvider", "File", u"ファイル"},
    {"QFileIconProvider", "Drive", u"ドライブ"},
    {"QFileIconProvider", "%1 File", u"%1 ファイル"},
    {"QFileIconProvider", "Alias", u"エイリアス"},
    {"QFileIconProvider", "Shortcut", u"ショートカット"},
    // The print dialog's options page.
    {"QPrintSettingsOutput", "Pages", u"ページ指定"},
    {"QPrintSettingsOutput", "Double Sided Printing", u"両面印刷"},
    {"QPrintSettingsOutput", "Off", u"しない"},
    {"QPrintSettingsOutput", "Long side binding", u"長辺とじ"},
    {"QPrintSettingsOutput", "Short side binding", u"短辺とじ"},
    // The printer properties dialog.
    {"QPrintPropertiesWidget", "Advanced", u"詳細設定"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     u"組み合わせられない設定があります。直してください。"},
};

// A Japanese clerk's B4 and B5 are the JIS sizes: the JIS sizes take the
// plain names and the ISO ones are marked.
QString paperName(const char *source)
{
    const QString name = QString::fromLatin1(source);
    static const QRegularExpression jis(QStringLiteral("^JIS (B\\d+)$"));
    static const QRegularExpression iso(QStringLiteral("^B\\d+$"));
    if (const QRegularExpressionMatch m = jis.match(name); m.hasMatch())
        return m.captured(1);
    if (iso.match(name).hasMatch())
        return name + QStringLiteral(" (ISO)");
    return QString();
}

} // namespace

QString MissingQtText(const char *context, const char *source)
{
    if (!context || !source)
        return QString();
    if (qstrcmp(context, "QPageSize") == 0)
        return paperName(source);
    for (const QtText &text : QtTexts)
        if (qstrcmp(context, text.context) == 0 && qstrcmp(source, text.english) == 0)
            return QString::fromUtf16(text.japanese);
    return QString();
}

QString FontStyleNameInJapanese(const QString &styleName)
{
    static const struct
    {
        const char *english;
        const char16_t *japanese;
    } words[] = {
        {"regular", u"標準"},     {"normal", u"標準"},        {"book", u"標準"},       {"roman", u"標準"},
        {"bold", u"太字"},        {"italic", u"斜体"},        {"oblique", u"斜体"},    {"medium", u"中太"},
        {"light", u"細字"},       {"thin", u"極細"},          {"extralight", u"極細"}, {"ultralight", u"極細"},
        {"semibold", u"やや太字"}, {"demibold", u"やや太字"},  {"extrabold", u"特太"},  {"ultrabold", u"特太"},
        {"black", u"極太"},       {"heavy", u"極太"},         {"condensed", u"縦長"},  {"expanded", u"横長"},
    };
    QStringList out;
    for (const QString &word : styleName.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // "Extra Light" and "ExtraLight" are one word to a font.
        const QString key = word.toLower().remove(QLatin1Char('-'));
        QString japanese;
        for (const auto &w : words)
            if (key == QLatin1String(w.english))
                japanese = QString::fromUtf16(w.japanese);
        if (japanese.isEmpty())
            return styleName;
        out << japanese;
    }
    return out.isEmpty() ? styleName : out.join(QLatin1Char(' '));
}

QString JapaneseFontSample()
{
    return QStringLiteral("あア亜Aa");
}
