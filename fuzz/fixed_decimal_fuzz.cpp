// toFixedDecimal and the arithmetic on two values it read, under hostile
// input. A text reads exactly when it is a number by the number-text rules
// (else NotANumber): to the nearest fixed decimal (oracle: fixedVerdict), or
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
#include "fuzz/fixed_oracle.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/oracle.h"

namespace {

using namespace fuzz;
using calcora::FixedDecimal;

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
    const Outcome<std::string> text = attempt([&] { return calcora::numberToText(d); });
    require(text.value == expected, [&] { return "numberToText of " + describe(d) + " from " + origin + " gave " + shown(text) + ", expected " + shown(expected); });
    const Outcome<std::string> trimmed = attempt([&] { return calcora::trimmedText(d); });
    require(trimmed.value == expected.substr(expected.front() == ' ' ? 1 : 0),
            [&] { return "trimmedText of " + describe(d) + " from " + origin + " gave " + shown(trimmed); });
    const Outcome<std::string> group = attempt([&] { return calcora::groupedText(d); });
    require(group.value == grouped(x), [&] { return "groupedText of " + describe(d) + " from " + origin + " gave " + shown(group) + ", expected " + shown(grouped(x)); });
    for (const std::string& written : {expected, grouped(x)}) {
        const Outcome<FixedDecimal> back = attempt([&] { return calcora::toFixedDecimal(written); });
        require(back.ok() && *back.value == d, [&] { return shown(written) + " from " + origin + " does not read back as " + describe(d); });
    }
}

std::optional<FixedDecimal> checkReading(const std::string& text) {
    const Outcome<FixedDecimal> got = attempt([&] { return calcora::toFixedDecimal(text); });
    const std::optional<Exact> v = readNumberText(text);
    const auto context = [&] { return "toFixedDecimal(" + shown(text) + ") gave " + (got.ok() ? describe(*got.value) : shown(got)); };
    if (!v) {
        require(got.failure == Kind::NotANumber, [&] { return "expected NotANumber: " + context(); });
        return std::nullopt;
    }
    const std::string verdict = fixedVerdict(magnitude(*v), fromInteger(1), v->negative, got);
    require(verdict.empty(), [&] { return verdict + ": " + context(); });
    if (got.ok()) checkWriting(*got.value, "reading " + shown(text));
    return got.value;
}

void checkOperation(char op, const FixedDecimal& a, const FixedDecimal& b) {
    const Outcome<FixedDecimal> got = attempt([&] {
        switch (op) {
            case '+': return a + b;
            case '-': return a - b;
            case '*': return a * b;
            default: return a / b;
        }
    });
    const std::string call = describe(a) + " " + op + " " + describe(b);
    const Exact x = exactOf(a);
    const Exact y = exactOf(b);
    std::string verdict;
    if (op == '/') {
        if (y.isZero()) {
            require(got.failure == Kind::DivisionByZero, [&] { return call + " gave " + shown(got) + ", expected DivisionByZero"; });
            return;
        }
        verdict = fixedVerdict(magnitude(x), magnitude(y), !x.isZero() && x.negative != y.negative, got);
    } else {
        const Exact exact = op == '+' ? add(x, y) : op == '-' ? subtract(x, y) : multiply(x, y);
        verdict = fixedVerdict(magnitude(exact), fromInteger(1), exact.negative, got);
    }
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
    const Outcome<double> p = attempt([&] { return calcora::power(*a, *b); });
    require(!p.ok() || std::isfinite(*p.value), [&] { return "power(" + describe(*a) + ", " + describe(*b) + ") is not finite"; });
    return 0;
}
