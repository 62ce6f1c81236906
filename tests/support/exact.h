// SPDX-License-Identifier: MIT
#pragma once
// Exact decimal values for the test oracles, kept apart from the engine: a
// value is a sign, a vector of decimal digits and a power of ten, and every
// operation is the schoolbook one, digit by digit. Slow on purpose (plain
// enough to trust); callers keep operands to modest sizes. Exponents may be
// far out (10^±10^12): no operation writes out zeros it does not need,
// except where a result itself has them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calcora::testing_support {

// ±digits × 10^exponent. Normalised: no zero digit at either end, so two
// equal values have equal fields; zero has no digits, exponent 0, no sign.
struct Exact {
    bool negative = false;
    std::vector<std::uint8_t> digits;  // least significant first
    std::int64_t exponent = 0;

    bool isZero() const { return digits.empty(); }
    std::int64_t size() const { return static_cast<std::int64_t>(digits.size()); }
    // Place of the leading digit: 10^top ≤ |value| < 10^(top + 1). Zero: a very low place.
    std::int64_t top() const { return isZero() ? INT64_MIN / 4 : exponent + size() - 1; }
    // Digit at place value 10^place.
    int digitAt(std::int64_t place) const {
        const std::int64_t i = place - exponent;
        return (i < 0 || i >= size()) ? 0 : digits[static_cast<std::size_t>(i)];
    }
};

// Puts x in the normal form above.
void normalize(Exact& x);

// The value of decimal digits (characters '0'..'9', most significant first) times 10^exponent.
Exact fromDigits(std::string_view msFirst, std::int64_t exponent, bool negative);
Exact fromInteger(std::uint64_t value);
Exact powerOfTen(std::int64_t k);
Exact negated(Exact x);
Exact magnitude(Exact x);
// x × 10^k.
Exact scaled(Exact x, std::int64_t k);

// Compares |a| × 10^shiftA with |b|: −1, 0 or 1.
int compareMagnitude(const Exact& a, const Exact& b, std::int64_t shiftA = 0);
// Compares the signed values: −1, 0 or 1.
int compare(const Exact& a, const Exact& b);
bool operator==(const Exact& a, const Exact& b);

Exact add(const Exact& a, const Exact& b);
Exact subtract(const Exact& a, const Exact& b);
Exact multiply(const Exact& a, const Exact& b);
// a × m, one pass with a carry.
Exact multiplySmall(const Exact& a, std::uint32_t m);
// a / b cut toward zero at place value 10^place; b must not be zero
// (std::domain_error). The work grows with the quotient's digit count.
Exact quotient(const Exact& a, const Exact& b, std::int64_t place = 0);
// x cut toward zero at place value 10^place.
Exact truncated(const Exact& x, std::int64_t place);
// The square root of |x| cut to `figures` (≥ 1) significant figures, by the
// long-hand (pencil-and-paper) method; zero for zero.
Exact squareRoot(const Exact& x, int figures);
// x rounded to `figures` (≥ 1) significant figures, a tie to the even
// figure; `inexact` says that a non-zero rest below x's last digit was left
// off (so a tie is above one half).
Exact roundedToFigures(const Exact& x, int figures, bool inexact = false);

// a × b modulo p (p below 2^62), by doubling: no 128-bit integer needed.
std::uint64_t mulMod(std::uint64_t a, std::uint64_t b, std::uint64_t p);
// The mantissa's residue modulo p (p below 2^62).
std::uint64_t residue(const Exact& x, std::uint64_t p);
// base^e modulo p (p below 2^62).
std::uint64_t powerMod(std::uint64_t base, std::uint64_t e, std::uint64_t p);

// Written out: "-" when negative, no leading zeros (".25"), no trailing
// fraction zeros or point, "0" for zero: the form of LargeMultiply's products.
std::string plainText(const Exact& x);
// A short scientific rendering for reports.
std::string describe(const Exact& x);
// The nearest double (±infinity beyond the range), by the C library.
double nearestDouble(const Exact& x);

}  // namespace calcora::testing_support
