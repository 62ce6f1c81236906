// SPDX-License-Identifier: MIT
// Relative luminance and contrast by WCAG 2's formulas.
#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace calcora {
namespace {

// Where the usual text has contrast to spare, dimmed text aims at about that
// of #595959 on white: plainly grey beside black, still easy to read.
constexpr double kAimedDimContrast = 7.0;

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, int step, int steps) {
    const auto channel = [&](int f, int t) { return (f * (steps - step) + t * step + steps / 2) / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool darkerThan(const QColor& background, const QColor& text) { return luminance(background) < luminance(text); }

QColor readableOn(const QColor& text, const QColor& background) {
    if (contrastRatio(text, background) >= kLeastContrast) return text;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QColor dimmedOn(const QColor& text, const QColor& background) {
    const double aim = std::clamp(contrastRatio(text, background) / 2, kLeastContrast, kAimedDimContrast);
    constexpr int kSteps = 256;
    QColor best = text;
    // Contrast falls steadily on the way from the text to the background.
    for (int step = 1; step < kSteps; ++step) {
        const QColor next = mixed(text, background, step, kSteps);
        if (contrastRatio(next, background) < aim) break;
        best = next;
    }
    return best;
}

}  // namespace calcora
