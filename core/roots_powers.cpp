// SPDX-License-Identifier: MIT
// Sq Rt, ^ Exp and x !. Each reads its operands with the one reading of
// numbers and writes one text into txtResult: the result, or a fixed text
// saying why there is none.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/command_steps.h"
#include "core/commands.h"
#include "core/texts.h"
#include "engine/engine.h"
#include "fixeddec/fixeddec.h"

namespace calcora::core {
namespace {

// The largest count whose factorial the command computes.
constexpr double kLargestFactorial = 1000;

// For a number text: a "-" before a mantissa with a digit 1 to 9.
bool denotesNegative(std::string_view number) {
    const std::size_t first = number.find_first_not_of(" \t\n\r\v\f");
    if (first == std::string_view::npos || number[first] != '-') return false;
    const std::string_view mantissa = number.substr(0, number.find_first_of("Ee"));
    return mantissa.find_first_of("123456789") != std::string_view::npos;
}

// The text the factorial command answers a typed text with before it
// computes anything, or the empty text when the factorial may be computed.
std::string factorialRefusal(std::string_view typed) {
    // The leading number stops at the first character that is no digit, so
    // "1001abc" is already too large. It reads no exponent: a number in
    // exponent form is judged whole below ("100000e-2" is 1000).
    const bool exponentForm = isNumberText(typed) && typed.find_first_of("Ee") != std::string_view::npos;
    if (!exponentForm && leadingWholeNumber(typed) > kLargestFactorial) return kFactorialTooLarge;
    if (!isNumberText(typed)) return kFactorialNeedsInteger;
    if (denotesNegative(typed)) return kFactorialNeedsWholeNumber;
    // A first significant digit at 10^4 or beyond is far above 1000, however
    // long the number is written out. An exponent too long to have a text
    // here is left to the reading below, which finds the number too long.
    const std::string exponent = decimalExponent(typed);
    if (!exponent.empty() && exponent.front() != '-' && (exponent.size() > 1 || exponent.front() > '3')) {
        return kFactorialTooLarge;
    }
    return {};
}

// A box read for Sq Rt or ^ Exp: its number, or the text that says why there
// is none (`missing` for an empty box or a text that is no number, the
// failure text for one too long to compute with).
struct Operand {
    std::string number;
    std::string refusal;  // empty when there is a number
};

Operand operandOrRefusal(std::string_view text, const char* missing) {
    try {
        std::string number = numberIn(text);
        if (!number.empty()) return {std::move(number), {}};
    } catch (const NotANumber&) {
    } catch (const Failure& failure) {
        return {{}, failureText(failure)};
    }
    return {{}, missing};
}

// The power the window shows for its boxes: the base read from txtNum1 (no
// base is no number), the exponent already read; whatever stops the power
// itself (a range, zero to a negative power, a negative base with a
// fraction) says so with the overflow text.
std::string powerText(const WindowState& before, const std::string& exponent, std::int16_t count) {
    const std::string base = numberIn(before.num1);
    if (base.empty()) throw NotANumber("power: no base");
    try {
        if (before.highPrecision()) {
            // Both operands within the fixed decimal's range (their first 15
            // figures kept), the power of their values as typed in 15 figures.
            static_cast<void>(toFixedOperand(base));
            static_cast<void>(toFixedOperand(exponent));
            return fifteenFigurePower(base, exponent);
        }
        return RTPower(count, base, exponent, std::to_string(count));
    } catch (const Failure&) {
        return std::string(kOverflowText);
    }
}

Outcome focused(Outcome outcome, Box box) {
    outcome.focus = box;
    return outcome;
}

}  // namespace

Outcome squareRoot(const WindowState& before) {
    WindowState state = before;
    const std::optional<std::int16_t> count = correctSetting(state);
    if (!count) return withResult(std::move(state), kSigFigsNotANumber);
    const Operand read = operandOrRefusal(before.num1, kInputMustBeNumeric);
    if (!read.refusal.empty()) return withResult(std::move(state), read.refusal);
    const std::string& number = read.number;
    // Any spelling of zero ("00", "-0.0", "0E5") has the root "0".
    if (isZeroValue(number)) return withResult(std::move(state), "0");
    if (number.front() == '-') return withResult(std::move(state), kInputMustNotBeNegative);

    if (!before.highPrecision()) {
        // Every figure a digit of the true root, at most 100 of them.
        std::int16_t figures = 0;
        return focused(computed(std::move(state), [&] { return SquareRoot(figures, number, std::to_string(*count)); }),
                       Box::Num1);
    }
    try {
        return focused(withResult(state, fixedSquareRoot(number)), Box::Num1);
    } catch (const ArithmeticOverflow& failure) {
        // Below 1, beyond the fixed decimal means too small to keep 15
        // figures in 28 places: the overflow text, as in every "High
        // Precision" command without a 15-figure fallback.
        if (decimalExponent(number).front() == '-') return failed(std::move(state), failure);
    } catch (const Failure&) {
    }
    // Above the fixed decimal's range: the double root, 15 figures.
    return computed(std::move(state), [&] { return doubleSquareRoot(number); });
}

Outcome power(const WindowState& before) {
    WindowState state = before;
    const std::optional<std::int16_t> count = correctSetting(state);
    if (!count) return withResult(std::move(state), kSigFigsNotANumber);
    const Operand read = operandOrRefusal(before.num2, kExponentNeeded);
    if (!read.refusal.empty()) return withResult(std::move(state), read.refusal);
    const std::string& exponent = read.number;
    return focused(computed(std::move(state), [&] { return powerText(before, exponent, *count); }), Box::Num1);
}

Outcome factorial(const WindowState& before) {
    if (std::string refusal = factorialRefusal(before.num1); !refusal.empty()) {
        return withResult(before, std::move(refusal));
    }
    return computed(before, [&] {
        const std::string number = plainNumber(before.num1);
        // Its whole part exactly: "1000.99999999999999999" is 1000, not 1001.
        if (leadingWholeNumber(number) > kLargestFactorial) return std::string(kFactorialTooLarge);
        if (!before.highPrecision()) return FactorialUP(number);
        try {
            return FactorialHP(number);
        } catch (const Failure&) {
            return std::string(kFactorialOverflowText);
        }
    });
}

}  // namespace calcora::core
