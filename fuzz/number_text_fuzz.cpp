// The text readings isNumeric, textToDouble, leadingNumber and toFixedDecimal
// under hostile input, each against the rules written out in oracle.h:
// isNumeric says exactly whether the text is a number; textToDouble gives
// the nearest double of a number (ArithmeticOverflow past the double range),
// NotANumber for any other text; leadingNumber never fails and gives the
// nearest double of the longest leading number; toFixedDecimal reads a text
// exactly when isNumeric says so, or fails with ArithmeticOverflow.
//
// Input: one text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "fixeddec/fixeddec.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/oracle.h"

namespace {

using namespace fuzz;

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

    const Outcome<bool> numeric = attempt([&] { return calcora::isNumeric(text); });
    require(numeric.value == value.has_value(), [&] { return "isNumeric(" + shown(text) + ") gave " + shown(numeric); });

    const Outcome<double> d = attempt([&] { return calcora::textToDouble(text); });
    const auto dContext = [&] {
        return "textToDouble(" + shown(text) + ") gave " + (d.ok() ? number(*d.value) : shown(d));
    };
    if (!value) {
        require(d.failure == Kind::NotANumber, [&] { return "expected NotANumber: " + dContext(); });
    } else {
        const double expected = nearestDouble(*value);
        if (std::isinf(expected)) {
            require(d.failure == Kind::Overflow, [&] { return "expected ArithmeticOverflow: " + dContext(); });
        } else {
            require(d.ok() && *d.value == expected, [&] { return "expected " + number(expected) + ": " + dContext(); });
        }
    }

    const Outcome<double> lead = attempt([&] { return calcora::leadingNumber(text); });
    const double leadExpected = nearestDouble(readLeadingNumber(text));
    require(lead.ok() && *lead.value == leadExpected, [&] {
        return "leadingNumber(" + shown(text) + ") gave " + (lead.ok() ? number(*lead.value) : shown(lead)) +
               ", expected " + number(leadExpected);
    });

    const Outcome<calcora::FixedDecimal> fixed = attempt([&] { return calcora::toFixedDecimal(text); });
    require(value ? (fixed.ok() || fixed.failure == Kind::Overflow) : fixed.failure == Kind::NotANumber,
            [&] { return "toFixedDecimal(" + shown(text) + ") disagrees with isNumeric: " + shown(numeric) + " / " + kindName(fixed.failure); });
    return 0;
}
