// SPDX-License-Identifier: MIT
#pragma once
// The window's colours in any desktop theme: light, dark or high contrast,
// every text keeps at least 4.5:1 against what is painted behind it.

class QWidget;

namespace calcora {

// Colours window and its direct children from the application's palette as
// it stands (Qt 6.4 passes no later change of it on to open windows). The
// window's own background, behind
// the labels and options, is the designed blue-violet rgb(192, 192, 255) on a
// light palette and a dark blue-violet on a dark one (a window darker than
// its text); buttons and text boxes keep the desktop's colours. Each text
// colour (labels and options on the background, buttons on their face, boxes
// on their base, selected text on its highlight) is the desktop's where it
// has at least 4.5:1 against that, and black or white where it has not.
void colourFromDesktop(QWidget& window);

// Colours a window of its own beside the calculator (the whole-number view,
// the history) from the application's palette as it stands: the desktop's
// colours throughout, each text colour made readable as the calculator's
// are (text on the base and the alternate base, the window's text on the
// window, buttons on their face, selected text on its highlight, the
// placeholder dimmed yet at least 4.5:1 on the base).
void colourSideWindow(QWidget& window);

// Dims the text of box, a text box of such a window, or brings it back; the
// dimmed text keeps at least 4.5:1 against the box's base.
void dimText(QWidget& box, bool dimmed);

}  // namespace calcora
