// SPDX-License-Identifier: MIT
// The commands without the window: what each writes into txtResult for the
// boxes as they stand, and, where a command owns more (the setting, the
// memory, the e series, the mode, the message, the focus), the whole state
// after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands.h"
#include "core/texts.h"

namespace calcora::core {
namespace {

using Command = Outcome (*)(const WindowState&);

WindowState boxes(std::string num1, std::string num2, Mode mode = Mode::VeryHighPrecision,
                  std::string sigFigs = "50") {
    WindowState state;
    state.num1 = std::move(num1);
    state.num2 = std::move(num2);
    state.result = "earlier";
    state.sigFigs = std::move(sigFigs);
    state.mode = mode;
    return state;
}

WindowState hp(std::string num1, std::string num2) { return boxes(std::move(num1), std::move(num2), Mode::HighPrecision); }

struct ResultRow {
    const char* name;
    Command command;
    WindowState before;
    std::string result;
};

TEST(Commands, ResultForTheBoxesAsTheyStand) {
    const std::string tooLong(40000, '7');
    const std::vector<ResultRow> rows = {
        {"exact sum of grouped numbers", add, boxes("1,000", " 2"), "1002"},
        {"sum of exactly 32,767 characters beside a zero", add, boxes("1e-32766", "0"),
         "." + std::string(32765, '0') + "1"},
        {"an empty box is no number in the fixed decimal", add, hp("", "1"), kNumericInputRequired},
        {"operand below the fixed decimal's 28 places", add, hp("4e-29", "4e-29"), kOverflowText},
        {"first minus second", subtract, boxes("5", "7"), "-2"},
        {"an empty second factor leaves the first as typed", multiply, boxes("1,5", ""), "1,5"},
        {"a result too long to read back", multiply, boxes(tooLong, ""), kOverflowText},
        {"fixed product below its 28 places falls back", multiply, hp("1e-15", "1e-14"), "1E-29"},
        {"beyond the doubles too", multiply, hp("1E+200", "1E+200"), kOverflowText},
        {"truncated to the setting", divide, boxes("1", "3", Mode::VeryHighPrecision, "30"),
         "." + std::string(30, '3')},
        {"fixed quotient rounded", divide, hp("2", "3"), "." + std::string(27, '6') + "7"},
        {"zero divisor told before a long dividend", divide, boxes(std::string(60, '1'), "0"), kDivideByZero},
        {"setting that is no number", divide, boxes("1", "3", Mode::VeryHighPrecision, "abc"), kSigFigsNotANumber},
        {"reciprocal of zero", reciprocal, boxes("0.0", ""), kDivideByZero},
        {"root of a negative number", squareRoot, boxes("-4", ""), kInputMustNotBeNegative},
        {"root of no number", squareRoot, boxes("x", ""), kInputMustBeNumeric},
        {"fixed root, correctly rounded", squareRoot, hp("581.75", ""), "24.119494190384673155947554855"},
        {"power without an exponent", power, boxes("2", ""), kExponentNeeded},
        {"negative base to a fraction", power, boxes("-8", "0.3"), kOverflowText},
        {"power beyond the doubles", power, hp("10", "400"), kOverflowText},
        {"zero to the power -1", power, boxes("0", "-1"), kOverflowText},
        {"factorial of the whole part", factorial, boxes("5.99999999999999999", ""), "120"},
        {"factorial above 1000", factorial, boxes("1001", ""), kFactorialTooLarge},
        {"factorial of a negative number", factorial, boxes("-3", ""), kFactorialNeedsWholeNumber},
        {"factorial of no number", factorial, boxes("x", ""), kFactorialNeedsInteger},
        {"factorial past the doubles", factorial, hp("171", ""), kFactorialOverflowText},
    };
    for (const ResultRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = row.command(row.before);
        EXPECT_EQ(outcome.state.result, row.result);
        EXPECT_TRUE(outcome.resultWritten);
        EXPECT_TRUE(outcome.message.empty());
    }
}

struct StateRow {
    const char* name;
    Command command;
    WindowState before;
    WindowState after;
    bool resultWritten;
    std::optional<Box> focus;
};

// `state` with the given result, memory, setting and e-series count.
WindowState with(WindowState state, std::string result, std::string memory = {}, std::string sigFigs = "50",
                 std::int16_t macroCount = 0) {
    state.result = std::move(result);
    state.memory = std::move(memory);
    state.sigFigs = std::move(sigFigs);
    state.macroCount = macroCount;
    return state;
}

TEST(Commands, WholeStateAfterwards) {
    WindowState series = hp("1", "1");
    series.result.clear();
    series.memory = "2";
    series.macroCount = 1;
    WindowState seriesFull = boxes("a", "b");
    seriesFull.macroCount = 32767;
    WindowState seriesBadSetting = boxes("", "", Mode::VeryHighPrecision, "abc");
    WindowState seriesBadSettingAfter = hp("1", "1");
    seriesBadSettingAfter = with(seriesBadSettingAfter, kSigFigsNotANumber, "1", "abc");
    WindowState counted = with(boxes("1", "2"), "3", "m", "50", 5);

    const std::vector<StateRow> rows = {
        {"the setting below 30 is written back", divide, boxes("1", "8", Mode::VeryHighPrecision, "10"),
         with(boxes("1", "8"), ".125", {}, "30"), true, std::nullopt},
        {"far above 500", divide, boxes("1", "8", Mode::VeryHighPrecision, "1e400"),
         with(boxes("1", "8"), ".125", {}, "500"), true, std::nullopt},
        {"the root gives the focus to the first box", squareRoot, boxes("4", ""), with(boxes("4", ""), "2"), true,
         Box::Num1},
        {"M+ of no number leaves the memory", memoryPlus, with(boxes("", ""), "abc", "5"),
         with(boxes("", ""), kNumericInputRequired, "5"), true, std::nullopt},
        {"M+ beside a zero memory reaches 32,767 characters", memoryPlus, with(boxes("", ""), "1e-32766", "0"),
         with(boxes("", ""), "1e-32766", "." + std::string(32765, '0') + "1"), false, std::nullopt},
        {"M- into an empty memory negates", memoryMinus, with(boxes("", ""), "-5"), with(boxes("", ""), "-5", "5"),
         false, std::nullopt},
        {"C keeps the memory and restarts the series", clearAll, counted, with(boxes("", ""), "", "m"), false,
         Box::Num1},
        {"Shift Result to 1 moves the result up", shiftResultTo1, counted, with(boxes("3", "2"), "", "m", "50", 5),
         false, Box::Num2},
        {"Shift Result to 2 moves the result down", shiftResultTo2, counted, with(boxes("1", "3"), "", "m", "50", 5),
         false, std::nullopt},
        {"U moves the second up", moveUp, counted, with(boxes("2", ""), "3", "m", "50", 5), false, Box::Num2},
        {"D moves the first down", moveDown, counted, with(boxes("", "1"), "3", "m", "50", 5), false, Box::Num1},
        {"S swaps the numbers", swapNumbers, counted, with(boxes("2", "1"), "3", "m", "50", 5), false, Box::Num2},
        {"Clear 1", clearFirst, counted, with(boxes("", "2"), "3", "m"), false, Box::Num1},
        {"Clear 2", clearSecond, counted, with(boxes("1", ""), "3", "m"), false, Box::Num2},
        {"Clear 3", clearResult, counted, with(boxes("1", "2"), "", "m"), false, Box::Result},
        {"MR1", memoryRecall1, counted, with(boxes("m", "2"), "3", "m", "50", 5), false, std::nullopt},
        {"MR2", memoryRecall2, counted, with(boxes("1", "m"), "3", "m", "50", 5), false, std::nullopt},
        {"MC empties the memory and restarts the series", memoryClear, counted, with(boxes("1", "2"), "3"), false,
         std::nullopt},
        {"the first term of the e series", nextSeriesTerm, boxes("", ""), series, true, Box::Num2},
        {"a full e series counts no more", nextSeriesTerm, seriesFull, with(seriesFull, kOverflowText, {}, "50", 32767),
         true, std::nullopt},
        {"a setting that is no number stops the series", nextSeriesTerm, seriesBadSetting, seriesBadSettingAfter,
         true, std::nullopt},
        {"pi to 29 digits in High Precision", pi, hp("", "7"),
         with(hp("3.1415926535897932384626433833", "7"), "earlier"), false, Box::Num2},
    };
    for (const StateRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = row.command(row.before);
        EXPECT_EQ(outcome.state, row.after);
        EXPECT_EQ(outcome.resultWritten, row.resultWritten);
        EXPECT_EQ(outcome.focus, row.focus);
    }
}

TEST(Commands, LongDividendIsRefusedWithTheMessageAndAnEmptyResult) {
    const Outcome outcome = divide(boxes(std::string(32, '1'), "7", Mode::VeryHighPrecision, "30"));
    EXPECT_EQ(outcome.message, kNumeratorTooLongMessage);
    EXPECT_EQ(outcome.state.result, "");
    EXPECT_TRUE(outcome.resultWritten);
}

}  // namespace
}  // namespace calcora::core
