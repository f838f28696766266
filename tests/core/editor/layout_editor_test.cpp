#include "core/text/TextFields.h"
#include "core/editor/FieldLine.h"
#include "core/editor/LayoutEditor.h"
#include "core/layout/StyleData.h"

#include <gtest/gtest.h>

namespace {

Millimetre mm(const char *text)
{
    return *Millimetre::parse(QString::fromLatin1(text));
}

// At 25.4 dpi one pixel is one millimetre: every character is 10 mm wide and a
// text is as high as its pixel size (12 pt -> 4 px).
EdgeMeasure fakeMeasure()
{
    return EdgeMeasure([](const QString &, int pixelSize, const QString &text) {
        return QSizeF(10.0 * text.size(), pixelSize);
    }, 25.4, 25.4);
}

const QString header = QStringLiteral("header;Ver1.2;0;0;9;0;401;100;0;0;;");
// Item 5: horizontal at 12.34, 20 with shadow, colours, bold Gothic 10 pt.
const QString item5 = QStringLiteral("0;5;0;0;char;12.34;20;0;0;0.5;0.25;0;255;ＭＳ ゴシック;10;太字;0;1.5;65280;山田;0;0;");
const QString item7 = QStringLiteral("1;7;0;0;data;30;40;0;0;0;0;45;0;ＭＳ 明朝;12;;1;0;0;東京都;1;20;");

struct Fixture : ::testing::Test {
    StyleData style;
    LayoutEditor editor{style, fakeMeasure()};
    void SetUp() override { style.setLines({header, item5, item7}); }
};

} // namespace

TEST_F(Fixture, SelectingAFieldLoadsItsLine)
{
    editor.dataselect(5);
    EXPECT_EQ(editor.selectedId(), 5);
    EXPECT_EQ(editor.selectedLine(), 1);
    const FieldSettings &s = editor.settings();
    EXPECT_EQ(s.x, mm("12.34"));
    EXPECT_EQ(s.y, mm("20"));
    EXPECT_EQ(s.shadowX, mm("0.5"));
    EXPECT_EQ(s.shadowY, mm("0.25"));
    EXPECT_EQ(s.secondColour, 255);
    EXPECT_EQ(s.fontName, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(s.fontSize, QStringLiteral("10"));
    EXPECT_EQ(s.fontStyle, QStringLiteral("太字"));
    EXPECT_TRUE(s.horizontal);
    EXPECT_EQ(s.pitch, mm("1.5"));
    EXPECT_EQ(s.colour, 65280);
    EXPECT_EQ(editor.keptText(), QStringLiteral("山田"));
    // Pitched: one pitch and the last character (10 mm) from X cut to 12.3;
    // across, the height of 10 pt at 25.4 dpi (4 px).
    EXPECT_EQ(editor.keptEdges().right, mm("23.8"));
    EXPECT_EQ(editor.keptEdges().bottom, mm("24"));
    EXPECT_EQ(style.line(1), item5) << "selecting writes nothing";
}

TEST_F(Fixture, WritingBackKeepsTheTextAndNormalisesTheLine)
{
    editor.dataselect(7);
    ASSERT_TRUE(editor.chchange());
    // Kind "char", flag 0, rotation 0, vertical kept, printed, no length limit,
    // edges measured: the vertical run (half of 12 pt per character) and the
    // width of one character across.
    EXPECT_EQ(style.line(2), QStringLiteral("0;7;0;0;char;30;40;40;56;0;0;0;0;ＭＳ 明朝;12;;1;0;0;東京都;0;0;"));
}

struct ModeCase {
    const char *mode;
    const char *written;
};

class TextModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(TextModes, VerticalStaysVerticalAndTheOthersBecomeHorizontal)
{
    StyleData style;
    style.setLines({header, QStringLiteral("0;9;0;0;char;10;10;0;0;0;0;30;0;ＭＳ 明朝;12;;%1;0;0;あ;1;8;").arg(QLatin1String(GetParam().mode))});
    LayoutEditor editor(style, fakeMeasure());
    editor.dataselect(9);
    ASSERT_TRUE(editor.chchange());
    EXPECT_EQ(NthField(style.line(1), 17), QLatin1String(GetParam().written)) << GetParam().mode;
    EXPECT_EQ(NthField(style.line(1), 12), QLatin1String("0"));
    EXPECT_EQ(NthField(style.line(1), 21), QLatin1String("0"));
    EXPECT_EQ(NthField(style.line(1), 22), QLatin1String("0"));
}

INSTANTIATE_TEST_SUITE_P(Modes, TextModes,
                         ::testing::Values(ModeCase{"0", "0"}, ModeCase{"1", "1"}, ModeCase{"2", "0"},
                                           ModeCase{"3", "0"}, ModeCase{"4", "0"}, ModeCase{"5", "1"},
                                           ModeCase{"x", "0"}));

TEST_F(Fixture, AFieldTheLayoutLacksGetsANewLineFromTheCurrentSettings)
{
    editor.dataselect(5);
    editor.settings().fontSize = QStringLiteral("0");
    editor.settings().fontName.clear();
    editor.dataselect(42);
    ASSERT_EQ(style.lineCount(), 4);
    EXPECT_EQ(editor.selectedLine(), 3);
    // At the last position, with the defaults for the blank size and font, and
    // an empty text: the previous field's text is not copied into it.
    EXPECT_EQ(style.line(3),
              QStringLiteral("0;42;0;0;char;12.3;20;12.3;20;0.5;0.25;0;255;ＭＳ 明朝;12;太字;0;1.5;65280;;0;0;"));
    editor.dataselect(42);
    EXPECT_EQ(style.lineCount(), 4) << "a second press finds the new line";
}

struct NudgeCase {
    const char *name;
    const char *x;
    LayoutEditor::Nudge direction;
    Qt::KeyboardModifiers keys;
    const char *expectedX;
    const char *expectedY;
};

class Nudges : public ::testing::TestWithParam<NudgeCase> {};

TEST_P(Nudges, MoveByTheStepOfTheKeysHeld)
{
    const NudgeCase &c = GetParam();
    StyleData style;
    style.setLines({header, QStringLiteral("0;3;0;0;char;%1;50.05;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;;0;0;").arg(QLatin1String(c.x))});
    LayoutEditor editor(style, fakeMeasure());
    editor.dataselect(3);
    ASSERT_TRUE(editor.nudge(c.direction, LayoutEditor::stepFor(c.keys)));
    EXPECT_EQ(NthField(style.line(1), 6), QLatin1String(c.expectedX)) << c.name;
    EXPECT_EQ(NthField(style.line(1), 7), QLatin1String(c.expectedY)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, Nudges,
    ::testing::Values(NudgeCase{"ctrl right at 12.34", "12.34", LayoutEditor::Nudge::Right, Qt::ControlModifier, "22.3", "50"},
                      NudgeCase{"shift left at 0.1", "0.1", LayoutEditor::Nudge::Left, Qt::ShiftModifier, "0", "50"},
                      NudgeCase{"plain up", "7", LayoutEditor::Nudge::Up, Qt::NoModifier, "7", "49"},
                      NudgeCase{"shift down", "7", LayoutEditor::Nudge::Down, Qt::ShiftModifier, "7", "50.1"},
                      NudgeCase{"shift wins over ctrl", "7", LayoutEditor::Nudge::Right,
                                Qt::ShiftModifier | Qt::ControlModifier, "7.1", "50"},
                      NudgeCase{"past zero", "0.5", LayoutEditor::Nudge::Left, Qt::NoModifier, "-0.5", "50"}));

TEST_F(Fixture, NothingIsWrittenWithoutASelection)
{
    EXPECT_FALSE(editor.hasSelection());
    EXPECT_FALSE(editor.chchange());
    EXPECT_FALSE(editor.nudge(LayoutEditor::Nudge::Right, mm("1")));
    EXPECT_EQ(style.lines(), QStringList({header, item5, item7}));
}

TEST_F(Fixture, AnotherLayoutNeverReceivesTheOldSelection)
{
    editor.dataselect(7); // line 2
    // Another layout is loaded, where line 2 is a different field.
    const QString other = QStringLiteral("0;1;0;0;char;5;5;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;;0;0;");
    const QString otherSecond = QStringLiteral("0;2;0;0;char;6;6;0;0;0;0;0;0;ＭＳ 明朝;12;;0;0;0;;0;0;");
    style.setLines({header, other, otherSecond});
    editor.clearSelection();
    EXPECT_FALSE(editor.chchange());
    EXPECT_FALSE(editor.nudge(LayoutEditor::Nudge::Down, mm("1")));
    EXPECT_EQ(style.lines(), QStringList({header, other, otherSecond}));

    // Even a load that forgets to clear cannot write into the wrong line.
    editor.dataselect(1);
    style.setLines({header, otherSecond, other});
    EXPECT_FALSE(editor.chchange());
    EXPECT_FALSE(editor.hasSelection());
    EXPECT_EQ(style.lines(), QStringList({header, otherSecond, other}));
}

TEST(LayoutEditor, SelectsNothingInALayoutThatFailedToLoad)
{
    StyleData style;
    style.setLines({});
    LayoutEditor editor(style, fakeMeasure());
    editor.dataselect(5);
    EXPECT_FALSE(editor.hasSelection());
    EXPECT_EQ(style.lineCount(), 0);
}

struct EdgeCase {
    const char *name;
    bool horizontal;
    const char *pitch;
    const char *size;
    const char *text;
    const char *right;
    const char *bottom;
};

class Edges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(Edges, FollowTheWritingDirectionAndPitch)
{
    const EdgeCase &c = GetParam();
    FieldSettings s;
    s.x = mm("20.05");
    s.y = mm("30");
    s.horizontal = c.horizontal;
    s.pitch = mm(c.pitch);
    s.fontSize = QString::fromLatin1(c.size);
    const FieldEdges e = fakeMeasure().measure(s, QString::fromUtf8(c.text));
    EXPECT_EQ(e.right, mm(c.right)) << c.name;
    EXPECT_EQ(e.bottom, mm(c.bottom)) << c.name;
}

// 12 pt at 25.4 dpi is 4 px high; 24 pt is 8 px.
INSTANTIATE_TEST_SUITE_P(
    Estimates, Edges,
    ::testing::Values(EdgeCase{"one run", true, "0", "12", "abc", "50", "34"},
                      EdgeCase{"blanks trimmed", true, "0", "12", "  abc  ", "50", "34"},
                      EdgeCase{"empty text", true, "0", "12", "", "20", "30"},
                      EdgeCase{"size not a number", true, "0", "x", "a", "30", "34"},
                      EdgeCase{"pitched", true, "5", "24", "abcd", "45", "38"},
                      EdgeCase{"pitch ending at X", true, "-5", "24", "abcd", "25", "38"},
                      EdgeCase{"vertical half the size", false, "0", "12", "abc", "30", "46"},
                      EdgeCase{"vertical pitched", false, "7", "12", "abc", "30", "48"},
                      EdgeCase{"vertical ending at Y", false, "-7", "12", "abc", "30", "27"}));

TEST(FontStyleCaption, NamesBoldAndItalicOnly)
{
    EXPECT_EQ(FontStyleCaption(true, false, false, false), QStringLiteral("太字"));
    EXPECT_EQ(FontStyleCaption(false, true, false, false), QStringLiteral("斜体"));
    EXPECT_EQ(FontStyleCaption(true, true, false, false), QStringLiteral("太字斜体"));
    EXPECT_EQ(FontStyleCaption(false, false, false, false), QString());
    EXPECT_EQ(FontStyleCaption(true, false, true, false), QString());
    EXPECT_EQ(FontStyleCaption(false, true, false, true), QString());
}

TEST(FieldLine, KeepsSeparatorsOutOfTheFontFields)
{
    FieldSettings s;
    s.x = mm("10");
    s.fontName = QStringLiteral("Odd;Font");
    const QString line = FieldLine::build(3, s, {});
    EXPECT_EQ(line.count(QLatin1Char(';')), 22);
    EXPECT_EQ(NthField(line, 14), QStringLiteral("Odd；Font"));
}
