// SPDX-License-Identifier: MIT
#pragma once
// What the commands share: a box read as a number, the one text for each
// failure kind, the significant-figure setting read once, and txtResult
// written as a command's last step.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/window_state.h"
#include "engine/engine.h"
#include "fixeddec/failure.h"

namespace calcora::core {

// The number string a box text holds (plainNumber): "" for an empty box,
// NotANumber for a text that is no number, ArithmeticOverflow for one too
// long to compute with.
[[nodiscard]] inline std::string numberIn(std::string_view text) { return plainNumber(text); }

// Whether a number string has the value zero: no digit 1 to 9 ("", "-0", "0.00").
[[nodiscard]] inline bool isZeroValue(std::string_view number) {
    return number.find_first_of("123456789") == std::string_view::npos;
}

// LargeAdd(op, first, second), and also where only the zeros before the
// operands' first significant digits make LargeAdd's alignment too long
// ("0" beside a 32,767-character fraction): the exact sum or difference.
[[nodiscard]] std::string exactSumOrDifference(std::string_view op, const std::string& first,
                                               const std::string& second);

// ArithmeticOverflow for a text longer than the arithmetic's 32,767
// characters: whatever goes into txtResult or txtMem, every command must be
// able to read back.
void requireReadableBack(std::string_view text);

// The text a failure leaves in txtResult: a value or length beyond range the
// overflow text, a zero divisor kDivideByZero, anything else (no number)
// kNumericInputRequired.
[[nodiscard]] std::string failureText(const Failure& failure);

// The state with txtResult written: the text, or the overflow text for one
// too long to read back.
[[nodiscard]] Outcome withResult(WindowState state, std::string text);

// What a failure leaves: its text in txtResult, or, for a dividend too
// long for the setting, the empty result after the numerator message.
[[nodiscard]] Outcome failed(WindowState state, const Failure& failure);

// withResult of what `compute` returns, or failed: a failed command shows no
// partial result and never leaves an earlier answer.
template <typename Compute>
[[nodiscard]] Outcome computed(WindowState state, Compute&& compute) {
    try {
        std::string text = compute();
        return withResult(std::move(state), std::move(text));
    } catch (const Failure& failure) {
        return failed(std::move(state), failure);
    }
}

// The setting brought into 30..500: its integer part, a value below 30
// written back as "30" and one above 500 as "500" (however far out).
// Nothing, with the box unchanged, when it holds no number.
[[nodiscard]] std::optional<std::int16_t> correctSetting(WindowState& state);

}  // namespace calcora::core
