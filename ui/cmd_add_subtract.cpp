// Add and subtract: txtNum1 plus or minus txtNum2 into txtResult. "Very High
// Precision" passes the texts as typed to the exact string arithmetic; "High
// Precision" computes with 29-digit fixed decimals. Either way a failure ends
// the command silently with every box as it was.
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
    const FixedDecimal a = toFixedDecimal(first);
    const FixedDecimal b = toFixedDecimal(second);
    return trimmedText(op == "+" ? a + b : a - b);
}

}  // namespace

void frmNumora::cmdAdd_Click() {
    const std::string first = toUtf8(txtNum1->text());
    const std::string second = toUtf8(txtNum2->text());
    const auto sum =
        resultUnlessFailure([&] { return sumOrDifference(highPrecision(), "+", first, second); });
    if (sum) setResult(*sum);
}

void frmNumora::cmdSubtract_Click() {
    const std::string first = toUtf8(txtNum1->text());
    const std::string second = toUtf8(txtNum2->text());
    const auto difference =
        resultUnlessFailure([&] { return sumOrDifference(highPrecision(), "-", first, second); });
    if (difference) setResult(*difference);
}

}  // namespace calcora
