// SPDX-License-Identifier: MIT
// Square roots, powers and factorials, text in to text out, beside GMP and
// MPFR doing the same work (when CALCORA_BENCH_WITH_GMP is defined):
//   1000!                 FactorialUP("1000")    | 999 mpz_mul_ui (and mpz_fac_ui)
//   270-digit base ^ 120  RTPower(…, "120", …)   | mpz_pow_ui (and 120 mpz_mul)
//   root of "2", 100 fig. SquareRoot at "100"    | mpfr_sqrt at 100 digits
//   root of 100 digits    SquareRoot at "100"    | mpfr_sqrt; mpz_sqrt of the scaled value
//   root of "2" likewise                          | mpz_sqrt of 2·10^198
//   100! and 500!         FactorialUP            | mpz_fac_ui (the BM_*_Factorial_n family,
//                                                  its argument the n)
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "engine/engine.h"

#ifdef CALCORA_BENCH_WITH_GMP
#include <gmp.h>
#include <mpfr.h>

#include "gmp_reference.h"
#include "same_text.h"
#endif

namespace {

using namespace calcora::bench;

// ---- Ours -------------------------------------------------------------------

void BM_FactorialUP_1000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::FactorialUP("1000"));
}
BENCHMARK(BM_FactorialUP_1000)->Unit(benchmark::kMicrosecond);

// The smaller factorials of the growth table; 1000! is the row above.
void factorialSizes(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);
}

void BM_FactorialUP_n(benchmark::State& state) {
    const std::string n = std::to_string(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(calcora::FactorialUP(n));
}
BENCHMARK(BM_FactorialUP_n)->Apply(factorialSizes);

void BM_RTPower_270digits_120(benchmark::State& state) {
    for (auto _ : state) {
        std::int16_t sf = 50;
        benchmark::DoNotOptimize(calcora::RTPower(sf, base270(), "120", "50"));
    }
}
BENCHMARK(BM_RTPower_270digits_120)->Unit(benchmark::kMicrosecond);

void BM_SquareRoot_2_at100(benchmark::State& state) {
    for (auto _ : state) {
        std::int16_t sf = 0;
        benchmark::DoNotOptimize(calcora::SquareRoot(sf, "2", "100"));
    }
}
BENCHMARK(BM_SquareRoot_2_at100)->Unit(benchmark::kMicrosecond);

void BM_SquareRoot_100digits_at100(benchmark::State& state) {
    for (auto _ : state) {
        std::int16_t sf = 0;
        benchmark::DoNotOptimize(calcora::SquareRoot(sf, number100(), "100"));
    }
}
BENCHMARK(BM_SquareRoot_100digits_at100)->Unit(benchmark::kMicrosecond);

#ifdef CALCORA_BENCH_WITH_GMP

// ---- GMP and MPFR -----------------------------------------------------------
// Each checks once, before its timed loop, that it writes our text.

using calcora::bench::sameText;

std::string ourFactorial(const std::string& n = "1000") { return calcora::FactorialUP(n); }

std::string ourPower() {
    std::int16_t sf = 50;
    return calcora::RTPower(sf, base270(), "120", "50");
}

std::string ourRoot(const std::string& value) {
    std::int16_t sf = 0;
    return calcora::SquareRoot(sf, value, "100");
}

std::string mpzText(const mpz_t value) {
    std::string text(mpz_sizeinbase(value, 10) + 2, '\0');
    mpz_get_str(text.data(), 10, value);
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

std::string factorialByMultiplications() {
    mpz_t product;
    mpz_init(product);
    const unsigned long n = std::stoul("1000");
    mpz_set_ui(product, 1);
    for (unsigned long i = 2; i <= n; ++i) mpz_mul_ui(product, product, i);
    std::string text = mpzText(product);
    mpz_clear(product);
    return text;
}

void BM_Gmp_Factorial_999Multiplications(benchmark::State& state) {
    if (!sameText(state, ourFactorial(), factorialByMultiplications())) return;
    for (auto _ : state) benchmark::DoNotOptimize(factorialByMultiplications());
}
BENCHMARK(BM_Gmp_Factorial_999Multiplications)->Unit(benchmark::kMicrosecond);

std::string factorialFacUi(const std::string& n = "1000") {
    mpz_t product;
    mpz_init(product);
    mpz_fac_ui(product, std::stoul(n));
    std::string text = mpzText(product);
    mpz_clear(product);
    return text;
}

void BM_Gmp_Factorial_FacUi(benchmark::State& state) {
    if (!sameText(state, ourFactorial(), factorialFacUi())) return;
    for (auto _ : state) benchmark::DoNotOptimize(factorialFacUi());
}
BENCHMARK(BM_Gmp_Factorial_FacUi)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Factorial_FacUi_n(benchmark::State& state) {
    const std::string n = std::to_string(state.range(0));
    if (!sameText(state, ourFactorial(n), factorialFacUi(n))) return;
    for (auto _ : state) benchmark::DoNotOptimize(factorialFacUi(n));
}
BENCHMARK(BM_Gmp_Factorial_FacUi_n)->Apply(factorialSizes);

std::string powerPowUi() {
    mpz_t base, result;
    mpz_inits(base, result, nullptr);
    mpz_set_str(base, base270().c_str(), 10);
    mpz_pow_ui(result, base, std::stoul("120"));
    std::string text = mpzText(result);
    mpz_clears(base, result, nullptr);
    return text;
}

void BM_Gmp_PowUi_270digits_120(benchmark::State& state) {
    if (!sameText(state, ourPower(), powerPowUi())) return;
    for (auto _ : state) benchmark::DoNotOptimize(powerPowUi());
}
BENCHMARK(BM_Gmp_PowUi_270digits_120)->Unit(benchmark::kMicrosecond);

std::string powerByMultiplications() {
    mpz_t base, result;
    mpz_inits(base, result, nullptr);
    mpz_set_str(base, base270().c_str(), 10);
    mpz_set_ui(result, 1);
    for (int i = 0; i < 120; ++i) mpz_mul(result, result, base);
    std::string text = mpzText(result);
    mpz_clears(base, result, nullptr);
    return text;
}

void BM_Gmp_120Multiplications_270digits(benchmark::State& state) {
    if (!sameText(state, ourPower(), powerByMultiplications())) return;
    for (auto _ : state) benchmark::DoNotOptimize(powerByMultiplications());
}
BENCHMARK(BM_Gmp_120Multiplications_270digits)->Unit(benchmark::kMicrosecond);

// The root to 100 significant digits, rounded toward zero, written with its
// point and without trailing fraction zeros: the same text work as ours.
std::string mpfrRoot100(const std::string& value) {
    constexpr mpfr_prec_t kBits = 340;  // 100 digits need 333 bits
    mpfr_t x, root;
    mpfr_inits2(kBits, x, root, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_str(x, value.c_str(), 10, MPFR_RNDZ);
    mpfr_sqrt(root, x, MPFR_RNDZ);
    mpfr_exp_t exponent = 0;
    char* digits = mpfr_get_str(nullptr, &exponent, 10, 100, root, MPFR_RNDZ);
    std::string text(digits);
    mpfr_free_str(digits);
    mpfr_clears(x, root, static_cast<mpfr_ptr>(nullptr));
    if (exponent > 0 && static_cast<std::size_t>(exponent) < text.size()) {
        text.insert(static_cast<std::size_t>(exponent), 1, '.');
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

void BM_Mpfr_Sqrt_2_at100(benchmark::State& state) {
    const std::string two = "2";
    if (!sameText(state, ourRoot(two), mpfrRoot100(two))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpfrRoot100(two));
}
BENCHMARK(BM_Mpfr_Sqrt_2_at100)->Unit(benchmark::kMicrosecond);

void BM_Mpfr_Sqrt_100digits_at100(benchmark::State& state) {
    if (!sameText(state, ourRoot(number100()), mpfrRoot100(number100()))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpfrRoot100(number100()));
}
BENCHMARK(BM_Mpfr_Sqrt_100digits_at100)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Sqrt_2_scaled(benchmark::State& state) {
    const std::string two = "2";
    if (!sameText(state, ourRoot(two), calcora::bench::mpzSquareRoot(two, 100))) return;
    for (auto _ : state) benchmark::DoNotOptimize(calcora::bench::mpzSquareRoot(two, 100));
}
BENCHMARK(BM_Gmp_Sqrt_2_scaled)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Sqrt_100digits_scaled(benchmark::State& state) {
    if (!sameText(state, ourRoot(number100()), calcora::bench::mpzSquareRoot(number100(), 100))) return;
    for (auto _ : state) benchmark::DoNotOptimize(calcora::bench::mpzSquareRoot(number100(), 100));
}
BENCHMARK(BM_Gmp_Sqrt_100digits_scaled)->Unit(benchmark::kMicrosecond);

#endif  // CALCORA_BENCH_WITH_GMP

}  // namespace
