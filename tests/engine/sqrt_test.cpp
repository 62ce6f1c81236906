// SPDX-License-Identifier: MIT
// SquareRoot: the edge cases as a table, the figure-count setting, and a
// differential check of positive number strings against a long-hand
// (pencil-and-paper) square root. fixedSquareRoot: its edges, and random
// fixed decimals against the long-hand root rounded as the fixed decimal rounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "tests/support/exact.h"
#include "tests/support/fixed_rounding.h"
#include "tests/support/fixed_value.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

// ---- Outcomes ---------------------------------------------------------------

using namespace testing_support;

// The outcome of a call and the SF it left behind.
struct RootOutcome : Outcome<> {
    std::int16_t sf = 0;
};

RootOutcome squareRoot(std::string_view value, std::string_view setting, std::int16_t sfBefore = -7) {
    std::int16_t sf = sfBefore;
    RootOutcome out{capture([&] { return SquareRoot(sf, value, setting); })};
    out.sf = sf;
    return out;
}

// ---- Oracle: the long-hand square root (tests/support/exact.h) ------------

// The root of a positive number string truncated to `figures` significant
// figures, in the engine's text form.
std::string longHandRoot(const std::string& number, int figures) {
    return plainText(testing_support::squareRoot(*parseNumberString(number), figures));
}

// ---- Edge cases -------------------------------------------------------------

struct Row {
    const char* name;
    std::string value;
    std::string setting;
    Kind kind;
    std::string text;
    std::int16_t sf;  // SF after the call
};

const std::string kRootTwo100 =
    "1.414213562373095048801688724209698078569671875376948073176679737990732478462107038850387534327641572";

TEST(SquareRoot, EdgeCases) {
    const std::vector<Row> rows = {
        {"perfect square", "4", "50", Kind::Value, "2", 50},
        {"commas removed", "1,000,000", "50", Kind::Value, "1000", 50},
        {"spaces removed", " 4 00 ", "50", Kind::Value, "20", 50},
        {"two at fifty", "2", "50", Kind::Value, "1.4142135623730950488016887242096980785696718753769", 50},
        {"setting capped at 100", "2", "500", Kind::Value, kRootTwo100, 100},
        {"fractional setting rounds down", "2", "45.7", Kind::Value, "1.41421356237309504880168872420969807856967187", 45},
        {"quarter gives point five", "0.25", "50", Kind::Value, ".5", 50},
        {"leading point", ".25", "50", Kind::Value, ".5", 50},
        {"trailing point", "16.", "50", Kind::Value, "4", 50},
        {"leading and trailing zeros", "0016.000", "50", Kind::Value, "4", 50},
        {"root has integer zeros", "1" + std::string(60, '0'), "30", Kind::Value, "1" + std::string(30, '0'), 30},
        {"tiny number string", "." + std::string(39, '0') + "1", "50", Kind::Value, "." + std::string(19, '0') + "1", 50},
        {"beyond the fixed decimal", "100000000000000000000000000000", "50", Kind::Value,
         "316227766016837.93319988935444327185337195551393252", 50},
        {"longer than SF + 1 characters", "2." + std::string(58, '0'), "50", Kind::Value,
         "1.4142135623730950488016887242096980785696718753769", 50},
        {"just below a square", "99", "30", Kind::Value, "9.94987437106619954734479821001", 30},
        {"zero through the fallback", "0", "50", Kind::Value, "0", -7},
        {"zero with zeros", "0.00", "50", Kind::Value, "0", -7},
        {"negative zero", "-0", "50", Kind::Value, "0", -7},
        {"exponent form too small for the fixed decimal", "1E-40", "50", Kind::Value, "1E-20", -7},
        {"exponent form takes the double root", "1E5", "50", Kind::Value, "316.227766016838", 50},
        {"plus sign takes the steps and fallback", "+4", "50", Kind::Value, "2", 50},
        {"long plus text falls back, not a quarter", "+2." + std::string(58, '0'), "50", Kind::Value,
         "1.4142135623731", 50},
        {"negative number", "-4", "50", Kind::InvalidArgument, "", -7},
        {"negative fraction", "-0.25", "50", Kind::InvalidArgument, "", -7},
        {"negative exponent form", "-1E-40", "50", Kind::InvalidArgument, "", -7},
        {"not a number", "abc", "50", Kind::NotANumber, "", -7},
        {"empty text", "", "50", Kind::NotANumber, "", -7},
        {"lone point", ".", "50", Kind::NotANumber, "", -7},
        {"two points", "1.2.3", "50", Kind::NotANumber, "", -7},
        {"setting not a number", "2", "abc", Kind::NotANumber, "", -7},
        {"empty setting", "2", "", Kind::NotANumber, "", -7},
        {"setting below one", "2", "0.9", Kind::InvalidArgument, "", -7},
        {"negative setting", "2", "-5", Kind::InvalidArgument, "", -7},
        {"setting beyond 16 bits", "2", "1E10", Kind::Overflow, "", -7},
        {"zero ignores a bad setting", "0", "abc", Kind::Value, "0", -7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const RootOutcome out = squareRoot(row.value, row.setting);
        EXPECT_EQ(static_cast<int>(out.kind), static_cast<int>(row.kind));
        EXPECT_EQ(out.value.value_or(""), row.text);
        EXPECT_EQ(out.sf, row.sf);
    }
}

TEST(SquareRoot, FormerlyWrongFiguresAreNowRight) {
    // Inputs whose two Heron steps gave wrong or too few figures.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"71", "100"}, {"3", "50"}, {"0.5", "50"}, {"0.5", "100"}, {"0.005", "50"}, {"0.00002", "77"}};
    for (const auto& [value, setting] : cases) {
        SCOPED_TRACE(value + " at " + setting);
        const int figures = std::stoi(setting);
        EXPECT_EQ(squareRoot(value, setting).value.value_or(""), longHandRoot(value, figures));
    }
    // "0.005" now has the full fifty figures, not the 28-figure estimate.
    EXPECT_EQ(squareRoot("0.005", "50").value.value_or(""), ".070710678118654752440084436210484903928483593768847");
}

TEST(SquareRoot, LongestNumberAndOnePast) {
    const std::string longest = "4" + std::string(32764, '0') + ".0";  // 32,767 characters
    const RootOutcome root = squareRoot(longest, "30");
    EXPECT_TRUE(root.value.value_or("") == "2" + std::string(16382, '0')) << root.value.value_or("").size() << " characters";
    EXPECT_EQ(squareRoot(longest + "0", "30").kind, Kind::Overflow);
    // Separators do not count towards the length.
    EXPECT_EQ(squareRoot(longest + ", , ,", "30").kind, Kind::Value);
}

TEST(SquareRoot, PerfectSquaresAndTheirNeighbours) {
    // 10^k ± 1 and runs of nines: roots just below and above a power of ten.
    for (int k = 2; k <= 240; k += 17) {
        for (const std::string& value :
             {"1" + std::string(k, '0'), std::string(k, '9'), "1" + std::string(k - 1, '0') + "1",
              "." + std::string(k, '9'), "." + std::string(k - 1, '0') + "1"}) {
            SCOPED_TRACE(value);
            EXPECT_EQ(squareRoot(value, "100").value.value_or(""), longHandRoot(value, 100));
        }
    }
}

TEST(SquareRoot, DifferentialAgainstLongHandRoot) {
    constexpr std::uint32_t kSeed = 20240604;
    std::mt19937 rng(kSeed);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 300);
    std::uniform_int_distribution<int> coin(0, 3);
    int checked = 0;
    for (int figures = 30; figures <= 100; ++figures) {
        for (int sample = 0; sample < 48; ++sample) {
            const int n = length(rng);
            std::string value;
            for (int i = 0; i < n; ++i) value += static_cast<char>('0' + digit(rng));
            if (coin(rng) == 0) {
                const auto zeros = static_cast<std::size_t>(std::min(n, coin(rng) * 7 + 1));
                value.replace(0, zeros, zeros, '0');
            }
            if (value.find_first_not_of('0') == std::string::npos) value.back() = '7';
            if (coin(rng) != 0 && n < 300) {
                std::uniform_int_distribution<int> at(0, n);
                value.insert(static_cast<std::size_t>(at(rng)), ".");
            }
            const RootOutcome got = squareRoot(value, std::to_string(figures));
            const std::string want = longHandRoot(value, figures);
            ASSERT_EQ(got.value.value_or(""), want) << "seed " << kSeed << ", value \"" << value << "\", setting " << figures;
            ASSERT_EQ(got.sf, figures);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 71 * 48);
}

// ---- The "High Precision" root ----------------------------------------------

// The fixed decimal nearest the true root of a positive value: the long-hand
// root to 45 figures, and where that is not exact a unit far below it for the
// rest, which no rounding at 29 figures or 28 places can tell from the true
// root.
std::string nearestFixedRoot(const Exact& x) {
    Exact root = testing_support::squareRoot(x, 45);
    if (!(multiply(root, root) == x)) root = add(root, powerOfTen(root.top() - 60));
    return plainText(nearestFixed(root, fromInteger(1), false)->value);
}

TEST(FixedSquareRoot, EdgeCases) {
    struct FixedRow {
        const char* name;
        std::string value;
        Kind kind;
        std::string text;
    };
    const std::vector<FixedRow> rows = {
        {"rounded down at 29 figures", "581.75", Kind::Value, "24.119494190384673155947554855"},
        {"exact root", "2.25", Kind::Value, "1.5"},
        {"below one", ".25", Kind::Value, ".5"},
        {"28 figures where 29 pass 96 bits", "90", Kind::Value, "9.486832980505137995996680633"},
        {"rounded at 28 places", "1e-27", Kind::Value, ".0000000000000316227766016838"},
        {"largest magnitude", "79228162514264337593543950335", Kind::Value, "281474976710656"},
        {"second figure past 28 places", "1.5e-28", Kind::Overflow, ""},
        {"beyond 96 bits", "1" + std::string(29, '0'), Kind::Overflow, ""},
        {"zero", "0", Kind::DivisionByZero, ""},
        {"negative", "-4", Kind::InvalidArgument, ""},
        {"no number", "abc", Kind::NotANumber, ""},
    };
    for (const FixedRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<> out = capture([&] { return fixedSquareRoot(row.value); });
        EXPECT_EQ(static_cast<int>(out.kind), static_cast<int>(row.kind));
        EXPECT_EQ(out.value.value_or(""), row.text);
    }
}

TEST(FixedSquareRoot, DifferentialAgainstTheNearestFixedDecimal) {
    constexpr std::uint32_t kSeed = 20240617;
    std::mt19937 rng(kSeed);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 29);
    std::uniform_int_distribution<int> scale(0, 28);
    int checked = 0;
    for (int sample = 0; sample < 3000; ++sample) {
        const int n = length(rng);
        std::string digits;
        for (int i = 0; i < n; ++i) digits += static_cast<char>('0' + digit(rng));
        // Squares and their neighbours too, where a wrong tie would show.
        if (sample % 5 == 0) {
            const std::string half = digits.substr(0, (digits.size() + 1) / 2);
            digits = plainText(multiply(*parseNumberString(half), *parseNumberString(half)));
            if (digits.size() > 29 || digits == "0") continue;
        }
        if (digits.find_first_not_of('0') == std::string::npos) continue;
        const int places = std::min(scale(rng), static_cast<int>(digits.size()));
        const std::string value = digits.substr(0, digits.size() - static_cast<std::size_t>(places)) + "." +
                                  digits.substr(digits.size() - static_cast<std::size_t>(places));
        const Outcome<> got = capture([&] { return fixedSquareRoot(value); });
        if (got.kind == Kind::Overflow) continue;  // a 29-digit value past 2^96 − 1
        // The root of the operand as read: 29 digits past 2^96 − 1 lose their last.
        const Exact operand = exactOf(toFixedOperand(value));
        ASSERT_EQ(got.value.value_or(describe(got)), nearestFixedRoot(operand)) << "seed " << kSeed << ", value " << value;
        ++checked;
    }
    EXPECT_GT(checked, 2500);
}

}  // namespace
}  // namespace calcora
