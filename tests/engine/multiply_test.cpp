// SPDX-License-Identifier: MIT
// LargeMultiply: the edge cases as a table, the mended malformed-operand rule,
// the 16-bit limits at and past the boundary, and seeded differential checks
// against the literal transcription (texts and failures) and against the
// exact schoolbook product of tests/support (values).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "tests/engine/literal_transcription.h"
#include "tests/support/exact.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

using namespace testing_support;

Outcome<> fast(std::string_view a, std::string_view b) {
    return capture([&] { return LargeMultiply(a, b); });
}
Outcome<> slow(std::string_view a, std::string_view b) {
    return capture([&] { return literal::multiply(a, b); });
}

struct Row {
    const char* name;
    std::string a;
    std::string b;
    Outcome<> expected;
};

TEST(LargeMultiply, EdgeCases) {
    const std::vector<Row> rows = {
        {"worked_example_whole", "12", "34", text("408")},
        {"negative_first", "-2", "3", text("-6")},
        {"both_negative", "-2", "-3", text("6")},
        {"negative_second", "2", "-3", text("-6")},
        {"halves_lose_leading_zero", "0.5", "0.5", text(".25")},
        {"negative_half", "-0.5", "0.5", text("-.25")},
        {"row_loses_zero_and_point", "1.5", "2", text("3")},
        {"whole_keeps_trailing_zeros", "10", "10", text("100")},
        {"fraction_zeros_go", "2.50", "4", text("10")},
        {"commas_removed", "1,000", "2", text("2000")},
        {"spaces_removed", "1 000", " 2 ", text("2000")},
        {"zero_by_zero", "0", "0", text("0")},
        {"zero_with_fraction_zeros", "0.00", "0", text("0")},
        {"negative_zero_unsigned", "-0", "0", text("0")},
        {"five_by_zero", "5", "0", text("0")},
        {"zero_by_five", "0", "5", text("0")},
        {"negative_five_by_zero", "-5", "0", text("0")},
        {"empty_by_empty", "", "", text("")},
        {"point_by_zero", ".", "0", text("")},
        {"zero_by_point", "0", ".", text("")},
        {"two_points_in_a_zero_fail", "0.0.0", "0", kNaN},
        {"two_points_in_a_second_zero_fail", "5", "0..", kNaN},
        {"sign_only_zero_test", "-", "0", text("")},
        {"empty_by_five", "", "5", text("0")},
        {"point_by_five", ".", "5", text("0")},
        {"trailing_point_operand", "5.", "3", text("15")},
        {"leading_point_operand", ".5", "3", text("1.5")},
        {"leading_zeros_go", "007", "003", text("21")},
        {"tiny_product", "0.001", "0.002", text(".000002")},
        {"letter_fails", "2a", "3", kNaN},
        {"second_point_in_b_mended", "2", "1.2.3", kNaN},
        {"second_point_in_a_mended", "1.2.3", "2", kNaN},
        {"double_sign_fails", "--2", "3", kNaN},
        {"plus_sign_fails", "+2", "3", kNaN},
        {"exponent_fails", "1E5", "3", kNaN},
        {"inner_minus_fails", "1-2", "3", kNaN},
        {"tab_is_not_a_separator", "1\t2", "3", kNaN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fast(row.a, row.b), row.expected);
        EXPECT_EQ(slow(row.a, row.b), row.expected);
    }
}

TEST(LargeMultiply, FiveHundredDigitsEachIsExact) {
    const std::string nines(500, '9');
    // (10^500 − 1)^2 = 10^1000 − 2·10^500 + 1
    const std::string expected = std::string(499, '9') + "8" + std::string(499, '0') + "1";
    EXPECT_EQ(fast(nines, nines), text(expected));
    EXPECT_EQ(fast("-" + nines, "." + nines), text("-" + std::string(499, '9') + "8." + std::string(499, '0') + "1"));
}

// ---- 16-bit limits ----------------------------------------------------------

TEST(LargeMultiply, OperandAtTheLimitAndOnePast) {
    // One significant figure each, so that the figure count stays in range.
    const std::string atLimit = "1" + std::string(32766, '0');
    EXPECT_EQ(fast(atLimit, "1"), text(atLimit));
    EXPECT_EQ(fast(atLimit + "0", "1"), kOverflow);
    EXPECT_EQ(fast("1", atLimit + "0"), kOverflow);
    // Separators and the sign do not count in an operand; a product of
    // 32,767 digits with its sign is one character too long to return.
    EXPECT_EQ(fast("-" + atLimit.substr(0, 32766) + ",", "1"), text("-" + atLimit.substr(0, 32766)));
    EXPECT_EQ(fast("-" + atLimit + ",", "1"), kOverflow);
    // A zero operand past the limit fails in the zero test's count too.
    EXPECT_EQ(fast(std::string(32768, '0'), "0"), kOverflow);
}

TEST(LargeMultiply, SignificantFigureSumIsSixteenBit) {
    // The two counts are added as a 16-bit sum before anything else.
    const std::string allFigures(32767, '1');
    EXPECT_EQ(fast(allFigures, "1"), kOverflow);
    EXPECT_EQ(fast(allFigures, "0"), text("0"));
    const std::string big(20000, '7');
    EXPECT_EQ(fast(big, big), kOverflow);
    EXPECT_EQ(slow(big, big), kOverflow);
}

TEST(LargeMultiply, RowWithCarryPastTheLimit) {
    // A row of 32,767 characters gains a carry digit when A times d has more
    // digits than A; a digit that brings no carry leaves the row in range.
    const std::string a = "5" + std::string(32766, '0');
    EXPECT_EQ(fast(a, "1"), text(a));
    EXPECT_EQ(fast(a, "2"), kOverflow);
    EXPECT_EQ(fast(a, "1.2"), kOverflow);
    EXPECT_EQ(fast("0" + a.substr(1), "9").kind, Kind::Value);
    EXPECT_EQ(fast(std::string(32765, '0') + "5.", "1"), text("5"));
    for (const char* b : {"1", "2", "1.2", "10"}) {
        EXPECT_EQ(fast(a, b), slow(a, b)) << b;
    }
    // Where only the last digits of A decide the carry: 111…10 × 9 stays below
    // the next power of ten, 111…120 × 9 passes it (a trailing zero keeps
    // the significant figures of A and 9 within the limit).
    const std::string ones = std::string(32766, '1') + "0";
    const std::string onesAndTwo = std::string(32765, '1') + "20";
    EXPECT_EQ(fast(ones, "9").kind, Kind::Value);
    EXPECT_EQ(fast(onesAndTwo, "9"), kOverflow);
    EXPECT_EQ(fast(ones, "9"), slow(ones, "9"));
    EXPECT_EQ(fast(onesAndTwo, "9"), slow(onesAndTwo, "9"));
}

// Near the boundary the lengths depend on the shapes of both operands, on the
// carries and on the product's trailing zeros; compare with the literal rows.
// (The literal costs one 32,767-character addition per digit of B, so B stays
// at a few hundred digits.)
TEST(LargeMultiply, LengthsNearTheLimitMatchTheLiteralRows) {
    const std::uint64_t seed = 20240611;
    std::mt19937_64 rng(seed);
    const auto digits = [&](std::size_t n, bool zerosLikely) {
        std::string s(n, '0');
        for (char& c : s) {
            c = static_cast<char>('0' + rng() % 10);
            if (zerosLikely && rng() % 3 == 0) c = '0';
        }
        return s;
    };
    const auto withPoint = [&](std::string s, std::size_t maxFrac) {
        const std::size_t frac = rng() % (std::min(maxFrac, s.size()) + 1);
        if (rng() % 3 != 0) s.insert(s.size() - frac, 1, '.');
        return s;
    };
    int overflows = 0;
    int texts = 0;
    for (int iter = 0; iter < 48; ++iter) {
        const std::size_t lb = 1 + (iter % 3 == 0 ? rng() % 300 : rng() % 6);
        const std::size_t la = 32767 - lb - 4 + rng() % 8;
        std::string b = withPoint(digits(lb, rng() % 2 == 0), lb);
        std::string a = withPoint(digits(la, rng() % 4 == 0), rng() % 2 ? 1 + rng() % 40 : la);
        if (rng() % 3 == 0) a[0] = '0';
        if (rng() % 4 == 0) a = "." + a.substr(1);
        if (rng() % 4 == 0) b.back() = '0';
        if (rng() % 5 == 0) b = "0" + b.substr(1);
        const Outcome<> expected = slow(a, b);
        ASSERT_EQ(fast(a, b), expected) << "seed " << seed << " iteration " << iter << " a=" << brief(a)
                                        << " b=" << brief(b);
        (expected.kind == Kind::Overflow ? overflows : texts) += 1;
    }
    // Both outcomes must have been probed.
    EXPECT_GT(overflows, 5);
    EXPECT_GT(texts, 5);
}

TEST(LargeMultiply, FractionTotalsNearTheLimit) {
    // B's fraction digits push the first rows far right; the trailing zeros
    // of the partial products decide whether the total keeps that width.
    struct Template {
        std::string head;  // A is head, then k fives or zeros, then tail
        char fill;
        std::string tail;
        std::string b;
    };
    const std::vector<Template> templates = {
        {"", '5', "", "." + std::string(200, '0') + "2"},
        {"", '5', "", "." + std::string(200, '0') + "20"},
        {".", '0', "5", "2" + std::string(150, '0') + ".5"},
        {".", '0', "5", "4" + std::string(150, '0') + ".25"},
        {"0.", '0', "25", "40"},
        {"0.", '0', "25", "4.0"},
        {"0.", '0', "25", ".04"},
        {"0.", '0', "125", "8.08"},
        {"", '0', ".5", "20"},
        {"1", '0', ".5", "." + std::string(120, '0') + "2"},
        {"9", '9', ".9", "9." + std::string(100, '9')},
    };
    for (const Template& t : templates) {
        const std::size_t base = 32767 - t.head.size() - t.tail.size() - t.b.size();
        for (std::size_t k = base - 3; k <= base + 3; ++k) {
            const std::string a = t.head + std::string(k, t.fill) + t.tail;
            EXPECT_EQ(fast(a, t.b), slow(a, t.b)) << "a=" << brief(a) << " b=" << brief(t.b);
        }
    }
}

// ---- Differential checks ----------------------------------------------------

// A random operand: sign, leading zeros, digits, maybe a point, trailing zeros,
// separators; now and then a malformed one.
std::string randomOperand(std::mt19937_64& rng, std::size_t maxDigits) {
    const std::size_t n = rng() % (maxDigits + 1);
    std::string s;
    const std::size_t leadingZeros = rng() % 4 == 0 ? rng() % 5 : 0;
    s.append(leadingZeros, '0');
    for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + rng() % 10));
    if (rng() % 4 == 0) s.append(rng() % 5, '0');
    if (rng() % 2 == 0) s.insert(rng() % (s.size() + 1), 1, '.');
    if (rng() % 3 == 0) {
        for (int i = static_cast<int>(rng() % 3); i > 0; --i) s.insert(rng() % (s.size() + 1), 1, rng() % 2 ? ',' : ' ');
    }
    if (rng() % 3 == 0) s.insert(0, 1, '-');
    if (rng() % 40 == 0) {
        const char junk[] = {'.', '-', 'x', '+', 'E'};
        s.insert(rng() % (s.size() + 1), 1, junk[rng() % 5]);
    }
    return s;
}

TEST(LargeMultiply, MatchesTheLiteralRowsOnRandomOperands) {
    const std::uint64_t seed = 0x5EED0001;
    std::mt19937_64 rng(seed);
    for (int iter = 0; iter < 6000; ++iter) {
        std::size_t maxA = 40, maxB = 40;
        const int shape = iter % 10;
        if (shape == 7) maxA = 2500, maxB = 8;
        if (shape == 8) maxA = 8, maxB = 300;
        if (shape == 9) maxA = 400, maxB = 60;
        const std::string a = randomOperand(rng, maxA);
        const std::string b = randomOperand(rng, maxB);
        ASSERT_EQ(fast(a, b), slow(a, b)) << "seed " << seed << " iteration " << iter << " a=\"" << a
                                          << "\" b=\"" << b << "\"";
    }
}

TEST(LargeMultiply, ValueEqualsSchoolbookProduct) {
    const std::uint64_t seed = 0x5EED0002;
    std::mt19937_64 rng(seed);
    for (int iter = 0; iter < 400; ++iter) {
        const std::size_t la = 1 + rng() % (iter % 10 == 0 ? 3000 : 300);
        const std::size_t lb = 1 + rng() % (iter % 10 == 0 ? 3000 : 300);
        std::string a, b;
        for (std::size_t i = 0; i < la; ++i) a.push_back(static_cast<char>('0' + rng() % 10));
        for (std::size_t i = 0; i < lb; ++i) b.push_back(static_cast<char>('0' + rng() % 10));
        const std::size_t fa = rng() % (la + 1), fb = rng() % (lb + 1);
        const bool negative = rng() % 2 == 0;
        // The exact product in the canonical text: no leading zeros, no
        // trailing fraction zeros or point, ".5" below one, "0" for zero.
        const std::string expected = plainText(multiply(
            fromDigits(a, -static_cast<std::int64_t>(fa), negative), fromDigits(b, -static_cast<std::int64_t>(fb), false)));
        std::string pa = a, pb = b;
        pa.insert(la - fa, 1, '.');
        pb.insert(lb - fb, 1, '.');
        ASSERT_EQ(fast((negative ? "-" : "") + pa, pb), text(expected))
            << "seed " << seed << " iteration " << iter << " a=" << brief(pa) << " b=" << brief(pb);
    }
}

TEST(LargeMultiply, InputsAreUnchanged) {
    const std::string a = "-1,234.50", b = "0.020";
    const std::string copyA = a, copyB = b;
    EXPECT_EQ(LargeMultiply(a, b), "-24.69");
    EXPECT_EQ(a, copyA);
    EXPECT_EQ(b, copyB);
}

}  // namespace
}  // namespace calcora
