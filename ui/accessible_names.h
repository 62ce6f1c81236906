// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader says for each of the window's 45 controls, and for
// the controls of the windows beside it.

#include <QString>
#include <QStringView>

class QWidget;

namespace calcora {

// Gives every control of window (found by object name) an accessible name,
// its role or what it does in words ("First number", "Move numbers up"), or
// for a label its visible text ("WSF:", "Ver 1.2 - exact long arithmetic"),
// and a description of a sentence or two that ends with the control's
// shortcut when it has one ("Shortcut: Ctrl++ or Ctrl+Num++."). Labels also
// point the screen reader at the box they explain.
void describeControls(QWidget& window);

// The same for a window beside the calculator, the whole-number view or the
// history (whole_number_view.h, history_window.h): every control of theirs
// found by object name gets its name and description.
void describeSideWindow(QWidget& sideWindow);

// What the control named objectName does or holds, the sentence its
// description begins with ("Adds the second number to the first."); empty
// for a name that is no control's.
QString commandDescription(QStringView objectName);

}  // namespace calcora
