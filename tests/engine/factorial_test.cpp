// SPDX-License-Identifier: MIT
// FactorialUP and FactorialHP: the edge cases as tables, the exact factorials
// 0! to 1000! against a product kept here, counts taken of the exact value,
// the engine's length limit where the loop of multiplications meets it, and
// the 15-figure texts of 1! to 171!: the exact product rounded once.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "tests/support/exact.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

using namespace testing_support;

// The text of a value of at most 15 significant figures, as a double's text
// is written: plain for decimal exponents 0 to 14, else "d.dddE+xx".
std::string doubleText15(const Exact& value) {
    std::string mantissa;
    for (std::int64_t place = value.top(); place >= value.exponent; --place) {
        mantissa += static_cast<char>('0' + value.digitAt(place));
    }
    const std::int64_t exponent = value.top();
    if (exponent <= 14) return plainText(value);
    std::string text = mantissa.substr(0, 1);
    if (mantissa.size() > 1) text += "." + mantissa.substr(1);
    return text + "E+" + std::to_string(exponent);
}

// An exact factorial (tests/support), one factor at a time.
class ExactFactorial {
public:
    void multiplyBy(std::uint32_t m) { value_ = multiplySmall(value_, m); }
    std::int64_t digitCount() const { return value_.top() + 1; }
    std::string text() const { return plainText(value_); }
    // Rounded once to 15 figures and written as a double's text.
    std::string fifteenFigureText() const { return doubleText15(roundedToFigures(value_, 15)); }

private:
    Exact value_ = fromInteger(1);
};

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
        {"nines that a double rounds up", "5.99999999999999999", Kind::Value, "120"},
        {"below the 16-bit range gives one", "-40000", Kind::Value, "1"},
        {"below the double range gives one", "-1E400", Kind::Value, "1"},
        {"a separator before the sign", ",-1e40", Kind::Value, "1"},
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

// The count is the whole part of the value as written, exponent and all.
TEST(FactorialUP, CountsTheWholePartOfTheExactValue) {
    EXPECT_EQ(FactorialUP("999.99999999999999"), FactorialUP("999"));
    const std::string thousand = FactorialUP("1000");
    for (const char* text : {"1e3", "100000e-2", "10000e-1", "1000.99999999999999999"}) {
        EXPECT_EQ(FactorialUP(text), thousand) << text;
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
        // Made at once far from the limit, by the loop's last step near it.
        if (n >= 7900 && n % 50 == 0) {
            ASSERT_EQ(FactorialUP(std::to_string(n)), exact.text()) << n << "!";
        }
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
    const Outcome<> overflow = kOverflow;
    struct Row {
        const char* name;
        const char* input;
        Outcome<> want;
    };
    const std::vector<Row> rows = {
        {"ten", "10", text("3628800")},
        {"twenty", "20", text("2.43290200817664E+18")},
        {"largest", "170", text("7.257415615308E+306")},
        {"fraction below the largest", "170.99", text("7.257415615308E+306")},
        {"nines below the largest that a double rounds up", "170.99999999999999", text("7.257415615308E+306")},
        {"first beyond the double", "171", overflow},
        {"far beyond", "5000", overflow},
        {"zero", "0", text("1")},
        {"negative", "-3", text("1")},
        {"fraction rounds down", "5.9", text("120")},
        {"below the 16-bit range", "-40000", overflow},
        {"above the 16-bit range", "40000", overflow},
        {"beyond the double range", "1E400", overflow},
        {"not a number", "abc", kNaN},
        {"empty", "", kNaN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(capture([&] { return FactorialHP(row.input); }), row.want);
    }
}

TEST(FactorialHP, OneToOneHundredSeventyOneFromTheExactProduct) {
    ExactFactorial exact;
    for (int n = 1; n <= 171; ++n) {
        exact.multiplyBy(static_cast<std::uint32_t>(n));
        const Outcome<> want = n <= 170 ? text(exact.fifteenFigureText()) : kOverflow;
        ASSERT_EQ(capture([&] { return FactorialHP(std::to_string(n)); }), want) << n << "!";
    }
}

}  // namespace
}  // namespace calcora
