#include "core/import/TelephoneParts.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const TelephoneParts &p, std::ostream *os)
{
    *os << "{\"" << p.first.toStdString() << "\", \"" << p.middle.toStdString() << "\", \""
        << p.last.toStdString() << "\"}";
}

namespace {

struct TelCase {
    const char *name;
    const char *number;
    const char *first, *middle, *last;
};

class TelephonePartsTest : public testing::TestWithParam<TelCase>
{
};

TEST_P(TelephonePartsTest, KeepsEveryDigit)
{
    const TelCase &c = GetParam();
    const TelephoneParts parts = SplitTelephone(QString::fromUtf8(c.number));
    EXPECT_EQ(parts, (TelephoneParts{QString::fromUtf8(c.first), QString::fromUtf8(c.middle), QString::fromUtf8(c.last)}));
    // Whatever the cut, the digits read in order are the number's digits.
    QString digitsIn, digitsOut;
    for (QChar ch : QString::fromUtf8(c.number))
        if (ch.isDigit())
            digitsIn += ch;
    for (QChar ch : parts.first + parts.middle + parts.last)
        if (ch.isDigit())
            digitsOut += ch;
    EXPECT_EQ(digitsOut, digitsIn);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TelephonePartsTest,
    testing::Values(
        TelCase{"threeThreeFour", "075-123-4567", "075", "123", "4567"},
        TelCase{"mobile", "090-1234-5678", "090", "1234", "5678"},
        TelCase{"tokyo", "03-1234-5678", "03", "1234", "5678"},
        TelCase{"fullWidthHyphens", "090－1234－5678", "090", "1234", "5678"},
        TelCase{"unicodeHyphen", "090‐1234‐5678", "090", "1234", "5678"},
        TelCase{"minusSign", "090−1234−5678", "090", "1234", "5678"},
        TelCase{"fullWidthDigits", "０９０－１２３４－５６７８", "０９０", "１２３４", "５６７８"},
        TelCase{"mixedHyphens", "06-6123－4567", "06", "6123", "4567"},
        TelCase{"blanksAroundParts", "  075 - 123 - 4567 ", "075", "123", "4567"},
        TelCase{"extension", "03-1234-5678-101", "03", "1234", "5678-101"},
        TelCase{"extensionFullWidth", "03-1234-5678－101", "03", "1234", "5678-101"},
        TelCase{"areaCodeAndRest", "03-12345678", "03", "1234", "5678"},
        TelCase{"mobileAreaAndRest", "090-12345678", "090", "1234", "5678"},
        TelCase{"areaCodeShortRest", "03-1234", "03", "", "1234"},
        TelCase{"noAreaCode", "1234-5678", "", "1234", "5678"},
        TelCase{"noHyphenTenDigits", "0751234567", "075", "123", "4567"},
        TelCase{"noHyphenTokyo", "0312345678", "03", "1234", "5678"},
        TelCase{"noHyphenOsaka", "0612345678", "06", "1234", "5678"},
        TelCase{"noHyphenMobile", "09012345678", "090", "1234", "5678"},
        TelCase{"noHyphenLocal", "12345678", "", "1234", "5678"},
        TelCase{"noHyphenShort", "110", "", "", "110"},
        TelCase{"blanksAsSeparators", "090 1234 5678", "090", "1234", "5678"},
        TelCase{"ideographicBlanks", "090　1234　5678", "090", "1234", "5678"},
        TelCase{"fourParts", "075-414-4321-99", "075", "414", "4321-99"},
        TelCase{"areaInBrackets", "(03)1234-5678", "03", "1234", "5678"},
        TelCase{"areaInBracketsWithBlank", "(03) 1234-5678", "03", "1234", "5678"},
        TelCase{"exchangeInBrackets", "03(1234)5678", "03", "1234", "5678"},
        TelCase{"fullWidthBrackets", "（０３）１２３４－５６７８", "０３", "１２３４", "５６７８"},
        TelCase{"areaInBracketsRestJoined", "(03)12345678", "03", "1234", "5678"},
        TelCase{"dots", "03.1234.5678", "03", "1234", "5678"},
        TelCase{"blanks", "075 414 4321", "075", "414", "4321"},
        TelCase{"hyphenAndBlank", "075-414 4321", "075", "414", "4321"},
        TelCase{"storedEmpty", "--", "", "", ""},
        TelCase{"storedNoArea", "-1234-5678", "", "1234", "5678"},
        TelCase{"storedFirstOnly", "03--", "03", "", ""},
        TelCase{"empty", "", "", "", ""}),
    [](const testing::TestParamInfo<TelCase> &info) { return std::string(info.param.name); });

TEST(TelephoneParts, HyphenVariantsBecomeAscii)
{
    EXPECT_EQ(WithAsciiHyphens(QStringLiteral("03－1234‐5678−9")), QStringLiteral("03-1234-5678-9"));
    EXPECT_EQ(WithAsciiHyphens(QStringLiteral("電話０３")), QStringLiteral("電話０３"));
    for (QChar c : QStringLiteral("-－‐−‑–—ー"))
        EXPECT_TRUE(IsTelephoneHyphen(c)) << c.unicode();
    for (QChar c : QStringLiteral("0０ (=_"))
        EXPECT_FALSE(IsTelephoneHyphen(c)) << c.unicode();
}

struct StoredCase {
    const char *typed;
    const char *stored;
};

// What shops type in a CSV file, as the address book keeps it.
TEST(TelephoneParts, TypedNumbersAreStoredWithTwoHyphens)
{
    const StoredCase cases[] = {
        {"(03)1234-5678", "03-1234-5678"},     {"075 414 4321", "075-414-4321"},
        {"03.1234.5678", "03-1234-5678"},      {"０３－１２３４－５６７８", "03-1234-5678"},
        {"0312345678", "03-1234-5678"},        {"（０３）１２３４－５６７８", "03-1234-5678"},
        {"075-414-4321-99", "075-414-4321-99"}, {"1234-5678", "-1234-5678"},
        {"", ""},                               {"  ", ""},
        {" なし ", "なし"},
    };
    for (const StoredCase &c : cases)
        EXPECT_EQ(StoredTelephone(QString::fromUtf8(c.typed)), QString::fromUtf8(c.stored)) << c.typed;
}

} // namespace
