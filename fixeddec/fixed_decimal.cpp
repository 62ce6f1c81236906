// SPDX-License-Identifier: MIT
// FixedDecimal: construction, comparison and the four operations. Each
// operation forms its exact result (or, for division, the quotient to 28
// places and a note of the remainder) in a wide integer and leaves the
// rounding to fitToFixedDecimal.

#include "fixeddec/fixeddec.h"

#include <algorithm>
#include <string>

#include "fixeddec/rounding.h"
#include "fixeddec/wide_uint.h"

namespace calcora {

using rounding::fitToFixedDecimal;
using rounding::Tail;

namespace {

WideUint magnitudeOf(const FixedDecimal& x) { return WideUint::fromParts(x.hi(), x.mid(), x.lo()); }

// a ± b: the operands brought to the larger scale, which is exact in 320 bits.
FixedDecimal addSigned(const FixedDecimal& a, const FixedDecimal& b, bool negateB,
                       const char* operation) {
    const int scale = std::max(a.scale(), b.scale());
    WideUint x = magnitudeOf(a);
    WideUint y = magnitudeOf(b);
    x.mulPow10(scale - a.scale());
    y.mulPow10(scale - b.scale());
    const bool xNegative = a.negative();
    const bool yNegative = b.negative() != negateB;
    if (xNegative == yNegative) {
        x.add(y);
        return fitToFixedDecimal(x, scale, Tail::Zero, xNegative, operation);
    }
    if (WideUint::compare(x, y) >= 0) {
        x.sub(y);
        return fitToFixedDecimal(x, scale, Tail::Zero, xNegative, operation);
    }
    y.sub(x);
    return fitToFixedDecimal(y, scale, Tail::Zero, yNegative, operation);
}

}  // namespace

FixedDecimal FixedDecimal::fromParts(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo,
                                     int scale, bool negative) {
    if (scale < 0 || scale > kMaxScale) {
        throw ArithmeticOverflow("fixed decimal: scale " + std::to_string(scale) +
                                 " is outside 0 to 28");
    }
    FixedDecimal d;
    d.hi_ = hi;
    d.mid_ = mid;
    d.lo_ = lo;
    d.scale_ = static_cast<std::uint8_t>(scale);
    d.negative_ = negative;
    return d;
}

FixedDecimal FixedDecimal::fromInteger(std::int64_t value) {
    // The magnitude of the most negative value only exists unsigned.
    const std::uint64_t magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                              : static_cast<std::uint64_t>(value);
    return fromParts(0, static_cast<std::uint32_t>(magnitude >> 32),
                     static_cast<std::uint32_t>(magnitude), 0, value < 0);
}

bool operator==(const FixedDecimal& a, const FixedDecimal& b) {
    if (a.isZero() || b.isZero()) return a.isZero() && b.isZero();
    if (a.negative() != b.negative()) return false;
    const int scale = std::max(a.scale(), b.scale());
    WideUint x = magnitudeOf(a);
    WideUint y = magnitudeOf(b);
    x.mulPow10(scale - a.scale());
    y.mulPow10(scale - b.scale());
    return WideUint::compare(x, y) == 0;
}

FixedDecimal operator+(const FixedDecimal& a, const FixedDecimal& b) {
    return addSigned(a, b, false, "fixed decimal addition");
}

FixedDecimal operator-(const FixedDecimal& a, const FixedDecimal& b) {
    return addSigned(a, b, true, "fixed decimal subtraction");
}

FixedDecimal operator-(const FixedDecimal& a) {
    return FixedDecimal::fromParts(a.hi(), a.mid(), a.lo(), a.scale(),
                                   !a.negative() && !a.isZero());
}

FixedDecimal operator*(const FixedDecimal& a, const FixedDecimal& b) {
    // The scales add up to at most 56; the fit drops what does not fit.
    return fitToFixedDecimal(WideUint::mul(magnitudeOf(a), magnitudeOf(b)), a.scale() + b.scale(),
                             Tail::Zero, a.negative() != b.negative(),
                             "fixed decimal multiplication");
}

FixedDecimal operator/(const FixedDecimal& a, const FixedDecimal& b) {
    if (b.isZero()) throw DivisionByZero("fixed decimal division: the divisor is zero");
    // The quotient at scale 28, the finest there is: a·10^(28 + sb − sa) ÷ b,
    // the power at most 10^56. The remainder only decides the rounding.
    WideUint numerator = magnitudeOf(a);
    numerator.mulPow10(FixedDecimal::kMaxScale + b.scale() - a.scale());
    const WideUint divisor = magnitudeOf(b);
    WideUint quotient, remainder;
    WideUint::divMod(numerator, divisor, quotient, remainder);
    return fitToFixedDecimal(quotient, FixedDecimal::kMaxScale,
                             rounding::tailOfRemainder(remainder, divisor),
                             a.negative() != b.negative(), "fixed decimal division");
}

}  // namespace calcora
