// SPDX-License-Identifier: MIT
// The memory register txtMem: M+, M-, MR1, MR2 and MC. The sums always use the
// exact string arithmetic, so the memory keeps every digit in both modes, and
// only numbers go into it: when the result or the memory holds none, or what
// would go in is too long to read back, the memory keeps its text and
// txtResult says why.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <string>

#include "engine/engine.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// The box read as a number that is there: NotANumber for an empty box.
std::string presentNumberIn(const QLineEdit& box) {
    std::string number = numberIn(box);
    if (number.empty()) throw NotANumber("the box is empty");
    return number;
}

// NotANumber or ArithmeticOverflow unless the box holds a number the
// arithmetic can take.
void requireNumberIn(const QLineEdit& box) { static_cast<void>(presentNumberIn(box)); }

// The memory receives only what every command can read back.
void store(QLineEdit& memory, const QString& text) {
    requireReadableBack(text);
    memory.setText(text);
}

}  // namespace

void frmNumora::cmdMemPlus_Click() {
    const QString result = txtResult->text();
    try {
        if (txtMem->text().isEmpty()) {
            // A number goes in as shown; an empty result leaves the memory empty.
            if (!result.isEmpty()) requireNumberIn(*txtResult);
            store(*txtMem, result);
            return;
        }
        // An empty result adds zero.
        store(*txtMem, boxText(LargeAdd("+", numberIn(*txtMem), numberIn(*txtResult))));
    } catch (const Failure& failure) {
        setResult(failureText(failure));
    }
}

void frmNumora::cmdMemMinus_Click() {
    if (txtResult->text().isEmpty()) return;
    try {
        const std::string result = presentNumberIn(*txtResult);
        if (!txtMem->text().isEmpty()) {
            // Memory minus result, never the reverse.
            store(*txtMem, boxText(LargeAdd("-", numberIn(*txtMem), result)));
            return;
        }
        // An empty memory receives the negated result: "-5" becomes "5", and a
        // 32,767-character positive one would grow past what can be read back.
        store(*txtMem, boxText(result.front() == '-' ? result.substr(1) : "-" + result));
    } catch (const Failure& failure) {
        setResult(failureText(failure));
    }
}

void frmNumora::cmdMemRec1_Click() { txtNum1->setText(txtMem->text()); }

void frmNumora::cmdMemRec2_Click() { txtNum2->setText(txtMem->text()); }

void frmNumora::cmdMemClear_Click() {
    txtMem->setText(QString());
    MacroCount = 0;
}

}  // namespace calcora
