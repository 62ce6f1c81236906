// Multiply, divide and reciprocal. "High Precision" computes with 29-digit
// fixed decimals and, for multiply and divide, falls back to doubles when
// that fails; "Very High Precision" calls the string arithmetic. A failure
// with no fallback left ends the command silently with every box as it was.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fixeddec/fixeddec.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// Multiply checks its second operand only when it is shorter than this; a
// longer text goes straight to the arithmetic, which fails on what it cannot
// read.
constexpr qsizetype kCheckedOperandLength = 100;

// True for a text that isNumeric accepts and whose value is zero ("0", "-0",
// "0.00", "0E5"): no digit 1 to 9 stands before its exponent.
bool denotesZero(std::string_view numeric) {
    const std::string_view mantissa = numeric.substr(0, numeric.find_first_of("Ee"));
    return mantissa.find_first_of("123456789") == std::string_view::npos;
}

// The trimmed text of a double result; a result beyond the double's range is
// a failure like any other.
std::string doubleText(double value) {
    if (!std::isfinite(value)) throw ArithmeticOverflow("double result beyond the double's range");
    return trimmedText(value);
}

// The "High Precision" result: the fixed-decimal one, else the double one.
template <typename Fixed, typename Double>
std::optional<QString> fixedElseDouble(Fixed&& fixed, Double&& fallback) {
    if (auto result = resultUnlessFailure(fixed)) return result;
    return resultUnlessFailure(fallback);
}

}  // namespace

void frmNumora::cmdMultiply_Click() {
    const QString num1 = txtNum1->text();
    const QString num2 = txtNum2->text();
    const std::string first = toUtf8(num1);
    const std::string second = toUtf8(num2);
    if (num2.size() < kCheckedOperandLength && !isNumeric(second)) {
        setResult(num2.isEmpty() ? num1 : QString::fromLatin1(kNumericInputRequired));
        return;
    }

    const std::optional<QString> product =
        highPrecision()
            ? fixedElseDouble(
                  [&] { return trimmedText(toFixedDecimal(first) * toFixedDecimal(second)); },
                  [&] { return doubleText(textToDouble(first) * textToDouble(second)); })
            : resultUnlessFailure([&] { return LargeMultiply(first, second); });
    if (product) setResult(*product);
}

void frmNumora::cmdDivide_Click() {
    if (!correctSigFigs()) return;
    const std::string dividend = toUtf8(txtNum1->text());
    const std::string divisor = toUtf8(txtNum2->text());
    if (!isNumeric(divisor) || denotesZero(divisor)) {
        setResult(QString::fromLatin1(kDivideByZero));
        return;
    }

    std::optional<QString> quotient;
    if (highPrecision()) {
        quotient = fixedElseDouble(
            [&] { return trimmedText(toFixedDecimal(dividend) / toFixedDecimal(divisor)); },
            [&] { return doubleText(textToDouble(dividend) / textToDouble(divisor)); });
    } else {
        // A dividend longer than the count + 1 characters is refused: the
        // message, then the empty text as the result.
        const std::int16_t count = sigFigsCount();
        quotient = resultUnlessFailure(
            [&] { return LargeDiv(true, count, dividend, divisor, messageSinkOf(*this)); });
    }
    if (quotient) setResult(*quotient);
}

void frmNumora::cmdReciprocal_Click() {
    if (!correctSigFigs()) return;
    // No check and no fallback: a zero, a text that is no number or an
    // overflow ends the command.
    const std::string divisor = toUtf8(txtNum1->text());
    std::optional<QString> reciprocal;
    if (highPrecision()) {
        reciprocal = resultUnlessFailure(
            [&] { return trimmedText(FixedDecimal::fromInteger(1) / toFixedDecimal(divisor)); });
    } else {
        const std::int16_t count = sigFigsCount();
        reciprocal = resultUnlessFailure(
            [&] { return LargeDiv(true, count, "1", divisor, messageSinkOf(*this)); });
    }
    if (reciprocal) setResult(*reciprocal);
}

}  // namespace calcora
