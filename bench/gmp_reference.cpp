// SPDX-License-Identifier: MIT
#include "gmp_reference.h"

#ifdef CALCORA_BENCH_WITH_GMP

#include <gmp.h>
#include <mpfr.h>

#include <cstring>
#include <utility>

namespace calcora::bench {

namespace {

// RAII holders, so that each call starts and ends clean like ours.
struct Mpz {
    mpz_t v;
    Mpz() { mpz_init(v); }
    explicit Mpz(const std::string& digits) { mpz_init_set_str(v, digits.c_str(), 10); }
    ~Mpz() { mpz_clear(v); }
    Mpz(const Mpz&) = delete;
    Mpz& operator=(const Mpz&) = delete;
};

std::string digitsOf(const mpz_t value) {
    std::string text(mpz_sizeinbase(value, 10) + 2, '\0');
    mpz_get_str(text.data(), 10, value);
    text.resize(std::strlen(text.c_str()));
    return text;
}

// Digits d (first figure's place value 10^(exponent − 1)) written with a
// point: "12345", 2 → "12.345"; 0 → ".12345"; −2 → ".0012345".
std::string placePoint(std::string digits, long exponent) {
    if (exponent <= 0) {
        // Built by appending: GCC 12 misreads "." + std::string(...) as an
        // overlapping copy (-Wrestrict) once inlined at -O3.
        std::string text(1, '.');
        text.append(static_cast<std::size_t>(-exponent), '0');
        text.append(digits);
        return text;
    }
    if (static_cast<std::size_t>(exponent) >= digits.size()) {
        return digits + std::string(static_cast<std::size_t>(exponent) - digits.size(), '0');
    }
    digits.insert(static_cast<std::size_t>(exponent), 1, '.');
    return digits;
}

// A quotient's text as the engine writes it: no zeros at the end of a fraction,
// no point at the end (a 500th figure of 0 is not written).
std::string withoutEndZeros(std::string text) {
    if (text.find('.') == std::string::npos) return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

std::string gmpMultiply(const std::string& a, const std::string& b) {
    Mpz x(a), y(b), p;
    mpz_mul(p.v, x.v, y.v);
    return digitsOf(p.v);
}

std::string gmpSum(const std::string& a, const std::string& b, std::size_t pointFromRight) {
    const auto withoutPoint = [&](const std::string& s) {
        std::string t = s;
        t.erase(t.size() - pointFromRight - 1, 1);
        return t;
    };
    Mpz x(withoutPoint(a)), y(withoutPoint(b)), s;
    mpz_add(s.v, x.v, y.v);
    std::string digits = digitsOf(s.v);
    digits.insert(digits.size() - pointFromRight, 1, '.');
    // Written as the engine writes a sum: no trailing fraction zeros or point.
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.') digits.pop_back();
    return digits;
}

std::string mpzDivide(const std::string& n, const std::string& d, int figures) {
    Mpz x(n), y(d), q;
    // Enough places that the quotient has at least `figures` digits.
    const long k = static_cast<long>(figures) + static_cast<long>(d.size()) - static_cast<long>(n.size()) + 1;
    if (k > 0) {
        Mpz scale;
        mpz_ui_pow_ui(scale.v, 10, static_cast<unsigned long>(k));
        mpz_mul(x.v, x.v, scale.v);
    }
    mpz_tdiv_q(q.v, x.v, y.v);
    std::string digits = digitsOf(q.v);
    const long exponent = static_cast<long>(digits.size()) - (k > 0 ? k : 0);
    digits.resize(static_cast<std::size_t>(figures));
    return withoutEndZeros(placePoint(digits, exponent));
}

std::string mpfrDivide(const std::string& n, const std::string& d, int figures, long bits) {
    mpfr_t x, y, q;
    mpfr_inits2(bits, x, y, q, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_str(x, n.c_str(), 10, MPFR_RNDN);
    mpfr_set_str(y, d.c_str(), 10, MPFR_RNDN);
    mpfr_div(q, x, y, MPFR_RNDZ);
    mpfr_exp_t exponent = 0;
    char* raw = mpfr_get_str(nullptr, &exponent, 10, static_cast<std::size_t>(figures), q, MPFR_RNDZ);
    std::string text = withoutEndZeros(placePoint(raw, exponent));
    mpfr_free_str(raw);
    mpfr_clears(x, y, q, static_cast<mpfr_ptr>(nullptr));
    return text;
}

std::string mpzSquareRoot(const std::string& digits, int figures) {
    // value × 10^(2k) has 2·figures − 1 or 2·figures digits.
    const long d = static_cast<long>(digits.size());
    const long twiceK = 2 * figures - d;
    const long k = twiceK >= 0 ? twiceK / 2 : -((1 - twiceK) / 2);
    std::string scaled = digits;
    if (2 * k >= 0) {
        scaled.append(static_cast<std::size_t>(2 * k), '0');
    } else {
        scaled.resize(static_cast<std::size_t>(d + 2 * k));
    }
    Mpz x(scaled), root;
    mpz_sqrt(root.v, x.v);
    std::string rootDigits = digitsOf(root.v);
    const long exponent = static_cast<long>(rootDigits.size()) - k;
    std::string text = placePoint(std::move(rootDigits), exponent);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

}  // namespace calcora::bench

#endif
