// SPDX-License-Identifier: MIT
// The fixed decimal: reading texts of 29 and 50 digits, and one division
// that needs the full 28 places and a rounding.

#include <benchmark/benchmark.h>

#include "fixeddec/fixeddec.h"

namespace {

void BM_ToFixedDecimal_29Digits(benchmark::State& state) {
    const std::string_view text = "79228162514.264337593543950335";
    for (auto _ : state) benchmark::DoNotOptimize(calcora::toFixedDecimal(text));
}
BENCHMARK(BM_ToFixedDecimal_29Digits);

void BM_ToFixedDecimal_50Digits(benchmark::State& state) {
    const std::string_view text = "3.1415926535897932384626433832795028841971693993751";
    for (auto _ : state) benchmark::DoNotOptimize(calcora::toFixedDecimal(text));
}
BENCHMARK(BM_ToFixedDecimal_50Digits);

void BM_FixedDecimalDivide(benchmark::State& state) {
    const calcora::FixedDecimal a = calcora::toFixedDecimal("2");
    const calcora::FixedDecimal b = calcora::toFixedDecimal("3.000000000000000000000000007");
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(a / b);
    }
}
BENCHMARK(BM_FixedDecimalDivide);

}  // namespace
