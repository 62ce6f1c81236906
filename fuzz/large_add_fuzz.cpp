// SPDX-License-Identifier: MIT
// LargeAdd under hostile input. Outcomes: a number string or a Failure. Two
// number strings give the exact sum or difference, in the normal form (no
// trailing fraction zero or point; differences without leading zeros; sums
// keep the integer width their operands brought). An operand that, separators
// and one leading "-" aside, is no number string fails with NotANumber; a
// text past 32,767 characters, before or after alignment (measured first),
// and a result that would be longer, with ArithmeticOverflow.
//
// Input: flags bit 0 chooses "-" over "+"; bit 1 takes AddorSub from a third
// operand, written first.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace {

using namespace fuzz;
using namespace calcora::testing_support;

constexpr std::size_t kMaxLength = 32767;

std::string signedText(const Operand& op) { return (op.negative ? "-" : "") + op.magnitude; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool rawOperation = size > 0 && (data[0] & 2);
    const Input in = readInput(data, size, rawOperation ? 3 : 2);
    const std::string addOrSub = rawOperation ? in.operand(0) : (in.flag(0) ? "-" : "+");
    const std::string& text1 = in.operand(rawOperation ? 1 : 0);
    const std::string& text2 = in.operand(rawOperation ? 2 : 1);

    const Outcome<std::string> r = capture([&] { return calcora::LargeAdd(addOrSub, text1, text2); });
    const auto context = [&] {
        return "LargeAdd(" + shown(addOrSub) + ", " + shown(text1) + ", " + shown(text2) + ") gave " + describe(r);
    };

    if (addOrSub != "+" && addOrSub != "-") {
        require(r.kind == Kind::InvalidArgument, [&] { return "expected InvalidArgument: " + context(); });
        return 0;
    }

    const Operand a = split(text1);
    const Operand b = split(text2);
    if (withoutSeparators(text1).size() > kMaxLength || withoutSeparators(text2).size() > kMaxLength) {
        require(r.kind == Kind::Overflow, [&] { return "expected ArithmeticOverflow: " + context(); });
        return 0;
    }
    const bool point = a.magnitude.find('.') != std::string::npos || b.magnitude.find('.') != std::string::npos;
    const std::size_t intWidth = std::max(integerChars(a.magnitude), integerChars(b.magnitude));
    const std::size_t aligned =
        intWidth + std::max(fractionChars(a.magnitude), fractionChars(b.magnitude)) + (point ? 1 : 0);
    if (aligned > kMaxLength) {
        require(r.kind == Kind::Overflow, [&] { return "expected ArithmeticOverflow: " + context(); });
        return 0;
    }
    if (!isMagnitude(a.magnitude) || !isMagnitude(b.magnitude)) {
        require(r.kind == Kind::NotANumber, [&] { return "expected NotANumber: " + context(); });
        return 0;
    }
    // Only a final carry and a sign make a result longer than its aligned operands.
    if (r.kind == Kind::Overflow && aligned + 2 > kMaxLength) return 0;
    require(r.ok(), [&] { return "two number strings within the limit, yet: " + context(); });
    const bool subtractMagnitudes = (addOrSub == "+") == (a.negative != b.negative);

    const std::optional<Exact> x = parseNumberString(signedText(a));
    const std::optional<Exact> y = parseNumberString(signedText(b));
    if (!x || !y) return 0;
    const std::string& text = *r.value;
    const Exact expected = addOrSub == "+" ? add(*x, *y) : subtract(*x, *y);
    const std::optional<Exact> got = parseNumberString(text);
    require(got && *got == expected,
            [&] { return "not the exact result " + describe(expected) + ": " + context(); });

    // The normal form.
    const bool negateSum = !subtractMagnitudes && a.negative;
    const bool minus = !text.empty() && text.front() == '-';
    const std::string_view mag = std::string_view(text).substr(minus ? 1 : 0);
    require(!text.empty(), [&] { return "empty result: " + context(); });
    require(text.size() <= kMaxLength, [&] { return "a result past the limit: " + context(); });
    require(text.back() != '.', [&] { return "a trailing point: " + context(); });
    require(mag.find('.') == std::string_view::npos || text.back() != '0',
            [&] { return "a trailing fraction zero: " + context(); });
    if (expected.isZero()) {
        require(!minus || negateSum, [&] { return "a \"-\" on a zero that is no sum of negatives: " + context(); });
    } else {
        require(minus == expected.negative, [&] { return "the sign is wrong: " + context(); });
    }
    if (subtractMagnitudes) {
        require(text == "0" || (!mag.empty() && mag.front() != '0'),
                [&] { return "a difference with a leading zero: " + context(); });
        require(!expected.isZero() || text == "0", [&] { return "equal operands did not give \"0\": " + context(); });
    } else {
        const std::size_t intChars = integerChars(mag);
        require(intChars == intWidth || intChars == intWidth + 1 || (text == "0" && intWidth == 0),
                [&] { return "a sum lost or gained integer width " + std::to_string(intWidth) + ": " + context(); });
    }
    return 0;
}
