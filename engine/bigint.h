// SPDX-License-Identifier: MIT
#pragma once
// BigUInt: an unsigned integer of any length in decimal limbs (base 10^9, least
// significant limb first), the machine-word arithmetic behind the engine's
// text operations. Decimal limbs make text conversion linear in the length.
//
// Files: bigint.cpp (text, compare, add, subtract, small factors, powers of
// ten), bigint_multiply.cpp (schoolbook and Karatsuba), bigint_divide.cpp
// (divMod and divideFloor, long division with deferred carries), bigint_sqrt.cpp (sqrtRem and isqrt, Zimmermann's recursive root).
//
// Every value is normalised (no zero limb at the top; zero has no limbs).
// Functions take their operands by const reference and return new values, so
// an output may alias an input. The Cutoffs parameter only chooses between
// algorithms; every choice gives the same value, and tests force the cutoffs
// low so that small operands exercise the fast paths.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fixeddec/failure.h"

namespace calcora {

class BigUInt {
public:
    using Limb = std::uint32_t;
    static constexpr Limb kBase = 1'000'000'000;
    static constexpr int kBaseDigits = 9;

    BigUInt() = default;  // zero
    explicit BigUInt(std::uint64_t value);

    // The value of a text of decimal digits ("" and "000" are zero; leading
    // zeros are allowed). NotANumber for any character other than "0"-"9".
    static BigUInt fromDigits(std::string_view digits);
    // Takes limbs least significant first, each below kBase (checked with an
    // assert); zero limbs at the top are dropped.
    static BigUInt fromLimbs(std::vector<Limb> limbs);

    // The decimal digits without leading zeros; "0" for zero.
    std::string toDigits() const;
    // The decimal digits left-padded with "0" to at least `width` characters.
    std::string toDigits(std::size_t width) const;

    bool isZero() const { return limbs_.empty(); }
    // Number of decimal digits: 0 for zero, else the length of toDigits().
    std::size_t digitCount() const;
    const std::vector<Limb>& limbs() const { return limbs_; }

    friend bool operator==(const BigUInt& a, const BigUInt& b) = default;
    friend std::strong_ordering operator<=>(const BigUInt& a, const BigUInt& b);

private:
    std::vector<Limb> limbs_;
};

// Size cutoffs, in limbs. Defaults are tuned for speed; tests set them low.
struct Cutoffs {
    // Below this many limbs in the smaller factor, schoolbook multiplication
    // beats Karatsuba: its columns add word products (two limbs a word) into
    // 128-bit sums and are settled once each, so Karatsuba's extra additions
    // and allocations pay only from some 120 limbs (1,080 digits) on.
    // Measured times are flat from 120 to 160 limbs.
    std::size_t karatsuba = 120;
    // Below this many limbs the square root is found limb by limb (quadratic
    // work, no allocation per step); from here on by halves, where each level
    // costs a division and a square of a quarter of the length.
    std::size_t sqrtByLimbs = 60;
};

// ---- Arithmetic (all exact) ------------------------------------------------

BigUInt operator+(const BigUInt& a, const BigUInt& b);
// a − b. InvalidArgument when b > a.
BigUInt operator-(const BigUInt& a, const BigUInt& b);
BigUInt operator*(const BigUInt& a, const BigUInt& b);

[[nodiscard]] BigUInt multiply(const BigUInt& a, const BigUInt& b, const Cutoffs& cutoffs);
// The product of the factors, each below 10^18 (1 for none), multiplied
// pairwise so that the big products have equal sizes.
[[nodiscard]] BigUInt productOf(const std::vector<std::uint64_t>& factors);
// x^k by squaring (1 for k = 0).
[[nodiscard]] BigUInt powerOf(const BigUInt& x, std::uint32_t k);
// a × m for a small factor m.
[[nodiscard]] BigUInt multiplySmall(const BigUInt& a, std::uint32_t m);
// a + m for a small addend m.
[[nodiscard]] BigUInt addSmall(const BigUInt& a, std::uint32_t m);
// a × 10^n.
[[nodiscard]] BigUInt shiftUp(const BigUInt& a, std::size_t n);
// floor(a / 10^n).
[[nodiscard]] BigUInt shiftDown(const BigUInt& a, std::size_t n);
// The product of a and b computed by the plain schoolbook method, whatever the
// sizes (the reference the fast paths are tested against).
[[nodiscard]] BigUInt multiplySchoolbook(const BigUInt& a, const BigUInt& b);

struct DivModResult {
    BigUInt quotient;
    BigUInt remainder;
};
// quotient = floor(n / d), remainder = n − quotient·d. DivisionByZero when d is 0.
[[nodiscard]] DivModResult divMod(const BigUInt& n, const BigUInt& d);
// floor(n / d) alone. Much faster than divMod when the quotient is far shorter
// than the divisor: it divides by the divisor's leading limbs alone and checks
// the rest with a product only when that division's remainder is very small.
// DivisionByZero when d is 0.
[[nodiscard]] BigUInt divideFloor(const BigUInt& n, const BigUInt& d, const Cutoffs& cutoffs = {});
// n divided by a small divisor m > 0; the remainder is returned through rem.
[[nodiscard]] BigUInt divModSmall(const BigUInt& n, std::uint32_t m, std::uint32_t& rem);

struct SqrtRemResult {
    BigUInt root;
    BigUInt remainder;
};
// root = floor(sqrt(n)), remainder = n − root² (at most 2·root).
[[nodiscard]] SqrtRemResult sqrtRem(const BigUInt& n, const Cutoffs& cutoffs = {});
// floor(sqrt(n)).
[[nodiscard]] BigUInt isqrt(const BigUInt& n, const Cutoffs& cutoffs = {});

}  // namespace calcora
