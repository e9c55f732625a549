#include "flow/arithmetic.h"
#include "form_runtime/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using form_runtime::displayText;
using form_runtime::valueOfText;

struct ReadCase {
    const char *text;
    double value;
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << '"' << c.text << '"';
}

class ReadingANumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingANumber, ReadsTheNumericPrefix)
{
    EXPECT_EQ(valueOfText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingANumber,
    testing::Values(ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"0,5", 0}, ReadCase{"1.2.3", 1.2},
                    ReadCase{"1e", 1}, ReadCase{".", 0}, ReadCase{"--5", 0}, ReadCase{"1 000", 1000},
                    ReadCase{"- 5", -5}, ReadCase{"\t 0.5\n", 0.5}, ReadCase{"+2", 2},
                    ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"-.25", -0.25},
                    ReadCase{"1.5E3", 1500}, ReadCase{"1.5d3", 1500}, ReadCase{"2e-2x", 0.02},
                    ReadCase{"2E+", 2}, ReadCase{"3e+1", 30}, ReadCase{"&H1F", 31},
                    ReadCase{"&hff", 255}, ReadCase{"&O17", 15}, ReadCase{"&o19", 1},
                    ReadCase{"&H", 0}, ReadCase{"&X1", 0}, ReadCase{"1e-400", 0},
                    ReadCase{"1e-310", 1e-310}, ReadCase{"2e-324", 0},
                    ReadCase{"0.0000000000000000000000000000000000000000001e-300", 0},
                    ReadCase{"١", 0}, ReadCase{"12abc", 12}, ReadCase{"0.7471", 0.7471},
                    ReadCase{"1\r", 1}));

TEST(ReadingANumber, OverflowsBeyondTheDoubleRange)
{
    for (const char *text : {"1e999", "-1e309", "1000000e303", "&H" "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"}) {
        try {
            valueOfText(text);
            ADD_FAILURE() << text << " did not overflow";
        } catch (const flow::ArithmeticError &e) {
            EXPECT_EQ(e.kind(), flow::ArithmeticError::Kind::Overflow) << text;
        }
    }
    EXPECT_EQ(valueOfText("1.7e308"), 1.7e308);
    EXPECT_EQ(valueOfText("1e-99999999999999999999999"), 0);
    EXPECT_THROW(valueOfText("0.001e99999999999999999999999"), flow::ArithmeticError);
}

struct ShowCase {
    double value;
    const char *text;
};

void PrintTo(const ShowCase &c, std::ostream *os)
{
    *os << c.value;
}

class ShowingANumber : public testing::TestWithParam<ShowCase> {};

TEST_P(ShowingANumber, RoundsToFourDecimalsWithoutTrailingZeros)
{
    EXPECT_EQ(displayText(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ShowingANumber,
    testing::Values(ShowCase{1.2594752, "1.2595"}, ShowCase{2, "2"}, ShowCase{0.5, "0.5"},
                    ShowCase{0.74635568, "0.7464"}, ShowCase{535.93750000000034, "535.9375"},
                    ShowCase{0.00005, "0"}, ShowCase{0.00025, "0.0002"}, ShowCase{0.00035, "0.0004"},
                    ShowCase{2.00005, "2"}, ShowCase{-1.6875000000000002, "-1.6875"},
                    ShowCase{-0.0, "0"}, ShowCase{-0.00001, "0"}, ShowCase{0.0001, "0.0001"},
                    ShowCase{1.7023, "1.7023"}, ShowCase{123456789.12345, "123456789.1234"},
                    ShowCase{1.5e15, "1.5E+15"}, ShowCase{1e15, "1E+15"},
                    ShowCase{999999999999999.0, "999999999999999"},
                    ShowCase{7.46355685131195e19, "7.46355685131195E+19"},
                    ShowCase{-2.5e300, "-2.5E+300"},
                    ShowCase{std::numeric_limits<double>::max(), "1.79769313486232E+308"}));

} // namespace

namespace {

// What of a text was not part of its number, for the window to say so.
TEST(ReadingANumber, TellsWhatWasLeftUnread)
{
    struct Case {
        const char *text;
        double value;
        bool number;
        const char *rest;
    };
    for (const Case &c : {Case{"5,5", 5, true, ",5"}, Case{"0.5abc", 0.5, true, "abc"}, Case{" 2 .5 ", 2.5, true, ""},
                          Case{"abc", 0, false, "abc"}, Case{"", 0, false, ""}, Case{"1e", 1, true, "e"},
                          Case{"2E+x", 2, true, "E+x"}, Case{"&H1Fz", 31, true, "z"}, Case{"&H", 0, false, "&H"},
                          Case{"-", 0, false, "-"}}) {
        const form_runtime::NumberReading r = form_runtime::readNumber(c.text);
        EXPECT_EQ(r.value, c.value) << c.text;
        EXPECT_EQ(r.number, c.number) << c.text;
        EXPECT_EQ(r.rest, c.rest) << c.text;
    }
}

} // namespace
