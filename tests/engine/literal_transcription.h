// SPDX-License-Identifier: MIT
#pragma once
// Slow, literal transcriptions of the long multiplication and the long
// division: rows of single-digit products shifted with ShiftDecPoint and
// summed with LargeAdd, and quotient digits found by repeated LargeAdd
// subtraction, with every count kept in 16 bits. They are the oracle the
// fast LargeMultiply and LargeDiv are compared with, character for character
// and failure for failure. Test use only: the division costs about
// SF × 10 × (divisor length) character steps.
//
// Both include the two mended rules: an operand that is not a number string
// (after separators and one "-") fails with NotANumber, after the figure
// count of the multiplication's zero test (a malformed zero such as "0.0.0"
// included) and after the length refusal of the division; and the
// divisor with a point keeps its digits before the point and as many after it
// as make SF significant digits. Like the fast code, they fail with
// ArithmeticOverflow for any text over 32,767 characters they form (a row,
// a running total, the placed quotient), and for a zero divisor at once.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"

namespace calcora::literal {

std::string multiply(std::string_view Num1StrIn, std::string_view Num2StrIn);

std::string divide(std::int16_t SF, std::string_view NIN, std::string_view DIN);

}  // namespace calcora::literal
