// SPDX-License-Identifier: MIT
#pragma once
// Undo and redo of commands without widgets: each command that changed
// something is a step from the state before it to the state after it. Undo
// takes the latest step back and keeps it for redo; redo takes it forward
// again; a new step drops the steps kept for redo. At most depth() steps are
// kept: one more drops the oldest.
//
// State is what a step goes between (the window keeps core::WindowState and
// what its result answers); it needs ==, by which a command that changed
// nothing is told apart.

#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace calcora::core {

template <class State>
class UndoHistory {
public:
    // The steps kept unless told otherwise.
    static constexpr std::size_t kDefaultDepth = 100;

    struct Step {
        std::string command;  // what ran, as the caller names it ("cmdAdd")
        State before;
        State after;
    };

    // A depth of 0 is taken as 1.
    explicit UndoHistory(std::size_t depth = kDefaultDepth) : depth_(depth == 0 ? 1 : depth) {}

    // The command named command took the window from before to after. A
    // command that changed nothing (before == after) adds no step and leaves
    // the history as it was, its redo steps included; any other drops the
    // redo steps, becomes the latest step, and past depth() drops the
    // oldest. Returns whether it added a step.
    bool record(std::string command, State before, State after) {
        if (before == after) return false;
        redo_.clear();
        undo_.push_back(Step{std::move(command), std::move(before), std::move(after)});
        if (undo_.size() > depth_) undo_.pop_front();
        return true;
    }

    // The latest step, now kept for redo: put back its before. Null when
    // there is nothing to undo. The step stays valid until the history
    // changes again.
    const Step* undo() {
        if (undo_.empty()) return nullptr;
        redo_.push_back(std::move(undo_.back()));
        undo_.pop_back();
        return &redo_.back();
    }

    // The step last undone, now the latest step again: put back its after.
    // Null when there is nothing to redo. Valid as undo()'s.
    const Step* redo() {
        if (redo_.empty()) return nullptr;
        undo_.push_back(std::move(redo_.back()));
        redo_.pop_back();
        return &undo_.back();
    }

    [[nodiscard]] bool canUndo() const { return !undo_.empty(); }
    [[nodiscard]] bool canRedo() const { return !redo_.empty(); }
    [[nodiscard]] std::size_t undoSteps() const { return undo_.size(); }
    [[nodiscard]] std::size_t redoSteps() const { return redo_.size(); }
    [[nodiscard]] std::size_t depth() const { return depth_; }

    // The step that undo() would take back, or null.
    [[nodiscard]] const Step* nextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    // The step that redo() would take forward, or null.
    [[nodiscard]] const Step* nextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }

private:
    std::size_t depth_;
    std::deque<Step> undo_;  // oldest first
    std::vector<Step> redo_;  // the step undone last is last
};

}  // namespace calcora::core
