// SPDX-License-Identifier: MIT
#pragma once
// Divide's work, shared with the e series.

#include "core/window_state.h"

namespace calcora::core {

// txtNum1 ÷ txtNum2 into txtResult, after the setting is corrected. A term of
// the e series (seriesTerm) keeps the fixed decimal's quotient even where it
// has fewer than 15 figures, so the series is summed in its 28 places.
[[nodiscard]] Outcome divideBoxes(const WindowState& before, bool seriesTerm);

}  // namespace calcora::core
