// SPDX-License-Identifier: MIT
// FixedDecimal: the worked examples and the edges of the type, the mixed
// double operands, the double conversions and the power.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include "fixeddec/fixeddec.h"

namespace calcora {
namespace {

// The trimmed text of a result, or the name of the failure it raised.
template <typename F>
std::string outcome(F&& compute) {
    try {
        return trimmedText(compute());
    } catch (const ArithmeticOverflow&) {
        return "ArithmeticOverflow";
    } catch (const NotANumber&) {
        return "NotANumber";
    } catch (const DivisionByZero&) {
        return "DivisionByZero";
    } catch (const InvalidArgument&) {
        return "InvalidArgument";
    }
}

FixedDecimal fd(std::string_view text) { return toFixedDecimal(text); }

const char* const kMax = "79228162514264337593543950335";

struct ArithmeticRow {
    const char* name;
    const char* a;
    char op;
    const char* b;
    const char* expected;  // trimmed text, or the failure's name
};

void PrintTo(const ArithmeticRow& row, std::ostream* os) { *os << row.name; }

class Arithmetic : public ::testing::TestWithParam<ArithmeticRow> {};

TEST_P(Arithmetic, GivesTheNearestValueOrFails) {
    const ArithmeticRow& row = GetParam();
    const std::string got = outcome([&] {
        const FixedDecimal a = fd(row.a), b = fd(row.b);
        switch (row.op) {
            case '+': return a + b;
            case '-': return a - b;
            case '*': return a * b;
            default: return a / b;
        }
    });
    EXPECT_EQ(got, row.expected) << row.a << " " << row.op << " " << row.b;
}

const ArithmeticRow kArithmetic[] = {
    {"OneThirdHas28Threes", "1", '/', "3", ".3333333333333333333333333333"},
    {"TwoThirdsRoundsUp", "2", '/', "3", ".6666666666666666666666666667"},
    {"TenThirdsKeeps28Places", "10", '/', "3", "3.3333333333333333333333333333"},
    {"LargeQuotientKeeps29Digits", "100000", '/', "3", "33333.333333333333333333333333"},
    {"ExactQuotientHasNoTail", "10", '/', "4", "2.5"},
    {"TenthPlusTwoTenthsIsExact", "0.1", '+', "0.2", ".3"},
    {"FiveMinusSevenIsMinusTwo", "5", '-', "7", "-2"},
    {"SevenMinusFiveIsTwo", "7", '-', "5", "2"},
    {"SixTimesSeven", "6", '*', "7", "42"},
    {"SignOfProduct", "1.5", '*', "-2", "-3"},
    {"TenthTimesTenthIsExact", "0.1", '*', "0.1", ".01"},
    {"EqualOperandsGiveZero", "-2.5", '-', "-2.50", "0"},
    {"ThousandWithCommaPlusOne", "1,000", '+', "1", "1001"},
    // Range limits.
    {"LargestPlusZero", kMax, '+', "0", kMax},
    {"LargestPlusOneOverflows", kMax, '+', "1", "ArithmeticOverflow"},
    {"MinusLargestMinusOneOverflows", "-79228162514264337593543950335", '-', "1", "ArithmeticOverflow"},
    {"LargestMinusOne", kMax, '-', "1", "79228162514264337593543950334"},
    {"LargestTimesOne", kMax, '*', "1", kMax},
    {"LargestTimesTwoOverflows", kMax, '*', "2", "ArithmeticOverflow"},
    {"LargestDividedByHalfOverflows", kMax, '/', "0.5", "ArithmeticOverflow"},
    {"LargestDividedByItself", kMax, '/', kMax, "1"},
    {"TenDividedByLargest", "10", '/', kMax, ".0000000000000000000000000001"},
    {"TinyDividedByLargestIsZero", ".0000000000000000000000000001", '/', kMax, "0"},
    {"OneDividedByZero", "1", '/', "0", "DivisionByZero"},
    {"ZeroDividedByZero", "0", '/', "0.000", "DivisionByZero"},
    {"ZeroDividedByLargest", "0", '/', kMax, "0"},
    // Scale 28 at both ends.
    {"SmallestPlusSmallest", ".0000000000000000000000000001", '+', ".0000000000000000000000000001",
     ".0000000000000000000000000002"},
    {"SmallestTimesSmallestIsZero", ".0000000000000000000000000001", '*', ".0000000000000000000000000001", "0"},
    {"ProductTooSmallToShowIsZero", ".00000000000001", '*', ".000000000000001", "0"},
    {"ProductAtTheLastPlace", ".00000000000001", '*', ".00000000000001", ".0000000000000000000000000001"},
    {"MostPlacesTimesMostPlaces", "7.9228162514264337593543950335", '*', "7.9228162514264337593543950335",
     "62.77101735386680763835789423"},
    // Ties go to the even digit; one unit either side is not a tie.
    {"HalfTieAtLastPlaceGoesDown", ".0000000000000000000000000001", '*', ".5", "0"},
    {"HalfTieAtLastPlaceGoesUp", ".0000000000000000000000000003", '*', ".5", ".0000000000000000000000000002"},
    {"JustAboveHalfRoundsUp", ".0000000000000000000000000001", '*', ".5000000000000000000000000001",
     ".0000000000000000000000000001"},
    {"JustBelowHalfRoundsDown", ".0000000000000000000000000001", '*', ".4999999999999999999999999999", "0"},
    {"SumTieToEvenDown", "10000000000000000000000000000", '+', ".5", "10000000000000000000000000000"},
    {"SumTieToEvenUp", "10000000000000000000000000001", '+', ".5", "10000000000000000000000000002"},
    {"SumJustAboveTie", "10000000000000000000000000000", '+', ".5000000000000000000000000001",
     "10000000000000000000000000001"},
    {"SumTieAtScaleOne", "1000000000000000000000000000", '+', ".05", "1000000000000000000000000000"},
    {"SumTieAtScaleOneUp", "1000000000000000000000000000", '+', ".15", "1000000000000000000000000000.2"},
    {"QuotientBelowHalfIsZero", "1", '/', "40000000000000000000000000000", "0"},
    {"QuotientHalfTieDown", "2", '/', "40000000000000000000000000000", "0"},
    {"QuotientHalfTieUp", "6", '/', "40000000000000000000000000000", ".0000000000000000000000000002"},
    {"QuotientExactTieDown", ".0000000000000000000000000005", '/', "10", "0"},
    {"QuotientExactTieUp", ".0000000000000000000000000015", '/', "10", ".0000000000000000000000000002"},
    // Rounding near the top: the nearest value that fits is 2^96 − 1.
    {"LargestPlusLessThanHalf", kMax, '+', ".4", kMax},
    {"LargestPlusHalfKeepsLargest", kMax, '+', ".5", kMax},
    {"LargestPlusMoreThanHalfKeepsLargest", kMax, '+', ".9999999999999999999999999999", kMax},
    {"EvenBelowLargestPlusHalfStays", "79228162514264337593543950334", '+', ".5",
     "79228162514264337593543950334"},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, Arithmetic, ::testing::ValuesIn(kArithmetic),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FixedDecimal, FromPartsRefusesScaleOutsideRange) {
    EXPECT_THROW(FixedDecimal::fromParts(0, 0, 1, 29, false), ArithmeticOverflow);
    EXPECT_THROW(FixedDecimal::fromParts(0, 0, 1, -1, false), ArithmeticOverflow);
    EXPECT_EQ(trimmedText(FixedDecimal::fromParts(~0u, ~0u, ~0u, 28, true)), "-7.9228162514264337593543950335");
}

TEST(FixedDecimal, FromIntegerCoversInt64) {
    EXPECT_EQ(trimmedText(FixedDecimal::fromInteger(std::numeric_limits<std::int64_t>::min())),
              "-9223372036854775808");
    EXPECT_EQ(trimmedText(FixedDecimal::fromInteger(std::numeric_limits<std::int64_t>::max())),
              "9223372036854775807");
    EXPECT_EQ(trimmedText(FixedDecimal::fromInteger(0)), "0");
}

TEST(FixedDecimal, EqualityIgnoresScaleAndTheSignOfZero) {
    EXPECT_TRUE(fd("2.50") == fd("2.5"));
    EXPECT_TRUE(FixedDecimal::fromParts(0, 0, 0, 7, true) == FixedDecimal{});
    EXPECT_FALSE(fd("1") == fd("-1"));
    EXPECT_FALSE(fd("1") == fd("1.0000000000000000000000000001"));
    EXPECT_TRUE(fd(kMax) == FixedDecimal::fromParts(~0u, ~0u, ~0u, 0, false));
}

TEST(FixedDecimal, NegationAndZeroResultsAreNeverNegativeZero) {
    EXPECT_EQ(trimmedText(-fd("2.5")), "-2.5");
    EXPECT_EQ(trimmedText(-fd("-2.5")), "2.5");
    EXPECT_FALSE((-FixedDecimal{}).negative());
    EXPECT_FALSE((fd("-3") + fd("3")).negative());
    EXPECT_FALSE((fd("-3") * fd("0")).negative());
    EXPECT_FALSE(fd("-0").negative());
}

// The estimate of a square root: one Heron step from the double root, where
// the double enters every operation as its 15-digit value.
TEST(FixedDecimal, HeronStepFromTheDoubleRoot) {
    const FixedDecimal x = fd("2");
    const double r = power(x, fd("0.5"));
    const FixedDecimal q = x / r;
    const FixedDecimal e = r - (r - q) / fd("2");
    EXPECT_EQ(trimmedText(e).substr(0, 28), "1.41421356237309504880168872");
}

struct MixedRow {
    const char* name;
    std::function<FixedDecimal()> compute;
    const char* expected;
};

void PrintTo(const MixedRow& row, std::ostream* os) { *os << row.name; }

class Mixed : public ::testing::TestWithParam<MixedRow> {};

TEST_P(Mixed, TheDoubleEntersAsIts15DigitValue) {
    EXPECT_EQ(outcome(GetParam().compute), GetParam().expected);
}

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

const MixedRow kMixed[] = {
    {"TenthIsExactlyATenth", [] { return fd("1") + 0.1; }, "1.1"},
    {"DoubleOnTheLeft", [] { return 0.1 + fd("0.2"); }, ".3"},
    {"SubtractDouble", [] { return fd("1") - 0.1; }, ".9"},
    {"DoubleMinusFixed", [] { return 0.3 - fd("0.1"); }, ".2"},
    {"MultiplyByDouble", [] { return fd("3") * 0.1; }, ".3"},
    {"DoubleTimesFixed", [] { return 1.5 * fd("-2"); }, "-3"},
    {"DivideByDouble", [] { return fd("1") / 3.0; }, ".3333333333333333333333333333"},
    {"DoubleDividedByFixed", [] { return 1.0 / fd("4"); }, ".25"},
    {"ThirdAsDoubleHas15Digits", [] { return fd("0") + 1.0 / 3.0; }, ".333333333333333"},
    {"SqrtTwoAsDouble", [] { return toFixedDecimal(std::sqrt(2.0)); }, "1.4142135623731"},
    {"LargeDoubleRoundsTo15Digits", [] { return toFixedDecimal(123456789012345678.0); }, "123456789012346000"},
    {"DoubleNearTopFits", [] { return toFixedDecimal(7.9e28); }, "79000000000000000000000000000"},
    {"DoubleAboveTopOverflows", [] { return toFixedDecimal(8e28); }, "ArithmeticOverflow"},
    {"DoubleTooSmallIsZero", [] { return toFixedDecimal(1e-30); }, "0"},
    {"NegativeZeroDouble", [] { return toFixedDecimal(-0.0); }, "0"},
    {"DivideByZeroDouble", [] { return fd("1") / 0.0; }, "DivisionByZero"},
    {"HugeDoubleOverflows", [] { return fd("1") + 1e29; }, "ArithmeticOverflow"},
    {"InfinityOverflows", [] { return fd("1") * kInf; }, "ArithmeticOverflow"},
    {"NaNOverflows", [] { return kNaN - fd("1"); }, "ArithmeticOverflow"},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, Mixed, ::testing::ValuesIn(kMixed),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FixedDecimal, ToDoubleIsTheNearestDouble) {
    EXPECT_EQ(toDouble(fd("0.1")), 0.1);
    EXPECT_EQ(toDouble(fd("-2.5")), -2.5);
    EXPECT_EQ(toDouble(fd("1") / fd("3")), 1.0 / 3.0);
    EXPECT_EQ(toDouble(fd(kMax)), 79228162514264337593543950335.0);
    EXPECT_EQ(toDouble(fd(".0000000000000000000000000001")), 1e-28);
    EXPECT_EQ(toDouble(FixedDecimal{}), 0.0);
}

struct PowerRow {
    const char* name;
    double base, exponent;
    const char* expected;
};

void PrintTo(const PowerRow& row, std::ostream* os) { *os << row.name; }

class Power : public ::testing::TestWithParam<PowerRow> {};

TEST_P(Power, IsTheDoublePowerOrFails) {
    const PowerRow& row = GetParam();
    std::string got;
    try {
        got = trimmedText(power(row.base, row.exponent));
    } catch (const ArithmeticOverflow&) {
        got = "ArithmeticOverflow";
    } catch (const InvalidArgument&) {
        got = "InvalidArgument";
    }
    EXPECT_EQ(got, row.expected);
}

const PowerRow kPower[] = {
    {"SquareRootOfTwo", 2, 0.5, "1.4142135623731"},
    {"TwoToThe120", 2, 120, "1.32922799578492E+36"},
    {"NegativeBaseWholeExponent", -2, 3, "-8"},
    {"NegativeBaseFractionalExponent", -8, 1.0 / 3.0, "InvalidArgument"},
    {"ZeroToNegativePower", 0, -1, "ArithmeticOverflow"},
    {"BeyondDoubleRange", 10, 400, "ArithmeticOverflow"},
    {"UnderflowIsZero", 10, -400, "0"},
    {"AnythingToZero", 123.456, 0, "1"},
    {"NaNBase", kNaN, 2, "InvalidArgument"},
    {"InfiniteExponent", 2, kInf, "ArithmeticOverflow"},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, Power, ::testing::ValuesIn(kPower),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FixedDecimal, PowerOfFixedDecimalsIsADouble) {
    EXPECT_EQ(trimmedText(power(fd("2"), fd("0.5"))), "1.4142135623731");
    EXPECT_EQ(trimmedText(power(fd("2"), fd("120"))), "1.32922799578492E+36");
    EXPECT_THROW(static_cast<void>(power(fd("-2"), fd("0.5"))), InvalidArgument);
    EXPECT_THROW(static_cast<void>(power(fd("0"), fd("-1"))), ArithmeticOverflow);
}

}  // namespace
}  // namespace calcora
