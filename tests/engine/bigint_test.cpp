// SPDX-License-Identifier: MIT
// BigUInt: text round trips, the small operations at limb boundaries, and
// the fast paths (Karatsuba with its cutoff forced low, Knuth division, the
// short-quotient bracketing, the square root) against plain references and
// their defining properties on seeded random operands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/bigint.h"

namespace calcora {

void PrintTo(const BigUInt& v, std::ostream* os) { *os << v.toDigits(); }

namespace {

std::string randomDigits(std::mt19937_64& rng, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + rng() % 10));
    return s;
}

// Random values that stress carries and corrections: plain digits, long runs
// of 9s and 0s, powers of ten and their neighbours.
BigUInt randomValue(std::mt19937_64& rng, std::size_t maxDigits) {
    const std::size_t n = 1 + rng() % maxDigits;
    switch (rng() % 6) {
        case 0: return BigUInt::fromDigits(std::string(n, '9'));
        case 1: return BigUInt::fromDigits("1" + std::string(n - 1, '0'));
        case 2: return BigUInt::fromDigits("1" + std::string(n - 1, '0') + "1");
        case 3: {
            std::string s = randomDigits(rng, n);
            for (char& c : s) {
                if (rng() % 2) c = rng() % 2 ? '9' : '0';
            }
            return BigUInt::fromDigits(s);
        }
        default: return BigUInt::fromDigits(randomDigits(rng, n));
    }
}

// Test-only product of two digit strings, one decimal digit at a time.
std::string digitProduct(const std::string& x, const std::string& y) {
    std::vector<int> r(x.size() + y.size(), 0);
    for (std::size_t i = 0; i < x.size(); ++i) {
        for (std::size_t j = 0; j < y.size(); ++j) r[i + j] += (x[x.size() - 1 - i] - '0') * (y[y.size() - 1 - j] - '0');
        for (std::size_t k = 0; k + 1 < r.size(); ++k) {
            r[k + 1] += r[k] / 10;
            r[k] %= 10;
        }
    }
    std::string s;
    for (auto it = r.rbegin(); it != r.rend(); ++it) s.push_back(static_cast<char>('0' + *it));
    s.erase(0, std::min(s.find_first_not_of('0'), s.size() - 1));
    return s;
}

TEST(BigUInt, DigitTextRoundTrips) {
    EXPECT_EQ(BigUInt::fromDigits("").toDigits(), "0");
    EXPECT_EQ(BigUInt::fromDigits("000").toDigits(), "0");
    EXPECT_TRUE(BigUInt::fromDigits("0000000000000").isZero());
    EXPECT_EQ(BigUInt::fromDigits("000123").toDigits(), "123");
    EXPECT_EQ(BigUInt::fromDigits("1000000000").toDigits(), "1000000000");
    EXPECT_EQ(BigUInt::fromDigits("999999999").limbs().size(), 1u);
    EXPECT_EQ(BigUInt::fromDigits("1000000000").limbs().size(), 2u);
    EXPECT_EQ(BigUInt::fromDigits("42").toDigits(6), "000042");
    EXPECT_EQ(BigUInt().toDigits(3), "000");
    EXPECT_EQ(BigUInt::fromDigits("12345").toDigits(2), "12345");
    EXPECT_THROW(BigUInt::fromDigits("12a"), NotANumber);
    EXPECT_THROW(BigUInt::fromDigits("1.5"), NotANumber);
    std::mt19937_64 rng(0xB161);
    for (int i = 0; i < 200; ++i) {
        std::string s = randomDigits(rng, 1 + rng() % 100);
        s[0] = static_cast<char>('1' + rng() % 9);
        const BigUInt v = BigUInt::fromDigits(s);
        ASSERT_EQ(v.toDigits(), s);
        ASSERT_EQ(v.digitCount(), s.size());
    }
}

TEST(BigUInt, MachineWords) {
    EXPECT_EQ(BigUInt(0).toDigits(), "0");
    EXPECT_EQ(BigUInt(UINT64_MAX).toDigits(), "18446744073709551615");
    EXPECT_EQ(BigUInt(999'999'999'999'999'999ULL).toDigits(), "999999999999999999");
    EXPECT_EQ(BigUInt(1'000'000'000ULL).limbs().size(), 2u);
}

TEST(BigUInt, AddSubtractCompare) {
    const BigUInt nines = BigUInt::fromDigits(std::string(27, '9'));
    const BigUInt one(1);
    EXPECT_EQ((nines + one).toDigits(), "1" + std::string(27, '0'));
    EXPECT_EQ(((nines + one) - one), nines);
    EXPECT_EQ((nines - nines).toDigits(), "0");
    EXPECT_TRUE((nines - nines).isZero());
    EXPECT_THROW(one - nines, InvalidArgument);
    EXPECT_LT(one, nines);
    EXPECT_GT(nines + one, nines);
    EXPECT_EQ(addSmall(nines, 1), nines + one);
    std::mt19937_64 rng(0xB162);
    for (int i = 0; i < 500; ++i) {
        const BigUInt a = randomValue(rng, 60), b = randomValue(rng, 60);
        const BigUInt sum = a + b;
        ASSERT_EQ(sum - b, a);
        ASSERT_EQ(sum - a, b);
        ASSERT_EQ(a < b, a.toDigits().size() < b.toDigits().size() ||
                             (a.toDigits().size() == b.toDigits().size() && a.toDigits() < b.toDigits()));
    }
}

TEST(BigUInt, SmallFactorsAndPowersOfTen) {
    const BigUInt v = BigUInt::fromDigits("123456789123456789");
    EXPECT_EQ(multiplySmall(v, 1000).toDigits(), "123456789123456789000");
    EXPECT_EQ(multiplySmall(v, 0).toDigits(), "0");
    EXPECT_EQ(multiplySmall(BigUInt::fromDigits(std::string(20, '9')), 4294967295u),
              BigUInt::fromDigits(std::string(20, '9')) * BigUInt(4294967295u));
    for (std::size_t n : {0u, 1u, 8u, 9u, 10u, 17u, 18u, 19u, 40u}) {
        EXPECT_EQ(shiftUp(v, n).toDigits(), "123456789123456789" + std::string(n, '0')) << n;
        const std::string digits = v.toDigits();
        const std::string kept = n >= digits.size() ? "0" : digits.substr(0, digits.size() - n);
        EXPECT_EQ(shiftDown(v, n).toDigits(), kept) << n;
    }
    EXPECT_TRUE(shiftUp(BigUInt(), 30).isZero());
    std::uint32_t rem = 0;
    EXPECT_EQ(divModSmall(v, 1000, rem).toDigits(), "123456789123456");
    EXPECT_EQ(rem, 789u);
    const BigUInt q = divModSmall(BigUInt::fromDigits(std::string(30, '9')), 4294967295u, rem);
    EXPECT_EQ(q * BigUInt(4294967295u) + BigUInt(rem), BigUInt::fromDigits(std::string(30, '9')));
    EXPECT_THROW(divModSmall(v, 0, rem), DivisionByZero);
}

TEST(BigUInt, KaratsubaMatchesSchoolbookWithCutoffsForcedLow) {
    const std::uint64_t seed = 0xB163;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 300; ++i) {
        const BigUInt a = randomValue(rng, i % 10 == 0 ? 3000 : 400);
        const BigUInt b = randomValue(rng, i % 3 == 0 ? 40 : 400);
        const BigUInt reference = multiplySchoolbook(a, b);
        for (const std::size_t cutoff : {1u, 2u, 3u, 5u, 17u}) {
            ASSERT_EQ(multiply(a, b, Cutoffs{cutoff}), reference)
                << "seed " << seed << " case " << i << " cutoff " << cutoff << " a=" << a.toDigits()
                << " b=" << b.toDigits();
        }
        ASSERT_EQ(a * b, reference);
        ASSERT_EQ(b * a, reference);
    }
}

TEST(BigUInt, SquaresMatchSchoolbookWithCutoffsForcedLow) {
    const std::uint64_t seed = 0xB168;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 200; ++i) {
        const BigUInt a = randomValue(rng, i % 10 == 0 ? 4000 : 400);
        const BigUInt copy = a;  // an equal value in another object squares too
        const BigUInt reference = multiplySchoolbook(a, copy);
        for (const std::size_t cutoff : {1u, 2u, 3u, 5u, 17u, 80u}) {
            ASSERT_EQ(multiply(a, a, Cutoffs{cutoff}), reference) << "seed " << seed << " case " << i << " cutoff " << cutoff;
            ASSERT_EQ(multiply(a, copy, Cutoffs{cutoff}), reference) << "seed " << seed << " case " << i;
        }
    }
}

TEST(BigUInt, SchoolbookMatchesDigitByDigitProduct) {
    const std::uint64_t seed = 0xB164;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 40; ++i) {
        const BigUInt a = randomValue(rng, 300), b = randomValue(rng, 300);
        ASSERT_EQ(multiplySchoolbook(a, b).toDigits(), digitProduct(a.toDigits(), b.toDigits()))
            << "seed " << seed << " case " << i;
    }
    // Columns of maximal word products, also in factors too long for one
    // column's sum (more than 256 words of 18 digits).
    for (const std::size_t n : {360u, 5000u}) {
        const BigUInt nines = BigUInt::fromDigits(std::string(n, '9'));
        const std::string square = std::string(n - 1, '9') + "8" + std::string(n - 1, '0') + "1";
        EXPECT_EQ(multiplySchoolbook(nines, nines).toDigits(), square) << n;
        EXPECT_EQ(multiply(nines, nines, Cutoffs{1000}).toDigits(), square) << n;
        EXPECT_TRUE(multiplySchoolbook(nines, BigUInt()).isZero());
    }
}

::testing::AssertionResult divides(const BigUInt& n, const BigUInt& d, const DivModResult& r) {
    if (!(r.remainder < d)) return ::testing::AssertionFailure() << "remainder not below divisor";
    if (r.quotient * d + r.remainder != n) return ::testing::AssertionFailure() << "q·d + r ≠ n";
    return ::testing::AssertionSuccess();
}

TEST(BigUInt, DivModSatisfiesItsDefinition) {
    const std::uint64_t seed = 0xB165;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 1500; ++i) {
        const BigUInt d = randomValue(rng, i % 2 ? 30 : 300);
        if (d.isZero()) continue;
        BigUInt n = randomValue(rng, 600);
        // Numerators next to multiples of d drive the trial digit to its corrections.
        if (i % 4 == 0) n = multiply(d, randomValue(rng, 100), Cutoffs{});
        if (i % 4 == 1) n = multiply(d, addSmall(randomValue(rng, 100), 1), Cutoffs{}) - BigUInt(1);
        const DivModResult r = divMod(n, d);
        ASSERT_TRUE(divides(n, d, r)) << "seed " << seed << " case " << i << " n=" << n.toDigits()
                                      << " d=" << d.toDigits();
        ASSERT_EQ(divideFloor(n, d), r.quotient) << "seed " << seed << " case " << i;
    }
    EXPECT_THROW(divMod(BigUInt(5), BigUInt()), DivisionByZero);
    EXPECT_THROW(divideFloor(BigUInt(5), BigUInt()), DivisionByZero);
    EXPECT_TRUE(divMod(BigUInt(5), BigUInt(7)).quotient.isZero());
}

TEST(BigUInt, DivModWithTopHeavyAndTopLightDivisors) {
    // Divisor tops just below the base and just above one: the scaling and
    // the add-back of algorithm D.
    for (const char* top : {"999999999", "500000000", "499999999", "1", "2"}) {
        for (std::size_t limbs : {2u, 3u, 7u}) {
            const BigUInt d = BigUInt::fromDigits(std::string(top) + std::string(9 * (limbs - 1), '9'));
            for (const std::string& nText : {std::string(9 * (limbs + 3), '9'), "1" + std::string(9 * (limbs + 2), '0'),
                                             std::string(top) + std::string(9 * (limbs + 1), '0')}) {
                const BigUInt n = BigUInt::fromDigits(nText);
                EXPECT_TRUE(divides(n, d, divMod(n, d))) << top << " " << limbs;
            }
        }
    }
}

TEST(BigUInt, ShortQuotientBracketIsExact) {
    // Long divisors, short quotients: n = q·d exactly, one less, and one more
    // in the divisor's last digit, where only the divisor's tail decides.
    const std::uint64_t seed = 0xB166;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 200; ++i) {
        const BigUInt d = addSmall(randomValue(rng, 4000), 1);
        const BigUInt q = randomValue(rng, 120);
        const BigUInt exact = q * d;
        ASSERT_EQ(divideFloor(exact, d), q) << "seed " << seed << " case " << i;
        if (!exact.isZero()) {
            ASSERT_EQ(divideFloor(exact - BigUInt(1), d), divMod(exact - BigUInt(1), d).quotient) << i;
        }
        ASSERT_EQ(divideFloor(exact, addSmall(d, 1)), divMod(exact, addSmall(d, 1)).quotient) << i;
        const BigUInt n = exact + randomValue(rng, 3000);
        ASSERT_EQ(divideFloor(n, d), divMod(n, d).quotient) << i;
    }
}

TEST(BigUInt, IntegerSquareRoot) {
    EXPECT_TRUE(isqrt(BigUInt()).isZero());
    EXPECT_EQ(isqrt(BigUInt(1)).toDigits(), "1");
    EXPECT_EQ(isqrt(BigUInt(15)).toDigits(), "3");
    EXPECT_EQ(isqrt(BigUInt(16)).toDigits(), "4");
    EXPECT_EQ(isqrt(BigUInt(UINT64_MAX)).toDigits(), "4294967295");
    EXPECT_EQ(isqrt(BigUInt::fromDigits("2" + std::string(100, '0'))).toDigits(),
              "141421356237309504880168872420969807856967187537694");
    const std::uint64_t seed = 0xB167;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 400; ++i) {
        const BigUInt s = randomValue(rng, i % 20 == 0 ? 2000 : 200);
        const BigUInt square = s * s;
        const Cutoffs low{2, 5};
        for (const BigUInt& n : {square, addSmall(square, 1), square.isZero() ? square : square - BigUInt(1),
                                 square + s + s}) {
            const SqrtRemResult rem = sqrtRem(n, i % 2 ? low : Cutoffs{});
            const BigUInt& r = rem.root;
            ASSERT_LE(r * r, n) << "seed " << seed << " case " << i;
            ASSERT_GT(addSmall(r, 1) * addSmall(r, 1), n) << "seed " << seed << " case " << i;
            ASSERT_EQ(r * r + rem.remainder, n) << "seed " << seed << " case " << i;
            ASSERT_EQ(isqrt(n), r) << "seed " << seed << " case " << i;
        }
    }
}

}  // namespace
}  // namespace calcora
