#include "core/maintenance/VersionInfo.h"

#include "core/settings/Editions.h"

namespace {

const QString Site = QStringLiteral("https://www.korvel-soft.example/");

} // namespace

VersionInfo VersionInfo::program()
{
    VersionInfo v;
    v.companyName = QStringLiteral("コルヴェル・ソフト");
    v.fileDescription = QStringLiteral("送り状・郵便払込票印刷ソフト");
    v.fileVersion = QStringLiteral("2.6.0.0");
    v.internalName = QStringLiteral("korvel");
    v.legalCopyright = QStringLiteral("Copyright (C) 2025 コルヴェル・ソフト");
    v.originalFilename = QStringLiteral("korvel");
    v.productName = QStringLiteral("コルヴェル 送り状印刷ソフト");
    v.productVersion = QStringLiteral("2.6.0.0");
    v.comments = QStringLiteral("小さなお店と事務所のための、送り状と払込取扱票の印刷ソフトです。");
    return v;
}

QString VersionInfo::versionLine() const
{
    return QStringLiteral("バージョン : ") + productVersion;
}

QUrl HomePageUrl()
{
    return QUrl(Site);
}

QUrl OnlineHelpUrl(int editionCode)
{
    const Edition &e = EditionFor(editionCode);
    if (e.code != editionCode || !e.onlineHelp)
        return {};
    return QUrl(Site + QStringLiteral("help/") + e.identifier + u'/');
}

QString OfflineHelpPath(const QString &programDir, int editionCode)
{
    const Edition &e = EditionFor(editionCode);
    if (e.code != editionCode || e.helpPage.isEmpty())
        return {};
    return programDir + u'/' + e.helpPage;
}
