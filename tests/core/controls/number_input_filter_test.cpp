#include "core/controls/NumberInputFilter.h"

#include <gtest/gtest.h>

namespace {

using Action = NumberInputFilter::KeyVerdict::Action;

struct KeyCase
{
    const char *name;
    const char *text;
    int selStart;
    int selLength;
    char key;
    bool ctrl;
    int maxIntLength;
    Action action;
    const char *resultText;  // for Replace
    int resultCaret;         // for Replace
};

void PrintTo(const KeyCase &c, std::ostream *os) { *os << c.name; }

class DecimalKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(DecimalKeys, AreFilteredAndSignsToggled)
{
    const KeyCase &c = GetParam();
    NumberEditModel model;
    model.setMaxIntLength(c.maxIntLength);
    const EditState state{QString::fromLatin1(c.text), c.selStart, c.selLength};
    const NumberInputFilter::KeyVerdict v = NumberInputFilter::key(state, QLatin1Char(c.key), c.ctrl, model);
    EXPECT_EQ(v.action, c.action);
    if (c.action == Action::Replace) {
        EXPECT_EQ(v.state.text, QString::fromLatin1(c.resultText));
        EXPECT_EQ(v.state.selStart, c.resultCaret);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DecimalKeys, testing::Values(
    KeyCase{"minus in front", "12.5", 4, 0, '-', false, 0, Action::Replace, "-12.5", 5},
    KeyCase{"minus with caret at start", "12.5", 0, 0, '-', false, 0, Action::Replace, "-12.5", 1},
    KeyCase{"minus again removes it", "-12.5", 5, 0, '-', false, 0, Action::Replace, "12.5", 4},
    KeyCase{"minus removed at the start", "-12.5", 0, 0, '-', false, 0, Action::Replace, "12.5", 0},
    KeyCase{"plus replaces minus", "-3", 2, 0, '+', false, 0, Action::Replace, "+3", 2},
    KeyCase{"minus replaces plus", "+3", 1, 0, '-', false, 0, Action::Replace, "-3", 1},
    KeyCase{"plus again removes it", "+3", 2, 0, '+', false, 0, Action::Replace, "3", 1},
    KeyCase{"minus on empty", "", 0, 0, '-', false, 0, Action::Replace, "-", 1},
    KeyCase{"selection at front deleted first", "12.5", 0, 2, '-', false, 0, Action::Replace, "-.5", 1},
    KeyCase{"selection inside moves along", "12.5", 1, 2, '-', false, 0, Action::Replace, "-12.5", 2},
    KeyCase{"digit", "12", 2, 0, '7', false, 0, Action::Insert, "", 0},
    KeyCase{"digit before the sign", "-12", 0, 0, '7', false, 0, Action::Discard, "", 0},
    KeyCase{"digit over a selected sign", "-12", 0, 1, '7', false, 0, Action::Insert, "", 0},
    KeyCase{"first separator", "12", 2, 0, '.', false, 0, Action::Insert, "", 0},
    KeyCase{"second separator", "12.5", 2, 0, '.', false, 0, Action::Discard, "", 0},
    KeyCase{"separator replacing the selected one", "12.5", 0, 4, '.', false, 0, Action::Insert, "", 0},
    KeyCase{"letter", "12", 2, 0, 'a', false, 0, Action::Discard, "", 0},
    KeyCase{"space", "12", 2, 0, ' ', false, 0, Action::Discard, "", 0},
    KeyCase{"group separator", "12", 2, 0, ',', false, 0, Action::Discard, "", 0},
    KeyCase{"ctrl passes anything", "12.5", 2, 0, '.', true, 0, Action::Insert, "", 0},
    KeyCase{"ctrl letter", "12", 2, 0, 'c', true, 0, Action::Insert, "", 0},
    KeyCase{"backspace", "12", 2, 0, '\b', false, 0, Action::Insert, "", 0},
    KeyCase{"tab", "12", 2, 0, '\t', false, 0, Action::Insert, "", 0},
    KeyCase{"enter", "12", 2, 0, '\r', false, 0, Action::Insert, "", 0},
    KeyCase{"integer part full", "123", 3, 0, '4', false, 3, Action::Discard, "", 0},
    KeyCase{"integer part full, sign not counted", "-123", 4, 0, '4', false, 3, Action::Discard, "", 0},
    KeyCase{"integer part full, groups not counted", "1,234", 5, 0, '5', false, 4, Action::Discard, "", 0},
    KeyCase{"integer part not yet full", "-12", 3, 0, '3', false, 3, Action::Insert, "", 0},
    KeyCase{"decimals after a full integer part", "123.4", 5, 0, '5', false, 3, Action::Insert, "", 0},
    KeyCase{"caret before the separator", "123.4", 3, 0, '5', false, 3, Action::Discard, "", 0},
    KeyCase{"integer digit selected", "123", 1, 1, '9', false, 3, Action::Insert, "", 0},
    KeyCase{"only decimals selected", "123.45", 4, 2, '9', false, 3, Action::Insert, "", 0},
    KeyCase{"separator at a full integer part", "123", 3, 0, '.', false, 3, Action::Insert, "", 0},
    KeyCase{"sign at a full integer part", "123", 3, 0, '-', false, 3, Action::Replace, "-123", 4}));

struct HexKeyCase
{
    const char *text;
    char key;
    bool validMinus;
    Action action;
    const char *resultText;
};

class HexKeys : public testing::TestWithParam<HexKeyCase> {};

TEST_P(HexKeys, AllowHexDigitsAndAMinusOnlyWhenValid)
{
    const HexKeyCase &c = GetParam();
    NumberEditModel model;
    model.setNumberType(TNumberType::ntHex);
    model.setValidMinus(c.validMinus);
    const QString text = QString::fromLatin1(c.text);
    const NumberInputFilter::KeyVerdict v =
        NumberInputFilter::key(EditState{text, int(text.size()), 0}, QLatin1Char(c.key), false, model);
    EXPECT_EQ(v.action, c.action) << c.text << " " << c.key;
    if (c.action == Action::Replace)
        EXPECT_EQ(v.state.text, QString::fromLatin1(c.resultText));
}

INSTANTIATE_TEST_SUITE_P(Cases, HexKeys, testing::Values(
    HexKeyCase{"F", 'a', false, Action::Insert, ""},
    HexKeyCase{"F", 'F', false, Action::Insert, ""},
    HexKeyCase{"F", '9', false, Action::Insert, ""},
    HexKeyCase{"F", 'g', false, Action::Discard, ""},
    HexKeyCase{"F", '.', false, Action::Discard, ""},
    HexKeyCase{"FF", '-', false, Action::Discard, ""},
    HexKeyCase{"FF", '-', true, Action::Replace, "-FF"},
    HexKeyCase{"-FF", '-', true, Action::Replace, "FF"},
    HexKeyCase{"-FF", '+', true, Action::Replace, "FF"},
    HexKeyCase{"FF", '+', true, Action::Discard, ""}));

struct PasteCase
{
    const char *name;
    const char *text;
    int selStart;
    int selLength;
    QString clipboard;
    bool pasted;
    const char *result;
    int caret;
};

void PrintTo(const PasteCase &c, std::ostream *os) { *os << c.name; }

class Paste : public testing::TestWithParam<PasteCase> {};

TEST_P(Paste, TakesOnlyCharactersThatFormANumber)
{
    const PasteCase &c = GetParam();
    const NumberEditModel model;
    const auto r = NumberInputFilter::paste(EditState{QString::fromLatin1(c.text), c.selStart, c.selLength},
                                            c.clipboard, model);
    ASSERT_EQ(r.has_value(), c.pasted);
    if (r) {
        EXPECT_EQ(r->text, QString::fromLatin1(c.result));
        EXPECT_EQ(r->selStart, c.caret);
        EXPECT_EQ(r->selLength, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Paste, testing::Values(
    PasteCase{"letters and groups dropped", "", 0, 0, QStringLiteral("a1,2.3b"), true, "12.3", 4},
    PasteCase{"inserted at the caret", "15", 1, 0, QStringLiteral("23"), true, "1235", 3},
    PasteCase{"replaces the selection", "1.5", 0, 3, QStringLiteral("-7.25"), true, "-7.25", 5},
    PasteCase{"second separator dropped", "1.5", 3, 0, QStringLiteral("2.5"), true, "1.525", 5},
    PasteCase{"one separator from the clipboard", "", 0, 0, QStringLiteral("1.2.3"), true, "1.23", 4},
    PasteCase{"sign first at the front", "5", 0, 0, QStringLiteral("-3"), true, "-35", 2},
    PasteCase{"sign not first", "", 0, 0, QStringLiteral("3-"), true, "3", 1},
    PasteCase{"sign not at the front", "12", 1, 0, QStringLiteral("-3"), true, "132", 2},
    PasteCase{"sign when the text has one", "-", 1, 0, QStringLiteral("-3"), true, "-3", 2},
    PasteCase{"refused before a sign", "-5", 0, 0, QStringLiteral("3"), false, "", 0},
    PasteCase{"a selected sign is no obstacle", "-5", 0, 2, QStringLiteral("7"), true, "7", 1},
    PasteCase{"nothing usable clears the selection", "12", 0, 2, QStringLiteral("abc"), true, "", 0},
    PasteCase{"full-width digits", "", 0, 0, QStringLiteral("１２．５"), true, "12.5", 4}));

TEST(Paste, TakesHexDigitsInHexMode)
{
    NumberEditModel model;
    model.setNumberType(TNumberType::ntHex);
    auto r = NumberInputFilter::paste(EditState{}, QStringLiteral("-0x1fz.5"), model);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text, QStringLiteral("01f5"));
    model.setValidMinus(true);
    r = NumberInputFilter::paste(EditState{}, QStringLiteral("-1f"), model);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text, QStringLiteral("-1f"));
}

TEST(Paste, UsesTheLocaleDecimalSeparator)
{
    NumberEditModel model;
    model.setSeparators({QLatin1Char(','), QLatin1Char('.')});
    const auto r = NumberInputFilter::paste(EditState{}, QStringLiteral("1.234,5"), model);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text, QStringLiteral("1234,5"));
}

}  // namespace
