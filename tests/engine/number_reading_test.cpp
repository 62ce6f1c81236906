// SPDX-License-Identifier: MIT
// Reading numbers as people type or paste them: one row per rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

using namespace testing_support;

struct Row {
    const char* name;
    std::string in;
    Outcome<> plain;        // plainNumber
    std::string exponent;  // decimalExponent
};

TEST(NumberReading, EachRule) {
    const std::vector<Row> rows = {
        {"empty text", "", text(""), ""},
        {"only blanks", " \t\r\n", text(""), ""},
        {"plain digits kept as typed", "007.50", text("007.50"), "0"},
        {"no digit before the point", ".05", text(".05"), "-2"},
        {"leading zero before the point", "0.05", text("0.05"), "-2"},
        {"grouped with commas", "1,234,567.5", text("1234567.5"), "6"},
        {"grouped with spaces", "1 000", text("1000"), "3"},
        {"pasted with a line break", "3\r\n", text("3"), "0"},
        {"tab in front", "\t-12", text("-12"), "1"},
        {"plus sign dropped", "+5", text("5"), "0"},
        {"exponent form", "1e3", text("1000"), "3"},
        {"exponent with a minus", "1.5E-07", text(".00000015"), "-7"},
        {"exponent with a plus", "1E+36", text("1" + std::string(36, '0')), "36"},
        {"exponent inside the digits", "12.345e1", text("123.45"), "2"},
        {"negative exponent form", "-2.5e-1", text("-.25"), "-1"},
        {"zero in exponent form", "0.0e99999999999", text("0"), "0"},
        {"zero", "-0.000", text("-0.000"), "0"},
        {"lone point", ".", kNaN, ""},
        {"lone minus", "-", kNaN, ""},
        {"letters", "abc", kNaN, ""},
        {"second point", "1.2.3", kNaN, ""},
        {"sign after the digits", "5-", kNaN, ""},
        {"two signs", "--5", kNaN, ""},
        {"inner tab", "1\t2", kNaN, ""},
        {"exponent without digits", "1e", kNaN, ""},
        {"exponent without a mantissa", "e5", kNaN, ""},
        {"non-ASCII digit", "\xD9\xA3", kNaN, ""},
        {"an error text", "Divide by zero error", kNaN, ""},
        {"longest plain number", std::string(32767, '7'), text(std::string(32767, '7')), "32766"},
        {"one digit past the limit", std::string(32768, '7'), kOverflow, "32767"},
        {"expansion past the limit", "1e32767", kOverflow, "32767"},
        {"expansion at the limit", "1e32766", text("1" + std::string(32766, '0')), "32766"},
        {"exponent of many digits", "1e-123456789012345678901", kOverflow, "-123456789012345678901"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(capture([&] { return plainNumber(row.in); }), row.plain);
        EXPECT_EQ(decimalExponent(row.in), row.exponent);
        EXPECT_EQ(isNumberText(row.in), !row.exponent.empty());
    }
}

// What the significant-figure setting needs: the whole value, or which side
// of 29..501 it lies beyond, however it is written. -1: NotANumber.
TEST(NumberReading, WholeValueWithin) {
    struct WholeRow {
        const char* name;
        std::string in;
        int whole;
    };
    const std::vector<WholeRow> rows = {
        {"fraction rounded down", "45.7", 45},
        {"blanks at either end", "\t60\n", 60},
        {"inner space is a separator", "4 5", 45},
        {"exponent form", "4.5E1", 45},
        {"negative fraction rounds down", "-0.5", 29},
        {"zero", "-0.00", 29},
        {"just above the top", "501.5", 501},
        {"far above, beyond a double", "1e400", 501},
        {"400 digits", std::string(400, '9'), 501},
        {"past the 16-bit length", std::string(40000, '9'), 501},
        {"long fraction after a small value", "45." + std::string(40000, '0'), 45},
        {"far below one", "1e-400", 29},
        {"exponent of many digits", "5e99999999999", 501},
        {"negative exponent of many digits", "5e-99999999999", 29},
        {"far below zero", "-1e400", 29},
        {"empty text", "", -1},
        {"letters", "abc", -1},
    };
    for (const WholeRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<std::int16_t> got = capture([&] { return wholeValueWithin(row.in, 29, 501); });
        if (row.whole < 0) {
            EXPECT_EQ(got.kind, Kind::NotANumber);
        } else {
            EXPECT_EQ(got.value, std::optional<std::int16_t>(row.whole));
        }
    }
}

}  // namespace
}  // namespace calcora
