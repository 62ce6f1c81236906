// SPDX-License-Identifier: MIT
// Products and quotients in 15 figures: ties, the rest of a quotient, the
// ends of the range and the failures as a table, and random operands against
// the exact value rounded once (tests/support/exact.h).
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "fixeddec/fixeddec.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

using namespace testing_support;

std::string zeros(std::size_t n) { return std::string(n, '0'); }

TEST(FifteenFigures, ProductsAndQuotients) {
    struct Row {
        const char* name;
        char op;
        std::string a, b;
        Kind kind;
        std::string text;
    };
    const std::vector<Row> rows = {
        {"product beyond the fixed decimal", '*', "1" + zeros(20), "1" + zeros(20), Kind::Value, "1E+40"},
        {"tiny product", '*', "." + zeros(199) + "1", "." + zeros(299) + "1", Kind::Value, "1E-500"},
        {"product rounded", '*', "1234567890123456", "3", Kind::Value, "3.70370367037037E+15"},
        {"zero product", '*', "0", "-5", Kind::Value, "0"},
        {"product past the largest double", '*', "1" + zeros(308), "2", Kind::Overflow, ""},
        {"empty operand", '*', "", "5", Kind::NotANumber, ""},
        {"third", '/', "1", "3", Kind::Value, ".333333333333333"},
        {"two thirds rounded up", '/', "-2", "3", Kind::Value, "-.666666666666667"},
        {"tiny divisor", '/', "1", "." + zeros(27) + "15", Kind::Value, "6.66666666666667E+27"},
        {"exact tie goes to the even figure", '/', "864197523086411500", "7", Kind::Value, "1.23456789012344E+17"},
        {"a rest above the tie rounds up", '/', "864197523086411501", "7", Kind::Value, "1.23456789012345E+17"},
        {"lowest exponent shown", '/', "." + zeros(29999) + "1", "1" + zeros(2768), Kind::Value, "1E-32768"},
        {"one below the lowest exponent", '/', "." + zeros(29999) + "1", "1" + zeros(2769), Kind::Overflow, ""},
        {"quotient past the largest double", '/', "1" + zeros(300), "." + zeros(8) + "1", Kind::Overflow, ""},
        {"zero dividend", '/', "0", "7", Kind::Value, "0"},
        {"zero divisor", '/', "1", "-0.00", Kind::DivisionByZero, ""},
        {"no number", '/', "1x", "7", Kind::NotANumber, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<> out = capture([&] {
            return row.op == '*' ? fifteenFigureProduct(row.a, row.b) : fifteenFigureQuotient(row.a, row.b);
        });
        EXPECT_EQ(static_cast<int>(out.kind), static_cast<int>(row.kind));
        EXPECT_EQ(out.value.value_or(""), row.text);
    }
}

// ---- Against the exact value -------------------------------------------------

// A number string of 1 to 40 digits, its point anywhere from 40 places before
// them to 40 after, either sign.
std::string randomNumberString(std::mt19937& rng) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<int> point(-40, 80);
    const int n = length(rng);
    std::string digits;
    for (int i = 0; i < n; ++i) digits += static_cast<char>('0' + digit(rng));
    const int at = point(rng);
    std::string text;
    if (at <= 0) {
        text = "." + zeros(static_cast<std::size_t>(-at)) + digits;
    } else if (at >= n) {
        text = digits + zeros(static_cast<std::size_t>(at - n));
    } else {
        text = digits.substr(0, static_cast<std::size_t>(at)) + "." + digits.substr(static_cast<std::size_t>(at));
    }
    return (digit(rng) < 3 ? "-" : "") + text;
}

// An exact value of at most 15 figures written as a double's text.
std::string fifteenFigureText(const Exact& rounded) {
    FifteenFigures value;
    for (std::int64_t place = rounded.top(); !rounded.isZero() && place >= rounded.exponent; --place) {
        value.digits += static_cast<char>('0' + rounded.digitAt(place));
    }
    value.exponent = rounded.isZero() ? 0 : rounded.top();
    value.negative = rounded.negative;
    return trimmedText(value);
}

TEST(FifteenFigures, RandomProductsAndQuotientsAgainstTheExactValue) {
    constexpr std::uint32_t kSeed = 20240618;
    std::mt19937 rng(kSeed);
    for (int sample = 0; sample < 2000; ++sample) {
        const std::string a = randomNumberString(rng);
        const std::string b = randomNumberString(rng);
        const Exact x = *parseNumberString(a);
        const Exact y = *parseNumberString(b);
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ": " + a + " and " + b);

        ASSERT_EQ(fifteenFigureProduct(a, b), fifteenFigureText(roundedToFigures(multiply(x, y), 15)));
        if (y.isZero()) {
            ASSERT_EQ(capture([&] { return fifteenFigureQuotient(a, b); }).kind, Kind::DivisionByZero);
            continue;
        }
        // Twenty figures cut toward zero, and whether anything was left below them.
        const Exact q = quotient(x, y, x.top() - y.top() - 20);
        const bool inexact = !(multiply(q, y) == x);
        ASSERT_EQ(fifteenFigureQuotient(a, b), fifteenFigureText(roundedToFigures(q, 15, inexact)));
    }
}

}  // namespace
}  // namespace calcora
