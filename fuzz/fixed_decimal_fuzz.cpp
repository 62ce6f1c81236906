// SPDX-License-Identifier: MIT
// toFixedDecimal and the arithmetic on two values it read, under hostile
// input. A text reads exactly when it is a number by the number-text rules
// (else NotANumber): to the nearest fixed decimal (oracle: nearestFixed), or
// ArithmeticOverflow when its integer part is past 2^96 − 1. Sum,
// difference, product and quotient of two read values follow the same
// rounding rule; a zero divisor fails with DivisionByZero. Every value read
// or computed is written back by numberToText and groupedText in their
// exact forms, and reads back as itself.
//
// Input: two texts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fixeddec/fixeddec.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/exact.h"
#include "tests/support/fixed_rounding.h"
#include "tests/support/fixed_value.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace {

using namespace fuzz;
using namespace calcora::testing_support;
using calcora::FixedDecimal;

// The empty text when `got` is what the fixed decimal must give for the
// exact value ±X/Y (X ≥ 0, Y > 0) by nearestFixed, else what is wrong.
std::string fixedVerdict(const Exact& X, const Exact& Y, bool negative, const Outcome<FixedDecimal>& got) {
    const std::optional<FixedValue> expected = nearestFixed(X, Y, negative);
    const std::string value = std::string(negative ? "-" : "") + describe(X) + " / " + describe(Y);
    if (!expected) {
        if (got.kind == Kind::Overflow) return {};
        return "expected ArithmeticOverflow for " + value + ", got " + (got.ok() ? describe(*got.value) : describe(got));
    }
    if (!got.ok()) return "expected a value for " + value + ", got " + describe(got);
    const FixedDecimal& d = *got.value;
    if (d.isZero() && d.negative()) return "a negative zero";
    if (exactOf(d) == expected->value) return {};
    return "not the nearest value " + describe(expected->value) + " at scale " + std::to_string(expected->scale) +
           ": value " + value + ", got " + describe(d);
}

// "1,234.5", "0.25", "1,234.", "0." and "-1,234.5".
std::string grouped(const Exact& x) {
    const std::string plain = plainText(magnitude(x));
    std::string integer = plain.substr(0, std::min(plain.find('.'), plain.size()));
    const std::string fraction = plain.size() > integer.size() ? plain.substr(integer.size() + 1) : "";
    if (integer.empty() || x.isZero()) integer = "0";
    std::string groupedInteger;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) groupedInteger += ',';
        groupedInteger += integer[i];
    }
    return (x.negative ? "-" : "") + groupedInteger + "." + (x.isZero() ? "" : fraction);
}

// The written forms of a value, and that each reads back as the value.
void checkWriting(const FixedDecimal& d, const std::string& origin) {
    const Exact x = exactOf(d);
    const std::string expected = (x.negative ? "-" : " ") + plainText(magnitude(x));
    const Outcome<std::string> text = capture([&] { return calcora::numberToText(d); });
    require(text.value == expected, [&] { return "numberToText of " + describe(d) + " from " + origin + " gave " + describe(text) + ", expected " + shown(expected); });
    const Outcome<std::string> trimmed = capture([&] { return calcora::trimmedText(d); });
    require(trimmed.value == expected.substr(expected.front() == ' ' ? 1 : 0),
            [&] { return "trimmedText of " + describe(d) + " from " + origin + " gave " + describe(trimmed); });
    const Outcome<std::string> group = capture([&] { return calcora::groupedText(d); });
    require(group.value == grouped(x), [&] { return "groupedText of " + describe(d) + " from " + origin + " gave " + describe(group) + ", expected " + shown(grouped(x)); });
    for (const std::string& written : {expected, grouped(x)}) {
        const Outcome<FixedDecimal> back = capture([&] { return calcora::toFixedDecimal(written); });
        require(back.ok() && *back.value == d, [&] { return shown(written) + " from " + origin + " does not read back as " + describe(d); });
    }
}

std::optional<FixedDecimal> checkReading(const std::string& text) {
    const Outcome<FixedDecimal> got = capture([&] { return calcora::toFixedDecimal(text); });
    const std::optional<Exact> v = readNumberText(text);
    const auto context = [&] { return "toFixedDecimal(" + shown(text) + ") gave " + (got.ok() ? describe(*got.value) : describe(got)); };
    if (!v) {
        require(got.kind == Kind::NotANumber, [&] { return "expected NotANumber: " + context(); });
        return std::nullopt;
    }
    const std::string verdict = fixedVerdict(magnitude(*v), fromInteger(1), v->negative, got);
    require(verdict.empty(), [&] { return verdict + ": " + context(); });
    if (got.ok()) checkWriting(*got.value, "reading " + shown(text));
    return got.value;
}

void checkOperation(char op, const FixedDecimal& a, const FixedDecimal& b) {
    const Outcome<FixedDecimal> got = capture([&] {
        switch (op) {
            case '+': return a + b;
            case '-': return a - b;
            case '*': return a * b;
            default: return a / b;
        }
    });
    const std::string call = describe(a) + " " + op + " " + describe(b);
    if (op == '/' && b.isZero()) {
        require(got.kind == Kind::DivisionByZero, [&] { return call + " gave " + describe(got) + ", expected DivisionByZero"; });
        return;
    }
    const ExactRatio exact = exactOperation(op, a, b);
    const std::string verdict = fixedVerdict(exact.numerator, exact.denominator, exact.negative, got);
    require(verdict.empty(), [&] { return verdict + ": " + call; });
    if (got.ok()) checkWriting(*got.value, call);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 2);
    const std::optional<FixedDecimal> a = checkReading(in.operand(0));
    const std::optional<FixedDecimal> b = checkReading(in.operand(1));
    if (!a || !b) return 0;
    for (const char op : {'+', '-', '*', '/'}) checkOperation(op, *a, *b);

    // The double power: a finite double or a Failure.
    const Outcome<double> p = capture([&] { return calcora::power(*a, *b); });
    require(!p.ok() || std::isfinite(*p.value), [&] { return "power(" + describe(*a) + ", " + describe(*b) + ") is not finite"; });
    return 0;
}
