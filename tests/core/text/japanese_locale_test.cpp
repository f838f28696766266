// The program asks for Japanese messages and dates before Qt starts; a locale
// the machine lacks must not leave the whole process in the "C" locale.

#include "core/text/JapaneseTranslations.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <clocale>

namespace {

class SavedEnvironment
{
public:
    SavedEnvironment()
    {
        for (const char *name : names)
            saved.append(qgetenv(name));
    }
    ~SavedEnvironment()
    {
        for (int i = 0; i < saved.size(); ++i)
            qputenv(names[i], saved[i]);
        std::setlocale(LC_ALL, "C");
    }
    static constexpr const char *names[] = {"LC_ALL", "LC_MESSAGES", "LC_TIME", "LANG"};

private:
    QList<QByteArray> saved;
};

} // namespace

TEST(JapaneseLocale, AMissingLocaleLeavesTheEnvironmentAsItIs)
{
    SavedEnvironment environment;
    qputenv("LANG", "C.UTF-8");
    qunsetenv("LC_MESSAGES");
    qunsetenv("LC_TIME");
    qputenv("LC_ALL", "");

    EXPECT_TRUE(PreferJapaneseSystemLocale({"xx_NOSUCH.UTF-8"}).isEmpty());
    EXPECT_FALSE(qEnvironmentVariableIsSet("LC_TIME"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("LC_MESSAGES"));
    // What QApplication does first: it must still succeed.
    EXPECT_NE(std::setlocale(LC_ALL, ""), nullptr);
}

TEST(JapaneseLocale, TheFirstInstalledCandidateIsAskedFor)
{
    SavedEnvironment environment;
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");

    // C.UTF-8 stands for an installed Japanese locale on any glibc machine.
    EXPECT_EQ(PreferJapaneseSystemLocale({"xx_NOSUCH.UTF-8", "C.UTF-8"}), QByteArray("C.UTF-8"));
    EXPECT_EQ(qgetenv("LC_TIME"), QByteArray("C.UTF-8"));
    EXPECT_EQ(qgetenv("LC_MESSAGES"), QByteArray("C.UTF-8"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("LC_ALL"));
    EXPECT_NE(std::setlocale(LC_ALL, ""), nullptr);
}
