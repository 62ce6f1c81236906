// SPDX-License-Identifier: MIT
#pragma once
// Machine-word helpers for the engine's word-at-a-time loops, the same on
// every compiler:
//   Uint128        an unsigned 128-bit integer: the compiler's own where it
//                  has one, otherwise a two-word class with the operations
//                  the engine uses (+, +=, −, ×, >>, comparisons, conversions),
//                  which wrap modulo 2^128 just as the built-in type does;
//                  fromWords makes one of its two words.
//   bigEndianWord  a word loaded from memory with its first byte made the
//                  most significant, on either byte order.
// CALCORA_HAVE_INT128 (set by cmake/WideInteger.cmake) makes the choice.

#include <bit>
#include <compare>
#include <cstdint>
#include <type_traits>

namespace calcora {

#if CALCORA_HAVE_INT128

using Uint128 = unsigned __int128;

// high·2^64 + low.
constexpr Uint128 fromWords(std::uint64_t high, std::uint64_t low) { return (Uint128(high) << 64) | low; }

#else

class Uint128 {
public:
    // Implicit, as the built-in type converts from any unsigned word.
    constexpr Uint128(std::uint64_t value = 0) : hi_(0), lo_(value) {}

    // The low bits as an integer type, or the value as a floating type.
    template <class T>
        requires std::is_arithmetic_v<T>
    constexpr explicit operator T() const {
        if constexpr (std::is_floating_point_v<T>)
            return static_cast<T>(hi_) * static_cast<T>(18446744073709551616.0L) + static_cast<T>(lo_);
        else
            return static_cast<T>(lo_);
    }

    friend constexpr Uint128 operator+(Uint128 a, Uint128 b) {
        const std::uint64_t lo = a.lo_ + b.lo_;
        return Uint128(a.hi_ + b.hi_ + (lo < a.lo_ ? 1 : 0), lo);
    }
    friend constexpr Uint128 operator-(Uint128 a, Uint128 b) {
        return Uint128(a.hi_ - b.hi_ - (a.lo_ < b.lo_ ? 1 : 0), a.lo_ - b.lo_);
    }
    friend constexpr Uint128 operator*(Uint128 a, Uint128 b) {
        Uint128 low = product(a.lo_, b.lo_);
        low.hi_ += a.hi_ * b.lo_ + a.lo_ * b.hi_;
        return low;
    }
    constexpr Uint128& operator+=(Uint128 b) { return *this = *this + b; }
    friend constexpr Uint128 operator>>(Uint128 a, int shift) {
        if (shift == 0) return a;
        if (shift >= 64) return Uint128(0, a.hi_ >> (shift - 64));
        return Uint128(a.hi_ >> shift, (a.lo_ >> shift) | (a.hi_ << (64 - shift)));
    }
    friend constexpr Uint128 fromWords(std::uint64_t high, std::uint64_t low);
    // High word first, so the member order gives the numeric order.
    friend constexpr bool operator==(const Uint128&, const Uint128&) = default;
    friend constexpr auto operator<=>(const Uint128&, const Uint128&) = default;

private:
    constexpr Uint128(std::uint64_t hi, std::uint64_t lo) : hi_(hi), lo_(lo) {}

    // The full product of two words, from four products of half words.
    static constexpr Uint128 product(std::uint64_t a, std::uint64_t b) {
        constexpr std::uint64_t kHalf = 0xFFFF'FFFFu;
        const std::uint64_t a0 = a & kHalf, a1 = a >> 32, b0 = b & kHalf, b1 = b >> 32;
        const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
        const std::uint64_t middle = (p00 >> 32) + (p01 & kHalf) + (p10 & kHalf);
        return Uint128(p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & kHalf));
    }

    std::uint64_t hi_;
    std::uint64_t lo_;
};

// high·2^64 + low.
constexpr Uint128 fromWords(std::uint64_t high, std::uint64_t low) { return Uint128(high, low); }

#endif

// `word` as loaded from memory, turned so that the byte at the lowest address
// is the most significant; applied twice it gives `word` back. The shifts
// compile to one byte-swap instruction with g++ and clang.
constexpr std::uint64_t bigEndianWord(std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::big) {
        return word;
    } else {
        word = ((word & 0x00FF00FF00FF00FFull) << 8) | ((word >> 8) & 0x00FF00FF00FF00FFull);
        word = ((word & 0x0000FFFF0000FFFFull) << 16) | ((word >> 16) & 0x0000FFFF0000FFFFull);
        return (word << 32) | (word >> 32);
    }
}

}  // namespace calcora
