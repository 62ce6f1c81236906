// SPDX-License-Identifier: MIT
// The text readings isNumeric, textToDouble, leadingNumber and toFixedDecimal
// under hostile input, each against the rules written out in tests/support/number_text.h:
// isNumeric says exactly whether the text is a number; textToDouble gives
// the nearest double of a number (ArithmeticOverflow past the double range),
// NotANumber for any other text; leadingNumber never fails and gives the
// nearest double of the longest leading number; toFixedDecimal reads a text
// exactly when isNumeric says so, or fails with ArithmeticOverflow.
// The engine's reading of typed numbers (plainNumber, isNumberText,
// decimalExponent) is the same rules once blanks at either end and every
// "," and " " are gone: plainNumber writes the value out as a number string
// (ArithmeticOverflow only for one of more than 32,767 characters).
//
// Input: one text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "engine/engine.h"
#include "fixeddec/fixeddec.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace {

using namespace fuzz;
using namespace calcora::testing_support;

constexpr std::int64_t kMaxLength = 32767;

std::string number(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 1);
    const std::string& text = in.operand(0);
    const std::optional<Exact> value = readNumberText(text);

    const Outcome<bool> numeric = capture([&] { return calcora::isNumeric(text); });
    require(numeric.value == value.has_value(), [&] { return "isNumeric(" + shown(text) + ") gave " + describe(numeric); });

    const Outcome<double> d = capture([&] { return calcora::textToDouble(text); });
    const auto dContext = [&] {
        return "textToDouble(" + shown(text) + ") gave " + (d.ok() ? number(*d.value) : describe(d));
    };
    if (!value) {
        require(d.kind == Kind::NotANumber, [&] { return "expected NotANumber: " + dContext(); });
    } else {
        const double expected = nearestDouble(*value);
        if (std::isinf(expected)) {
            require(d.kind == Kind::Overflow, [&] { return "expected ArithmeticOverflow: " + dContext(); });
        } else {
            require(d.ok() && *d.value == expected, [&] { return "expected " + number(expected) + ": " + dContext(); });
        }
    }

    const Outcome<double> lead = capture([&] { return calcora::leadingNumber(text); });
    const double leadExpected = nearestDouble(readLeadingNumber(text));
    require(lead.ok() && *lead.value == leadExpected, [&] {
        return "leadingNumber(" + shown(text) + ") gave " + (lead.ok() ? number(*lead.value) : describe(lead)) +
               ", expected " + number(leadExpected);
    });

    const Outcome<calcora::FixedDecimal> fixed = capture([&] { return calcora::toFixedDecimal(text); });
    require(value ? (fixed.ok() || fixed.kind == Kind::Overflow) : fixed.kind == Kind::NotANumber,
            [&] { return "toFixedDecimal(" + shown(text) + ") disagrees with isNumeric: " + describe(numeric) + " / " + kindName(fixed.kind); });

    const std::string typed = typedForm(text);
    const std::optional<Exact> typedValue = readTypedNumber(text);
    const Outcome<std::string> plain = capture([&] { return calcora::plainNumber(text); });
    const auto plainContext = [&] { return "plainNumber(" + shown(text) + ") gave " + describe(plain); };
    require(calcora::isNumberText(text) == typedValue.has_value(),
            [&] { return "isNumberText disagrees: " + plainContext(); });
    if (typed.empty()) {
        require(plain.value == std::string(), [&] { return "expected the empty text: " + plainContext(); });
    } else if (!typedValue) {
        require(plain.kind == Kind::NotANumber, [&] { return "expected NotANumber: " + plainContext(); });
    } else if (plain.kind == Kind::Overflow) {
        // Only a number string of more than 32,767 characters is refused: a
        // text without exponent keeps its characters (less a "+"), exponent
        // form is written out without leading or trailing zeros.
        const bool exponentForm = typed.find_first_of("Ee") != std::string::npos;
        const std::int64_t written =
            !exponentForm ? static_cast<std::int64_t>(typed.size()) - (typed.front() == '+' ? 1 : 0)
            : typedValue->isZero()
                ? 1
                : std::max(typedValue->top(), std::int64_t{0}) + std::max(-typedValue->exponent, std::int64_t{0}) + 2;
        require(written > kMaxLength, [&] { return "a short number refused: " + plainContext(); });
    } else {
        const std::optional<Exact> got = plain.ok() ? parseNumberString(*plain.value) : std::nullopt;
        require(got && *got == *typedValue && plain.value->size() <= static_cast<std::size_t>(kMaxLength),
                [&] { return "not the number " + describe(*typedValue) + ": " + plainContext(); });
    }
    if (typedValue && typedValue->isZero()) {
        require(calcora::decimalExponent(text) == "0", [&] { return "zero's exponent: " + plainContext(); });
    } else if (typedValue && std::abs(typedValue->exponent) < kExponentClamp / 2) {
        require(calcora::decimalExponent(text) == std::to_string(typedValue->top()),
                [&] { return "decimalExponent gave " + calcora::decimalExponent(text) + ": " + plainContext(); });
    }
    return 0;
}
