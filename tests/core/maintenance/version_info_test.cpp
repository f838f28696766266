// The compiled-in version information and the maker's addresses.
#include "core/settings/Editions.h"
#include "core/maintenance/VersionInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionInfo, VersionLineIsJapanese)
{
    const VersionInfo v = VersionInfo::program();
    EXPECT_EQ(v.productVersion, "2.6.0.0");
    EXPECT_EQ(v.versionLine(), QStringLiteral("バージョン : 2.6.0.0"));
    EXPECT_FALSE(v.companyName.isEmpty());
    EXPECT_TRUE(v.legalCopyright.contains(v.companyName));
    EXPECT_FALSE(v.comments.isEmpty());
}

TEST(VersionInfo, AddressesAreUnderTheMakersSite)
{
    EXPECT_EQ(HomePageUrl().toString(), "https://www.korvel-soft.example/");
    const std::pair<int, const char *> pages[] = {{10, "brenno"}, {20, "quillo"}, {30, "dovrak"},
                                                  {40, "zerrat"}, {50, "morvik"}};
    for (const auto &[code, id] : pages) {
        EXPECT_EQ(OnlineHelpUrl(code).toString(), QString("https://www.korvel-soft.example/help/%1/").arg(id));
        EXPECT_EQ(OfflineHelpPath("/opt/p", code), QString("/opt/p/help/%1/index.html").arg(id));
    }
}

TEST(VersionInfo, EditionWithoutProfileHasNoHelp)
{
    for (int code : {60, 0, 70}) {
        EXPECT_TRUE(OnlineHelpUrl(code).isEmpty()) << code;
        EXPECT_TRUE(OfflineHelpPath("/opt/p", code).isEmpty()) << code;
    }
}

} // namespace
