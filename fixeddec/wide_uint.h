// SPDX-License-Identifier: MIT
#pragma once
// Used by fixeddec alone (a target of its own so that its tests reach it): a
// fixed-size unsigned integer of up to 320 bits, the working width of the
// fixed decimal's exact intermediate results (a 96-bit magnitude times 10^56
// is the widest: 283 bits). Values only, no allocation.
// Every operation assumes its result fits; nothing here reads user input.

#include <array>
#include <cstdint>
#include <string>

namespace calcora {

class WideUint {
public:
    // 32-bit limbs, least significant first; ten of them cover 283 bits with room.
    static constexpr int kLimbs = 10;

    WideUint() = default;
    static WideUint fromParts(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo);
    static WideUint fromU64(std::uint64_t value);
    static WideUint pow10(int n);       // 10^n, n from 0 to 96
    static WideUint max96();            // 2^96 − 1

    std::uint32_t limb(int i) const { return limb_[static_cast<std::size_t>(i)]; }
    bool isZero() const;
    bool isOdd() const { return (limb_[0] & 1u) != 0; }
    bool fits96() const;                // below 2^96
    int bitLength() const;              // 0 for zero
    int limbCount() const;              // significant limbs, 0 for zero

    // −1, 0 or 1 as a is below, equal to or above b.
    static int compare(const WideUint& a, const WideUint& b);

    void mulSmall(std::uint32_t factor);
    void addSmall(std::uint32_t addend);
    void mulPow10(int n);                    // n ≥ 0
    std::uint32_t divSmall(std::uint32_t divisor);  // quotient in place, returns remainder
    void add(const WideUint& other);
    void sub(const WideUint& other);         // other must not exceed this

    static WideUint mul(const WideUint& a, const WideUint& b);
    // quotient and remainder of u ÷ v; v must not be zero.
    static void divMod(const WideUint& u, const WideUint& v, WideUint& quotient,
                       WideUint& remainder);

    // Decimal digits without leading zeros; "0" for zero.
    std::string toDecimal() const;

private:
    std::array<std::uint32_t, kLimbs> limb_{};
};

}  // namespace calcora
