// SPDX-License-Identifier: MIT
#pragma once
// The help: a window of its own beside the calculator, read with the
// keyboard like any text, closed with Esc.

class QWidget;

namespace calcora {

// Shows the help of window, the calculator, or brings it to the front if it
// is already open: a resizable window "Calcora Help" (object name
// "helpWindow") holding one read-only text view with the focus. It tells the
// two modes, every command with what it does and its keys (from keyboard.h's
// tables and the buttons themselves, so it says what the window does), the
// window's own keys, what each error text means, and the version
// (CALCORA_VERSION), the MIT licence and the website, whose link works as
// cmdVisit does. Esc or its Close button closes it.
void showHelp(QWidget& window);

}  // namespace calcora
