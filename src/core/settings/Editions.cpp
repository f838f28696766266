#include "core/settings/Editions.h"

#include <QFileInfo>

QString InitialApplicationTitle()
{
    return QStringLiteral("送り状印刷プログラム-モルヴィク運送編-");
}

const std::vector<Edition> &Editions()
{
    static const std::vector<Edition> table = {
        {EditionBrenno, "brenno", "brenno_xe2", "brenno_xe2", QStringLiteral("郵便払込票印刷ソフト"),
         "help/brenno/index.html", true, QStringLiteral("払込取扱票.sle")},
        {EditionQuillo, "quillo", "quillo_xe2", "quillo_xe2", QStringLiteral("送り状印刷ソフト・クィロ便版"),
         "help/quillo/index.html", true, QStringLiteral("quil_lo.sle")},
        {EditionDovrak, "dovrak", "dovrak_xe2", "dovrak_xe2", QStringLiteral("送り状印刷ソフト・ドヴラク便版"),
         "help/dovrak/index.html", true, QStringLiteral("dovrak.sle")},
        {EditionZerrat, "zerrat", "zerrat_xe2", "zerrat_xe2", QStringLiteral("送り状印刷ソフト・ゼラット運輸版"),
         "help/zerrat/index.html", true, QStringLiteral("zerrat.sle")},
        {EditionMorvik, "morvik", "morvik_xe2", "morvik_xe2", QStringLiteral("送り状印刷ソフト・モルヴィク運送版"),
         "help/morvik/index.html", true, QStringLiteral("morvik.sle")},
        {EditionLusket, "lusket", "lusket_xe2", "lusket_xe2", QString(), QString(), false, QString()},
    };
    return table;
}

const Edition &EditionFor(int code)
{
    for (const Edition &e : Editions())
        if (e.code == code)
            return e;
    return Editions().front();
}

int EditionFromExeName(const QString &invokedName)
{
    // Only the last path element counts, so a symbolic link named after an
    // edition starts that edition.
    const QString name = QFileInfo(invokedName).fileName();
    for (const Edition &e : Editions()) {
        if (name == e.exeName || name == e.exeName + QLatin1String(".exe"))
            return e.code;
    }
    return EditionBrenno;
}
