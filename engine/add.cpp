// SPDX-License-Identifier: MIT
// LargeAdd: exact signed addition and subtraction of number strings.
//
// The operands are read in place as if aligned on their points (leading
// zeros in front, "." and fraction zeros behind), ordered by comparing their
// columns, run through one right-to-left column loop into a preallocated
// buffer, and normalised by moving two indices. Every pass is linear;
// nothing is prepended.
#include "engine/engine.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "engine/digit_columns.h"
#include "engine/limits.h"
#include "engine/numtext.h"

namespace calcora {

namespace {

// a ± b for operands without separators (LargeAdd's work once they are
// taken out), or nothing when a character of either is no digit, or a point
// out of place. ArithmeticOverflow as LargeAdd; on a first try (see
// LargeAdd) nothing instead where the aligned operands are too long.
std::optional<std::string> sumOf(bool plus, std::string_view op1, std::string_view op2, bool firstTry) {
    // Signs: reduce to an effective operation on two magnitudes, a result
    // sign for sums of negatives, and the operand order.
    std::string_view a = op1;
    std::string_view b = op2;
    const bool neg1 = numtext::takeSign(a);
    const bool neg2 = numtext::takeSign(b);
    const bool subtract = plus ? neg1 != neg2 : neg1 == neg2;
    // −a + b and −a − (−b) are both b − a.
    if (subtract && neg1) std::swap(a, b);
    // −a + (−b) and −a − b are both −(a + b).
    const bool negate = !subtract && neg1;

    // Shapes are measured before alignment; both operands are within 32,767
    // characters, so their sum cannot wrap.
    const numtext::Shape s1 = numtext::shapeOf(a);
    const numtext::Shape s2 = numtext::shapeOf(b);
    const bool point = s1.hasPoint || s2.hasPoint;
    const std::size_t intWidth = std::max(s1.intChars, s2.intChars);
    const std::size_t fracWidth = std::max(s1.fracChars, s2.fracChars);
    const auto aligned = static_cast<std::int64_t>(intWidth + fracWidth + (point ? 1 : 0));
    if (firstTry && aligned > limits::kMaxCount) return std::nullopt;
    const std::int16_t n = limits::toCount(aligned, "LargeAdd: aligned operand length");
    const auto width = static_cast<std::size_t>(n);

    // The operands are read where they lie, as if aligned on their points.
    digit_columns::Operand x{a, intWidth - s1.intChars};
    digit_columns::Operand y{b, intWidth - s2.intChars};
    const std::size_t pointAt = point ? intWidth : std::string::npos;

    // Aligned texts of one length order like their magnitudes, so comparing
    // their columns decides which is larger; equal texts keep their order.
    bool swapped = false;
    if (subtract && digit_columns::compare(x, y, width, pointAt) < 0) {
        std::swap(x, y);
        swapped = true;
    }

    // Room in front for "-" and a final carry "1"; just the room they take
    // when the leftmost columns tell whether a sum carries, so that the
    // digits need not move when they are done.
    const std::optional<bool> carries =
        subtract ? std::nullopt : digit_columns::sumCarriesOut(x, y, width, pointAt);
    const std::size_t head = carries ? (negate ? 1 : 0) + (*carries ? 1 : 0) : 2;
    std::string result(head + width, '\0');
    char* digits = result.data() + head;
    std::size_t begin = head;
    bool bad = false;
    if (subtract) {
        (void)digit_columns::subtractColumns(x, y, width, pointAt, digits, bad);
    } else if (digit_columns::addColumns(x, y, width, pointAt, digits, bad) != 0) {
        result[--begin] = '1';
    }
    if (bad) return std::nullopt;

    std::size_t end = result.size();
    // A difference loses its leading zeros, the one before the point too.
    if (subtract) {
        while (begin < end && result[begin] == '0') ++begin;
    }
    // Trailing zeros go only when the text has a point; then one trailing point.
    if (point) {
        while (end > begin && result[end - 1] == '0') --end;
    }
    if (end > begin && result[end - 1] == '.') --end;
    if (swapped || negate) result[--begin] = '-';
    if (begin == end) return std::string("0");
    // A final carry or the sign can take the result past what the next
    // operation reads.
    if (end - begin > static_cast<std::size_t>(limits::kMaxCount)) {
        limits::failTooLong("LargeAdd: the result");
    }
    result.erase(end);
    result.erase(0, begin);
    return result;
}

}  // namespace

std::string LargeAdd(std::string_view AddorSub, std::string_view Num1StrIn,
                     std::string_view Num2StrIn) {
    if (AddorSub != "+" && AddorSub != "-") {
        throw InvalidArgument("LargeAdd: operation must be \"+\" or \"-\"");
    }
    const bool plus = AddorSub == "+";
    // Operands seldom hold separators: the sum is tried on the texts as they
    // are, and only when a character is no digit (a "," or " " among them)
    // are the separators taken out and the sum made again. A first try that
    // gives a sum saw no separator, so it is the sum the second would give.
    const auto within = [](std::string_view text) { return text.size() <= static_cast<std::size_t>(limits::kMaxCount); };
    if (within(Num1StrIn) && within(Num2StrIn)) {
        if (std::optional<std::string> sum = sumOf(plus, Num1StrIn, Num2StrIn, true)) return *std::move(sum);
    }

    std::string store1;
    std::string store2;
    const std::string_view op1 = numtext::cleanedView(Num1StrIn, store1);
    const std::string_view op2 = numtext::cleanedView(Num2StrIn, store2);
    limits::requireLength(op1, "LargeAdd: first operand length");
    limits::requireLength(op2, "LargeAdd: second operand length");
    std::optional<std::string> sum = sumOf(plus, op1, op2, false);
    if (!sum) throw NotANumber("LargeAdd: an operand is not a number string");
    return *std::move(sum);
}

}  // namespace calcora
