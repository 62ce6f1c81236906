// SPDX-License-Identifier: MIT
// The digit helpers: edge cases as tables, ShiftDecPoint's examples and a
// value property on random magnitudes, and the 16-bit limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace calcora {
namespace {

constexpr int kMaxLen = 32767;

struct TextRow {
    const char* name;
    std::string in;
    std::string want;
};

template <class Fn>
void runTextTable(Fn fn, const std::vector<TextRow>& rows) {
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fn(row.in), row.want) << "input \"" << row.in << "\"";
    }
}

TEST(DigitHelpersTest, RemoveCommasAndSpaces) {
    runTextTable(RemoveCommasAndSpaces, {
        {"commas and spaces between groups", "1,234 567.8", "1234567.8"},
        {"only separators", ", ,", ""},
        {"empty text", "", ""},
        {"tab and other blanks are kept", "1\t2\n3", "1\t2\n3"},
        {"separators at both ends and around a sign", " ,-1, ", "-1"},
        {"bytes that are not ASCII are copied", "1,\xC3\xA9", "1\xC3\xA9"},
    });
}

TEST(DigitHelpersTest, RemoveCommasAndSpacesHasNoLengthLimit) {
    std::string grouped;
    for (int i = 0; i < 100000; ++i) grouped += (i % 4 == 3) ? ',' : '7';
    EXPECT_EQ(RemoveCommasAndSpaces(grouped), std::string(75000, '7'));
}

TEST(DigitHelpersTest, NZeros) {
    EXPECT_EQ(NZeros(-3), "");
    EXPECT_EQ(NZeros(0), "");
    EXPECT_EQ(NZeros(4), "0000");
    EXPECT_EQ(NZeros(INT16_MIN), "");
    EXPECT_EQ(NZeros(INT16_MAX), std::string(kMaxLen, '0'));
}

TEST(DigitHelpersTest, StripFrontZeros) {
    runTextTable(StripFrontZeros, {
        {"leading zeros of a whole number", "000123", "123"},
        {"the zero before the point goes too", "0.50", ".50"},
        {"all zeros", "000", ""},
        {"one zero", "0", ""},
        {"zero point zero (the zero-difference chain)", "0.0", ".0"},
        {"a sign stops it", "-05", "-05"},
        {"a point stops it", ".05", ".05"},
        {"empty text", "", ""},
    });
}

TEST(DigitHelpersTest, StripEndZeros) {
    runTextTable(StripEndZeros, {
        {"fraction zeros", "10.500", "10.5"},
        {"the point is left behind", "1.0", "1."},
        {"whole-number zeros go too", "100", "1"},
        {"one zero", "0", ""},
        {"point zero (the zero-difference chain)", ".0", "."},
        {"it knows nothing of signs", "-10", "-1"},
        {"empty text", "", ""},
    });
}

TEST(DigitHelpersTest, StripPointOffRight) {
    runTextTable(StripPointOffRight, {
        {"trailing point", "5.", "5"},
        {"lone point (end of the zero-difference chain)", ".", ""},
        {"only one point goes", "5..", "5."},
        {"empty text", "", ""},
        {"no trailing point", "5.5", "5.5"},
    });
}

struct RemoveDPRow {
    const char* name;
    std::string in;
    std::int16_t pp, l;
    std::string want;
};

TEST(DigitHelpersTest, RemoveDP) {
    const std::vector<RemoveDPRow> rows = {
        {"point in the middle", "12.34", 3, 5, "1234"},
        {"first character", ".25", 1, 3, "25"},
        {"last character", "25.", 3, 3, "25"},
        {"one-character text", ".", 1, 1, ""},
        {"any character, not only a point", "12345", 2, 5, "1345"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(RemoveDP(row.in, row.pp, row.l), row.want);
    }
}

TEST(DigitHelpersTest, RemoveDPOutsideTheTextIsAnInvalidArgument) {
    EXPECT_THROW(RemoveDP("12.34", 0, 5), InvalidArgument);
    EXPECT_THROW(RemoveDP("12.34", 6, 5), InvalidArgument);
    EXPECT_THROW(RemoveDP("12.34", -1, 5), InvalidArgument);
    EXPECT_THROW(RemoveDP("", 1, 0), InvalidArgument);
    EXPECT_THROW(RemoveDP("abc", 1, -3), InvalidArgument);
}

TEST(DigitHelpersTest, RemoveDPAtTheLongestText) {
    const std::string longest = std::string(kMaxLen - 1, '1') + ".";
    EXPECT_EQ(RemoveDP(longest, INT16_MAX, INT16_MAX), std::string(kMaxLen - 1, '1'));
    EXPECT_EQ(RemoveDP("." + std::string(kMaxLen - 1, '2'), 1, INT16_MAX),
              std::string(kMaxLen - 1, '2'));
}

struct ShiftRow {
    const char* name;
    std::string in;
    std::int16_t shift;
    std::string want;
};

TEST(DigitHelpersTest, ShiftDecPoint) {
    const std::vector<ShiftRow> rows = {
        {"right, fraction longer than the shift", "1.25", 3, "125"},
        {"right, zeros appended", "1.25", 4, "1250"},
        {"right, leading zero kept", "0.05", 2, "00.5"},
        {"right, point at the front", ".5", 2, "5"},
        {"right, trailing point", "12.", 2, "120"},
        {"right by less than the fraction", "1.25", 2, "12.5"},
        {"right, no point", "7", 3, "700"},
        {"left inside the integer part", "1234.5", -2, "12.345"},
        {"left, no point, one place", "5", -1, ".5"},
        {"left, zeros in front", "5", -2, ".05"},
        {"left, two-digit integer", "12", -3, ".012"},
        {"left from a leading point", ".5", -1, ".05"},
        {"left to the very front", "12.5", -2, ".125"},
        {"shift one leaves the text unchanged", "00.50", 1, "00.50"},
        {"shift zero leaves the text unchanged", "0.0500", 0, "0.0500"},
        {"empty text moved right", "", 3, "00"},
        {"empty text moved left", "", -2, ".00"},
        {"only the first point moves", "1.2.3", 2, "12..3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ShiftDecPoint(row.in, row.shift), row.want)
            << "\"" << row.in << "\" shifted " << row.shift;
    }
}

// The value a magnitude string denotes, as significant digits and a power of ten.
struct Decimal {
    std::string digits;  // no leading or trailing zeros; empty for zero
    long exponent = 0;   // value = digits × 10^exponent
    bool operator==(const Decimal&) const = default;
};

Decimal valueOf(const std::string& text) {
    Decimal d;
    const std::size_t point = text.find('.');
    std::string all = text;
    long fraction = 0;
    if (point != std::string::npos) {
        all.erase(point, 1);
        fraction = static_cast<long>(text.size() - point - 1);
    }
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos) return d;
    const std::size_t last = all.find_last_not_of('0');
    d.digits = all.substr(first, last - first + 1);
    d.exponent = static_cast<long>(all.size() - 1 - last) - fraction;
    return d;
}

TEST(DigitHelpersTest, ShiftDecPointMovesTheValueByTheEffectiveShift) {
    constexpr std::uint32_t kSeed = 4711;
    std::mt19937 rng(kSeed);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        const int intLen = uniform(0, 8);
        const int fracLen = uniform(0, 8);
        for (int j = 0; j < intLen; ++j) text += static_cast<char>('0' + uniform(0, 9));
        if (uniform(0, 2) > 0) {
            text += '.';
            for (int j = 0; j < fracLen; ++j) text += static_cast<char>('0' + uniform(0, 9));
        }
        const auto shift = static_cast<std::int16_t>(uniform(-20, 20));
        const std::string got = ShiftDecPoint(text, shift);
        const long k = shift > 0 ? shift - 1 : shift;
        Decimal want = valueOf(text);
        if (!want.digits.empty()) want.exponent += k;
        EXPECT_EQ(valueOf(got), want) << "seed " << kSeed << " case " << i << ": \"" << text
                                       << "\" shifted " << shift << " gave \"" << got << "\"";
        EXPECT_LE(std::count(got.begin(), got.end(), '.'), 1) << got;
        if (k < 0) {
            EXPECT_NE(got.find('.'), std::string::npos) << "a left shift always writes a point";
        }
    }
}

TEST(DigitHelpersTest, ShiftDecPointSixteenBitLimits) {
    const std::string longest(kMaxLen, '5');
    EXPECT_EQ(ShiftDecPoint(longest, 1), longest);
    EXPECT_THROW(ShiftDecPoint(longest + "5", 1), ArithmeticOverflow) << "length over the limit";
    EXPECT_THROW(ShiftDecPoint(longest + "5", 0), ArithmeticOverflow);
    // Without a point the implied one would stand at 32,768.
    EXPECT_THROW(ShiftDecPoint(longest, -1), ArithmeticOverflow);
    EXPECT_EQ(ShiftDecPoint(std::string(kMaxLen - 1, '5'), -1),
              std::string(kMaxLen - 2, '5') + ".5");
    EXPECT_THROW(ShiftDecPoint("5", INT16_MIN), ArithmeticOverflow) << "its negation does not fit";
    EXPECT_EQ(ShiftDecPoint("5", -INT16_MAX), "." + std::string(kMaxLen - 1, '0') + "5");
    EXPECT_EQ(ShiftDecPoint("5", INT16_MAX), "5" + std::string(kMaxLen - 1, '0'));
    EXPECT_EQ(ShiftDecPoint("." + std::string(kMaxLen - 2, '1'), INT16_MAX),
              std::string(kMaxLen - 2, '1') + "0");
}

}  // namespace
}  // namespace calcora
