// SPDX-License-Identifier: MIT
// Factorials: n! exactly as digits (FactorialUP) and n! as a double
// (FactorialHP). The count n is the integer part, rounded down, of the text
// read as a double.
#include "engine/engine.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/bigint.h"
#include "engine/limits.h"
#include "fixeddec/fixeddec.h"

namespace calcora {

namespace {

// 170! ≈ 7.3 × 10^306 is the last factorial below the double's maximum of
// about 1.8 × 10^308.
constexpr int kLargestDoubleFactorial = 170;

bool startsWithMinus(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first != std::string_view::npos && text[first] == '-';
}

// lo × (lo + 1) × … × hi for 1 ≤ lo ≤ hi: the factors packed into 64-bit
// words, then multiplied pairwise so that the big products have equal sizes.
BigUInt productRange(std::uint64_t lo, std::uint64_t hi) {
    std::vector<BigUInt> level;
    std::uint64_t word = 1;
    for (std::uint64_t i = lo; i <= hi; ++i) {
        if (word > std::numeric_limits<std::uint64_t>::max() / i) {
            level.emplace_back(word);
            word = 1;
        }
        word *= i;
    }
    level.emplace_back(word);
    while (level.size() > 1) {
        std::vector<BigUInt> next;
        next.reserve((level.size() + 1) / 2);
        for (std::size_t i = 0; i + 1 < level.size(); i += 2) next.push_back(level[i] * level[i + 1]);
        if (level.size() % 2 != 0) next.push_back(std::move(level.back()));
        level = std::move(next);
    }
    return std::move(level.front());
}

// True when (n − 1)! certainly has more than 32,767 digits, so that the n-th
// multiplication of the loop meets an operand beyond the engine's length
// limit. lgamma(n) = ln((n − 1)!) is good to far better than the margin of one
// digit kept here.
bool previousFactorialTooLong(int n) {
    const double log10Previous = std::lgamma(static_cast<double>(n)) / std::numbers::ln10;
    return log10Previous > limits::kMaxCount + 1.0;
}

}  // namespace

std::string FactorialUP(std::string_view InNum) {
    double value = 0;
    try {
        value = textToDouble(InNum);
    } catch (const ArithmeticOverflow&) {
        // A negative number beyond the double's range is far below −32,768.
        if (startsWithMinus(InNum)) return "1";
        throw;
    }
    const double count = std::floor(value);
    if (count > limits::kMaxCount) {
        throw ArithmeticOverflow("factorial: the count is above " + std::to_string(limits::kMaxCount));
    }
    if (count <= 0) return "1";  // below −32,768 too: no factor to multiply
    const int n = static_cast<int>(count);

    // The loop product = LargeMultiply(product, text of i) for i = 1..n meets
    // the 16-bit limit exactly when its last step does: each product is at
    // least as long as the one before, each factor i no longer than n, and
    // the texts a multiplication builds grow with its operands. So (n − 1)!
    // is built by a product tree and the last step is LargeMultiply itself,
    // which gives the digits and, where the product is too long, the failure.
    if (previousFactorialTooLong(n)) {
        limits::failTooLong("factorial: the product");
    }
    const std::string previous = n == 1 ? std::string("1") : productRange(1, static_cast<std::uint64_t>(n - 1)).toDigits();
    return LargeMultiply(previous, std::to_string(n));
}

std::string FactorialHP(std::string_view InNum) {
    try {
        const double count = std::floor(textToDouble(InNum));
        if (count > kLargestDoubleFactorial || count < limits::kMinCount) {
            return std::string(kFactorialOverflowText);
        }
        const int n = count < 1 ? 0 : static_cast<int>(count);
        // The exact product rounded once: a running product of doubles drifts
        // a few units in the last place from about 79! on.
        const std::string digits = n < 2 ? std::string("1") : productRange(2, static_cast<std::uint64_t>(n)).toDigits();
        double rounded = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), rounded);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            return std::string(kFactorialOverflowText);
        }
        return trimmedText(rounded);
    } catch (const Failure&) {
        return std::string(kFactorialOverflowText);
    }
}

}  // namespace calcora
