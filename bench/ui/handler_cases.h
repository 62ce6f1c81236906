// SPDX-License-Identifier: MIT
#pragma once
// The command handlers of frmNumora at their largest inputs, one case each,
// and the window they are clicked on: one table for the click timing
// (handlers_bench.cpp) and the timing to the paint (paint_bench.cpp), so
// both time the same clicks.
//
// The boxes are filled before every click, so each click does its full work
// (a result written over an empty box, a series restarted, a paste into an
// empty box). cmdVisit starts a browser and is not among the cases.

#include <benchmark/benchmark.h>

#include <QString>
#include <string>
#include <vector>

#include "ui/frmNumora.h"

namespace calcora::bench {

// Enough clicks to average out the noise of millisecond handlers; fixed,
// since refilling the boxes between clicks costs more than most clicks.
inline constexpr benchmark::IterationCount kClickIterations = 50;

struct HandlerCase {
    const char* handler;
    const char* input;
    void (frmNumora::*click)();
    bool veryHigh;
    QString num1{};
    QString num2{};
    QString result{};
    QString mem{};
    QString sigFigs = QStringLiteral("50");
    QString clipboard{};  // put on the clipboard before each click when not empty
};

// Every case, made once (the texts take a while to build).
const std::vector<HandlerCase>& handlerCases();

// "handler/input", the name of the case's benchmark row.
std::string caseName(const HandlerCase& c);

// The main of a program that times every case with `timeCase` (offscreen,
// kClickIterations clicks, real time in milliseconds), reported against one
// 60 Hz frame in a table headed `heading`.
using CaseBenchmark = void (*)(benchmark::State&, const HandlerCase&);
int runCaseBenchmarks(int argc, char** argv, CaseBenchmark timeCase, const char* heading);

// The real window, shown, with the seams that would open a message box,
// start a program or open a browser made silent.
class HandlerWindow {
public:
    HandlerWindow();

    // Brings the window to the case's state. Only the boxes whose text
    // differs are written: writing 32,767 characters costs milliseconds.
    void arrange(const HandlerCase& c);

    frmNumora window;

private:
    void set(const char* name, const QString& text);
};

}  // namespace calcora::bench
