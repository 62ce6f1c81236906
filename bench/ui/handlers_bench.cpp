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

#include <QApplication>

#include "frame_goal_reporter.h"
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
    benchmark::Initialize(&argc, argv);
    // No display is needed: the window draws into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    for (const HandlerCase& c : calcora::bench::handlerCases()) {
        benchmark::RegisterBenchmark(calcora::bench::caseName(c).c_str(), clickBenchmark, c)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(calcora::bench::kClickIterations);
    }
    calcora::bench::FrameGoalReporter reporter("handler/input");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
