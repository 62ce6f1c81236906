// SPDX-License-Identifier: MIT
// RTPower: the exponent cases and the cut as tables, whole powers against
// repeated exact multiplication written here, and against the literal loop of
// LargeMultiply calls at the engine's length limit and for odd bases.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

using namespace testing_support;

// No cut can apply at this count: every point stands before it.
constexpr std::int16_t kNoCut = 32767;

Outcome<> power(std::string_view base, std::string_view exponent, std::int16_t sf = kNoCut,
              std::string_view setting = "50") {
    return capture([&] { return RTPower(sf, base, exponent, setting); });
}

Outcome<> literalLoop(std::string_view base, int n) {
    return capture([&] {
        std::string product = "1";
        for (int i = 0; i < n; ++i) product = LargeMultiply(product, base);
        return product;
    });
}

// ---- Edge cases -------------------------------------------------------------

struct Row {
    const char* name;
    std::string base;
    std::string exponent;
    std::int16_t sf;
    Outcome<> want;
};

TEST(RTPower, EdgeCases) {
    const std::vector<Row> rows = {
        {"exponent zero", "2", "0", 50, text("1")},
        {"exponent zero ignores the base", "abc", "0", 50, text("1")},
        {"whole power", "2", "10", 50, text("1024")},
        {"whole power written with a point", "2", "2.0", 50, text("4")},
        {"whole power written with a plus", "2", "+2", 50, text("4")},
        {"largest exact exponent", "2", "120", 50, text("1329227995784915872903807060280344576")},
        {"above 120 goes to doubles", "2", "121", 50, text("2.65845599156983E+36")},
        {"exact power cut to the figure count", "1.1", "100", 50,
         text("13780.612339822270184118337172089636776264331200038")},
        {"cut counts figures, not the zeros after the point", "0.1", "100", 50,
         text("." + std::string(99, '0') + "1")},
        {"cut keeps fifty figures after the zeros", "0.11", "60", 50,
         text("." + std::string(57, '0') + "30448163954141809957444929536027877463903841506669")},
        {"cut does not count the sign", "-1.1", "3", 3, text("-1.33")},
        {"cut keeps a trailing zero figure", "1.001", "2", 3, text("1.00")},
        {"point after the figure count, no cut", "123456.5", "2", 5, text("15241507392.25")},
        {"result no longer than SF + 1, no cut", "1.5", "2", 3, text("2.25")},
        {"double text cut keeps its exponent", "2", "121", 5, text("2.6584E+36")},
        {"square root exponent", "2", "0.5", 50, text("1.4142135623730950488016887242096980785696718753769")},
        {"square root exponent without zero", "16", ".5", 50, text("4")},
        {"half written otherwise is the square root", "2", "0.50", 50,
         text("1.4142135623730950488016887242096980785696718753769")},
        {"zero written otherwise ignores the base", "abc", "0.0e5", 50, text("1")},
        {"whole power in exponent form", "2", "1e1", 50, text("1024")},
        {"reciprocal", "4", "-1", 50, text(".25")},
        {"reciprocal cut to figures", "3", "-1", 30, text("." + std::string(30, '3'))},
        {"minus one written otherwise is the reciprocal", "3", "-1.0", 30, text("." + std::string(30, '3'))},
        {"negative base", "-2", "3", 50, text("-8")},
        {"negative base, even exponent", "-2", "4", 50, text("16")},
        {"double overflow", "10", "400", 50, kOverflow},
        {"zero to a negative power", "0", "-2", 50, kOverflow},
        {"negative base, fractional exponent", "-8", "0.3", 50, kInvalid},
        {"base not a number in doubles", "abc", "1.5", 50, kNaN},
        {"base beyond the fixed decimal", "1" + std::string(30, '0'), "1.5", 50, text("1E+45")},
        {"exponent near a whole number is not whole", "2", "119.9999999999999999", 50,
         text("1.32922799578492E+36")},
        {"near a whole power of ten", "10", "119.9999999999999999", 50, text("1E+120")},
        {"just below nine", "3", "1.99999999999999999", 50, text("9")},
        {"negative base, exponent just above whole", "-2", "120.000000000000001", 50, kInvalid},
        {"negative base, exponent just above two", "-2", "2.00000000000000001", 50, kInvalid},
        {"negative base, odd whole exponent above 120", "-2", "121", 50, text("-2.65845599156983E+36")},
        {"negative base, negative whole exponent", "-2", "-3", 50, text("-.125")},
        {"zero to a tiny power", "0", "1e-400", 50, text("0")},
        {"tiny whole power beyond the double", "1e-5", "121", 50, text("1E-605")},
        {"tiny fractional power beyond the double", "1e-5", "100.5", 50, text("3.16227766016838E-503")},
        {"decimal exponent below -32768", "1e-300", "110.5", 50, kOverflow},
        {"decimal exponent just above -32768", "1e-300", "109.2", 50, text("1E-32760")},
        {"fractional power correctly rounded", "2", "0.3", 50, text("1.23114441334492")},
        {"zero base to minus one", "0", "-1", 50, kByZero},
        {"exponent beyond 32 bits", "2", "1E10", 50, kOverflow},
        {"one to a huge power", "1", "1E400", 50, text("1")},
        {"near one to a huge power", "1." + std::string(399, '0') + "1", "1E400", 50, text("2.71828182845905")},
        {"exponent beyond 32 bits, negative", "2", "-3000000000", 50, kOverflow},
        {"exponent just inside 32 bits", "2", "2147483647", 50, kOverflow},
        {"exponent unreadable", "2", "abc", 50, kNaN},
        {"exponent empty", "2", "", 50, kNaN},
        {"negative base to the half", "-4", "0.5", 50, kInvalid},
        {"base not a number, whole exponent", "2a", "3", 50, kNaN},
        {"300-digit base to 120", std::string(300, '7'), "120", 50, kOverflow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<> got = power(row.base, row.exponent, row.sf);
        EXPECT_EQ(got, row.want) << describe(got) << " instead of " << describe(row.want);
    }
}

TEST(RTPower, SquareRootCaseSetsTheCount) {
    std::int16_t sf = 500;
    EXPECT_EQ(RTPower(sf, "2", "0.5", "500").size(), 101u);
    EXPECT_EQ(sf, 100);
    sf = 500;
    EXPECT_EQ(RTPower(sf, "2", "2", "500"), "4");
    EXPECT_EQ(sf, 500);
}

TEST(RTPower, MinusOnePassesTheNumeratorRefusalOn) {
    // A count below 0 makes even "1" too long a numerator.
    EXPECT_EQ(power("8", "-1", -1), kTooLongNumerator);
}

TEST(RTPower, WholePowersAgainstRepeatedExactMultiplication) {
    constexpr std::uint32_t kSeed = 71207;
    std::mt19937 rng(kSeed);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> coin(0, 3);
    std::uniform_int_distribution<int> exponentOf(1, 120);
    for (int sample = 0; sample < 150; ++sample) {
        const int n = exponentOf(rng);
        const int budget = std::max(1, 20000 / n);  // keeps the power well inside the limit
        std::uniform_int_distribution<int> lengthOf(1, std::min(budget, 60));
        std::string base;
        const int length = lengthOf(rng);
        for (int i = 0; i < length; ++i) base += static_cast<char>('0' + digit(rng));
        if (coin(rng) == 0) base.insert(0, "00");
        if (coin(rng) != 0) {
            std::uniform_int_distribution<int> at(0, static_cast<int>(base.size()));
            base.insert(static_cast<std::size_t>(at(rng)), ".");
        }
        if (coin(rng) == 0) base += "00";
        if (coin(rng) == 0) base.insert(0, "-");
        if (coin(rng) == 0 && base.size() > 3) base.insert(2, ",");

        // The exact power by repeated multiplication (tests/support), written
        // as the engine writes products.
        const Operand operand = split(base);
        Exact factor = *parseMagnitude(operand.magnitude);
        if (operand.negative) factor = negated(factor);
        Exact exact = fromInteger(1);
        for (int i = 0; i < n; ++i) exact = multiply(exact, factor);
        const Outcome<> got = power(base, std::to_string(n));
        ASSERT_EQ(got, text(plainText(exact)))
            << "seed " << kSeed << ", base \"" << base << "\" to " << n << ": " << describe(got);
    }
}

TEST(RTPower, AgreesWithTheLiteralLoopAtTheLengthLimit) {
    struct Case {
        const char* name;
        std::string base;
        int n;
    };
    const std::vector<Case> cases = {
        {"nines, 120th power just inside", std::string(273, '9'), 120},
        {"nines, 120th power just outside", std::string(274, '9'), 120},
        {"nines, 119th power of the longer base", std::string(274, '9'), 119},
        {"fraction, just inside", "." + std::string(273, '9'), 120},
        {"fraction, just outside", "." + std::string(274, '9'), 120},
        {"negative fraction, odd power", "-." + std::string(275, '9'), 119},
        {"sign makes the 32,768th character", "-2" + std::string(10922, '0'), 3},
        {"sign on a shorter product", "-2" + std::string(10921, '0'), 3},
        {"trailing zeros reach the limit", "1" + std::string(16383, '0'), 2},
        {"trailing zeros pass the limit", "1" + std::string(16384, '0'), 2},
        {"a long base to the first power", std::string(32767, '3'), 1},
        {"a base past the limit", std::string(32768, '3'), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome<> loop = literalLoop(c.base, c.n);
        const Outcome<> got = power(c.base, std::to_string(c.n));
        EXPECT_EQ(got, loop) << describe(got) << " instead of " << describe(loop);
    }
}

TEST(RTPower, AgreesWithTheLiteralLoopForOddBases) {
    const std::vector<std::string> bases = {
        "", ".", "-", "-.", "0", "-0", "0.000", "00.500", "1,000", " 2 ", "1.2.3", "--2", "2-", "+2", "1e2",
        "-0.5", "10.0", "-" + std::string(40, '9'),
    };
    for (const std::string& base : bases) {
        for (const int n : {1, 2, 3, 7, 120}) {
            SCOPED_TRACE("base \"" + base + "\" to " + std::to_string(n));
            const Outcome<> loop = literalLoop(base, n);
            const Outcome<> got = power(base, std::to_string(n));
            EXPECT_EQ(got, loop) << describe(got) << " instead of " << describe(loop);
        }
    }
}

}  // namespace
}  // namespace calcora
