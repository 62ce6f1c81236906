// SPDX-License-Identifier: MIT
// Writing numbers as text: the plain text of a fixed decimal, the text of a
// double (15 significant digits, exponent form far from 1), the trimmed forms
// and the grouped text.

#include "fixeddec/fixeddec.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "fixeddec/wide_uint.h"

namespace calcora {

namespace {

// The integer and fraction digits of a fixed decimal's magnitude, the fraction
// without trailing zeros; the integer part is empty for a value below 1.
struct PlainDigits {
    std::string integer;
    std::string fraction;
};

PlainDigits plainDigits(const FixedDecimal& value) {
    PlainDigits out;
    if (value.isZero()) return out;
    const std::string digits =
        WideUint::fromParts(value.hi(), value.mid(), value.lo()).toDecimal();
    const auto scale = static_cast<std::size_t>(value.scale());
    if (digits.size() > scale) {
        out.integer = digits.substr(0, digits.size() - scale);
        out.fraction = digits.substr(digits.size() - scale);
    } else {
        out.fraction = std::string(scale - digits.size(), '0') + digits;
    }
    const auto last = out.fraction.find_last_not_of('0');
    out.fraction.erase(last == std::string::npos ? 0 : last + 1);
    return out;
}

std::string trimSpaces(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string numberToText(const FixedDecimal& value) {
    if (value.isZero()) return " 0";
    const PlainDigits digits = plainDigits(value);
    std::string text(1, value.negative() ? '-' : ' ');
    text += digits.integer;
    if (!digits.fraction.empty()) text += "." + digits.fraction;
    return text;
}

// Not-a-number and infinity have no text: ArithmeticOverflow. Callers treat
// such results as failures before they format them.
std::string numberToText(double value) {
    if (!std::isfinite(value)) {
        throw ArithmeticOverflow("number to text: the double is not finite");
    }
    if (value == 0.0) return " 0";

    // to_chars is correctly rounded and ignores the locale: "d.dddddddddddddde±x".
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::scientific,
                                      kDoubleTextDigits - 1);
    const std::string_view formatted(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto ePos = formatted.find('e');
    FifteenFigures figures;
    for (const char c : formatted.substr(0, ePos)) {
        if (c != '.') figures.digits += c;
    }
    figures.digits.erase(figures.digits.find_last_not_of('0') + 1);  // the first digit is not 0
    const std::string_view exponentText = formatted.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), figures.exponent);
    figures.negative = value < 0;
    return numberToText(figures);
}

std::string trimmedText(const FixedDecimal& value) { return trimSpaces(numberToText(value)); }

std::string trimmedText(double value) { return trimSpaces(numberToText(value)); }

std::string trimmedText(const FifteenFigures& value) { return trimSpaces(numberToText(value)); }

std::string groupedText(const FixedDecimal& value) {
    const PlainDigits digits = plainDigits(value);
    const std::string integer = digits.integer.empty() ? "0" : digits.integer;
    std::string text = value.negative() && !value.isZero() ? "-" : "";
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) text += ',';
        text += integer[i];
    }
    text += '.';
    text += digits.fraction;
    return text;
}

}  // namespace calcora
