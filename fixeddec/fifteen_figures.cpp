// SPDX-License-Identifier: MIT
// Values rounded to a double's 15 significant figures and written as a
// double's text. The rounding works on the decimal digits themselves, so an
// exact value is rounded once, never first to a binary double.

#include "fixeddec/fixeddec.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace calcora {

namespace {

// Exponent form from a decimal exponent of 15 up, where the plain form would
// show digits the value does not have, or below −4, where it would start with
// more than four zeros.
constexpr std::int64_t kPlainMaxExponent = 14;
constexpr std::int64_t kPlainMinExponent = -4;

// The largest double's first 15 figures, rounded down so that they still lie
// below it (1.7976931348623157E+308).
constexpr std::string_view kLargestDoubleFigures = "179769313486231";
constexpr std::int64_t kLargestDoubleExponent = 308;

// Adds one unit to the last of `figures`; true when they were all 9s, which
// become 1 followed by zeros.
bool incremented(std::string& figures) {
    for (std::size_t i = figures.size(); i-- > 0;) {
        if (figures[i] != '9') {
            ++figures[i];
            return false;
        }
        figures[i] = '0';
    }
    figures.insert(figures.begin(), '1');
    figures.pop_back();
    return true;
}

}  // namespace

FifteenFigures roundedToFifteen(std::string_view digits, std::int64_t exponent, bool negative,
                                bool inexact) {
    FifteenFigures value;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        // Only a tail below every digit: nothing to show but zero, which the
        // callers never ask for (a non-zero value is given digits enough).
        return value;
    }
    digits.remove_prefix(first);
    const auto count = static_cast<std::int64_t>(digits.size());
    value.negative = negative;
    value.exponent = exponent + count - 1;

    const auto kept = static_cast<std::size_t>(kDoubleTextDigits);
    std::string figures(digits.substr(0, kept));
    if (digits.size() > kept) {
        // Compare what is left off with one half of the last figure's unit.
        const char next = digits[kept];
        const bool restNonZero = inexact || digits.find_first_not_of('0', kept + 1) != std::string_view::npos;
        const bool above = next > '5' || (next == '5' && restNonZero);
        const bool tie = next == '5' && !restNonZero;
        const bool oddLast = (figures.back() - '0') % 2 != 0;
        if (above || (tie && oddLast)) {
            if (incremented(figures)) ++value.exponent;
        }
    }
    figures.erase(figures.find_last_not_of('0') + 1);
    value.digits = std::move(figures);
    return value;
}

bool exceedsDoubleRange(const FifteenFigures& value) {
    if (value.isZero() || value.exponent < kLargestDoubleExponent) return false;
    if (value.exponent > kLargestDoubleExponent) return true;
    std::string padded = value.digits;
    padded.resize(kLargestDoubleFigures.size(), '0');
    return padded > kLargestDoubleFigures;
}

std::string numberToText(const FifteenFigures& value) {
    if (value.isZero()) return " 0";
    const std::string& mantissa = value.digits;
    const std::int64_t exponent = value.exponent;
    std::string text(1, value.negative ? '-' : ' ');
    if (exponent > kPlainMaxExponent || exponent < kPlainMinExponent) {
        text += mantissa[0];
        if (mantissa.size() > 1) {
            text += '.';
            text.append(mantissa, 1);
        }
        const std::int64_t magnitude = std::llabs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
        return text;
    }
    if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += mantissa;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= integerDigits) {
        text += mantissa + std::string(integerDigits - mantissa.size(), '0');
    } else {
        text += mantissa.substr(0, integerDigits) + "." + mantissa.substr(integerDigits);
    }
    return text;
}

}  // namespace calcora
