// SPDX-License-Identifier: MIT
#pragma once
// Drives a real frmNumora in a test: controls found by object name, texts set
// and read, buttons clicked, the mode chosen, and the messages the window
// shows caught through its showMessage seam instead of a blocking box.
// ShownWindowDriver is the same with the window on screen and active.

#include <QApplication>
#include <QColor>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QKeyCombination>
#include <QTest>
#include <QWidget>
#include <QtGlobal>
#include <algorithm>
#include <functional>
#include <cmath>

#include "ui/frmNumora.h"

// The fixed texts the window writes into txtResult instead of an answer, the
// note on a result of earlier boxes, and the division's one message, spelled
// out as the user reads them.
namespace window_text {
inline const QString kNumericInputRequired = QStringLiteral("Error - numeric input required");
inline const QString kTooBig = QStringLiteral("Overflow error - numbers too big for this operation");
inline const QString kDivideByZero = QStringLiteral("Divide by zero error");
inline const QString kSettingNotANumber = QStringLiteral("Error - significant figures must be a number");
inline const QString kInputMustBeNumeric = QStringLiteral("Error - input must be numeric");
inline const QString kNotNegative = QStringLiteral("Error - input must not be negative");
inline const QString kExponentNeeded = QStringLiteral("Error - exponent needed");
inline const QString kFactorialTooLarge = QStringLiteral("Factorials greater than 1000! are not allowed");
inline const QString kIntegerNeeded = QStringLiteral("Error - input must be an integer number <= 1000");
inline const QString kWholeNumber = QStringLiteral("Error - input must be a whole number from 0 to 1000");
inline const QString kHpFactorialOverflow =
    QStringLiteral("Overflow error - 170! is the largest possible in High Precision Mode");
// The result box's tool tip and accessible description while its result
// answers earlier boxes.
inline const QString kEarlierResult = QStringLiteral("Result of earlier numbers; press a command to update");
inline const QString kNumeratorTooLong = QStringLiteral(
    "The numerator must be no longer than the number of significant figures used + 1. To use this "
    "numerator, please increase the number significant figures.");
}  // namespace window_text

// WCAG 2 contrast ratio of two colours, worked out here apart from the
// window's own.
inline double wcagContrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class WindowDriver {
public:
    WindowDriver() {
        window.showMessage = [this](const QString& text) { messages << text; };
    }

    template <class Control>
    Control* control(const QString& name) {
        const auto found = window.findChildren<Control*>(name);
        if (found.size() != 1) qFatal("expected one control named %s", qPrintable(name));
        return found.front();
    }
    QLineEdit* box(const QString& name) { return control<QLineEdit>(name); }
    QString text(const QString& name) { return box(name)->text(); }
    void setText(const QString& name, const QString& text) { box(name)->setText(text); }
    void click(const QString& name) { control<QPushButton>(name)->click(); }
    // From here on, the object name of every button clicked, by whatever
    // means, is appended to clicked.
    void recordClicks() {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            QObject::connect(button, &QPushButton::clicked, &window,
                             [this, button] { clicked << button->objectName(); });
        }
    }
    // The web link does nothing: no browser starts in a test.
    void disableWebLink() {
        window.programExists = [](const QString&) { return false; };
        window.startProgram = [](const QString&, const QString&) { return false; };
        window.openUrl = [](const QString&, const std::function<void(bool)>& opened) { opened(true); };
    }
    void selectHighPrecision(bool highPrecision) {
        control<QRadioButton>(highPrecision ? QStringLiteral("OptHP") : QStringLiteral("optVHP"))
            ->setChecked(true);
    }

    calcora::frmNumora window;
    QStringList messages;
    QStringList clicked;
};

// The driver with the window shown and activated, so that the focus can be
// observed, and buttons clicked with the mouse as a user clicks them (which
// moves the focus to the button first).
class ShownWindowDriver : public WindowDriver {
public:
    ShownWindowDriver() {
        window.show();
        window.activateWindow();
    }
    // Waits until the window is active; false if it never becomes so.
    bool active() { return QTest::qWaitForWindowActive(&window); }
    void click(const QString& name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    // The object name of the widget with the focus, "(none)" if none has it.
    static QString focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QStringLiteral("(none)");
    }
    QRadioButton* option(bool highPrecision) {
        return control<QRadioButton>(highPrecision ? QStringLiteral("OptHP") : QStringLiteral("optVHP"));
    }
    void selectMode(bool highPrecision) { selectHighPrecision(highPrecision); }
    // A key pressed and released on the window as a user presses it, with
    // whatever widget has the focus.
    void press(QKeyCombination key) { QTest::keyClick(&window, key.key(), key.keyboardModifiers()); }
    // The same on one control, the way typing into a box arrives.
    void pressIn(const QString& name, QKeyCombination key) {
        QTest::keyClick(control<QWidget>(name), key.key(), key.keyboardModifiers());
    }
};
