// SPDX-License-Identifier: MIT
// Multiplication of BigUInt: a schoolbook base case that accumulates limb
// products in 64-bit columns, Karatsuba above Cutoffs::karatsuba, squares
// that make each cross product once, and powers by squaring.
#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

#include "engine/bigint.h"

namespace calcora {

namespace {

using Limb = BigUInt::Limb;
constexpr Limb kBase = BigUInt::kBase;

// A limb product is below 10^18, so a 64-bit column below 2·10^10 (a limb
// plus a moved high part, see spreadColumns) can take this many more before
// it could pass 2^64 − 1 (≈ 1.84·10^19).
constexpr std::size_t kRowsPerCarry = 18;

// Columns [from, to) each keep their value below the base and pass the rest
// (below 1.9·10^10 / B + 1) to the next column, which is added after the
// split: no column waits for the one below, so the loop runs at the speed of
// its divisions rather than of a carry chain. Leaves every column below
// 2·10^10; acc[to] takes the last high part.
void spreadColumns(std::uint64_t* acc, std::size_t from, std::size_t to) {
    std::uint64_t high = 0;
    for (std::size_t k = from; k < to; ++k) {
        const std::uint64_t v = acc[k];
        const std::uint64_t h = v / kBase;
        acc[k] = v - h * kBase + high;
        high = h;
    }
    acc[to] += high;
}

// out[0 .. n) = the columns acc[0 .. n) (each below B + 20 after one
// spreadColumns pass over all) with their carries settled: each carry is 0 or 1.
void settleColumns(const std::uint64_t* acc, std::size_t n, Limb* out) {
    std::uint64_t carry = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint64_t v = acc[k] + carry;
        carry = v >= kBase ? 1 : 0;
        out[k] = static_cast<Limb>(v - (carry ? kBase : 0));
    }
    assert(carry == 0);
}

// out[0 .. na+nb) = a × b, by rows of 64-bit column sums; the columns are
// spread every kRowsPerCarry rows and settled once at the end.
void mulBasecase(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out) {
    const std::size_t n = na + nb;
    std::vector<std::uint64_t> acc(n, 0);
    std::size_t batchStart = 0;  // the first row since the last spread
    for (std::size_t i = 0; i < na; ++i) {
        const std::uint64_t ai = a[i];
        std::uint64_t* col = acc.data() + i;
        for (std::size_t j = 0; j < nb; ++j) col[j] += ai * b[j];
        if (i + 1 - batchStart == kRowsPerCarry || i + 1 == na) {
            // Rows batchStart..i touched the columns batchStart .. i + nb − 1.
            spreadColumns(acc.data(), batchStart, i + nb);
            batchStart = i + 1;
        }
    }
    spreadColumns(acc.data(), 0, n - 1);
    settleColumns(acc.data(), n, out);
}

// out[0 .. 2n) = a², with each cross product a[i]·a[j] (i < j) made once:
// their sum T is built in columns as mulBasecase builds its rows, then the
// square is 2T plus the squares a[i]² on the diagonal, in one carrying pass.
void sqrBasecase(const Limb* a, std::size_t n, Limb* out) {
    const std::size_t columns = 2 * n;
    std::vector<std::uint64_t> acc(columns, 0);
    std::size_t batchStart = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const std::uint64_t ai = a[i];
        std::uint64_t* col = acc.data() + 2 * i + 1;
        const Limb* rest = a + i + 1;
        const std::size_t len = n - i - 1;
        for (std::size_t j = 0; j < len; ++j) col[j] += ai * rest[j];
        if (i + 1 - batchStart == kRowsPerCarry || i + 2 == n) {
            // Rows batchStart..i touched the columns 2·batchStart + 1 .. i + n − 1.
            spreadColumns(acc.data(), 2 * batchStart + 1, i + n);
            batchStart = i + 1;
        }
    }
    if (columns > 1) spreadColumns(acc.data(), 0, columns - 1);
    // Every column is now below B + 20, so 2·column + a limb of a[i]² + the
    // carry stays below 4B and the carry is at most 3.
    std::uint64_t carry = 0;
    const auto settle = [&carry](std::uint64_t v) {
        carry = (v >= kBase ? 1 : 0) + (v >= 2 * kBase ? 1 : 0) + (v >= 3 * kBase ? 1 : 0);
        return static_cast<Limb>(v - carry * kBase);
    };
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t d = static_cast<std::uint64_t>(a[i]) * a[i];
        const std::uint64_t dHigh = d / kBase;
        out[2 * i] = settle(2 * acc[2 * i] + (d - dHigh * kBase) + carry);
        out[2 * i + 1] = settle(2 * acc[2 * i + 1] + dHigh + carry);
    }
    assert(carry == 0);
}

// r[0..nr) += a[0..na), na ≤ nr; returns the carry out of r.
Limb addInto(Limb* r, std::size_t nr, const Limb* a, std::size_t na) {
    Limb carry = 0;
    std::size_t i = 0;
    for (; i < na; ++i) {
        const Limb s = r[i] + a[i] + carry;
        carry = s >= kBase;
        r[i] = carry ? s - kBase : s;
    }
    for (; carry != 0 && i < nr; ++i) {
        const Limb s = r[i] + 1;
        carry = s == kBase;
        r[i] = carry ? 0 : s;
    }
    return carry;
}

// r[0..nr) −= a[0..na), na ≤ nr; returns the borrow out of r.
Limb subInto(Limb* r, std::size_t nr, const Limb* a, std::size_t na) {
    Limb borrow = 0;
    std::size_t i = 0;
    for (; i < na; ++i) {
        const Limb sub = a[i] + borrow;
        borrow = r[i] < sub;
        r[i] = borrow ? r[i] + kBase - sub : r[i] - sub;
    }
    for (; borrow != 0 && i < nr; ++i) {
        borrow = r[i] == 0;
        r[i] = borrow ? kBase - 1 : r[i] - 1;
    }
    return borrow;
}

// Length without the zero limbs at the top.
std::size_t significant(const Limb* a, std::size_t n) {
    while (n > 0 && a[n - 1] == 0) --n;
    return n;
}

void mulRec(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out,
            std::size_t cutoff);

// out = a × b for na ≥ 2·nb: a is cut into pieces of nb limbs, each multiplied
// by b as a balanced product.
void mulUnbalanced(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out,
                   std::size_t cutoff) {
    std::fill(out, out + na + nb, 0);
    std::vector<Limb> piece(2 * nb);
    for (std::size_t off = 0; off < na; off += nb) {
        const std::size_t len = std::min(nb, na - off);
        mulRec(a + off, len, b, nb, piece.data(), cutoff);
        const Limb carry = addInto(out + off, na + nb - off, piece.data(), len + nb);
        assert(carry == 0);
        (void)carry;
    }
}

// out[0 .. na+nb) = a × b.
void mulRec(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out,
            std::size_t cutoff) {
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
    const Limb *a0 = a, *a1 = a + h, *b0 = b, *b1 = b + h;
    const std::size_t na1 = na - h, nb1 = nb - h;
    const std::size_t n = na + nb;

    mulRec(a0, h, b0, h, out, cutoff);                 // z0 in out[0, 2h)
    mulRec(a1, na1, b1, nb1, out + 2 * h, cutoff);    // z2 in out[2h, n)

    // sa = a0 + a1, sb = b0 + b1, each one limb longer for the carry.
    std::vector<Limb> sa(na1 + 1, 0), sb(std::max(h, nb1) + 1, 0);
    std::copy(a1, a1 + na1, sa.begin());
    sa[na1] = addInto(sa.data(), na1, a0, h);
    std::copy(b0, b0 + h, sb.begin());
    sb.back() = addInto(sb.data(), sb.size() - 1, b1, nb1);
    const std::size_t lsa = significant(sa.data(), sa.size());
    const std::size_t lsb = significant(sb.data(), sb.size());
    std::vector<Limb> z1(sa.size() + sb.size(), 0);
    mulRec(sa.data(), lsa, sb.data(), lsb, z1.data(), cutoff);
    // z1 = (a0 + a1)(b0 + b1) − z0 − z2 = a0·b1 + a1·b0 ≥ 0.
    Limb borrow = subInto(z1.data(), z1.size(), out, 2 * h);
    borrow |= subInto(z1.data(), z1.size(), out + 2 * h, n - 2 * h);
    assert(borrow == 0);
    (void)borrow;
    const std::size_t lz1 = significant(z1.data(), z1.size());
    assert(lz1 <= n - h);
    const Limb carry = addInto(out + h, n - h, z1.data(), lz1);
    assert(carry == 0);
    (void)carry;
}

// out[0 .. 2n) = a², by Karatsuba's three half-size squares: with
// a = a1·B^h + a0, a² = a1²·B^2h + ((a0 + a1)² − a0² − a1²)·B^h + a0².
void sqrRec(const Limb* a, std::size_t n, Limb* out, std::size_t cutoff) {
    if (n < cutoff || n < 2) {
        sqrBasecase(a, n, out);
        return;
    }
    const std::size_t h = n / 2;
    const std::size_t n1 = n - h;
    sqrRec(a, h, out, cutoff);                   // a0² in out[0, 2h)
    sqrRec(a + h, n1, out + 2 * h, cutoff);      // a1² in out[2h, 2n)
    std::vector<Limb> sum(n1 + 1, 0);
    std::copy(a + h, a + n, sum.begin());
    sum[n1] = addInto(sum.data(), n1, a, h);
    const std::size_t ls = significant(sum.data(), sum.size());
    std::vector<Limb> middle(2 * sum.size(), 0);
    sqrRec(sum.data(), ls, middle.data(), cutoff);
    Limb borrow = subInto(middle.data(), middle.size(), out, 2 * h);
    borrow |= subInto(middle.data(), middle.size(), out + 2 * h, 2 * n1);
    assert(borrow == 0);
    (void)borrow;
    const std::size_t lm = significant(middle.data(), middle.size());
    assert(lm <= 2 * n - h);
    const Limb carry = addInto(out + h, 2 * n - h, middle.data(), lm);
    assert(carry == 0);
    (void)carry;
}

}  // namespace

BigUInt multiply(const BigUInt& a, const BigUInt& b, const Cutoffs& cutoffs) {
    if (a.isZero() || b.isZero()) return BigUInt();
    const auto& x = a.limbs();
    const auto& y = b.limbs();
    std::vector<Limb> out(x.size() + y.size());
    const std::size_t cutoff = std::max<std::size_t>(cutoffs.karatsuba, 1);
    if (&a == &b || x == y) {
        // A square needs little more than half the limb products.
        sqrRec(x.data(), x.size(), out.data(), cutoff);
    } else {
        mulRec(x.data(), x.size(), y.data(), y.size(), out.data(), cutoff);
    }
    return BigUInt::fromLimbs(std::move(out));
}

BigUInt operator*(const BigUInt& a, const BigUInt& b) {
    return multiply(a, b, Cutoffs{});
}

BigUInt multiplySchoolbook(const BigUInt& a, const BigUInt& b) {
    if (a.isZero() || b.isZero()) return BigUInt();
    const auto& x = a.limbs();
    const auto& y = b.limbs();
    std::vector<Limb> out(x.size() + y.size());
    mulBasecase(x.data(), x.size(), y.data(), y.size(), out.data());
    return BigUInt::fromLimbs(std::move(out));
}

BigUInt powerOf(const BigUInt& x, std::uint32_t k) {
    if (k == 0) return BigUInt(1);
    // From the top bit down: every big product is a square, and the other
    // factor is only ever x itself.
    int bit = std::bit_width(k) - 1;
    BigUInt result = x;
    while (bit-- > 0) {
        result = result * result;
        if ((k >> bit) & 1) result = result * x;
    }
    return result;
}

}  // namespace calcora
