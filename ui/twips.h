// SPDX-License-Identifier: MIT
#pragma once
// The window is designed in twips (1/1440 inch). Fifteen twips make one
// device-independent pixel; Qt's high-DPI scaling takes it from there.
// Every edge is rounded to its nearest pixel, so controls designed to touch
// still touch. A control remembers the width in twips it was given, so that
// reading it back gives that width and not the pixel grid's approximation.

#include <QRect>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace calcora::twips {

inline constexpr int kPerPixel = 15;

// The pixel edge nearest to a position in twips (halves away from zero).
inline int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kPerPixel));
}

inline QRect toPixelRect(int left, int top, int width, int height) {
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

inline constexpr const char* kWidthProperty = "widthInTwips";

// Places a control at a rectangle given in twips.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(toPixelRect(left, top, width, height));
    widget->setProperty(kWidthProperty, width);
}

// Sets a control's width in twips; its left edge, top and height stay.
inline void setWidth(QWidget* widget, int width) {
    const int left = widget->x() * kPerPixel;
    widget->resize(toPixels(left + width) - widget->x(), widget->height());
    widget->setProperty(kWidthProperty, width);
}

// A control's width in twips: the width it was last given, as long as its
// pixel width still agrees with it; otherwise its pixel width in twips.
inline int width(const QWidget* widget) {
    const QVariant given = widget->property(kWidthProperty);
    const int left = widget->x() * kPerPixel;
    if (given.isValid() && toPixels(left + given.toInt()) - widget->x() == widget->width()) {
        return given.toInt();
    }
    return widget->width() * kPerPixel;
}

}  // namespace calcora::twips
