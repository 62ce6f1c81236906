// SPDX-License-Identifier: MIT
#include "tests/support/power_oracle.h"

#include <mpfr.h>

#include <cfloat>
#include <cstdlib>
#include <string>

namespace calcora::testing_support {

namespace {

// Far more bits than 15 figures need, so that the one rounding to 15 decimal
// figures is that of the true value unless it lies within 2^−3990 of a midpoint.
constexpr mpfr_prec_t kBits = 4000;

struct Number {
    Number() { mpfr_init2(value, kBits); }
    ~Number() { mpfr_clear(value); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
    mpfr_t value;
};

// The figures d1 d2 … d15 (trailing zeros dropped) and decimal exponent of
// the first, written as a double's text is.
std::string doubleStyleText(std::string digits, long exponent, bool negative) {
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text = negative ? "-" : "";
    if (exponent > 14 || exponent < -4) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const long magnitude = std::labs(exponent);
        if (magnitude < 10) text += '0';
        return text + std::to_string(magnitude);
    }
    if (exponent < 0) return text + "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) return text + digits + std::string(integerDigits - digits.size(), '0');
    return text + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

}  // namespace

std::optional<std::string> powerToFifteenFigures(std::string_view x, std::string_view y) {
    mpfr_exp_t oldMin = mpfr_get_emin();
    mpfr_exp_t oldMax = mpfr_get_emax();
    mpfr_set_emin(mpfr_get_emin_min());
    mpfr_set_emax(mpfr_get_emax_max());
    Number base, exponent, power, largest;
    mpfr_set_str(base.value, std::string(x).c_str(), 10, MPFR_RNDN);
    mpfr_set_str(exponent.value, std::string(y).c_str(), 10, MPFR_RNDN);
    mpfr_clear_underflow();
    mpfr_pow(power.value, base.value, exponent.value, MPFR_RNDN);
    // A power too small even for MPFR's exponents comes back as 0, though it
    // is none: it lies far below 1E-32768.
    const bool underflow = mpfr_underflow_p() != 0;
    mpfr_set_d(largest.value, DBL_MAX, MPFR_RNDN);
    std::optional<std::string> result;
    if (mpfr_zero_p(power.value)) {
        if (!underflow) result = "0";
    } else if (mpfr_number_p(power.value)) {
        mpfr_exp_t exp10 = 0;
        char* digits = mpfr_get_str(nullptr, &exp10, 10, 15, power.value, MPFR_RNDN);
        const bool negative = digits[0] == '-';
        std::string figures(digits + (negative ? 1 : 0));
        mpfr_free_str(digits);
        const long exponentOfFirst = static_cast<long>(exp10) - 1;
        // Above the largest double once rounded to 15 figures, or below 1E-32768.
        const bool above = exponentOfFirst > 308 || (exponentOfFirst == 308 && figures > "179769313486231");
        if (!above && exponentOfFirst >= -32768) result = doubleStyleText(figures, exponentOfFirst, negative);
    }
    mpfr_set_emin(oldMin);
    mpfr_set_emax(oldMax);
    return result;
}

}  // namespace calcora::testing_support
