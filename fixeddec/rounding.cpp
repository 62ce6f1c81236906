// SPDX-License-Identifier: MIT
#include "fixeddec/rounding.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace calcora::rounding {

namespace {

// Dividing by 10^k works in steps of at most nine digits, the largest power of
// ten that one 32-bit limb holds.
constexpr int kDigitsPerStep = 9;
constexpr std::uint32_t kPow10[] = {1u,         10u,         100u,         1'000u,
                                    10'000u,    100'000u,    1'000'000u,   10'000'000u,
                                    100'000'000u, 1'000'000'000u};

// Below 1/2, exactly 1/2 or above, for (remainder + lower) ÷ divisor where the
// lower tail is a fraction of one unit of the remainder. The divisor is an even
// power of ten, so a remainder below half is at least one whole unit below it.
Tail combine(std::uint32_t remainder, std::uint32_t divisor, Tail lower) {
    const std::uint32_t half = divisor / 2;
    if (remainder < half) return (remainder == 0 && lower == Tail::Zero) ? Tail::Zero : Tail::BelowHalf;
    if (remainder > half) return Tail::AboveHalf;
    return lower == Tail::Zero ? Tail::Half : Tail::AboveHalf;
}

// magnitude ÷ 10^k in place; returns the tail of what was dropped.
Tail dropDigits(WideUint& magnitude, int k, Tail tail) {
    while (k > 0) {
        const int step = std::min(k, kDigitsPerStep);
        const std::uint32_t divisor = kPow10[step];
        tail = combine(magnitude.divSmall(divisor), divisor, tail);
        k -= step;
    }
    return tail;
}

}  // namespace

void failBeyondRange(const char* operation) {
    throw ArithmeticOverflow(std::string(operation) + ": the integer part exceeds " +
                             std::string(kLargestMagnitudeText));
}

Tail tailOfRemainder(const WideUint& remainder, const WideUint& divisor) {
    if (remainder.isZero()) return Tail::Zero;
    WideUint twice = remainder;
    twice.add(remainder);
    const int c = WideUint::compare(twice, divisor);
    if (c < 0) return Tail::BelowHalf;
    return c == 0 ? Tail::Half : Tail::AboveHalf;
}

FixedDecimal fitToFixedDecimal(WideUint magnitude, int scale, Tail tail, bool negative,
                               const char* operation) {
    if (scale < 0) {
        assert(tail == Tail::Zero);
        // Only small integers get here (a text such as "1E+20"); anything with
        // more than 29 integer digits was refused before.
        magnitude.mulPow10(-scale);
        scale = 0;
    }
    int drop = std::max(0, scale - FixedDecimal::kMaxScale);
    // A magnitude of b bits needs at least (b − 97)·log10(2) digits dropped to
    // fit 96 bits; 0.30102 lies just below log10(2), so this never overshoots.
    const int bits = magnitude.bitLength();
    if (bits > 96) drop = std::max(drop, (bits - 97) * 30102 / 100000);
    if (drop > scale) failBeyondRange(operation);
    tail = dropDigits(magnitude, drop, tail);
    while (!magnitude.fits96()) {
        if (drop == scale) failBeyondRange(operation);
        tail = dropDigits(magnitude, 1, tail);
        ++drop;
    }
    if (tail == Tail::AboveHalf || (tail == Tail::Half && magnitude.isOdd())) {
        magnitude.addSmall(1);
        if (!magnitude.fits96()) magnitude = WideUint::max96();
    }
    const bool isNegative = negative && !magnitude.isZero();
    return FixedDecimal::fromParts(magnitude.limb(2), magnitude.limb(1), magnitude.limb(0),
                                   scale - drop, isNegative);
}

}  // namespace calcora::rounding
