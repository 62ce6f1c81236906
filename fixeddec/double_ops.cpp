// SPDX-License-Identifier: MIT
// Doubles meeting fixed decimals: a double made a fixed decimal (15
// significant digits), a fixed decimal made a double, the mixed operations
// and the power, which is always worked in doubles.

#include "fixeddec/fixeddec.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "fixeddec/wide_uint.h"

namespace calcora {

FixedDecimal toFixedDecimal(double value) {
    if (!std::isfinite(value)) {
        throw ArithmeticOverflow("double to fixed decimal: the double is not finite");
    }
    // Fifteen digits are the decimal value the double was meant to hold.
    // to_chars rounds correctly and ignores the locale; its scientific text
    // ("1.00000000000000e-01") is a number text the reading takes as it is.
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, kDoubleTextDigits - 1);
    try {
        return toFixedDecimal(
            std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
    } catch (const ArithmeticOverflow&) {
        throw ArithmeticOverflow("double to fixed decimal: the value exceeds " + std::string(kLargestMagnitudeText));
    }
}

double toDouble(const FixedDecimal& value) {
    // "<magnitude>e-<scale>" read by from_chars is the correctly rounded double.
    std::string text = value.negative() ? "-" : "";
    text += WideUint::fromParts(value.hi(), value.mid(), value.lo()).toDecimal();
    text += "e-" + std::to_string(value.scale());
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

FixedDecimal operator+(const FixedDecimal& a, double b) { return a + toFixedDecimal(b); }
FixedDecimal operator+(double a, const FixedDecimal& b) { return toFixedDecimal(a) + b; }
FixedDecimal operator-(const FixedDecimal& a, double b) { return a - toFixedDecimal(b); }
FixedDecimal operator-(double a, const FixedDecimal& b) { return toFixedDecimal(a) - b; }
FixedDecimal operator*(const FixedDecimal& a, double b) { return a * toFixedDecimal(b); }
FixedDecimal operator*(double a, const FixedDecimal& b) { return toFixedDecimal(a) * b; }
FixedDecimal operator/(const FixedDecimal& a, double b) { return a / toFixedDecimal(b); }
FixedDecimal operator/(double a, const FixedDecimal& b) { return toFixedDecimal(a) / b; }

// A not-a-number argument is an InvalidArgument, an infinite one an
// ArithmeticOverflow (it is beyond the range already).
double power(double base, double exponent) {
    if (std::isnan(base) || std::isnan(exponent)) {
        throw InvalidArgument("power: an argument is not a number");
    }
    if (std::isinf(base) || std::isinf(exponent)) {
        throw ArithmeticOverflow("power: an argument is beyond the double range");
    }
    const double result = std::pow(base, exponent);
    if (std::isnan(result)) {
        throw InvalidArgument("power: a negative base needs a whole exponent");
    }
    if (std::isinf(result)) {
        throw ArithmeticOverflow("power: the result is beyond the double range");
    }
    return result;
}

double power(const FixedDecimal& base, const FixedDecimal& exponent) {
    return power(toDouble(base), toDouble(exponent));
}

}  // namespace calcora
