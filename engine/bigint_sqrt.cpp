// SPDX-License-Identifier: MIT
// Integer square root of BigUInt: the root of the leading half, then one
// Newton step from above and a final correction by squaring.
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/bigint.h"
#include "engine/wide_word.h"

namespace calcora {

namespace {

using Limb = BigUInt::Limb;

using Wide = Uint128;

// Up to four limbs (below 10^36 < 2^127): a long double estimate, corrected.
BigUInt isqrtSmall(const std::vector<Limb>& limbs) {
    Wide v = 0;
    for (std::size_t i = limbs.size(); i-- > 0;) v = v * BigUInt::kBase + limbs[i];
    auto x = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(v)));
    while (x > 0 && static_cast<Wide>(x) * x > v) --x;
    while (static_cast<Wide>(x + 1) * (x + 1) <= v) ++x;
    return BigUInt(x);
}

}  // namespace

BigUInt isqrt(const BigUInt& n, const Cutoffs& cutoffs) {
    const auto& x = n.limbs();
    if (x.size() <= 4) return isqrtSmall(x);
    // n = nh·B^(2h) + nl with h ≤ (limbs − 1)/4, so s = isqrt(nh) ≥ B^h and
    // (s + 1)·B^h ≥ sqrt(n) lies within a relative 1/s of the root: one Newton
    // step leaves an error of about B^h / 2s < 1.
    const std::size_t h = (x.size() - 1) / 4;
    BigUInt top = BigUInt::fromLimbs(std::vector<Limb>(x.begin() + static_cast<std::ptrdiff_t>(2 * h), x.end()));
    const BigUInt s = isqrt(top, cutoffs);
    const BigUInt above = addSmall(s, 1);
    std::vector<Limb> start(h, 0);
    start.insert(start.end(), above.limbs().begin(), above.limbs().end());
    const BigUInt x0 = BigUInt::fromLimbs(std::move(start));
    // Newton from above with floors never goes below the root.
    std::uint32_t odd = 0;
    BigUInt y = divModSmall(x0 + divMod(n, x0).quotient, 2, odd);
    if (y > x0) y = x0;
    while (multiply(y, y, cutoffs) > n) y = y - BigUInt(1);
    return y;
}

}  // namespace calcora
