// SPDX-License-Identifier: MIT
// The keyboard table: which keys click which command, and which commands
// Enter repeats.
#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QWidget>
#include <array>
#include <initializer_list>

#include "ui/control_named.h"

namespace calcora {
namespace {

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kCtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;

struct CommandKeys {
    const char* button;  // object name
    std::array<QKeyCombination, 2> keys;  // unused entries stay Key_unknown
    bool repeatsOnEnter;  // a computing command: Enter in an operand box runs it again
};

// Plain keys type into the boxes, so every shortcut carries Ctrl or Alt, or
// is a key the boxes leave alone (Esc, F1). Operators are the four operator
// keys with Ctrl, on the main keyboard and the keypad; 1/x, root, power,
// factorial and pi follow the desktop calculator's own keys (R, @, ^, !, P)
// with Ctrl. None is a key the boxes edit with (Ctrl+C, V, X, Z, Y, A, E, K,
// U, Home, End, arrows with Shift, ...): a test holds the table to that.
const CommandKeys kCommandKeys[] = {
    {"cmdAdd", {kCtrl | Qt::Key_Plus, kCtrlKeypad | Qt::Key_Plus}, true},
    {"cmdSubtract", {kCtrl | Qt::Key_Minus, kCtrlKeypad | Qt::Key_Minus}, true},
    {"cmdMultiply", {kCtrl | Qt::Key_Asterisk, kCtrlKeypad | Qt::Key_Asterisk}, true},
    {"cmdDivide", {kCtrl | Qt::Key_Slash, kCtrlKeypad | Qt::Key_Slash}, true},
    {"cmdReciprocal", {kCtrl | Qt::Key_R}, true},
    {"cmdSqRt", {kCtrl | Qt::Key_At}, true},
    {"cmdPower", {kCtrl | Qt::Key_AsciiCircum}, true},
    {"cmdFac", {kCtrl | Qt::Key_Exclam}, true},
    {"cmdPi", {kCtrl | Qt::Key_P}, false},
    {"cmdMacro", {kCtrlShift | Qt::Key_E}, true},
    {"cmdMemPlus", {kCtrl | Qt::Key_M}, false},
    {"cmdMemMinus", {kCtrlShift | Qt::Key_M}, false},
    {"cmdMemRec1", {kCtrl | Qt::Key_1}, false},
    {"cmdMemRec2", {kCtrl | Qt::Key_2}, false},
    {"cmdMemClear", {kCtrl | Qt::Key_L}, false},
    {"cmdCopyResult", {kCtrlShift | Qt::Key_C}, false},
    {"cmdCopyMem", {kCtrlAlt | Qt::Key_C}, false},
    {"cmdPaste1", {kCtrlAlt | Qt::Key_1}, false},
    {"cmdPaste2", {kCtrlAlt | Qt::Key_2}, false},
    {"cmdPasteRes", {kCtrlAlt | Qt::Key_3}, false},
    {"cmdShift", {kCtrl | Qt::Key_Return, kCtrl | Qt::Key_Enter}, false},
    {"cmdShift2", {kCtrlShift | Qt::Key_Return, kCtrlShift | Qt::Key_Enter}, false},
    {"cmdShftUp", {kCtrl | Qt::Key_Up}, false},
    {"cmdShftDn", {kCtrl | Qt::Key_Down}, false},
    {"cmdSwitch", {kCtrlShift | Qt::Key_S}, false},
    {"cmdClearAll", {QKeyCombination(Qt::Key_Escape)}, false},
    {"cmdClr1", {kAlt | Qt::Key_1}, false},
    {"cmdClr2", {kAlt | Qt::Key_2}, false},
    {"cmdClr3", {kAlt | Qt::Key_3}, false},
    {"cmdVisit", {QKeyCombination(Qt::Key_F1)}, false},
};

QList<QKeySequence> sequencesOf(const CommandKeys& command) {
    QList<QKeySequence> sequences;
    for (QKeyCombination key : command.keys) {
        if (key.key() != Qt::Key_unknown) sequences << QKeySequence(key);
    }
    return sequences;
}

const CommandKeys* findCommand(QStringView objectName) {
    for (const CommandKeys& command : kCommandKeys) {
        if (objectName == QLatin1StringView(command.button)) return &command;
    }
    return nullptr;
}

// The window's memory of the last computing command; it lives and dies with
// the window.
class LastCommand : public QObject {
public:
    using QObject::QObject;
    QPointer<QPushButton> button;
};

}  // namespace

QList<QKeySequence> shortcutsOf(QStringView objectName) {
    const CommandKeys* command = findCommand(objectName);
    return command != nullptr ? sequencesOf(*command) : QList<QKeySequence>();
}

QString shortcutText(QStringView objectName) {
    QStringList words;
    for (const QKeySequence& sequence : shortcutsOf(objectName)) {
        words << sequence.toString(QKeySequence::NativeText);
    }
    return words.join(QStringLiteral(" or "));
}

void installShortcuts(QWidget& window) {
    for (const CommandKeys& command : kCommandKeys) {
        QPushButton* button = controlNamed<QPushButton>(window, command.button);
        for (const QKeySequence& sequence : sequencesOf(command)) {
            auto* shortcut = new QShortcut(sequence, &window);
            shortcut->setContext(Qt::WindowShortcut);
            QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        }
    }
}

void installCommandRepeat(QWidget& window) {
    auto* last = new LastCommand(&window);
    for (const CommandKeys& command : kCommandKeys) {
        if (!command.repeatsOnEnter) continue;
        QPushButton* button = controlNamed<QPushButton>(window, command.button);
        QObject::connect(button, &QAbstractButton::clicked, last, [last, button] { last->button = button; });
    }
    for (const char* name : {"txtNum1", "txtNum2"}) {
        QObject::connect(controlNamed<QLineEdit>(window, name), &QLineEdit::returnPressed, last, [last] {
            if (last->button) last->button->click();
        });
    }
}

}  // namespace calcora
