// SPDX-License-Identifier: MIT
#pragma once
// The window's commands without the window: each maps the state before the
// click to its Outcome. The computing commands always write txtResult, with
// the answer to the boxes as they stand or a fixed text (texts.h); no
// command fails, and none leaves a text longer than 32,767 characters in
// txtResult or txtMem. Copy, Paste and the web link need the desktop and stay
// with the window.

#include "core/window_state.h"

namespace calcora::core {

// ---- Arithmetic (Add, Subtract, Multiply, Divide, 1/x) ----
// "Very High Precision" exact (Divide and 1/x truncated to the setting's
// figures); "High Precision" in the fixed decimal, Multiply and Divide
// falling back to the exact result rounded once to 15 figures.
[[nodiscard]] Outcome add(const WindowState& before);
[[nodiscard]] Outcome subtract(const WindowState& before);
[[nodiscard]] Outcome multiply(const WindowState& before);
[[nodiscard]] Outcome divide(const WindowState& before);
[[nodiscard]] Outcome reciprocal(const WindowState& before);

// ---- Sq Rt, ^ Exp, x ! ----
[[nodiscard]] Outcome squareRoot(const WindowState& before);
[[nodiscard]] Outcome power(const WindowState& before);
[[nodiscard]] Outcome factorial(const WindowState& before);

// ---- pi and the e series ----
[[nodiscard]] Outcome pi(const WindowState& before);
// One more term of 1 + 1/1! + 1/2! + …: txtNum1 holds the last term, txtNum2
// its index and txtMem the sum; the mode becomes "High Precision".
[[nodiscard]] Outcome nextSeriesTerm(const WindowState& before);

// ---- Memory: M+, M-, MR1, MR2, MC ----
[[nodiscard]] Outcome memoryPlus(const WindowState& before);
[[nodiscard]] Outcome memoryMinus(const WindowState& before);
[[nodiscard]] Outcome memoryRecall1(const WindowState& before);
[[nodiscard]] Outcome memoryRecall2(const WindowState& before);
[[nodiscard]] Outcome memoryClear(const WindowState& before);

// ---- Moving and clearing: Shift Result to 1 and 2, U, D, S, the Clears, C ----
[[nodiscard]] Outcome shiftResultTo1(const WindowState& before);
[[nodiscard]] Outcome shiftResultTo2(const WindowState& before);
[[nodiscard]] Outcome moveUp(const WindowState& before);
[[nodiscard]] Outcome moveDown(const WindowState& before);
[[nodiscard]] Outcome swapNumbers(const WindowState& before);
[[nodiscard]] Outcome clearFirst(const WindowState& before);
[[nodiscard]] Outcome clearSecond(const WindowState& before);
[[nodiscard]] Outcome clearResult(const WindowState& before);
[[nodiscard]] Outcome clearAll(const WindowState& before);

}  // namespace calcora::core
