// SPDX-License-Identifier: MIT
// FactorialUP and FactorialHP: the edge cases as tables, the exact factorials
// 0! to 1000! against a product kept here, the engine's length limit where
// the loop of multiplications meets it, and the double texts of 1! to 171!
// from the exact product rounded once.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "tests/support/exact.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

using namespace testing_support;

// An exact factorial (tests/support), one factor at a time.
class ExactFactorial {
public:
    void multiplyBy(std::uint32_t m) { value_ = multiplySmall(value_, m); }
    std::int64_t digitCount() const { return value_.top() + 1; }
    std::string text() const { return plainText(value_); }

private:
    Exact value_ = fromInteger(1);
};

// The text of a double at 15 significant figures: plain for decimal exponents
// 0 to 14, else "d.dddE+xx"; trailing zeros dropped.
std::string doubleText15(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const std::string formatted = buffer;
    std::string mantissa = formatted.substr(0, 1) + formatted.substr(2, 14);
    const int exponent = std::atoi(formatted.c_str() + formatted.find('e') + 1);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (exponent <= 14) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= integerDigits) return mantissa + std::string(integerDigits - mantissa.size(), '0');
        return mantissa.substr(0, integerDigits) + "." + mantissa.substr(integerDigits);
    }
    std::string text = mantissa.substr(0, 1);
    if (mantissa.size() > 1) text += "." + mantissa.substr(1);
    return text + "E+" + std::to_string(exponent);
}

TEST(FactorialUP, EdgeCases) {
    struct Row {
        const char* name;
        const char* input;
        Kind kind;
        const char* text;
    };
    const std::vector<Row> rows = {
        {"twenty-five", "25", Kind::Value, "15511210043330985984000000"},
        {"zero", "0", Kind::Value, "1"},
        {"one", "1", Kind::Value, "1"},
        {"negative", "-3", Kind::Value, "1"},
        {"fraction rounds down", "5.9", Kind::Value, "120"},
        {"small negative fraction", "-0.5", Kind::Value, "1"},
        {"exponent form", "1E1", Kind::Value, "3628800"},
        {"below the 16-bit range gives one", "-40000", Kind::Value, "1"},
        {"below the double range gives one", "-1E400", Kind::Value, "1"},
        {"above the 16-bit range", "40000", Kind::Overflow, ""},
        {"above the double range", "1E400", Kind::Overflow, ""},
        {"largest count", "32767", Kind::Overflow, ""},
        {"not a number", "abc", Kind::NotANumber, ""},
        {"empty", "", Kind::NotANumber, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<> out = capture([&] { return FactorialUP(row.input); });
        EXPECT_EQ(static_cast<int>(out.kind), static_cast<int>(row.kind));
        EXPECT_EQ(out.value.value_or(""), row.text);
    }
}

TEST(FactorialUP, ZeroToOneThousandAgainstExactProduct) {
    ExactFactorial exact;
    for (int n = 0; n <= 1000; ++n) {
        if (n > 0) exact.multiplyBy(static_cast<std::uint32_t>(n));
        ASSERT_EQ(FactorialUP(std::to_string(n)), exact.text()) << n << "!";
    }
    EXPECT_EQ(FactorialUP("1000").size(), 2568u);
}

TEST(FactorialUP, LengthLimitWhereTheLoopMeetsIt) {
    // The first n whose factorial has more than 32,767 digits.
    ExactFactorial exact;
    std::string previous = "1";
    int n = 1;
    for (;; ++n) {
        exact.multiplyBy(static_cast<std::uint32_t>(n));
        if (exact.digitCount() < 32700) continue;  // far from the limit
        std::string text = exact.text();
        if (text.size() > 32767) break;
        previous = std::move(text);
    }
    EXPECT_GT(n, 9000);
    EXPECT_LT(n, 10000);
    EXPECT_EQ(FactorialUP(std::to_string(n - 1)), previous);
    // The loop's own last multiplication fails, and so does the routine.
    EXPECT_THROW(LargeMultiply(previous, std::to_string(n)), ArithmeticOverflow);
    EXPECT_THROW(FactorialUP(std::to_string(n)), ArithmeticOverflow);
    EXPECT_THROW(FactorialUP(std::to_string(n + 1)), ArithmeticOverflow);
    EXPECT_THROW(FactorialUP("20000"), ArithmeticOverflow);
}

TEST(FactorialHP, EdgeCases) {
    const std::string overflow(kFactorialOverflowText);
    struct Row {
        const char* name;
        const char* input;
        std::string text;
    };
    const std::vector<Row> rows = {
        {"ten", "10", "3628800"},
        {"twenty", "20", "2.43290200817664E+18"},
        {"largest", "170", "7.257415615308E+306"},
        {"fraction below the largest", "170.99", "7.257415615308E+306"},
        {"first beyond the double", "171", overflow},
        {"far beyond", "5000", overflow},
        {"zero", "0", "1"},
        {"negative", "-3", "1"},
        {"fraction rounds down", "5.9", "120"},
        {"below the 16-bit range", "-40000", overflow},
        {"above the 16-bit range", "40000", overflow},
        {"beyond the double range", "1E400", overflow},
        {"not a number", "abc", overflow},
        {"empty", "", overflow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FactorialHP(row.input), row.text);
    }
}

TEST(FactorialHP, OneToOneHundredSeventyOneFromTheExactProduct) {
    ExactFactorial exact;
    for (int n = 1; n <= 171; ++n) {
        exact.multiplyBy(static_cast<std::uint32_t>(n));
        // strtod rounds the exact digits to the nearest double.
        const double rounded = std::strtod(exact.text().c_str(), nullptr);
        const std::string want = n <= 170 ? doubleText15(rounded) : std::string(kFactorialOverflowText);
        ASSERT_EQ(FactorialHP(std::to_string(n)), want) << n << "!";
    }
}

}  // namespace
}  // namespace calcora
