// SPDX-License-Identifier: MIT
// Integer square root of BigUInt with its remainder: limb by limb below
// Cutoffs::sqrtByLimbs, above it Zimmermann's recursive square root
// ("Karatsuba Square Root", 1999). There the root of the top half comes with
// its remainder, so the next quarter of the root is one division by twice
// that root, and the final remainder needs only the square of that quarter:
// no full-length division or square is made.
#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/bigint.h"

namespace calcora {

namespace {

using Limb = BigUInt::Limb;

// limbs [from, to) of a as a value.
BigUInt limbRange(const std::vector<Limb>& a, std::size_t from, std::size_t to) {
    return BigUInt::fromLimbs(std::vector<Limb>(a.begin() + static_cast<std::ptrdiff_t>(from),
                                                a.begin() + static_cast<std::ptrdiff_t>(to)));
}

// high·B^k + low for low < B^k.
BigUInt joined(const BigUInt& high, std::size_t k, const BigUInt& low) {
    std::vector<Limb> limbs(k + high.limbs().size(), 0);
    std::copy(low.limbs().begin(), low.limbs().end(), limbs.begin());
    std::copy(high.limbs().begin(), high.limbs().end(), limbs.begin() + static_cast<std::ptrdiff_t>(k));
    return BigUInt::fromLimbs(std::move(limbs));
}

constexpr std::uint64_t kBase = BigUInt::kBase;

// The top three limbs of a[0 .. n) as a double and the place (in limbs) of
// the lowest of them; 0 for a zero value.
double leading(const Limb* a, std::size_t n, std::ptrdiff_t& place) {
    while (n > 0 && a[n - 1] == 0) --n;
    double value = 0;
    for (std::size_t i = 0; i < 3; ++i) value = value * static_cast<double>(kBase) + (n > i ? a[n - 1 - i] : 0);
    place = static_cast<std::ptrdiff_t>(n) - 3;
    return value;
}

// B^e as a double (0 below its range). The exponents of a step are small:
// those come from a table, since a loop of multiplications, or std::pow,
// would cost more than the limb work of the step.
double powerOfBase(std::ptrdiff_t e) {
    constexpr std::ptrdiff_t kTabled = 32;  // B^32 = 10^288 is still a double
    static constexpr auto kPowers = [] {
        std::array<double, 2 * kTabled + 1> powers{};
        powers[kTabled] = 1;
        for (std::ptrdiff_t i = 1; i <= kTabled; ++i) {
            powers[kTabled + i] = powers[kTabled + i - 1] * static_cast<double>(kBase);
            powers[kTabled - i] = powers[kTabled - i + 1] / static_cast<double>(kBase);
        }
        return powers;
    }();
    if (e >= -kTabled && e <= kTabled) return kPowers[static_cast<std::size_t>(e + kTabled)];
    const double factor = e >= 0 ? static_cast<double>(kBase) : 1.0 / static_cast<double>(kBase);
    double value = 1;
    for (std::ptrdiff_t i = e >= 0 ? e : -e; i > 0; --i) value *= factor;
    return value;
}

// m[i]·d split at the base. The split of one limb does not wait for the
// limb below: only a carry of 0, 1 or 2 runs from limb to limb in the loops
// below, which keeps them at the speed of their additions.
struct LimbProduct {
    std::uint64_t high;
    std::uint64_t low;
};
LimbProduct limbProduct(const Limb* m, std::size_t nm, std::size_t i, std::uint64_t d) {
    const std::uint64_t p = i < nm ? m[i] * d : 0;
    const std::uint64_t high = p / kBase;
    return {high, p - high * kBase};
}

// w[0 .. n) −= m·d for m[0 .. nm), nm < n; true when that went below zero
// (w is then left as w − m·d modulo B^n).
bool subtractProduct(Limb* w, std::size_t n, const Limb* m, std::size_t nm, std::uint64_t d) {
    std::uint64_t carry = 0;  // the high part below, and what was borrowed
    for (std::size_t i = 0; i < n; ++i) {
        const LimbProduct p = limbProduct(m, nm, i, d);
        auto t = static_cast<std::int64_t>(w[i]) - static_cast<std::int64_t>(p.low + carry);
        carry = p.high;
        for (; t < 0; ++carry) t += static_cast<std::int64_t>(kBase);
        w[i] = static_cast<Limb>(t);
        if (i >= nm && carry == 0) return false;
    }
    return carry != 0;
}

// w[0 .. n) += m·d, the carry out of w dropped (it undoes subtractProduct).
void addProduct(Limb* w, std::size_t n, const Limb* m, std::size_t nm, std::uint64_t d) {
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const LimbProduct p = limbProduct(m, nm, i, d);
        std::uint64_t t = w[i] + p.low + carry;
        carry = p.high;
        for (; t >= kBase; ++carry) t -= kBase;
        w[i] = static_cast<Limb>(t);
    }
}

// Whether a[0 .. na) > b[0 .. nb).
bool greater(const Limb* a, std::size_t na, const Limb* b, std::size_t nb) {
    for (std::size_t i = std::max(na, nb); i-- > 0;) {
        const Limb x = i < na ? a[i] : 0, y = i < nb ? b[i] : 0;
        if (x != y) return x > y;
    }
    return false;
}

// The root limb by limb, as by hand with pairs of digits, over one working
// copy of n: before the pair at j is brought down, the remainder R stands in
// w[2j + 2 ..] and twice the root so far, 2S, in twice[j + 1 ..]; the next
// limb d is the largest with (2S·B + d)·d ≤ R·B² + pair. Quadratic in the
// length, but without an allocation per step, which makes it the fastest way
// to the roots of a few dozen limbs that the engine takes.
SqrtRemResult sqrtRemByLimbs(const std::vector<Limb>& x) {
    const std::size_t pairs = (x.size() + 1) / 2;
    const std::size_t wn = 2 * pairs + 2;
    std::vector<Limb> w(wn, 0);
    std::copy(x.begin(), x.end(), w.begin());
    std::vector<Limb> root(pairs, 0);
    std::vector<Limb> twice(pairs + 2, 0);  // 2S, then the limb d below it: the factor of d

    // The top pair: a plain root of a word.
    const std::size_t top = pairs - 1;
    const std::uint64_t pair = w[2 * top + 1] * kBase + w[2 * top];
    auto s0 = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(pair)));
    while (s0 * s0 > pair) --s0;
    while ((s0 + 1) * (s0 + 1) <= pair) ++s0;
    const std::uint64_t rest = pair - s0 * s0;
    w[2 * top + 1] = static_cast<Limb>(rest / kBase);
    w[2 * top] = static_cast<Limb>(rest % kBase);
    root[top] = static_cast<Limb>(s0);
    twice[top] = static_cast<Limb>(2 * s0 % kBase);
    twice[top + 1] = static_cast<Limb>(2 * s0 / kBase);

    for (std::size_t j = top; j-- > 0;) {
        Limb* r = w.data() + 2 * j;
        const std::size_t rn = wn - 2 * j;
        Limb* factor = twice.data() + j;  // 2S·B + d once d is in factor[0]
        const std::size_t fn = twice.size() - j;
        // d ≈ R / (X + sqrt(X² + R)) with X = S·B, the root of d² + 2X·d = R;
        // in doubles, with X = x·U and R = y·U for the power U of B at X's
        // leading limbs: d ≈ y / (x + sqrt(x² + y / U)).
        std::ptrdiff_t rPlace = 0, sPlace = 0;
        const double rLead = leading(r, rn, rPlace);
        const double x = leading(factor + 1, fn - 1, sPlace) / 2;
        const double y = rLead * powerOfBase(rPlace - sPlace - 1);
        const double overU = powerOfBase(-(sPlace + 1));
        // Once the root has a few limbs, y / U is far below a unit in the last
        // place of x², and the root of the sum is x itself.
        const double squared = x * x;
        const double small = y * overU;
        const double rootOfSum = small < squared * 0x1p-60 ? x : std::sqrt(squared + small);
        double estimate = y / (x + rootOfSum);
        estimate = std::min(std::max(estimate, 0.0), static_cast<double>(kBase - 1));
        auto d = static_cast<std::uint64_t>(estimate);
        for (;;) {
            factor[0] = static_cast<Limb>(d);
            if (subtractProduct(r, rn, factor, fn, d)) {
                addProduct(r, rn, factor, fn, d);
                --d;
                continue;
            }
            // Too small while R − (2S·B + d)·d > 2(S·B + d), twice the new root.
            const std::uint64_t twoD = 2 * d;
            std::vector<Limb>::size_type carryAt = j + 1;
            factor[0] = static_cast<Limb>(twoD % kBase);
            Limb carry = static_cast<Limb>(twoD / kBase);
            for (; carry != 0; ++carryAt) {
                const Limb t = twice[carryAt] + carry;
                carry = t >= kBase ? 1 : 0;
                twice[carryAt] = carry ? t - static_cast<Limb>(kBase) : t;
            }
            if (!greater(r, rn, factor, fn)) break;
            // Undo the carry, put the factor back, and try d + 1.
            for (std::size_t i = j + 1; i < carryAt; ++i) {
                if (twice[i] == 0) {
                    twice[i] = static_cast<Limb>(kBase - 1);
                } else {
                    --twice[i];
                    break;
                }
            }
            factor[0] = static_cast<Limb>(d);
            addProduct(r, rn, factor, fn, d);
            ++d;
        }
        root[j] = static_cast<Limb>(d);
    }
    return {BigUInt::fromLimbs(std::move(root)), BigUInt::fromLimbs(std::move(w))};
}

}  // namespace

SqrtRemResult sqrtRem(const BigUInt& n, const Cutoffs& cutoffs) {
    const auto& x = n.limbs();
    if (x.empty()) return {};
    if (x.size() < std::max<std::size_t>(cutoffs.sqrtByLimbs, 5)) return sqrtRemByLimbs(x);
    // n = top·b² + a1·b + a0 with b = B^k, a0, a1 < b. With k ≤ (limbs − 1)/4
    // the top has at least 2k + 1 limbs, so its root s' is at least b: then
    // s'·b + floor((r'·b + a1) / 2s') is the root or one above it, and the
    // sign of the remainder tells which.
    const std::size_t k = (x.size() - 1) / 4;
    const SqrtRemResult top = sqrtRem(limbRange(x, 2 * k, x.size()), cutoffs);
    const DivModResult qu = divMod(joined(top.remainder, k, limbRange(x, k, 2 * k)), top.root + top.root);
    BigUInt root = joined(top.root, k, BigUInt()) + qu.quotient;
    // n − root² = u·b + a0 − q².
    BigUInt positive = joined(qu.remainder, k, limbRange(x, 0, k));
    const BigUInt qSquared = multiply(qu.quotient, qu.quotient, cutoffs);
    while (positive < qSquared) {
        // (root − 1)² = root² − 2·root + 1.
        positive = positive + root + root;
        root = root - BigUInt(1);
        positive = positive - BigUInt(1);
    }
    return {std::move(root), positive - qSquared};
}

BigUInt isqrt(const BigUInt& n, const Cutoffs& cutoffs) {
    return sqrtRem(n, cutoffs).root;
}

}  // namespace calcora
