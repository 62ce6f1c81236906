// SPDX-License-Identifier: MIT
#pragma once
// Private to the engine: reading an operand once its separators are gone (its
// sign, whether it is a number string, the shape of its digits around the
// point, its significant digits) and writing digits back with a point.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calcora::numtext {

// RemoveCommasAndSpaces of `raw` as a view: `raw` itself when it holds no
// separator, otherwise the cleaned copy kept in `store`.
[[nodiscard]] std::string_view cleanedView(std::string_view raw, std::string& store);

// RemoveCommasAndSpaces of `text`; a text without separators is only copied.
[[nodiscard]] std::string cleaned(std::string_view text);

// Removes one leading "-" from `text`; true when there was one.
bool takeSign(std::string& text);
bool takeSign(std::string_view& text);

// True when `magnitude` holds only "0"-"9" and at most one "." (the empty
// text and "." included).
[[nodiscard]] bool isNumberString(std::string_view magnitude);

// True when `text` holds a digit "1"-"9".
[[nodiscard]] bool hasNonZeroDigit(std::string_view text);

// A number string split at its point.
struct Shape {
    std::size_t intChars = 0;   // characters before the point (all without one)
    std::size_t fracChars = 0;  // characters after the point
    bool hasPoint = false;
};
[[nodiscard]] Shape shapeOf(std::string_view magnitude);

// The digits of a number string without its point.
[[nodiscard]] std::string digitsOf(std::string_view magnitude);

// A number string's value as significant digits and a power of ten: value =
// digits × 10^exponent, digits without zeros at either end (empty for zero).
struct Significand {
    std::string digits;
    std::int64_t exponent = 0;
};
[[nodiscard]] Significand significandOf(std::string_view magnitude);

// digits × 10^exponent in the engine's normal form: no zeros in front (".25"),
// no trailing fraction zeros, no trailing point ("2500" with −2 is "25").
// `digits` are decimal digits without leading zeros, at least one.
[[nodiscard]] std::string placedPoint(std::string_view digits, std::int64_t exponent);

}  // namespace calcora::numtext
