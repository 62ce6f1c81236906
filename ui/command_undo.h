// SPDX-License-Identifier: MIT
#pragma once
// Undo and redo of commands: every command button's command that changed
// something (frmNumora::commandRun) is a step; undo puts back every box, the
// memory, the mode, the setting and the e-series count as they were before
// it, with the result's grey mark as it was, and redo as they were after it.
// Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y (keyboard.cpp's window keys) go first to
// the box with the focus while it has typing of its own to undo or redo.

class QWidget;

namespace calcora {

class frmNumora;

// From now on window keeps its last core::UndoHistory::kDefaultDepth (100)
// command steps, and its text boxes give Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y to
// the window's undo and redo once they have none of their own.
void keepCommandHistory(frmNumora& window);

// Puts window back as it was before its latest command step, which is kept
// for redo; the restore is no step itself. Says what it undid to screen
// readers. False, and nothing changes, when there is no step to undo (or
// window keeps no history).
bool undoCommand(QWidget& window);

// Puts window as it was after the command step last undone; false when there
// is none (a new command drops them).
bool redoCommand(QWidget& window);

}  // namespace calcora
