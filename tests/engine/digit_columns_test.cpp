// SPDX-License-Identifier: MIT
// The column loop: the vector loop (where the processor has one) and the
// word loop give the same columns, carry and verdict, and both the sums and
// differences of texts written out aligned digit by digit.
#include "engine/digit_columns.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace calcora::digit_columns {
namespace {

struct Aligned {
    std::string a, b;    // the operands' texts
    std::size_t offsetA = 0, offsetB = 0, width = 0, pointAt = std::string::npos;
};

// Both operands written out in their columns: "0" around them, "." in the point column.
std::string writtenOut(const std::string& text, std::size_t offset, const Aligned& c) {
    std::string out(c.width, '0');
    if (c.pointAt != std::string::npos) out[c.pointAt] = '.';
    out.replace(offset, text.size(), text);
    return out;
}

// The column sum or difference digit by digit, right to left.
std::string reference(const std::string& x, const std::string& y, bool subtract, unsigned& carry) {
    std::string out(x.size(), '0');
    carry = 0;
    for (std::size_t i = x.size(); i-- > 0;) {
        if (x[i] == '.') {
            out[i] = '.';
            continue;
        }
        int s = subtract ? (x[i] - '0') - (y[i] - '0') - int(carry) : (x[i] - '0') + (y[i] - '0') + int(carry);
        carry = subtract ? (s < 0) : (s > 9);
        s += subtract ? 10 * int(carry) : -10 * int(carry);
        out[i] = char('0' + s);
    }
    return out;
}

// Random shapes: texts of 0 to 300 characters (a few of thousands) at any
// offset, with or without the point, runs of nines and zeros for long carries,
// now and then a character that is no digit.
Aligned randomCase(std::mt19937& rng) {
    const auto below = [&rng](std::size_t n) { return n == 0 ? 0 : std::size_t(rng() % n); };
    Aligned c;
    const std::size_t intWidth = below(rng() % 8 == 0 ? 3000 : 200);
    const std::size_t fracWidth = below(rng() % 8 == 0 ? 3000 : 200);
    const bool point = rng() % 2 != 0;
    c.width = intWidth + fracWidth + (point ? 1 : 0);
    if (point) c.pointAt = intWidth;
    const auto text = [&](std::size_t& offset) {
        const std::size_t intChars = below(intWidth + 1);
        const bool hasPoint = point && rng() % 3 != 0;
        const std::size_t fracChars = hasPoint ? below(fracWidth + 1) : 0;
        const char run = "09"[rng() % 2];
        std::string t;
        for (std::size_t i = 0; i < intChars + fracChars; ++i) t += rng() % 3 == 0 ? run : char('0' + rng() % 10);
        if (hasPoint) t.insert(intChars, 1, '.');
        // Anything but the point itself, which a text holds where it covers the point column.
        const std::size_t spoilt = below(t.size());
        if (!t.empty() && rng() % 20 == 0 && !(hasPoint && spoilt == intChars)) t[spoilt] = ",x. "[rng() % 4];
        offset = intWidth - intChars;
        return t;
    };
    c.a = text(c.offsetA);
    c.b = text(c.offsetB);
    return c;
}

TEST(DigitColumns, BothLoopsMatchTheColumnsWrittenOut) {
    constexpr std::uint32_t kSeed = 64064;
    std::mt19937 rng(kSeed);
    for (int i = 0; i < 3000; ++i) {
        Aligned c = randomCase(rng);
        Operand x{c.a, c.offsetA}, y{c.b, c.offsetB};
        std::string wx = writtenOut(c.a, c.offsetA, c), wy = writtenOut(c.b, c.offsetB, c);
        const int order = compare(x, y, c.width, c.pointAt);
        const int memOrder = std::memcmp(wx.data(), wy.data(), c.width);
        ASSERT_EQ(order, memOrder < 0 ? -1 : (memOrder > 0 ? 1 : 0)) << "seed " << kSeed << " case " << i;
        for (const bool subtract : {false, true}) {
            if (subtract && order < 0) {
                std::swap(x, y);
                std::swap(wx, wy);
            }
            const bool valid = wx.find_first_not_of("0123456789.") == std::string::npos &&
                               wy.find_first_not_of("0123456789.") == std::string::npos &&
                               std::count(wx.begin(), wx.end(), '.') == (c.pointAt != std::string::npos) &&
                               std::count(wy.begin(), wy.end(), '.') == (c.pointAt != std::string::npos);
            for (const Loop loop : {Loop::kFastest, Loop::kWords}) {
                std::string out(c.width, '?');
                bool bad = false;
                const unsigned carry = subtract ? subtractColumns(x, y, c.width, c.pointAt, out.data(), bad, loop)
                                                : addColumns(x, y, c.width, c.pointAt, out.data(), bad, loop);
                ASSERT_EQ(bad, !valid) << "seed " << kSeed << " case " << i << " loop " << int(loop);
                if (!valid) continue;
                unsigned expectedCarry = 0;
                ASSERT_EQ(out, reference(wx, wy, subtract, expectedCarry))
                    << "seed " << kSeed << " case " << i << " loop " << int(loop) << " subtract " << subtract;
                ASSERT_EQ(carry, subtract ? 0u : expectedCarry) << "seed " << kSeed << " case " << i;
                const std::optional<bool> told = sumCarriesOut(x, y, c.width, c.pointAt);
                if (!subtract && told) {
                    ASSERT_EQ(*told, expectedCarry != 0) << "seed " << kSeed << " case " << i;
                }
            }
        }
    }
}

}  // namespace
}  // namespace calcora::digit_columns
