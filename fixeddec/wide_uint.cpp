// SPDX-License-Identifier: MIT
#include "fixeddec/wide_uint.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace calcora {

namespace {

constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
// The largest power of ten in one limb: decimal conversion works nine digits at a time.
constexpr std::uint32_t kTenToNine = 1'000'000'000u;

}  // namespace

WideUint WideUint::fromParts(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo) {
    WideUint w;
    w.limb_[0] = lo;
    w.limb_[1] = mid;
    w.limb_[2] = hi;
    return w;
}

WideUint WideUint::fromU64(std::uint64_t value) {
    WideUint w;
    w.limb_[0] = static_cast<std::uint32_t>(value);
    w.limb_[1] = static_cast<std::uint32_t>(value >> 32);
    return w;
}

WideUint WideUint::pow10(int n) {
    WideUint w = fromU64(1);
    w.mulPow10(n);
    return w;
}

WideUint WideUint::max96() { return fromParts(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu); }

bool WideUint::isZero() const { return limbCount() == 0; }

bool WideUint::fits96() const { return limbCount() <= 3; }

int WideUint::limbCount() const {
    int n = kLimbs;
    while (n > 0 && limb_[static_cast<std::size_t>(n - 1)] == 0) --n;
    return n;
}

int WideUint::bitLength() const {
    const int n = limbCount();
    if (n == 0) return 0;
    return 32 * (n - 1) + std::bit_width(limb_[static_cast<std::size_t>(n - 1)]);
}

int WideUint::compare(const WideUint& a, const WideUint& b) {
    for (int i = kLimbs - 1; i >= 0; --i) {
        const auto x = a.limb_[static_cast<std::size_t>(i)];
        const auto y = b.limb_[static_cast<std::size_t>(i)];
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

void WideUint::mulSmall(std::uint32_t factor) {
    const int n = limbCount();
    std::uint64_t carry = 0;
    for (int i = 0; i < n; ++i) {
        auto& l = limb_[static_cast<std::size_t>(i)];
        const std::uint64_t t = std::uint64_t{l} * factor + carry;
        l = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    if (carry != 0) {
        assert(n < kLimbs);
        limb_[static_cast<std::size_t>(n)] = static_cast<std::uint32_t>(carry);
    }
}

void WideUint::addSmall(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (auto& l : limb_) {
        if (carry == 0) break;
        const std::uint64_t t = std::uint64_t{l} + carry;
        l = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    assert(carry == 0);
}

void WideUint::mulPow10(int n) {
    assert(n >= 0);
    while (n >= 9) {
        mulSmall(kTenToNine);
        n -= 9;
    }
    std::uint32_t rest = 1;
    for (; n > 0; --n) rest *= 10;
    if (rest != 1) mulSmall(rest);
}

std::uint32_t WideUint::divSmall(std::uint32_t divisor) {
    assert(divisor != 0);
    std::uint64_t rem = 0;
    for (int i = limbCount() - 1; i >= 0; --i) {
        auto& l = limb_[static_cast<std::size_t>(i)];
        const std::uint64_t cur = (rem << 32) | l;
        l = static_cast<std::uint32_t>(cur / divisor);
        rem = cur % divisor;
    }
    return static_cast<std::uint32_t>(rem);
}

void WideUint::add(const WideUint& other) {
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < limb_.size(); ++i) {
        const std::uint64_t t = std::uint64_t{limb_[i]} + other.limb_[i] + carry;
        limb_[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    assert(carry == 0);
}

void WideUint::sub(const WideUint& other) {
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < limb_.size(); ++i) {
        const std::uint64_t t = std::uint64_t{limb_[i]} - other.limb_[i] - borrow;
        limb_[i] = static_cast<std::uint32_t>(t);
        borrow = (t >> 32) & 1u;
    }
    assert(borrow == 0);
}

WideUint WideUint::mul(const WideUint& a, const WideUint& b) {
    WideUint r;
    const int na = a.limbCount();
    const int nb = b.limbCount();
    assert(na + nb <= kLimbs + 1);
    for (int i = 0; i < na; ++i) {
        std::uint64_t carry = 0;
        const std::uint64_t ai = a.limb_[static_cast<std::size_t>(i)];
        for (int j = 0; j < nb; ++j) {
            const auto k = static_cast<std::size_t>(i + j);
            assert(k < r.limb_.size());
            const std::uint64_t t = ai * b.limb_[static_cast<std::size_t>(j)] + r.limb_[k] + carry;
            r.limb_[k] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        const auto k = static_cast<std::size_t>(i + nb);
        if (k < r.limb_.size()) {
            r.limb_[k] = static_cast<std::uint32_t>(carry);
        } else {
            assert(carry == 0);
        }
    }
    return r;
}

// Long division with one estimated quotient limb per step (Knuth's algorithm D):
// the divisor is normalised so its top bit is set, which makes each estimate
// at most two too large.
void WideUint::divMod(const WideUint& u, const WideUint& v, WideUint& quotient,
                      WideUint& remainder) {
    const int n = v.limbCount();
    const int m = u.limbCount();
    assert(n > 0);
    WideUint q;
    if (n == 1) {
        WideUint w = u;
        const std::uint32_t r = w.divSmall(v.limb_[0]);
        quotient = w;
        remainder = fromU64(r);
        return;
    }
    if (m < n) {
        remainder = u;
        quotient = WideUint{};
        return;
    }

    const int shift = std::countl_zero(v.limb_[static_cast<std::size_t>(n - 1)]);
    auto shl = [shift](std::uint32_t high, std::uint32_t low) -> std::uint32_t {
        if (shift == 0) return high;
        return (high << shift) | (low >> (32 - shift));
    };
    std::array<std::uint32_t, kLimbs> vn{};
    for (int i = n - 1; i > 0; --i) {
        vn[static_cast<std::size_t>(i)] =
            shl(v.limb_[static_cast<std::size_t>(i)], v.limb_[static_cast<std::size_t>(i - 1)]);
    }
    vn[0] = shl(v.limb_[0], 0);
    std::array<std::uint32_t, kLimbs + 1> un{};
    un[static_cast<std::size_t>(m)] = shl(0, u.limb_[static_cast<std::size_t>(m - 1)]);
    for (int i = m - 1; i > 0; --i) {
        un[static_cast<std::size_t>(i)] =
            shl(u.limb_[static_cast<std::size_t>(i)], u.limb_[static_cast<std::size_t>(i - 1)]);
    }
    un[0] = shl(u.limb_[0], 0);

    const std::uint64_t vTop = vn[static_cast<std::size_t>(n - 1)];
    const std::uint64_t vNext = vn[static_cast<std::size_t>(n - 2)];
    for (int j = m - n; j >= 0; --j) {
        const auto top = static_cast<std::size_t>(j + n);
        const std::uint64_t numerator = (std::uint64_t{un[top]} << 32) | un[top - 1];
        std::uint64_t qhat = numerator / vTop;
        std::uint64_t rhat = numerator % vTop;
        while (qhat >= kBase || qhat * vNext > ((rhat << 32) | un[top - 2])) {
            --qhat;
            rhat += vTop;
            if (rhat >= kBase) break;
        }
        // Multiply and subtract; the borrow runs as a signed 64-bit value.
        std::int64_t borrow = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t p = qhat * vn[static_cast<std::size_t>(i)];
            const auto k = static_cast<std::size_t>(i + j);
            const std::int64_t t = static_cast<std::int64_t>(un[k]) - borrow -
                                   static_cast<std::int64_t>(p & 0xFFFFFFFFu);
            un[k] = static_cast<std::uint32_t>(t);
            borrow = static_cast<std::int64_t>(p >> 32) - (t >> 32);
        }
        const std::int64_t t = static_cast<std::int64_t>(un[top]) - borrow;
        un[top] = static_cast<std::uint32_t>(t);
        if (t < 0) {
            // The estimate was one too large: add the divisor back.
            --qhat;
            std::uint64_t carry = 0;
            for (int i = 0; i < n; ++i) {
                const auto k = static_cast<std::size_t>(i + j);
                const std::uint64_t s = std::uint64_t{un[k]} + vn[static_cast<std::size_t>(i)] + carry;
                un[k] = static_cast<std::uint32_t>(s);
                carry = s >> 32;
            }
            un[top] = static_cast<std::uint32_t>(un[top] + carry);
        }
        q.limb_[static_cast<std::size_t>(j)] = static_cast<std::uint32_t>(qhat);
    }

    WideUint r;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        r.limb_[k] = shift == 0 ? un[k] : (un[k] >> shift) | (un[k + 1] << (32 - shift));
    }
    quotient = q;
    remainder = r;
}

std::string WideUint::toDecimal() const {
    if (isZero()) return "0";
    // Nine-digit chunks, least significant first; 320 bits need at most 97 digits.
    std::array<std::uint32_t, 12> chunks{};
    int count = 0;
    WideUint w = *this;
    while (!w.isZero()) chunks[static_cast<std::size_t>(count++)] = w.divSmall(kTenToNine);
    std::string text = std::to_string(chunks[static_cast<std::size_t>(count - 1)]);
    for (int i = count - 2; i >= 0; --i) {
        const std::string part = std::to_string(chunks[static_cast<std::size_t>(i)]);
        text.append(9 - part.size(), '0');
        text += part;
    }
    return text;
}

}  // namespace calcora
