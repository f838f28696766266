#include "core/text/TextFields.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char *text;
    int n;
    const char *expected;
};

void PrintTo(const FieldCase &c, std::ostream *os) { *os << '"' << c.text << "\" n=" << c.n; }

class NthFieldTest : public testing::TestWithParam<FieldCase> {};
TEST_P(NthFieldTest, Matches)
{
    EXPECT_EQ(NthField(QString::fromUtf8(GetParam().text), GetParam().n), QString::fromUtf8(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Cases, NthFieldTest,
                         testing::Values(FieldCase{"x;y;z;", 1, "x"}, FieldCase{"x;y;z;", 3, "z"},
                                         FieldCase{"x;y;z;", 4, ""},  // the appended ';' makes an empty field 4
                                         FieldCase{"x;y;z;", 9, ""},  // past the end: the last field
                                         FieldCase{"a;;b", 2, ""},    // an empty field is a field
                                         FieldCase{"a;b", 5, "b"},    // past the end of an unterminated text
                                         FieldCase{"", 1, ""}, FieldCase{"a;b;c", 0, "c"},
                                         FieldCase{"a;b;c", -3, "c"}, FieldCase{"日本;語", 2, "語"}));

class NthFieldOrEmptyTest : public testing::TestWithParam<FieldCase> {};
TEST_P(NthFieldOrEmptyTest, Matches)
{
    EXPECT_EQ(NthFieldOrEmpty(QString::fromUtf8(GetParam().text), GetParam().n),
              QString::fromUtf8(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Cases, NthFieldOrEmptyTest,
                         testing::Values(FieldCase{"x;y;z;", 3, "z"}, FieldCase{"x;y;z;", 5, ""},
                                         FieldCase{"a;b", 2, "b"}, FieldCase{"a;b", 3, ""}, FieldCase{"a;b", 0, ""}));

class NthCommaFieldTest : public testing::TestWithParam<FieldCase> {};
TEST_P(NthCommaFieldTest, Matches)
{
    EXPECT_EQ(NthCommaField(QString::fromUtf8(GetParam().text), GetParam().n),
              QString::fromUtf8(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Cases, NthCommaFieldTest,
                         testing::Values(FieldCase{"a,b,c", 3, "b"},   // text after the last ',' is never returned
                                         FieldCase{"a,b,c,", 3, "c"}, FieldCase{"a,b,c", 1, "a"},
                                         FieldCase{"abc", 1, ""}, FieldCase{"a,,c,", 2, ""}));

class DashSlashTest : public testing::TestWithParam<FieldCase> {};
TEST_P(DashSlashTest, DashAndSlashWalkExactlyNSteps)
{
    const QString text = QString::fromUtf8(GetParam().text);
    const QString expected = QString::fromUtf8(GetParam().expected);
    EXPECT_EQ(NthDashField(text, GetParam().n), expected);
    QString slashed = text;
    slashed.replace(u'-', u'/');
    EXPECT_EQ(NthSlashField(slashed, GetParam().n), expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, DashSlashTest,
                         testing::Values(FieldCase{"03-1234-5678", 1, "03"}, FieldCase{"03-1234-5678", 3, "5678"},
                                         FieldCase{"03-1234", 2, "1234"}, FieldCase{"03-1234", 3, ""},
                                         FieldCase{"0312345678", 1, "0312345678"}, FieldCase{"0312345678", 2, ""},
                                         FieldCase{"-12-24", 1, ""}, FieldCase{"-12-24", 2, "12"},
                                         FieldCase{"-12-24", 3, "24"}, FieldCase{"--", 2, ""},
                                         FieldCase{"a-b", 7, ""}, FieldCase{"", 1, ""}));

TEST(NthSepField, OnlyTerminatedFieldsAndEmptyOtherwise)
{
    EXPECT_EQ(NthSepField("header;Ver1.2;3;", ";", 3), "3");
    EXPECT_EQ(NthSepField("header;Ver1.2;3", ";", 3), "");  // not followed by the separator
    EXPECT_EQ(NthSepField("a::b::c", "::", 2), "b");
    EXPECT_EQ(NthSepField("a;b;", ";", 0), "");
    EXPECT_EQ(NthSepField("a;b;", "", 1), "");
}

TEST(NextField, ConsumesOneFieldAndKeepsTheUnterminatedRest)
{
    QString rest = "0;5;;char;tail";
    EXPECT_EQ(NextField(rest), "0");
    EXPECT_EQ(NextField(rest), "5");
    EXPECT_EQ(NextField(rest), "");
    EXPECT_EQ(NextField(rest), "char");
    EXPECT_EQ(rest, "tail");
    EXPECT_EQ(NextField(rest), "tail");  // no ';' left: returned again and again
    EXPECT_EQ(NextField(rest), "tail");
    EXPECT_EQ(rest, "tail");
}

TEST(NextIntField, EmptyIsZeroJunkIsAnErrorAndTheUnterminatedRestIsKept)
{
    QString rest = "12;;-7;x1;+3;99";
    bool ok = false;
    EXPECT_EQ(NextIntField(rest, &ok), 12);
    EXPECT_TRUE(ok);
    EXPECT_EQ(NextIntField(rest, &ok), 0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(NextIntField(rest, &ok), -7);
    EXPECT_EQ(NextIntField(rest, &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(NextIntField(rest, &ok), 3);
    EXPECT_TRUE(ok);
    EXPECT_EQ(NextIntField(rest, &ok), 0);  // "99" has no ';' after it
    EXPECT_TRUE(ok);
    EXPECT_EQ(rest, "99");
}

TEST(ParseWholeNumber, RejectsFractionsOverflowAndNonAsciiDigits)
{
    int v = 0;
    EXPECT_TRUE(ParseWholeNumber(" 42 ", &v));
    EXPECT_EQ(v, 42);
    for (const char *bad : {"", "2.5", "1e3", "99999999999", "１２", "--1", "0x10"})
        EXPECT_FALSE(ParseWholeNumber(QString::fromUtf8(bad), &v)) << bad;
}

TEST(StripLineBreaks, RemovesEveryCrAndLf)
{
    EXPECT_EQ(StripLineBreaks("a\r\nb\rc\nd"), "abcd");
    EXPECT_EQ(StripLineBreaks("\n\n"), "");
}

} // namespace
