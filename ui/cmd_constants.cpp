// SPDX-License-Identifier: MIT
// Pi and the e series (cmdPi_Click, cmdMacro_Click).
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <QRadioButton>
#include <limits>

#include "engine/engine.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// Pi rounded to what the fixed decimal holds: 29 significant digits.
constexpr const char* kPiHighPrecision = "3.1415926535897932384626433833";
// Pi to 50 significant digits, whatever the significant-figure setting.
constexpr const char* kPiVeryHighPrecision =
    "3.1415926535897932384626433832795028841971693993751";

}  // namespace

void frmNumora::cmdPi_Click() {
    txtNum1->setText(QString::fromLatin1(highPrecision() ? kPiHighPrecision : kPiVeryHighPrecision));
    txtNum2->setFocus();
}

// One term of e = 1 + 1/1! + 1/2! + ... per click. Between clicks the boxes
// carry the series: txtNum1 the last term, txtNum2 its index, txtMem the sum.
// The term is divided, added and shifted by the divide, M+ and "Shift Result
// to 1" handlers themselves, so the click behaves as pressing them (only the
// divide keeps the fixed decimal's quotient, however few figures it has);
// when the divide or M+ reports a failure, the click ends with its text
// standing and the term not counted, so the next click divides the same
// term again.
void frmNumora::cmdMacro_Click() {
    // The term count is 16-bit: once it is full, no further term can be counted.
    if (MacroCount == std::numeric_limits<std::int16_t>::max()) {
        setResult(boxText(kPowerOverflowText));
        return;
    }

    // Every term is computed in the fixed decimal, and the mode stays switched.
    OptHP->setChecked(true);
    optVHP->setChecked(false);

    if (MacroCount == 0) {
        txtNum1->setText(QStringLiteral("1"));
        txtNum2->setText(QStringLiteral("1"));
        txtMem->setText(QStringLiteral("1"));
    }
    const auto count = static_cast<std::int16_t>(MacroCount + 1);
    const QString k = QString::number(count);

    txtNum2->setText(k);
    divideBoxes(true);
    const QString term = txtResult->text();
    if (!isNumberText(engineText(term))) return;
    cmdMemPlus_Click();
    if (txtResult->text() != term) return;
    MacroCount = count;
    cmdShift_Click();
    txtNum2->setText(k);
}

}  // namespace calcora
