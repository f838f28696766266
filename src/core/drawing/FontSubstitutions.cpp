#include "core/drawing/FontSubstitutions.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <algorithm>

void InstallFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    struct Mapping {
        const char16_t *windowsName;
        const char *installed;
        const char *fallback;
    };
    // Fixed-pitch Mincho and Gothic, their proportional forms, and the Gothic
    // families that later Windows versions bring. Both the full-width and the
    // half-width spellings of the "MS" names occur in layouts.
    static const Mapping mappings[] = {
        {u"ＭＳ 明朝", "IPAMincho", "IPAexMincho"},
        {u"MS Mincho", "IPAMincho", "IPAexMincho"},
        {u"ＭＳ Ｐ明朝", "IPAPMincho", "IPAMincho"},
        {u"MS PMincho", "IPAPMincho", "IPAMincho"},
        {u"ＭＳ ゴシック", "IPAGothic", "IPAexGothic"},
        {u"MS Gothic", "IPAGothic", "IPAexGothic"},
        {u"ＭＳ Ｐゴシック", "IPAPGothic", "IPAGothic"},
        {u"MS PGothic", "IPAPGothic", "IPAGothic"},
        {u"ＭＳ ＵＩ ゴシック", "IPAPGothic", "IPAGothic"},
        {u"MS UI Gothic", "IPAPGothic", "IPAGothic"},
        {u"メイリオ", "IPAPGothic", "IPAGothic"},
        {u"Meiryo", "IPAPGothic", "IPAGothic"},
        {u"Meiryo UI", "IPAPGothic", "IPAGothic"},
        {u"游ゴシック", "IPAPGothic", "IPAGothic"},
        {u"Yu Gothic", "IPAPGothic", "IPAGothic"},
        {u"游明朝", "IPAPMincho", "IPAMincho"},
        {u"Yu Mincho", "IPAPMincho", "IPAMincho"},
        {u"HG丸ｺﾞｼｯｸM-PRO", "IPAPGothic", "IPAGothic"},
        {u"HG正楷書体-PRO", "IPAPMincho", "IPAMincho"},
    };
    for (const Mapping &m : mappings) {
        QFont::insertSubstitutions(QString::fromUtf16(m.windowsName),
                                   {QString::fromLatin1(m.installed), QString::fromLatin1(m.fallback)});
    }
}

QString InstalledFamily(const QString &faceName)
{
    static QMutex mutex;
    static QHash<QString, QString> families;
    const QMutexLocker lock(&mutex);
    const auto known = families.constFind(faceName);
    if (known != families.constEnd())
        return *known;
    QString family = faceName;
    if (!QFontDatabase::hasFamily(faceName)) {
        const QStringList mapped = QFont::substitutes(faceName);
        const auto installed = std::find_if(mapped.begin(), mapped.end(),
                                            [](const QString &f) { return QFontDatabase::hasFamily(f); });
        if (installed != mapped.end())
            family = *installed;
    }
    families.insert(faceName, family);
    return family;
}
