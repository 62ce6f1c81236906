#pragma once
// What a fixed decimal reading or operation must give for an exact value,
// checked with the fuzz targets' own arithmetic (oracle.h).

#include <algorithm>
#include <string>

#include "fixeddec/fixeddec.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/oracle.h"

namespace fuzz {

inline Exact exactOf(const calcora::FixedDecimal& d) {
    unsigned __int128 m = (static_cast<unsigned __int128>(d.hi()) << 64) |
                          (static_cast<unsigned __int128>(d.mid()) << 32) | d.lo();
    std::string digits;
    for (; m != 0; m /= 10) digits += static_cast<char>('0' + static_cast<int>(m % 10));
    std::reverse(digits.begin(), digits.end());
    return fromDigits(digits, -d.scale(), d.negative());
}

inline std::string describe(const calcora::FixedDecimal& d) {
    return describe(exactOf(d)) + " (scale " + std::to_string(d.scale()) + (d.negative() ? ", negative)" : ")");
}

// 2^96 − 1, the largest magnitude, and 2^96.
inline const Exact kLargestMagnitude = fromDigits("79228162514264337593543950335", 0, false);
inline const Exact kPastLargest = fromDigits("79228162514264337593543950336", 0, false);

// The empty text when `got` is what the fixed decimal must give for the exact
// value ±X/Y (X ≥ 0, Y > 0), else what is wrong. The rule: the largest scale
// s ≤ 28 at which the truncated magnitude fits in 96 bits; there the value
// rounded to the nearest, a tie to the even digit, and a round-up that
// would pass 2^96 − 1 keeps 2^96 − 1. ArithmeticOverflow when no scale fits.
// A zero result is never negative.
inline std::string fixedVerdict(const Exact& X, const Exact& Y, bool negative,
                                const Outcome<calcora::FixedDecimal>& got) {
    const Exact limit = multiply(kPastLargest, Y);  // X·10^s / Y < 2^96  ⇔  X·10^s < limit
    const auto fits = [&](int s) { return compareMagnitude(X, limit, s) < 0; };
    if (!fits(0)) {
        if (got.failure == Kind::Overflow) return {};
        return "expected ArithmeticOverflow for " + describe(X) + " / " + describe(Y) + ", got " +
               (got.ok() ? describe(*got.value) : shown(got));
    }
    int s = calcora::FixedDecimal::kMaxScale;
    while (!fits(s)) --s;
    if (!got.ok()) return "expected a value for " + describe(X) + " / " + describe(Y) + ", got " + shown(got);

    const calcora::FixedDecimal& d = *got.value;
    if (d.isZero() && d.negative()) return "a negative zero";
    const Exact g = magnitude(exactOf(d));
    const std::string context = "value " + std::string(negative ? "-" : "") + describe(X) + " / " + describe(Y) +
                                " at scale " + std::to_string(s) + ", got " + describe(d);
    if (!g.isZero() && g.exponent < -s) return "off the grid of the scale: " + context;
    if (!g.isZero() && exactOf(d).negative != negative) return "wrong sign: " + context;
    if (X.top() < -60) return g.isZero() ? std::string{} : "expected zero: " + context;

    const Exact difference = subtract(X, multiply(g, Y));  // (X/Y − g)·Y
    const int order = compareMagnitude(multiplySmall(magnitude(difference), 2), Y, s);  // vs ½ unit
    const bool atLargest = scaled(g, s) == kLargestMagnitude;
    if (order < 0) return {};
    if (order == 0 && (g.digitAt(-s) % 2 == 0 || (atLargest && !difference.negative))) return {};
    if (order > 0 && atLargest && !difference.negative) return {};
    return (order == 0 ? "a tie not rounded to even: " : "not the nearest value: ") + context;
}

}  // namespace fuzz
