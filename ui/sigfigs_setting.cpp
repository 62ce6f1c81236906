// SPDX-License-Identifier: MIT
// The significant-figure setting txtSigFigs, brought into 30..500 by the
// commands that need it. It is read as every box is read (engine.h), so
// "\t60", "4 5" and "4.5E1" are settings like "60", "45" and "45".
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>

#include "engine/engine.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// At least one digit more than the 29 of "High Precision"; at most as many as
// keep a division short (each digit costs up to ten subtractions).
constexpr std::int16_t kFewestSigFigs = 30;
constexpr std::int16_t kMostSigFigs = 500;

// The setting's integer part, rounded down; a value below 30 reads as 29 and
// one above 500 as 501, however far out (a 400-digit or a "1e400" setting).
// Nothing when the box holds no number (empty, letters).
std::optional<std::int16_t> settingValue(const QLineEdit& box) {
    try {
        return wholeValueWithin(engineText(box.text()), kFewestSigFigs - 1, kMostSigFigs + 1);
    } catch (const NotANumber&) {
        return std::nullopt;
    }
}

}  // namespace

bool frmNumora::correctSigFigs() {
    const std::optional<std::int16_t> setting = settingValue(*txtSigFigs);
    if (!setting) {
        setResult(QString::fromLatin1(kSigFigsNotANumber));
        return false;
    }
    if (*setting < kFewestSigFigs) txtSigFigs->setText(QString::number(kFewestSigFigs));
    // Read again: the box may have changed just now.
    if (settingValue(*txtSigFigs).value_or(kFewestSigFigs) > kMostSigFigs) {
        txtSigFigs->setText(QString::number(kMostSigFigs));
    }
    return true;
}

std::int16_t frmNumora::sigFigsCount() const {
    return std::clamp(settingValue(*txtSigFigs).value_or(kFewestSigFigs), kFewestSigFigs, kMostSigFigs);
}

}  // namespace calcora
