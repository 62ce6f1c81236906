// SPDX-License-Identifier: MIT
// x^y correctly rounded to 15 figures. A whole exponent whose power is short
// enough is computed exactly and rounded once. Any other power is e^(y·ln x)
// in fixed point: the logarithm by square roots and the series of atanh, the
// exponential by halving, its series and squaring back. Each pass works to R
// figures beyond what can be lost; when the value's error interval still
// straddles a rounding boundary, R doubles (the true value then lies ever
// closer to a boundary, which only an exact midpoint does for long).
#include "engine/engine.h"
#include "engine/fifteen_figures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>

#include "engine/bigint.h"
#include "engine/numtext.h"
#include "fixeddec/fixeddec.h"

namespace calcora {

namespace {

// An exact decimal: ±digits × 10^exponent, digits without zeros at either end
// (empty for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;

    bool isZero() const { return digits.empty(); }
    // The place of the first digit: 10^top ≤ |value| < 10^(top + 1).
    std::int64_t top() const { return exponent + static_cast<std::int64_t>(digits.size()) - 1; }
    bool isWhole() const { return isZero() || exponent >= 0; }
};

Decimal readDecimal(std::string_view number) {
    fifteen::Operand operand = fifteen::operandOf(number, "power");
    Decimal value;
    value.negative = operand.negative && !operand.significand.digits.empty();
    value.digits = std::move(operand.significand.digits);
    value.exponent = operand.significand.exponent;
    return value;
}

// A signed fixed-point number: value = ±magnitude × 10^(−scale), with the
// scale kept by the caller.
struct Signed {
    bool negative = false;
    BigUInt magnitude;
};

Signed operator+(const Signed& a, const Signed& b) {
    if (a.negative == b.negative) return {a.negative, a.magnitude + b.magnitude};
    if (a.magnitude >= b.magnitude) return {a.negative, a.magnitude - b.magnitude};
    return {b.negative, b.magnitude - a.magnitude};
}

Signed negated(Signed a) {
    a.negative = !a.negative;
    return a;
}

// 10^scale: one in fixed point.
BigUInt one(std::int64_t scale) { return shiftUp(BigUInt(1), static_cast<std::size_t>(scale)); }

// Products and square roots at a scale, truncated.
BigUInt product(const BigUInt& a, const BigUInt& b, std::int64_t scale) {
    return shiftDown(a * b, static_cast<std::size_t>(scale));
}

BigUInt squareRoot(const BigUInt& a, std::int64_t scale) {
    return isqrt(shiftUp(a, static_cast<std::size_t>(scale)));
}

// Digits × 10^shift for a shift of either sign, truncated.
BigUInt shifted(const BigUInt& a, std::int64_t shift) {
    return shift >= 0 ? shiftUp(a, static_cast<std::size_t>(shift)) : shiftDown(a, static_cast<std::size_t>(-shift));
}

// Guard figures each routine adds to its working scale: the truncations of
// its steps, multiplied by up to 2^13 where square roots are undone, stay
// below them.
constexpr std::int64_t kGuard = 12;

// ln a at scale T for a value a (at the same scale) from 1 to 10. Square roots
// bring a to within 1/1000 of 1, where the series of 2·atanh((a−1)/(a+1))
// gains six figures a term.
BigUInt logarithmOf(BigUInt a, std::int64_t T) {
    const BigUInt unit = one(T);
    const BigUInt near = unit + shiftDown(unit, 3);
    std::uint32_t roots = 0;
    while (a > near) {
        a = squareRoot(a, T);
        ++roots;
    }
    const BigUInt z = divideFloor(shiftUp(a - unit, static_cast<std::size_t>(T)), a + unit);
    const BigUInt z2 = product(z, z, T);
    BigUInt sum = z;
    BigUInt power = z;
    for (std::uint32_t odd = 3;; odd += 2) {
        power = product(power, z2, T);
        if (power.isZero()) break;
        std::uint32_t remainder = 0;
        sum = sum + divModSmall(power, odd, remainder);
    }
    return multiplySmall(sum, std::uint32_t{2} << roots);
}

// ln 10 at scale S.
BigUInt logTen(std::int64_t S) {
    const std::int64_t T = S + kGuard;
    return shiftDown(logarithmOf(multiplySmall(one(T), 10), T), static_cast<std::size_t>(kGuard));
}

// ln |x| at scale S for a non-zero x: ln of its first digits as d.ddd, plus
// its power of ten times ln 10 (up to 32,767 of them: five more figures).
Signed logarithmOf(const Decimal& x, std::int64_t S) {
    const std::int64_t T = S + kGuard + 5;
    const auto fractionDigits = static_cast<std::int64_t>(x.digits.size()) - 1;
    const BigUInt mantissa = shifted(BigUInt::fromDigits(x.digits), T - fractionDigits);
    Signed sum{false, logarithmOf(mantissa, T)};
    const std::int64_t places = x.top();
    if (places != 0) {
        const BigUInt tens = logTen(T) * BigUInt(static_cast<std::uint64_t>(std::llabs(places)));
        sum = sum + Signed{places < 0, tens};
    }
    sum.magnitude = shiftDown(sum.magnitude, static_cast<std::size_t>(T - S));
    return sum;
}

// e^f at scale S for |f| up to about 1.2 (f at scale S): e^(f/2^12) by its
// series, squared twelve times.
BigUInt exponentialOf(const Signed& f, std::int64_t S) {
    constexpr std::uint32_t kHalvings = 12;
    const std::int64_t T = S + kGuard;
    const BigUInt unit = one(T);
    std::uint32_t remainder = 0;
    const BigUInt g = divModSmall(shiftUp(f.magnitude, static_cast<std::size_t>(kGuard)), 1u << kHalvings, remainder);
    BigUInt sum = unit + g;
    BigUInt term = g;
    for (std::uint32_t i = 2;; ++i) {
        term = divModSmall(product(term, g, T), i, remainder);
        if (term.isZero()) break;
        sum = sum + term;
    }
    for (std::uint32_t i = 0; i < kHalvings; ++i) sum = product(sum, sum, T);
    if (f.negative) sum = divideFloor(shiftUp(unit, static_cast<std::size_t>(T)), sum);
    return shiftDown(sum, static_cast<std::size_t>(kGuard));
}

// log10 of |value| from its first digits, good to about 15 figures.
double log10Of(std::string_view digits, std::int64_t exponent) {
    const std::string_view lead = digits.substr(0, 17);
    return std::log10(std::stod(std::string(lead))) + static_cast<double>(exponent) +
           static_cast<double>(digits.size() - lead.size());
}

// log10 |ln x| for a positive x ≠ 1, good to far better than the margins it
// is used with.
double log10OfLogarithm(const Decimal& x) {
    // |x − 1| exactly: x = D × 10^e.
    if (x.exponent < 0) {
        const BigUInt D = BigUInt::fromDigits(x.digits);
        const BigUInt unit = one(-x.exponent);
        const BigUInt difference = D >= unit ? D - unit : unit - D;
        const std::string digits = difference.toDigits();
        const double log10Difference = log10Of(digits, x.exponent);
        // Within 1/1000 of 1, ln x = (x − 1)(1 + a relative error below 1/1000).
        if (log10Difference < -3) return log10Difference;
    }
    const double lnX = log10Of(x.digits, x.exponent) * std::numbers::ln10;
    return std::log10(std::fabs(lnX));
}

// Outside these bounds of t = y·ln|x| no value can be shown: above, the value
// passes the largest double (about e^709.78); below, its decimal exponent
// passes −32,768 (e^−75,450). The margins cover the estimate's error.
constexpr double kLargestLogarithm = 711;
constexpr double kSmallestLogarithm = -75460;

// Figures of an exactly computed power that rounding may look at; past them
// the general path is as fast and never meets a tie (a long power has as many
// figures as digits, so no short midpoint).
constexpr std::int64_t kExactPowerDigits = 4000;

// |x|^n for a whole n with |n| · digits ≤ kExactPowerDigits, rounded once.
std::string exactWholePower(const Decimal& x, std::int64_t n, bool negative) {
    const BigUInt D = powerOf(BigUInt::fromDigits(x.digits), static_cast<std::uint32_t>(std::llabs(n)));
    if (n > 0) return fifteen::shown(roundedToFifteen(D.toDigits(), x.exponent * n, negative), "power");
    // x^−m = 10^K / D^m × 10^(−K − e·m), with K giving the quotient 17 figures.
    const auto K = static_cast<std::int64_t>(D.digitCount()) + 17;
    const DivModResult q = divMod(one(K), D);
    return fifteen::shown(roundedToFifteen(q.quotient.toDigits(), -K + x.exponent * n, negative, !q.remainder.isZero()), "power");
}

// The figures past which a pass stops doubling its precision: by then the
// true value lies within 10^−400 of a midpoint of 15 figures, which it then is.
constexpr std::int64_t kMostFigures = 400;

// |x|^y = e^t, t = y·ln|x|, with |t| known to lie within the bounds above.
std::string generalPower(const Decimal& x, const Decimal& y, bool negative) {
    const std::int64_t yPlaces = std::max<std::int64_t>(0, y.top() + 1);
    const BigUInt Y = BigUInt::fromDigits(y.digits);
    for (std::int64_t R = 24;; R *= 2) {
        // t to A places after the point; ln x to as many more as y has
        // integer digits, so that y·ln x keeps A places.
        const std::int64_t A = R + kGuard;
        const std::int64_t S = A + yPlaces;
        const Signed L = logarithmOf(x, S);
        Signed t{L.negative != y.negative, shifted(L.magnitude * Y, y.exponent - yPlaces)};
        if (t.magnitude.isZero()) t.negative = false;

        // t = k·ln 10 + f, |f| ≤ 1.2: the value is e^f × 10^k.
        const double tApprox = log10Of(t.magnitude.isZero() ? "0" : t.magnitude.toDigits(), -A);
        const double tValue = t.magnitude.isZero() ? 0.0 : (t.negative ? -1 : 1) * std::pow(10.0, tApprox);
        if (tValue > kLargestLogarithm) throw ArithmeticOverflow("power: the value is beyond the double's range");
        if (tValue < kSmallestLogarithm) throw ArithmeticOverflow("power: the value is too small to show");
        const std::int64_t k = std::llround(tValue / std::numbers::ln10);
        const BigUInt tens = shiftDown(logTen(A + 6) * BigUInt(static_cast<std::uint64_t>(std::llabs(k))), 6);
        const Signed f = t + negated(Signed{k < 0, tens});
        const BigUInt E = exponentialOf(f, A);

        // E carries a relative error far below 10^−R: round both ends.
        const BigUInt slack = addSmall(shiftDown(E, static_cast<std::size_t>(R)), 1);
        const std::int64_t exponent = k - A;
        const FifteenFigures low = roundedToFifteen((E - slack).toDigits(), exponent, negative, true);
        const FifteenFigures high = roundedToFifteen((E + slack).toDigits(), exponent, negative, true);
        if (low.digits == high.digits && low.exponent == high.exponent) return fifteen::shown(low, "power");
        if (R >= kMostFigures) {
            // A midpoint: E rounded to the nearest 16 figures is the midpoint
            // itself, which then rounds to the even figure.
            const std::string digits = E.toDigits();
            const BigUInt sixteen = shiftDown(addSmall(BigUInt::fromDigits(digits.substr(0, 17)), 5), 1);
            const std::int64_t dropped = static_cast<std::int64_t>(digits.size()) - 16;
            return fifteen::shown(roundedToFifteen(sixteen.toDigits(), exponent + dropped, negative), "power");
        }
    }
}

}  // namespace

std::string fifteenFigurePower(std::string_view base, std::string_view exponent) {
    const Decimal x = readDecimal(base);
    const Decimal y = readDecimal(exponent);
    if (y.isZero()) return "1";
    if (x.isZero()) {
        if (y.negative) throw ArithmeticOverflow("power: zero to a negative power");
        return "0";
    }
    if (x.negative && !y.isWhole()) throw InvalidArgument("power: a negative base needs a whole exponent");
    // A whole exponent's parity: the last digit of a whole y is its units digit
    // when it has no zeros after it.
    const bool odd = y.isWhole() && y.exponent == 0 && (y.digits.back() - '0') % 2 != 0;
    const bool negative = x.negative && odd;
    if (x.digits == "1" && x.exponent == 0) return negative ? "-1" : "1";

    // Far outside the bounds of t = y·ln|x| no figure needs computing.
    const double log10T = log10OfLogarithm(x) + log10Of(y.digits, y.exponent);
    if (log10T > std::log10(-kSmallestLogarithm) + 0.01) {
        throw ArithmeticOverflow("power: the value is beyond the range that can be shown");
    }
    if (y.isWhole() && y.top() < 5) {
        std::int64_t n = std::stoll(y.digits);
        for (std::int64_t i = 0; i < y.exponent; ++i) n *= 10;
        if (n * static_cast<std::int64_t>(x.digits.size()) <= kExactPowerDigits) {
            return exactWholePower(x, y.negative ? -n : n, negative);
        }
    }
    return generalPower(x, y, negative);
}

}  // namespace calcora
