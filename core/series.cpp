// SPDX-License-Identifier: MIT
// pi and the e series.
#include <limits>
#include <string>

#include "core/command_steps.h"
#include "core/commands.h"
#include "core/divide_boxes.h"
#include "core/texts.h"

namespace calcora::core {
namespace {

// Pi rounded to what the fixed decimal holds: 29 significant digits.
constexpr const char* kPiHighPrecision = "3.1415926535897932384626433833";
// Pi to 50 significant digits, whatever the significant-figure setting.
constexpr const char* kPiVeryHighPrecision = "3.1415926535897932384626433832795028841971693993751";

}  // namespace

Outcome pi(const WindowState& before) {
    Outcome outcome{before, false, {}, Box::Num2};
    outcome.state.num1 = before.highPrecision() ? kPiHighPrecision : kPiVeryHighPrecision;
    return outcome;
}

// Each click divides, adds and shifts as Divide, M+ and "Shift Result to 1"
// do (only the divide keeps the fixed decimal's quotient, however few
// figures it has). When the divide or M+ reports a failure, the click ends
// with its text standing and the term not counted, so the next click
// divides the same term again.
Outcome nextSeriesTerm(const WindowState& before) {
    // The term count is 16-bit: once it is full, no further term can be counted.
    if (before.macroCount == std::numeric_limits<std::int16_t>::max()) return withResult(before, kOverflowText);

    // Every term is computed in the fixed decimal, and the mode stays switched.
    WindowState state = before;
    state.mode = Mode::HighPrecision;
    const auto count = static_cast<std::int16_t>(state.macroCount + 1);
    if (state.macroCount == 0) {
        // The first term is 1, and so is the sum so far.
        state.num1 = std::to_string(1);
        state.memory = state.num1;
    }
    state.num2 = std::to_string(count);

    const Outcome divided = divideBoxes(state, true);
    if (!isNumberText(divided.state.result)) return divided;
    const std::string term = divided.state.result;
    Outcome added = memoryPlus(divided.state);
    added.resultWritten = true;
    if (added.state.result != term) return added;

    Outcome shifted = shiftResultTo1(added.state);
    shifted.resultWritten = true;
    shifted.state.macroCount = count;
    shifted.state.num2 = std::to_string(count);
    return shifted;
}

}  // namespace calcora::core
