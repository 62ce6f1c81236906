// SPDX-License-Identifier: MIT
#pragma once
// The readings of texts that the test oracles need, each written from its
// rules alone: the engine's number strings, the number texts of the fixed
// decimal's readings, and the leading number.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tests/support/exact.h"

namespace calcora::testing_support {

// Exponents of texts are held at this size: no text that fits in memory can
// bring a larger one back into any range that matters here.
inline constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The engine's number string: an optional "-", digits and at most one ".";
// "", "-" and "." are zero. Nothing for any other text.
std::optional<Exact> parseNumberString(std::string_view s);
bool isNumberString(std::string_view s);

// A magnitude: a number string without the sign.
std::optional<Exact> parseMagnitude(std::string_view s);
bool isMagnitude(std::string_view s);

// The text less every "," and " ".
std::string withoutSeparators(std::string_view s);

// An operand as the arithmetic reads it: separators gone, one leading "-"
// taken off as its sign.
struct Operand {
    bool negative = false;
    std::string magnitude;
};
Operand split(std::string_view raw);

// Characters before the first "." (all of them without one), and after it.
std::size_t integerChars(std::string_view magnitude);
std::size_t fractionChars(std::string_view magnitude);

// The number-text rules of the fixed decimal's readings: spaces (the space
// character only) around; one optional "+" or "-"; an integer part of digits
// in which a comma may follow a digit, never another comma and never open
// it; an optional "." and digits; at least one digit in all; an optional
// "E"/"e", optional sign and at least one digit. Nothing for any other text.
std::optional<Exact> readNumberText(std::string_view t);

// The text as the engine's reading of typed numbers sees it: blanks (space,
// tab, line breaks) at either end and every "," and " " gone.
std::string typedForm(std::string_view text);
// The value of a typed number: the number-text rules above applied to
// typedForm(text); nothing for the empty text or any other non-number.
std::optional<Exact> readTypedNumber(std::string_view text);

// The leading number: spaces anywhere left out, then one optional sign,
// digits, one "." and digits; the first other character ends it. Never fails.
Exact readLeadingNumber(std::string_view t);

}  // namespace calcora::testing_support
