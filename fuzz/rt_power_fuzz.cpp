// SPDX-License-Identifier: MIT
// RTPower under hostile input. Outcomes: a text or a Failure. The case is
// chosen by the exponent's exact value as a typed number: zero gives "1"; a
// whole exponent n from 1 to 120 gives the exact power of a number-string
// base, cut to SF figures when its point stands at position SF or earlier and
// it is longer than SF + 1 characters; an exponent that is no number fails;
// any other exponent but −1 and 0.5 gives at most 15 figures of the power
// (good to about ten figures against doubles, or to the cut), or fails where
// the power has no such value. SF changes only for the exponent 0.5.
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
    const Outcome<std::string> r = capture([&] { return calcora::RTPower(SF, base, exponent, setting); });
    const auto context = [&] {
        return "RTPower(" + std::to_string(initialSF) + ", " + shown(base) + ", " + shown(exponent) + ", " +
               shown(setting) + ") gave " + describe(r) + " with SF " + std::to_string(SF);
    };

    const std::optional<Exact> exactP = readTypedNumber(exponent);
    const bool rootCase = exactP && *exactP == fromDigits("5", -1, false);
    require(rootCase || SF == initialSF, [&] { return "SF changed: " + context(); });
    if (!exactP) {
        require(r.kind == Kind::NotANumber, [&] { return "an exponent that is no number gave no NotANumber: " + context(); });
        return 0;
    }
    // An exponent whose number string would pass 32,767 characters.
    const bool longExponent = typedForm(exponent).size() > kMaxLength ||
                              (!exactP->isZero() && (exactP->top() > kMaxLength - 2 || -exactP->exponent > kMaxLength - 2));
    if (r.kind == Kind::Overflow && longExponent) return 0;
    if (exactP->isZero()) {
        require(r.value == std::string("1"), [&] { return "expected \"1\": " + context(); });
        return 0;
    }
    if (*exactP == negated(fromInteger(1)) || rootCase) return 0;  // LargeDiv and SquareRoot have their own targets
    const double p = nearestDouble(*exactP);
    const bool whole = exactP->exponent >= 0;

    if (whole && !exactP->negative && p <= kMaxExactExponent) {
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

    // The 15-figure case: a failure only where the power has no value the
    // double's text can show (checked against the exact power below).
    if (!r.ok()) {
        require(r.kind == Kind::Overflow || r.kind == Kind::InvalidArgument || r.kind == Kind::NotANumber,
                [&] { return "the 15-figure case failed oddly: " + context(); });
        return 0;
    }
    const std::string& text = *r.value;
    const std::optional<Exact> got = readNumberText(text);
    require(got.has_value() && (got->isZero() || got->size() <= 15),
            [&] { return "neither 15 figures nor the overflow text: " + context(); });
    const std::optional<Exact> b = readTypedNumber(base);
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
