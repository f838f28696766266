#include "ui/main/FontConfigWarmUp.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>

#include <fontconfig/fontconfig.h>

FontConfigWarmUp::FontConfigWarmUp() : m_thread([] { FcInit(); }) {}

void FontConfigWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

namespace {

// The family fontconfig matches for a pattern ("sans-serif:lang=ja"); the
// English name where the font has one, the name Qt lists its fonts by.
QString MatchedFamily(const char *generic)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(generic));
    if (!pattern)
        return QString();
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return QString();
    QString family;
    FcChar8 *name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        FcChar8 *language = nullptr;
        const bool english = FcPatternGetString(match, FC_FAMILYLANG, i, &language) == FcResultMatch
                             && qstrcmp(reinterpret_cast<const char *>(language), "en") == 0;
        if (family.isEmpty() || english)
            family = QString::fromUtf8(reinterpret_cast<const char *>(name));
        if (english)
            break;
    }
    FcPatternDestroy(match);
    return family;
}

} // namespace

void UseConcreteInterfaceFamily()
{
    QFont font = QApplication::font();
    const QString family = font.family();
    if (family.compare(QLatin1String("Sans Serif"), Qt::CaseInsensitive) != 0
        && family.compare(QLatin1String("sans-serif"), Qt::CaseInsensitive) != 0)
        return;
    const QString concrete = MatchedFamily("sans-serif:lang=ja");
    if (concrete.isEmpty())
        return;
    font.setFamilies({concrete});
    QApplication::setFont(font);
}

void LoadApplicationFontEngines()
{
    // One character of each script, all of them on the window anyway: a tab
    // title's kanji, hiragana and katakana, a button's long-vowel mark, a
    // box's Latin letter and digit.
    const QString sample = QStringLiteral(u"印お届リーTEL1");
    QFont font = QApplication::font();
    QFontMetrics(font).horizontalAdvance(sample);
    font.setBold(true);
    QFontMetrics(font).horizontalAdvance(sample);
}
