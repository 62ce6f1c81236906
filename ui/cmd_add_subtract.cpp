// SPDX-License-Identifier: MIT
// Add and subtract: txtNum1 plus or minus txtNum2 into txtResult. "Very High
// Precision" computes exactly with the string arithmetic, where an empty box
// counts as zero; "High Precision" computes with 29-digit fixed decimals.
// Either way a failure leaves its fixed text in txtResult.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fixeddec/fixeddec.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// A number string without the zeros before its first significant digit
// ("-007.5" → "-7.5", "0" → "").
std::string withoutLeadingZeros(std::string_view number) {
    const bool negative = !number.empty() && number.front() == '-';
    std::string magnitude = StripFrontZeros(number.substr(negative ? 1 : 0));
    return negative ? "-" + magnitude : magnitude;
}

// The exact sum or difference. The arithmetic measures the operands aligned
// at their points, leading zeros included, so "0" beside a 32,767-character
// fraction is refused although their sum fits: such a pair is tried again
// without those zeros (the only time they are dropped from a sum).
std::string exactSumOrDifference(std::string_view op, const std::string& first, const std::string& second) {
    try {
        return LargeAdd(op, first, second);
    } catch (const ArithmeticOverflow&) {
        const std::string shortFirst = withoutLeadingZeros(first);
        const std::string shortSecond = withoutLeadingZeros(second);
        if (shortFirst == first && shortSecond == second) throw;
        return LargeAdd(op, shortFirst, shortSecond);
    }
}

// op is "+" or "-"; the first operand always comes first.
std::string sumOrDifference(bool highPrecision, std::string_view op, const std::string& first,
                            const std::string& second) {
    if (!highPrecision) return exactSumOrDifference(op, first, second);
    const FixedDecimal a = toFixedOperand(first);
    const FixedDecimal b = toFixedOperand(second);
    return trimmedText(op == "+" ? a + b : a - b);
}

}  // namespace

void frmNumora::cmdAdd_Click() {
    setResult(resultOrFailureText(
        [&] { return sumOrDifference(highPrecision(), "+", numberIn(*txtNum1), numberIn(*txtNum2)); }));
}

void frmNumora::cmdSubtract_Click() {
    setResult(resultOrFailureText(
        [&] { return sumOrDifference(highPrecision(), "-", numberIn(*txtNum1), numberIn(*txtNum2)); }));
}

}  // namespace calcora
