// SPDX-License-Identifier: MIT
// The windows beside the calculator at the largest texts, on the real
// frmNumora (offscreen): the whole-number view opening, scrolling, resizing
// and following its box with 32,767 digits, painting included (each step
// ends with a synchronous repaint of the view); and the history taking a
// 32,767-digit entry when it is full, with its list closed and open. The
// goal is one frame of a 60 Hz display, 16 ms; after the usual output a
// table says which step is within it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/history.h"
#include "frame_goal_reporter.h"
#include "ui/frmNumora.h"
#include "ui/history_window.h"
#include "ui/whole_number_view.h"

namespace {

using calcora::frmNumora;
using calcora::WholeNumberView;

constexpr int kLongestText = 32767;
constexpr benchmark::IterationCount kIterations = 50;

// Runs what the step left to the event loop: a view's refresh after its
// box changed, then the paints it asked for.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

std::string digits(int count, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::string text(static_cast<std::size_t>(count), '0');
    text[0] = char('1' + rng() % 9);
    for (int i = 1; i < count; ++i) text[static_cast<std::size_t>(i)] = char('0' + rng() % 10);
    return text;
}

QString longest(std::uint32_t seed) { return QString::fromStdString(digits(kLongestText, seed)); }

struct Window {
    Window() {
        window.showMessage = [](const QString&) {};
        window.startProgram = [](const QString&, const QString&) { return false; };
        window.openUrl = [](const QString&, const std::function<void(bool)>& opened) { opened(false); };
        window.show();
        QCoreApplication::processEvents();
    }
    QLineEdit* box(const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    // The view of the result, open and painted.
    WholeNumberView* openView() {
        WholeNumberView* view = calcora::showWholeNumber(window, "txtResult");
        QCoreApplication::processEvents();
        view->repaint();
        return view;
    }
    QPlainTextEdit* textOf(WholeNumberView* view) {
        return view->findChild<QPlainTextEdit*>(QStringLiteral("wholeNumberText"));
    }
    frmNumora window;
};

void openView(benchmark::State& state) {
    Window w;
    w.box("txtResult")->setText(longest(1));
    for (auto _ : state) {
        state.PauseTiming();
        delete w.window.findChild<WholeNumberView*>();
        state.ResumeTiming();
        w.openView();
    }
}

void scrollAPage(benchmark::State& state) {
    Window w;
    w.box("txtResult")->setText(longest(1));
    QPlainTextEdit* text = w.textOf(w.openView());
    QScrollBar* bar = text->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        text->viewport()->repaint();
    }
}

void goToADigit(benchmark::State& state) {
    Window w;
    w.box("txtResult")->setText(longest(1));
    WholeNumberView* view = w.openView();
    bool end = false;
    for (auto _ : state) {
        end = !end;
        view->jumpToDigit(end ? kLongestText : 1);
        view->repaint();
    }
}

void resizeBy40Pixels(benchmark::State& state) {
    Window w;
    w.box("txtResult")->setText(longest(1));
    WholeNumberView* view = w.openView();
    const QSize size = view->size();
    bool narrow = false;
    for (auto _ : state) {
        narrow = !narrow;
        view->resize(size.width() - (narrow ? 40 : 0), size.height());
        view->repaint();
    }
}

void followANewResult(benchmark::State& state) {
    Window w;
    const QString texts[] = {longest(1), longest(2)};
    w.box("txtResult")->setText(texts[0]);
    WholeNumberView* view = w.openView();
    int which = 0;
    for (auto _ : state) {
        state.PauseTiming();
        which = 1 - which;
        w.box("txtResult")->setText(texts[which]);
        state.ResumeTiming();
        view->refreshNow();
        view->repaint();
    }
}

// The history filled to its bound with entries of two 32,767-digit
// operands and a 32,767-digit result, then one more such entry each time.
void addToAFullHistory(benchmark::State& state, bool listOpen) {
    Window w;
    calcora::core::WindowState before;
    before.num1 = digits(kLongestText, 1);
    before.num2 = digits(kLongestText, 2);
    before.sigFigs = "50";
    calcora::core::WindowState after = before;
    after.result = digits(kLongestText, 3);
    const calcora::CalculationHistory& history = *calcora::historyOf(w.window);
    while (history.history().dropped() == 0) {
        emit w.window.commandRun(QStringLiteral("cmdAdd"), before, after, true);
    }
    if (listOpen) {
        QDialog* list = calcora::showHistory(w.window);
        QCoreApplication::processEvents();
        list->repaint();
    }
    for (auto _ : state) {
        emit w.window.commandRun(QStringLiteral("cmdAdd"), before, after, true);
        if (listOpen) settle();
    }
    state.counters["entries"] = double(history.history().entries().size());
    state.counters["MB"] = double(history.history().bytes()) / (1024 * 1024);
}

// A whole command with both windows open: Add of two 32,767-digit numbers,
// its entry, the view following the result, and every window's paint (the
// calculator's too).
void addWithBothOpen(benchmark::State& state) {
    Window w;
    w.box("txtNum1")->setText(longest(4).replace(0, 1, QStringLiteral("1")));
    w.box("txtNum2")->setText(longest(5).replace(0, 1, QStringLiteral("2")));
    w.openView();
    calcora::showHistory(w.window);
    settle();
    for (auto _ : state) {
        state.PauseTiming();
        w.box("txtResult")->clear();
        settle();
        state.ResumeTiming();
        w.window.cmdAdd_Click();
        settle();
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    const auto add = [](const char* name, auto function) {
        benchmark::RegisterBenchmark(name, function)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(kIterations);
    };
    add("WholeNumberView/open on 32767 digits", openView);
    add("WholeNumberView/scroll a page of 32767 digits", scrollAPage);
    add("WholeNumberView/go to digit 32767 or 1", goToADigit);
    add("WholeNumberView/resize by 40 px at 32767 digits", resizeBy40Pixels);
    add("WholeNumberView/follow a new 32767-digit result", followANewResult);
    add("History/add a 32767-digit entry to a full history",
        [](benchmark::State& state) { addToAFullHistory(state, false); });
    add("History/the same with the list open", [](benchmark::State& state) { addToAFullHistory(state, true); });
    add("cmdAdd_Click/32767 + 32767 digits, view and history open", addWithBothOpen);
    calcora::bench::FrameGoalReporter reporter("view or history step");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
