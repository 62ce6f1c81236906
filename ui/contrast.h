// SPDX-License-Identifier: MIT
#pragma once
// Text colours that stay readable: WCAG 2's contrast ratio and the colours
// the window derives from it.

#include <QColor>

namespace calcora {

// WCAG 2's least contrast for normal text (level AA).
inline constexpr double kLeastContrast = 4.5;

// The contrast ratio of two colours, 1 to 21, from their relative luminance
// as WCAG 2 defines it.
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// True when background is darker than text: a dark palette's pair.
[[nodiscard]] bool darkerThan(const QColor& background, const QColor& text);

// text where it has at least kLeastContrast against background; otherwise
// black or white, whichever has more.
[[nodiscard]] QColor readableOn(const QColor& text, const QColor& background);

// text moved toward background as far as keeps half its contrast, but at
// most 7:1 and never below kLeastContrast: plainly dimmer, still readable, on
// a light or a dark background alike. Text with no more than kLeastContrast
// stays as it is.
[[nodiscard]] QColor dimmedOn(const QColor& text, const QColor& background);

}  // namespace calcora
