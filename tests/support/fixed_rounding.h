// SPDX-License-Identifier: MIT
#pragma once
// The fixed decimal's rounding of an exact value, for the oracles of its
// readings and operations: 96-bit magnitudes at a scale of 0 to 28.

#include <cstdint>
#include <optional>

#include "tests/support/exact.h"

namespace calcora::testing_support {

// 2^96 − 1, the largest magnitude, and 2^96.
const Exact& largestFixedMagnitude();
const Exact& pastLargestFixedMagnitude();

// A fixed decimal's value and the scale it is held at.
struct FixedValue {
    Exact value;
    int scale = 0;
};

// The fixed decimal nearest ±x/y (x ≥ 0, y > 0): at the largest scale
// s ≤ 28 where x·10^s / y truncated fits in 96 bits, the value rounded to the
// nearest, a tie to the even digit; a round-up that would pass 2^96 − 1
// keeps 2^96 − 1; zero is never negative. Nothing (ArithmeticOverflow) when
// no scale fits.
std::optional<FixedValue> nearestFixed(const Exact& x, const Exact& y, bool negative);

// The value of a fixed decimal's parts: ±(hi·2^64 + mid·2^32 + lo) × 10^−scale.
Exact fixedPartsValue(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo, int scale, bool negative);

}  // namespace calcora::testing_support
