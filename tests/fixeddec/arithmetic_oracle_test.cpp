// SPDX-License-Identifier: MIT
// Fixed-decimal arithmetic and text reading against the exact rational oracle
// of tests/support (nearestFixed). The oracle works on decimal digits, one at
// a time, so it shares nothing with the 32-bit limbs of the library. For a
// rational N/D it finds the largest scale s ≤ 28 where floor(N·10^s / D) fits
// in 96 bits and rounds there, a tie to the even digit, never past 2^96 − 1.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fixeddec/fixeddec.h"
#include "tests/support/exact.h"
#include "tests/support/fixed_rounding.h"
#include "tests/support/fixed_value.h"

namespace calcora {
namespace {

using namespace testing_support;
using testing_support::describe;  // beside the overload below

// Same value, a zero's sign aside.
bool sameValue(const FixedDecimal& actual, const FixedValue& expected) { return exactOf(actual) == expected.value; }

std::string describe(const FixedValue& e) {
    return describe(e.value) + " (scale " + std::to_string(e.scale) + ")";
}

// ---- Random operands ----------------------------------------------------------

class Operands {
public:
    explicit Operands(std::uint64_t seed) : rng_(seed) {}

    FixedDecimal next() {
        const int scale = static_cast<int>(rng_() % 29);
        const bool negative = rng_() % 2 == 0;
        switch (rng_() % 8) {
            case 0:  // the largest magnitude
                return FixedDecimal::fromParts(~0u, ~0u, ~0u, scale, negative);
            case 1: {  // a power of ten, or one either side of it
                const int k = static_cast<int>(rng_() % 29);
                Exact m = powerOfTen(k);
                const int step = static_cast<int>(rng_() % 3);
                if (step == 1) m = add(m, fromInteger(1));
                if (step == 2) m = subtract(m, fromInteger(1));
                return toFixedDecimal((negative ? "-" : "") + withScale(plainText(m), scale));
            }
            default: {  // a magnitude of a random bit length
                const int bits = static_cast<int>(rng_() % 97);
                std::uint32_t limbs[3] = {0, 0, 0};
                for (int b = 0; b < bits; ++b) {
                    if (b == bits - 1 || rng_() % 2) limbs[b / 32] |= 1u << (b % 32);
                }
                return FixedDecimal::fromParts(limbs[2], limbs[1], limbs[0], scale, negative);
            }
        }
    }

    std::uint64_t raw() { return rng_(); }

    // Whole digits m written with `scale` of them after the point.
    static std::string withScale(const std::string& m, int scale) {
        std::string padded = std::string(static_cast<std::size_t>(std::max(0, scale + 1 - static_cast<int>(m.size()))), '0') + m;
        return padded.substr(0, padded.size() - static_cast<std::size_t>(scale)) + "." +
               padded.substr(padded.size() - static_cast<std::size_t>(scale));
    }

private:
    std::mt19937_64 rng_;
};

// ---- The operations ---------------------------------------------------------

enum class Op : char { Add = '+', Subtract = '-', Multiply = '*', Divide = '/' };

// The exact value of a op b as ±numerator/denominator.
ExactRatio exact(Op op, const FixedDecimal& a, const FixedDecimal& b) {
    return exactOperation(static_cast<char>(op), a, b);
}

FixedDecimal apply(Op op, const FixedDecimal& a, const FixedDecimal& b) {
    switch (op) {
        case Op::Add: return a + b;
        case Op::Subtract: return a - b;
        case Op::Multiply: return a * b;
        case Op::Divide: return a / b;
    }
    return {};
}

void checkAgainstOracle(Op op, const char* name, std::uint64_t seed, int cases) {
    Operands operands(seed);
    for (int i = 0; i < cases; ++i) {
        const FixedDecimal a = operands.next();
        FixedDecimal b = operands.next();
        if (op == Op::Divide && b.isZero()) b = FixedDecimal::fromInteger(7);
        SCOPED_TRACE(std::string(name) + " seed " + std::to_string(seed) + " case " +
                     std::to_string(i) + ": " + describe(a) + " , " + describe(b));
        const ExactRatio r = exact(op, a, b);
        const auto expected = nearestFixed(r.numerator, r.denominator, r.negative);
        if (!expected) {
            EXPECT_THROW(apply(op, a, b), ArithmeticOverflow);
            continue;
        }
        FixedDecimal actual;
        ASSERT_NO_THROW(actual = apply(op, a, b));
        EXPECT_TRUE(sameValue(actual, *expected))
            << "got " << describe(actual) << ", want " << describe(*expected);
    }
}

constexpr std::uint64_t kSeed = 20240611;

TEST(FixedDecimalOracle, AddMatchesExactRounding) {
    checkAgainstOracle(Op::Add, "add", kSeed, 2000);
}

TEST(FixedDecimalOracle, SubtractMatchesExactRounding) {
    checkAgainstOracle(Op::Subtract, "subtract", kSeed + 1, 2000);
}

TEST(FixedDecimalOracle, MultiplyMatchesExactRounding) {
    checkAgainstOracle(Op::Multiply, "multiply", kSeed + 2, 2000);
}

TEST(FixedDecimalOracle, DivideMatchesExactRounding) {
    checkAgainstOracle(Op::Divide, "divide", kSeed + 3, 1500);
}

// Ties built on purpose: a magnitude ending in 5 multiplied by 0.1 lands
// exactly halfway when the scale is already 28; one unit either side is not a tie.
TEST(FixedDecimalOracle, MultiplyTiesAndNeighbours) {
    std::mt19937_64 rng(kSeed + 4);
    for (int i = 0; i < 500; ++i) {
        const std::uint64_t base = rng() % 1'000'000'000'000ull;
        for (int delta : {-1, 0, 1}) {
            const std::uint64_t m = base * 10 + 5 + static_cast<std::uint64_t>(delta);
            const FixedDecimal a = FixedDecimal::fromParts(0, static_cast<std::uint32_t>(m >> 32),
                                                           static_cast<std::uint32_t>(m), 28, i % 2 == 0);
            const FixedDecimal tenth = FixedDecimal::fromParts(0, 0, 1, 1, false);
            SCOPED_TRACE("seed " + std::to_string(kSeed + 4) + " case " + std::to_string(i) +
                         ": " + describe(a));
            const ExactRatio r = exact(Op::Multiply, a, tenth);
            const auto expected = nearestFixed(r.numerator, r.denominator, r.negative);
            ASSERT_TRUE(expected.has_value());
            EXPECT_TRUE(sameValue(a * tenth, *expected))
                << "got " << describe(a * tenth) << ", want " << describe(*expected);
        }
    }
}

// Texts of random digits, points, leading zeros, commas and exponents read
// as the oracle rounds the exact value they denote.
TEST(FixedDecimalOracle, TextReadingMatchesExactRounding) {
    const std::uint64_t seed = kSeed + 5;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 3000; ++i) {
        const int intDigits = static_cast<int>(rng() % 36);
        const int fracDigits = static_cast<int>(rng() % 45);
        const bool point = fracDigits > 0 || rng() % 4 == 0;
        const int exponent = rng() % 3 == 0 ? static_cast<int>(rng() % 81) - 40 : 0;
        const bool negative = rng() % 2 == 0;
        const bool commas = rng() % 4 == 0;
        std::string integer, fraction;
        const int leadingZeros = rng() % 4 == 0 ? static_cast<int>(rng() % 5) : 0;
        integer.append(static_cast<std::size_t>(leadingZeros), '0');
        for (int k = 0; k < intDigits; ++k) integer += static_cast<char>('0' + rng() % 10);
        for (int k = 0; k < fracDigits; ++k) {
            // Runs of 0, 4, 5 and 9 make ties and near-ties likely.
            const char pool[] = "0123456789000455999";
            fraction += pool[rng() % (sizeof pool - 1)];
        }
        if (integer.empty() && fraction.empty()) integer = "0";
        std::string text = negative ? "-" : "";
        for (std::size_t k = 0; k < integer.size(); ++k) {
            if (commas && k > 0 && (integer.size() - k) % 3 == 0) text += ',';
            text += integer[k];
        }
        if (point) text += "." + fraction;
        if (exponent != 0) text += "E" + std::to_string(exponent);
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i) + ": \"" + text + "\"");

        const Exact value = fromDigits(integer + fraction, exponent - static_cast<int>(fraction.size()), false);
        const auto expected = nearestFixed(value, fromInteger(1), negative);
        if (!expected) {
            EXPECT_THROW(static_cast<void>(toFixedDecimal(text)), ArithmeticOverflow);
            continue;
        }
        FixedDecimal actual;
        ASSERT_NO_THROW(actual = toFixedDecimal(text));
        EXPECT_TRUE(sameValue(actual, *expected))
            << "got " << describe(actual) << ", want " << describe(*expected);
    }
}

// The written text reads back as the same value, and (a + b) − b = a when no
// rounding happened on the way.
TEST(FixedDecimalOracle, TextRoundTripAndInverseOperations) {
    Operands operands(kSeed + 6);
    for (int i = 0; i < 2000; ++i) {
        const FixedDecimal a = operands.next();
        const FixedDecimal b = operands.next();
        SCOPED_TRACE("seed " + std::to_string(kSeed + 6) + " case " + std::to_string(i) + ": " +
                     describe(a) + " , " + describe(b));
        EXPECT_TRUE(toFixedDecimal(numberToText(a)) == a) << numberToText(a);
        EXPECT_TRUE(toFixedDecimal(groupedText(a)) == a) << groupedText(a);
        const ExactRatio sum = exact(Op::Add, a, b);
        const auto expected = nearestFixed(sum.numerator, sum.denominator, sum.negative);
        if (expected && expected->scale >= std::max(a.scale(), b.scale())) {
            EXPECT_TRUE((a + b) - b == a);
        }
    }
}

}  // namespace
}  // namespace calcora
