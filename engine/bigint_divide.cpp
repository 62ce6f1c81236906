// SPDX-License-Identifier: MIT
// Division of BigUInt: schoolbook long division in base 10^9 with deferred
// carries, and a quotient-only path that looks at the divisor's leading limbs
// when the quotient is short.
#include <cassert>
#include <cstdint>
#include <vector>

#include "engine/bigint.h"
#include "fixeddec/failure.h"

namespace calcora {

namespace {

using Limb = BigUInt::Limb;
constexpr std::uint64_t kBase = BigUInt::kBase;

// The value without its `count` lowest limbs (floor(a / B^count)).
BigUInt dropLimbs(const BigUInt& a, std::size_t count) {
    const auto& x = a.limbs();
    if (count >= x.size()) return BigUInt();
    return BigUInt::fromLimbs(std::vector<Limb>(x.begin() + static_cast<std::ptrdiff_t>(count), x.end()));
}

// The long division keeps its remainder in signed 64-bit columns, one per
// limb position, and lets them run out of [0, B) between carry passes: each
// quotient digit then costs k multiply-and-subtracts without a division (a
// loop the compiler vectorises), and carries are settled only every nine or
// so digits. Trial digits come from the remainder's top in floating point;
// one may be one too large or too small, leaving a remainder a little below
// zero or above the divisor, and the next digit (negative, or at least B)
// takes that back. A last pass settles the remainder and the digits.
using Column = std::uint64_t;  // a signed value kept in wrapping arithmetic
constexpr std::int64_t kSignedBase = BigUInt::kBase;
constexpr double kBaseAsDouble = BigUInt::kBase;

// Every digit lies within (−B − 2, 2B + 2), so a product |q|·v is below 2.1·10^18.
// A column starts a pass within 1.1·10^10 of zero and takes at most this many
// units of |q| times a limb before it is carried again, which keeps it and
// the carry it may get (below 10^10) inside a signed 64-bit word.
constexpr std::uint64_t kDigitBudget = 9'000'000'000;

inline std::int64_t asSigned(Column c) { return static_cast<std::int64_t>(c); }

// floor(c / B) for either sign.
inline std::int64_t carryOf(std::int64_t c) {
    const std::int64_t q = c / kSignedBase;  // toward zero
    return c - q * kSignedBase < 0 ? q - 1 : q;
}

// Brings r[from .. to) into [0, B), their carries going up into r[to].
void settleColumns(Column* r, std::size_t from, std::size_t to) {
    std::int64_t carry = 0;
    for (std::size_t i = from; i < to; ++i) {
        const std::int64_t c = asSigned(r[i]) + carry;
        carry = carryOf(c);
        r[i] = static_cast<Column>(c - carry * kSignedBase);
    }
    r[to] += static_cast<Column>(carry);
}

// Moves each column's carry of r[from .. to) one column up, the last into
// r[to]. Each carry comes from its own column alone, so the divisions overlap
// instead of waiting on each other; every column is left within 1.1·10^10 of
// zero, enough to take a budget of digits again.
void spreadCarries(Column* r, std::size_t from, std::size_t to) {
    std::int64_t carry = 0;
    for (std::size_t i = from; i < to; ++i) {
        const std::int64_t c = asSigned(r[i]);
        const std::int64_t up = carryOf(c);
        r[i] = static_cast<Column>(c - up * kSignedBase + carry);
        carry = up;
    }
    r[to] += static_cast<Column>(carry);
}

// r[0 .. k) −= q·v[0 .. k) column by column, no carries. Kept out of line:
// inlined, the compiler forgets that q has 32 bits and vectorises a full
// 64-bit product, three times the work.
[[gnu::noinline]] void subtractMultiple(Column* r, const Limb* v, std::size_t k, std::uint32_t q) {
    for (std::size_t i = 0; i < k; ++i) r[i] -= static_cast<std::uint64_t>(q) * v[i];
}

// r[0 .. k) += q·v[0 .. k) column by column, no carries.
[[gnu::noinline]] void addMultiple(Column* r, const Limb* v, std::size_t k, std::uint32_t q) {
    for (std::size_t i = 0; i < k; ++i) r[i] += static_cast<std::uint64_t>(q) * v[i];
}

// Whether the settled remainder r[0 .. k) (its top column may lie outside
// [0, B), the others do not) is at least v.
bool atLeast(const Column* r, const Limb* v, std::size_t k) {
    if (asSigned(r[k - 1]) != static_cast<std::int64_t>(v[k - 1])) return asSigned(r[k - 1]) > v[k - 1];
    for (std::size_t i = k - 1; i-- > 0;) {
        if (r[i] != v[i]) return r[i] > v[i];
    }
    return true;
}

// r ± v on a settled remainder, carrying into its top column.
void addDivisor(Column* r, const Limb* v, std::size_t k, bool subtract) {
    std::int64_t carry = 0;
    for (std::size_t i = 0; i + 1 < k; ++i) {
        std::int64_t c = asSigned(r[i]) + (subtract ? -static_cast<std::int64_t>(v[i]) : v[i]) + carry;
        carry = c < 0 ? -1 : (c >= kSignedBase ? 1 : 0);
        r[i] = static_cast<Column>(c - carry * kSignedBase);
    }
    r[k - 1] += static_cast<Column>((subtract ? -static_cast<std::int64_t>(v[k - 1]) : v[k - 1]) + carry);
}

// Schoolbook long division; n ≥ d, d at least two limbs. The remainder is
// written out only when asked for.
DivModResult longDivide(const BigUInt& n, const BigUInt& d, bool wantRemainder) {
    const std::vector<Limb>& v = d.limbs();
    const std::size_t k = v.size();
    const std::size_t m = n.limbs().size();
    assert(k >= 2 && m >= k);
    std::vector<Column> r(n.limbs().begin(), n.limbs().end());
    r.push_back(0);
    std::vector<std::int64_t> digits(m - k + 1);

    // The divisor's top in units of B^(k−2); what it leaves out moves a trial
    // digit by far less than the rounding of the division does.
    const double vTop = v[k - 1] * kBaseAsDouble + v[k - 2] + (k >= 3 ? v[k - 3] / kBaseAsDouble : 0.0);
    const double inverse = 1.0 / vTop;
    std::uint64_t spent = 0;  // units of |q| the unsettled columns have taken
    const std::size_t lowColumns = k > 4 ? k - 4 : 0;  // those below the four the estimates read
    for (std::size_t j = m - k + 1; j-- > 0;) {
        const std::size_t t = j + k;  // r[t] holds all of the remainder from B^t up
        // Settling the column under the top makes r[t] the remainder's value
        // from B^t up to within eleven (the columns lower down hold less than
        // 9.3·10^18 each), so the fold below stays small; the columns under it
        // may stay as they are, as the rounding of the estimate dwarfs them.
        settleColumns(r.data(), t - 1, t);
        assert(asSigned(r[t]) > -kSignedBase - 12 && asSigned(r[t]) < 2 * kSignedBase + 12);
        const double high = static_cast<double>(asSigned(r[t])) * (kBaseAsDouble * kBaseAsDouble) +
                            static_cast<double>(asSigned(r[t - 1])) * kBaseAsDouble;
        const double low = static_cast<double>(asSigned(r[t - 2])) +
                           (t >= 3 ? static_cast<double>(asSigned(r[t - 3])) / kBaseAsDouble : 0.0);
        const double estimate = (high + low) * inverse;
        auto q = static_cast<std::int64_t>(estimate);  // toward zero; floor below
        if (static_cast<double>(q) > estimate) --q;
        assert(q > -kSignedBase - 2 && q < 2 * kSignedBase + 2);
        const auto size = static_cast<std::uint32_t>(q < 0 ? -q : q);
        if (spent + size > kDigitBudget) {
            spreadCarries(r.data(), j, t);
            spent = 0;
        }
        spent += size;
        // The top columns first, one by one: the next digit's estimate waits
        // only on them and may start while the loop takes the rest.
        Column* row = r.data() + j;
        const auto wrapped = static_cast<std::uint64_t>(q);  // q·v modulo 2^64 for either sign
        if (k >= 4) {
            // Written out: as a loop of four the compiler would vectorise it
            // with full 64-bit products.
            row[k - 1] -= wrapped * v[k - 1];
            row[k - 2] -= wrapped * v[k - 2];
            row[k - 3] -= wrapped * v[k - 3];
            row[k - 4] -= wrapped * v[k - 4];
        } else {
            for (std::size_t i = 0; i < k; ++i) row[i] -= wrapped * v[i];
        }
        // Fold the top into the column below: |r[t]| ≤ 2B + 11 and the column
        // below holds less than 2.2·10^18 in size, so the sum fits.
        r[t - 1] += r[t] * kBase;
        r[t] = 0;
        if (q >= 0) {
            subtractMultiple(row, v.data(), lowColumns, size);
        } else {
            addMultiple(row, v.data(), lowColumns, size);
        }
        digits[j] = q;
    }

    // The remainder lies in [−d, 2d): settle it and take d back or out, moving
    // the last digit with it.
    settleColumns(r.data(), 0, k - 1);
    while (asSigned(r[k - 1]) < 0) {
        addDivisor(r.data(), v.data(), k, false);
        --digits[0];
    }
    while (atLeast(r.data(), v.data(), k)) {
        addDivisor(r.data(), v.data(), k, true);
        ++digits[0];
    }

    std::vector<Limb> q(digits.size());
    std::int64_t carry = 0;
    for (std::size_t j = 0; j < digits.size(); ++j) {
        const std::int64_t c = digits[j] + carry;
        carry = carryOf(c);
        q[j] = static_cast<Limb>(c - carry * kSignedBase);
    }
    assert(carry == 0);
    if (!wantRemainder) return {BigUInt::fromLimbs(std::move(q)), BigUInt()};
    std::vector<Limb> rest(r.begin(), r.begin() + static_cast<std::ptrdiff_t>(k));
    return {BigUInt::fromLimbs(std::move(q)), BigUInt::fromLimbs(std::move(rest))};
}

// floor(n / d) for d > 0, without the remainder.
BigUInt quotientOnly(const BigUInt& n, const BigUInt& d) {
    if (n < d) return BigUInt();
    if (d.limbs().size() == 1) {
        std::uint32_t rem = 0;
        return divModSmall(n, d.limbs()[0], rem);
    }
    return longDivide(n, d, false).quotient;
}

}  // namespace

DivModResult divMod(const BigUInt& n, const BigUInt& d) {
    if (d.isZero()) throw DivisionByZero("BigUInt::divMod: division by zero");
    if (n < d) return {BigUInt(), n};
    if (d.limbs().size() == 1) {
        std::uint32_t rem = 0;
        BigUInt q = divModSmall(n, d.limbs()[0], rem);
        return {std::move(q), BigUInt(rem)};
    }
    return longDivide(n, d, true);
}

// How many limbs beyond the quotient's length the bracketing keeps of the
// divisor. The leading limbs' quotient q is then below Dh / B, and the one
// case it leaves open (a remainder below q) a one-in-10^9 event.
constexpr std::size_t kSpareDivisorLimbs = 2;

BigUInt divideFloor(const BigUInt& n, const BigUInt& d, const Cutoffs& cutoffs) {
    if (d.isZero()) throw DivisionByZero("BigUInt::divideFloor: division by zero");
    if (n < d) return BigUInt();
    const std::size_t quotientLimbs = n.limbs().size() - d.limbs().size() + 1;
    const std::size_t keep = quotientLimbs + kSpareDivisorLimbs;
    // Only worth it when a good share of the divisor can be left out.
    if (d.limbs().size() < 2 * keep) return quotientOnly(n, d);

    // With D = Dh·B^s + Dl (0 ≤ Dl < B^s), n = Xh·B^s + Xl and Xh = q·Dh + r:
    // floor(n / D) ≤ q, and n − q·D = r·B^s + Xl − q·Dl > (r − q)·B^s, so the
    // quotient is q whenever r ≥ q. Otherwise it is q or q − 1, as
    // floor(Xh / (Dh + 1)) ≥ q − 1 while q < Dh / B.
    const std::size_t s = d.limbs().size() - keep;
    const DivModResult top = divMod(dropLimbs(n, s), dropLimbs(d, s));
    if (top.remainder >= top.quotient) return top.quotient;
    return multiply(top.quotient, d, cutoffs) <= n ? top.quotient : top.quotient - BigUInt(1);
}

}  // namespace calcora
