// SPDX-License-Identifier: MIT
// LargeMultiply under hostile input. Outcomes: a number string or a Failure.
// Two number strings give their exact product in the normal form (no leading
// zeros, no trailing fraction zeros or point, "0" without sign); checked
// digit by digit for modest operands, and modulo two primes at any size. Two
// number strings without a significant digit give "0", or "" when one is no
// number ("" or "."); a second point in such an operand ("0.0.0") fails with
// NotANumber. Any other operand that is no number string fails with
// NotANumber; an operand over 32,767 characters, or two whose significant
// figures add up past 32,767, with ArithmeticOverflow.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace {

using namespace fuzz;
using namespace calcora::testing_support;

constexpr std::size_t kMaxLength = 32767;
// Digit products the schoolbook check may spend on one input.
constexpr std::size_t kExactBudget = 2'000'000;
constexpr std::uint64_t kPrimes[] = {2305843009213693951ULL /* 2^61 − 1 */, 1'000'000'007ULL};

// Significant figures by the counting rule: leading zeros and points, then
// trailing zeros, go; a remaining point does not count.
std::int64_t figures(std::string_view s) {
    while (!s.empty() && (s.front() == '0' || s.front() == '.')) s.remove_prefix(1);
    while (!s.empty() && s.back() == '0') s.remove_suffix(1);
    return static_cast<std::int64_t>(s.size()) - (s.find('.') != std::string_view::npos ? 1 : 0);
}

// A text without a significant figure is zeros and points: a number string
// with at most one point.
bool readsAsNumberString(std::string_view s) { return std::count(s.begin(), s.end(), '.') <= 1; }

// A number string of zeros with at least one digit reads as a number; "" and
// "." do not.
bool readsAsZero(std::string_view s) { return s.find('0') != std::string_view::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 2);
    const std::string& text1 = in.operand(0);
    const std::string& text2 = in.operand(1);
    const Outcome<std::string> r = capture([&] { return calcora::LargeMultiply(text1, text2); });
    const auto context = [&] { return "LargeMultiply(" + shown(text1) + ", " + shown(text2) + ") gave " + describe(r); };

    const std::string A = split(text1).magnitude;
    const std::string B = split(text2).magnitude;
    if (A.size() > kMaxLength || B.size() > kMaxLength) {
        require(r.kind == Kind::Overflow, [&] { return "expected ArithmeticOverflow: " + context(); });
        return 0;
    }
    // The two counts add up in 16 bits too.
    if (figures(A) + figures(B) > static_cast<std::int64_t>(kMaxLength)) {
        require(r.kind == Kind::Overflow, [&] { return "expected ArithmeticOverflow for the figure count: " + context(); });
        return 0;
    }
    if (figures(A) + figures(B) < 1) {
        if (!readsAsNumberString(A) || !readsAsNumberString(B)) {
            require(r.kind == Kind::NotANumber,
                    [&] { return "expected NotANumber for a malformed zero: " + context(); });
            return 0;
        }
        const std::string expected = readsAsZero(A) && readsAsZero(B) ? "0" : "";
        require(r.value == expected, [&] { return "expected " + shown(expected) + ": " + context(); });
        return 0;
    }
    const std::optional<Exact> x = parseMagnitude(A);
    const std::optional<Exact> y = parseMagnitude(B);
    if (!x || !y) {
        require(r.kind == Kind::NotANumber, [&] { return "expected NotANumber: " + context(); });
        return 0;
    }
    if (!r.ok()) {
        // Rows and totals outgrow the limit only for operands near it.
        require(r.kind == Kind::Overflow && A.size() + B.size() + 2 > kMaxLength,
                [&] { return "two number strings failed: " + context(); });
        return 0;
    }

    const std::string& text = *r.value;
    const std::optional<Exact> got = parseNumberString(text);
    require(got.has_value(), [&] { return "not a number string: " + context(); });
    const bool negative = split(text1).negative != split(text2).negative;

    // The product's digits modulo two primes, and its place.
    const std::int64_t exponent = x->exponent + y->exponent;
    bool same = !x->isZero() && !y->isZero() ? !got->isZero() && got->exponent >= exponent : got->isZero();
    if (same && !got->isZero()) {
        same = got->negative == negative &&
               got->top() - exponent + 1 >= x->size() + y->size() - 1 && got->top() - exponent + 1 <= x->size() + y->size();
        for (const std::uint64_t p : kPrimes) {
            const std::uint64_t lhs =
                mulMod(residue(*got, p), powerMod(10, static_cast<std::uint64_t>(got->exponent - exponent), p), p);
            const std::uint64_t rhs = mulMod(residue(*x, p), residue(*y, p), p);
            same = same && lhs == rhs;
        }
    }
    require(same, [&] { return "not the exact product (residues or place): " + context(); });
    if (static_cast<std::size_t>(x->size()) * static_cast<std::size_t>(y->size()) <= kExactBudget) {
        const Exact product = multiply(*x, *y);
        const Exact expected = negative ? negated(product) : product;
        require(*got == expected, [&] { return "not the exact product " + describe(expected) + ": " + context(); });
        require(text == plainText(expected), [&] { return "not in the normal form " + shown(plainText(expected)) + ": " + context(); });
    } else {
        const bool minus = text.front() == '-';
        const std::string_view mag = std::string_view(text).substr(minus ? 1 : 0);
        require(text == "0" || (!mag.empty() && mag.front() != '0' && text.back() != '.' &&
                                (mag.find('.') == std::string_view::npos || text.back() != '0')),
                [&] { return "not in the normal form: " + context(); });
    }
    return 0;
}
