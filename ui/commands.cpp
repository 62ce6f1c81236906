// SPDX-License-Identifier: MIT
// The command buttons that the command core answers: each handler reads the
// boxes, runs its command and writes back what changed.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <QRadioButton>

#include "core/commands.h"
#include "ui/command_support.h"

namespace calcora {

core::WindowState frmNumora::state() const {
    return {engineText(txtNum1->text()),
            engineText(txtNum2->text()),
            engineText(txtResult->text()),
            engineText(txtMem->text()),
            engineText(txtSigFigs->text()),
            OptHP->isChecked() ? core::Mode::HighPrecision : core::Mode::VeryHighPrecision,
            MacroCount};
}

void frmNumora::restore(const core::WindowState& wanted) { write(state(), wanted); }

void frmNumora::write(const core::WindowState& before, const core::WindowState& after) {
    // Only the boxes that differ are written, each once: the second operand
    // before the first, as C, D and S always have, and the result last, so
    // every box's signals see the finished command.
    const auto write = [](QLineEdit& box, const std::string& was, const std::string& now) {
        if (now != was) box.setText(boxText(now));
    };
    if (after.mode != before.mode) {
        OptHP->setChecked(after.highPrecision());
        optVHP->setChecked(!after.highPrecision());
    }
    write(*txtSigFigs, before.sigFigs, after.sigFigs);
    write(*txtNum2, before.num2, after.num2);
    write(*txtNum1, before.num1, after.num1);
    write(*txtMem, before.memory, after.memory);
    write(*txtResult, before.result, after.result);
    MacroCount = after.macroCount;
}

void frmNumora::run(const char* button, Command command) {
    const core::WindowState before = state();
    const core::Outcome outcome = command(before);
    if (!outcome.message.empty() && showMessage) showMessage(boxText(outcome.message));
    write(before, outcome.state);
    if (outcome.resultWritten) emit resultWritten();
    if (outcome.focus) {
        switch (*outcome.focus) {
            case core::Box::Num1: txtNum1->setFocus(); break;
            case core::Box::Num2: txtNum2->setFocus(); break;
            case core::Box::Result: txtResult->setFocus(); break;
        }
    }
    emit commandRun(QString::fromLatin1(button), before, outcome.state, outcome.resultWritten);
}

void frmNumora::cmdAdd_Click() { run("cmdAdd", core::add); }
void frmNumora::cmdSubtract_Click() { run("cmdSubtract", core::subtract); }
void frmNumora::cmdMultiply_Click() { run("cmdMultiply", core::multiply); }
void frmNumora::cmdDivide_Click() { run("cmdDivide", core::divide); }
void frmNumora::cmdReciprocal_Click() { run("cmdReciprocal", core::reciprocal); }
void frmNumora::cmdSqRt_Click() { run("cmdSqRt", core::squareRoot); }
void frmNumora::cmdPower_Click() { run("cmdPower", core::power); }
void frmNumora::cmdFac_Click() { run("cmdFac", core::factorial); }
void frmNumora::cmdPi_Click() { run("cmdPi", core::pi); }
void frmNumora::cmdMacro_Click() { run("cmdMacro", core::nextSeriesTerm); }
void frmNumora::cmdMemPlus_Click() { run("cmdMemPlus", core::memoryPlus); }
void frmNumora::cmdMemMinus_Click() { run("cmdMemMinus", core::memoryMinus); }
void frmNumora::cmdMemRec1_Click() { run("cmdMemRec1", core::memoryRecall1); }
void frmNumora::cmdMemRec2_Click() { run("cmdMemRec2", core::memoryRecall2); }
void frmNumora::cmdMemClear_Click() { run("cmdMemClear", core::memoryClear); }
void frmNumora::cmdShift_Click() { run("cmdShift", core::shiftResultTo1); }
void frmNumora::cmdShift2_Click() { run("cmdShift2", core::shiftResultTo2); }
void frmNumora::cmdShftUp_Click() { run("cmdShftUp", core::moveUp); }
void frmNumora::cmdShftDn_Click() { run("cmdShftDn", core::moveDown); }
void frmNumora::cmdSwitch_Click() { run("cmdSwitch", core::swapNumbers); }
void frmNumora::cmdClr1_Click() { run("cmdClr1", core::clearFirst); }
void frmNumora::cmdClr2_Click() { run("cmdClr2", core::clearSecond); }
void frmNumora::cmdClr3_Click() {
    run("cmdClr3", core::clearResult);
    // Also a text typed into the exponent box, which follows only changes.
    txtExp->setText(QString());
}
void frmNumora::cmdClearAll_Click() { run("cmdClearAll", core::clearAll); }

}  // namespace calcora
