// SPDX-License-Identifier: MIT
// Multiplication of BigUInt. The limbs are taken in pairs, as words of base
// 10^18, so that a product needs a quarter of the limb products: a column
// sum of 64 × 64-bit products in a 128-bit word is settled once per column
// (Comba's order), Karatsuba splits above the cutoff, squares make each cross
// product once, and powers stay in words of base 10^18 from start to end.
#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

#include "engine/bigint.h"
#include "engine/wide_word.h"

namespace calcora {

namespace {

using Limb = BigUInt::Limb;
constexpr Limb kBase = BigUInt::kBase;

// Two limbs: low + high·10^9.
using Word = std::uint64_t;
constexpr Word kWordBase = static_cast<Word>(kBase) * kBase;
using Words = std::vector<Word>;

// A column holds at most this many products, each below 10^36, and the
// carry from the column below (under 2^128 / 10^18): 256·10^36 + 3.5·10^20
// stays below 2^128 ≈ 3.4·10^38. Longer factors are multiplied in pieces.
constexpr std::size_t kMostTermsPerColumn = 256;

Words toWords(const std::vector<Limb>& limbs) {
    Words words((limbs.size() + 1) / 2);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Word high = 2 * i + 1 < limbs.size() ? limbs[2 * i + 1] : 0;
        words[i] = limbs[2 * i] + high * kBase;
    }
    return words;
}

BigUInt valueOf(const Words& words) {
    std::vector<Limb> limbs(2 * words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Word high = words[i] / kBase;
        limbs[2 * i] = static_cast<Limb>(words[i] - high * kBase);
        limbs[2 * i + 1] = static_cast<Limb>(high);
    }
    return BigUInt::fromLimbs(std::move(limbs));
}

// The column v split into its digit below 10^18 (returned) and the carry.
// With the compiler's 128-bit integer that is its division (a quotient that
// fits a word is one division instruction, fast on this project's machines);
// with the two-word one, the high word is divided by 10^18 (a constant, so a
// multiplication), and the rest, now below 10^18·2^64, by the reciprocal of
// 16·10^18 (Möller and Granlund, "Improved division by invariant integers",
// 2011, algorithm 4).
Word splitColumn(Uint128 v, Uint128& carry) {
#if CALCORA_HAVE_INT128
    carry = v / kWordBase;
    return static_cast<Word>(v - carry * kWordBase);
#else
    constexpr int kShift = 4;                         // 16·10^18 has its top bit set
    constexpr Word kDivisor = kWordBase << kShift;
    constexpr Word kReciprocal = 0x2725'dd1d'243a'ba0e;  // floor((2^128 − 1) / kDivisor) − 2^64
    const auto high = static_cast<Word>(v >> 64);
    const auto low = static_cast<Word>(v);
    const Word qHigh = high / kWordBase;
    const Word u1 = ((high - qHigh * kWordBase) << kShift) | (low >> (64 - kShift));
    const Word u0 = low << kShift;
    const Uint128 p = Uint128(kReciprocal) * u1 + Uint128(u0);
    Word q = static_cast<Word>(p >> 64) + u1 + 1;
    Word r = u0 - q * kDivisor;
    // r above the low word of p: q was one too many (half the time, so
    // without a branch); r at or above the divisor: one too few (rarely).
    const Word over = static_cast<Word>(0) - static_cast<Word>(r > static_cast<Word>(p));
    q += over;
    r += over & kDivisor;
    if (r >= kDivisor) {
        ++q;
        r -= kDivisor;
    }
    carry = fromWords(qHigh, q);
    return r >> kShift;
#endif
}

// out[0 .. na+nb) = a × b for na ≥ nb, 1 ≤ nb ≤ kMostTermsPerColumn, one
// column at a time. Two sums take alternate products so that two carry
// chains run side by side.
void mulColumns(const Word* a, std::size_t na, const Word* b, std::size_t nb, Word* out) {
    const std::size_t n = na + nb;
    Uint128 carry = 0;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const std::size_t last = std::min(k, nb - 1);
        std::size_t j = k >= na ? k - na + 1 : 0;
        Uint128 even = carry, odd = 0;
        for (; j < last; j += 2) {
            even += Uint128(a[k - j]) * b[j];
            odd += Uint128(a[k - j - 1]) * b[j + 1];
        }
        if (j == last) even += Uint128(a[k - j]) * b[j];
        out[k] = splitColumn(even + odd, carry);
    }
    out[n - 1] = static_cast<Word>(carry);
}

// out[0 .. 2n) = a² for 1 ≤ n ≤ kMostTermsPerColumn: each column doubles its
// cross products a[i]·a[j] (i > j), made once, and adds the square on the
// diagonal; at most (n + 1)·10^36 plus the carry.
void sqrColumns(const Word* a, std::size_t n, Word* out) {
    Uint128 carry = 0;
    for (std::size_t k = 0; k + 1 < 2 * n; ++k) {
        std::size_t j = k >= n ? k - n + 1 : 0;
        const std::size_t end = (k + 1) / 2;  // cross products have j < k − j
        Uint128 even = 0, odd = 0;
        for (; j + 1 < end; j += 2) {
            even += Uint128(a[k - j]) * a[j];
            odd += Uint128(a[k - j - 1]) * a[j + 1];
        }
        if (j < end) even += Uint128(a[k - j]) * a[j];
        const Uint128 cross = even + odd;
        Uint128 v = cross + cross + carry;
        if (k % 2 == 0) v += Uint128(a[k / 2]) * a[k / 2];
        out[k] = splitColumn(v, carry);
    }
    out[2 * n - 1] = static_cast<Word>(carry);
}

// r[0..nr) += a[0..na), na ≤ nr; returns the carry out of r.
Word addInto(Word* r, std::size_t nr, const Word* a, std::size_t na) {
    Word carry = 0;
    std::size_t i = 0;
    for (; i < na; ++i) {
        const Word s = r[i] + a[i] + carry;
        carry = s >= kWordBase;
        r[i] = carry ? s - kWordBase : s;
    }
    for (; carry != 0 && i < nr; ++i) {
        const Word s = r[i] + 1;
        carry = s == kWordBase;
        r[i] = carry ? 0 : s;
    }
    return carry;
}

// r[0..nr) −= a[0..na), na ≤ nr; returns the borrow out of r.
Word subInto(Word* r, std::size_t nr, const Word* a, std::size_t na) {
    Word borrow = 0;
    std::size_t i = 0;
    for (; i < na; ++i) {
        const Word sub = a[i] + borrow;
        borrow = r[i] < sub;
        r[i] = borrow ? r[i] + kWordBase - sub : r[i] - sub;
    }
    for (; borrow != 0 && i < nr; ++i) {
        borrow = r[i] == 0;
        r[i] = borrow ? kWordBase - 1 : r[i] - 1;
    }
    return borrow;
}

// Length without the zero words at the top.
std::size_t significant(const Word* a, std::size_t n) {
    while (n > 0 && a[n - 1] == 0) --n;
    return n;
}

// out[0 .. nx+ny) = x × y from x taken `len` words at a time: the product of
// each piece with y, which multiplyPiece(piece, pieceLength, into) makes in
// `into`, is added in at the piece's place.
template <class MultiplyPiece>
void mulByPieces(const Word* x, std::size_t nx, std::size_t ny, std::size_t len, Word* out,
                 MultiplyPiece multiplyPiece) {
    std::fill(out, out + nx + ny, 0);
    Words piece(len + ny);
    for (std::size_t off = 0; off < nx; off += len) {
        const std::size_t pieceLength = std::min(len, nx - off);
        multiplyPiece(x + off, pieceLength, piece.data());
        const Word carry = addInto(out + off, nx + ny - off, piece.data(), pieceLength + ny);
        assert(carry == 0);
        (void)carry;
    }
}

// out[0 .. na+nb) = a × b by columns, for na ≥ nb ≥ 1 of any length: b is
// taken in pieces short enough for a column's sum.
void mulBasecase(const Word* a, std::size_t na, const Word* b, std::size_t nb, Word* out) {
    if (nb <= kMostTermsPerColumn) {
        mulColumns(a, na, b, nb, out);
        return;
    }
    mulByPieces(b, nb, na, kMostTermsPerColumn, out,
                [&](const Word* piece, std::size_t n, Word* into) { mulColumns(a, na, piece, n, into); });
}

void mulRec(const Word* a, std::size_t na, const Word* b, std::size_t nb, Word* out, std::size_t cutoff);

// out = a × b for na ≥ 2·nb: a is cut into pieces of nb words, each multiplied
// by b as a balanced product.
void mulUnbalanced(const Word* a, std::size_t na, const Word* b, std::size_t nb, Word* out,
                   std::size_t cutoff) {
    mulByPieces(a, na, nb, nb, out,
                [&](const Word* piece, std::size_t n, Word* into) { mulRec(piece, n, b, nb, into, cutoff); });
}

// out[0 .. na+nb) = a × b.
void mulRec(const Word* a, std::size_t na, const Word* b, std::size_t nb, Word* out, std::size_t cutoff) {
    if (na < nb) {
        std::swap(a, b);
        std::swap(na, nb);
    }
    if (nb == 0) {
        std::fill(out, out + na, 0);
        return;
    }
    if (nb < cutoff || nb < 2) {
        mulBasecase(a, na, b, nb, out);
        return;
    }
    if (na >= 2 * nb) {
        mulUnbalanced(a, na, b, nb, out, cutoff);
        return;
    }
    // a = a1·B^h + a0, b = b1·B^h + b0 with h = na/2 < nb, so b1 is not empty.
    const std::size_t h = na / 2;
    const Word *a0 = a, *a1 = a + h, *b0 = b, *b1 = b + h;
    const std::size_t na1 = na - h, nb1 = nb - h;
    const std::size_t n = na + nb;

    mulRec(a0, h, b0, h, out, cutoff);               // z0 in out[0, 2h)
    mulRec(a1, na1, b1, nb1, out + 2 * h, cutoff);  // z2 in out[2h, n)

    // sa = a0 + a1, sb = b0 + b1, each one word longer for the carry.
    Words sa(na1 + 1, 0), sb(std::max(h, nb1) + 1, 0);
    std::copy(a1, a1 + na1, sa.begin());
    sa[na1] = addInto(sa.data(), na1, a0, h);
    std::copy(b0, b0 + h, sb.begin());
    sb.back() = addInto(sb.data(), sb.size() - 1, b1, nb1);
    const std::size_t lsa = significant(sa.data(), sa.size());
    const std::size_t lsb = significant(sb.data(), sb.size());
    Words z1(sa.size() + sb.size(), 0);
    mulRec(sa.data(), lsa, sb.data(), lsb, z1.data(), cutoff);
    // z1 = (a0 + a1)(b0 + b1) − z0 − z2 = a0·b1 + a1·b0 ≥ 0.
    Word borrow = subInto(z1.data(), z1.size(), out, 2 * h);
    borrow |= subInto(z1.data(), z1.size(), out + 2 * h, n - 2 * h);
    assert(borrow == 0);
    (void)borrow;
    const std::size_t lz1 = significant(z1.data(), z1.size());
    assert(lz1 <= n - h);
    const Word carry = addInto(out + h, n - h, z1.data(), lz1);
    assert(carry == 0);
    (void)carry;
}

// out[0 .. 2n) = a², by Karatsuba's three half-size squares: with
// a = a1·B^h + a0, a² = a1²·B^2h + ((a0 + a1)² − a0² − a1²)·B^h + a0².
void sqrRec(const Word* a, std::size_t n, Word* out, std::size_t cutoff) {
    if (n == 0) return;  // a zero half: nothing to write
    if (n < cutoff || n < 2) {
        if (n <= kMostTermsPerColumn) {
            sqrColumns(a, n, out);
        } else {
            mulBasecase(a, n, a, n, out);
        }
        return;
    }
    const std::size_t h = n / 2;
    const std::size_t n1 = n - h;
    sqrRec(a, h, out, cutoff);               // a0² in out[0, 2h)
    sqrRec(a + h, n1, out + 2 * h, cutoff);  // a1² in out[2h, 2n)
    Words sum(n1 + 1, 0);
    std::copy(a + h, a + n, sum.begin());
    sum[n1] = addInto(sum.data(), n1, a, h);
    const std::size_t ls = significant(sum.data(), sum.size());
    Words middle(2 * sum.size(), 0);
    sqrRec(sum.data(), ls, middle.data(), cutoff);
    Word borrow = subInto(middle.data(), middle.size(), out, 2 * h);
    borrow |= subInto(middle.data(), middle.size(), out + 2 * h, 2 * n1);
    assert(borrow == 0);
    (void)borrow;
    const std::size_t lm = significant(middle.data(), middle.size());
    assert(lm <= 2 * n - h);
    const Word carry = addInto(out + h, 2 * n - h, middle.data(), lm);
    assert(carry == 0);
    (void)carry;
}

// The cutoff counts limbs; here it counts words of two limbs.
std::size_t wordCutoff(const Cutoffs& cutoffs) { return std::max<std::size_t>((cutoffs.karatsuba + 1) / 2, 1); }

Words productOf(const Words& x, const Words& y, std::size_t cutoff) {
    Words out(x.size() + y.size());
    if (&x == &y || x == y) {
        // A square needs little more than half the word products.
        sqrRec(x.data(), x.size(), out.data(), cutoff);
    } else {
        mulRec(x.data(), x.size(), y.data(), y.size(), out.data(), cutoff);
    }
    out.resize(significant(out.data(), out.size()));
    return out;
}

}  // namespace

BigUInt multiply(const BigUInt& a, const BigUInt& b, const Cutoffs& cutoffs) {
    if (a.isZero() || b.isZero()) return BigUInt();
    const Words x = toWords(a.limbs());
    if (&a == &b || a.limbs() == b.limbs()) return valueOf(productOf(x, x, wordCutoff(cutoffs)));
    return valueOf(productOf(x, toWords(b.limbs()), wordCutoff(cutoffs)));
}

BigUInt operator*(const BigUInt& a, const BigUInt& b) {
    return multiply(a, b, Cutoffs{});
}

BigUInt multiplySchoolbook(const BigUInt& a, const BigUInt& b) {
    if (a.isZero() || b.isZero()) return BigUInt();
    Words x = toWords(a.limbs());
    Words y = toWords(b.limbs());
    if (x.size() < y.size()) std::swap(x, y);
    Words out(x.size() + y.size());
    mulBasecase(x.data(), x.size(), y.data(), y.size(), out.data());
    return valueOf(out);
}

BigUInt productOf(const std::vector<std::uint64_t>& factors) {
    if (std::find(factors.begin(), factors.end(), 0) != factors.end()) return BigUInt();
    if (factors.empty()) return BigUInt(1);
    assert(std::all_of(factors.begin(), factors.end(), [](std::uint64_t f) { return f < kWordBase; }));
    // Each level of the tree lies in one buffer, its products one after the
    // other (level[ends[i − 1] .. ends[i])); two buffers take turns, since a
    // level is never longer than the one below.
    Words level(factors.begin(), factors.end()), next(factors.size());
    std::vector<std::size_t> ends(factors.size()), nextEnds;
    nextEnds.reserve(factors.size());
    for (std::size_t i = 0; i < ends.size(); ++i) ends[i] = i + 1;
    const std::size_t cutoff = wordCutoff(Cutoffs{});
    while (ends.size() > 1) {
        nextEnds.clear();
        std::size_t from = 0, to = 0;
        for (std::size_t i = 0; i < ends.size(); i += 2) {
            const std::size_t na = ends[i] - from;
            if (i + 1 == ends.size()) {  // the odd one out goes up as it is
                std::copy(level.data() + from, level.data() + ends[i], next.data() + to);
                to += na;
            } else {
                const std::size_t nb = ends[i + 1] - ends[i];
                mulRec(level.data() + from, na, level.data() + ends[i], nb, next.data() + to, cutoff);
                to += significant(next.data() + to, na + nb);
                from = ends[i + 1];
            }
            nextEnds.push_back(to);
        }
        std::swap(level, next);
        std::swap(ends, nextEnds);
    }
    level.resize(ends.front());
    return valueOf(level);
}

BigUInt powerOf(const BigUInt& x, std::uint32_t k) {
    if (k == 0) return BigUInt(1);
    if (x.isZero()) return BigUInt();
    // From the top bit down: every big product is a square, and the other
    // factor is only ever x itself.
    const std::size_t cutoff = wordCutoff(Cutoffs{});
    const Words base = toWords(x.limbs());
    Words result = base;
    int bit = std::bit_width(k) - 1;
    while (bit-- > 0) {
        result = productOf(result, result, cutoff);
        if ((k >> bit) & 1) result = productOf(result, base, cutoff);
    }
    return valueOf(result);
}

}  // namespace calcora
