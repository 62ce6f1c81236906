// SPDX-License-Identifier: MIT
// Powers: a case by the exponent's exact value (0, −1, 0.5, a whole 1..120
// multiplied out exactly, anything else correctly rounded to 15 figures),
// then a cut of a result with a fraction part to the figure count.
#include "engine/engine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/bigint.h"
#include "engine/limits.h"
#include "engine/numtext.h"

namespace calcora {

namespace {

// The largest whole exponent that is multiplied out exactly.
constexpr int kMaxExactExponent = 120;

// A base that is a number string with a non-zero value: magnitude =
// digits × 10^exponent, digits without zeros at either end.
struct ExactBase {
    bool negative = false;
    BigUInt digits;
    std::int64_t digitCount = 0;
    std::int64_t exponent = 0;
};

// StrNum without "," and " " as an optional "-", digits and at most one ".",
// with a non-zero digit; nothing for any other text, which the plain loop of
// multiplications handles (zero, empty, malformed).
std::optional<ExactBase> readExactBase(std::string_view StrNum) {
    std::string magnitude = numtext::cleaned(StrNum);
    const bool negative = numtext::takeSign(magnitude);
    if (!numtext::isNumberString(magnitude) || !numtext::hasNonZeroDigit(magnitude)) return std::nullopt;
    numtext::Significand significand = numtext::significandOf(magnitude);
    ExactBase base;
    base.negative = negative;
    base.digits = BigUInt::fromDigits(significand.digits);
    base.digitCount = static_cast<std::int64_t>(significand.digits.size());
    base.exponent = significand.exponent;
    return base;
}

// A lower bound on the length of |base^k| written out: the integer digits of
// a number of at least 10^(I − 1) to the k, and exactly −exponent·k fraction
// digits (the digits have no factor 10, so neither has their power) after a point.
std::int64_t lengthLowerBound(const ExactBase& base, std::int64_t k) {
    const std::int64_t integerDigits = base.digitCount + base.exponent;
    std::int64_t length = integerDigits >= 1 ? k * (integerDigits - 1) + 1 : 0;
    if (base.exponent < 0) length += k * -base.exponent + 1;
    return length;
}

// base^k as LargeMultiply writes its products: "-" when negative, no leading
// zeros (".25"), no trailing fraction zeros, no trailing point.
std::string powerText(const ExactBase& base, int k) {
    const std::string sign = (base.negative && k % 2 != 0) ? "-" : "";
    return sign + numtext::placedPoint(powerOf(base.digits, static_cast<std::uint32_t>(k)).toDigits(), base.exponent * k);
}

// StrNum to the power n (1..120) as n successive LargeMultiply(product,
// StrNum) calls would give it, failures included. For a non-zero number base
// the products' lengths never shrink: a base with f fraction digits (the last
// one not 0) gives exactly k·f fraction digits to its k-th power, and integer
// parts only grow; the sign adds a character only where lengths differ by
// hundreds (a power near the limit needs a base of some 270 digits). A
// multiplication's 16-bit limits grow with its operands' lengths, so the loop
// fails exactly when its last multiplication does. Hence base^(n − 1) is
// computed by squaring and the last multiplication is LargeMultiply itself.
std::string wholePower(std::string_view StrNum, int n) {
    const std::optional<ExactBase> base = n > 1 ? readExactBase(StrNum) : std::nullopt;
    if (!base) {
        std::string product = "1";
        for (int i = 0; i < n; ++i) product = LargeMultiply(product, StrNum);
        return product;
    }
    if (lengthLowerBound(*base, n - 1) > limits::kMaxCount) {
        limits::failTooLong("power: the product");
    }
    return LargeMultiply(powerText(*base, n - 1), StrNum);
}

// The cases chosen by the exponent's exact value.
enum class ExponentCase { Zero, MinusOne, Half, Whole, Other };

struct Exponent {
    ExponentCase kind = ExponentCase::Other;
    int whole = 0;  // the exponent in the Whole case, 1..120
};

// The case of an exponent number string ("2.0", "1e2" written out, "-1.00").
Exponent classify(std::string_view exponent) {
    std::string magnitude(exponent);
    const bool negative = numtext::takeSign(magnitude);
    const numtext::Significand value = numtext::significandOf(magnitude);
    const std::string_view digits = value.digits;
    if (digits.empty()) return {ExponentCase::Zero};
    if (negative) return {digits == "1" && value.exponent == 0 ? ExponentCase::MinusOne : ExponentCase::Other};
    if (digits == "5" && value.exponent == -1) return {ExponentCase::Half};
    // Up to three integer digits, so at most 999 before the range test.
    if (value.exponent < 0 || static_cast<std::int64_t>(digits.size()) + value.exponent > 3) return {};
    int n = std::stoi(std::string(digits));
    for (std::int64_t i = 0; i < value.exponent; ++i) n *= 10;
    if (n > kMaxExactExponent) return {};
    return {ExponentCase::Whole, n};
}

// A result whose point stands at position SF or earlier and that is longer
// than SF + 1 characters keeps its first SF significant figures, counted from
// the first non-zero digit (a cut, not a rounding). An exponent part, as a
// double's text may have, stays.
std::string cutToFigures(std::string text, std::int16_t SF) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos || SF < 1) return text;
    const auto figures = static_cast<std::size_t>(SF);
    if (point + 1 > figures || text.size() <= figures + 1) return text;
    const std::size_t exponentAt = text.find_first_of("Ee");
    const std::size_t mantissaEnd = exponentAt == std::string::npos ? text.size() : exponentAt;
    std::size_t kept = 0;
    bool significant = false;
    for (std::size_t i = 0; i < mantissaEnd; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') continue;
        significant = significant || c != '0';
        if (significant && ++kept == figures) {
            text.erase(i + 1, mantissaEnd - (i + 1));
            break;
        }
    }
    return text;
}

}  // namespace

std::string RTPower(std::int16_t& SF, std::string_view StrNum, std::string_view StrPower,
                    std::string_view sigFigsSetting) {
    const std::string exponent = plainNumber(StrPower);
    if (exponent.empty()) throw NotANumber("power: no exponent");
    const Exponent chosen = classify(exponent);
    std::string result;
    switch (chosen.kind) {
        case ExponentCase::Zero:
            result = "1";
            break;
        case ExponentCase::MinusOne:
            result = LargeDiv(SF, "1", StrNum);
            break;
        case ExponentCase::Half:
            result = SquareRoot(SF, StrNum, sigFigsSetting);
            break;
        case ExponentCase::Whole:
            result = wholePower(StrNum, chosen.whole);
            break;
        case ExponentCase::Other:
            result = fifteenFigurePower(plainNumber(StrNum), exponent);
            break;
    }
    return cutToFigures(std::move(result), SF);
}

}  // namespace calcora
