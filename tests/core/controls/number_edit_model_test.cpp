#include "core/controls/NumberEditModel.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(NumberEditModel, StartsWithTheDocumentedDefaults)
{
    const NumberEditModel m;
    EXPECT_FALSE(m.AllowKeys());
    EXPECT_FALSE(m.Comma());
    EXPECT_EQ(m.Figure(), -1);
    EXPECT_FALSE(m.Fixed());
    EXPECT_EQ(m.Increment(), 1);
    EXPECT_FALSE(m.Limit());
    EXPECT_EQ(m.LimitOptions(), TLimitOptions(loMax | loMin));
    EXPECT_EQ(m.NumberType(), TNumberType::ntDecimal);
    EXPECT_EQ(m.Max(), 0);
    EXPECT_EQ(m.MaxIntLength(), 0);
    EXPECT_EQ(m.Min(), 0);
    EXPECT_EQ(m.RoundMode(), TRoundMode::rmDown);
    EXPECT_FALSE(m.ValidMinus());
    EXPECT_EQ(m.Value(), 0);
    EXPECT_FALSE(m.Wrap());
    EXPECT_TRUE(m.ZeroVisible());
    EXPECT_EQ(m.separators().decimal, QLatin1Char('.'));
    EXPECT_EQ(m.separators().thousands, QLatin1Char(','));
}

struct CanonicalCase
{
    Extended value;
    int figure;
    bool fixed;
    bool comma;
    TRoundMode mode;
    const char *currentText;
    const char *expectedText;
    Extended expectedValue;
};

class Canonical : public testing::TestWithParam<CanonicalCase> {};

TEST_P(Canonical, ShowsTheValueAndTakesBackWhatItShows)
{
    const CanonicalCase &c = GetParam();
    NumberEditModel m;
    m.setFigure(c.figure);
    m.setFixed(c.fixed);
    m.setComma(c.comma);
    m.setRoundMode(c.mode);
    m.setValue(c.value);
    EXPECT_EQ(m.formatted(QString::fromLatin1(c.currentText)).text, QString::fromLatin1(c.expectedText));
    EXPECT_EQ(m.applyFormatted(QString::fromLatin1(c.currentText)), QString::fromLatin1(c.expectedText));
    EXPECT_EQ(m.Value(), c.expectedValue);
}

constexpr auto Down = TRoundMode::rmDown;
constexpr auto Round = TRoundMode::rmRound;
constexpr auto Up = TRoundMode::rmUp;

INSTANTIATE_TEST_SUITE_P(Cases, Canonical, testing::Values(
    CanonicalCase{0, -1, false, false, Down, "", "0", 0},
    CanonicalCase{0.000015L, -1, false, false, Down, "", "0.000015", 0.000015L},
    CanonicalCase{1.5e20L, -1, false, false, Down, "", "150000000000000000000", 1.5e20L},
    CanonicalCase{3, 2, true, false, Down, "", "3.00", 3},
    CanonicalCase{2.345L, 2, true, false, Down, "", "2.34", 2.34L},
    CanonicalCase{2.345L, 2, true, false, Round, "", "2.35", 2.35L},
    CanonicalCase{2.341L, 2, false, false, Up, "", "2.35", 2.35L},
    CanonicalCase{-1.96L, 1, true, false, Round, "", "-2.0", -2},
    CanonicalCase{1.5L, 3, true, false, Down, "", "1.500", 1.5L},
    CanonicalCase{1.5L, 3, false, false, Down, "", "1.5", 1.5L},
    CanonicalCase{2.5L, 0, true, false, Down, "", "2", 2},
    CanonicalCase{2.5L, 0, false, false, Round, "", "3", 3},
    CanonicalCase{-0.04L, 1, true, false, Down, "", "0.0", 0},  // no "-0.0"
    CanonicalCase{1234567.891L, -1, false, true, Down, "", "1,234,567.891", 1234567.891L},
    CanonicalCase{-1234567, 2, true, true, Down, "", "-1,234,567.00", -1234567},
    CanonicalCase{999.995L, 2, false, true, Round, "", "1,000.00", 1000},
    CanonicalCase{3, -1, false, false, Down, "+3", "+3", 3},
    CanonicalCase{-3, -1, false, false, Down, "+3", "-3", -3}));

TEST(Canonical, LeavesTheTextEmptyForAnInvisibleZero)
{
    NumberEditModel m;
    m.setZeroVisible(false);
    EXPECT_EQ(m.applyFormatted(QStringLiteral("0")), QString());
    m.setValue(0.004L);
    m.setFigure(2);
    EXPECT_EQ(m.applyFormatted(QString()), QString());
    m.setValue(5);
    EXPECT_EQ(m.applyFormatted(QString()), QStringLiteral("5"));
}

TEST(Canonical, WritesTheLocaleSeparators)
{
    NumberEditModel m;
    m.setSeparators({QLatin1Char(','), QLatin1Char('.')});
    m.setComma(true);
    m.setValue(-1234.5L);
    EXPECT_EQ(m.applyFormatted(QString()), QStringLiteral("-1.234,5"));
    EXPECT_EQ(m.Value(), -1234.5L);
}

TEST(Canonical, ClampsToTheLimits)
{
    NumberEditModel m;
    m.setValue(50);
    m.setMax(10);
    m.setLimit(true);
    EXPECT_EQ(m.applyFormatted(QString()), QStringLiteral("10"));
}

TEST(Limits, ClampOnlyByTheChosenBounds)
{
    NumberEditModel m;
    m.setMax(10);
    m.setMin(1);
    m.setValue(20);
    EXPECT_EQ(m.Value(), 20);  // Limit is off
    EXPECT_TRUE(m.setLimit(true));
    EXPECT_EQ(m.Value(), 10);
    m.setValue(-5);
    EXPECT_EQ(m.Value(), 1);
    m.setLimitOptions(loMax);
    m.setValue(-5);
    EXPECT_EQ(m.Value(), -5);
    m.setValue(50);
    EXPECT_EQ(m.Value(), 10);
}

TEST(Limits, MovingOneBoundPastTheOtherDragsItAlong)
{
    NumberEditModel m;
    m.setMax(10);
    m.setMin(5);
    m.setLimit(true);
    m.setValue(8);
    EXPECT_TRUE(m.setMax(3));
    EXPECT_EQ(m.Min(), 3);
    EXPECT_EQ(m.Value(), 3);
    EXPECT_TRUE(m.setMin(7));
    EXPECT_EQ(m.Max(), 7);
    EXPECT_EQ(m.Value(), 7);
}

TEST(Limits, BoundsGivenAsDoublesCompareWithTypedNumbers)
{
    NumberEditModel m;
    m.setLimit(true);
    m.setMax(0.3);  // a double, just below 0.3
    ASSERT_TRUE(m.textChanged(QStringLiteral("0.3"), 3).fire);
    EXPECT_EQ(m.Value(), m.Max());
}

struct IntegerCase
{
    Extended value;
    TRoundMode mode;
    int asInteger;
    qint64 asInt64;
};

class Integers : public testing::TestWithParam<IntegerCase> {};

TEST_P(Integers, RoundByModeAndClamp)
{
    NumberEditModel m;
    m.setRoundMode(GetParam().mode);
    m.setValue(GetParam().value);
    EXPECT_EQ(m.AsInteger(), GetParam().asInteger);
    EXPECT_EQ(m.IntValue(), GetParam().asInteger);
    EXPECT_EQ(m.AsInt64(), GetParam().asInt64);
}

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();
constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();

INSTANTIATE_TEST_SUITE_P(Cases, Integers, testing::Values(
    IntegerCase{3000000000.0L, Down, IntMax, Q_INT64_C(3000000000)},
    IntegerCase{-3000000000.0L, Down, IntMin, Q_INT64_C(-3000000000)},
    IntegerCase{-2.7L, Down, -2, -2},
    IntegerCase{-2.7L, Round, -3, -3},
    IntegerCase{2.5L, Round, 3, 3},
    IntegerCase{2.4L, Round, 2, 2},
    IntegerCase{2.1L, Up, 3, 3},
    IntegerCase{0.1L * 30, Up, 3, 3},  // binary noise does not round up
    IntegerCase{1e30L, Down, IntMax, Int64Max}));

TEST(Integers, WritingSetsTheValue)
{
    NumberEditModel m;
    m.setAsInt64(Q_INT64_C(9007199254740993));
    EXPECT_EQ(m.AsInt64(), Q_INT64_C(9007199254740993));
    m.setAsInteger(-7);
    EXPECT_EQ(m.Value(), -7);
}

TEST(AsText, IsTheGeneralFormatOrHex)
{
    NumberEditModel m;
    m.setValue(1.5e-6L);
    EXPECT_EQ(m.AsText(), QStringLiteral("1.5E-6"));
    m.setValue(12.5L);
    EXPECT_EQ(m.AsText(), QStringLiteral("12.5"));
    m.setSeparators({QLatin1Char(','), QLatin1Char('.')});
    EXPECT_EQ(m.AsText(), QStringLiteral("12,5"));
    m.setValue(255);
    m.setNumberType(TNumberType::ntHex);
    EXPECT_EQ(m.AsText(), QStringLiteral("FF"));
}

TEST(NumberTypeSwitch, GivesTheTextOfTheNewMode)
{
    NumberEditModel m;
    m.setValue(255.7L);
    m.setFigure(4);
    EXPECT_EQ(m.setNumberType(TNumberType::ntHex), QStringLiteral("00FF"));
    m.setFigure(-1);
    m.setValue(1.5e20L);
    EXPECT_EQ(m.setNumberType(TNumberType::ntDecimal), QStringLiteral("1.5E20"));
}

struct ChangeCase
{
    const char *text;
    int cursor;
    bool fire;
    Extended value;
    const char *shown;
    int shownCursor;
};

class TextChange : public testing::TestWithParam<ChangeCase> {};

TEST_P(TextChange, UpdatesTheValueAndRegroups)
{
    const ChangeCase &c = GetParam();
    NumberEditModel m;
    m.setValue(42);
    m.setComma(true);
    m.setFigure(2);
    m.setMax(100000);
    m.setMin(-100000);
    m.setLimit(true);
    const NumberEditModel::Change change = m.textChanged(QString::fromLatin1(c.text), c.cursor);
    EXPECT_EQ(change.fire, c.fire);
    EXPECT_EQ(m.Value(), c.value);
    EXPECT_EQ(change.text, QString::fromLatin1(c.shown));
    EXPECT_EQ(change.rewrite, change.text != QString::fromLatin1(c.text));
    EXPECT_EQ(change.cursor, c.shownCursor);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextChange, testing::Values(
    ChangeCase{"", 0, true, 0, "", 0},  // emptied: the value 0 is reported
    ChangeCase{"-", 1, true, 0, "-", 1},
    ChangeCase{"+", 1, true, 0, "+", 1},
    ChangeCase{"12.5", 4, true, 12.5L, "12.5", 4},
    ChangeCase{"1234", 4, true, 1234, "1,234", 5},
    ChangeCase{"2.349", 5, true, 2.34L, "2.349", 5},  // the value is rounded, the text is not
    ChangeCase{"9999999", 7, true, 100000, "9,999,999", 9},  // the value is clamped, the text is not
    ChangeCase{"abc", 3, false, 42, "abc", 3}));     // not a number: the value stays

// An emptied box holds 0, or the limit nearest to it, and reports only a change.
TEST(TextChange, AnEmptiedBoxHoldsZeroWithinTheLimits)
{
    struct Case
    {
        Extended before;
        Extended min;
        Extended max;
        bool fire;
        Extended value;
    };
    for (const Case c : {Case{5, -100, 100, true, 0}, Case{-100, -100, 100, true, 0}, Case{0, -100, 100, false, 0},
                         Case{7, 1, 1000, true, 1}, Case{1, 1, 1000, false, 1}}) {
        NumberEditModel m;
        m.setMax(c.max);
        m.setMin(c.min);
        m.setLimit(true);
        m.setValue(c.before);
        EXPECT_EQ(m.textChanged(QString(), 0).fire, c.fire) << double(c.before);
        EXPECT_EQ(m.Value(), c.value) << double(c.before);
    }
}

TEST(TextChange, ReadsHexadecimal)
{
    NumberEditModel m;
    m.setNumberType(TNumberType::ntHex);
    EXPECT_TRUE(m.textChanged(QStringLiteral("ff"), 2).fire);
    EXPECT_EQ(m.Value(), 255);
}

struct ArrowCase
{
    Extended value;
    Extended increment;
    bool limit;
    bool wrap;
    TLimitOptions options;
    TArrowDirection direction;
    Extended expected;
};

class Arrow : public testing::TestWithParam<ArrowCase> {};

TEST_P(Arrow, StepsWithinTheLimits)
{
    const ArrowCase &c = GetParam();
    NumberEditModel m;
    m.setMax(1);
    m.setMin(0);
    m.setValue(c.value);
    m.setIncrement(c.increment);
    m.setWrap(c.wrap);
    m.setLimitOptions(c.options);
    m.setLimit(c.limit);
    EXPECT_EQ(m.arrowTarget(c.direction), c.expected);
}

const TLimitOptions Both(loMax | loMin);

INSTANTIATE_TEST_SUITE_P(Cases, Arrow, testing::Values(
    ArrowCase{0.5L, 1, false, false, Both, TArrowDirection::adUp, 1.5L},
    ArrowCase{0.5L, 1, false, false, Both, TArrowDirection::adDown, -0.5L},
    ArrowCase{0.5L, 1, true, false, Both, TArrowDirection::adUp, 1},
    ArrowCase{0.5L, 1, true, false, Both, TArrowDirection::adDown, 0},
    ArrowCase{1, 0.25L, true, true, Both, TArrowDirection::adUp, 0},
    ArrowCase{0, 0.25L, true, true, Both, TArrowDirection::adDown, 1},
    ArrowCase{0.9L, 0.1, true, true, Both, TArrowDirection::adUp, 1},  // lands on the bound, no wrap
    ArrowCase{0, 0.25L, true, true, loMin, TArrowDirection::adDown, 0},  // wrapping needs both bounds
    ArrowCase{1, 0.25L, true, true, loMax, TArrowDirection::adUp, 1},
    ArrowCase{1, 0.25L, true, false, loMin, TArrowDirection::adUp, 1.25L}));

}  // namespace
