// SPDX-License-Identifier: MIT
#pragma once
// Where the window first appears: centred in the screen's available area,
// and no larger than that area.

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

}  // namespace calcora
