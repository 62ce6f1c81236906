// SPDX-License-Identifier: MIT
// Digits in groups of three from the point both ways, lines of whole groups
// with the position of each line's first digit, digit positions found in the
// grouped text, and long texts told in a few characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/digit_grouping.h"

namespace calcora::core {
namespace {

// The lines' texts and first digits, "text@digit".
std::vector<std::string> linesOf(const std::string& text, std::size_t columns) {
    const GroupedText grouped = groupDigits(text);
    std::vector<std::string> shown;
    for (const TextLine& line : wrapGroups(grouped, columns)) {
        shown.push_back(grouped.text.substr(line.begin, line.end - line.begin) + "@" + std::to_string(line.firstDigit));
    }
    return shown;
}

struct GroupingRow {
    const char* name;
    std::string text;
    bool number;
    std::string grouped;
    std::size_t digits;
};

TEST(DigitGrouping, GroupsOfThreeFromThePointBothWays) {
    const std::vector<GroupingRow> rows = {
        {"an integer", "1234567", true, "1 234 567", 7},
        {"whole groups only", "123456", true, "123 456", 6},
        {"a fraction", "1234567.89123", true, "1 234 567.891 23", 12},
        {"a negative number", "-1234.5", true, "-1 234.5", 5},
        {"a point first", "-.12345", true, "-.123 45", 5},
        {"a trailing point", "1234.", true, "1 234.", 4},
        {"leading zeros stay", "007.50", true, "007.50", 5},
        {"separators and blanks as typed", " 1,234 567\n", true, "1 234 567", 7},
        {"a sign", "+12345", true, "+12 345", 5},
        {"exponent form", "1.2345678E+36", true, "1.234 567 8E+36", 8},
        {"one digit", "5", true, "5", 1},
        {"no number", "Error - numeric input required", false, "Error - numeric input required", 0},
        {"letters among digits", "12a34", false, "12a34", 0},
        {"empty", "", false, "", 0},
    };
    for (const GroupingRow& row : rows) {
        SCOPED_TRACE(row.name);
        const GroupedText grouped = groupDigits(row.text);
        EXPECT_EQ(grouped.number, row.number);
        EXPECT_EQ(grouped.text, row.grouped);
        EXPECT_EQ(grouped.digitCount(), row.digits);
    }
}

TEST(DigitGrouping, LinesOfWholeGroupsWithTheirFirstDigit) {
    // 11 columns hold three groups and their two spaces.
    EXPECT_EQ(linesOf("123456789012", 11), (std::vector<std::string>{"123 456 789@1", "012@10"}));
    // The short first group counts: "1 234 567" is 9 characters.
    EXPECT_EQ(linesOf("1234567890123", 9), (std::vector<std::string>{"1 234 567@1", "890 123@8"}));
    // The point ends its line, and counts; the fraction goes on on the next.
    EXPECT_EQ(linesOf("1234567.89123", 10), (std::vector<std::string>{"1 234 567.@1", "891 23@8"}));
    EXPECT_EQ(linesOf("1234567.89123", 9), (std::vector<std::string>{"1 234@1", "567.891@5", "23@11"}));
    EXPECT_EQ(linesOf("-123456.7", 9), (std::vector<std::string>{"-123 456.@1", "7@7"}));
    // A group wider than the line stands alone.
    EXPECT_EQ(linesOf("1234", 2), (std::vector<std::string>{"1@1", "234@2"}));
    // No number: one line, no digit positions.
    EXPECT_EQ(linesOf("Divide by zero error", 5), (std::vector<std::string>{"Divide by zero error@0"}));
    EXPECT_TRUE(linesOf("", 10).empty());
}

TEST(DigitGrouping, EveryLineWithinItsColumnsAndEveryDigitCounted) {
    const std::string digits(32767, '7');
    const GroupedText grouped = groupDigits(digits);
    const std::vector<TextLine> lines = wrapGroups(grouped, 79);
    std::size_t next = 1;
    for (const TextLine& line : lines) {
        ASSERT_LE(line.end - line.begin, 79u);
        ASSERT_EQ(line.firstDigit, next);
        const std::string text = grouped.text.substr(line.begin, line.end - line.begin);
        next += static_cast<std::size_t>(std::count(text.begin(), text.end(), '7'));
    }
    EXPECT_EQ(next, 32768u);
    // 79 columns: twenty groups of three and their spaces.
    EXPECT_EQ(lines[1].firstDigit - lines[0].firstDigit, 58u);  // the first group has one digit
    EXPECT_EQ(lines[2].firstDigit - lines[1].firstDigit, 60u);
}

TEST(DigitGrouping, DigitPositionsInTheGroupedText) {
    const GroupedText grouped = groupDigits("-1234.56789");
    EXPECT_EQ(grouped.text, "-1 234.567 89");
    EXPECT_EQ(offsetOfDigit(grouped, 1), 1u);
    EXPECT_EQ(offsetOfDigit(grouped, 2), 3u);
    EXPECT_EQ(offsetOfDigit(grouped, 5), 7u);
    EXPECT_EQ(offsetOfDigit(grouped, 9), 12u);
    EXPECT_EQ(offsetOfDigit(grouped, 0), std::string::npos);
    EXPECT_EQ(offsetOfDigit(grouped, 10), std::string::npos);
    const std::vector<TextLine> lines = wrapGroups(grouped, 7);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lineOfOffset(lines, offsetOfDigit(grouped, 4)), 0u);
    EXPECT_EQ(lineOfOffset(lines, offsetOfDigit(grouped, 5)), 1u);
}

TEST(DigitGrouping, CountsWithGroupCommas) {
    EXPECT_EQ(withGroupCommas(7), "7");
    EXPECT_EQ(withGroupCommas(999), "999");
    EXPECT_EQ(withGroupCommas(2568), "2,568");
    EXPECT_EQ(withGroupCommas(1234567), "1,234,567");
}

TEST(DigitGrouping, LongTextsToldShort) {
    std::string factorial = "4023872600" + std::string(2554, '1') + "0000";
    EXPECT_EQ(abbreviated(factorial), "4023872600…0000 (2,568 digits)");
    EXPECT_EQ(abbreviated("123456789012345678901234"), "123456789012345678901234");
    EXPECT_EQ(abbreviated(" 42\n"), "42");
    EXPECT_EQ(abbreviated("Divide by zero error"), "Divide by zero error");
    EXPECT_EQ(abbreviated(std::string(70, 'x')), std::string(50, 'x') + "… (70 characters)");
    EXPECT_EQ(abbreviated("a\tb"), "a b");
    // Characters, not bytes, and never half of one.
    std::string accents;
    for (int i = 0; i < 20; ++i) accents += "é";
    EXPECT_EQ(abbreviated(std::string(49, 'x') + accents), std::string(49, 'x') + "é… (69 characters)");
}

}  // namespace
}  // namespace calcora::core
