// SPDX-License-Identifier: MIT
// The square root. A positive number string gets its exact root, truncated to
// the figure count: the value is scaled to an integer of 2·SF − 1 or 2·SF
// digits whose integer square root has exactly SF digits. Every other text
// (zero, exponent forms, a "+", a negative number) takes the fixed-decimal
// root as its guess and two Heron steps, or the double root when they fail.
#include "engine/engine.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/bigint.h"
#include "engine/limits.h"
#include "engine/numtext.h"
#include "fixeddec/fixeddec.h"

namespace calcora {

namespace {

// The most significant figures a root is given, whatever the setting.
constexpr std::int16_t kMaxRootFigures = 100;

// Decimal places of the "High Precision" root before its rounding: one more
// than the fixed decimal keeps.
constexpr std::int64_t kRootPlaces = FixedDecimal::kMaxScale + 1;

// Floor division for a possibly negative numerator and a positive divisor.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// True when StrVal without "," and " " is a number string (digits and at most
// one ".", no sign) with a value above zero: the texts whose root is exact.
bool isPositiveNumberString(std::string_view StrVal) {
    std::string store;
    const std::string_view magnitude = numtext::cleanedView(StrVal, store);
    return numtext::isNumberString(magnitude) && numtext::hasNonZeroDigit(magnitude);
}

// The root of such a text truncated to SF ≥ 1 significant figures, without
// trailing fraction zeros or a trailing point, below 1 as ".5".
// ArithmeticOverflow when the text without separators has over 32,767 characters.
std::string exactRoot(std::int16_t SF, std::string_view StrVal) {
    std::string store;
    const std::string_view magnitude = numtext::cleanedView(StrVal, store);
    limits::requireLength(magnitude, "square root: number length");
    // value = S × 10^e, S the digits from the first to the last non-zero one.
    const numtext::Significand significand = numtext::significandOf(magnitude);
    assert(!significand.digits.empty() && SF >= 1);
    const std::string_view S = significand.digits;
    const auto d = static_cast<std::int64_t>(S.size());
    const std::int64_t e = significand.exponent;

    // W = floor(value × 10^(2k)) with 2·SF − 1 or 2·SF digits, so that
    // isqrt(W) = floor(root × 10^k) has exactly SF digits: truncating the root
    // to SF figures. Taking digits off the end of S first changes nothing,
    // since isqrt(floor(x / 100^j)) = floor(isqrt(x) / 10^j).
    const std::int64_t k = floorDiv(2 * static_cast<std::int64_t>(SF) - d - e, 2);
    const std::int64_t shift = 2 * k + e;  // d + shift is 2·SF − 1 or 2·SF
    std::string scaled;
    if (shift >= 0) {
        scaled.reserve(static_cast<std::size_t>(d + shift));
        scaled.append(S);
        scaled.append(static_cast<std::size_t>(shift), '0');
    } else {
        scaled.assign(S.substr(0, static_cast<std::size_t>(d + shift)));
    }
    const std::string root = isqrt(BigUInt::fromDigits(scaled)).toDigits();
    return numtext::placedPoint(root, -k);
}

// The figure count of a setting text: its integer part, at most 100.
// NotANumber when the setting is no number, ArithmeticOverflow when its
// integer part leaves the 16-bit range.
std::int16_t figureCount(std::string_view sigFigsSetting) {
    const double whole = std::floor(textToDouble(sigFigsSetting));
    if (whole > limits::kMaxCount || whole < limits::kMinCount) {
        throw ArithmeticOverflow("square root: the significant-figure setting is outside the 16-bit range");
    }
    const auto count = static_cast<std::int16_t>(whole);
    return count > kMaxRootFigures ? kMaxRootFigures : count;
}

// Two Heron steps from the guess g, each division to SF figures. Fails with
// the failures of LargeDiv (a dividend longer than SF + 1 characters
// included) and LargeAdd.
std::string refine(std::int16_t SF, std::string_view StrVal, std::string g) {
    for (int step = 0; step < 2; ++step) {
        const std::string q = LargeDiv(SF, StrVal, g);
        std::string half = LargeDiv(SF, LargeAdd("-", g, q), "2");
        g = LargeAdd("-", g, half);
    }
    return g;
}

}  // namespace

std::string fixedSquareRoot(std::string_view number) {
    const FixedDecimal x = toFixedOperand(number);
    if (x.isZero()) throw DivisionByZero("square root: the number reads as zero");
    if (x.negative()) throw InvalidArgument("square root: the number is negative");
    // x = S × 10^e with e ≥ −28, so x × 10^58 is a whole number N and
    // isqrt(N) × 10^−29 is the root cut one place finer than the fixed
    // decimal's finest. A last digit 1 below that stands for the non-zero
    // rest of an inexact root, so reading the text rounds as the true root
    // would: no tie is left where the root has more digits.
    const numtext::Significand significand = numtext::significandOf(trimmedText(x));
    const auto shift = static_cast<std::size_t>(significand.exponent + 2 * kRootPlaces);
    const BigUInt scaled = shiftUp(BigUInt::fromDigits(significand.digits), shift);
    const SqrtRemResult root = sqrtRem(scaled);
    const bool exact = root.remainder.isZero();
    const std::string cut = root.root.toDigits() + (exact ? "0" : "1") + "E-" + std::to_string(kRootPlaces + 1);
    return trimmedText(toFixedDecimal(cut));
}

std::string doubleSquareRoot(std::string_view number) {
    const double value = textToDouble(number);
    if (value < 0) throw InvalidArgument("square root: the number is negative");
    // "-0" reads as a negative zero; its root is 0.
    return trimmedText(power(value == 0 ? 0.0 : value, 0.5));
}

std::string SquareRoot(std::int16_t& SF, std::string_view StrVal, std::string_view sigFigsSetting) {
    if (isPositiveNumberString(StrVal)) {
        const std::int16_t count = figureCount(sigFigsSetting);
        if (count < 1) {
            throw InvalidArgument("square root: the significant-figure setting is below 1");
        }
        SF = count;
        return exactRoot(count, StrVal);
    }
    try {
        std::string g = fixedSquareRoot(StrVal);
        SF = figureCount(sigFigsSetting);
        return refine(SF, StrVal, std::move(g));
    } catch (const Failure&) {
        return doubleSquareRoot(StrVal);
    }
}

}  // namespace calcora
