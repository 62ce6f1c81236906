// SPDX-License-Identifier: MIT
// RTPower under hostile input. Outcomes: a text or a Failure. The exponent
// "0" gives "1"; a whole exponent n from 1 to 120 gives the exact power of a
// number-string base, cut to SF figures when its point stands at position SF
// or earlier and it is longer than SF + 1 characters; an exponent that is no
// number, or whole beyond the 32-bit range, fails; any other exponent gives
// the double power (good to about ten figures, or to the cut) or the overflow
// text, never a Failure. SF changes only for the exponents "0.5" and ".5".
//
// Input: base, exponent, setting. Flags bits 0–1: the exponent is the second
// operand, ".5", "-1" or "0"; bit 2: the setting is the third operand
// rather than the figure count written out.
#include <algorithm>
#include <cmath>
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
constexpr int kMaxExactExponent = 120;
// Digits of the power the exact check may build (by repeated multiplication).
constexpr std::int64_t kExactPowerDigits = 2000;

// The cut: a text whose point stands at position SF or earlier and that is
// longer than SF + 1 characters keeps what lies up to its SF-th figure,
// counted from its first non-zero digit.
std::string cut(const std::string& text, std::int64_t SF) {
    const std::size_t point = text.find('.');
    if (SF < 1 || point == std::string::npos || static_cast<std::int64_t>(point) + 1 > SF ||
        static_cast<std::int64_t>(text.size()) <= SF + 1) {
        return text;
    }
    std::int64_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isDigit(text[i]) || (kept == 0 && text[i] == '0')) continue;
        if (++kept == SF) return text.substr(0, i + 1);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 3);
    const std::string& base = in.operand(0);
    static const char* const kFixedExponents[] = {nullptr, ".5", "-1", "0"};
    const std::string exponent = kFixedExponents[in.flags & 3] ? kFixedExponents[in.flags & 3] : in.operand(1);
    const std::int16_t initialSF = in.figureCount();
    const std::string setting = in.flag(2) ? in.operand(2) : std::to_string(initialSF);

    std::int16_t SF = initialSF;
    const Outcome<std::string> r = capture([&] { return calcora::RTPower(SF, base, exponent, setting, {}); });
    const auto context = [&] {
        return "RTPower(" + std::to_string(initialSF) + ", " + shown(base) + ", " + shown(exponent) + ", " +
               shown(setting) + ") gave " + describe(r) + " with SF " + std::to_string(SF);
    };

    const bool rootCase = exponent == "0.5" || exponent == ".5";
    require(rootCase || SF == initialSF, [&] { return "SF changed: " + context(); });

    const std::optional<Exact> exactP = readNumberText(exponent);
    const double p = exactP ? nearestDouble(*exactP) : 0;
    if (!exactP || std::isinf(p)) {
        require(!r.ok(), [&] { return "an exponent that is no double gave a result: " + context(); });
        return 0;
    }
    if (exponent == "0") {
        require(r.value == std::string("1"), [&] { return "expected \"1\": " + context(); });
        return 0;
    }
    if (exponent == "-1" || rootCase) return 0;  // LargeDiv and SquareRoot have their own targets
    const double rounded = std::nearbyint(p);
    if (!(std::abs(rounded) < 2147483648.0)) {
        require(r.kind == Kind::Overflow, [&] { return "expected ArithmeticOverflow for the exponent: " + context(); });
        return 0;
    }

    if (rounded == p && p >= 1 && p <= kMaxExactExponent) {
        // The exact case.
        const int n = static_cast<int>(p);
        const std::string cleaned = withoutSeparators(base);
        const std::optional<Exact> b = parseNumberString(cleaned);
        if (!b || b->isZero() || cleaned.size() > kMaxLength) return 0;
        if (b->size() * n > kExactPowerDigits || b->top() * n > kExactPowerDigits || -b->exponent * n > kExactPowerDigits) {
            return 0;
        }
        // The power is n multiplications product × base, each failing near
        // the length limit as a multiplication does: when its two operands
        // (the product in its normal form, the base as typed) come within two
        // characters of the limit together.
        const std::size_t baseLength = split(cleaned).magnitude.size();
        std::size_t longestStep = 1 + baseLength;  // "1" × base
        Exact power = *b;
        for (int i = 1; i < n; ++i) {
            longestStep = std::max(longestStep, plainText(power).size() + baseLength);
            power = multiply(power, *b);
        }
        const std::string text = plainText(power);
        if (text.size() > kMaxLength) {
            require(r.kind == Kind::Overflow, [&] { return "a power past the length limit: " + context(); });
            return 0;
        }
        if (r.kind == Kind::Overflow && longestStep + 2 > kMaxLength) return 0;
        const std::string expected = cut(text, SF);
        require(r.value == expected, [&] { return "expected " + shown(expected) + ": " + context(); });
        return 0;
    }

    // The double case: never a Failure.
    require(r.ok(), [&] { return "the double case failed: " + context(); });
    const std::string& text = *r.value;
    if (text == calcora::kPowerOverflowText) return 0;
    const std::optional<Exact> got = readNumberText(text);
    require(got.has_value(), [&] { return "neither a number nor the overflow text: " + context(); });
    const std::optional<Exact> b = readNumberText(base);
    if (!b) return 0;
    const double x = nearestDouble(*b);
    const double expected = std::pow(x, p);
    const bool comparable = std::abs(x) >= 1e-5 && std::abs(x) <= 1e28 && std::abs(p) <= 1000 &&
                            std::abs(expected) >= 1e-280 && std::abs(expected) <= 1e280;
    if (!comparable) return 0;
    const double tolerance = std::max(1e-10, SF >= 1 && SF < 17 ? std::pow(10.0, 1 - SF) : 0.0);
    require(std::abs(nearestDouble(*got) / expected - 1) <= tolerance,
            [&] { return "not the power " + std::to_string(expected) + ": " + context(); });
    return 0;
}
