// SPDX-License-Identifier: MIT
#include "tests/support/fixed_rounding.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace calcora::testing_support {

namespace {
constexpr int kMaxScale = 28;
}  // namespace

const Exact& largestFixedMagnitude() {
    static const Exact kLargest = fromDigits("79228162514264337593543950335", 0, false);
    return kLargest;
}

const Exact& pastLargestFixedMagnitude() {
    static const Exact kPast = fromDigits("79228162514264337593543950336", 0, false);
    return kPast;
}

std::optional<FixedValue> nearestFixed(const Exact& x, const Exact& y, bool negative) {
    const Exact limit = multiply(pastLargestFixedMagnitude(), y);  // x·10^s / y < 2^96  ⇔  x·10^s < limit
    const auto fits = [&](int s) { return compareMagnitude(x, limit, s) < 0; };
    if (!fits(0)) return std::nullopt;
    int s = kMaxScale;
    while (!fits(s)) --s;

    const Exact shifted = scaled(magnitude(x), s);
    Exact q = quotient(shifted, magnitude(y));
    const Exact remainder = subtract(shifted, multiply(q, magnitude(y)));  // 0 ≤ remainder < y
    const int half = compareMagnitude(multiplySmall(remainder, 2), y);
    if (half > 0 || (half == 0 && q.digitAt(0) % 2 == 1)) {
        q = add(q, fromInteger(1));
        if (q == pastLargestFixedMagnitude()) q = largestFixedMagnitude();
    }
    Exact value = scaled(q, -s);
    if (negative) value = negated(value);
    return FixedValue{value, s};
}

Exact fixedPartsValue(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo, int scale, bool negative) {
    // The 96-bit magnitude divided by 10 limb by limb, most significant first.
    std::uint32_t limbs[] = {hi, mid, lo};
    std::string digits;
    while ((limbs[0] | limbs[1] | limbs[2]) != 0) {
        std::uint64_t remainder = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t current = (remainder << 32) | limb;
            limb = static_cast<std::uint32_t>(current / 10);
            remainder = current % 10;
        }
        digits += static_cast<char>('0' + remainder);
    }
    std::reverse(digits.begin(), digits.end());
    return fromDigits(digits, -scale, negative);
}

}  // namespace calcora::testing_support
