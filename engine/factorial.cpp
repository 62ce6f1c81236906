// SPDX-License-Identifier: MIT
// Factorials: n! exactly as digits (FactorialUP) and n! rounded once to a
// double's 15 figures (FactorialHP). The count n is the integer part, rounded
// down, of the number the text stands for, read exactly: "5.99999999999999999"
// counts 5, which no double reading of it would.
#include "engine/engine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bigint.h"
#include "engine/limits.h"
#include "engine/wide_word.h"
#include "fixeddec/fixeddec.h"

namespace calcora {

namespace {

// 170! ≈ 7.3 × 10^306 is the last factorial below the double's maximum of
// about 1.8 × 10^308.
constexpr int kLargestDoubleFactorial = 170;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Whether a number text is negative: its first character other than the
// blanks around a number and the separators inside it (",", " ") is "-", as
// the number reading has it (",-1e40" is negative too).
bool startsWithMinus(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && (isBlank(text[first]) || text[first] == ',')) ++first;
    return first < text.size() && text[first] == '-';
}

// A count beyond the 16-bit range on either side: no factorial is computed
// for it, so how far beyond does not matter.
constexpr std::int32_t kAboveCounts = limits::kMaxCount + 1;
constexpr std::int32_t kBelowCounts = limits::kMinCount - 1;

// n for InNum: the integer part, rounded down, of its number (plainNumber's
// reading), or kAboveCounts / kBelowCounts beyond the 16-bit range.
// NotANumber for a text that is no number or empty; ArithmeticOverflow for
// one whose exponent is too long to read, or whose digits written out pass
// the 16-bit length.
std::int32_t countOf(std::string_view InNum) {
    const std::string place = decimalExponent(InNum);
    if (place.empty()) {
        if (!isNumberText(InNum)) throw NotANumber("factorial: the text is not a number");
        limits::failTooLong("factorial: the number's exponent");
    }
    const bool negative = startsWithMinus(InNum);
    // The first significant figure at 10^place: below 1, or 10^5 and beyond,
    // nothing else decides the count, and writing the number out could pass
    // the length limit ("1e-40000").
    if (place.front() == '-') return negative ? -1 : 0;
    if (place.size() > 1 || place.front() >= '5') return negative ? kBelowCounts : kAboveCounts;

    const std::string number = plainNumber(InNum);
    const std::size_t point = std::min(number.find('.'), number.size());
    std::int32_t whole = 0;
    for (std::size_t i = negative ? 1 : 0; i < point; ++i) whole = whole * 10 + (number[i] - '0');
    const bool fraction = point < number.size() && number.find_first_of("123456789", point) != std::string::npos;
    return negative ? -whole - (fraction ? 1 : 0) : whole;
}

// n! as digits. Each factor 10 of n! is taken out (every factor 5 and as
// many factors 2) and written as a zero at the end; what is left of the
// factors is packed into words below 10^18 for productOf's balanced tree.
std::string factorialDigits(std::uint32_t n) {
    constexpr std::uint64_t kWordLimit = 1'000'000'000'000'000'000;
    std::uint32_t fives = 0;
    for (std::uint32_t power = 5; power <= n; power *= 5) fives += n / power;
    std::uint32_t twosLeft = fives;
    std::vector<std::uint64_t> words;
    words.reserve(n / 2 + 2);  // every word holds at least two factors below 32,768
    const auto stripped = [&twosLeft](std::uint32_t factor) {
        while (factor % 5 == 0) factor /= 5;
        const auto twos = std::min<std::uint32_t>(static_cast<std::uint32_t>(std::countr_zero(factor)), twosLeft);
        twosLeft -= twos;
        return factor >> twos;
    };
    // Two factors at a time (below 2^30 together): the packing is one chain
    // of multiplications, and this halves it.
    std::uint64_t word = 1;
    for (std::uint32_t i = 2; i <= n; i += 2) {
        const std::uint64_t factors = std::uint64_t{stripped(i)} * (i < n ? stripped(i + 1) : 1);
        if (Uint128(word) * factors >= kWordLimit) {
            words.push_back(word);
            word = 1;
        }
        word *= factors;
    }
    words.push_back(word);
    std::string digits = productOf(words).toDigits();
    digits.append(fives, '0');
    return digits;
}

// 8000! has 27,753 digits: up to there no factorial comes near the limit.
constexpr int kSurelyShort = 8000;

// True when (n − 1)! certainly has more than 32,767 digits, so that the n-th
// multiplication of the loop meets an operand beyond the engine's length
// limit. lgamma(n) = ln((n − 1)!) is good to far better than the margin of one
// digit kept here.
bool previousFactorialTooLong(int n) {
    if (n <= kSurelyShort) return false;
    const double log10Previous = std::lgamma(static_cast<double>(n)) / std::numbers::ln10;
    return log10Previous > limits::kMaxCount + 1.0;
}

}  // namespace

std::string FactorialUP(std::string_view InNum) {
    const std::int32_t count = countOf(InNum);
    if (count > limits::kMaxCount) {
        throw ArithmeticOverflow("factorial: the count is above " + std::to_string(limits::kMaxCount));
    }
    if (count <= 0) return "1";  // below −32,768 too: no factor to multiply
    const int n = count;

    // The loop product = LargeMultiply(product, text of i) for i = 1..n meets
    // the 16-bit limit exactly when its last step does: each product is at
    // least as long as the one before, each factor i no longer than n, and
    // the texts a multiplication builds grow with its operands. So (n − 1)!
    // is built by a product tree and the last step is LargeMultiply itself,
    // which gives the digits and, where the product is too long, the failure.
    if (previousFactorialTooLong(n)) {
        limits::failTooLong("factorial: the product");
    }
    // Far enough below the limit, no step can fail and n! is made at once.
    if (!previousFactorialTooLong(n + 2)) return factorialDigits(static_cast<std::uint32_t>(n));
    return LargeMultiply(factorialDigits(static_cast<std::uint32_t>(n - 1)), std::to_string(n));
}

std::string FactorialHP(std::string_view InNum) {
    const std::int32_t count = countOf(InNum);
    if (count > kLargestDoubleFactorial || count < limits::kMinCount) {
        throw ArithmeticOverflow("factorial: the count is beyond 170! in doubles");
    }
    const int n = count < 1 ? 0 : count;
    // The exact product rounded once: a running product of doubles drifts a
    // few units in the last place from about 79! on, and a double made of the
    // exact digits would round a second time in its text.
    const std::string digits = factorialDigits(static_cast<std::uint32_t>(n));
    return trimmedText(roundedToFifteen(digits, 0, false));
}

}  // namespace calcora
