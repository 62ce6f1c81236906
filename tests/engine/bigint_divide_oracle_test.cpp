// SPDX-License-Identifier: MIT
// divMod and divideFloor against GMP's mpz_tdiv_qr on seeded random operands:
// divisors from two limbs to hundreds, with top limbs at both ends of the
// base, numerators next to multiples of the divisor (where trial digits come
// out one too large or too small and the next digit takes it back), quotients
// whose digits are all B − 1 (the most every carry pass must hold), and the
// short quotients of long divisors.
#include <gmp.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "engine/bigint.h"

namespace calcora {
namespace {

// The quotient and remainder by GMP, as digit texts.
struct Expected {
    std::string quotient;
    std::string remainder;
};
Expected byGmp(const BigUInt& n, const BigUInt& d) {
    mpz_t a, b, q, r;
    mpz_inits(a, b, q, r, nullptr);
    mpz_set_str(a, n.toDigits().c_str(), 10);
    mpz_set_str(b, d.toDigits().c_str(), 10);
    mpz_tdiv_qr(q, r, a, b);
    const auto text = [](const mpz_t v) {
        std::string s(mpz_sizeinbase(v, 10) + 2, '\0');
        mpz_get_str(s.data(), 10, v);
        s.resize(s.find('\0'));
        return s;
    };
    Expected e{text(q), text(r)};
    mpz_clears(a, b, q, r, nullptr);
    return e;
}

std::string randomDigits(std::mt19937_64& rng, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + rng() % 10));
    return s;
}

// A value of `limbs` limbs whose top limb is `top` (random when 0).
BigUInt withTop(std::mt19937_64& rng, std::size_t limbs, std::uint32_t top) {
    if (top == 0) top = 1 + static_cast<std::uint32_t>(rng() % (BigUInt::kBase - 1));
    return BigUInt::fromDigits(std::to_string(top) + randomDigits(rng, 9 * (limbs - 1)));
}

::testing::AssertionResult agrees(const BigUInt& n, const BigUInt& d) {
    const Expected e = byGmp(n, d);
    const DivModResult r = divMod(n, d);
    if (r.quotient.toDigits() != e.quotient || r.remainder.toDigits() != e.remainder) {
        return ::testing::AssertionFailure() << "divMod(" << n.toDigits() << ", " << d.toDigits() << ")";
    }
    if (divideFloor(n, d).toDigits() != e.quotient) {
        return ::testing::AssertionFailure() << "divideFloor(" << n.toDigits() << ", " << d.toDigits() << ")";
    }
    return ::testing::AssertionSuccess();
}

TEST(BigUIntDivisionOracle, RandomOperandsNearMultiples) {
    const std::uint64_t seed = 0xD1F1;
    std::mt19937_64 rng(seed);
    const std::uint32_t tops[] = {0, 999'999'999, 100'000'000, 1, 500'000'000, 499'999'999};
    for (int i = 0; i < 3000; ++i) {
        const std::size_t dLimbs = 2 + (i % 5 == 0 ? rng() % 300 : rng() % 70);
        const BigUInt d = withTop(rng, dLimbs, tops[rng() % 6]);
        const std::size_t qLimbs = rng() % 80;
        const BigUInt q = qLimbs == 0 ? BigUInt() : withTop(rng, qLimbs, tops[rng() % 6]);
        // q·d shifted up a few limbs puts an exact multiple in the middle of the division.
        const std::size_t shift = rng() % 3 == 0 ? 9 * (rng() % 4) : 0;
        BigUInt n = shiftUp(q * d, shift);
        switch (rng() % 4) {
            case 0: break;
            case 1: n = n.isZero() ? n : n - BigUInt(1); break;
            case 2: n = addSmall(n, 1); break;
            default: n = n + withTop(rng, 1 + rng() % (dLimbs + 1), 0); break;
        }
        ASSERT_TRUE(agrees(n, d)) << "seed " << seed << " case " << i;
    }
}

TEST(BigUIntDivisionOracle, QuotientDigitsAllAtTheirLargest) {
    // floor((B^m − 1) / d) for d just above B^(k−1): every digit near B − 1.
    for (std::size_t k : {2u, 3u, 9u, 56u, 140u}) {
        const BigUInt d = addSmall(BigUInt::fromDigits("1" + std::string(9 * (k - 1), '0')), 1);
        for (std::size_t extra : {0u, 1u, 10u, 11u, 60u}) {
            const BigUInt n = BigUInt::fromDigits(std::string(9 * (k + extra), '9'));
            ASSERT_TRUE(agrees(n, d)) << k << " " << extra;
        }
    }
}

TEST(BigUIntDivisionOracle, ShortQuotientsOfLongDivisors) {
    const std::uint64_t seed = 0xD1F2;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 300; ++i) {
        const std::size_t dLimbs = 100 + rng() % 500;
        const BigUInt d = withTop(rng, dLimbs, i % 3 == 0 ? 999'999'999 : 0);
        const BigUInt q = withTop(rng, 1 + rng() % 60, 0);
        const BigUInt exact = q * d;
        // Exact multiples and their neighbours leave the leading limbs' remainder
        // below their quotient: the case the product decides.
        ASSERT_TRUE(agrees(exact, d)) << "seed " << seed << " case " << i;
        ASSERT_TRUE(agrees(exact - BigUInt(1), d)) << "seed " << seed << " case " << i;
        ASSERT_TRUE(agrees(exact + withTop(rng, 1 + rng() % dLimbs, 0), d)) << "seed " << seed << " case " << i;
    }
}

TEST(BigUIntDivisionOracle, NumeratorShorterThanDivisor) {
    std::mt19937_64 rng(0xD1F3);
    for (std::size_t k : {2u, 5u, 60u}) {
        const BigUInt d = withTop(rng, k, 0);
        for (std::size_t limbs : {std::size_t{1}, k - 1, k}) ASSERT_TRUE(agrees(withTop(rng, limbs, 0), d)) << k << " " << limbs;
        ASSERT_TRUE(agrees(d - BigUInt(1), d));
        ASSERT_TRUE(agrees(d, d));
    }
}

}  // namespace
}  // namespace calcora
