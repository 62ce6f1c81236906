// SPDX-License-Identifier: MIT
// The keyboard tables: which keys click which command, which commands Enter
// repeats, and the window's own keys.
#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QWidget>
#include <array>
#include <initializer_list>

#include "ui/command_undo.h"
#include "ui/control_named.h"
#include "ui/help_window.h"
#include "ui/history_window.h"
#include "ui/whole_number_view.h"

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
// is a key the boxes leave alone (Esc, Shift+F1). Operators are the four
// operator keys with Ctrl, on the main keyboard and the keypad; 1/x, root,
// power, factorial and pi follow the desktop calculator's own keys (R, @, ^,
// !, P) with Ctrl. None is a key the boxes edit with (Ctrl+C, V, X, Z, Y, A,
// E, K, U, Home, End, arrows with Shift, ...): a test holds the table to that.
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
    // F1 is the help's, as everywhere; Shift+F1 stays beside it.
    {"cmdVisit", {Qt::ShiftModifier | Qt::Key_F1}, false},
};

// Ctrl+C is the boxes' own key for copying: the window takes it only when
// the box with the focus has nothing selected (or no box has the focus).
constexpr QKeyCombination kCopyKey = kCtrl | Qt::Key_C;

struct WindowKeys {
    const char* action;  // in words, for the help
    std::array<QKeyCombination, 2> keys;  // unused entries stay Key_unknown
    void (*run)(QWidget& window);
};

const WindowKeys kWindowKeys[] = {
    {"Show this help", {QKeyCombination(Qt::Key_F1)}, [](QWidget& window) { showHelp(window); }},
    {kShowWholeNumberKeyWords, {kCtrlShift | Qt::Key_D}, [](QWidget& window) { showWholeNumberOfFocus(window); }},
    {kShowHistoryKeyWords, {kCtrl | Qt::Key_H}, [](QWidget& window) { showHistory(window); }},
    {"Copy the result, when nothing is selected in the box with the focus (with a selection, copy the "
     "selection)",
     {kCopyKey},
     [](QWidget& window) { controlNamed<QPushButton>(window, "cmdCopyResult")->click(); }},
    // The box with the focus undoes and redoes its own typing first
    // (command_undo.cpp).
    {"Undo the last command, once the box with the focus has no typing of its own to undo",
     {kCtrl | Qt::Key_Z},
     [](QWidget& window) { undoCommand(window); }},
    {"Redo the command last undone, once the box with the focus has no typing of its own to redo",
     {kCtrlShift | Qt::Key_Z, kCtrl | Qt::Key_Y},
     [](QWidget& window) { redoCommand(window); }},
    {"Close the window", {kCtrl | Qt::Key_Q, kCtrl | Qt::Key_W}, [](QWidget& window) { window.close(); }},
};

QList<QKeySequence> sequencesOf(const std::array<QKeyCombination, 2>& keys) {
    QList<QKeySequence> sequences;
    for (QKeyCombination key : keys) {
        if (key.key() != Qt::Key_unknown) sequences << QKeySequence(key);
    }
    return sequences;
}

QString wordsFor(const QList<QKeySequence>& sequences) {
    QStringList words;
    for (const QKeySequence& sequence : sequences) words << sequence.toString(QKeySequence::NativeText);
    return words.join(QStringLiteral(" or "));
}

// Lets a box keep Ctrl+C while it has a selection, and otherwise lets the
// key through to the window, whose shortcut copies the result.
class CopyKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* box = qobject_cast<QLineEdit*>(watched);
        // Consumed unaccepted, the override leaves the key to the shortcuts.
        return box != nullptr && key->keyCombination() == kCopyKey && !box->hasSelectedText();
    }
};

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
    return command != nullptr ? sequencesOf(command->keys) : QList<QKeySequence>();
}

QString shortcutText(QStringView objectName) { return wordsFor(shortcutsOf(objectName)); }

QStringList commandsWithKeys() {
    QStringList names;
    for (const CommandKeys& command : kCommandKeys) names << QString::fromLatin1(command.button);
    return names;
}

QStringList commandsRepeatedByEnter() {
    QStringList names;
    for (const CommandKeys& command : kCommandKeys) {
        if (command.repeatsOnEnter) names << QString::fromLatin1(command.button);
    }
    return names;
}

QList<WindowKey> windowKeys() {
    QList<WindowKey> keys;
    for (const WindowKeys& row : kWindowKeys) {
        keys.push_back({QString::fromLatin1(row.action), wordsFor(sequencesOf(row.keys))});
    }
    return keys;
}

void installShortcuts(QWidget& window) {
    for (const CommandKeys& command : kCommandKeys) {
        QPushButton* button = controlNamed<QPushButton>(window, command.button);
        for (const QKeySequence& sequence : sequencesOf(command.keys)) {
            auto* shortcut = new QShortcut(sequence, &window);
            shortcut->setContext(Qt::WindowShortcut);
            QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        }
    }
    for (const WindowKeys& row : kWindowKeys) {
        for (const QKeySequence& sequence : sequencesOf(row.keys)) {
            auto* shortcut = new QShortcut(sequence, &window);
            shortcut->setContext(Qt::WindowShortcut);
            QObject::connect(shortcut, &QShortcut::activated, &window, [&window, run = row.run] { run(window); });
        }
    }
    auto* copyKey = new CopyKeyFilter(&window);
    for (QLineEdit* box : window.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) box->installEventFilter(copyKey);
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
