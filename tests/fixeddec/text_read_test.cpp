// SPDX-License-Identifier: MIT
// Reading texts: text to fixed decimal and the numeric test on ordinary and
// hostile input, text to double, and the leading number.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "fixeddec/fixeddec.h"

namespace calcora {
namespace {

template <typename Read>
std::string readOutcome(const std::string& text, Read&& read) {
    try {
        return trimmedText(read(text));
    } catch (const ArithmeticOverflow&) {
        return "ArithmeticOverflow";
    } catch (const NotANumber&) {
        return "NotANumber";
    }
}

std::string repeat(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

struct ReadRow {
    std::string name;
    std::string text;
    std::string expected;  // trimmed text of the value, or the failure's name
};

void PrintTo(const ReadRow& row, std::ostream* os) { *os << row.name; }

class ReadText : public ::testing::TestWithParam<ReadRow> {};

// The fixed-decimal reading and the numeric test agree on what is a number.
TEST_P(ReadText, ReadsTheValueOrTheRightFailure) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(readOutcome(row.text, [](const std::string& t) { return toFixedDecimal(t); }), row.expected);
    EXPECT_EQ(isNumeric(row.text), row.expected != "NotANumber");
}

const std::string kMillionDigits = repeat("1234567890", 100'000);

const ReadRow kReadRows[] = {
    // The worked examples.
    {"LargestReadsExactly", "79228162514264337593543950335", "79228162514264337593543950335"},
    {"OnePastLargestOverflows", "79228162514264337593543950336", "ArithmeticOverflow"},
    {"PiRoundsTo28Places", "3.1415926535897932384626433832795028841971693993751",
     "3.1415926535897932384626433833"},
    {"TwentyNinthPlaceIsZero", "0.00000000000000000000000000001", "0"},
    {"GroupedWithSpaces", " 1,234.50 ", "1234.5"},
    // Forms that are numbers.
    {"PlusSign", "+.5", ".5"},
    {"TrailingPoint", "5.", "5"},
    {"NegativeZero", "-0", "0"},
    {"LeadingZeros", "007", "7"},
    {"Commas", "1,234,567", "1234567"},
    {"CommaGroupsNotChecked", "1,2,3", "123"},
    {"CommaBeforePoint", "1,.5", "1.5"},
    {"CommaWithExponent", "1,5E2", "1500"},
    {"Exponent", "1.5E3", "1500"},
    {"LowerCaseExponent", "1.5e-3", ".0015"},
    {"ExponentPlus20", "1E+20", "100000000000000000000"},
    {"ExponentPlus28", "1E+28", "10000000000000000000000000000"},
    {"ExponentPlus29Overflows", "1E+29", "ArithmeticOverflow"},
    {"ExponentMinus40IsZero", "1E-40", "0"},
    {"ExponentMovesDigitsIn", "0.00000000000000000000000000000000000000012345E+40", "1.2345"},
    {"SpacesAndSignAndExponent", "  -12.5e1  ", "-125"},
    {"TieAtLastPlaceGoesToEven", "2.00000000000000000000000000005", "2"},
    {"TieAtLastPlaceGoesUpToEven", "2.00000000000000000000000000015", "2.0000000000000000000000000002"},
    {"JustAboveTie", "2.000000000000000000000000000050000000001", "2.0000000000000000000000000001"},
    {"TieAtScaleZero", "79228162514264337593543950334.5", "79228162514264337593543950334"},
    {"AboveLargestByAFraction", "79228162514264337593543950335.9", "79228162514264337593543950335"},
    {"LongNinesRoundToOne", "0." + repeat("9", 100), "1"},
    // Not numbers.
    {"Empty", "", "NotANumber"},
    {"OnlySpaces", "    ", "NotANumber"},
    {"LoneMinus", "-", "NotANumber"},
    {"LonePlus", "+", "NotANumber"},
    {"LonePoint", ".", "NotANumber"},
    {"SignAndPoint", "-.", "NotANumber"},
    {"TwoPoints", "1.2.3", "NotANumber"},
    {"InnerSpace", "1 2", "NotANumber"},
    {"SpaceAfterSign", "- 1", "NotANumber"},
    {"TwoSigns", "--1", "NotANumber"},
    {"Letters", "abc", "NotANumber"},
    {"TrailingLetter", "12a", "NotANumber"},
    {"Tab", "\t1", "NotANumber"},
    {"Newline", "1\n", "NotANumber"},
    {"EmbeddedNul", std::string("1\0" "2", 3), "NotANumber"},
    {"Infinity", "Infinity", "NotANumber"},
    {"NotANumberWord", "NaN", "NotANumber"},
    {"HexPrefix", "0x10", "NotANumber"},
    {"ExponentWithoutDigits", "1E", "NotANumber"},
    {"ExponentSignWithoutDigits", "1E+", "NotANumber"},
    {"ExponentWithoutMantissa", "E5", "NotANumber"},
    {"PointAndExponentOnly", ".E5", "NotANumber"},
    {"FractionalExponent", "1E2.5", "NotANumber"},
    {"LeadingComma", ",1", "NotANumber"},
    {"DoubleComma", "1,,2", "NotANumber"},
    {"CommaAfterPoint", ".5,1", "NotANumber"},
    {"CommaAfterSign", "-,1", "NotANumber"},
    {"NoBreakSpace", "\xC2\xA0" "1", "NotANumber"},
    {"ArabicDigit", "\xD9\xA1", "NotANumber"},
    {"HighBytes", "1\xFF\xFE", "NotANumber"},
    {"ControlCharacters", "\x01\x02\x7F", "NotANumber"},
    {"HundredThousandLetters", repeat("a", 100'000), "NotANumber"},
    {"HundredThousandPoints", repeat(".", 100'000), "NotANumber"},
    {"MillionDigitsThenLetter", "." + kMillionDigits + "x", "NotANumber"},
    // Long and huge.
    {"HundredThousandCharactersOverflow", "1" + repeat("0", 99'999), "ArithmeticOverflow"},
    {"HundredThousandZerosAfterPoint", "0." + repeat("0", 99'997) + "1", "0"},
    {"HundredThousandCommas", repeat("1,", 50'000), "ArithmeticOverflow"},
    {"MillionDigitFraction", "." + kMillionDigits, ".1234567890123456789012345679"},
    {"MillionDigitInteger", kMillionDigits, "ArithmeticOverflow"},
    {"MillionZerosAfterTie", "2.00000000000000000000000000005" + repeat("0", 1'000'000),
     "2"},
    {"MillionZerosThenOneAfterTie", "2.00000000000000000000000000005" + repeat("0", 1'000'000) + "1",
     "2.0000000000000000000000000001"},
    {"HugeExponent", "1E999999999999", "ArithmeticOverflow"},
    {"HugeNegativeExponent", "1E-999999999999", "0"},
    {"ZeroWithHugeExponent", "0E999999999999", "0"},
    {"ExponentBeyond64Bits", "1E99999999999999999999999999999999", "ArithmeticOverflow"},
    {"NegativeExponentBeyond64Bits", "-1E-99999999999999999999999999999999", "0"},
    {"MillionDigitExponent", "1E-" + kMillionDigits, "0"},
    {"LongZerosCancelHugeExponent", "0." + repeat("0", 99'999) + "1E100000", "1"},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, ReadText, ::testing::ValuesIn(kReadRows),
                         [](const auto& info) { return info.param.name; });

// ---- Typed operands ---------------------------------------------------------

class ReadOperand : public ::testing::TestWithParam<ReadRow> {};

// Read exactly, or rounded past the 15th figure; never a figure lost to the
// 28 decimal places.
TEST_P(ReadOperand, KeepsFifteenFiguresOrFails) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(readOutcome(row.text, [](const std::string& t) { return toFixedOperand(t); }), row.expected);
}

const ReadRow kOperandRows[] = {
    {"FifteenthFigureAtTheFinestPlace", "1.23456789012345e-14", ".0000000000000123456789012345"},
    {"SixteenthFigureRoundedAway", "1.234567890123456e-14", ".0000000000000123456789012346"},
    {"FifteenthFigureOnePlaceTooFine", "1.23456789012345e-15", "ArithmeticOverflow"},
    {"SixteenFiguresFromTenToTheMinus15", "1.234567890123456e-15", "ArithmeticOverflow"},
    {"OneFigureAtTheFinestPlace", "1e-28", ".0000000000000000000000000001"},
    {"OneFigureTooFine", "1e-29", "ArithmeticOverflow"},
    {"WouldRoundUpToTheFinestPlace", "6e-29", "ArithmeticOverflow"},
    {"SecondFigureTooFine", "0.00000000000000000000000000015", "ArithmeticOverflow"},
    {"TrailingZerosAreNoFigures", "0.000000000000000000000000000100", ".0000000000000000000000000001"},
    {"TwentyNineFigures", "1.2345678901234567890123456789", "1.2345678901234567890123456789"},
    {"LongFractionRoundsAt28Places", "0.1234567890123456789012345678901", ".1234567890123456789012345679"},
    {"LargestMagnitude", "79228162514264337593543950335", "79228162514264337593543950335"},
    {"TwoToThe96", "79228162514264337593543950336", "ArithmeticOverflow"},
    {"Zero", "0", "0"},
    {"NegativeZeroWithPlaces", "-0.000", "0"},
    {"ZeroWithTinyExponent", "0e-40", "0"},
    {"ZeroFarPastTheFinestPlace", "0." + repeat("0", 40), "0"},
    {"TailBelowTheFinestPlaceOfALargeValue", "1." + repeat("0", 40) + "1", "1"},
    {"NotANumber", "abc", "NotANumber"},
    {"Empty", "", "NotANumber"},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, ReadOperand, ::testing::ValuesIn(kOperandRows),
                         [](const auto& info) { return info.param.name; });

// ---- Text to double ----------------------------------------------------------

std::string doubleOutcome(const std::string& text, double& value) {
    try {
        value = textToDouble(text);
        return "value";
    } catch (const ArithmeticOverflow&) {
        return "ArithmeticOverflow";
    } catch (const NotANumber&) {
        return "NotANumber";
    }
}

struct DoubleRow {
    std::string name;
    std::string text;
    std::string kind;  // "value", "ArithmeticOverflow" or "NotANumber"
    double value;
};

void PrintTo(const DoubleRow& row, std::ostream* os) { *os << row.name; }

class TextToDouble : public ::testing::TestWithParam<DoubleRow> {};

TEST_P(TextToDouble, IsTheNearestDoubleOrFails) {
    const DoubleRow& row = GetParam();
    double value = std::nan("");
    EXPECT_EQ(doubleOutcome(row.text, value), row.kind);
    if (row.kind == "value") {
        EXPECT_EQ(value, row.value) << row.text;
    }
}

// The double halfway between 1 and the next one up, 1 + 2^−53, written out.
const std::string kHalfwayAboveOne = "1.00000000000000011102230246251565404236316680908203125";

const DoubleRow kDoubleRows[] = {
    {"Tenth", "0.1", "value", 0.1},
    {"Grouped", " 1,234.5 ", "value", 1234.5},
    {"Negative", "-2.5E-3", "value", -0.0025},
    {"Setting", "50", "value", 50.0},
    {"Largest", "1.7976931348623157e308", "value", DBL_MAX},
    {"PastLargestOverflows", "1.7976931348623159e308", "ArithmeticOverflow", 0},
    {"FarPastOverflows", "1E400", "ArithmeticOverflow", 0},
    {"NegativeFarPastOverflows", "-1E400", "ArithmeticOverflow", 0},
    {"HugeExponentOverflows", "1E999999999999", "ArithmeticOverflow", 0},
    {"Subnormal", "4.9e-324", "value", std::numeric_limits<double>::denorm_min()},
    {"UnderflowIsZero", "1e-400", "value", 0.0},
    {"NegativeUnderflowIsZero", "-1e-400", "value", 0.0},
    {"HugeNegativeExponentIsZero", "1E-999999999999", "value", 0.0},
    {"HalfwayTiesToEven", kHalfwayAboveOne, "value", 1.0},
    {"JustAboveHalfwayFarOut", kHalfwayAboveOne + repeat("0", 1000) + "1", "value",
     std::nextafter(1.0, 2.0)},
    {"MillionDigits", "." + kMillionDigits, "value", 0.123456789012345678901},
    {"MillionDigitIntegerOverflows", kMillionDigits, "ArithmeticOverflow", 0},
    {"Empty", "", "NotANumber", 0},
    {"Letters", "abc", "NotANumber", 0},
    {"InfinityWord", "inf", "NotANumber", 0},
    {"Hex", "0x1p3", "NotANumber", 0},
    {"TwoPoints", "1.2.3", "NotANumber", 0},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, TextToDouble, ::testing::ValuesIn(kDoubleRows),
                         [](const auto& info) { return info.param.name; });

// ---- Leading number ------------------------------------------------------------

struct LeadingRow {
    std::string name;
    std::string text;
    double value;
};

void PrintTo(const LeadingRow& row, std::ostream* os) { *os << row.name; }

class LeadingNumber : public ::testing::TestWithParam<LeadingRow> {};

TEST_P(LeadingNumber, ReadsTheLongestLeadingNumber) {
    const LeadingRow& row = GetParam();
    EXPECT_EQ(leadingNumber(row.text), row.value);
}

const double kInf = std::numeric_limits<double>::infinity();

const LeadingRow kLeadingRows[] = {
    {"Plain", "1001", 1001},
    {"SpacesInside", "1 000", 1000},
    {"SpacesEverywhere", "  - 3 . 5 x", -3.5},
    {"CommaEnds", "1,500", 1},
    {"LettersEnd", "12abc", 12},
    {"NoNumber", "abc", 0},
    {"Empty", "", 0},
    {"LoneSign", "-", 0},
    {"LonePoint", ".", 0},
    {"Fraction", ".5", 0.5},
    {"PlusSign", "+7", 7},
    {"SecondSignEnds", "--5", 0},
    {"SecondPointEnds", "1.2.3", 1.2},
    {"NoExponent", "1e5", 1},
    {"NoHexPrefix", "&H10", 0},
    {"NoCPrefix", "0x10", 0},
    {"TabEnds", "\t5", 0},
    {"HighBytesEnd", "7\xFF" "8", 7},
    {"MillionDigitsAreInfinite", kMillionDigits, kInf},
    {"NegativeMillionDigits", "-" + kMillionDigits, -kInf},
    {"MillionZerosAfterPoint", "." + repeat("0", 1'000'000) + "1", 0},
    {"MillionSpacesThenDigit", repeat(" ", 1'000'000) + "9", 9},
};

INSTANTIATE_TEST_SUITE_P(FixedDecimal, LeadingNumber, ::testing::ValuesIn(kLeadingRows),
                         [](const auto& info) { return info.param.name; });

// The whole part is taken of the digits, before any rounding to a double.
TEST(LeadingWholeNumber, DropsTheFractionBeforeRounding) {
    EXPECT_EQ(leadingWholeNumber("1000.99999999999999999"), 1000);
    EXPECT_EQ(leadingWholeNumber("1 001abc"), 1001);
    EXPECT_EQ(leadingWholeNumber("1,500"), 1);
    EXPECT_EQ(leadingWholeNumber("-2.5"), -2);
    EXPECT_EQ(leadingWholeNumber(".9"), 0);
    EXPECT_EQ(leadingWholeNumber("abc"), 0);
    EXPECT_EQ(leadingWholeNumber(kMillionDigits + ".5"), kInf);
}

}  // namespace
}  // namespace calcora
