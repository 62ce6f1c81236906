// SPDX-License-Identifier: MIT
// The column loop: two operand texts read where they lie, never copied into
// aligned buffers. Eight columns a step in machine words on every processor;
// sixty-four a step in vector registers where the processor has AVX-512
// (with its byte permutes), chosen when the loop starts.
#include "engine/digit_columns.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "engine/digit_words.h"
#include "engine/wide_word.h"  // bigEndianWord

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__) && !defined(_WIN32)
// Not on Windows: there the compiler keeps its stack 16-byte aligned and
// spills of 64-byte registers can fault.
#define CALCORA_VECTOR_COLUMNS 1
#include <immintrin.h>
#else
#define CALCORA_VECTOR_COLUMNS 0
#endif

namespace calcora::digit_columns {

namespace {

constexpr std::size_t kWord = 8;
constexpr std::uint64_t kEach = digit_words::kEachByte;
constexpr std::uint64_t kZeros = 0x30 * kEach;

bool covers(Operand op, std::size_t column) {
    return column >= op.offset && column - op.offset < op.text.size();
}

char columnChar(Operand op, std::size_t column, std::size_t pointAt) {
    if (covers(op, column)) return op.text[column - op.offset];
    return column == pointAt ? '.' : '0';
}

// Columns [column, column + 8) of op as a word in memory order.
std::uint64_t columnWord(Operand op, std::size_t column, std::size_t pointAt) {
    if (column >= op.offset && column + kWord - op.offset <= op.text.size()) {
        return digit_words::load(op.text.data() + (column - op.offset));
    }
    const bool outside = column + kWord <= op.offset || column >= op.offset + op.text.size();
    const bool hasPoint = pointAt >= column && pointAt - column < kWord;
    if (outside && !hasPoint) return kZeros;
    char bytes[kWord];
    for (std::size_t k = 0; k < kWord; ++k) bytes[k] = columnChar(op, column + k, pointAt);
    return digit_words::load(bytes);
}

// One word of eight digits each. Adding 246 to every byte of the sum makes a
// digit sum of ten or more carry into the next byte by itself; subtracting
// digit values borrows the same way. Bytes that did not carry (sum) or did
// borrow (difference) then hold 246..255 and lose 246; the rest hold 0..9.
// The words are loaded as they lie in memory; reversing them puts the
// rightmost character in the lowest byte, so the word's own carries and
// borrows run the way the digits' do.
//
// The word is worked out as if no carry came in; a carry that does come in
// adds one to it, and passes on only when every byte is at its top (a sum of
// nines, a difference of zero). So from word to word only that carry runs,
// and the carry out of the top bit comes from the operands' and the result's
// top bits (a comparison would become a branch the digits make unpredictable).
template <bool kSubtract>
unsigned wordStep(std::uint64_t wa, std::uint64_t wb, char* out, unsigned carry) {
    const std::uint64_t x = bigEndianWord(wa) - kZeros;
    const std::uint64_t y = bigEndianWord(wb) - kZeros;
    std::uint64_t digits;
    unsigned carryOut;
    if constexpr (kSubtract) {
        const std::uint64_t t = x - y;
        const auto borrow = static_cast<unsigned>(((~x & y) | ((~x | y) & t)) >> 63);
        carryOut = borrow | (carry & static_cast<unsigned>(t == 0));
        digits = t - carry;
    } else {
        constexpr std::uint64_t k = 0xF6 * kEach;
        const std::uint64_t s = x + y;  // bytes up to 18: no byte carries yet
        const std::uint64_t t = s + k;
        const auto top = static_cast<unsigned>(((s & k) | ((s | k) & ~t)) >> 63);
        carryOut = top | (carry & static_cast<unsigned>(t == ~std::uint64_t{0}));
        digits = t + carry;
    }
    const std::uint64_t over = (digits >> 7) & kEach;
    digits = digits - over * 0xF6 + kZeros;
    digits = bigEndianWord(digits);
    std::memcpy(out, &digits, kWord);
    return carryOut;
}

// The digit rules byte by byte over the columns [from, to), right to left.
// The point column holds "." in both operands (see Operand) and passes the
// carry through.
template <bool kSubtract>
unsigned byteStep(Operand a, Operand b, char* out, std::size_t from, std::size_t to, std::size_t pointAt,
                  unsigned carry, bool& bad) {
    for (std::size_t i = to; i-- > from;) {
        if (i == pointAt) {
            out[i] = '.';
            continue;
        }
        // Unsigned, so that a byte below "0" is above 9 too.
        const auto d1 = static_cast<unsigned>(columnChar(a, i, pointAt) - '0');
        const auto d2 = static_cast<unsigned>(columnChar(b, i, pointAt) - '0');
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

// Eight columns a step; a step whose columns are not all digits in both
// operands (the point's, one with anything else, the short one at the left
// end) goes byte by byte.
template <bool kSubtract>
unsigned wordLoop(Operand a, Operand b, std::size_t width, std::size_t pointAt, char* out, bool& bad) {
    unsigned carry = 0;
    std::size_t i = width;
    for (; i >= kWord; i -= kWord) {
        const std::uint64_t wa = columnWord(a, i - kWord, pointAt);
        const std::uint64_t wb = columnWord(b, i - kWord, pointAt);
        if (digit_words::allDigits(wa) && digit_words::allDigits(wb)) {
            carry = wordStep<kSubtract>(wa, wb, out + i - kWord, carry);
        } else {
            carry = byteStep<kSubtract>(a, b, out, i - kWord, i, pointAt, carry, bad);
        }
    }
    return byteStep<kSubtract>(a, b, out, 0, i, pointAt, carry, bad);
}

#if CALCORA_VECTOR_COLUMNS

#define CALCORA_VECTOR_TARGET __attribute__((target("avx512f,avx512bw,avx512vbmi")))

constexpr std::ptrdiff_t kLanes = 64;
// Every lane. The masked form of the byte permute: GCC 12's plain one starts
// from an undefined register and warns about it.
constexpr __mmask64 kAllLanes = ~__mmask64{0};

bool haveVectorColumns() {
    static const bool have = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                             __builtin_cpu_supports("avx512vbmi");
    return have;
}

// The lanes of the block of columns [start, start + 64) that op's text covers.
std::uint64_t coveredLanes(Operand op, std::ptrdiff_t start) {
    const auto offset = static_cast<std::ptrdiff_t>(op.offset);
    const std::ptrdiff_t lo = std::max<std::ptrdiff_t>(offset - start, 0);
    const std::ptrdiff_t hi = std::min<std::ptrdiff_t>(offset + static_cast<std::ptrdiff_t>(op.text.size()) - start, kLanes);
    if (lo >= hi) return 0;
    const std::uint64_t below = hi == kLanes ? ~std::uint64_t{0} : (std::uint64_t{1} << hi) - 1;
    return below & ~((std::uint64_t{1} << lo) - 1);
}

// The block's columns of op, lane j the column start + j, "0" where its text
// does not reach. The masked load touches only the lanes it keeps, so the
// address of the others (before or after the text) is never read.
CALCORA_VECTOR_TARGET __m512i loadColumns(Operand op, std::ptrdiff_t start) {
    const std::uint64_t lanes = coveredLanes(op, start);
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(op.text.data()) +
                                   static_cast<std::uintptr_t>(start - static_cast<std::ptrdiff_t>(op.offset));
    return _mm512_mask_loadu_epi8(_mm512_set1_epi8('0'), lanes, reinterpret_cast<const void*>(address));
}

// One block of sixty-four columns [start, start + 64). The lanes are turned
// around so that lane k is the k-th column from the block's right end; then
// the carries of a block are one integer addition over its masks: every lane
// that makes a carry (a digit sum of ten or more) sends it one lane up, and
// every lane that passes one on (a sum of 9, the point) lets it run through,
// as the bits of Z + P do. An inner block (kInner) lies within both texts and
// away from the point: its columns are loaded as they are.
template <bool kSubtract, bool kInner>
CALCORA_VECTOR_TARGET inline unsigned vectorBlock(Operand a, Operand b, std::ptrdiff_t start, std::size_t pointAt,
                                                  char* out, unsigned carry, __mmask64& badLanes) {
    const __m512i turn = _mm512_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                         22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,
                                         42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61,
                                         62, 63);
    const __m512i zeroChar = _mm512_set1_epi8('0');
    const __m512i nine = _mm512_set1_epi8(9);
    const __m512i ten = _mm512_set1_epi8(10);
    const __m512i one = _mm512_set1_epi8(1);
    const std::ptrdiff_t end = start + kLanes;
    __m512i x, y;
    std::uint64_t pointBit = 0;
    if constexpr (kInner) {
        x = _mm512_loadu_si512(a.text.data() + (start - static_cast<std::ptrdiff_t>(a.offset)));
        y = _mm512_loadu_si512(b.text.data() + (start - static_cast<std::ptrdiff_t>(b.offset)));
    } else {
        x = loadColumns(a, start);
        y = loadColumns(b, start);
        const auto point = static_cast<std::ptrdiff_t>(pointAt);
        if (pointAt != std::string_view::npos && point >= start && point < end) {
            // The point column adds as 0 and 0 and passes the carry on.
            const __mmask64 pointLane = std::uint64_t{1} << (point - start);
            x = _mm512_mask_mov_epi8(x, pointLane, zeroChar);
            y = _mm512_mask_mov_epi8(y, pointLane, zeroChar);
            pointBit = std::uint64_t{1} << (end - 1 - point);
        }
    }
    x = _mm512_sub_epi8(x, zeroChar);
    y = _mm512_sub_epi8(y, zeroChar);
    badLanes |= _mm512_cmpgt_epu8_mask(x, nine) | _mm512_cmpgt_epu8_mask(y, nine);
    x = _mm512_maskz_permutexvar_epi8(kAllLanes, turn, x);
    y = _mm512_maskz_permutexvar_epi8(kAllLanes, turn, y);

    __m512i s;
    std::uint64_t makes, passes;
    if constexpr (kSubtract) {
        s = _mm512_sub_epi8(x, y);
        makes = _mm512_cmplt_epu8_mask(x, y);
        passes = _mm512_cmpeq_epi8_mask(x, y) | pointBit;
    } else {
        s = _mm512_add_epi8(x, y);
        makes = _mm512_cmpgt_epu8_mask(s, nine);
        passes = _mm512_cmpeq_epi8_mask(s, nine) | pointBit;
    }
    const std::uint64_t fresh = (makes << 1) | carry;
    std::uint64_t run = 0;
    const bool overflow = __builtin_add_overflow(fresh, passes, &run);
    const std::uint64_t gets = run ^ passes;  // the lanes a carry reaches
    // Out of the block's leftmost column: past a full block, or into the lane
    // just beyond the first column in the short block at the left end (whose
    // empty lanes neither make a carry nor stop a borrow).
    const unsigned carryOut = start >= 0 ? static_cast<unsigned>((makes >> 63) | (overflow ? 1 : 0))
                                         : static_cast<unsigned>((gets >> end) & 1);

    __m512i t;
    if constexpr (kSubtract) {
        t = _mm512_mask_sub_epi8(s, gets, s, one);
        t = _mm512_mask_add_epi8(t, _mm512_cmplt_epi8_mask(t, _mm512_setzero_si512()), t, ten);
    } else {
        t = _mm512_mask_add_epi8(s, gets, s, one);
        t = _mm512_mask_sub_epi8(t, _mm512_cmpgt_epu8_mask(t, nine), t, ten);
    }
    t = _mm512_add_epi8(t, zeroChar);
    if constexpr (!kInner) t = _mm512_mask_mov_epi8(t, pointBit, _mm512_set1_epi8('.'));
    t = _mm512_maskz_permutexvar_epi8(kAllLanes, turn, t);
    if (start >= 0) {
        _mm512_storeu_si512(out + start, t);
    } else {
        const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(out) - static_cast<std::uintptr_t>(-start);
        _mm512_mask_storeu_epi8(reinterpret_cast<void*>(address), ~std::uint64_t{0} << -start, t);
    }
    return carryOut;
}

// Sixty-four columns a step, right to left.
template <bool kSubtract>
CALCORA_VECTOR_TARGET unsigned vectorLoop(Operand a, Operand b, std::size_t width, std::size_t pointAt, char* out,
                                          bool& bad) {
    // The inner columns: within both texts.
    const auto innerFrom = static_cast<std::ptrdiff_t>(std::max(a.offset, b.offset));
    const auto innerTo = static_cast<std::ptrdiff_t>(std::min(a.offset + a.text.size(), b.offset + b.text.size()));
    const auto point = pointAt == std::string_view::npos ? std::ptrdiff_t{-1} : static_cast<std::ptrdiff_t>(pointAt);
    __mmask64 badLanes = 0;
    unsigned carry = 0;
    for (auto end = static_cast<std::ptrdiff_t>(width); end > 0; end -= kLanes) {
        const std::ptrdiff_t start = end - kLanes;
        const bool inner = start >= innerFrom && end <= innerTo && (point < start || point >= end);
        carry = inner ? vectorBlock<kSubtract, true>(a, b, start, pointAt, out, carry, badLanes)
                      : vectorBlock<kSubtract, false>(a, b, start, pointAt, out, carry, badLanes);
    }
    bad = bad || badLanes != 0;
    return kSubtract ? 0 : carry;
}

#endif

template <bool kSubtract>
unsigned columns(Operand a, Operand b, std::size_t width, std::size_t pointAt, char* out, bool& bad, Loop loop) {
#if CALCORA_VECTOR_COLUMNS
    if (loop == Loop::kFastest && haveVectorColumns()) return vectorLoop<kSubtract>(a, b, width, pointAt, out, bad);
#else
    (void)loop;
#endif
    return wordLoop<kSubtract>(a, b, width, pointAt, out, bad);
}

// The first column in [from, to) where op reads anything but "0" (the point
// column reads the same in both operands and is skipped), or `to`.
std::size_t firstNotZero(Operand op, std::size_t from, std::size_t to, std::size_t pointAt) {
    for (std::size_t i = from; i < to; ++i) {
        if (i != pointAt && columnChar(op, i, pointAt) != '0') return i;
    }
    return to;
}

}  // namespace

int compare(Operand a, Operand b, std::size_t width, std::size_t pointAt) {
    // Between the ends of the two texts each stretch of columns is read from
    // both texts (one memcmp), from one (against "0"), or from neither.
    std::size_t cuts[] = {0,
                          std::min(a.offset, width),
                          std::min(a.offset + a.text.size(), width),
                          std::min(b.offset, width),
                          std::min(b.offset + b.text.size(), width),
                          width};
    std::sort(std::begin(cuts), std::end(cuts));
    const auto sign = [](unsigned char x, unsigned char y) { return x < y ? -1 : (x > y ? 1 : 0); };
    for (std::size_t c = 0; c + 1 < std::size(cuts); ++c) {
        const std::size_t from = cuts[c], to = cuts[c + 1];
        if (from == to) continue;
        const bool inA = covers(a, from), inB = covers(b, from);
        if (inA && inB) {
            const int order = std::memcmp(a.text.data() + (from - a.offset), b.text.data() + (from - b.offset), to - from);
            if (order != 0) return order < 0 ? -1 : 1;
        } else if (inA || inB) {
            const Operand& op = inA ? a : b;
            const std::size_t i = firstNotZero(op, from, to, pointAt);
            if (i < to) {
                const int order = sign(static_cast<unsigned char>(columnChar(op, i, pointAt)), '0');
                return inA ? order : -order;
            }
        }
    }
    return 0;
}

std::optional<bool> sumCarriesOut(Operand a, Operand b, std::size_t width, std::size_t pointAt) {
    constexpr std::size_t kLook = 64;
    for (std::size_t i = 0; i < std::min(width, kLook); ++i) {
        if (i == pointAt) continue;  // passes a carry on, as a sum of 9 does
        const auto d1 = static_cast<unsigned>(columnChar(a, i, pointAt) - '0');
        const auto d2 = static_cast<unsigned>(columnChar(b, i, pointAt) - '0');
        if (d1 > 9 || d2 > 9) return std::nullopt;
        if (d1 + d2 != 9) return d1 + d2 > 9;
    }
    // All nines: no carry comes in at the right end to pass on.
    return width <= kLook ? std::optional<bool>(false) : std::nullopt;
}

unsigned addColumns(Operand a, Operand b, std::size_t width, std::size_t pointAt, char* out, bool& bad, Loop loop) {
    return columns<false>(a, b, width, pointAt, out, bad, loop);
}

unsigned subtractColumns(Operand a, Operand b, std::size_t width, std::size_t pointAt, char* out, bool& bad,
                         Loop loop) {
    return columns<true>(a, b, width, pointAt, out, bad, loop);
}

}  // namespace calcora::digit_columns
