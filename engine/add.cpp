// SPDX-License-Identifier: MIT
// LargeAdd: exact signed addition and subtraction of number strings.
//
// The operands are aligned into two buffers of one length (leading zeros in
// front, "." and fraction zeros behind), ordered with one memcmp, run through
// one right-to-left digit loop into a preallocated buffer, and normalised by
// moving two indices. Every pass is linear; nothing is prepended.
#include "engine/engine.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/digit_words.h"
#include "engine/limits.h"
#include "engine/numtext.h"
#include "engine/wide_word.h"

namespace calcora {

namespace {

// Writes `magnitude` into `out` (length `width`) aligned to the common shape:
// zeros in front up to `intWidth`, then the text, then a "." when the other
// operand brought the only one, then zeros.
void align(std::string_view magnitude, const numtext::Shape& shape, std::size_t intWidth, char* out,
           std::size_t width) {
    const std::size_t front = intWidth - shape.intChars;
    std::memset(out, '0', width);
    if (!magnitude.empty()) std::memcpy(out + front, magnitude.data(), magnitude.size());
    const std::size_t end = front + magnitude.size();
    if (!shape.hasPoint && end < width) out[end] = '.';
}

// Eight digits a step: a chunk of eight bytes of both operands that are all
// "0".."9" is added or subtracted as one 64-bit word (see wordStep); any other
// chunk (one holding the point or anything else, the short chunk at the left
// end) goes through byteStep, which follows the digit rules one byte at a
// time. Both keep the carry (add) or borrow (subtract) as 0 or 1.
constexpr std::size_t kWord = 8;
constexpr std::uint64_t kEach = digit_words::kEachByte;

// One word of eight digits each. Adding 246 to every byte of the sum makes a
// digit sum of ten or more carry into the next byte by itself; subtracting
// digit values borrows the same way. Bytes that did not carry (sum) or did
// borrow (difference) then hold 246..255 and lose 246; the rest hold 0..9.
// The words are loaded as they lie in memory; reversing them puts the
// rightmost character in the lowest byte, so the word's own carries and
// borrows run the way the digits' do.
template <bool kSubtract>
unsigned wordStep(std::uint64_t wa, std::uint64_t wb, char* out, unsigned carry) {
    const std::uint64_t x = bigEndianWord(wa) - 0x30 * kEach;
    const std::uint64_t y = bigEndianWord(wb) - 0x30 * kEach;
    Uint128 t;
    unsigned carryOut;
    if constexpr (kSubtract) {
        t = static_cast<Uint128>(x) - y - carry;
        carryOut = static_cast<unsigned>(t >> 64) != 0 ? 1u : 0u;
    } else {
        t = static_cast<Uint128>(x) + y + 0xF6 * kEach + carry;
        carryOut = static_cast<unsigned>(t >> 64);
    }
    std::uint64_t digits = static_cast<std::uint64_t>(t);
    const std::uint64_t over = (digits >> 7) & kEach;
    digits = digits - over * 0xF6 + 0x30 * kEach;
    digits = bigEndianWord(digits);
    std::memcpy(out, &digits, kWord);
    return carryOut;
}

// The digit rules byte by byte over [from, to), right to left. Both texts
// have their point at `pointAt` (npos when neither has one), where the
// alignment put it. Marks `bad` for anything that makes an operand no number
// string: any other byte that is no digit, a second point included; the
// caller fails once the loop is over, which keeps the checking inside the one
// pass over the digits.
template <bool kSubtract>
unsigned byteStep(const char* a, const char* b, char* out, std::size_t from, std::size_t to,
                  std::size_t pointAt, unsigned carry, bool& bad) {
    for (std::size_t i = to; i-- > from;) {
        if (i == pointAt) {  // the point passes through, and so does the carry
            out[i] = '.';
            continue;
        }
        // Unsigned, so that a byte below "0" is above 9 too.
        const auto d1 = static_cast<unsigned>(a[i] - '0');
        const auto d2 = static_cast<unsigned>(b[i] - '0');
        bad = bad || d1 > 9 || d2 > 9;
        if constexpr (kSubtract) {
            const int s = static_cast<int>(d1) - static_cast<int>(d2) - static_cast<int>(carry);
            carry = s < 0 ? 1u : 0u;
            out[i] = static_cast<char>('0' + s + 10 * static_cast<int>(carry));
        } else {
            const unsigned s = d1 + d2 + carry;
            carry = s > 9 ? 1u : 0u;
            out[i] = static_cast<char>('0' + s - 10 * carry);
        }
    }
    return carry;
}

// a ± b over n aligned bytes, right to left into out; returns the final carry
// or borrow (none is left when subtracting number strings: the larger text
// comes first).
template <bool kSubtract>
unsigned digitLoop(const char* a, const char* b, std::size_t n, std::size_t pointAt, char* out, bool& bad) {
    unsigned carry = 0;
    std::size_t i = n;
    for (; i >= kWord; i -= kWord) {
        const std::uint64_t wa = digit_words::load(a + i - kWord);
        const std::uint64_t wb = digit_words::load(b + i - kWord);
        if (digit_words::allDigits(wa) && digit_words::allDigits(wb)) {
            carry = wordStep<kSubtract>(wa, wb, out + i - kWord, carry);
        } else {
            carry = byteStep<kSubtract>(a, b, out, i - kWord, i, pointAt, carry, bad);
        }
    }
    return byteStep<kSubtract>(a, b, out, 0, i, pointAt, carry, bad);
}

}  // namespace

std::string LargeAdd(std::string_view AddorSub, std::string_view Num1StrIn,
                     std::string_view Num2StrIn) {
    if (AddorSub != "+" && AddorSub != "-") {
        throw InvalidArgument("LargeAdd: operation must be \"+\" or \"-\"");
    }

    std::string store1;
    std::string store2;
    const std::string_view op1 = numtext::cleanedView(Num1StrIn, store1);
    const std::string_view op2 = numtext::cleanedView(Num2StrIn, store2);
    limits::requireLength(op1, "LargeAdd: first operand length");
    limits::requireLength(op2, "LargeAdd: second operand length");

    // Signs: reduce to an effective operation on two magnitudes, a result
    // sign for sums of negatives, and the operand order.
    const bool neg1 = !op1.empty() && op1.front() == '-';
    const bool neg2 = !op2.empty() && op2.front() == '-';
    std::string_view a = neg1 ? op1.substr(1) : op1;
    std::string_view b = neg2 ? op2.substr(1) : op2;
    const bool plus = AddorSub == "+";
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
    const std::int16_t n = limits::toCount(static_cast<std::int64_t>(intWidth + fracWidth + (point ? 1 : 0)),
                                           "LargeAdd: aligned operand length");
    const auto width = static_cast<std::size_t>(n);

    // Both aligned operands share one allocation; the result has room in
    // front for the sign and a final carry.
    std::string aligned(2 * width, '\0');
    align(a, s1, intWidth, aligned.data(), width);
    align(b, s2, intWidth, aligned.data() + width, width);
    const char* x = aligned.data();
    const char* y = x + width;

    // Aligned texts of one length order like their magnitudes, so a byte
    // comparison decides which is larger; equal texts keep their order.
    bool swapped = false;
    if (subtract && std::memcmp(x, y, width) < 0) {
        std::swap(x, y);
        swapped = true;
    }

    constexpr std::size_t kHead = 2;  // room for "-" and a final carry "1"
    std::string result(kHead + width, '\0');
    char* digits = result.data() + kHead;
    std::size_t begin = kHead;
    const std::size_t pointAt = point ? intWidth : std::string::npos;
    bool bad = false;
    if (subtract) {
        digitLoop<true>(x, y, width, pointAt, digits, bad);
    } else if (digitLoop<false>(x, y, width, pointAt, digits, bad) != 0) {
        result[--begin] = '1';
    }
    if (bad) throw NotANumber("LargeAdd: an operand is not a number string");

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
    if (begin == end) return "0";
    // A final carry or the sign can take the result past what the next
    // operation reads.
    if (end - begin > static_cast<std::size_t>(limits::kMaxCount)) {
        limits::failTooLong("LargeAdd: the result");
    }
    result.erase(end);
    result.erase(0, begin);
    return result;
}

}  // namespace calcora
