// SPDX-License-Identifier: MIT
#pragma once
// The decimal string arithmetic: signed decimal numbers held as text, and the
// operations on them. Text in, text out; no state between calls.
//
// Number string: an optional leading "-", digits "0"-"9" and at most one "."
// anywhere (".5", "5." and "007.50" are numbers); the empty text is zero.
// LargeAdd, LargeMultiply and LargeDiv drop "," and " " from their operands.
// Lengths, positions, counts and shifts are signed 16-bit: a text longer than
// 32,767 characters, or a count leaving that range, fails with
// ArithmeticOverflow.
//
// Files: number_reading.cpp (numbers as people type them), numstr.cpp (the
// digit helpers), numtext.cpp (reading operands), add.cpp (LargeAdd), sigfigs.cpp
// (SigFigs), multiply.cpp (LargeMultiply), divide.cpp (LargeDiv),
// fifteen_figure_results.cpp (products and quotients in 15 figures), sqrt.cpp
// (SquareRoot), power.cpp (RTPower), precise_power.cpp (fifteenFigurePower),
// factorial.cpp (FactorialUP, FactorialHP); bigint*.cpp hold the
// machine-word arithmetic behind them.

#include <cstdint>
#include <string>
#include <string_view>

#include "fixeddec/failure.h"

namespace calcora {

// ---- Numbers as people type them ---------------------------------------------
//
// The reading every command applies to a box text: blanks (spaces, tabs, line
// breaks) at either end are ignored, "," and " " anywhere are group
// separators; what is left is one optional "+" or "-", digits with at most one
// "." (at least one digit), and an optional exponent: "E" or "e", an optional
// sign, digits ("1e3", "1.5E-07", "1E+36"). Anything else is no number.

// The number string the text stands for: as typed less blanks, separators and
// a "+" ("007.50", "-.5"); exponent form written out exactly in the engine's
// form ("1.5E-07" → ".00000015", "2.5e3" → "2500", "0e9" → "0"). The empty or
// all-blank text gives the empty text. NotANumber for a text that is no
// number; ArithmeticOverflow when the number string would be longer than
// 32,767 characters.
[[nodiscard]] std::string plainNumber(std::string_view text);

// True when the text is a number by the reading above (not the empty text),
// whatever its length. Never fails.
[[nodiscard]] bool isNumberText(std::string_view text);

// The number the text stands for rounded down to a whole number and held
// within low..high: a value below low gives low, one above high gives high
// ("45.7" → 45, "-0.5" → −1, "4.5E1" → 45, "1e400" → high). Any length.
// NotANumber for a text that is no number (the empty text included).
[[nodiscard]] std::int16_t wholeValueWithin(std::string_view text, std::int16_t low, std::int16_t high);

// The power of ten of the number's first significant digit, as decimal text:
// "2" for "123.45" and "008.1", "-2" for "0.05", "36" for "1E+36", "0" for a
// zero; the empty text when the text is no number (or empty). Any length.
[[nodiscard]] std::string decimalExponent(std::string_view text);

// ---- Digit helpers -------------------------------------------------------

// StrIn without any "," or " " (tabs and other blanks are kept).
[[nodiscard]] std::string RemoveCommasAndSpaces(std::string_view StrIn);
// N characters "0"; the empty text for N ≤ 0.
[[nodiscard]] std::string NZeros(std::int16_t N);
// Every leading "0" removed ("0.50" → ".50", "000" → "").
[[nodiscard]] std::string StripFrontZeros(std::string_view InSt);
// Every trailing "0" removed, point or not ("1.0" → "1.", "-10" → "-1").
[[nodiscard]] std::string StripEndZeros(std::string_view InSt);
// One trailing "." removed ("5.." → "5.").
[[nodiscard]] std::string StripPointOffRight(std::string_view InSt);
// Moves the point of a magnitude: a positive Shift of n moves it n − 1 places
// to the right, a negative Shift of −n moves it n places to the left; zeros
// are added as needed and the result is not normalised ("0.05", 2 → "00.5").
[[nodiscard]] std::string ShiftDecPoint(std::string_view InSt, std::int16_t Shift);
// StrIn without the character at PP, where L is StrIn's length.
// InvalidArgument when PP is outside 1..L.
[[nodiscard]] std::string RemoveDP(std::string_view StrIn, std::int16_t PP, std::int16_t L);

// ---- Addition and subtraction ---------------------------------------------

// Num1StrIn + Num2StrIn (AddorSub "+") or Num1StrIn − Num2StrIn ("-"), exact.
// Sums keep the leading zeros an operand brought ("007" + "1" → "008");
// differences lose them (".5", "-.2"); trailing fraction zeros and a trailing
// point go; equal operands give "0"; "-0" can come out of "-0" − "0".
// NotANumber for an operand that, separators and one leading "-" aside, is
// not a number string ("", "." and "-" are zero); ArithmeticOverflow for an
// operand, the two aligned at their points, or a result over 32,767
// characters (the alignment is measured first); InvalidArgument for an
// AddorSub other than "+" or "-".
[[nodiscard]] std::string LargeAdd(std::string_view AddorSub, std::string_view Num1StrIn,
                     std::string_view Num2StrIn);

// ---- Significant figures --------------------------------------------------

// The digits left once leading zeros and points, then trailing zeros, are
// removed, less one for a remaining point ("100" → 1, "100." → 3, "1.50" → 2).
// ArithmeticOverflow for a text over 32,767 characters.
[[nodiscard]] std::int16_t SigFigs(std::string_view NumStrIn);

// ---- Multiplication -------------------------------------------------------

// The exact product, normalised: no leading zeros (".25"), no trailing
// fraction zeros or point; a zero product is "0" without sign. Two zero
// operands give "0", or the empty text when one is "" or "." . NotANumber for
// an operand that is not a number string; ArithmeticOverflow past the 16-bit
// lengths.
[[nodiscard]] std::string LargeMultiply(std::string_view Num1StrIn, std::string_view Num2StrIn);

// ---- Division -------------------------------------------------------------

// NIN ÷ DIN (the whole divisor, every digit of it) truncated to SF quotient
// digits (SF + 1 when the last pass had to bring down an extra digit), written
// with ShiftDecPoint's form (".333").
// NumeratorTooLong for a numerator longer than SF + 1 characters (sign,
// separators and leading zeros aside), before any other check; then
// NotANumber for an operand that is not a number string, DivisionByZero for
// a zero divisor, ArithmeticOverflow past the 16-bit limits.
[[nodiscard]] std::string LargeDiv(std::int16_t SF, std::string_view NIN, std::string_view DIN);

// ---- Products and quotients in 15 figures ----------------------------------
//
// What "High Precision" shows when the fixed decimal cannot hold an operand or
// the result: the exact value rounded once to 15 significant figures (ties to
// even) and written as a double's text ("1E+40", "6.66666666666667E+27",
// "1E-400"). ArithmeticOverflow for a value beyond the largest double or a
// non-zero one below 1E-32768; NotANumber for an operand that is empty or no
// number string.

// The exact product (LargeMultiply) so rounded; also fails as LargeMultiply does.
[[nodiscard]] std::string fifteenFigureProduct(std::string_view Num1StrIn, std::string_view Num2StrIn);
// NIN ÷ DIN so rounded. DivisionByZero for a zero divisor.
[[nodiscard]] std::string fifteenFigureQuotient(std::string_view NIN, std::string_view DIN);

// ---- Square root ----------------------------------------------------------

// The square root of StrVal. For a positive number string (commas and spaces
// aside): sets SF to the integer part of sigFigsSetting, at most 100, and
// returns the root truncated to SF significant figures (".5" for "0.25").
// Other inputs take the fixed-decimal root (fixedSquareRoot) as the guess of
// two Heron steps (SF set once the guess succeeds), or the double root when
// that fails ("0" → "0", "1E-40" → "1E-20"). InvalidArgument for a negative
// number, NotANumber for a text that is no number or a setting that is none.
[[nodiscard]] std::string SquareRoot(std::int16_t& SF, std::string_view StrVal,
                       std::string_view sigFigsSetting);

// The "High Precision" square root of a number text read as a fixed operand
// (toFixedOperand): the true root rounded to the nearest fixed decimal (29
// significant figures, fewer where the 28 decimal places end first), as
// trimmed text ("1.5" for "2.25", ".5" for ".25"). NotANumber; ArithmeticOverflow
// beyond the fixed operand's range; DivisionByZero for zero; InvalidArgument
// for a negative number.
[[nodiscard]] std::string fixedSquareRoot(std::string_view number);

// The double root of a number text: at most 15 figures, as trimmed text
// ("1E-20" for "1E-40"). NotANumber for a text that is no number,
// ArithmeticOverflow beyond the double's range, InvalidArgument for a
// negative number.
[[nodiscard]] std::string doubleSquareRoot(std::string_view number);

// ---- Powers ---------------------------------------------------------------

// StrNum to the power StrPower, by the exponent's exact value (StrPower read
// as plainNumber reads it): 0 → "1" (the base unread); −1 → LargeDiv; 0.5 →
// SquareRoot; whole 1..120 → the exact product; otherwise fifteenFigurePower
// of the base read by plainNumber. A result whose point stands at position SF
// or earlier and that is longer than SF + 1 characters keeps its first SF
// significant figures. Fails as the case's own procedure does; NotANumber
// for an exponent that is no number or empty.
[[nodiscard]] std::string RTPower(std::int16_t& SF, std::string_view StrNum, std::string_view StrPower,
                    std::string_view sigFigsSetting);

// base^exponent for two number strings (an optional "-", digits, at most one
// "."), correctly rounded to 15 significant figures and written as a double's
// trimmed text ("2.65845599156983E+36", "1E-605"): the power "High Precision"
// shows, and the one "Very High Precision" shows outside its exact cases. 0
// to a positive power is "0"; anything to the power 0 is "1". NotANumber for
// an operand that is empty or no number string; InvalidArgument for a
// negative base with an exponent that is not whole; ArithmeticOverflow for
// zero to a negative power, a value above the largest double, or one whose
// decimal exponent is below −32,768.
[[nodiscard]] std::string fifteenFigurePower(std::string_view base, std::string_view exponent);

// ---- Factorials -----------------------------------------------------------

// n is the integer part, rounded down, of the number InNum stands for, read
// exactly as plainNumber reads it: "5.99999999999999999" counts 5, "1e3" 1000.

// n! exactly; "1" for n ≤ 0 (however far below). NotANumber for a text that
// is no number; ArithmeticOverflow for n above 32,767, a product past the
// 16-bit length (between 9,000! and 10,000!) or a text too long to read.
[[nodiscard]] std::string FactorialUP(std::string_view InNum);
// n! rounded once to 15 significant figures, written as a double's text
// ("2.43290200817664E+18"); "1" for n from −32,768 to 0. ArithmeticOverflow
// from 171 on and below −32,768; NotANumber for a text that is no number or
// empty.
[[nodiscard]] std::string FactorialHP(std::string_view InNum);

}  // namespace calcora
