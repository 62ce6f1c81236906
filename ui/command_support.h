// SPDX-License-Identifier: MIT
#pragma once
// What every command handler needs between the boxes and the arithmetic: box
// texts cross to the engine and back as UTF-8, every box is read as a number
// by the engine's one reading, no computed text is longer than the engine
// reads, a computation that fails leaves one fixed text in txtResult, and the
// engine's one message reaches the user through the window's showMessage
// seam.

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "engine/limits.h"
#include "fixeddec/failure.h"
#include "ui/frmNumora.h"

namespace calcora {

// A box text as the engine reads it. A character the engine cannot read as a
// digit makes it fail with NotANumber, so nothing is lost by the encoding.
[[nodiscard]] inline std::string engineText(const QString& text) { return text.toStdString(); }

[[nodiscard]] inline QString boxText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The number string a box holds (plainNumber): "" for an empty box,
// NotANumber for a text that is no number, ArithmeticOverflow for one too
// long to compute with.
[[nodiscard]] inline std::string numberIn(const QLineEdit& box) { return plainNumber(engineText(box.text())); }

// Whether a number string (numberIn's result) has the value zero: no digit
// 1 to 9 ("", "-0", "0.00").
[[nodiscard]] inline bool isZeroValue(std::string_view number) {
    return number.find_first_of("123456789") == std::string_view::npos;
}

// ArithmeticOverflow for a computed text longer than the engine's 32,767
// characters: whatever a computation leaves in txtResult or txtMem, every
// command must be able to read back.
inline void requireReadableBack(const QString& text) {
    if (text.size() > limits::kMaxCount) limits::failTooLong("a computed text");
}

// The text a failed computation leaves in txtResult: no number is
// kNumericInputRequired, a value or length beyond range the overflow text, a
// zero divisor kDivideByZero.
[[nodiscard]] inline QString failureText(const Failure& failure) {
    if (dynamic_cast<const ArithmeticOverflow*>(&failure)) return boxText(kPowerOverflowText);
    if (dynamic_cast<const DivisionByZero*>(&failure)) return QString::fromLatin1(kDivideByZero);
    return QString::fromLatin1(kNumericInputRequired);
}

// The text that `compute` returns, or failureText of its failure. The caller
// writes it into txtResult as its last step, so a failed command shows no
// partial result and never leaves an earlier answer standing.
template <typename Compute>
[[nodiscard]] QString resultOrFailureText(Compute&& compute) {
    try {
        return boxText(compute());
    } catch (const Failure& failure) {
        return failureText(failure);
    }
}

// Hands the engine's messages to the window's showMessage seam as it stands
// when the message comes (tests replace the seam after construction).
[[nodiscard]] inline MessageSink messageSinkOf(const frmNumora& window) {
    return [&window](std::string_view message) {
        if (window.showMessage) window.showMessage(boxText(message));
    };
}

}  // namespace calcora
