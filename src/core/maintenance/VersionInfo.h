#pragma once
// The program's own version information and the maker's addresses. On Linux
// there is no version resource in the executable: the values are compiled in.

#include <QString>
#include <QUrl>
#include <utility>
#include <vector>

struct VersionInfo {
    // The values in the order a version block lists them; absent ones are empty.
    QString companyName;
    QString fileDescription;
    QString fileVersion;
    QString internalName;
    QString legalCopyright;
    QString legalTrademarks;
    QString originalFilename;
    QString productName;
    QString productVersion;
    QString comments;

    // This release's values.
    static VersionInfo program();

    // "バージョン : " and the version: the dialog speaks Japanese like the rest
    // of the program, not the version block's English key.
    QString versionLine() const;
};

// The maker's home page.
QUrl HomePageUrl();

// The online help page of an edition (10 to 50); an empty URL for an edition
// without help (60 and unknown codes).
QUrl OnlineHelpUrl(int editionCode);

// ProgramDir/help/<identifier>/index.html, or empty for an edition without help.
QString OfflineHelpPath(const QString &programDir, int editionCode);
