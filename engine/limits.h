// SPDX-License-Identifier: MIT
#pragma once
// The engine's 16-bit limits: lengths, positions, counts and shifts are signed
// 16-bit, so a text longer than 32,767 characters or a count outside
// −32,768..32,767 fails with ArithmeticOverflow before any long work is done.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fixeddec/failure.h"

namespace calcora::limits {

inline constexpr std::int32_t kMaxCount = 32767;
inline constexpr std::int32_t kMinCount = -32768;

// The value as a 16-bit count; ArithmeticOverflow naming `what` when it does not fit.
[[nodiscard]] inline std::int16_t toCount(std::int64_t value, std::string_view what) {
    if (value > kMaxCount || value < kMinCount) {
        throw ArithmeticOverflow(std::string(what) + ": " + std::to_string(value) +
                                 " is outside the 16-bit range");
    }
    return static_cast<std::int16_t>(value);
}

// The length of a text as a 16-bit count.
[[nodiscard]] inline std::int16_t lengthOf(std::string_view text, std::string_view what) {
    return toCount(static_cast<std::int64_t>(text.size()), what);
}

// ArithmeticOverflow: `what` is longer than 32,767 characters.
[[noreturn]] inline void failTooLong(std::string_view what) {
    throw ArithmeticOverflow(std::string(what) + " is longer than " + std::to_string(kMaxCount) + " characters");
}

// ArithmeticOverflow naming `what` unless the value fits a 16-bit count.
inline void requireCount(std::int64_t value, std::string_view what) { static_cast<void>(toCount(value, what)); }

// ArithmeticOverflow naming `what` unless the text is at most 32,767 characters.
inline void requireLength(std::string_view text, std::string_view what) {
    requireCount(static_cast<std::int64_t>(text.size()), what);
}

}  // namespace calcora::limits
