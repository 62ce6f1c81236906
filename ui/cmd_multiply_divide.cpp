// SPDX-License-Identifier: MIT
// Multiply, divide and reciprocal. "High Precision" computes with 29-digit
// fixed decimals and, for multiply and divide, falls back to the exact result
// rounded once to 15 figures when that fails; "Very High Precision" calls the
// string arithmetic. A failure with no fallback left writes its fixed text
// into txtResult.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fixeddec/fixeddec.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// Whether a fixed-decimal text has room for 15 figures in its 28 places: its
// first significant digit stands at 10^-14 or above. A zero has none.
bool keepsFifteenFigures(std::string_view fixedText) {
    if (isZeroValue(fixedText)) return false;
    const std::string exponent = decimalExponent(fixedText);
    return exponent.front() != '-' || std::stoi(exponent) >= -14;
}

// Whether two number texts have the same value.
bool sameValue(std::string_view a, std::string_view b) {
    if (decimalExponent(a) != decimalExponent(b)) return false;
    return isZeroValue(LargeAdd("-", plainNumber(a), plainNumber(b)));
}

// The "High Precision" result: the fixed-decimal one, else the 15-figure
// one. The 15-figure one is shown when the fixed decimal cannot hold an
// operand or the result, and, unless `fixedAlways`, when the fixed one has
// lost some of its first 15 figures to the 28 places ("0" for 1e-15 x 1e-14)
// and is not the exact value.
template <typename Fixed, typename Fifteen>
std::string fixedElseFifteen(Fixed&& fixed, Fifteen&& fallback, bool fixedAlways = false) {
    std::string shown;
    try {
        shown = fixed();
    } catch (const Failure&) {
        return fallback();
    }
    if (fixedAlways || keepsFifteenFigures(shown)) return shown;
    std::string rounded = fallback();
    return sameValue(shown, rounded) ? shown : rounded;
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
        return fixedElseFifteen([&] { return trimmedText(toFixedOperand(first) * toFixedOperand(second)); },
                                [&] { return fifteenFigureProduct(first, second); });
    }));
}

void frmNumora::cmdDivide_Click() { divideBoxes(false); }

void frmNumora::divideBoxes(bool seriesTerm) {
    if (!correctSigFigs()) return;
    setResult(resultOrFailureText([&] {
        const std::string divisor = nonZeroDivisor(*txtNum2);
        const std::string dividend = numberIn(*txtNum1);
        if (highPrecision()) {
            return fixedElseFifteen(
                [&] { return trimmedText(toFixedOperand(dividend) / toFixedOperand(divisor)); },
                [&] { return fifteenFigureQuotient(dividend, divisor); }, seriesTerm);
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
        if (highPrecision()) return trimmedText(FixedDecimal::fromInteger(1) / toFixedOperand(divisor));
        return LargeDiv(true, sigFigsCount(), "1", divisor, messageSinkOf(*this));
    }));
}

}  // namespace calcora
