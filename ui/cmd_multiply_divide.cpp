// SPDX-License-Identifier: MIT
// Multiply, divide and reciprocal. "High Precision" computes with 29-digit
// fixed decimals and, for multiply and divide, falls back to doubles when
// that fails; "Very High Precision" calls the string arithmetic. A failure
// with no fallback left writes its fixed text into txtResult.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fixeddec/fixeddec.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// The trimmed text of a double result; a result beyond the double's range is
// a failure like any other.
std::string doubleText(double value) {
    if (!std::isfinite(value)) throw ArithmeticOverflow("double result beyond the double's range");
    return trimmedText(value);
}

// The "High Precision" result: the fixed-decimal one, else the double one.
template <typename Fixed, typename Double>
std::string fixedElseDouble(Fixed&& fixed, Double&& fallback) {
    try {
        return fixed();
    } catch (const Failure&) {
        return fallback();
    }
}

// The divisor read from its box: DivisionByZero for a zero value, the empty
// box included.
std::string nonZeroDivisor(const QLineEdit& box) {
    std::string divisor = numberIn(box);
    if (isZeroValue(divisor)) throw DivisionByZero("the divisor is zero");
    return divisor;
}

}  // namespace

void frmNumora::cmdMultiply_Click() {
    setResult(resultOrFailureText([&] {
        const std::string second = numberIn(*txtNum2);
        if (second.empty()) {
            // An empty second operand leaves the first, as typed, as the
            // result (setResult refuses one too long to read back).
            std::string first = engineText(txtNum1->text());
            if (!first.empty() && !isNumberText(first)) throw NotANumber("the first operand is not a number");
            return first;
        }
        const std::string first = numberIn(*txtNum1);
        if (!highPrecision()) return LargeMultiply(first, second);
        return fixedElseDouble([&] { return trimmedText(toFixedDecimal(first) * toFixedDecimal(second)); },
                               [&] { return doubleText(textToDouble(first) * textToDouble(second)); });
    }));
}

void frmNumora::cmdDivide_Click() {
    if (!correctSigFigs()) return;
    setResult(resultOrFailureText([&] {
        const std::string divisor = nonZeroDivisor(*txtNum2);
        const std::string dividend = numberIn(*txtNum1);
        if (highPrecision()) {
            return fixedElseDouble(
                [&] { return trimmedText(toFixedDecimal(dividend) / toFixedDecimal(divisor)); },
                [&] { return doubleText(textToDouble(dividend) / textToDouble(divisor)); });
        }
        // A dividend longer than the count + 1 characters is refused: the
        // message, then the empty text as the result.
        return LargeDiv(true, sigFigsCount(), dividend, divisor, messageSinkOf(*this));
    }));
}

void frmNumora::cmdReciprocal_Click() {
    if (!correctSigFigs()) return;
    setResult(resultOrFailureText([&] {
        const std::string divisor = nonZeroDivisor(*txtNum1);
        if (highPrecision()) return trimmedText(FixedDecimal::fromInteger(1) / toFixedDecimal(divisor));
        return LargeDiv(true, sigFigsCount(), "1", divisor, messageSinkOf(*this));
    }));
}

}  // namespace calcora
