// SPDX-License-Identifier: MIT
// LargeMultiply: the exact product of two number strings.
//
// The product is one BigUInt multiplication of the two digit strings, with
// the point put back. The long multiplication it stands for builds one row
// per digit of the second operand, moves it to its place and adds it into a
// running total; those texts keep the leading zeros of the operands, so their
// lengths, which decide when the 16-bit limit fails the operation, are worked
// out from the operands' shapes and the product instead (checkRowLengths).
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "engine/bigint.h"
#include "engine/engine.h"
#include "engine/limits.h"
#include "engine/numtext.h"

namespace calcora {

namespace {

using Count = std::int64_t;
constexpr Count kMaxLength = limits::kMaxCount;

// Two number strings without a significant digit. Their product is zero,
// written "0" when both hold a digit, and the empty text when one does not
// ("" or ".").
std::string zeroProduct(std::string_view a, std::string_view b) {
    const auto hasDigit = [](std::string_view s) { return s.find('0') != std::string_view::npos; };
    return hasDigit(a) && hasDigit(b) ? "0" : "";
}

Count trailingZeros(const BigUInt& value) {
    Count zeros = 0;
    for (const BigUInt::Limb limb : value.limbs()) {
        if (limb == 0) {
            zeros += BigUInt::kBaseDigits;
            continue;
        }
        for (BigUInt::Limb l = limb; l % 10 == 0; l /= 10) ++zeros;
        break;
    }
    return zeros;
}

[[noreturn]] void tooLong(const char* what, Count length) {
    limits::failTooLong(std::string("LargeMultiply: ") + what + " of " + std::to_string(length) + " characters");
}

// Whether a × d (d in 1..9) has more than `width` digits. Only the top two
// limbs decide, unless the product lies within d·B^j of 10^width (j the
// limbs below them), where the product itself is made.
bool gainsDigit(const BigUInt& a, std::size_t width, std::uint32_t d) {
    const std::size_t digits = a.digitCount();
    if (digits < width) return false;  // a·d has at most one digit more than a
    const auto& limbs = a.limbs();
    if (limbs.size() <= 2) return multiplySmall(a, d).digitCount() > width;
    // a = t·B^j + rest with rest < B^j, and 10^width = p·B^j.
    const std::size_t j = limbs.size() - 2;
    const std::uint64_t t = static_cast<std::uint64_t>(limbs[j + 1]) * BigUInt::kBase + limbs[j];
    std::uint64_t p = 1;
    for (std::size_t i = j * BigUInt::kBaseDigits; i < width; ++i) p *= 10;
    if (t * d >= p) return true;
    if (t * d + d <= p) return false;
    return multiplySmall(a, d).digitCount() > width;
}

// Fails with ArithmeticOverflow exactly when the long multiplication would
// meet a text over 32,767 characters: a row (A times one digit, with a carry
// digit in front when A's digits times d reach the next power of ten), an
// operand of the running addition once aligned, or the final total.
//
// For the row of a digit with place value 10^e (e < 0 after B's point), with
// I and F the characters before and after A's point and c the carry digit:
//   shifted row: I + c + e before its point and F − e after (no point once
//   F − e ≤ 0) for e > 0; the row itself for e = 0; max(I + c − |e|, 0)
//   before and F + |e| after for e < 0.
// The total before that row is A times B's digits below 10^e. Its integer
// part never outruns the row's, so the aligned sum has the row's integer
// width. Its fraction keeps f − tz digits (f = A's and B's fraction digits,
// tz the trailing zeros of its digit product); once more digits of B are in
// it than the whole product has trailing zeros, tz is the product's own, and
// before that its fraction is never wider than the row's. Each total is no
// longer than the next aligned sum, so only the last one is checked itself.
void checkRowLengths(std::string_view A, std::string_view B, const BigUInt& aDigits,
                     const BigUInt& product) {
    const numtext::Shape sa = numtext::shapeOf(A);
    const numtext::Shape sb = numtext::shapeOf(B);
    const Count la = static_cast<Count>(A.size());
    const Count ia = static_cast<Count>(sa.intChars);
    const Count fa = static_cast<Count>(sa.fracChars);
    const Count fractionDigits = fa + static_cast<Count>(sb.fracChars);

    const bool zero = product.isZero();
    const Count productZeros = zero ? std::numeric_limits<Count>::max() : trailingZeros(product);
    const Count productFraction = zero ? 0 : std::max<Count>(fractionDigits - productZeros, 0);
    const Count productInteger =
        zero ? 0 : std::max<Count>(static_cast<Count>(product.digitCount()) - fractionDigits, 0);

    // carry[d]: A's digits times d have more digits than A.
    const std::size_t aDigitCount = A.size() - (sa.hasPoint ? 1 : 0);
    std::array<int, 10> carry{};
    for (std::uint32_t d = 1; d <= 9; ++d) carry[d] = gainsDigit(aDigits, aDigitCount, d) ? 1 : 0;

    const Count lb = static_cast<Count>(B.size());
    const Count pointPos = sb.hasPoint ? static_cast<Count>(sb.intChars) + 1 : lb + 1;
    Count digitsDone = 0;
    Count lastIntWidth = 0;
    for (Count pos = lb; pos >= 1; --pos) {
        const char ch = B[static_cast<std::size_t>(pos - 1)];
        if (ch == '.') continue;
        const Count shift = pointPos - pos;
        const Count e = shift > 0 ? shift - 1 : shift;
        const int c = carry[static_cast<std::size_t>(ch - '0')];
        if (la + c > kMaxLength) tooLong("a row", la + c);

        const Count rowInt = ia + c;
        Count intWidth = 0;
        Count fracWidth = 0;
        bool point = false;
        if (e > 0) {
            intWidth = rowInt + e;
            point = sa.hasPoint && fa > e;
            fracWidth = point ? fa - e : 0;
        } else if (e == 0) {
            intWidth = rowInt;
            fracWidth = fa;
            point = sa.hasPoint;
        } else {
            intWidth = std::max<Count>(rowInt + e, 0);
            fracWidth = fa - e;
            point = true;
        }
        if (digitsDone > productZeros) {
            fracWidth = std::max(fracWidth, productFraction);
            point = point || productFraction > 0;
        }
        const Count aligned = intWidth + fracWidth + (point ? 1 : 0);
        if (aligned > kMaxLength) tooLong("an aligned sum", aligned);
        lastIntWidth = intWidth;
        ++digitsDone;
    }
    if (digitsDone == 0) return;
    const Count total = std::max(lastIntWidth, productInteger) + (productFraction > 0 ? 1 + productFraction : 0);
    if (total > kMaxLength) tooLong("the total", total);
}

}  // namespace

std::string LargeMultiply(std::string_view Num1StrIn, std::string_view Num2StrIn) {
    std::string A = numtext::cleaned(Num1StrIn);
    std::string B = numtext::cleaned(Num2StrIn);
    const bool negativeA = numtext::takeSign(A);
    const bool negativeB = numtext::takeSign(B);
    const bool negative = negativeA != negativeB;

    // The figure count first: it also measures both operands against the
    // 16-bit limit. Then the operands' form, so that a malformed zero such
    // as "0.0.0" fails like any other malformed operand.
    const std::int16_t figures =
        limits::toCount(std::int32_t{SigFigs(A)} + std::int32_t{SigFigs(B)}, "LargeMultiply: significant figures");
    if (!numtext::isNumberString(A) || !numtext::isNumberString(B)) {
        throw NotANumber("LargeMultiply: an operand is not a number string");
    }
    if (figures < 1) return zeroProduct(A, B);

    const BigUInt a = BigUInt::fromDigits(numtext::digitsOf(A));
    const BigUInt b = BigUInt::fromDigits(numtext::digitsOf(B));
    const BigUInt product = a * b;
    checkRowLengths(A, B, a, product);

    if (product.isZero()) return "0";
    const std::size_t fractionDigits = numtext::shapeOf(A).fracChars + numtext::shapeOf(B).fracChars;
    std::string text = numtext::placedPoint(product.toDigits(), -static_cast<std::int64_t>(fractionDigits));
    if (negative) text.insert(0, 1, '-');
    limits::requireLength(text, "LargeMultiply: product length");
    return text;
}

}  // namespace calcora
