// SPDX-License-Identifier: MIT
#pragma once
// Private to the engine: what every result shown in 15 figures shares, the
// reading of its number-string operands and the range its value is shown in.

#include <string>
#include <string_view>

#include "engine/numtext.h"
#include "fixeddec/fixeddec.h"

namespace calcora::fifteen {

// A number string's sign and significant digits (none for zero).
struct Operand {
    bool negative = false;
    numtext::Significand significand;
};

// NotANumber naming `what` unless the text (separators aside) is a number
// string with a digit.
[[nodiscard]] Operand operandOf(std::string_view text, std::string_view what);

// The value as trimmed text; ArithmeticOverflow naming `what` beyond the
// largest double, or for a non-zero value below 1E-32768 (exponents are
// 16-bit counts across the program).
[[nodiscard]] std::string shown(const FifteenFigures& value, std::string_view what);

}  // namespace calcora::fifteen
