// SPDX-License-Identifier: MIT
// The wide integer under the fixed decimal: long division, whose rare
// corrections (an estimate two too large, the add-back step) random decimal
// operands almost never reach. Property: q·v + r = u and r < v.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fixeddec/wide_uint.h"

namespace calcora {
namespace {

// Limbs given most significant first, as they are written.
WideUint fromLimbs(std::initializer_list<std::uint32_t> limbs) {
    WideUint w;
    for (std::uint32_t l : limbs) {
        w.mulSmall(0x10000);
        w.mulSmall(0x10000);
        w.add(WideUint::fromU64(l));
    }
    return w;
}

void expectDivision(const WideUint& u, const WideUint& v) {
    WideUint q, r;
    WideUint::divMod(u, v, q, r);
    EXPECT_LT(WideUint::compare(r, v), 0) << u.toDecimal() << " / " << v.toDecimal();
    WideUint back = WideUint::mul(q, v);
    back.add(r);
    EXPECT_EQ(WideUint::compare(back, u), 0) << u.toDecimal() << " / " << v.toDecimal();
}

TEST(WideUint, DivisionNeedingTheAddBackStep) {
    // A classic case whose first estimate passes the two-limb test and is still one too large.
    expectDivision(fromLimbs({0x7FFFFFFF, 0x80000000, 0x00000000, 0x00000000}),
                   fromLimbs({0x80000000, 0x00000000, 0x00000001}));
    expectDivision(fromLimbs({0x80000000, 0x00000000, 0x00000003}),
                   fromLimbs({0x20000000, 0x00000001}));
    expectDivision(fromLimbs({0x00007FFF, 0x80000000, 0x00000000, 0x00000000, 0x00000000}),
                   fromLimbs({0x00008000, 0x00000000, 0x00000001}));
}

TEST(WideUint, DivisionWhoseEstimateIsTwoTooLarge) {
    expectDivision(fromLimbs({0xD5F43865, 0xF6DF0917, 0x00000000, 0xFFFFFFFE}),
                   fromLimbs({0x80000000, 0xECBDF8E2, 0x00000001}));
    expectDivision(fromLimbs({0xDC7F8BEB, 0x864E1E3D, 0x00000001, 0x00000000, 0x7FFFFFFF}),
                   fromLimbs({0x4A758E6D, 0xFFFFFFFE, 0x00000001}));
    expectDivision(fromLimbs({0x55A04FD6, 0x80000000, 0xCD039704, 0x80000001, 0xAFDE4E45}),
                   fromLimbs({0x80000000, 0xEBDDF373}));
    expectDivision(fromLimbs({0xB7818556, 0xAA3D2406, 0x7FFFFFFF, 0x80000000, 0x7FFFFFFF}),
                   fromLimbs({0x43476D04, 0xF394DB71}));
}

TEST(WideUint, DivisionOfEdgyLimbPatterns) {
    const std::uint64_t seed = 96'283;
    std::mt19937_64 rng(seed);
    const std::uint32_t edgy[] = {0, 1, 2, 0x7FFFFFFF, 0x80000000, 0x80000001, 0xFFFFFFFE, 0xFFFFFFFF};
    auto limb = [&] {
        return rng() % 2 ? edgy[rng() % std::size(edgy)] : static_cast<std::uint32_t>(rng());
    };
    for (int i = 0; i < 20000; ++i) {
        const int un = 1 + static_cast<int>(rng() % 9);
        const int vn = 1 + static_cast<int>(rng() % 4);
        WideUint u, v;
        for (int k = 0; k < un; ++k) {
            u.mulSmall(0x10000);
            u.mulSmall(0x10000);
            u.add(WideUint::fromU64(limb()));
        }
        for (int k = 0; k < vn; ++k) {
            v.mulSmall(0x10000);
            v.mulSmall(0x10000);
            v.add(WideUint::fromU64(limb()));
        }
        if (v.isZero()) v = WideUint::fromU64(1);
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i));
        expectDivision(u, v);
    }
}

TEST(WideUint, DecimalText) {
    EXPECT_EQ(WideUint{}.toDecimal(), "0");
    EXPECT_EQ(WideUint::max96().toDecimal(), "79228162514264337593543950335");
    EXPECT_EQ(WideUint::pow10(56).toDecimal(), "1" + std::string(56, '0'));
    EXPECT_EQ(WideUint::pow10(18).toDecimal(), "1000000000000000000");
}

}  // namespace
}  // namespace calcora
