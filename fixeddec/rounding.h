// SPDX-License-Identifier: MIT
#pragma once
// Private to fixeddec: bringing an exact intermediate result into the fixed
// decimal's range. Every operation and the text reading end here, so they all
// round the same way.

#include "fixeddec/fixeddec.h"
#include "fixeddec/wide_uint.h"

namespace calcora::rounding {

// What lies below the last kept digit, as a fraction of one unit of it.
enum class Tail { Zero, BelowHalf, Half, AboveHalf };

// The tail of a division remainder: remainder ÷ divisor compared with one half.
Tail tailOfRemainder(const WideUint& remainder, const WideUint& divisor);

// Fails with ArithmeticOverflow naming the operation: the integer part of
// its result exceeds 2^96 − 1.
[[noreturn]] void failBeyondRange(const char* operation);

// The fixed decimal nearest to (magnitude + tail) × 10^(−scale), negated when
// negative. Keeps the largest scale, at most 28, whose truncated magnitude
// fits in 96 bits, and rounds there to the nearest, a tie to the even digit;
// a round-up that would reach 2^96 keeps 2^96 − 1 instead, the nearest value
// that fits. A negative scale multiplies out (the tail must then be zero).
// ArithmeticOverflow, naming the operation, when the integer part exceeds
// 2^96 − 1. A zero result is never negative.
FixedDecimal fitToFixedDecimal(WideUint magnitude, int scale, Tail tail, bool negative,
                               const char* operation);

}  // namespace calcora::rounding
