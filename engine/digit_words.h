// SPDX-License-Identifier: MIT
#pragma once
// Eight digit characters at a time: reading and testing a machine word of
// text, for the loops that run over long digit strings.

#include <cstdint>
#include <cstring>

namespace calcora::digit_words {

inline constexpr std::uint64_t kEachByte = 0x0101010101010101ULL;  // one in every byte

// The eight bytes at `p` as a word, in memory order.
[[nodiscard]] inline std::uint64_t load(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Whether all eight bytes of `word` lie in "0".."9": their high nibble is 3,
// and adding 6 leaves it 3 (which a byte from ":" to "?" fails).
[[nodiscard]] inline bool allDigits(std::uint64_t word) {
    const std::uint64_t high = word & (0xF0 * kEachByte);
    const std::uint64_t highAfterSix = (word + 0x06 * kEachByte) & (0xF0 * kEachByte);
    return high == 0x30 * kEachByte && highAfterSix == 0x30 * kEachByte;
}

}  // namespace calcora::digit_words
