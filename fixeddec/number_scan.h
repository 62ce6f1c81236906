// SPDX-License-Identifier: MIT
#pragma once
// Private to fixeddec: reading the digits of a number text in one pass. The
// scanners keep the leading significant digits and where the point stands,
// so every reading is linear in the text's length and bounded in memory.

#include <array>
#include <cstdint>
#include <string_view>

namespace calcora::number_scan {

// value = 0.d1 d2 d3 … × 10^pointPosition, negated when negative; d1 is not
// "0". No digits at all means zero.
struct DecimalDigits {
    // 800 digits decide the rounding of any double (a point halfway between two
    // doubles has at most 767 significant digits); the digits after them only
    // matter as zero or not, which nonzeroBeyond records.
    static constexpr int kKept = 800;

    std::array<char, kKept> digits;  // '0'..'9'; only the first `count` are set
    int count = 0;
    bool nonzeroBeyond = false;
    std::int64_t pointPosition = 0;
    bool negative = false;

    bool isZero() const { return count == 0; }
    // One more digit of the text, before or after its point.
    void addDigit(char c, bool afterPoint);
};

// Reads a text by the number-text rules (see fixeddec.h): false when it is not
// a number. An exponent beyond ±10^17 counts as ±10^17.
bool scanNumberText(std::string_view text, DecimalDigits& out);

// The longest leading number of the text: spaces anywhere skipped, an
// optional sign, digits and one "."; anything else ends it. Never fails.
void scanLeadingNumber(std::string_view text, DecimalDigits& out);

}  // namespace calcora::number_scan
