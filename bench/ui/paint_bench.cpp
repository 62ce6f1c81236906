// SPDX-License-Identifier: MIT
// Every command handler of the window at its largest input, on the real
// frmNumora, shown (offscreen, where Qt paints into a backing store in
// memory): the time from the click until the paint that shows the result is
// done. The goal is one frame of a 60 Hz display, 16 ms; after the usual
// output a table says which click is within it.
//
// The cases are those of handlers_bench.cpp (handler_cases.h). Before every
// click, with the timer paused, the boxes are filled and their paint run, so
// nothing left over from the filling is painted in the timed part. After the
// click, the posted events are delivered at once, as the event loop would
// deliver them next: the window's pending update request paints what the
// click changed, and only that (the handlers leave no timers or queued calls,
// so what is painted then is the result).
//
// An event filter counts the paints of the four boxes. A box whose text the
// click changed (txtResult for the calculations) must have been painted
// inside the timed part after every click; a row where one was not (a window
// not exposed paints nothing) reports an error instead of a time.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QWindow>
#include <array>
#include <string>

#include "handler_cases.h"

namespace {

using calcora::frmNumora;
using calcora::bench::HandlerCase;
using calcora::bench::HandlerWindow;

// The boxes a click can write.
constexpr std::array<const char*, 4> kBoxes = {"txtNum1", "txtNum2", "txtResult", "txtMem"};

// The texts of the boxes and the paint events each has received.
class BoxPaints : public QObject {
public:
    explicit BoxPaints(frmNumora& window) {
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
            boxes_[i] = window.findChild<QLineEdit*>(QString::fromLatin1(kBoxes[i]));
            boxes_[i]->installEventFilter(this);
        }
    }

    std::array<QString, kBoxes.size()> texts() const {
        std::array<QString, kBoxes.size()> all;
        for (std::size_t i = 0; i < kBoxes.size(); ++i) all[i] = boxes_[i]->text();
        return all;
    }
    const std::array<long, kBoxes.size()>& paints() const { return paints_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (std::size_t i = 0; i < kBoxes.size(); ++i) {
                if (watched == boxes_[i]) ++paints_[i];
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::array<QLineEdit*, kBoxes.size()> boxes_{};
    std::array<long, kBoxes.size()> paints_{};
};

void clickToPaintBenchmark(benchmark::State& state, const HandlerCase& c) {
    HandlerWindow window;
    QCoreApplication::processEvents();  // the show's expose and first paint
    if (!window.window.windowHandle() || !window.window.windowHandle()->isExposed()) {
        state.SkipWithError("the window is not exposed, so nothing would be painted");
        return;
    }
    BoxPaints boxes(window.window);
    long written = 0;    // boxes whose text a click changed
    long unpainted = 0;  // of those, the ones not painted before the clock stopped
    for (auto _ : state) {
        state.PauseTiming();
        window.arrange(c);
        QCoreApplication::sendPostedEvents();
        const auto textsBefore = boxes.texts();
        const auto paintsBefore = boxes.paints();
        state.ResumeTiming();
        (window.window.*c.click)();
        QCoreApplication::sendPostedEvents();
        state.PauseTiming();
        const auto textsAfter = boxes.texts();
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
            if (textsAfter[i] == textsBefore[i]) continue;
            ++written;
            if (boxes.paints()[i] == paintsBefore[i]) ++unpainted;
        }
        state.ResumeTiming();
    }
    state.counters["boxes written per click"] = double(written) / double(state.iterations());
    if (unpainted > 0) {
        const std::string why = std::to_string(unpainted) + " of the " + std::to_string(written) +
                                " boxes the clicks wrote were not painted before the clock stopped";
        state.SkipWithError(why.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    return calcora::bench::runCaseBenchmarks(argc, argv, clickToPaintBenchmark, "handler/input, click to paint");
}
