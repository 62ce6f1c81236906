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

void dimText(QWidget& box, bool dimmed) { box.setPalette(controlColours(QGuiApplication::palette(), dimmed)); }

}  // namespace calcora
