#pragma once
// What every command handler needs between the boxes and the arithmetic: box
// texts cross to the engine and back as UTF-8, a computation that fails ends
// the command with every box as it was, and the engine's one message reaches
// the user through the window's showMessage seam.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fixeddec/failure.h"
#include "ui/frmNumora.h"

namespace calcora {

// A box text as the engine reads it. A character the engine cannot read as a
// digit makes it fail with NotANumber, so nothing is lost by the encoding.
inline std::string toUtf8(const QString& text) { return text.toStdString(); }

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text that `compute` returns, or nothing when it fails with a Failure.
// The caller writes the text into txtResult as its last step, so a failed
// command leaves every box untouched.
template <typename Compute>
std::optional<QString> resultUnlessFailure(Compute&& compute) {
    try {
        return fromUtf8(compute());
    } catch (const Failure&) {
        return std::nullopt;
    }
}

// Hands the engine's messages to the window's showMessage seam as it stands
// when the message comes (tests replace the seam after construction).
inline MessageSink messageSinkOf(const frmNumora& window) {
    return [&window](std::string_view message) {
        if (window.showMessage) window.showMessage(fromUtf8(message));
    };
}

}  // namespace calcora
