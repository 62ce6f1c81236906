// SPDX-License-Identifier: MIT
#pragma once
// How a fuzz target reads its input and reports a finding. The call's
// outcome and the oracles it is checked against are the tests' own
// (tests/support).
//
// Input layout: byte 0 holds flags for the target, bytes 1–2 a figure count,
// the rest the operands, split at "|" (the last operand takes the rest, "|"
// included). Flag 0x80 inflates the operands: a "*" repeats the character
// after it kInflation[(flags >> 4) & 7] times, so that a short input reaches
// the engine's 32,767-character limit; an operand stops growing at
// kMaxInflatedLength. Bits 0–3 are the target's own.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline constexpr char kSeparator = '|';
inline constexpr std::uint8_t kInflateFlag = 0x80;
// Counts around the 16-bit limit, and a few ordinary ones.
inline constexpr std::array<std::size_t, 8> kInflation = {9, 99, 999, 4096, 16383, 32766, 32767, 32768};
// Two texts of this length still fit a fuzz iteration; the limit is 32,767.
inline constexpr std::size_t kMaxInflatedLength = 70000;

// Figure counts worth trying beside the ordinary 1..500.
inline constexpr std::array<std::int16_t, 16> kEdgeCounts = {
    0, -1, -2, 1, 2, 29, 30, 100, 101, 500, 501, 16383, 32766, 32767, -32768, -32767};

struct Input {
    std::uint8_t flags = 0;
    std::uint16_t countBits = 0;  // bytes 1–2, little-endian
    std::vector<std::string> operands;

    bool flag(int bit) const { return (flags >> bit) & 1; }

    // The figure count: 1..500 for three inputs in four, otherwise an edge
    // count or any 16-bit value.
    std::int16_t figureCount() const {
        const unsigned top = countBits >> 14;
        const unsigned low = countBits & 0x3FFF;
        if (top != 3) return static_cast<std::int16_t>(1 + low % 500);
        if (low < 2 * kEdgeCounts.size()) return kEdgeCounts[low % kEdgeCounts.size()];
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(low * 40503u));
    }
    // Bytes 1–2 as a plain signed 16-bit value.
    std::int16_t rawCount() const { return static_cast<std::int16_t>(countBits); }

    const std::string& operand(std::size_t i) const { return operands[i]; }
};

inline std::string inflate(std::string_view text, std::size_t count) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '*' && i + 1 < text.size() && out.size() + count <= kMaxInflatedLength) {
            out.append(count, text[++i]);
        } else {
            out += text[i];
        }
    }
    return out;
}

// Splits the input into `count` operands (missing ones are empty).
inline Input readInput(const std::uint8_t* data, std::size_t size, std::size_t count) {
    Input in;
    if (size > 0) in.flags = data[0];
    if (size > 1) in.countBits = data[1];
    if (size > 2) in.countBits = static_cast<std::uint16_t>(in.countBits | (data[2] << 8));
    std::string_view rest;
    if (size > 3) rest = std::string_view(reinterpret_cast<const char*>(data + 3), size - 3);
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view part = rest;
        if (i + 1 < count) {
            const std::size_t cut = rest.find(kSeparator);
            part = rest.substr(0, cut);
            rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
        }
        in.operands.emplace_back(part);
    }
    if (in.flags & kInflateFlag) {
        const std::size_t n = kInflation[(in.flags >> 4) & 7];
        for (auto& op : in.operands) op = inflate(op, n);
    }
    return in;
}

// ---- Findings ----------------------------------------------------------------

// Prints the finding and aborts, which libFuzzer records as a crash with the input.
[[noreturn]] inline void finding(const std::string& what) {
    std::fprintf(stderr, "\n==== FINDING: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// Checks an invariant; `describe` builds the report only when it fails.
template <class Describe>
void require(bool condition, Describe&& describe) {
    if (!condition) finding(describe());
}

}  // namespace fuzz
