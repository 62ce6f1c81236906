// SPDX-License-Identifier: MIT
// LargeMultiply and LargeDiv, text in to text out, at the sizes users reach;
// beside each, when CALCORA_BENCH_WITH_GMP is defined, GMP or MPFR doing the
// same work from decimal text to decimal text (gmp_reference.h). The pairs
// share a name after the first underscore: BM_Ours_X and BM_Gmp_X / BM_Mpfr_X.
// BM_Copy_Sum_32000 is the floor under the sum: the same bytes copied.
// The BM_*_Multiply_Square family takes its size, in digits, as argument.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/engine.h"
#include "bench_inputs.h"
#include "gmp_reference.h"
#ifdef CALCORA_BENCH_WITH_GMP
#include "same_text.h"
#endif

namespace {

using namespace calcora::bench;

// 500 decimal figures need 1661 bits; MPFR works a little above that.
constexpr long kMpfrBits = 1700;

// The square operands of `state.range(0)` digits, made before the timed loop.
std::size_t squareSize(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)); }

// The square sizes of the growth table; 16,000 digits is BM_*_Multiply_16000x16000.
void squareSizes(benchmark::internal::Benchmark* b) {
    for (int n : {1000, 2000, 4000, 8000}) b->Arg(n);
    b->Unit(benchmark::kMicrosecond);
}

// ---- Ours ---------------------------------------------------------------------

void BM_Ours_Multiply_500x500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeMultiply(d500a(), d500b()));
}
BENCHMARK(BM_Ours_Multiply_500x500)->Unit(benchmark::kMicrosecond);

void BM_Ours_Multiply_16000x16000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeMultiply(d16000a(), d16000b()));
}
BENCHMARK(BM_Ours_Multiply_16000x16000)->Unit(benchmark::kMicrosecond);

void BM_Ours_Multiply_Square(benchmark::State& state) {
    const std::string a = squareA(squareSize(state));
    const std::string b = squareB(squareSize(state));
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeMultiply(a, b));
}
BENCHMARK(BM_Ours_Multiply_Square)->Apply(squareSizes);

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

// What any sum of these texts must do at least: read both operands and write
// a text of the sum's length. The result is built as a copy of the first
// operand, then the second is copied over it, so it is written twice where
// a sum writes it once; all of it fits in the cache.
void BM_Copy_Sum_32000(benchmark::State& state) {
    const std::string& a = sumA();
    const std::string& b = sumB();
    const std::size_t length = calcora::LargeAdd("+", a, b).size();
    const std::size_t fromA = std::min(a.size(), length);
    const std::size_t fromB = std::min(b.size(), length);
    for (auto _ : state) {
        std::string result;
        result.reserve(length);
        result.assign(a, 0, fromA);
        result.resize(length);
        benchmark::ClobberMemory();
        std::memcpy(result.data() + (length - fromB), b.data(), fromB);
        benchmark::DoNotOptimize(result.data());
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = double(a.size() + b.size() + length);
}
BENCHMARK(BM_Copy_Sum_32000)->Unit(benchmark::kMicrosecond);

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

void BM_Gmp_Multiply_Square(benchmark::State& state) {
    const std::string a = squareA(squareSize(state));
    const std::string b = squareB(squareSize(state));
    if (!sameText(state, calcora::LargeMultiply(a, b), gmpMultiply(a, b))) return;
    for (auto _ : state) benchmark::DoNotOptimize(gmpMultiply(a, b));
}
BENCHMARK(BM_Gmp_Multiply_Square)->Apply(squareSizes);

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
