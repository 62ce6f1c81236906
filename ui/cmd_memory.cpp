// The memory register txtMem: M+, M-, MR1, MR2 and MC. The sums always use the
// exact string arithmetic, so the memory keeps every digit in both modes.
#include "ui/frmNumora.h"

#include <QLineEdit>

#include "engine/engine.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// txtMem's new text: LargeAdd(op, memory, result), or the memory unchanged
// when LargeAdd cannot compute with the texts (a letter typed into a box).
QString memoryAfter(const char* op, const QString& memory, const QString& result) {
    return resultUnlessFailure([&] { return LargeAdd(op, toUtf8(memory), toUtf8(result)); })
        .value_or(memory);
}

}  // namespace

void frmNumora::cmdMemPlus_Click() {
    // No test of the result here: an empty result adds zero, or leaves an
    // empty memory empty.
    if (txtMem->text().isEmpty()) {
        txtMem->setText(txtResult->text());
        return;
    }
    txtMem->setText(memoryAfter("+", txtMem->text(), txtResult->text()));
}

void frmNumora::cmdMemMinus_Click() {
    const QString result = txtResult->text();
    if (result.isEmpty()) return;
    if (!txtMem->text().isEmpty()) {
        // Memory minus result, never the reverse.
        txtMem->setText(memoryAfter("-", txtMem->text(), result));
        return;
    }
    // An empty memory receives the negated result: "-5" becomes "5".
    txtMem->setText(result.startsWith(QLatin1Char('-')) ? result.mid(1)
                                                        : QLatin1Char('-') + result);
}

void frmNumora::cmdMemRec1_Click() { txtNum1->setText(txtMem->text()); }

void frmNumora::cmdMemRec2_Click() { txtNum2->setText(txtMem->text()); }

void frmNumora::cmdMemClear_Click() {
    txtMem->setText(QString());
    MacroCount = 0;
}

}  // namespace calcora
