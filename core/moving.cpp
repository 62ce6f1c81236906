// SPDX-License-Identifier: MIT
// Shift, move, swap and clear: the commands that move box texts without
// computing. They never check or change what a text says.
#include "core/commands.h"

namespace calcora::core {
namespace {

Outcome moved(WindowState state, std::optional<Box> focus) { return {std::move(state), false, {}, focus}; }

}  // namespace

// With a result: it becomes the first operand, ready for the second. Without
// one, a first press copies the first operand down and a second empties it.
Outcome shiftResultTo1(const WindowState& before) {
    WindowState state = before;
    if (!state.result.empty()) {
        state.num1 = std::move(state.result);
        state.result.clear();
        return moved(std::move(state), Box::Num2);
    }
    if (state.num1 != state.num2) {
        state.num2 = state.num1;
    } else {
        state.num1.clear();
    }
    return moved(std::move(state), Box::Num1);
}

Outcome shiftResultTo2(const WindowState& before) {
    WindowState state = before;
    if (!state.result.empty()) {
        state.num2 = std::move(state.result);
        state.result.clear();
    }
    return moved(std::move(state), std::nullopt);
}

Outcome moveUp(const WindowState& before) {
    WindowState state = before;
    state.num1 = std::move(state.num2);
    state.num2.clear();
    return moved(std::move(state), Box::Num2);
}

Outcome moveDown(const WindowState& before) {
    WindowState state = before;
    state.num2 = std::move(state.num1);
    state.num1.clear();
    return moved(std::move(state), Box::Num1);
}

Outcome swapNumbers(const WindowState& before) {
    WindowState state = before;
    std::swap(state.num1, state.num2);
    return moved(std::move(state), Box::Num2);
}

// Every clear restarts the e series; the memory, the setting and the mode stay.
Outcome clearFirst(const WindowState& before) {
    WindowState state = before;
    state.num1.clear();
    state.macroCount = 0;
    return moved(std::move(state), Box::Num1);
}

Outcome clearSecond(const WindowState& before) {
    WindowState state = before;
    state.num2.clear();
    state.macroCount = 0;
    return moved(std::move(state), Box::Num2);
}

Outcome clearResult(const WindowState& before) {
    WindowState state = before;
    state.result.clear();
    state.macroCount = 0;
    return moved(std::move(state), Box::Result);
}

Outcome clearAll(const WindowState& before) {
    WindowState state = before;
    state.num1.clear();
    state.num2.clear();
    state.result.clear();
    state.macroCount = 0;
    return moved(std::move(state), Box::Num1);
}

}  // namespace calcora::core
