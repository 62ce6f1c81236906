// SPDX-License-Identifier: MIT
// LargeMultiply and LargeDiv, text in to text out, at the sizes users reach;
// beside each, when CALCORA_BENCH_WITH_GMP is defined, GMP or MPFR doing the
// same work from decimal text to decimal text (gmp_reference.h). The pairs
// share a name after the first underscore: BM_Ours_X and BM_Gmp_X / BM_Mpfr_X.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "engine/engine.h"
#include "gmp_reference.h"
#ifdef CALCORA_BENCH_WITH_GMP
#include "same_text.h"
#endif

namespace {

std::string digits(std::uint32_t seed, std::size_t n) {
    std::mt19937 rng(seed);
    std::string s(n, '0');
    for (char& c : s) c = static_cast<char>('0' + rng() % 10);
    s[0] = static_cast<char>('1' + rng() % 9);
    s.back() = static_cast<char>('1' + rng() % 9);  // no trailing zeros for divisors
    return s;
}

const std::string& d500a() { static const std::string s = digits(1, 500); return s; }
const std::string& d500b() { static const std::string s = digits(2, 500); return s; }
const std::string& d16000a() { static const std::string s = digits(3, 16000); return s; }
const std::string& d16000b() { static const std::string s = digits(4, 16000); return s; }
const std::string& d2568() { static const std::string s = digits(5, 2568); return s; }
const std::string& d4() { static const std::string s = digits(6, 4); return s; }
const std::string& d501() { static const std::string s = digits(7, 501); return s; }
const std::string& d32000() { static const std::string s = digits(8, 32000); return s; }
const std::string& d4000() { static const std::string s = digits(11, 4000); return s; }
// The same digits with the point after the first: every one of them divides.
const std::string& d32000Point() { static const std::string s = [] { auto t = digits(8, 32000); t.insert(1, 1, '.'); return t; }(); return s; }
// Two 32,000-digit operands with the point 16,000 places from the right.
const std::string& sumA() { static const std::string s = [] { auto t = digits(9, 32000); t.insert(16000, 1, '.'); return t; }(); return s; }
const std::string& sumB() { static const std::string s = [] { auto t = digits(10, 32000); t.insert(16000, 1, '.'); return t; }(); return s; }

constexpr std::int16_t kFigures = 500;
// 500 decimal figures need 1661 bits; MPFR works a little above that.
constexpr long kMpfrBits = 1700;

// ---- Ours ---------------------------------------------------------------------

void BM_Ours_Multiply_500x500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeMultiply(d500a(), d500b()));
}
BENCHMARK(BM_Ours_Multiply_500x500)->Unit(benchmark::kMicrosecond);

void BM_Ours_Multiply_16000x16000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeMultiply(d16000a(), d16000b()));
}
BENCHMARK(BM_Ours_Multiply_16000x16000)->Unit(benchmark::kMicrosecond);

void BM_Ours_Multiply_2568x4(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeMultiply(d2568(), d4()));
}
BENCHMARK(BM_Ours_Multiply_2568x4)->Unit(benchmark::kMicrosecond);

void BM_Ours_Divide_1by3_500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeDiv(kFigures, "1", "3"));
}
BENCHMARK(BM_Ours_Divide_1by3_500)->Unit(benchmark::kMicrosecond);

void BM_Ours_Divide_501by500_500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeDiv(kFigures, d501(), d500a()));
}
BENCHMARK(BM_Ours_Divide_501by500_500)->Unit(benchmark::kMicrosecond);

void BM_Ours_Divide_501by32000_500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeDiv(kFigures, d501(), d32000()));
}
BENCHMARK(BM_Ours_Divide_501by32000_500)->Unit(benchmark::kMicrosecond);

void BM_Ours_Divide_501by4000_500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeDiv(kFigures, d501(), d4000()));
}
BENCHMARK(BM_Ours_Divide_501by4000_500)->Unit(benchmark::kMicrosecond);

void BM_Ours_Divide_501by32000Point_500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeDiv(kFigures, d501(), d32000Point()));
}
BENCHMARK(BM_Ours_Divide_501by32000Point_500)->Unit(benchmark::kMicrosecond);

void BM_Ours_Sum_32000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeAdd("+", sumA(), sumB()));
}
BENCHMARK(BM_Ours_Sum_32000)->Unit(benchmark::kMicrosecond);

#ifdef CALCORA_BENCH_WITH_GMP

// ---- GMP and MPFR -------------------------------------------------------------

using calcora::bench::gmpMultiply;
using calcora::bench::gmpSum;
using calcora::bench::mpfrDivide;
using calcora::bench::mpzDivide;
using calcora::bench::sameText;

void BM_Gmp_Multiply_500x500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeMultiply(d500a(), d500b()), gmpMultiply(d500a(), d500b()))) return;
    for (auto _ : state) benchmark::DoNotOptimize(gmpMultiply(d500a(), d500b()));
}
BENCHMARK(BM_Gmp_Multiply_500x500)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Multiply_16000x16000(benchmark::State& state) {
    if (!sameText(state, calcora::LargeMultiply(d16000a(), d16000b()), gmpMultiply(d16000a(), d16000b()))) return;
    for (auto _ : state) benchmark::DoNotOptimize(gmpMultiply(d16000a(), d16000b()));
}
BENCHMARK(BM_Gmp_Multiply_16000x16000)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Multiply_2568x4(benchmark::State& state) {
    if (!sameText(state, calcora::LargeMultiply(d2568(), d4()), gmpMultiply(d2568(), d4()))) return;
    for (auto _ : state) benchmark::DoNotOptimize(gmpMultiply(d2568(), d4()));
}
BENCHMARK(BM_Gmp_Multiply_2568x4)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Divide_1by3_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, "1", "3"), mpzDivide("1", "3", kFigures))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpzDivide("1", "3", kFigures));
}
BENCHMARK(BM_Gmp_Divide_1by3_500)->Unit(benchmark::kMicrosecond);

void BM_Mpfr_Divide_1by3_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, "1", "3"), mpfrDivide("1", "3", kFigures, kMpfrBits))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpfrDivide("1", "3", kFigures, kMpfrBits));
}
BENCHMARK(BM_Mpfr_Divide_1by3_500)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Divide_501by500_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, d501(), d500a()), mpzDivide(d501(), d500a(), kFigures))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpzDivide(d501(), d500a(), kFigures));
}
BENCHMARK(BM_Gmp_Divide_501by500_500)->Unit(benchmark::kMicrosecond);

void BM_Mpfr_Divide_501by500_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, d501(), d500a()), mpfrDivide(d501(), d500a(), kFigures, kMpfrBits))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpfrDivide(d501(), d500a(), kFigures, kMpfrBits));
}
BENCHMARK(BM_Mpfr_Divide_501by500_500)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Divide_501by32000_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, d501(), d32000()), mpzDivide(d501(), d32000(), kFigures))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpzDivide(d501(), d32000(), kFigures));
}
BENCHMARK(BM_Gmp_Divide_501by32000_500)->Unit(benchmark::kMicrosecond);

void BM_Mpfr_Divide_501by32000_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, d501(), d32000()), mpfrDivide(d501(), d32000(), kFigures, kMpfrBits))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpfrDivide(d501(), d32000(), kFigures, kMpfrBits));
}
BENCHMARK(BM_Mpfr_Divide_501by32000_500)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Divide_501by4000_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, d501(), d4000()), mpzDivide(d501(), d4000(), kFigures))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpzDivide(d501(), d4000(), kFigures));
}
BENCHMARK(BM_Gmp_Divide_501by4000_500)->Unit(benchmark::kMicrosecond);

void BM_Mpfr_Divide_501by4000_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, d501(), d4000()), mpfrDivide(d501(), d4000(), kFigures, kMpfrBits))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpfrDivide(d501(), d4000(), kFigures, kMpfrBits));
}
BENCHMARK(BM_Mpfr_Divide_501by4000_500)->Unit(benchmark::kMicrosecond);

void BM_Mpfr_Divide_501by32000Point_500(benchmark::State& state) {
    if (!sameText(state, calcora::LargeDiv(kFigures, d501(), d32000Point()), mpfrDivide(d501(), d32000Point(), kFigures, kMpfrBits))) return;
    for (auto _ : state) benchmark::DoNotOptimize(mpfrDivide(d501(), d32000Point(), kFigures, kMpfrBits));
}
BENCHMARK(BM_Mpfr_Divide_501by32000Point_500)->Unit(benchmark::kMicrosecond);

void BM_Gmp_Sum_32000(benchmark::State& state) {
    if (!sameText(state, calcora::LargeAdd("+", sumA(), sumB()), gmpSum(sumA(), sumB(), 16000))) return;
    for (auto _ : state) benchmark::DoNotOptimize(gmpSum(sumA(), sumB(), 16000));
}
BENCHMARK(BM_Gmp_Sum_32000)->Unit(benchmark::kMicrosecond);

#endif

}  // namespace
