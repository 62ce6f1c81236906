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

// op is "+" or "-"; the first operand always comes first.
std::string sumOrDifference(bool highPrecision, std::string_view op, const std::string& first,
                            const std::string& second) {
    if (!highPrecision) return LargeAdd(op, first, second);
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
