// SPDX-License-Identifier: MIT
// Add, Subtract, Multiply, Divide and 1/x. "Very High Precision" calls the
// string arithmetic, where an empty box counts as zero; "High Precision"
// computes with 29-digit fixed decimals and, for Multiply and Divide, falls
// back to the exact result rounded once to 15 figures.
#include <string>
#include <string_view>

#include "core/command_steps.h"
#include "core/commands.h"
#include "core/divide_boxes.h"
#include "core/texts.h"
#include "engine/engine.h"
#include "fixeddec/fixeddec.h"

namespace calcora::core {
namespace {

// op is "+" or "-"; the first operand always comes first.
Outcome sumOrDifference(const WindowState& before, std::string_view op) {
    return computed(before, [&] {
        const std::string first = numberIn(before.num1);
        const std::string second = numberIn(before.num2);
        if (!before.highPrecision()) return exactSumOrDifference(op, first, second);
        const FixedDecimal a = toFixedOperand(first);
        const FixedDecimal b = toFixedOperand(second);
        return trimmedText(op == "+" ? a + b : a - b);
    });
}

// Whether a fixed-decimal text has room for 15 figures in its 28 places: its
// first significant digit stands at 10^-14 or above. A zero has none.
bool keepsFifteenFigures(std::string_view fixedText) {
    if (isZeroValue(fixedText)) return false;
    const std::string exponent = decimalExponent(fixedText);
    return exponent.front() != '-' || std::stoi(exponent) >= -14;
}

// Whether two number texts have the same value.
bool sameValue(std::string_view a, std::string_view b) {
    if (decimalExponent(a) != decimalExponent(b)) return false;
    return isZeroValue(LargeAdd("-", plainNumber(a), plainNumber(b)));
}

// The "High Precision" result: the fixed-decimal one, else the 15-figure
// one. The 15-figure one is shown when the fixed decimal cannot hold an
// operand or the result, and, unless `fixedAlways`, when the fixed one has
// lost some of its first 15 figures to the 28 places ("0" for 1e-15 x 1e-14)
// and is not the exact value.
template <typename Fixed, typename Fifteen>
std::string fixedElseFifteen(Fixed&& fixed, Fifteen&& fallback, bool fixedAlways = false) {
    std::string shown;
    try {
        shown = fixed();
    } catch (const Failure&) {
        return fallback();
    }
    if (fixedAlways || keepsFifteenFigures(shown)) return shown;
    std::string rounded = fallback();
    return sameValue(shown, rounded) ? shown : rounded;
}

// The divisor read from its box text: DivisionByZero for a zero value, the
// empty box included.
std::string nonZeroDivisor(std::string_view text) {
    std::string divisor = numberIn(text);
    if (isZeroValue(divisor)) throw DivisionByZero("the divisor is zero");
    return divisor;
}

}  // namespace

Outcome add(const WindowState& before) { return sumOrDifference(before, "+"); }

Outcome subtract(const WindowState& before) { return sumOrDifference(before, "-"); }

Outcome multiply(const WindowState& before) {
    return computed(before, [&] {
        const std::string second = numberIn(before.num2);
        if (second.empty()) {
            // An empty second operand leaves the first, as typed, as the
            // result (withResult refuses one too long to read back).
            if (!before.num1.empty() && !isNumberText(before.num1)) {
                throw NotANumber("the first operand is not a number");
            }
            return before.num1;
        }
        const std::string first = numberIn(before.num1);
        if (!before.highPrecision()) return LargeMultiply(first, second);
        return fixedElseFifteen([&] { return trimmedText(toFixedOperand(first) * toFixedOperand(second)); },
                                [&] { return fifteenFigureProduct(first, second); });
    });
}

Outcome divide(const WindowState& before) { return divideBoxes(before, false); }

Outcome divideBoxes(const WindowState& before, bool seriesTerm) {
    WindowState state = before;
    const std::optional<std::int16_t> count = correctSetting(state);
    if (!count) return withResult(std::move(state), kSigFigsNotANumber);
    return computed(std::move(state), [&] {
        // The zero divisor is told before the dividend is read; a dividend
        // longer than the setting allows is refused with a message.
        const std::string divisor = nonZeroDivisor(before.num2);
        const std::string dividend = numberIn(before.num1);
        if (!before.highPrecision()) return LargeDiv(*count, dividend, divisor);
        return fixedElseFifteen([&] { return trimmedText(toFixedOperand(dividend) / toFixedOperand(divisor)); },
                                [&] { return fifteenFigureQuotient(dividend, divisor); }, seriesTerm);
    });
}

Outcome reciprocal(const WindowState& before) {
    WindowState state = before;
    const std::optional<std::int16_t> count = correctSetting(state);
    if (!count) return withResult(std::move(state), kSigFigsNotANumber);
    return computed(std::move(state), [&] {
        const std::string divisor = nonZeroDivisor(before.num1);
        if (before.highPrecision()) return trimmedText(FixedDecimal::fromInteger(1) / toFixedOperand(divisor));
        return LargeDiv(*count, "1", divisor);
    });
}

}  // namespace calcora::core
