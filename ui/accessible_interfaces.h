// SPDX-License-Identifier: MIT
#pragma once
// What screen readers find beyond Qt's own accessible objects: the window
// as a frame, with the result announcement among its children, and each
// command button with its key.

namespace calcora {

// From now on Qt gives screen readers: frmNumora with the role Window (a
// frame, where a plain widget would be a filler), its ResultAnnouncement as
// its last child, with the role Notification; and every button of the
// window, a command, with a press action first whose key binding, and whose
// accelerator text, is the button's first key in keyboard.h ("Ctrl++").
// Objects made before the first call keep Qt's own, so the window calls it
// before it makes anything.
void installAccessibleInterfaces();

}  // namespace calcora
