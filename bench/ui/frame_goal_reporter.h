// SPDX-License-Identifier: MIT
#pragma once
// The usual console output of a window benchmark, then one line per row:
// its real time in milliseconds and whether it stays within one
// frame of a 60 Hz display.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>
#include <unistd.h>

namespace calcora::bench {

inline constexpr double kFrameGoalMs = 16.0;

class FrameGoalReporter : public benchmark::ConsoleReporter {
public:
    // `heading` names the rows ("handler/input"). Colours only on a terminal.
    explicit FrameGoalReporter(const char* heading)
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular), heading_(heading) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            double ms = run.GetAdjustedRealTime();
            if (run.time_unit == benchmark::kMicrosecond) ms /= 1e3;
            if (run.time_unit == benchmark::kNanosecond) ms /= 1e6;
            if (run.time_unit == benchmark::kSecond) ms *= 1e3;
            const std::string name = run.benchmark_name();
            rows_.emplace_back(name.substr(0, name.find("/iterations:")), ms);
        }
    }

    void Finalize() override {
        std::printf("\n%-64s %9s  %s\n", heading_, "ms", "within 16 ms");
        for (const auto& [name, ms] : rows_) {
            std::printf("%-64s %9.3f  %s\n", name.c_str(), ms, ms < kFrameGoalMs ? "yes" : "NO");
        }
        ConsoleReporter::Finalize();
    }

private:
    const char* heading_;
    std::vector<std::pair<std::string, double>> rows_;
};

}  // namespace calcora::bench
