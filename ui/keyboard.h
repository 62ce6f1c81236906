// SPDX-License-Identifier: MIT
#pragma once
// The window for the keyboard: a shortcut for every command, active wherever
// the focus is in the window, the window's own keys (help, copy, close), and
// Enter in an operand box repeating the last computing command. The keys are
// listed in the README's "Keyboard" table and in the help.

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class QWidget;

namespace calcora {

// Gives every command button of window (found by object name) its shortcuts;
// each shortcut clicks its button, so a shortcut does exactly what a click
// does. No shortcut takes a key the text boxes edit with. Also the window's
// own keys (windowKeys): F1 shows the help, Ctrl+Q and Ctrl+W close the
// window, Ctrl+C clicks Copy Result unless the box with the focus has a
// selection, which it then copies as before, and Ctrl+Z, Ctrl+Shift+Z and
// Ctrl+Y undo and redo commands (command_undo.h) once the box with the
// focus has no typing of its own to undo or redo.
void installShortcuts(QWidget& window);

// Makes Return and Enter in txtNum1 and txtNum2 click again the computing
// command (arithmetic, root, power, factorial, e series) that was last
// clicked, by mouse, key or shortcut. Before the first one they do nothing.
void installCommandRepeat(QWidget& window);

// The shortcuts of the button named objectName, in the order the README
// gives them; empty for a control that has none.
QList<QKeySequence> shortcutsOf(QStringView objectName);

// The same as words for people, "Ctrl++ or Ctrl+Num++"; empty if none.
QString shortcutText(QStringView objectName);

// The object names of the buttons with shortcuts, in the table's order.
QStringList commandsWithKeys();

// The object names of the commands Enter repeats, in the table's order.
QStringList commandsRepeatedByEnter();

// A key of the window itself: what it does in words and its keys in words.
struct WindowKey {
    QString action;
    QString keys;
};
QList<WindowKey> windowKeys();

}  // namespace calcora
