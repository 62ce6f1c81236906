// SPDX-License-Identifier: MIT
#pragma once
// FixedDecimal: the 29-digit decimal of "High Precision" mode, and the text and
// double conversions that the window and the string arithmetic rely on.
//
// Number-text rules (every text reading here): leading and trailing spaces are
// ignored; one optional "+" or "-"; digits before the point may be grouped
// with commas; one optional "." (digits on either side or both); one optional
// exponent "E"/"e" with optional sign and digits. Anything else is not a number.
// Only the space character counts as a space. A comma may stand only directly
// after a digit before the point: "1,234", "1,2,3", "1," and "1,.5" are
// numbers; ",1", "1,,2", "-,1" and ".5,1" are not. An exponent of any length
// is read without overflow ("1E-999999999999" is 0). Every reading is one pass
// over the text, so any text gets its result or failure in linear time.
//
// Files: fixed_decimal.cpp (the type and its arithmetic), text_read.cpp
// (reading texts), text_write.cpp (writing texts), double_ops.cpp (doubles).
// Private: wide_uint (the 320-bit working integer), rounding (bringing an
// exact result into range), number_scan (the one-pass text scanners).

#include <cstdint>
#include <string>
#include <string_view>

#include "fixeddec/failure.h"

namespace calcora {

// The largest magnitude, 2^96 − 1, written out.
inline constexpr std::string_view kLargestMagnitudeText = "79228162514264337593543950335";

// Significant digits of a double's text: every decimal of 15 digits survives
// a trip through a double.
inline constexpr int kDoubleTextDigits = 15;

// magnitude × 10^(−scale), negated when negative; magnitude < 2^96, scale 0..28.
class FixedDecimal {
public:
    static constexpr int kMaxScale = 28;

    FixedDecimal() = default;  // zero
    // Fails with ArithmeticOverflow when the magnitude needs more than 96 bits
    // or the scale is above 28.
    static FixedDecimal fromParts(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo,
                                  int scale, bool negative);
    static FixedDecimal fromInteger(std::int64_t value);

    std::uint32_t hi() const { return hi_; }
    std::uint32_t mid() const { return mid_; }
    std::uint32_t lo() const { return lo_; }
    int scale() const { return scale_; }
    bool negative() const { return negative_; }
    bool isZero() const { return hi_ == 0 && mid_ == 0 && lo_ == 0; }

    // Zero equals zero whatever its sign and scale; otherwise equal values.
    friend bool operator==(const FixedDecimal& a, const FixedDecimal& b);

private:
    std::uint32_t hi_ = 0, mid_ = 0, lo_ = 0;
    std::uint8_t scale_ = 0;
    bool negative_ = false;
};

// Arithmetic: exact when the result fits, otherwise rounded to the nearest
// value that fits (ties to the even last digit). ArithmeticOverflow when the
// integer part leaves the 96-bit range; DivisionByZero for a zero divisor.
// The scale kept is the largest (at most 28) at which the magnitude fits; at
// the top of the range a round-up that would pass 2^96 − 1 keeps 2^96 − 1, the
// nearest value that fits. A zero result is never negative.
FixedDecimal operator+(const FixedDecimal& a, const FixedDecimal& b);
FixedDecimal operator-(const FixedDecimal& a, const FixedDecimal& b);
FixedDecimal operator*(const FixedDecimal& a, const FixedDecimal& b);
FixedDecimal operator/(const FixedDecimal& a, const FixedDecimal& b);
FixedDecimal operator-(const FixedDecimal& a);

// Mixed operands: the double is first made a fixed decimal (toFixedDecimal).
FixedDecimal operator+(const FixedDecimal& a, double b);
FixedDecimal operator+(double a, const FixedDecimal& b);
FixedDecimal operator-(const FixedDecimal& a, double b);
FixedDecimal operator-(double a, const FixedDecimal& b);
FixedDecimal operator*(const FixedDecimal& a, double b);
FixedDecimal operator*(double a, const FixedDecimal& b);
FixedDecimal operator/(const FixedDecimal& a, double b);
FixedDecimal operator/(double a, const FixedDecimal& b);

// Text to fixed decimal by the number-text rules; more digits than fit are
// rounded (ties to even). NotANumber for a text that is not a number,
// ArithmeticOverflow for an integer part beyond the 96-bit range.
// "0.00000000000000000000000000005" reads as 0, "2.00000000000000000000000000015"
// as 2.0000000000000000000000000002.
[[nodiscard]] FixedDecimal toFixedDecimal(std::string_view text);
// A typed operand of "High Precision": the text as a fixed decimal when its
// first 15 significant figures (all of them, when it has fewer) survive the
// reading, that is stand at 10^−28 or above; rounded only past them.
// ArithmeticOverflow when they would not ("1e-29", "1.5e-28") or beyond the
// 96-bit range; NotANumber for a text that is no number. Zero, however
// written ("0e-40"), is zero.
[[nodiscard]] FixedDecimal toFixedOperand(std::string_view text);
// The double's value rounded to 15 significant digits, then held exactly.
// ArithmeticOverflow when beyond the range (or not finite).
[[nodiscard]] FixedDecimal toFixedDecimal(double value);
// The nearest double.
[[nodiscard]] double toDouble(const FixedDecimal& value);

// The double power of two values (both converted to doubles). Fails with
// ArithmeticOverflow for a result beyond the double range (zero to a negative
// power included) and InvalidArgument for a negative base with a fractional
// exponent. A not-a-number argument is InvalidArgument, an infinite one
// ArithmeticOverflow.
[[nodiscard]] double power(double base, double exponent);
[[nodiscard]] double power(const FixedDecimal& base, const FixedDecimal& exponent);

// Number to text: " " before a value that is not negative, "-" before a
// negative one. Fixed decimal: plain notation, no trailing fraction zeros, no
// point for a whole value, no "0" before the point (" .5", "-.25").
[[nodiscard]] std::string numberToText(const FixedDecimal& value);
// Double: at most 15 significant digits, trailing zeros dropped; exponent form
// ("1E+20", "1.5E-07") when the decimal exponent is 15 or more or below −4.
// The exponent is that of the 15-digit rounding, at least two digits; −4 is
// still plain (" .0001"). Zero (either sign) is " 0". ArithmeticOverflow for
// not-a-number or infinity, which have no text.
[[nodiscard]] std::string numberToText(double value);
// A value correctly rounded to a double's 15 significant figures: ±d.dd…d ×
// 10^exponent, digits 1 to 15 of them, the first not "0", no trailing "0";
// zero has no digits. Unlike a double it has no range of its own, so values
// computed exactly keep their figures far beyond the double's range.
struct FifteenFigures {
    std::string digits;
    std::int64_t exponent = 0;
    bool negative = false;

    bool isZero() const { return digits.empty(); }
};
// The 15-figure value nearest to ±(digits × 10^exponent + tail), where
// `digits` are decimal digits (leading zeros allowed) and `inexact` says that
// a non-zero tail below the last digit was left off; an exact tie goes to the
// even figure, as the text of a double does.
[[nodiscard]] FifteenFigures roundedToFifteen(std::string_view digits, std::int64_t exponent,
                                              bool negative, bool inexact = false);
// True when the value lies beyond the largest double (its 15 figures above
// 1.79769313486231E+308).
[[nodiscard]] bool exceedsDoubleRange(const FifteenFigures& value);
// Written as numberToText(double) writes a double: " 0", " 1.5E-07", "-2.5";
// the exponent has as many digits as it needs ("1E-605").
[[nodiscard]] std::string numberToText(const FifteenFigures& value);
// numberToText with leading and trailing spaces removed: "2.5", "-.25".
[[nodiscard]] std::string trimmedText(const FixedDecimal& value);
[[nodiscard]] std::string trimmedText(double value);
[[nodiscard]] std::string trimmedText(const FifteenFigures& value);

// Grouped text: commas between groups of three integer digits, at least one
// digit before the point, the point always written: "1,234.5", "0.25", "1,234.",
// "0." for zero, "-1,234.5" for a negative value.
[[nodiscard]] std::string groupedText(const FixedDecimal& value);

// True exactly when the text is a number by the number-text rules. Never fails.
[[nodiscard]] bool isNumeric(std::string_view text);

// Text to double by the number-text rules. NotANumber for a text that is not a
// number; ArithmeticOverflow for a value beyond the double range; a value
// too small for a double gives 0. Does not depend on the C locale.
[[nodiscard]] double textToDouble(std::string_view text);

// The number that the longest leading part of the text forms, 0 when it does
// not begin with one. Spaces anywhere are skipped, a comma ends the number,
// only "." is a point, no exponent, no prefixes. Never fails.
// One leading "+" or "-"; "1 000" gives 1000, "1,500" 1, "12abc" 12, "abc" 0.
// Digits beyond the double range give +infinity (−infinity after "-").
[[nodiscard]] double leadingNumber(std::string_view text);
// leadingNumber's number with its fraction dropped (toward zero) before it
// becomes a double, so its whole part is never rounded up: "1000.99999999999999999"
// gives 1000, "-2.5" −2, "1,500" 1. Never fails.
[[nodiscard]] double leadingWholeNumber(std::string_view text);

}  // namespace calcora
