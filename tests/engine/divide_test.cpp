// SPDX-License-Identifier: MIT
// LargeDiv: the edge cases as a table, the two mended faults, the length
// refusal and its message, the 16-bit limits, and seeded differential checks
// against the literal transcription (texts and failures, every SF from 1 to
// 500, divisors up to 600 digits) and an exact value oracle (the quotient is
// the truncation of N ÷ D to SF or SF + 1 significant figures).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "tests/engine/literal_transcription.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

using namespace testing_support;

Outcome<> fast(std::int16_t sf, std::string_view n, std::string_view d) {
    return capture([&] { return LargeDiv(sf, n, d); });
}
Outcome<> slow(std::int16_t sf, std::string_view n, std::string_view d) {
    return capture([&] { return literal::divide(sf, n, d); });
}

struct Row {
    const char* name;
    std::int16_t sf;
    std::string n;
    std::string d;
    Outcome<> expected;
};

TEST(LargeDiv, EdgeCases) {
    const std::vector<Row> rows = {
        {"third_truncated", 30, "1", "3", text("." + std::string(30, '3'))},
        {"two_thirds_not_rounded", 30, "2", "3", text("." + std::string(30, '6'))},
        {"worked_example_hundred_by_four", 3, "100", "4", text("25")},
        {"worked_example_third", 3, "1", "3", text(".333")},
        {"hundred_by_four", 30, "100", "4", text("25")},
        {"ten_by_four", 30, "10", "4", text("2.5")},
        {"one_by_eight", 30, "1", "8", text(".125")},
        {"seven_by_seven", 30, "7", "7", text("1")},
        {"negative_numerator", 30, "-10", "4", text("-2.5")},
        {"negative_divisor", 30, "10", "-4", text("-2.5")},
        {"both_negative", 30, "-10", "-4", text("2.5")},
        {"divisor_below_one", 30, "1", "0.001", text("1000")},
        {"both_fractions", 30, "2.5", "0.5", text("5")},
        {"small_quotient_keeps_point_form", 30, "6", "300", text(".02")},
        {"commas_removed", 30, "1,000", "8", text("125")},
        {"spaces_removed", 30, "1 000", " 8", text("125")},
        {"zero_numerator", 30, "0", "5", text("0")},
        {"zero_numerator_with_point", 30, "0.000", "5", text("0")},
        {"negative_zero_numerator_unsigned", 30, "-0", "5", text("0")},
        {"empty_numerator", 30, "", "5", text("0")},
        {"zero_quotient_over_a_fraction_divisor", 30, "0", "0.008", text("0")},
        {"zero_quotient_has_no_sign", 30, "0", "-0.05", text("0")},
        {"zero_quotient_over_a_tiny_divisor", 3, "0.000", "0.0000001", text("0")},
        {"zero_quotient_point_only_left", 30, "0", "-0.5", text("0")},
        {"waiting_digit_raises_exponent", 3, "1000", "1", text("1000")},
        {"truncated_whole_number", 3, "1234", "1", text("1230")},
        {"extra_digit_in_last_pass", 30, std::string(31, '9'), "3", text(std::string(30, '3') + "0")},
        {"whole_divisor_beyond_sf", 3, "1", "1.23456", text(".81")},
        {"divisor_tail_below_sf_decides", 50, "9", "1.000000000000000000000000000000000000000000000000099999",
         text("8.9999999999999999999999999999999999999999999999991")},
        {"divisor_one_past_sf_figures", 50, "1", "1." + std::string(50, '0') + "1", text("." + std::string(50, '9'))},
        {"numerator_at_sf_plus_one", 30, std::string(31, '1'), "1", text(std::string(30, '1') + "0")},
        {"numerator_point_counts", 1, "0.5", "1", text(".5")},
        {"leading_zeros_do_not_count", 1, "0000.5", "1", text(".5")},
        {"numerator_too_long", 30, std::string(32, '1'), "1", kTooLongNumerator},
        {"too_long_whatever_its_characters", 3, "12345a", "1", kTooLongNumerator},
        {"zero_divisor", 30, "5", "0", kByZero},
        {"empty_divisor", 30, "5", "", kByZero},
        {"point_divisor", 30, "5", ".", kByZero},
        {"zero_divisor_with_point_and_sign", 30, "5", "-0.000", kByZero},
        {"zero_by_zero", 30, "0", "0", kByZero},
        {"sf_plus_one_is_sixteen_bit", 32767, "1", "3", kOverflow},
        {"letter_never_brought_down_mended", 3, "123a", "1", kNaN},
        {"inner_minus_mended", 3, "1-5", "1", kNaN},
        {"two_points_in_divisor", 30, "2", "1.2.3", kNaN},
        {"double_sign", 30, "--2", "1", kNaN},
        {"plus_sign", 30, "+2", "1", kNaN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fast(row.sf, row.n, row.d), row.expected);
        EXPECT_EQ(slow(row.sf, row.n, row.d), row.expected);
    }
}

// ---- The whole divisor --------------------------------------------------------

TEST(LargeDiv, DivisorZerosAfterThePointKeepTheirFigures) {
    // The cut by characters divided by "0.0000000000000000000000000123" and
    // showed 30 figures of which 4 were right.
    EXPECT_EQ(fast(30, "1", "0.0000000000000000000000000123456789"),
              text("81000000737100006707610061.0392"));
    // Thirty or more zeros after the point no longer leave a zero divisor.
    EXPECT_EQ(fast(30, "1", "0." + std::string(40, '0') + "4"), text("25" + std::string(39, '0')));
    EXPECT_EQ(fast(30, "1", "-." + std::string(40, '0') + "3"), text("-" + std::string(30, '3') + std::string(11, '0')));
}

TEST(LargeDiv, DivisorWithLongIntegerPartKeepsItAll) {
    const std::string integerPart = "2" + std::string(34, '0');
    EXPECT_EQ(fast(30, "1", integerPart + ".5"), text("." + std::string(34, '0') + "4" + std::string(29, '9')));
    EXPECT_EQ(fast(30, "1", integerPart + ".5"), slow(30, "1", integerPart + ".5"));
}

// ---- The length refusal and its message --------------------------------------

TEST(LargeDiv, TooLongNumeratorIsRefusedBeforeEveryOtherCheck) {
    const std::string tooLong(32, '1');
    EXPECT_EQ(fast(30, tooLong, "7"), kTooLongNumerator);
    // Refused even when the divisor is zero or neither operand is a number.
    EXPECT_EQ(fast(30, tooLong, "0"), kTooLongNumerator);
    EXPECT_EQ(fast(3, "x,y,z,w,v", "q"), kTooLongNumerator);
    // One character fewer is accepted.
    EXPECT_EQ(fast(30, tooLong.substr(1), "1"), text(std::string(30, '1') + "0"));
}

TEST(LargeDiv, RefusalCountsThePointButNotSignSeparatorsOrLeadingZeros) {
    EXPECT_EQ(fast(3, "-0,001.25", "1"), text("-1.25"));
    EXPECT_EQ(fast(3, "1.255", "1"), kTooLongNumerator);
    EXPECT_EQ(fast(3, "0001", "1"), text("1"));
}

// ---- 16-bit limits -------------------------------------------------------------

TEST(LargeDiv, OperandsAtTheLimitAndOnePast) {
    const std::string divisor = "3" + std::string(32766, '1');
    EXPECT_EQ(fast(1, "4", divisor).kind, Kind::Value);
    EXPECT_EQ(fast(1, "4", divisor + "1"), kOverflow);
    EXPECT_EQ(fast(3, "1", "." + divisor.substr(1)).kind, Kind::Value);
    EXPECT_EQ(fast(3, "1", "." + divisor), kOverflow);
    // The numerator is measured after its leading zeros go.
    EXPECT_EQ(fast(3, std::string(40000, '0') + "5", "1"), text("5"));
    EXPECT_EQ(fast(3, std::string(32768, '5'), "1"), kOverflow);
    EXPECT_EQ(fast(3, std::string(32767, '5'), "1"), kTooLongNumerator);
}

TEST(LargeDiv, WideDivisorWindowsMatchTheLiteralDivision) {
    // With a divisor of 32,767 digits a window with one more character fails.
    const std::uint64_t seed = 0x5EED0101;
    std::mt19937_64 rng(seed);
    int overflows = 0;
    int texts = 0;
    for (int iter = 0; iter < 24; ++iter) {
        std::string d(32767, '0');
        for (char& c : d) c = static_cast<char>('0' + rng() % 10);
        d[0] = static_cast<char>('1' + rng() % (iter % 2 ? 1 : 9));
        if (iter % 4 == 1) std::fill(d.begin() + 1, d.end() - 1, '0');
        d.back() = '7';
        const auto sf = static_cast<std::int16_t>(1 + rng() % 4);
        std::string n = std::to_string(1 + rng() % 99999).substr(0, static_cast<std::size_t>(sf) + 1);
        if (iter % 3 == 0) n = d.substr(0, std::min<std::size_t>(static_cast<std::size_t>(sf) + 1, 3));
        const Outcome<> expected = slow(sf, n, d);
        ASSERT_EQ(fast(sf, n, d), expected) << "seed " << seed << " iteration " << iter << " SF " << sf
                                            << " n=" << n << " d=" << brief(d);
        (expected.kind == Kind::Overflow ? overflows : texts) += 1;
    }
    EXPECT_GT(overflows, 2);
    EXPECT_GT(texts, 2);
}

TEST(LargeDiv, ExponentLimits) {
    // The divisor's trailing zeros and the zeros brought down after N take E
    // down; below −32,768 it fails, and so does a placed quotient of more
    // than 32,767 characters.
    const std::string big = "1" + std::string(32766, '0');
    EXPECT_EQ(fast(1, "5", big), text("." + std::string(32765, '0') + "5"));
    for (const auto& [sf, n] : std::vector<std::pair<std::int16_t, std::string>>{
             {1, "5"}, {2, "5"}, {1, ".5"}, {2, ".05"}, {3, ".05"}}) {
        EXPECT_EQ(fast(sf, n, big), slow(sf, n, big)) << "SF " << sf << " n=" << n;
        if (sf > 1 || n != "5") {
            EXPECT_EQ(fast(sf, n, big), kOverflow) << "SF " << sf << " n=" << n;
        }
    }
    // Fraction digits kept from the divisor raise E; a placed quotient of
    // more than 32,767 characters fails.
    const std::string tiny = "." + std::string(32740, '0') + "1";
    EXPECT_EQ(fast(30, "1", tiny), slow(30, "1", tiny));
    EXPECT_EQ(fast(30, "1", tiny), text("1" + std::string(32741, '0')));
    EXPECT_EQ(fast(30, std::string(31, '9'), tiny), slow(30, std::string(31, '9'), tiny));
    EXPECT_EQ(fast(30, std::string(31, '9'), tiny), kOverflow);
}

TEST(LargeDiv, ZeroNumeratorWindowsGrowWithEveryPass) {
    // Literal cost grows with SF², so the largest SF is checked by reasoning:
    // a zero numerator's windows are all zeros, LD + SF (+1 when SF is even)
    // characters at the end, and E falls by as many.
    EXPECT_EQ(fast(32765, "0", "7"), text("0"));
    EXPECT_EQ(fast(32765, "0", "77"), kOverflow);   // the placed quotient: 32,768 characters
    EXPECT_EQ(fast(32765, "0", "777"), kOverflow);  // the last window: 32,768 characters
    EXPECT_EQ(fast(32766, "0", "7"), kOverflow);    // the pass counter reaches 32,768
    for (std::int16_t sf = 1; sf <= 40; ++sf) {
        EXPECT_EQ(fast(sf, "0.0", "3.5"), slow(sf, "0.0", "3.5")) << "SF " << sf;
    }
}

TEST(LargeDiv, NoFigureCountGivesNoDigits) {
    // With SF ≤ 0 no pass runs; N's digits all wait, and the point is placed
    // by E alone.
    for (const std::int16_t sf : {0, -1, -5}) {
        for (const char* n : {"", "0", "5", ".", "7.", "-3"}) {
            for (const char* d : {"3", "0.5", ".05", "300", "12.5"}) {
                EXPECT_EQ(fast(sf, n, d), slow(sf, n, d)) << "SF " << sf << " n=" << n << " d=" << d;
            }
        }
    }
}

// ---- Differential checks ----------------------------------------------------------

std::string randomDigits(std::mt19937_64& rng, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + rng() % 10));
    return s;
}

// Sign, leading and trailing zeros, maybe a point, separators; `digits` long.
std::string decorate(std::mt19937_64& rng, std::string s) {
    if (rng() % 4 == 0) s.insert(0, rng() % 4, '0');
    if (rng() % 4 == 0) s.append(rng() % 4, '0');
    if (rng() % 2 == 0) s.insert(rng() % (s.size() + 1), 1, '.');
    if (rng() % 4 == 0) s.insert(rng() % (s.size() + 1), 1, rng() % 2 ? ',' : ' ');
    if (rng() % 3 == 0) s.insert(0, 1, '-');
    if (rng() % 50 == 0) s.insert(rng() % (s.size() + 1), 1, "x.-+"[rng() % 4]);
    return s;
}

// Digits with runs of zeros and nines, which exercise exact remainders and
// windows below the divisor.
std::string patternedDigits(std::mt19937_64& rng, std::size_t n) {
    std::string s = randomDigits(rng, n);
    const char fill = rng() % 2 ? '0' : '9';
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (rng() % 3 == 0) s[i] = fill;
    }
    return s;
}

// Exact value check (tests/support): the quotient q of the text is N ÷ D
// truncated to SF or SF + 1 figures, 0 ≤ N/D − q < 10^(first figure's place
// − SF + 1), with D the whole divisor.
::testing::AssertionResult truncatedQuotient(int sf, const std::string& nText, const std::string& dText,
                                             const std::string& qText) {
    const Operand nOperand = split(nText), dOperand = split(dText);
    const std::optional<Exact> n = parseMagnitude(nOperand.magnitude);
    const std::optional<Exact> d = parseMagnitude(dOperand.magnitude);
    const std::optional<Exact> q = parseNumberString(qText);
    if (!n || !d || !q) return ::testing::AssertionFailure() << "not a number string";
    if (n->isZero()) {
        return qText == "0" ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "zero numerator";
    }
    if (q->isZero()) return ::testing::AssertionFailure() << "zero quotient";
    if (q->negative != (nOperand.negative != dOperand.negative)) return ::testing::AssertionFailure() << "sign";
    const Exact absQ = magnitude(*q);
    // N/D − q ≥ 0  ⇔  q·D ≤ N
    if (compareMagnitude(multiply(absQ, *d), *n) > 0) return ::testing::AssertionFailure() << "quotient too large";
    // N/D < q + 10^t, t = place of q's first figure − SF + 1.
    const Exact upper = add(absQ, powerOfTen(absQ.top() - sf + 1));
    if (compareMagnitude(multiply(upper, *d), *n) <= 0) return ::testing::AssertionFailure() << "quotient too small";
    if (q->size() > sf + 1) return ::testing::AssertionFailure() << "too many figures";
    return ::testing::AssertionSuccess();
}

TEST(LargeDiv, MatchesTheLiteralDivisionForEverySF) {
    const std::uint64_t seed = 0x5EED0102;
    std::mt19937_64 rng(seed);
    for (int iter = 0; iter < 2000; ++iter) {
        const auto sf = static_cast<std::int16_t>(1 + iter % 500);
        // The literal division costs about SF × 10 × LD steps: keep SF × LD bounded.
        const std::size_t maxLd = std::clamp<std::size_t>(20000 / static_cast<std::size_t>(sf), 1, 600);
        const std::size_t ld = 1 + rng() % maxLd;
        const std::size_t ln = 1 + rng() % (static_cast<std::size_t>(sf) + 1);
        const std::string n = decorate(rng, rng() % 2 ? randomDigits(rng, ln) : patternedDigits(rng, ln));
        const std::string d = decorate(rng, rng() % 2 ? randomDigits(rng, ld) : patternedDigits(rng, ld));
        const Outcome<> expected = slow(sf, n, d);
        const Outcome<> actual = fast(sf, n, d);
        ASSERT_EQ(actual, expected) << "seed " << seed << " iteration " << iter << " SF " << sf << " n=\"" << n
                                    << "\" d=\"" << brief(d) << "\"";
        if (actual.kind == Kind::Value && !actual.value.value_or("").empty()) {
            ASSERT_TRUE(truncatedQuotient(sf, n, d, actual.value.value_or("")))
                << "seed " << seed << " iteration " << iter << " SF " << sf << " n=" << n << " d=" << brief(d);
        }
    }
}

TEST(LargeDiv, MatchesTheLiteralDivisionOnShortOperands) {
    const std::uint64_t seed = 0x5EED0103;
    std::mt19937_64 rng(seed);
    for (int iter = 0; iter < 8000; ++iter) {
        const auto sf = static_cast<std::int16_t>(1 + rng() % 14);
        const std::size_t ln = rng() % (static_cast<std::size_t>(sf) + 2);
        const std::size_t ld = 1 + rng() % 12;
        const std::string n = decorate(rng, rng() % 2 ? randomDigits(rng, ln) : patternedDigits(rng, ln));
        const std::string d = decorate(rng, rng() % 2 ? randomDigits(rng, ld) : patternedDigits(rng, ld));
        const Outcome<> expected = slow(sf, n, d);
        const Outcome<> actual = fast(sf, n, d);
        ASSERT_EQ(actual, expected) << "seed " << seed << " iteration " << iter << " SF " << sf << " n=\"" << n
                                    << "\" d=\"" << d << "\"";
        if (actual.kind == Kind::Value && !actual.value.value_or("").empty()) {
            ASSERT_TRUE(truncatedQuotient(sf, n, d, actual.value.value_or("")))
                << "seed " << seed << " iteration " << iter << " SF " << sf << " n=" << n << " d=" << d;
        }
    }
}

TEST(LargeDiv, TruncationIsExactWhenTheDivisorTailDecides) {
    // 1 ÷ (10^31999 + 1) lies just below a power of ten and 1 ÷ (10^32000 − 1)
    // just above one: only the divisor's last digit tells the figures
    // "999…" from "1000…".
    const std::string justAbove = "1" + std::string(31998, '0') + "1";
    const std::string justBelow(32000, '9');
    EXPECT_EQ(fast(500, "1", justAbove), text("." + std::string(31999, '0') + std::string(500, '9')));
    EXPECT_EQ(fast(500, "1", justBelow), text("." + std::string(31999, '0') + "1"));
    EXPECT_EQ(fast(40, "1", justAbove), slow(40, "1", justAbove));
    EXPECT_EQ(fast(40, "1", justBelow), slow(40, "1", justBelow));
    // The same with a 501-digit numerator.
    const std::string n = "3" + std::string(500, '0');
    const std::string d = "3" + std::string(31998, '0') + "1";
    const Outcome<> below = fast(500, n, d);
    EXPECT_EQ(below, text("." + std::string(31499, '0') + std::string(500, '9')));
    EXPECT_TRUE(truncatedQuotient(500, n, d, below.value.value_or("")));
}

TEST(LargeDiv, InputsAreUnchanged) {
    const std::string n = "-1,000.50", d = "0.25";
    const std::string copyN = n, copyD = d;
    EXPECT_EQ(LargeDiv(30, n, d), "-4002");
    EXPECT_EQ(n, copyN);
    EXPECT_EQ(d, copyD);
}

}  // namespace
}  // namespace calcora
