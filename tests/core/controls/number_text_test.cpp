#include "core/controls/NumberText.h"

#include <gtest/gtest.h>

namespace {

const NumberSeparators Japanese;  // "." and ","
const NumberSeparators German{QLatin1Char(','), QLatin1Char('.')};

struct ValueText
{
    Extended value;
    const char *text;
};

class PlainDecimal : public testing::TestWithParam<ValueText> {};

TEST_P(PlainDecimal, WritesUpTo15SignificantDigitsWithoutExponent)
{
    EXPECT_EQ(NumberText::plainDecimal(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, PlainDecimal, testing::Values(
    ValueText{0, "0"},
    ValueText{-0.0L, "0"},
    ValueText{0.000015L, "0.000015"},
    ValueText{1.5e20L, "150000000000000000000"},
    ValueText{-2.5L, "-2.5"},
    ValueText{12.34, "12.34"},               // a double, shown as typed
    ValueText{0.1L + 0.2L, "0.3"},
    ValueText{123456789012345678.0L, "123456789012346000"},
    ValueText{1e-20L, "0.00000000000000000001"},
    ValueText{999999999999999.9L, "1000000000000000"}));

class GeneralFormat : public testing::TestWithParam<ValueText> {};

TEST_P(GeneralFormat, UsesExponentOnlyForVeryLargeOrSmallValues)
{
    EXPECT_EQ(NumberText::generalFormat(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneralFormat, testing::Values(
    ValueText{3, "3"},
    ValueText{0.00001L, "0.00001"},
    ValueText{0.000015L, "0.000015"},
    ValueText{1.5e-6L, "1.5E-6"},
    ValueText{-2.5e-7L, "-2.5E-7"},
    ValueText{123456789012345.0L, "123456789012345"},
    ValueText{1e15L, "1E15"},
    ValueText{1.5e20L, "1.5E20"}));

struct RoundCase
{
    const char *plain;
    int figure;
    TRoundMode mode;
    const char *expected;
};

class RoundDecimals : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimals, DropsSurplusDigitsByMode)
{
    const RoundCase &c = GetParam();
    EXPECT_EQ(NumberText::roundDecimals(QString::fromLatin1(c.plain), c.figure, c.mode),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundDecimals, testing::Values(
    RoundCase{"2.345", 2, TRoundMode::rmDown, "2.34"},
    RoundCase{"2.345", 2, TRoundMode::rmRound, "2.35"},
    RoundCase{"2.344", 2, TRoundMode::rmRound, "2.34"},
    RoundCase{"2.3401", 2, TRoundMode::rmUp, "2.35"},
    RoundCase{"2.3400", 2, TRoundMode::rmUp, "2.34"},
    RoundCase{"-1.96", 1, TRoundMode::rmRound, "-2.0"},
    RoundCase{"-2.7", 0, TRoundMode::rmDown, "-2"},
    RoundCase{"-0.5", 0, TRoundMode::rmRound, "-1"},
    RoundCase{"99.5", 0, TRoundMode::rmRound, "100"},
    RoundCase{"0.995", 2, TRoundMode::rmRound, "1.00"},
    RoundCase{"9.91", 1, TRoundMode::rmUp, "10.0"},
    RoundCase{"1.2", 3, TRoundMode::rmRound, "1.2"},
    RoundCase{"1.25", -1, TRoundMode::rmUp, "1.25"},
    RoundCase{"7", 2, TRoundMode::rmUp, "7"}));

struct ReadCase
{
    const char *text;
    std::optional<Extended> expected;
};

class ReadDecimal : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadDecimal, ReadsBoxTexts)
{
    const std::optional<Extended> read = NumberText::readDecimal(QString::fromLatin1(GetParam().text), Japanese);
    ASSERT_EQ(read.has_value(), GetParam().expected.has_value()) << GetParam().text;
    if (read)
        EXPECT_EQ(*read, *GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadDecimal, testing::Values(
    ReadCase{"", 0},
    ReadCase{"-", 0},
    ReadCase{"+", 0},
    ReadCase{".", 0},
    ReadCase{"-.", 0},
    ReadCase{"1,234", 1234},
    ReadCase{"12.5", 12.5L},
    ReadCase{"-12.5", -12.5L},
    ReadCase{"+3", 3},
    ReadCase{"-.5", -0.5L},
    ReadCase{"5.", 5},
    ReadCase{"1\t2", 12},                                  // control characters are ignored
    ReadCase{"9223372036854775807", 9223372036854775807.0L},  // exact in 64 bits
    ReadCase{"99999999999999999999", 99999999999999999999.0L},
    ReadCase{"1E20", 1e20L},
    ReadCase{"1.5E-6", 1.5e-6L},
    ReadCase{"5-", std::nullopt},
    ReadCase{"1-2", std::nullopt},
    ReadCase{"abc", std::nullopt},
    ReadCase{"1e", std::nullopt},
    ReadCase{"1.2.3", std::nullopt}));

TEST(ReadDecimal, UsesTheLocaleSeparators)
{
    EXPECT_EQ(NumberText::readDecimal(QStringLiteral("1.234,5"), German), 1234.5L);
    EXPECT_EQ(NumberText::readDecimal(QStringLiteral("-1.234"), German), -1234);
    EXPECT_EQ(NumberText::readDecimal(QStringLiteral("1,2,3"), German), std::nullopt);
}

TEST(ReadDecimal, ReadsA64BitIntegerExactly)
{
    const auto read = NumberText::readDecimal(QStringLiteral("-9007199254740993"), Japanese);
    ASSERT_TRUE(read);
    EXPECT_EQ(qint64(*read), Q_INT64_C(-9007199254740993));  // beyond a double's 53 bits
}

struct HexReadCase
{
    const char *text;
    bool validMinus;
    std::optional<Extended> expected;
};

class ReadHex : public testing::TestWithParam<HexReadCase> {};

TEST_P(ReadHex, ReadsHexadecimalTexts)
{
    EXPECT_EQ(NumberText::readHex(QString::fromLatin1(GetParam().text), GetParam().validMinus), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadHex, testing::Values(
    HexReadCase{"", false, 0},
    HexReadCase{"ff", false, 255},
    HexReadCase{"-1F", true, -31},
    HexReadCase{"-1F", false, std::nullopt},
    HexReadCase{"G", false, std::nullopt},
    HexReadCase{"0x10", false, std::nullopt},
    HexReadCase{"FFFFFFFFFFFFFFFF", false, 18446744073709551615.0L},
    HexReadCase{"1FFFFFFFFFFFFFFFF", false, std::nullopt}));

struct HexTextCase
{
    Extended value;
    int figure;
    bool validMinus;
    const char *expected;
};

class HexText : public testing::TestWithParam<HexTextCase> {};

TEST_P(HexText, WritesTheIntegerPartInHex)
{
    const HexTextCase &c = GetParam();
    EXPECT_EQ(NumberText::hexText(c.value, c.figure, c.validMinus), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, HexText, testing::Values(
    HexTextCase{255, -1, false, "FF"},
    HexTextCase{255, 4, false, "00FF"},
    HexTextCase{0, 0, false, "0"},
    HexTextCase{2.9L, -1, false, "2"},
    HexTextCase{-31, -1, true, "-1F"},
    HexTextCase{-31, -1, false, "0"},
    HexTextCase{5e9L, -1, false, "FFFFFFFF"},
    HexTextCase{-1e30L, -1, true, "-8000000000000000"}));

struct GroupCase
{
    const char *text;
    int cursor;
    const char *grouped;
    int groupedCursor;
};

class Regroup : public testing::TestWithParam<GroupCase> {};

TEST_P(Regroup, GroupsTheIntegerPartAndKeepsTheCaretWithItsDigits)
{
    const GroupCase &c = GetParam();
    const NumberText::Regrouped r = NumberText::regroup(QString::fromLatin1(c.text), c.cursor, Japanese);
    EXPECT_EQ(r.text, QString::fromLatin1(c.grouped));
    EXPECT_EQ(r.cursor, c.groupedCursor) << c.text;
    EXPECT_EQ(NumberText::groupThousands(QString::fromLatin1(c.text), Japanese), QString::fromLatin1(c.grouped));
}

INSTANTIATE_TEST_SUITE_P(Cases, Regroup, testing::Values(
    GroupCase{"1234", 4, "1,234", 5},          // typed at the end: one right
    GroupCase{"1,2345", 6, "12,345", 6},
    GroupCase{"12,34", 5, "1,234", 5},         // deleted at the end: one left
    GroupCase{"4123", 1, "4,123", 1},
    GroupCase{"1234567", 7, "1,234,567", 9},   // a pasted run keeps the caret at the end
    GroupCase{"07", 2, "7", 1},
    GroupCase{"1234.5678", 9, "1,234.5678", 10},
    GroupCase{"-1234", 1, "-1,234", 1},
    GroupCase{"+1234", 5, "+1,234", 6},
    GroupCase{"1,2,3,4", 7, "1,234", 5},
    GroupCase{"-.5", 3, "-.5", 3},
    GroupCase{"", 0, "", 0},
    GroupCase{"12a4", 4, "12a4", 4}));

TEST(Regroup, UsesTheLocaleSeparators)
{
    EXPECT_EQ(NumberText::groupThousands(QStringLiteral("1234567,25"), German), QStringLiteral("1.234.567,25"));
}

TEST(Localised, PutsTheLocaleDecimalSeparatorIn)
{
    EXPECT_EQ(NumberText::localised(QStringLiteral("-2.5"), German), QStringLiteral("-2,5"));
    EXPECT_EQ(NumberText::localised(QStringLiteral("-2.5"), Japanese), QStringLiteral("-2.5"));
}

}  // namespace
