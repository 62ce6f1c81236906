// SPDX-License-Identifier: MIT
// Writing texts: number to text for fixed decimals and doubles, the trimmed
// forms and the grouped text.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <ostream>
#include <string>

#include "fixeddec/fixeddec.h"

namespace calcora {
namespace {

struct FixedTextRow {
    const char* name;
    FixedDecimal value;
    const char* plain;    // numberToText
    const char* grouped;  // groupedText
};

void PrintTo(const FixedTextRow& row, std::ostream* os) { *os << row.name; }

FixedDecimal parts(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo, int scale, bool negative) {
    return FixedDecimal::fromParts(hi, mid, lo, scale, negative);
}

class FixedText : public ::testing::TestWithParam<FixedTextRow> {};

TEST_P(FixedText, PlainAndGroupedForms) {
    const FixedTextRow& row = GetParam();
    EXPECT_EQ(numberToText(row.value), row.plain);
    EXPECT_EQ(groupedText(row.value), row.grouped);
    const std::string plain = row.plain;
    EXPECT_EQ(trimmedText(row.value), plain.substr(plain[0] == ' ' ? 1 : 0));
}

const FixedTextRow kFixedText[] = {
    {"TrailingZerosDropped", parts(0, 0, 250, 2, false), " 2.5", "2.5"},
    {"WholeValueHasNoPoint", parts(0, 0, 300, 2, false), " 3", "3."},
    {"NegativeHasMinus", parts(0, 0, 2250, 3, true), "-2.25", "-2.25"},
    {"BelowOneHasNoLeadingZero", parts(0, 0, 5, 1, false), " .5", "0.5"},
    {"NegativeBelowOne", parts(0, 0, 25, 2, true), "-.25", "-0.25"},
    {"Zero", FixedDecimal{}, " 0", "0."},
    {"ZeroWithScale", parts(0, 0, 0, 5, false), " 0", "0."},
    {"NegativeZero", parts(0, 0, 0, 3, true), " 0", "0."},
    {"Thousands", parts(0, 0, 12345, 1, false), " 1234.5", "1,234.5"},
    {"WholeThousands", parts(0, 0, 1234, 0, false), " 1234", "1,234."},
    {"NegativeThousands", parts(0, 0, 12345, 1, true), "-1234.5", "-1,234.5"},
    {"ThreeDigitsNoComma", parts(0, 0, 123, 0, false), " 123", "123."},
    {"Million", parts(0, 0, 1'000'000, 0, false), " 1000000", "1,000,000."},
    {"Largest", parts(~0u, ~0u, ~0u, 0, false), " 79228162514264337593543950335",
     "79,228,162,514,264,337,593,543,950,335."},
    {"LargestAtScale28", parts(~0u, ~0u, ~0u, 28, true), "-7.9228162514264337593543950335",
     "-7.9228162514264337593543950335"},
    {"Smallest", parts(0, 0, 1, 28, false), " .0000000000000000000000000001",
     "0.0000000000000000000000000001"},
    {"InnerZerosKept", parts(0, 0, 1000001, 3, false), " 1000.001", "1,000.001"},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, FixedText, ::testing::ValuesIn(kFixedText),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FixedText, GroupedPlusWorkedExample) {
    // " 1,234.50 " reads as 1234.5 and is written back as " 1234.5".
    EXPECT_EQ(numberToText(toFixedDecimal(" 1,234.50 ")), " 1234.5");
}

// ---- Doubles -----------------------------------------------------------------

double factorial(int n) {
    double f = 1;
    for (int i = 2; i <= n; ++i) f *= i;
    return f;
}

struct DoubleTextRow {
    const char* name;
    double value;
    const char* text;
};

void PrintTo(const DoubleTextRow& row, std::ostream* os) { *os << row.name; }

class DoubleText : public ::testing::TestWithParam<DoubleTextRow> {};

TEST_P(DoubleText, FifteenDigitsPlainOrExponent) {
    EXPECT_EQ(numberToText(GetParam().value), GetParam().text);
}

const DoubleTextRow kDoubleText[] = {
    {"TenFactorial", factorial(10), " 3628800"},
    {"TwentyFactorial", factorial(20), " 2.43290200817664E+18"},
    // 170! itself (a running double product lands a few units lower).
    {"HundredSeventyFactorial", 7.257415615307999e306, " 7.257415615308E+306"},
    {"SquareRootOfTwo", std::sqrt(2.0), " 1.4142135623731"},
    {"TenToTheTwenty", 1e20, " 1E+20"},
    {"SmallWithExponent", 1.5e-7, " 1.5E-07"},
    {"TwoToThe121", std::ldexp(1.0, 121), " 2.65845599156983E+36"},
    {"TwoToThe120", std::ldexp(1.0, 120), " 1.32922799578492E+36"},
    {"MinusFourIsPlain", 1e-4, " .0001"},
    {"MinusFourWithDigits", 1.2e-4, " .00012"},
    {"MinusFiveHasExponent", 1e-5, " 1E-05"},
    {"NegativeBelowOne", -0.25, "-.25"},
    {"Zero", 0.0, " 0"},
    {"NegativeZero", -0.0, " 0"},
    {"FourteenIsPlain", 1e14, " 100000000000000"},
    {"FifteenNines", 999999999999999.0, " 999999999999999"},
    {"FifteenHasExponent", 1e15, " 1E+15"},
    {"RoundingCarriesIntoExponent", 999999999999999.9, " 1E+15"},
    {"SixteenDigitsRounded", 1234567890123456.0, " 1.23456789012346E+15"},
    {"BinaryTenths", 0.1 + 0.2, " .3"},
    {"NegativeWithFraction", -1234.5, "-1234.5"},
    {"ThreeDigitExponent", 1e100, " 1E+100"},
    {"Largest", DBL_MAX, " 1.79769313486232E+308"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    {"NegativeExponentForm", -6.02214076e-23, "-6.02214076E-23"},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, DoubleText, ::testing::ValuesIn(kDoubleText),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DoubleText, NonFiniteHasNoText) {
    EXPECT_THROW(numberToText(std::numeric_limits<double>::infinity()), ArithmeticOverflow);
    EXPECT_THROW(numberToText(-std::numeric_limits<double>::infinity()), ArithmeticOverflow);
    EXPECT_THROW(numberToText(std::numeric_limits<double>::quiet_NaN()), ArithmeticOverflow);
    EXPECT_THROW(trimmedText(std::numeric_limits<double>::quiet_NaN()), ArithmeticOverflow);
}

TEST(DoubleText, TrimmedDropsTheSpace) {
    EXPECT_EQ(trimmedText(2.5), "2.5");
    EXPECT_EQ(trimmedText(-0.25), "-.25");
    EXPECT_EQ(trimmedText(1e20), "1E+20");
}

// Any decimal of 15 significant digits survives a trip through a double, so
// the text of that double must read back as the same double, with at most 15
// digits and no trailing fraction zeros.
TEST(DoubleText, FifteenDigitDecimalsRoundTrip) {
    const std::uint64_t seed = 7'150'315;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t digits = 100'000'000'000'000ull + rng() % 900'000'000'000'000ull;
        const int exponent = static_cast<int>(rng() % 601) - 310;
        const std::string decimal = (rng() % 2 ? "-" : "") + std::to_string(digits) + "E" + std::to_string(exponent);
        const double x = textToDouble(decimal);
        if (x == 0.0 || std::fabs(x) < DBL_MIN) continue;  // subnormals carry fewer digits
        const std::string text = numberToText(x);
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i) + ": " + decimal +
                     " -> " + text);
        EXPECT_EQ(textToDouble(text), x);
        const std::string mantissa = text.substr(0, text.find('E'));
        int significant = 0;  // digits from the first nonzero one
        for (char c : mantissa.substr(mantissa.find_first_of("123456789"))) {
            significant += (c >= '0' && c <= '9');
        }
        EXPECT_LE(significant, 15);
        if (mantissa.find('.') != std::string::npos) {
            EXPECT_NE(mantissa.back(), '0');
        }
    }
}

// Exact decimals rounded once to 15 figures: ties to the even figure, a tail
// left off breaks a tie upward, a carry moves the exponent, and values far
// beyond a double's range keep their figures.
struct FifteenRow {
    const char* digits;
    std::int64_t exponent;
    bool negative;
    bool inexact;
    const char* text;  // trimmedText
    bool beyondDouble;
};

TEST(FifteenFigures, RoundsOnceAndWritesAsADouble) {
    const FifteenRow rows[] = {
        {"1234567890123455", 0, false, false, "1.23456789012346E+15", false},
        {"1234567890123445", 0, false, false, "1.23456789012344E+15", false},
        {"1234567890123445", 0, false, true, "1.23456789012345E+15", false},
        {"9999999999999995", -16, true, false, "-1", false},
        {"0001", -605, false, false, "1E-605", false},
        {"25", -1, false, false, "2.5", false},
        {"1", -5, false, false, "1E-05", false},
        {"1", -4, false, false, ".0001", false},
        {"179769313486231", 294, false, false, "1.79769313486231E+308", false},
        {"1797693134862315", 293, false, false, "1.79769313486232E+308", true},
        {"1", 32767, false, false, "1E+32767", true},
    };
    for (const FifteenRow& row : rows) {
        SCOPED_TRACE(std::string(row.digits) + "e" + std::to_string(row.exponent));
        const FifteenFigures value = roundedToFifteen(row.digits, row.exponent, row.negative, row.inexact);
        EXPECT_EQ(trimmedText(value), row.text);
        EXPECT_EQ(exceedsDoubleRange(value), row.beyondDouble);
    }
}

}  // namespace
}  // namespace calcora
