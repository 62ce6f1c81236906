// SPDX-License-Identifier: MIT
// Division of BigUInt: Knuth's algorithm D in base 10^9, and a quotient-only
// path that looks at the divisor's leading limbs when the quotient is short.
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

// One step of the chain u −= q·v: returns what the next limb up owes.
inline std::uint64_t subtractStep(Limb& u, std::uint64_t v, std::uint64_t q, std::uint64_t owed) {
    const std::uint64_t p = q * v + owed;  // below B² + B: fits easily
    const std::uint64_t high = p / kBase;
    const auto low = static_cast<Limb>(p - high * kBase);
    // Branch-free: whether u borrows is a coin toss on random digits.
    const Limb under = u < low ? 1 : 0;
    u = u - low + ((0u - under) & static_cast<Limb>(kBase));
    return high + under;
}

// Takes `owed` (at most B + 1) from u[from ..], borrowing upwards; returns
// what is still owed past u[to − 1].
std::uint64_t settle(Limb* u, std::size_t from, std::size_t to, std::uint64_t owed) {
    const auto base = static_cast<std::int64_t>(kBase);
    for (std::size_t i = from; owed != 0 && i < to; ++i) {
        // u[i] − owed ≥ −B − 1: at most two borrows.
        const std::int64_t t = static_cast<std::int64_t>(u[i]) - static_cast<std::int64_t>(owed);
        const std::int64_t borrows = t >= 0 ? 0 : (t >= -base ? 1 : 2);
        u[i] = static_cast<Limb>(t + borrows * base);
        owed = static_cast<std::uint64_t>(borrows);
    }
    return owed;
}

// u[0 .. k) −= q·v[0 .. k); returns what u[k] owes (below B + 2). The chain
// from limb to limb (a multiplication and a division by the base) is long, so
// four quarters run as four chains side by side; each quarter's debt is then
// taken from the next, where it stops within a limb or two.
std::uint64_t subtractMultiple(Limb* u, const Limb* v, std::size_t k, std::uint64_t q) {
    constexpr std::size_t kChains = 4;
    const std::size_t len = k / kChains;
    const std::size_t b1 = len, b2 = 2 * len, b3 = 3 * len;
    std::uint64_t o0 = 0, o1 = 0, o2 = 0, o3 = 0;
    for (std::size_t i = 0; i < len; ++i) {
        o0 = subtractStep(u[i], v[i], q, o0);
        o1 = subtractStep(u[b1 + i], v[b1 + i], q, o1);
        o2 = subtractStep(u[b2 + i], v[b2 + i], q, o2);
        o3 = subtractStep(u[b3 + i], v[b3 + i], q, o3);
    }
    for (std::size_t i = 4 * len; i < k; ++i) o3 = subtractStep(u[i], v[i], q, o3);
    o1 += settle(u, b1, b2, o0);
    o2 += settle(u, b2, b3, o1);
    o3 += settle(u, b3, k, o2);
    return o3;
}

// Knuth, TAOCP vol. 2, 4.3.1, algorithm D; n ≥ d, d at least two limbs. The
// remainder is worked out only when asked for.
DivModResult knuthD(const BigUInt& n, const BigUInt& d, bool wantRemainder) {
    const std::size_t k = d.limbs().size();
    const std::size_t m = n.limbs().size();
    assert(k >= 2 && m >= k);
    // Scale both so that the divisor's top limb is at least half the base;
    // then each trial quotient digit is at most two too large.
    const auto f = static_cast<std::uint32_t>(kBase / (static_cast<std::uint64_t>(d.limbs().back()) + 1));
    std::vector<Limb> v = multiplySmall(d, f).limbs();
    std::vector<Limb> u = multiplySmall(n, f).limbs();
    u.resize(m + 1, 0);
    assert(v.size() == k && v.back() >= kBase / 2);

    std::vector<Limb> q(m - k + 1, 0);
    const std::uint64_t vTop = v[k - 1], vNext = v[k - 2];
    for (std::size_t j = m - k + 1; j-- > 0;) {
        const std::uint64_t num = static_cast<std::uint64_t>(u[j + k]) * kBase + u[j + k - 1];
        std::uint64_t qhat = num / vTop;
        std::uint64_t rhat = num % vTop;
        while (qhat >= kBase || qhat * vNext > rhat * kBase + u[j + k - 2]) {
            --qhat;
            rhat += vTop;
            if (rhat >= kBase) break;
        }
        std::int64_t top = static_cast<std::int64_t>(u[j + k]) -
                           static_cast<std::int64_t>(subtractMultiple(u.data() + j, v.data(), k, qhat));
        if (top < 0) {
            // qhat was one too large: add v back once.
            --qhat;
            std::uint64_t c = 0;
            for (std::size_t i = 0; i < k; ++i) {
                const std::uint64_t s = static_cast<std::uint64_t>(u[i + j]) + v[i] + c;
                c = s >= kBase;
                u[i + j] = static_cast<Limb>(c ? s - kBase : s);
            }
            top += static_cast<std::int64_t>(c);
            assert(top == 0);
        }
        u[j + k] = static_cast<Limb>(top);
        q[j] = static_cast<Limb>(qhat);
    }
    if (!wantRemainder) return {BigUInt::fromLimbs(std::move(q)), BigUInt()};
    u.resize(k);
    std::uint32_t rest = 0;
    BigUInt remainder = divModSmall(BigUInt::fromLimbs(std::move(u)), f, rest);
    assert(rest == 0);
    return {BigUInt::fromLimbs(std::move(q)), std::move(remainder)};
}

// floor(n / d) for d > 0, without the remainder.
BigUInt quotientOnly(const BigUInt& n, const BigUInt& d) {
    if (n < d) return BigUInt();
    if (d.limbs().size() == 1) {
        std::uint32_t rem = 0;
        return divModSmall(n, d.limbs()[0], rem);
    }
    return knuthD(n, d, false).quotient;
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
    return knuthD(n, d, true);
}

// How many limbs beyond the quotient's length the bracketing keeps of the
// divisor. The two bracketing quotients differ by about q / Dh, so two spare
// limbs make a disagreement (and the exact check) a one-in-10^9 event.
constexpr std::size_t kSpareDivisorLimbs = 2;

BigUInt divideFloor(const BigUInt& n, const BigUInt& d, const Cutoffs& cutoffs) {
    if (d.isZero()) throw DivisionByZero("BigUInt::divideFloor: division by zero");
    if (n < d) return BigUInt();
    const std::size_t quotientLimbs = n.limbs().size() - d.limbs().size() + 1;
    const std::size_t keep = quotientLimbs + kSpareDivisorLimbs;
    // Only worth it when a good share of the divisor can be left out.
    if (d.limbs().size() < 2 * keep) return quotientOnly(n, d);

    // With D = Dh·B^s + Dl (0 ≤ Dl < B^s) and Xh = floor(n / B^s):
    // floor(Xh / (Dh + 1)) ≤ floor(n / D) ≤ floor(Xh / Dh).
    const std::size_t s = d.limbs().size() - keep;
    const BigUInt dh = dropLimbs(d, s);
    const BigUInt xh = dropLimbs(n, s);
    BigUInt high = quotientOnly(xh, dh);
    BigUInt low = quotientOnly(xh, addSmall(dh, 1));
    if (high == low) return high;
    if (addSmall(low, 1) == high) {
        return multiply(high, d, cutoffs) <= n ? high : low;
    }
    return quotientOnly(n, d);
}

}  // namespace calcora
