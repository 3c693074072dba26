#include "engine/numeric.h"
#include "engine/runtimeerror.h"

#include "common/paramnames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

using engine::RuntimeError;
namespace numeric = engine::numeric;

namespace {

// Expects the call to fail with the "Overflow" failure, number 6.
template <typename Call>
void expectOverflow(Call call)
{
    try {
        call();
        ADD_FAILURE() << "no overflow";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), 6);
        EXPECT_EQ(error.description(), "Overflow");
    }
}

// ---- leadingNumber -------------------------------------------------------------------------

struct ValCase {
    const char *text;
    double expected;
};

void PrintTo(const ValCase &c, std::ostream *os)
{
    *os << ::testing::PrintToString(std::string(c.text)) << " reads as " << c.expected;
}

class LeadingNumber : public ::testing::TestWithParam<ValCase> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart)
{
    const ValCase &c = GetParam();
    EXPECT_DOUBLE_EQ(numeric::leadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber, ::testing::Values(
    ValCase{"", 0},
    ValCase{"abc", 0},
    ValCase{" 12abc", 12},
    ValCase{"1e3", 1000},
    ValCase{"1E3", 1000},
    ValCase{"1d2", 100},
    ValCase{"1D-1", 0.1},
    ValCase{"-5", -5},
    ValCase{"+5", 5},
    ValCase{"1.5", 1.5},
    ValCase{".5", 0.5},
    ValCase{"9999", 9999},
    ValCase{"0009", 9},
    ValCase{"1 2", 12},            // blanks inside the number are skipped too
    ValCase{"\t7\n3", 73},
    ValCase{"- 5", -5},
    ValCase{"1.2.3", 1.2},
    ValCase{"1,5", 1},             // a comma ends the number whatever the region
    ValCase{"1e", 1},              // exponent letter without digits is not part of it
    ValCase{"1e+", 1},
    ValCase{"2e1x", 20},
    ValCase{"12e-1", 1.2},
    ValCase{"--5", 0},
    ValCase{".", 0},
    ValCase{"-", 0},
    ValCase{"e5", 0},
    ValCase{"0.000", 0},
    ValCase{"1e-400", 0},          // too small for a double: zero, not a failure
    ValCase{"0.0001e-400", 0},
    ValCase{"1.7976931348623157e308", std::numeric_limits<double>::max()}),
    [](const auto &info) { return testsupport::paramName(info.param.text); });

TEST(LeadingNumberLimits, TooLargeForADoubleIsOverflow)
{
    for (const char *text : {"1e400", "-1e309", "9e99999999999999", "0.001e312"}) {
        SCOPED_TRACE(text);
        expectOverflow([&] { numeric::leadingNumber(text); });
    }
    // Just below the limit once the fraction's leading zeros are counted.
    EXPECT_DOUBLE_EQ(numeric::leadingNumber("0.001e310"), 1e307);
}

// ---- toInt16 / addInt16 --------------------------------------------------------------------

struct RoundCase {
    double value;
    int expected;
};

void PrintTo(const RoundCase &c, std::ostream *os)
{
    *os << c.value << " rounds to " << c.expected;
}

class ToInt16 : public ::testing::TestWithParam<RoundCase> {};

TEST_P(ToInt16, RoundsHalvesToEven)
{
    EXPECT_EQ(numeric::toInt16(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, ToInt16, ::testing::Values(
    RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2}, RoundCase{-3.5, -4},
    RoundCase{-0.5, 0}, RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{0.4999, 0},
    RoundCase{2.6, 3}, RoundCase{-2.6, -3}, RoundCase{-2.4, -2}, RoundCase{0, 0},
    RoundCase{32767, 32767}, RoundCase{32767.4, 32767}, RoundCase{-32768, -32768},
    RoundCase{-32768.5, -32768}, RoundCase{32766.5, 32766}),
    [](const auto &info) { return testsupport::paramName(info.param.value); });

TEST(ToInt16Limits, OutsideSixteenBitsIsOverflow)
{
    for (double value : {32767.5, 32768.0, -32768.6, -32769.0, 1e10, -1e10,
                         std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        expectOverflow([&] { numeric::toInt16(value); });
    }
}

TEST(AddInt16, StaysWithinSixteenBits)
{
    EXPECT_EQ(numeric::addInt16(32000, 767), 32767);
    EXPECT_EQ(numeric::addInt16(-32767, -1), -32768);
    EXPECT_EQ(numeric::addInt16(-15, 6), -9);
    expectOverflow([] { numeric::addInt16(32767, 1); });
    expectOverflow([] { numeric::addInt16(-32768, -1); });
    expectOverflow([] { numeric::addInt16(20000, 20000); });
}

// ---- format --------------------------------------------------------------------------------

struct FormatCase {
    double value;
    const char *separator;
    const char *expected;
};

void PrintTo(const FormatCase &c, std::ostream *os)
{
    *os << c.value << " with \"" << c.separator << "\" is \"" << c.expected << '"';
}

class Format : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Format, WritesTheShortestForm)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(numeric::format(c.value, c.separator), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Values, Format, ::testing::Values(
    FormatCase{1.4, ".", "1.4"},
    FormatCase{2, ".", "2"},
    FormatCase{0, ".", "0"},
    FormatCase{-0.0, ".", "0"},
    FormatCase{-2, ".", "-2"},
    FormatCase{41.0 / 5, ".", "8.2"},
    FormatCase{52.0 / 5, ".", "10.4"},
    FormatCase{0.1 + 0.2, ".", "0.3"},          // 15 significant digits hide the binary tail
    FormatCase{2.0 / 3, ".", "0.666666666666667"},
    FormatCase{-13, ".", "-13"},
    FormatCase{32767, ".", "32767"},
    FormatCase{59994, ".", "59994"},
    FormatCase{0.0001, ".", "0.0001"},
    FormatCase{0.00001, ".", "1E-05"},
    FormatCase{123456789012345.0, ".", "123456789012345"},
    FormatCase{1e15, ".", "1E+15"},
    FormatCase{1234567890123456.0, ".", "1.23456789012346E+15"},
    FormatCase{1.4, ",", "1,4"},
    FormatCase{-2801.6, ",", "-2801,6"},
    FormatCase{2, ",", "2"},
    FormatCase{1234567890123456.0, ",", "1,23456789012346E+15"}),
    [](const auto &info) {
        const bool comma = std::string_view(info.param.separator) == ",";
        return testsupport::paramName(info.param.value) + (comma ? "_WithComma" : "");
    });

TEST(FormatDefault, UsesAFullStopWithoutSeparator)
{
    EXPECT_EQ(numeric::format(8.2), "8.2");
}

} // namespace
