// SPDX-License-Identifier: MIT
#pragma once
// Where the window first appears: centred in the screen's available area,
// and no larger than that area; and where the windows beside it appear.

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

namespace calcora {

// The window's first geometry: wanted, cut to the available area's size
// where it is larger (as at a display scale of 2 on a small screen), centred
// in available.
QRect firstGeometry(QSize wanted, const QRect& available);

// When window is first shown and its frame, as far as the platform knows it
// by then, does not fit its screen's available area, it is placed again by
// firstGeometry with room left for the frame. Later shows and resizes are
// left alone: the window stays free to take any size.
void fitWhenFirstShown(QWidget& window);

// Where a window beside the calculator (the whole-number view, the history)
// first appears: in the wider of the free strips of `available` left and
// right of `beside` (the calculator's frame) that no window of `others`
// stands in (or the wider of both when each has one), its top level with the
// calculator's, as wide as wanted or as the strip allows; where neither
// strip is at least narrowest wide, over the calculator at the available
// area's right edge. Never larger than the available area.
QRect besideGeometry(const QRect& beside, QSize wanted, const QRect& available, const QList<QRect>& others = {},
                     int narrowest = 360);

// Moves side, a window of window's, to besideGeometry of window's frame on
// window's screen, beside window's other windows that are open, unless it
// has been placed before.
void placeBeside(const QWidget& window, QWidget& side);

}  // namespace calcora
