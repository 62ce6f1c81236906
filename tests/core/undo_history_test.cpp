// SPDX-License-Identifier: MIT
// Undo and redo without the window: each row a run of commands, undos and
// redos, and the state put back by each undo or redo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/undo_history.h"
#include "core/window_state.h"

namespace calcora::core {
namespace {

// The state here is a number: command n takes it from the number before to n.
using History = UndoHistory<int>;

// One action of a row: 'c' a command to the value, 'u' an undo, 'r' a redo.
// For an undo or redo, value is the state it puts back, or -1 for none.
struct Action {
    char what;
    int value;
};

struct Row {
    const char* name;
    std::vector<Action> actions;
    std::size_t undoSteps;  // after the last action
    std::size_t redoSteps;
};

TEST(UndoHistory, UndoAndRedoPutBackTheStates) {
    const std::vector<Row> rows = {
        {"nothing to undo or redo at first", {{'u', -1}, {'r', -1}}, 0, 0},
        {"an undo puts back the state before", {{'c', 1}, {'u', 0}}, 0, 1},
        {"a redo the state after", {{'c', 1}, {'u', 0}, {'r', 1}}, 1, 0},
        {"undos walk back one step at a time", {{'c', 1}, {'c', 2}, {'c', 3}, {'u', 2}, {'u', 1}, {'u', 0}, {'u', -1}},
         0, 3},
        {"redos walk forward again", {{'c', 1}, {'c', 2}, {'u', 1}, {'u', 0}, {'r', 1}, {'r', 2}, {'r', -1}}, 2, 0},
        {"a new command drops the redo steps", {{'c', 1}, {'c', 2}, {'u', 1}, {'c', 5}, {'r', -1}, {'u', 1}}, 1, 1},
        {"a command that changed nothing adds no step", {{'c', 1}, {'c', 1}, {'u', 0}, {'u', -1}}, 0, 1},
        {"and keeps the redo steps", {{'c', 1}, {'c', 2}, {'u', 1}, {'c', 1}, {'r', 2}}, 2, 0},
        {"a command back to an earlier state is a step", {{'c', 1}, {'c', 0}, {'u', 1}, {'u', 0}}, 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        History history;
        int state = 0;
        for (const Action& action : row.actions) {
            if (action.what == 'c') {
                history.record("command", state, action.value);
                state = action.value;
                continue;
            }
            const History::Step* step = action.what == 'u' ? history.undo() : history.redo();
            if (action.value < 0) {
                EXPECT_EQ(step, nullptr);
                continue;
            }
            ASSERT_NE(step, nullptr);
            state = action.what == 'u' ? step->before : step->after;
            EXPECT_EQ(state, action.value);
        }
        EXPECT_EQ(history.undoSteps(), row.undoSteps);
        EXPECT_EQ(history.redoSteps(), row.redoSteps);
        EXPECT_EQ(history.canUndo(), row.undoSteps > 0);
        EXPECT_EQ(history.canRedo(), row.redoSteps > 0);
    }
}

TEST(UndoHistory, KeepsTheLatestHundredSteps) {
    History history;
    ASSERT_EQ(history.depth(), 100U);
    for (int n = 1; n <= 101; ++n) EXPECT_TRUE(history.record("command", n - 1, n));
    EXPECT_EQ(history.undoSteps(), 100U);
    int state = 101;
    while (const History::Step* step = history.undo()) state = step->before;
    // The first command's step is gone: back to its after, not before it.
    EXPECT_EQ(state, 1);
    EXPECT_EQ(history.redoSteps(), 100U);
    while (const History::Step* step = history.redo()) state = step->after;
    EXPECT_EQ(state, 101);
}

TEST(UndoHistory, DepthOfItsOwn) {
    UndoHistory<int> history(3);
    for (int n = 1; n <= 5; ++n) history.record("command", n - 1, n);
    EXPECT_EQ(history.undoSteps(), 3U);
    EXPECT_EQ(history.nextUndo()->before, 4);
    EXPECT_EQ(UndoHistory<int>(0).depth(), 1U);
}

TEST(UndoHistory, StepsNameTheirCommand) {
    History history;
    history.record("cmdAdd", 0, 1);
    history.record("cmdShftUp", 1, 2);
    EXPECT_EQ(history.nextUndo()->command, "cmdShftUp");
    EXPECT_EQ(history.nextRedo(), nullptr);
    EXPECT_EQ(history.undo()->command, "cmdShftUp");
    EXPECT_EQ(history.nextUndo()->command, "cmdAdd");
    EXPECT_EQ(history.nextRedo()->command, "cmdShftUp");
}

// The window's state: any box, the memory, the mode, the setting or the
// e-series count changed makes a step; the same state again none.
TEST(UndoHistory, WindowStatesTellAChange) {
    WindowState start;
    start.num1 = "1";
    start.num2 = "2";
    start.sigFigs = "50";
    std::vector<WindowState> changed(7, start);
    changed[0].num1 = "2";
    changed[1].num2 = "3";
    changed[2].result = "3";
    changed[3].memory = "3";
    changed[4].sigFigs = "60";
    changed[5].mode = Mode::HighPrecision;
    changed[6].macroCount = 1;
    UndoHistory<WindowState> history;
    EXPECT_FALSE(history.record("cmdClr3", start, start));
    for (const WindowState& after : changed) EXPECT_TRUE(history.record("command", start, after));
    EXPECT_EQ(history.undoSteps(), changed.size());
    EXPECT_EQ(history.undo()->after.macroCount, 1);
}

}  // namespace
}  // namespace calcora::core
