// SPDX-License-Identifier: MIT
#pragma once
// The history of calculations: one entry for every command that wrote the
// result box, made of the texts the command read and wrote (never computed
// again), newest last, within a bound of memory; and the plain text a saved
// history is. Nothing here touches a file: the window writes what
// writeHistory gives where the user says, and only then.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/window_state.h"

namespace calcora::core {

// A text of an entry with what it is ("First number", "Result").
struct LabelledText {
    std::string label;
    std::string text;
    // 0 for a text kept whole; for one cut to its leading characters
    // because its entry was too large to keep (see History), which no text
    // within the engine's 32,767 characters makes, the characters it had.
    std::size_t cutFrom = 0;

    [[nodiscard]] bool cut() const { return cutFrom != 0; }
    bool operator==(const LabelledText&) const = default;
};

struct HistoryEntry {
    std::uint64_t number = 0;  // 1 for the first entry of the run, and on
    std::string command;       // the button's caption, "Add", "x !"
    Mode mode = Mode::VeryHighPrecision;  // the mode the command computed in
    LabelledText setting;      // "Significant figures in VHP" as the command read it
    std::vector<LabelledText> operands;  // the boxes it read, as it read them
    LabelledText result;       // "Result" and the number, or "Error" and the error text
    std::vector<LabelledText> alsoWritten;  // e-macro: the memory it wrote

    bool operator==(const HistoryEntry&) const = default;
};

// The entry of a command that wrote the result: `button` is the button's
// object name ("cmdAdd"), `caption` what the user reads on it, `before` and
// `after` the window's states around the command. The operands are the boxes
// the command reads: the two numbers for Add, Subtract, Multiply, Divide and
// ^ Exp (and for a command not named here), the first for 1/x, Sq Rt and
// x !, the result and the memory for M+ and M-, and for e-macro the term,
// its index and the memory it divides and adds to. The result is the text
// written into the result box ("Error" when it is no number; e-macro's term,
// which it then moves on to the first number). Only copies texts.
[[nodiscard]] HistoryEntry entryOf(std::string_view button, std::string caption, const WindowState& before,
                                   const WindowState& after);

// The memory an entry takes as counted: its texts' bytes and its own.
[[nodiscard]] std::size_t bytesOf(const HistoryEntry& entry);

class History {
public:
    // At most this much memory (64 MB), dropping the oldest entries.
    static constexpr std::size_t kMostBytes = std::size_t{64} * 1024 * 1024;
    // At least this many entries are always kept: no entry is larger than
    // kMostBytes / kLeastEntries. Every entry of texts within the engine's
    // 32,767 characters is far smaller and kept whole; only a text far
    // beyond any the commands compute with (a paste of a million
    // characters) makes an entry that large, and then its longest texts are
    // cut to their leading characters, each saying how long it was.
    static constexpr std::size_t kLeastEntries = 500;
    static constexpr std::size_t kMostEntryBytes = kMostBytes / kLeastEntries;

    // Numbers the entry (1, 2, ...), cuts it to kMostEntryBytes if it is
    // larger, and keeps it as the newest. Call dropOldest(excess()) after.
    void push(HistoryEntry entry);
    // How many of the oldest entries must go to bring the history within
    // kMostBytes.
    [[nodiscard]] std::size_t excess() const;
    void dropOldest(std::size_t count);
    // push, then dropOldest(excess()); returns how many were dropped.
    std::size_t add(HistoryEntry entry);

    // Oldest first.
    [[nodiscard]] const std::deque<HistoryEntry>& entries() const { return entries_; }
    [[nodiscard]] std::size_t bytes() const { return bytes_; }
    // How many entries were dropped to keep within the bound since the start.
    [[nodiscard]] std::uint64_t dropped() const { return dropped_; }

private:
    std::deque<HistoryEntry> entries_;
    std::size_t bytes_ = 0;
    std::uint64_t dropped_ = 0;
    std::uint64_t nextNumber_ = 1;
};

// The words for a mode: "Very High Precision", "High Precision".
[[nodiscard]] const char* modeName(Mode mode);

// The history as a plain UTF-8 text, handed to `write` piece by piece (a
// full history is 64 MB, so it is never put together in one string): a
// heading naming `program` ("Calcora 1.2.0"), the count of entries and of any
// dropped, then every entry, oldest first, as labelled lines with every
// number in full:
//
//   Entry 1: Add
//   Mode: Very High Precision
//   Significant figures in VHP: 50
//   First number: 2
//   Second number: 3
//   Result: 5
//
// An empty text reads "(empty)"; a cut one says so in its label.
void writeHistory(const History& history, std::string_view program,
                  const std::function<void(std::string_view piece)>& write);

}  // namespace calcora::core
