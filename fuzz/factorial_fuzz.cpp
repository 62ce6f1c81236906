// SPDX-License-Identifier: MIT
// FactorialUP and FactorialHP under hostile input. The count n is the
// whole part, rounded down, of the text read as a typed number (blanks,
// group separators and exponent form as every box is read).
//   FactorialHP never fails: "1" for −32,768 ≤ n ≤ 0, n! to 15 figures for
//   1 ≤ n ≤ 170, the overflow text for every other n and every text that is
//   no number.
//   FactorialUP: "1" for n ≤ 0 however far below; n! exactly (checked up to
//   n = 400; no failure up to 3,000); ArithmeticOverflow above 32,767;
//   NotANumber for a text that is no number.
// A number typed in more than 32,767 characters may fail as too long.
//
// Input: one text; flags bit 0 replaces it by bytes 1–2 as a number written out.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/engine.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace {

using namespace fuzz;
using namespace calcora::testing_support;

constexpr double kLargestDoubleFactorial = 170;
constexpr double kExactChecked = 400;
constexpr double kNeverTooLong = 3000;
constexpr std::size_t kLongestText = 32767;

Exact factorial(int n) {
    Exact f = fromInteger(1);
    for (int i = 2; i <= n; ++i) f = multiplySmall(f, static_cast<std::uint32_t>(i));
    return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 1);
    const std::string text = in.flag(0) ? std::to_string(in.rawCount()) : in.operand(0);

    const Outcome<std::string> up = capture([&] { return calcora::FactorialUP(text); });
    const Outcome<std::string> hp = capture([&] { return calcora::FactorialHP(text); });
    const auto context = [&] { return "FactorialUP/HP(" + shown(text) + ") gave " + describe(up) + " / " + describe(hp); };
    const std::optional<Exact> number = readTypedNumber(text);
    if (!number) {
        require(up.kind == Kind::NotANumber && hp.kind == Kind::NotANumber,
                [&] { return "a text that is no number: " + context(); });
        return 0;
    }
    // A number typed longer than the 16-bit length is too long to read,
    // whatever its value ("000…0003"): both give its value or that failure.
    if (withoutSeparators(text).size() > kLongestText) {
        require((up.ok() || up.kind == Kind::Overflow) && (hp.ok() || hp.kind == Kind::Overflow),
                [&] { return "a text past 32,767 characters: " + context(); });
        return 0;
    }
    const double value = nearestDouble(*number);
    const double n = std::floor(value);
    if (n <= 0) {
        require(up.value == std::string("1"), [&] { return "FactorialUP, expected \"1\": " + context(); });
        const bool inRange = !std::isinf(n) && n >= -32768;
        require(inRange ? hp.value == std::string("1") : hp.kind == Kind::Overflow,
                [&] { return "FactorialHP: " + context(); });
        return 0;
    }
    if (n > 32767) {
        require(up.kind == Kind::Overflow && hp.kind == Kind::Overflow, [&] { return "a count past 32,767: " + context(); });
        return 0;
    }

    if (n <= kLargestDoubleFactorial) {
        const double expected = nearestDouble(factorial(static_cast<int>(n)));
        require(hp.ok(), [&] { return "FactorialHP failed: " + context(); });
        const std::optional<Exact> got = readNumberText(*hp.value);
        require(got && std::abs(nearestDouble(*got) / expected - 1) < 1e-14,
                [&] { return "FactorialHP is not n! to 15 figures: " + context(); });
    } else {
        require(hp.kind == Kind::Overflow, [&] { return "FactorialHP past 170!: " + context(); });
    }

    if (n <= kExactChecked) {
        const std::string expected = plainText(factorial(static_cast<int>(n)));
        require(up.value == expected, [&] { return "FactorialUP is not n!: " + context(); });
    } else if (n <= kNeverTooLong) {
        require(up.ok(), [&] { return "FactorialUP failed: " + context(); });
    } else {
        require(up.ok() || up.kind == Kind::Overflow, [&] { return "FactorialUP: " + context(); });
    }
    if (up.ok()) {
        const std::string& digits = *up.value;
        require(!digits.empty() && digits.front() != '0' && digits.find_first_not_of("0123456789") == std::string::npos,
                [&] { return "FactorialUP gave no whole number: " + context(); });
    }
    return 0;
}
