#include "core/layout/Millimetre.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char *text;
    qint64 units;
    const char *formatted;
};

class MillimetreParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(MillimetreParse, ParsesExactlyAndFormatsShortest)
{
    const ParseCase &c = GetParam();
    const std::optional<Millimetre> mm = Millimetre::parse(QString::fromUtf8(c.text));
    ASSERT_TRUE(mm.has_value()) << c.text;
    EXPECT_EQ(mm->units(), c.units) << c.text;
    EXPECT_EQ(mm->toString(), QString::fromUtf8(c.formatted)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Values, MillimetreParse,
    ::testing::Values(ParseCase{"0", 0, "0"}, ParseCase{"12.3", 123000, "12.3"},
                      ParseCase{"-5.25", -52500, "-5.25"}, ParseCase{"0.0001", 1, "0.0001"},
                      ParseCase{"-0.0001", -1, "-0.0001"}, ParseCase{".5", 5000, "0.5"},
                      ParseCase{"+4", 40000, "4"}, ParseCase{"-0", 0, "0"},
                      ParseCase{"  7.50  ", 75000, "7.5"}, ParseCase{"210.0000", 2100000, "210"},
                      ParseCase{"3.7795", 37795, "3.7795"}, ParseCase{"1000000000000", 10000000000000000, "1000000000000"},
                      // Beyond four decimals: halves go to the even neighbour.
                      ParseCase{"1.00005", 10000, "1"}, ParseCase{"1.00015", 10002, "1.0002"},
                      ParseCase{"1.000050001", 10001, "1.0001"}, ParseCase{"1.00004999", 10000, "1"},
                      ParseCase{"-1.00015", -10002, "-1.0002"}, ParseCase{"0.99995", 10000, "1"},
                      ParseCase{"2.123456", 21235, "2.1235"}));

class MillimetreJunk : public ::testing::TestWithParam<const char *> {};

TEST_P(MillimetreJunk, IsNotANumber)
{
    EXPECT_FALSE(Millimetre::parse(QString::fromUtf8(GetParam())).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Values, MillimetreJunk,
                         ::testing::Values("", " ", ".", "-", "+", "abc", "1,5", "1.2.3", "--1", "1e3", "0x10",
                                           "１２", "12mm", "1 2", "1000000000001", "99999999999999999999",
                                           "1.5;", "\xef\xbf\xbd"));

TEST(Millimetre, FormatsEveryValueSoThatItParsesBack)
{
    for (qint64 units : {qint64(0), qint64(1), qint64(-1), qint64(9999), qint64(-10001), qint64(123456789),
                         qint64(5), qint64(50), qint64(500), qint64(-2100000)}) {
        const Millimetre mm = Millimetre::fromUnits(units);
        const std::optional<Millimetre> back = Millimetre::parse(mm.toString());
        ASSERT_TRUE(back.has_value()) << units;
        EXPECT_EQ(back->units(), units);
    }
}

TEST(Millimetre, ArithmeticStaysExact)
{
    const Millimetre a = *Millimetre::parse(QStringLiteral("0.1"));
    Millimetre sum;
    for (int i = 0; i < 10; ++i)
        sum = sum + a;
    EXPECT_EQ(sum, Millimetre::fromWhole(1));
    EXPECT_EQ((Millimetre::fromWhole(2) - *Millimetre::parse(QStringLiteral("2.5"))).toString(), QStringLiteral("-0.5"));
    EXPECT_TRUE((-Millimetre::fromWhole(3)) < Millimetre());
}

} // namespace
