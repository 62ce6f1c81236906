// SPDX-License-Identifier: MIT
#pragma once
// Long numbers read from their start: a command that writes one of the four
// number boxes leaves it showing its first characters, the most significant
// digits, instead of the end the text box would scroll to.

class QWidget;

namespace calcora {

// After every click of a command button of window (by mouse, key, shortcut
// or Enter), each of txtNum1, txtNum2, txtResult and txtMem whose text or
// cursor the command changed gets its cursor at position 0, so it shows the
// beginning of its text. Boxes the command left alone, and typing or
// editing by the user, keep the usual cursor behaviour.
void showWrittenTextsFromStart(QWidget& window);

}  // namespace calcora
