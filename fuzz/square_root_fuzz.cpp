// SPDX-License-Identifier: MIT
// SquareRoot under hostile input. Outcomes: a root or a Failure. For a
// positive number string v (commas and spaces aside) and a setting of 1 or
// more, SF becomes min(setting, 100) and the root s is v's root truncated to
// SF figures: s² ≤ v < (s + one unit of s's SF-th figure)². Every other text
// that reads as a number from about 10^−280 to 10^300 gets a root good to
// twelve figures, a negative one a Failure (or "0" when it is too small for
// a double); SF changes only to the setting's count.
//
// Input: the number, then the setting. Flags bit 0: the setting is the
// figure count of bytes 1–2 written out, not the second operand.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

constexpr std::int16_t kUntouched = -12345;  // SF before the call
constexpr std::int64_t kMaxRootFigures = 100;
constexpr std::size_t kMaxLength = 32767;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 2);
    const std::string& value = in.operand(0);
    const bool generatedSetting = in.flag(0);
    const std::string setting = generatedSetting ? std::to_string(in.figureCount()) : in.operand(1);

    std::int16_t SF = kUntouched;
    const Outcome<std::string> r = capture([&] { return calcora::SquareRoot(SF, value, setting); });
    const auto context = [&] {
        return "SquareRoot(SF, " + shown(value) + ", " + shown(setting) + ") gave " + describe(r) + " with SF " +
               std::to_string(SF);
    };

    // The setting's count as the routine must read it, where the text says so plainly.
    std::optional<std::int64_t> count;
    if (const std::optional<Exact> s = readNumberText(setting); s && s->top() < 6) {
        const double whole = std::floor(nearestDouble(*s));
        // The integer part is a 16-bit count; past that range the reading fails.
        if (whole >= -32768 && whole <= 32767) {
            count = std::min(static_cast<std::int64_t>(whole), kMaxRootFigures);
        }
    }
    require(SF == kUntouched || (count && SF == *count), [&] { return "SF is not the setting's count: " + context(); });

    const std::string cleaned = withoutSeparators(value);
    const std::optional<Exact> v = parseNumberString(cleaned);
    const bool positiveNumberString = v && !v->isZero() && !v->negative && cleaned.front() != '-';
    if (positiveNumberString) {
        if (!count || *count < 1 || cleaned.size() > kMaxLength) {
            require(!r.ok(), [&] { return "expected a Failure: " + context(); });
            return 0;
        }
        require(r.ok() && SF == *count, [&] { return "expected the truncated root: " + context(); });
        const std::optional<Exact> root = parseNumberString(*r.value);
        require(root && !root->isZero() && !root->negative && *r.value == plainText(*root),
                [&] { return "not a positive number string in the normal form: " + context(); });
        const Exact next = add(*root, powerOfTen(root->top() - SF + 1));
        const bool below = compareMagnitude(multiply(*root, *root), *v) <= 0;
        const bool above = compareMagnitude(multiply(next, next), *v) > 0;
        require(below && above, [&] {
            return std::string(below ? "short of" : "above") + " the root of " + describe(*v) +
                   " truncated to SF figures: " + context();
        });
        return 0;
    }

    // Any other text: a root good to twelve figures, or a Failure.
    const std::optional<Exact> number = readNumberText(value);
    if (!number) return 0;
    if (number->negative) {
        // One too small for a double reads as zero, whose root is "0".
        const bool readsAsZero = nearestDouble(*number) == 0;
        require(!r.ok() || (readsAsZero && *r.value == "0"), [&] { return "a negative number gave a root: " + context(); });
        return 0;
    }
    const double expected = std::sqrt(nearestDouble(*number));
    if (!(expected > 1e-140 && expected < 1e150)) return 0;
    require(r.ok(), [&] { return "expected a root: " + context(); });
    const std::optional<Exact> root = readNumberText(*r.value);
    require(root.has_value(), [&] { return "the root is no number: " + context(); });
    const double got = nearestDouble(*root);
    require(std::abs(got / expected - 1) < 1e-12, [&] { return "not the root, " + std::to_string(expected) + ": " + context(); });
    return 0;
}
