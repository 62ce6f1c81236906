// SPDX-License-Identifier: MIT
// The significant-figure setting txtSigFigs, brought into 30..500 by the
// commands that need it.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <optional>

#include "fixeddec/fixeddec.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

// At least one digit more than the 29 of "High Precision"; at most as many as
// keep a division short (each digit costs up to ten subtractions).
constexpr int kFewestSigFigs = 30;
constexpr int kMostSigFigs = 500;

// The setting's integer part, rounded down, or nothing when the box holds no
// number (empty, letters, beyond a double's range).
std::optional<double> settingValue(const QLineEdit& box) {
    try {
        return std::floor(textToDouble(engineText(box.text())));
    } catch (const Failure&) {
        return std::nullopt;
    }
}

}  // namespace

bool frmNumora::correctSigFigs() {
    const std::optional<double> setting = settingValue(*txtSigFigs);
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
    const double setting = settingValue(*txtSigFigs).value_or(kFewestSigFigs);
    return static_cast<std::int16_t>(std::clamp<double>(setting, kFewestSigFigs, kMostSigFigs));
}

}  // namespace calcora
