// SPDX-License-Identifier: MIT
#pragma once
// What the window holds between commands, without its widgets: the five box
// texts as UTF-8, the mode and the count of the e series. A command maps one
// such state to the next (commands.h).

#include <cstdint>
#include <optional>
#include <string>

namespace calcora::core {

enum class Mode { VeryHighPrecision, HighPrecision };

// The boxes a command may give the focus to.
enum class Box { Num1, Num2, Result };

struct WindowState {
    std::string num1;     // txtNum1
    std::string num2;     // txtNum2
    std::string result;   // txtResult
    std::string memory;   // txtMem
    std::string sigFigs;  // txtSigFigs
    Mode mode = Mode::VeryHighPrecision;
    std::int16_t macroCount = 0;  // terms of the e series counted so far

    [[nodiscard]] bool highPrecision() const { return mode == Mode::HighPrecision; }
    bool operator==(const WindowState&) const = default;
};

// A command's effect: the state after it, whether it wrote txtResult (even
// with the text it held), the message to show before the new state stands
// (empty for none), and the box to give the focus to, if any.
struct Outcome {
    WindowState state;
    bool resultWritten = false;
    std::string message;
    std::optional<Box> focus;
};

}  // namespace calcora::core
