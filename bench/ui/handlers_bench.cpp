// SPDX-License-Identifier: MIT
// Every command handler of the window at its largest input, on the real
// frmNumora (offscreen): the time from the click to the last box written,
// result display and text layout of the boxes included, painting not
// (paint_bench.cpp times the same clicks to the paint). The goal is one
// frame of a 60 Hz display, 16 ms; after the usual output a table says
// which handler is within it.
//
// The cases and the window they are clicked on are in handler_cases.h; the
// boxes are filled before every click with the timer paused.
#include <benchmark/benchmark.h>

#include "handler_cases.h"

namespace {

using calcora::bench::HandlerCase;
using calcora::bench::HandlerWindow;

void clickBenchmark(benchmark::State& state, const HandlerCase& c) {
    HandlerWindow window;
    for (auto _ : state) {
        state.PauseTiming();
        window.arrange(c);
        state.ResumeTiming();
        (window.window.*c.click)();
    }
}

}  // namespace

int main(int argc, char** argv) {
    return calcora::bench::runCaseBenchmarks(argc, argv, clickBenchmark, "handler/input");
}
