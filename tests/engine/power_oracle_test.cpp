// SPDX-License-Identifier: MIT
// The powers shown in 15 figures against MPFR: random bases to exponents
// near whole numbers, near 0, 0.5, −1 and 120, far out, and at the ends of
// the double's range and beyond.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

#include "engine/engine.h"
#include "tests/support/outcome.h"
#include "tests/support/power_oracle.h"

namespace calcora {
namespace {

using namespace testing_support;

// Random decimal texts: up to `digits` significant digits, a point anywhere.
class Texts {
public:
    explicit Texts(std::uint32_t seed) : rng_(seed) {}

    std::string number(int maxDigits, bool allowNegative) {
        const int count = pick(1, maxDigits);
        std::string digits;
        for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + pick(i == 0 ? 1 : 0, 9));
        const int point = pick(0, count);
        digits.insert(static_cast<std::size_t>(point), ".");
        return (allowNegative && pick(0, 3) == 0 ? "-" : "") + digits;
    }
    // n ± a small fraction: "119.9999999999999999", "2.00000000000000001".
    std::string nearWhole(int n) {
        const int zeros = pick(1, 25);
        if (pick(0, 1) == 0) return std::to_string(n) + "." + std::string(static_cast<std::size_t>(zeros), '0') + "1";
        return std::to_string(n - 1) + "." + std::string(static_cast<std::size_t>(zeros), '9');
    }
    // Zeros, then a few digits: exponents near 0 (after "0.") or near 0.5.
    std::string tail() {
        std::string digits(static_cast<std::size_t>(pick(0, 20)), '0');
        for (int i = pick(1, 5); i > 0; --i) digits += static_cast<char>('0' + pick(1, 9));
        return digits;
    }
    // A decimal exponent at an end of what can be shown, or just past it.
    double endOfRange() {
        static constexpr double kEnds[] = {308.2, 308.3, 307.9, -307.6, -323.4, -330.5, -32767.5, -32768.5, 309.1};
        return kEnds[pick(0, 8)];
    }
    // The exponent that brings |base| to about 10^target, to 17 figures.
    std::string towards(const std::string& base, double target) {
        const double log10Base = std::log10(std::fabs(std::stod(base)));
        if (std::fabs(log10Base) < 0.01) return "2.5";
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", target / log10Base);
        return buffer;
    }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

private:
    std::mt19937 rng_;
};

TEST(PowerOracle, FifteenFiguresAgreeWithMpfr) {
    constexpr std::uint32_t kSeed = 20261209;
    Texts texts(kSeed);
    int compared = 0;
    int overflowTexts = 0;     // above the double or below 1E-32768
    int beyondTheDouble = 0;   // tiny values a double could not hold
    for (int sample = 0; sample < 4000; ++sample) {
        std::string base = texts.number(30, true);
        std::string exponent;
        switch (sample % 8) {
            case 0: exponent = texts.nearWhole(texts.pick(1, 121)); break;
            case 1: exponent = texts.nearWhole(120); break;
            case 2: exponent = "0.5" + texts.tail(); break;
            case 3: exponent = "-" + texts.nearWhole(1); break;
            case 4: exponent = "0.0" + texts.tail(); break;
            case 5: exponent = texts.number(6, true) + "3"; break;
            case 6: exponent = texts.towards(base, texts.endOfRange()); break;
            default: exponent = std::to_string(texts.pick(121, 2000)) + (texts.pick(0, 1) ? "" : ".5"); break;
        }
        if (base.find_first_of("123456789") == std::string::npos) continue;
        std::int16_t sf = 500;
        const Outcome<> got = capture([&] { return RTPower(sf, base, exponent, "500"); });
        // No value (above the double, below 1E-32768): RTPower fails.
        const std::optional<std::string> want = powerToFifteenFigures(base, exponent);
        ASSERT_EQ(got.ok(), want.has_value()) << "seed " << kSeed << ": \"" << base << "\" ^ \"" << exponent << "\"";
        if (want) {
            ASSERT_EQ(got, text(*want)) << "seed " << kSeed << ": \"" << base << "\" ^ \"" << exponent << "\"";
        }
        ++compared;
        overflowTexts += !want;
        beyondTheDouble += want && want->find("E-") != std::string::npos &&
                           std::stol(want->substr(want->find("E-") + 2)) > 308;
    }
    EXPECT_GT(compared, 3500);
    EXPECT_GT(overflowTexts, 100);
    EXPECT_GT(beyondTheDouble, 50);
}

// Powers past even MPFR's exponent range, far below 1E-32768 or far above
// the double: no value for the oracle, a failure for RTPower, never "0".
TEST(PowerOracle, PowersBeyondMpfrsRangeAgree) {
    const std::string base = "888922377410374194";
    for (const std::string exponent : {"-35042132508804975113", "35042132508804975113"}) {
        std::int16_t sf = 500;
        EXPECT_FALSE(powerToFifteenFigures(base, exponent).has_value()) << exponent;
        EXPECT_EQ(capture([&] { return RTPower(sf, base, exponent, "500"); }), kOverflow) << exponent;
    }
}

}  // namespace
}  // namespace calcora
