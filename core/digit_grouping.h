// SPDX-License-Identifier: MIT
#pragma once
// Long numbers set out for people to read: digits in groups of three counted
// from the point both ways ("1 234 567.891 23"), broken into lines of whole
// groups, each line knowing the position of its first digit; and a long text
// told in a few characters ("4023872600…0000 (2,568 digits)"). Plain text in,
// plain text out: the whole-number view and the history (ui/) show what these
// give.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calcora::core {

// One group of digits in GroupedText::text.
struct DigitGroup {
    std::size_t offset = 0;      // of its first digit in the grouped text
    std::size_t length = 0;      // 1 to 3 digits
    std::size_t firstDigit = 0;  // the position of its first digit in the number, from 1
    bool operator==(const DigitGroup&) const = default;
};

struct GroupedText {
    // Whether the text is a number by the engine's reading (isNumberText).
    bool number = false;
    // A number as "-1 234 567.891 23": blanks at either end and the group
    // separators "," and " " left out, the digits of its mantissa in groups
    // of three from the point (or from the end of a whole number) both ways,
    // one plain space between groups; a sign, a point before the first digit
    // and an exponent ("E+36") stay as typed, next to the group they touch.
    // Any other text as it is.
    std::string text;
    // A number's groups, first to last; none for any other text.
    std::vector<DigitGroup> groups;

    // The digits of the mantissa, as digitCountTip counts them.
    [[nodiscard]] std::size_t digitCount() const {
        return groups.empty() ? 0 : groups.back().firstDigit + groups.back().length - 1;
    }
};

// The text set out in groups (see GroupedText). Never fails; any length.
[[nodiscard]] GroupedText groupDigits(std::string_view text);

// One line of a grouped text: text.substr(begin, end - begin).
struct TextLine {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t firstDigit = 0;  // the position of the line's first digit, 0 for no number
    bool operator==(const TextLine&) const = default;
};

// A number's grouped text broken into lines of at most `columns` characters,
// each line whole groups (a group with its sign, point or exponent longer
// than that stands alone on its line); a line ends at a group, the space
// after it left out, or with the point. Any other text is one line: the
// view wraps it as it wraps any text. The empty text has no line.
[[nodiscard]] std::vector<TextLine> wrapGroups(const GroupedText& grouped, std::size_t columns);

// Where the digit at `position` (from 1) stands in the grouped text;
// std::string::npos outside 1..digitCount().
[[nodiscard]] std::size_t offsetOfDigit(const GroupedText& grouped, std::size_t position);

// The line that holds the character at `offset` (the last line for an offset
// past the end); 0 when there are no lines.
[[nodiscard]] std::size_t lineOfOffset(const std::vector<TextLine>& lines, std::size_t offset);

// "2,568 digits" ("1 digit" for one) when the text is a number by the
// engine's reading (isNumberText), counting the digits before any exponent,
// as shown; empty for any other text.
[[nodiscard]] std::string digitCountText(std::string_view text);

// A count with group commas: "2,568", "32,767", "7".
[[nodiscard]] std::string withGroupCommas(std::uint64_t count);

// The characters of a UTF-8 text (its bytes other than continuation bytes).
[[nodiscard]] std::size_t characterCount(std::string_view text);

// A text told on one short line. A number of at most 24 characters (blanks
// at either end left out) stands whole; a longer one as its first ten and
// last four characters and its digit count, "4023872600…0000 (2,568
// digits)". Any other text of at most 60 characters stands whole; a longer
// one as its first 50 and its count, "abcd… (40,000 characters)". Line
// breaks and tabs show as spaces.
[[nodiscard]] std::string abbreviated(std::string_view text);

}  // namespace calcora::core
