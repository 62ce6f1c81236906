// SPDX-License-Identifier: MIT
// Grouping reads a text once, from left to right; wrapping walks the groups
// once. Both are linear in the text, so 32,767 digits take microseconds.
#include "core/digit_grouping.h"

#include <algorithm>

#include "engine/engine.h"

namespace calcora::core {
namespace {

constexpr std::size_t kGroup = 3;
constexpr const char* kEllipsis = "…";

// The blanks the engine's reading ignores at either end of a number.
constexpr std::string_view kBlanks = " \t\n\r\v\f";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view withoutOuterBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

// Appends `digits` in groups of three: from the left for a fraction, from the
// right (the first group the short one) for a whole part.
void appendGroups(GroupedText& out, std::string_view digits, bool fromTheRight, std::size_t& position) {
    std::size_t first = digits.size() % kGroup;
    if (!fromTheRight || first == 0) first = std::min(kGroup, digits.size());
    for (std::size_t at = 0; at < digits.size();) {
        const std::size_t length = at == 0 ? first : std::min(kGroup, digits.size() - at);
        if (at > 0) out.text += ' ';
        out.groups.push_back({out.text.size(), length, position});
        out.text.append(digits.substr(at, length));
        position += length;
        at += length;
    }
}

// The first `count` characters of a UTF-8 text, never half a character.
std::string_view leadingCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && seen++ == count) break;
    }
    return text.substr(0, end);
}

// Line breaks, tabs and other control characters as spaces: one line.
std::string onOneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return line;
}

}  // namespace

GroupedText groupDigits(std::string_view text) {
    GroupedText out;
    if (!isNumberText(text)) {
        out.text = std::string(text);
        return out;
    }
    out.number = true;
    // A number: blanks at either end, then "," and " " anywhere, go.
    const std::string cleaned = RemoveCommasAndSpaces(withoutOuterBlanks(text));
    std::string_view rest = cleaned;
    std::string_view sign;
    if (rest.front() == '-' || rest.front() == '+') {
        sign = rest.substr(0, 1);
        rest.remove_prefix(1);
    }
    const std::size_t mark = rest.find_first_of("Ee");
    const std::string_view exponent = mark == std::string_view::npos ? std::string_view() : rest.substr(mark);
    const std::string_view mantissa = rest.substr(0, mark);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);

    out.text.reserve(cleaned.size() + cleaned.size() / kGroup + 1);
    out.groups.reserve(mantissa.size() / kGroup + 2);
    out.text.append(sign);
    std::size_t position = 1;
    appendGroups(out, whole, true, position);
    if (point != std::string_view::npos) out.text += '.';
    // The first fraction group follows the point directly.
    appendGroups(out, fraction, false, position);
    out.text.append(exponent);
    return out;
}

std::vector<TextLine> wrapGroups(const GroupedText& grouped, std::size_t columns) {
    std::vector<TextLine> lines;
    if (grouped.text.empty()) return lines;
    if (!grouped.number) {
        lines.push_back({0, grouped.text.size(), 0});
        return lines;
    }
    const std::vector<DigitGroup>& groups = grouped.groups;
    // Where a line ending with group i ends: after the group, and after a
    // point or exponent that follows it without a space.
    const auto endAfter = [&](std::size_t i) {
        if (i + 1 == groups.size()) return grouped.text.size();
        const std::size_t end = groups[i].offset + groups[i].length;
        return grouped.text[end] == '.' ? end + 1 : end;
    };
    std::size_t begin = 0;
    std::size_t first = 0;  // the line's first group
    for (std::size_t i = 1; i < groups.size(); ++i) {
        if (endAfter(i) - begin > columns) {
            lines.push_back({begin, endAfter(i - 1), groups[first].firstDigit});
            begin = groups[i].offset;
            first = i;
        }
    }
    lines.push_back({begin, grouped.text.size(), groups[first].firstDigit});
    return lines;
}

std::size_t offsetOfDigit(const GroupedText& grouped, std::size_t position) {
    if (position < 1 || position > grouped.digitCount()) return std::string::npos;
    const auto after = std::upper_bound(grouped.groups.begin(), grouped.groups.end(), position,
                                        [](std::size_t p, const DigitGroup& group) { return p < group.firstDigit; });
    const DigitGroup& group = *(after - 1);
    return group.offset + (position - group.firstDigit);
}

std::size_t lineOfOffset(const std::vector<TextLine>& lines, std::size_t offset) {
    if (lines.empty()) return 0;
    const auto after = std::upper_bound(lines.begin(), lines.end(), offset,
                                        [](std::size_t o, const TextLine& line) { return o < line.begin; });
    return after == lines.begin() ? 0 : static_cast<std::size_t>(after - lines.begin()) - 1;
}

std::string digitCountText(std::string_view text) {
    if (!isNumberText(text)) return {};
    const std::string_view mantissa = text.substr(0, text.find_first_of("Ee"));
    const auto digits = static_cast<std::size_t>(std::count_if(mantissa.begin(), mantissa.end(), isDigit));
    return withGroupCommas(digits) + (digits == 1 ? " digit" : " digits");
}

std::string withGroupCommas(std::uint64_t count) {
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > kGroup;) {
        at -= kGroup;
        digits.insert(at, 1, ',');
    }
    return digits;
}

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string abbreviated(std::string_view text) {
    constexpr std::size_t kNumberWhole = 24, kLead = 10, kTail = 4;
    constexpr std::size_t kTextWhole = 60, kTextLead = 50;
    if (isNumberText(text)) {
        const std::string_view shown = withoutOuterBlanks(text);
        if (shown.size() <= kNumberWhole) return onOneLine(shown);
        return onOneLine(shown.substr(0, kLead)) + kEllipsis + onOneLine(shown.substr(shown.size() - kTail)) + " (" +
               digitCountText(shown) + ")";
    }
    const std::size_t characters = characterCount(text);
    if (characters <= kTextWhole) return onOneLine(text);
    return onOneLine(leadingCharacters(text, kTextLead)) + kEllipsis + " (" + withGroupCommas(characters) +
           " characters)";
}

}  // namespace calcora::core
