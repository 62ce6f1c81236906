// SPDX-License-Identifier: MIT
// Products and quotients of number strings in a double's 15 figures: the
// exact value rounded once, so no figure is off by the second rounding a
// product or quotient of doubles makes.
#include "engine/engine.h"
#include "engine/fifteen_figures.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/bigint.h"
#include "engine/limits.h"
#include "engine/numtext.h"
#include "fixeddec/fixeddec.h"

namespace calcora {

namespace {

// A quotient of this many figures holds the 15 kept and the one that rounds
// them; the remainder says whether anything lies below.
constexpr std::size_t kQuotientFigures = kDoubleTextDigits + 2;

}  // namespace

namespace fifteen {

Operand operandOf(std::string_view text, std::string_view what) {
    std::string magnitude = numtext::cleaned(text);
    Operand operand;
    operand.negative = numtext::takeSign(magnitude);
    if (!numtext::isNumberString(magnitude) || magnitude.find_first_of("0123456789") == std::string::npos) {
        throw NotANumber("15-figure " + std::string(what) + ": an operand is not a number");
    }
    operand.significand = numtext::significandOf(magnitude);
    return operand;
}

std::string shown(const FifteenFigures& value, std::string_view what) {
    if (exceedsDoubleRange(value)) {
        throw ArithmeticOverflow("15-figure " + std::string(what) + ": beyond the largest double");
    }
    if (!value.isZero() && value.exponent < limits::kMinCount) {
        throw ArithmeticOverflow("15-figure " + std::string(what) + ": below 1E-32768");
    }
    return trimmedText(value);
}

}  // namespace fifteen

std::string fifteenFigureProduct(std::string_view Num1StrIn, std::string_view Num2StrIn) {
    static_cast<void>(fifteen::operandOf(Num1StrIn, "product"));
    static_cast<void>(fifteen::operandOf(Num2StrIn, "product"));
    std::string product = LargeMultiply(Num1StrIn, Num2StrIn);
    const bool negative = numtext::takeSign(product);
    const numtext::Significand exact = numtext::significandOf(product);
    return fifteen::shown(roundedToFifteen(exact.digits, exact.exponent, negative), "product");
}

std::string fifteenFigureQuotient(std::string_view NIN, std::string_view DIN) {
    const fifteen::Operand dividend = fifteen::operandOf(NIN, "quotient");
    const fifteen::Operand divisor = fifteen::operandOf(DIN, "quotient");
    if (divisor.significand.digits.empty()) throw DivisionByZero("15-figure quotient: the divisor is zero");
    if (dividend.significand.digits.empty()) return "0";
    const std::string& a = dividend.significand.digits;
    const std::string& b = divisor.significand.digits;
    // With a × 10^shift at least kQuotientFigures digits longer than b, the
    // quotient has at least kQuotientFigures digits.
    const std::size_t wanted = b.size() + kQuotientFigures;
    const std::size_t shift = wanted > a.size() ? wanted - a.size() : 0;
    const DivModResult q = divMod(shiftUp(BigUInt::fromDigits(a), shift), BigUInt::fromDigits(b));
    const std::int64_t exponent =
        dividend.significand.exponent - divisor.significand.exponent - static_cast<std::int64_t>(shift);
    return fifteen::shown(roundedToFifteen(q.quotient.toDigits(), exponent, dividend.negative != divisor.negative,
                                  !q.remainder.isZero()),
                 "quotient");
}

}  // namespace calcora
