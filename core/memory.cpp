// SPDX-License-Identifier: MIT
// The memory register txtMem: M+, M-, MR1, MR2 and MC. The sums always use the
// exact string arithmetic, so the memory keeps every digit in both modes, and
// only numbers go into it: when the result or the memory holds none, or what
// would go in is too long to read back, the memory keeps its text and
// txtResult says why.
#include <string>

#include "core/command_steps.h"
#include "core/commands.h"
#include "engine/engine.h"

namespace calcora::core {
namespace {

// The box read as a number that is there: NotANumber for an empty box.
std::string presentNumberIn(const std::string& text) {
    std::string number = numberIn(text);
    if (number.empty()) throw NotANumber("the box is empty");
    return number;
}

// The state with a new memory, or with txtResult saying why it cannot have it.
template <typename NewMemory>
Outcome stored(const WindowState& before, NewMemory&& newMemory) {
    try {
        WindowState state = before;
        state.memory = newMemory();
        requireReadableBack(state.memory);
        return {std::move(state), false, {}, {}};
    } catch (const Failure& failure) {
        return failed(before, failure);
    }
}

}  // namespace

Outcome memoryPlus(const WindowState& before) {
    return stored(before, [&] {
        // Into an empty memory a number goes as shown, an empty result as
        // nothing; otherwise an empty result adds zero.
        if (before.memory.empty()) {
            if (!before.result.empty()) static_cast<void>(presentNumberIn(before.result));
            return before.result;
        }
        return exactSumOrDifference("+", numberIn(before.memory), numberIn(before.result));
    });
}

Outcome memoryMinus(const WindowState& before) {
    if (before.result.empty()) return {before, false, {}, {}};
    return stored(before, [&] {
        const std::string result = presentNumberIn(before.result);
        // Memory minus result, never the reverse.
        if (!before.memory.empty()) return exactSumOrDifference("-", numberIn(before.memory), result);
        // An empty memory receives the negated result: "-5" becomes "5", and a
        // 32,767-character positive one would grow past what can be read back.
        return result.front() == '-' ? result.substr(1) : "-" + result;
    });
}

Outcome memoryRecall1(const WindowState& before) {
    Outcome outcome{before, false, {}, {}};
    outcome.state.num1 = before.memory;
    return outcome;
}

Outcome memoryRecall2(const WindowState& before) {
    Outcome outcome{before, false, {}, {}};
    outcome.state.num2 = before.memory;
    return outcome;
}

Outcome memoryClear(const WindowState& before) {
    Outcome outcome{before, false, {}, {}};
    outcome.state.memory.clear();
    outcome.state.macroCount = 0;
    return outcome;
}

}  // namespace calcora::core
