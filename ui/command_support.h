// SPDX-License-Identifier: MIT
#pragma once
// Box texts cross to the command core and the engine and back as UTF-8.

#include <QString>
#include <string>
#include <string_view>

namespace calcora {

// A box text as the engine reads it. A character the engine cannot read as a
// digit makes it fail with NotANumber, so nothing is lost by the encoding.
[[nodiscard]] inline std::string engineText(const QString& text) { return text.toStdString(); }

[[nodiscard]] inline QString boxText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace calcora
