// SPDX-License-Identifier: MIT
// The accessible names and descriptions: one row per control. The captions
// stay as designed ("U", "x ! "); these are the words a screen reader says.
#include "ui/accessible_names.h"

#include <QLabel>
#include <QWidget>

#include "ui/control_named.h"
#include "ui/keyboard.h"

namespace calcora {
namespace {

struct Spoken {
    const char* control;  // object name
    const char* name;  // none: the control's visible text, its blanks run together
    const char* description;  // the shortcut, if any, is added after it
};

const Spoken kSpoken[] = {
    // Boxes, by their role.
    {"txtNum1", "First number",
     "Type or paste the first operand. Enter repeats the last command. Ctrl+Shift+D shows it whole."},
    {"txtNum2", "Second number",
     "Type or paste the second operand. Enter repeats the last command. Ctrl+Shift+D shows it whole."},
    {"txtResult", "Result",
     "The result of the last command; its tool tip gives the count of digits. A double-click or Ctrl+Shift+D "
     "shows it whole; Ctrl+H shows the history of results."},
    {"txtMem", "Memory",
     "The number held in memory; empty when the memory is empty. Ctrl+Shift+D shows it whole."},
    {"txtExp", "Scientific notation exponent of the result",
     "The power of ten the result carries in scientific notation."},
    {"txtWSF", "Significant figures that fit across the window",
     "How many digits the number boxes show at once at the window's width."},
    {"txtSigFigs", "Significant figures in Very High Precision",
     "Figures of quotients, reciprocals and square roots in Very High Precision, 30 to 500."},
    // Options.
    {"OptHP", "High Precision (29 significant figures)",
     "Computes with a fixed decimal of 29 significant digits."},
    {"optVHP", "Very High Precision", "Computes with numbers of up to 32,767 characters."},
    // Labels: named by their visible text; the description says it in words.
    {"Label1", nullptr, "Plus, minus, times, divided by: the commands combine the first number with the second."},
    {"Label2", nullptr, "Equals: the result box follows."},
    {"Label3", nullptr, "Significant figures in Very High Precision, 30 to 500: labels the setting."},
    {"Label4", nullptr, "The version of Calcora."},
    {"Label5", nullptr, "Labels the exponent of the result."},
    {"Label6", nullptr, "Significant figures that fit into window width: labels their count."},
    // Computing commands.
    {"cmdAdd", "Add", "Adds the second number to the first."},
    {"cmdSubtract", "Subtract", "Subtracts the second number from the first."},
    {"cmdMultiply", "Multiply", "Multiplies the first number by the second."},
    {"cmdDivide", "Divide", "Divides the first number by the second."},
    {"cmdReciprocal", "Reciprocal", "Divides one by the first number."},
    {"cmdSqRt", "Square root", "The square root of the first number, to at most 100 significant figures."},
    {"cmdPower", "Power", "Raises the first number to the power of the second."},
    {"cmdFac", "Factorial", "The factorial of the first number's whole part, up to 1000."},
    {"cmdPi", "Pi", "Puts pi into the first number."},
    {"cmdMacro", "Next term of the e series",
     "Adds one more term of the series for e to the memory, in High Precision."},
    // Memory.
    {"cmdMemPlus", "Add result to memory", "Adds the result to the memory."},
    {"cmdMemMinus", "Subtract result from memory", "Subtracts the result from the memory."},
    {"cmdMemRec1", "Recall memory into first number", "Copies the memory into the first number."},
    {"cmdMemRec2", "Recall memory into second number", "Copies the memory into the second number."},
    {"cmdMemClear", "Clear memory", "Empties the memory."},
    // Clipboard, moving and clearing.
    {"cmdCopyResult", "Copy result", "Puts the result on the clipboard."},
    {"cmdCopyMem", "Copy memory", "Puts the memory on the clipboard."},
    {"cmdPaste1", "Paste into first number", "Replaces the first number with the clipboard's text."},
    {"cmdPaste2", "Paste into second number", "Replaces the second number with the clipboard's text."},
    {"cmdPasteRes", "Paste into result", "Replaces the result with the clipboard's text."},
    {"cmdShift", "Shift result to first number",
     "Moves the result into the first number; without a result, copies the first number into the "
     "second."},
    {"cmdShift2", "Shift result to second number", "Moves the result into the second number."},
    {"cmdShftUp", "Move numbers up", "Moves the second number into the first and empties the second."},
    {"cmdShftDn", "Move numbers down", "Moves the first number into the second and empties the first."},
    {"cmdSwitch", "Swap numbers", "Exchanges the first and second numbers."},
    {"cmdClearAll", "Clear all", "Empties both numbers and the result; the memory stays."},
    {"cmdClr1", "Clear first number", "Empties the first number."},
    {"cmdClr2", "Clear second number", "Empties the second number."},
    {"cmdClr3", "Clear result", "Empties the result and its exponent."},
    {"cmdVisit", "Visit the author's website", "Opens the author's web page in the browser."},
};

// The whole-number view and the history window, by object name.
const Spoken kSideWindowSpoken[] = {
    {"wholeNumberText", "Whole number",
     "The number in groups of three digits; the margin gives the position of each line's first digit."},
    {"jumpField", "Go to digit", "The position of a digit to show, 1 for the first; Enter goes there."},
    {"jumpButton", "Go to digit", "Shows and selects the digit at the position given."},
    {"copyPlainButton", "Copy", "Puts the number on the clipboard exactly as its box holds it."},
    {"copyGroupedButton", "Copy grouped", "Puts the number on the clipboard in groups of three digits."},
    {"viewStatus", "Status", "What the last step did."},
    {"historyNotice", "Notice", "Tells when the oldest entries were dropped to keep the history within 64 MB."},
    {"historyList", "History of calculations",
     "Every result, newest first. Enter puts the chosen result into the first number, Ctrl+Enter into the "
     "second; Ctrl+C copies it; Ctrl+Shift+D shows it whole."},
    {"recallFirstButton", "Put into first number", "Puts the chosen entry's result into the first number."},
    {"recallSecondButton", "Put into second number", "Puts the chosen entry's result into the second number."},
    {"copyResultButton", "Copy result", "Puts the chosen entry's result on the clipboard exactly."},
    {"showWholeButton", "Show whole", "Shows a number of the chosen entry whole in the whole-number view."},
    {"saveHistoryButton", "Save history", "Writes the whole history to a text file you name. Shortcut: Ctrl+S."},
    {"historyStatus", "Status", "How many entries there are and what the last step did."},
    {"closeButton", "Close", "Closes this window."},
};

// Labels that explain one box: the screen reader names the box through them.
const std::pair<const char*, const char*> kLabelledBoxes[] = {
    {"Label3", "txtSigFigs"},
    {"Label5", "txtExp"},
    {"Label6", "txtWSF"},
};

}  // namespace

void describeSideWindow(QWidget& sideWindow) {
    for (const Spoken& row : kSideWindowSpoken) {
        auto* control = sideWindow.findChild<QWidget*>(QString::fromLatin1(row.control));
        if (control == nullptr) continue;
        control->setAccessibleName(QString::fromLatin1(row.name));
        control->setAccessibleDescription(QString::fromLatin1(row.description));
    }
}

QString commandDescription(QStringView objectName) {
    for (const Spoken& row : kSpoken) {
        if (objectName == QLatin1StringView(row.control)) return QString::fromLatin1(row.description);
    }
    return {};
}

void describeControls(QWidget& window) {
    for (const Spoken& row : kSpoken) {
        auto* control = controlNamed<QWidget>(window, row.control);
        control->setAccessibleName(row.name != nullptr ? QString::fromLatin1(row.name)
                                                       : controlNamed<QLabel>(window, row.control)->text().simplified());
        QString description = QString::fromLatin1(row.description);
        const QString keys = shortcutText(QString::fromLatin1(row.control));
        if (!keys.isEmpty()) description += QStringLiteral(" Shortcut: %1.").arg(keys);
        control->setAccessibleDescription(description);
    }
    for (const auto& [label, box] : kLabelledBoxes) {
        controlNamed<QLabel>(window, label)->setBuddy(controlNamed<QWidget>(window, box));
    }
}

}  // namespace calcora
