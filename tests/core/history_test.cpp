// SPDX-License-Identifier: MIT
// The history without the window: what an entry holds for each kind of
// command, the bound of 64 MB that keeps at least 500 entries and drops the
// oldest, and the saved text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands.h"
#include "core/history.h"
#include "core/texts.h"

namespace calcora::core {
namespace {

WindowState boxes(std::string num1, std::string num2, std::string result = "", std::string memory = "") {
    WindowState state;
    state.num1 = std::move(num1);
    state.num2 = std::move(num2);
    state.result = std::move(result);
    state.memory = std::move(memory);
    state.sigFigs = "50";
    return state;
}

std::vector<LabelledText> texts(std::initializer_list<std::pair<const char*, std::string>> pairs) {
    std::vector<LabelledText> out;
    for (const auto& [label, text] : pairs) out.push_back({label, text, 0});
    return out;
}

TEST(History, AnEntryHoldsTheOperandsAsReadAndTheResult) {
    const WindowState before = boxes("2", "3");
    const HistoryEntry sum = entryOf("cmdAdd", "Add", before, add(before).state);
    EXPECT_EQ(sum.command, "Add");
    EXPECT_EQ(sum.mode, Mode::VeryHighPrecision);
    EXPECT_EQ(sum.setting.text, "50");
    EXPECT_EQ(sum.operands, texts({{"First number", "2"}, {"Second number", "3"}}));
    EXPECT_EQ(sum.result, (LabelledText{"Result", "5", 0}));

    const WindowState root = boxes("-4", "9");
    const HistoryEntry failed = entryOf("cmdSqRt", "Sq Rt", root, squareRoot(root).state);
    EXPECT_EQ(failed.operands, texts({{"First number", "-4"}}));
    EXPECT_EQ(failed.result, (LabelledText{"Error", kInputMustNotBeNegative, 0}));

    const WindowState memory = boxes("", "", "x", "5");
    const HistoryEntry plus = entryOf("cmdMemPlus", "M+", memory, memoryPlus(memory).state);
    EXPECT_EQ(plus.operands, texts({{"Result", "x"}, {"Memory", "5"}}));
    EXPECT_EQ(plus.result.label, "Error");
}

TEST(History, TheSeriesTermAndTheMemoryItWrote) {
    WindowState before = boxes("7", "8", "", "9");
    const Outcome first = nextSeriesTerm(before);
    const HistoryEntry entry = entryOf("cmdMacro", "e-macro", before, first.state);
    EXPECT_EQ(entry.mode, Mode::HighPrecision);
    EXPECT_EQ(entry.operands, texts({{"Term", "1"}, {"Index", "1"}, {"Memory", "1"}}));
    EXPECT_EQ(entry.result, (LabelledText{"Result", "1", 0}));
    EXPECT_EQ(entry.alsoWritten, texts({{"Memory after", "2"}}));
    const Outcome second = nextSeriesTerm(first.state);
    const HistoryEntry next = entryOf("cmdMacro", "e-macro", first.state, second.state);
    EXPECT_EQ(next.operands, texts({{"Term", "1"}, {"Index", "2"}, {"Memory", "2"}}));
    EXPECT_EQ(next.result.text, ".5");
    EXPECT_EQ(next.alsoWritten, texts({{"Memory after", "2.5"}}));
}

// Entries as large as the commands make them: two operands and a result of
// 32,767 digits each.
HistoryEntry largest() {
    const std::string digits(32767, '9');
    return entryOf("cmdAdd", "Add", boxes(digits, digits), boxes(digits, digits, digits));
}

TEST(History, AtLeast500EntriesWithinAtMost64MB) {
    static_assert(History::kLeastEntries * History::kMostEntryBytes <= History::kMostBytes);
    EXPECT_LE(bytesOf(largest()), History::kMostEntryBytes);
    History history;
    const HistoryEntry entry = largest();
    std::size_t dropped = 0;
    for (int i = 0; i < 800; ++i) dropped += history.add(entry);
    EXPECT_GE(history.entries().size(), History::kLeastEntries);
    EXPECT_LE(history.bytes(), History::kMostBytes);
    EXPECT_EQ(history.dropped(), dropped);
    EXPECT_EQ(history.entries().size() + dropped, 800u);
    // The oldest went: the entries left are the newest, in order.
    EXPECT_EQ(history.entries().back().number, 800u);
    EXPECT_EQ(history.entries().front().number, 800u - history.entries().size() + 1);
    // Whole, every digit.
    EXPECT_EQ(history.entries().back().result.text, std::string(32767, '9'));
    EXPECT_FALSE(history.entries().back().result.cut());
}

TEST(History, AnEntryFarBeyondTheEngineIsCutToItsShare) {
    // A million-character paste into the first number: the sum is refused,
    // and the entry keeps the paste's leading characters.
    const std::string paste(1000000, '1');
    const WindowState before = boxes(paste, "2");
    History history;
    history.add(entryOf("cmdAdd", "Add", before, add(before).state));
    const HistoryEntry& entry = history.entries().back();
    EXPECT_LE(bytesOf(entry), History::kMostEntryBytes);
    EXPECT_TRUE(entry.operands[0].cut());
    EXPECT_EQ(entry.operands[0].cutFrom, 1000000u);
    EXPECT_EQ(entry.operands[1].text, "2");
    EXPECT_EQ(entry.result.text, kOverflowText);
}

TEST(History, SavedAsLabelledLinesOldestFirst) {
    History history;
    const WindowState sum = boxes("2", "3");
    history.add(entryOf("cmdAdd", "Add", sum, add(sum).state));
    WindowState quotient = boxes("1", "0");
    quotient.mode = Mode::HighPrecision;
    history.add(entryOf("cmdDivide", "Divide", quotient, divide(quotient).state));
    std::string saved;
    writeHistory(history, "Calcora 1.2.0", [&](std::string_view piece) { saved += piece; });
    EXPECT_EQ(saved,
              "Calcora 1.2.0: history of calculations\n"
              "2 entries, oldest first.\n"
              "\n"
              "Entry 1: Add\n"
              "Mode: Very High Precision\n"
              "Significant figures in VHP: 50\n"
              "First number: 2\n"
              "Second number: 3\n"
              "Result: 5\n"
              "\n"
              "Entry 2: Divide\n"
              "Mode: High Precision\n"
              "Significant figures in VHP: 50\n"
              "First number: 1\n"
              "Second number: 0\n"
              "Error: Divide by zero error\n");
}

TEST(History, TheSavedTextTellsOfDroppedAndCutTexts) {
    History history;
    const std::string paste(200000, '1');
    const WindowState before = boxes(paste, "");
    history.add(entryOf("cmdFac", "x !", before, factorial(before).state));
    history.dropOldest(0);
    std::string saved;
    writeHistory(history, "Calcora", [&](std::string_view piece) { saved += piece; });
    EXPECT_NE(saved.find("First number (the first "), std::string::npos);
    EXPECT_NE(saved.find(" of 200,000 characters; the rest was not kept): 111"), std::string::npos);

    History full;
    for (int i = 0; i < 700; ++i) full.add(largest());
    saved.clear();
    writeHistory(full, "Calcora", [&](std::string_view piece) { saved += piece; });
    const std::string heading = saved.substr(0, saved.find("\n\nEntry"));
    EXPECT_EQ(heading, "Calcora: history of calculations\n" + std::to_string(full.entries().size()) +
                           " entries, oldest first.\nThe " + std::to_string(full.dropped()) +
                           " oldest entries were dropped to keep the history within 64 MB.");
}

}  // namespace
}  // namespace calcora::core
