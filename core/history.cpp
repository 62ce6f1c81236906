// SPDX-License-Identifier: MIT
// The history keeps copies of the texts a command read and wrote, counted as
// they are added, so adding and dropping cost the same whatever the history
// holds.
#include "core/history.h"

#include <algorithm>
#include <string_view>

#include "core/digit_grouping.h"
#include "engine/engine.h"

namespace calcora::core {
namespace {

const char* const kFirst = "First number";
const char* const kSecond = "Second number";
const char* const kSetting = "Significant figures in VHP";

LabelledText labelled(const char* label, std::string text) { return {label, std::move(text), 0}; }

// The boxes a command reads, by its button.
enum class Reads { BothNumbers, FirstNumber, ResultAndMemory, SeriesTerm };

Reads readsOf(std::string_view button) {
    for (const char* name : {"cmdReciprocal", "cmdSqRt", "cmdFac"}) {
        if (button == name) return Reads::FirstNumber;
    }
    if (button == "cmdMemPlus" || button == "cmdMemMinus") return Reads::ResultAndMemory;
    if (button == "cmdMacro") return Reads::SeriesTerm;
    return Reads::BothNumbers;
}

// Every text of an entry, in the order a saved history gives them.
template <typename Entry, typename Visit>
void forEachText(Entry& entry, Visit&& visit) {
    visit(entry.setting);
    for (auto& text : entry.operands) visit(text);
    visit(entry.result);
    for (auto& text : entry.alsoWritten) visit(text);
}

// The leading bytes of a UTF-8 text, at most `most`, never half a character.
std::size_t cutLength(std::string_view text, std::size_t most) {
    std::size_t end = std::min(most, text.size());
    while (end > 0 && end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return end;
}

// Brings an entry within kMostEntryBytes: each text at most as long as
// leaves the texts' bytes within what is left beside the entry's own, the
// longest cut first, the shorter ones kept whole.
void cutToFit(HistoryEntry& entry) {
    if (bytesOf(entry) <= History::kMostEntryBytes) return;
    std::vector<std::size_t> sizes;
    std::size_t texts = 0;
    forEachText(entry, [&](LabelledText& text) {
        sizes.push_back(text.text.size());
        texts += text.text.size();
    });
    const std::size_t own = bytesOf(entry) - texts;
    const std::size_t budget = own < History::kMostEntryBytes ? History::kMostEntryBytes - own : 0;
    std::sort(sizes.begin(), sizes.end());
    // The longest length every text may keep: the shorter texts whole, the
    // rest sharing what is left.
    std::size_t used = 0;
    std::size_t most = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::size_t rest = sizes.size() - i;
        if (used + sizes[i] * rest > budget) {
            most = (budget - used) / rest;
            break;
        }
        used += sizes[i];
    }
    forEachText(entry, [&](LabelledText& text) {
        if (text.text.size() <= most) return;
        text.cutFrom = characterCount(text.text);
        text.text.resize(cutLength(text.text, most));
        text.text.shrink_to_fit();
    });
}

void writeText(const LabelledText& text, const std::function<void(std::string_view)>& write) {
    write(text.label);
    if (text.cut()) {
        write(" (the first " + withGroupCommas(characterCount(text.text)) + " of " + withGroupCommas(text.cutFrom) +
              " characters; the rest was not kept)");
    }
    write(": ");
    write(text.text.empty() ? std::string_view("(empty)") : std::string_view(text.text));
    write("\n");
}

}  // namespace

HistoryEntry entryOf(std::string_view button, std::string caption, const WindowState& before,
                     const WindowState& after) {
    HistoryEntry entry;
    entry.command = std::move(caption);
    entry.mode = after.mode;
    entry.setting = labelled(kSetting, before.sigFigs);
    std::string result = after.result;
    switch (readsOf(button)) {
        case Reads::BothNumbers:
            entry.operands = {labelled(kFirst, before.num1), labelled(kSecond, before.num2)};
            break;
        case Reads::FirstNumber: entry.operands = {labelled(kFirst, before.num1)}; break;
        case Reads::ResultAndMemory:
            entry.operands = {labelled("Result", before.result), labelled("Memory", before.memory)};
            break;
        case Reads::SeriesTerm: {
            // The first term starts the series with 1 in both numbers and the memory.
            const bool first = before.macroCount == 0;
            entry.operands = {labelled("Term", first ? "1" : before.num1),
                              labelled("Index", std::to_string(before.macroCount + 1)),
                              labelled("Memory", first ? "1" : before.memory)};
            // A term that went in is moved on to the first number.
            if (result.empty()) result = after.num1;
            entry.alsoWritten = {labelled("Memory after", after.memory)};
            break;
        }
    }
    const char* label = result.empty() || isNumberText(result) ? "Result" : "Error";
    entry.result = labelled(label, std::move(result));
    return entry;
}

std::size_t bytesOf(const HistoryEntry& entry) {
    std::size_t bytes = sizeof(HistoryEntry) + entry.command.size();
    forEachText(entry, [&](const LabelledText& text) {
        bytes += sizeof(LabelledText) + text.label.size() + text.text.size();
    });
    return bytes;
}

void History::push(HistoryEntry entry) {
    entry.number = nextNumber_++;
    cutToFit(entry);
    bytes_ += bytesOf(entry);
    entries_.push_back(std::move(entry));
}

std::size_t History::excess() const {
    std::size_t count = 0;
    for (std::size_t bytes = bytes_; bytes > kMostBytes && count < entries_.size(); ++count) {
        bytes -= bytesOf(entries_[count]);
    }
    return count;
}

void History::dropOldest(std::size_t count) {
    for (; count > 0 && !entries_.empty(); --count) {
        bytes_ -= bytesOf(entries_.front());
        entries_.pop_front();
        ++dropped_;
    }
}

std::size_t History::add(HistoryEntry entry) {
    push(std::move(entry));
    const std::size_t count = excess();
    dropOldest(count);
    return count;
}

const char* modeName(Mode mode) {
    return mode == Mode::HighPrecision ? "High Precision" : "Very High Precision";
}

void writeHistory(const History& history, std::string_view program,
                  const std::function<void(std::string_view)>& write) {
    const std::size_t count = history.entries().size();
    write(program);
    write(": history of calculations\n");
    write(withGroupCommas(count) + (count == 1 ? " entry" : " entries") + ", oldest first.\n");
    if (history.dropped() > 0) {
        write("The " + withGroupCommas(history.dropped()) + " oldest " +
              (history.dropped() == 1 ? "entry was" : "entries were") +
              " dropped to keep the history within 64 MB.\n");
    }
    for (const HistoryEntry& entry : history.entries()) {
        write("\nEntry " + std::to_string(entry.number) + ": " + entry.command + "\n");
        write("Mode: ");
        write(modeName(entry.mode));
        write("\n");
        writeText(entry.setting, write);
        for (const LabelledText& text : entry.operands) writeText(text, write);
        writeText(entry.result, write);
        for (const LabelledText& text : entry.alsoWritten) writeText(text, write);
    }
}

}  // namespace calcora::core
