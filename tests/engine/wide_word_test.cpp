// SPDX-License-Identifier: MIT
// Uint128 and bigEndianWord (engine/wide_word.h) give the same results with
// the compiler's 128-bit integer and with the portable class; a build with
// CALCORA_FORCE_PORTABLE_WIDE=ON runs these against the portable one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "engine/wide_word.h"

namespace calcora {
namespace {

std::uint64_t high(Uint128 v) { return static_cast<std::uint64_t>(v >> 64); }
std::uint64_t low(Uint128 v) { return static_cast<std::uint64_t>(v); }

constexpr std::uint64_t kMax = UINT64_MAX;

struct Product {
    std::uint64_t a, b, hi, lo;
};

TEST(WideWord, MultipliesTwoWordsExactly) {
    const Product table[] = {
        {0x0ull, 0x0ull, 0x0ull, 0x0ull},
        {0x1ull, kMax, 0x0ull, kMax},
        {kMax, kMax, 0xFFFFFFFFFFFFFFFEull, 0x1ull},
        {0xFFFFFFFFull, 0xFFFFFFFFull, 0x0ull, 0xFFFFFFFE00000001ull},
        {0x100000000ull, 0x100000000ull, 0x1ull, 0x0ull},
        {999999999999999999ull, 999999999999999999ull, 0xC097CE7BC90715ull, 0x978A31A8B1380001ull},
        {0x0909090909090909ull, 0xF6F6F6F6F6F6F6F6ull, 0x08B76614C37220CFull, 0x6CBE0F60B20354A6ull},
        {0x123456789ABCDEF0ull, 0x0FEDCBA987654321ull, 0x0121FA00AD77D742ull, 0x2236D88FE5618CF0ull},
    };
    for (const Product& p : table) {
        const Uint128 product = static_cast<Uint128>(p.a) * p.b;
        EXPECT_EQ(high(product), p.hi) << p.a << " × " << p.b;
        EXPECT_EQ(low(product), p.lo) << p.a << " × " << p.b;
    }
}

TEST(WideWord, KeepsTheLow128BitsOfAWiderProduct) {
    const Uint128 product = static_cast<Uint128>(0x123456789ABCDEF0ull) * 0x0FEDCBA987654321ull * 1'000'000'000u;
    EXPECT_EQ(high(product), 0x5BA781944B8567E6ull);
    EXPECT_EQ(low(product), 0xB74F032911956000ull);
}

TEST(WideWord, CarriesAndBorrowsAcrossTheWords) {
    EXPECT_EQ(high(static_cast<Uint128>(kMax) + 1u), 1u);
    EXPECT_EQ(low(static_cast<Uint128>(kMax) + 1u), 0u);
    // As LargeAdd's word loop uses it: the high word says whether the low one
    // overflowed (a sum) or went below zero (a difference), which wraps.
    EXPECT_EQ(high(static_cast<Uint128>(5u) - 7u - 1u), kMax);
    EXPECT_EQ(low(static_cast<Uint128>(5u) - 7u - 1u), kMax - 2);
    EXPECT_EQ(high(static_cast<Uint128>(7u) - 7u - 0u), 0u);
    const Uint128 twoWords = static_cast<Uint128>(kMax) * kMax;  // 2^128 − 2^65 + 1
    EXPECT_EQ(high(twoWords - kMax), 0xFFFFFFFFFFFFFFFDull);
    EXPECT_EQ(low(twoWords - kMax), 2u);
}

TEST(WideWord, ShiftsRight) {
    const Uint128 v = static_cast<Uint128>(0x8000000000000001ull) * 0x100000000ull + 0xFFu;
    EXPECT_EQ(low(v >> 0), 0x00000001000000FFull);
    EXPECT_EQ(low(v >> 1), 0x000000008000007Full);
    EXPECT_EQ(low(v >> 32), 0x8000000000000001ull);
    EXPECT_EQ(low(v >> 64), 0x80000000ull);
    EXPECT_EQ(low(v >> 95), 1u);
    EXPECT_EQ(low(v >> 96), 0u);
}

TEST(WideWord, OrdersByValue) {
    const Uint128 small = static_cast<Uint128>(kMax);
    const Uint128 big = static_cast<Uint128>(kMax) + 1u;
    EXPECT_TRUE(small < big);
    EXPECT_TRUE(big > small);
    EXPECT_TRUE(small <= small);
    EXPECT_FALSE(big <= small);
    EXPECT_TRUE(big == static_cast<Uint128>(0x100000000ull) * 0x100000000ull);
}

TEST(WideWord, ConvertsToLongDouble) {
    EXPECT_EQ(static_cast<long double>(static_cast<Uint128>(kMax) + 1u), 18446744073709551616.0L);
    // 10^36 − 1, the largest value the square root's small case reads: the
    // estimate must come within one part in 10^15 (a double's worth).
    const Uint128 v = static_cast<Uint128>(999999999999999999ull) * 1'000'000'000'000'000'000ull +
                      999999999999999999ull;
    EXPECT_NEAR(static_cast<double>(static_cast<long double>(v) / 1e36L), 1.0, 1e-15);
}

TEST(WideWord, ReadsMemoryWithItsFirstByteMostSignificant) {
    std::uint64_t word = 0;
    std::memcpy(&word, "01234567", sizeof word);
    EXPECT_EQ(bigEndianWord(word), 0x3031323334353637ull);
    EXPECT_EQ(bigEndianWord(bigEndianWord(word)), word);
}

}  // namespace
}  // namespace calcora
