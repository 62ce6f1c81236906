// SPDX-License-Identifier: MIT
// Reading a number as a person types or pastes it: blanks around it, group
// separators, a sign, exponent form. One reading serves every command, so a
// text is a number for all of them or for none.
#include "engine/engine.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/limits.h"
#include "engine/numtext.h"

namespace calcora {

namespace {

// Exponents beyond this many digits are far past any expansion the 16-bit
// length allows; they are kept as text only for the exponent box.
constexpr std::size_t kExponentDigitsRead = 9;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view withoutOuterBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A number text taken apart: its value is ±mantissa × 10^(±exponentDigits).
struct NumberParts {
    bool negative = false;
    std::string mantissa;       // as typed, point included, no sign
    bool hasExponent = false;
    bool exponentNegative = false;
    std::string exponentDigits;  // without leading zeros; empty for 0
};

// The parts of a text by the reading rules, or nothing when it is no number.
// The empty (or all-blank) text gives empty parts.
std::optional<NumberParts> partsOf(std::string_view text) {
    std::string store;
    std::string_view rest = numtext::cleanedView(withoutOuterBlanks(text), store);
    NumberParts parts;
    if (rest.empty()) return parts;
    if (rest.front() == '-' || rest.front() == '+') {
        parts.negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::size_t mark = rest.find_first_of("Ee");
    const std::string_view mantissa = rest.substr(0, mark);
    if (!numtext::isNumberString(mantissa) || mantissa.find_first_of("0123456789") == std::string_view::npos) {
        return std::nullopt;
    }
    parts.mantissa = std::string(mantissa);
    if (mark == std::string_view::npos) return parts;

    std::string_view exponent = rest.substr(mark + 1);
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
        parts.exponentNegative = exponent.front() == '-';
        exponent.remove_prefix(1);
    }
    if (exponent.empty()) return std::nullopt;
    for (const char c : exponent) {
        if (!isDigit(c)) return std::nullopt;
    }
    parts.hasExponent = true;
    const std::size_t first = exponent.find_first_not_of('0');
    if (first != std::string_view::npos) parts.exponentDigits = std::string(exponent.substr(first));
    return parts;
}

[[noreturn]] void tooLong() {
    limits::failTooLong("number reading: the number written out");
}

// The length of digits × 10^exponent written out in the engine's form
// (placedPoint): measured first, since an exponent may be far too large to
// write out at all.
std::int64_t writtenLength(std::int64_t digits, std::int64_t exponent) {
    if (exponent >= 0) return digits + exponent;
    return -exponent >= digits ? 1 - exponent : digits + 1;
}

}  // namespace

std::string plainNumber(std::string_view text) {
    const std::optional<NumberParts> parts = partsOf(text);
    if (!parts) throw NotANumber("number reading: the text is not a number");
    if (!parts->hasExponent) {
        const std::size_t length = (parts->negative ? 1 : 0) + parts->mantissa.size();
        if (length > static_cast<std::size_t>(limits::kMaxCount)) tooLong();
        return parts->negative ? "-" + parts->mantissa : parts->mantissa;
    }
    const numtext::Significand significand = numtext::significandOf(parts->mantissa);
    if (significand.digits.empty()) return "0";
    // Any exponent of more digits than this writes out far past the limit.
    if (parts->exponentDigits.size() > kExponentDigitsRead) tooLong();
    const std::int64_t shift = parts->exponentDigits.empty() ? 0 : std::stoll(parts->exponentDigits);
    const std::int64_t exponent = significand.exponent + (parts->exponentNegative ? -shift : shift);
    const auto digitCount = static_cast<std::int64_t>(significand.digits.size());
    if ((parts->negative ? 1 : 0) + writtenLength(digitCount, exponent) > limits::kMaxCount) tooLong();
    const std::string written = numtext::placedPoint(significand.digits, exponent);
    return parts->negative ? "-" + written : written;
}

bool isNumberText(std::string_view text) {
    const std::optional<NumberParts> parts = partsOf(text);
    return parts && !parts->mantissa.empty();
}

std::int16_t wholeValueWithin(std::string_view text, std::int16_t low, std::int16_t high) {
    const std::optional<NumberParts> parts = partsOf(text);
    if (!parts || parts->mantissa.empty()) throw NotANumber("number reading: the text is not a number");
    const auto within = [&](std::int64_t value) {
        return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, low, high));
    };
    const numtext::Significand significand = numtext::significandOf(parts->mantissa);
    if (significand.digits.empty()) return within(0);
    // Beyond 10^5 every whole value is outside the 16-bit bounds, so the
    // digits past that place never need to be read, however many there are.
    constexpr std::int64_t kPlacesNeeded = 5;
    const std::int16_t farOut = parts->negative ? low : high;
    std::int64_t exponent = significand.exponent;
    if (parts->exponentDigits.size() > kExponentDigitsRead) {
        // Far above the bounds, or far below one whatever the digits.
        if (!parts->exponentNegative) return farOut;
        return within(parts->negative ? -1 : 0);
    }
    if (!parts->exponentDigits.empty()) {
        const std::int64_t shift = std::stoll(parts->exponentDigits);
        exponent += parts->exponentNegative ? -shift : shift;
    }
    const auto digitCount = static_cast<std::int64_t>(significand.digits.size());
    const std::int64_t wholePlaces = digitCount + exponent;
    if (wholePlaces > kPlacesNeeded) return farOut;
    std::int64_t whole = 0;
    for (std::int64_t place = 0; place < wholePlaces; ++place) {
        whole = whole * 10 + (place < digitCount ? significand.digits[static_cast<std::size_t>(place)] - '0' : 0);
    }
    // The significant digits end in a non-zero one, so any left over make a fraction.
    const bool fraction = wholePlaces < digitCount;
    return within(parts->negative ? -whole - (fraction ? 1 : 0) : whole);
}

std::string decimalExponent(std::string_view text) {
    const std::optional<NumberParts> parts = partsOf(text);
    if (!parts || parts->mantissa.empty()) return {};
    const numtext::Significand significand = numtext::significandOf(parts->mantissa);
    if (significand.digits.empty()) return "0";
    // The first significant digit stands at 10^(exponent + digits − 1).
    const std::string offset =
        std::to_string(significand.exponent + static_cast<std::int64_t>(significand.digits.size()) - 1);
    if (!parts->hasExponent || parts->exponentDigits.empty()) return offset;
    const std::string exponent = (parts->exponentNegative ? "-" : "") + parts->exponentDigits;
    try {
        return LargeAdd("+", exponent, offset);
    } catch (const ArithmeticOverflow&) {
        return {};  // an exponent of over 32,000 digits has no text here
    }
}

}  // namespace calcora
