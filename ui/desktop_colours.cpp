// SPDX-License-Identifier: MIT
// Only the roles that carry text, and the background behind the labels, are
// set; every other role of a control goes on following the desktop's.
#include "ui/desktop_colours.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "ui/contrast.h"

namespace calcora {
namespace {

const QColor kDesignedBackground(192, 192, 255);
// The same hue for a dark palette: the theme's light text keeps about 10:1.
const QColor kDarkBackground(48, 48, 96);

// The selection's text keeps this much against its highlight: glyphs are
// drawn thin and smoothed, so a highlight only just at 4.5:1 reads lower.
constexpr double kAimedSelectionContrast = 7.0;

// Inactive is how the window looks while another one has the focus; nothing
// in it is ever disabled.
constexpr QPalette::ColorGroup kShownGroups[] = {QPalette::Active, QPalette::Inactive};
constexpr QPalette::ColorGroup kAllGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

QPalette windowColours(const QPalette& desktop) {
    const bool dark = darkerThan(desktop.color(QPalette::Active, QPalette::Window),
                                 desktop.color(QPalette::Active, QPalette::WindowText));
    const QColor background = dark ? kDarkBackground : kDesignedBackground;
    QPalette own;
    own.setColor(QPalette::Window, background);
    for (const QPalette::ColorGroup group : kShownGroups) {
        own.setColor(group, QPalette::WindowText, readableOn(desktop.color(group, QPalette::WindowText), background));
    }
    return own;
}

QPalette controlColours(const QPalette& desktop, bool dimmed) {
    QPalette own;
    for (const QPalette::ColorGroup group : kAllGroups) {
        own.setColor(group, QPalette::Window, desktop.color(group, QPalette::Window));
    }
    for (const QPalette::ColorGroup group : kShownGroups) {
        const auto readable = [&](QPalette::ColorRole text, QPalette::ColorRole behind) {
            own.setColor(group, text, readableOn(desktop.color(group, text), desktop.color(group, behind)));
        };
        readable(QPalette::ButtonText, QPalette::Button);
        readable(QPalette::Text, QPalette::Base);
        readable(QPalette::HighlightedText, QPalette::Highlight);
        if (dimmed) {
            own.setColor(group, QPalette::Text,
                         dimmedOn(own.color(group, QPalette::Text), desktop.color(group, QPalette::Base)));
        }
    }
    return own;
}

// behind moved toward black (under light text) or white (under dark text)
// until text has at least `aim` against it: a theme's selection colour, a
// mid blue, holds neither black nor white text clearly enough.
QColor behindWithContrast(QColor behind, const QColor& text, double aim) {
    const QColor away = darkerThan(text, behind) ? QColor(Qt::white) : QColor(Qt::black);
    constexpr int kSteps = 32;
    for (int step = 1; step <= kSteps && contrastRatio(text, behind) < aim; ++step) {
        const auto channel = [&](int from, int to) { return from + (to - from) * step / kSteps; };
        behind = QColor(channel(behind.red(), away.red()), channel(behind.green(), away.green()),
                        channel(behind.blue(), away.blue()));
    }
    return behind;
}

bool paintsOnDesktopColours(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) != nullptr || qobject_cast<const QPushButton*>(control) != nullptr;
}

}  // namespace

void colourFromDesktop(QWidget& window) {
    const QPalette desktop = QGuiApplication::palette();
    window.setPalette(windowColours(desktop));
    window.setAutoFillBackground(true);
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (paintsOnDesktopColours(control)) control->setPalette(controlColours(desktop, false));
    }
}

void colourSideWindow(QWidget& window) {
    QPalette own = QGuiApplication::palette();
    for (const QPalette::ColorGroup group : kShownGroups) {
        const auto readable = [&](QPalette::ColorRole text, QPalette::ColorRole behind) {
            own.setColor(group, text, readableOn(own.color(group, text), own.color(group, behind)));
        };
        readable(QPalette::WindowText, QPalette::Window);
        readable(QPalette::ButtonText, QPalette::Button);
        readable(QPalette::Text, QPalette::Base);
        // The chosen entry and a selection: the theme's text on its highlight,
        // the highlight deepened where that text stands out too little.
        own.setColor(group, QPalette::Highlight,
                     behindWithContrast(own.color(group, QPalette::Highlight),
                                        own.color(group, QPalette::HighlightedText), kAimedSelectionContrast));
        readable(QPalette::HighlightedText, QPalette::Highlight);
        // A theme may leave the alternate rows light under light text.
        if (contrastRatio(own.color(group, QPalette::Text), own.color(group, QPalette::AlternateBase)) < kLeastContrast) {
            own.setColor(group, QPalette::AlternateBase, own.color(group, QPalette::Base));
        }
        own.setColor(group, QPalette::PlaceholderText,
                     dimmedOn(own.color(group, QPalette::Text), own.color(group, QPalette::Base)));
    }
    window.setPalette(own);
}

void dimText(QWidget& box, bool dimmed) { box.setPalette(controlColours(QGuiApplication::palette(), dimmed)); }

}  // namespace calcora
