// SPDX-License-Identifier: MIT
// The start-up probe for scripts/startup_check.sh: the calculator's window as
// the calcora program starts it, plus a report. Once the window's first paint
// is done it prints on standard output, one "name value" a line:
//   first-paint-unix-ns       wall-clock time of the first paint (ns since 1970)
//   first-paint-ms            milliseconds from the process's start, as the
//                             kernel counts it (in steps of its clock tick)
//   rss-kb-after-start        resident memory (VmRSS) after the first paint
// and with the argument "factorial" it then computes 1000! in "Very High
// Precision" through the window's own button and adds
//   result-length             the length of the result text (2568)
//   rss-kb-after-factorial    resident memory after that result is painted
//   peak-rss-kb               the peak resident memory (VmHWM)
// and ends. The figures come from Linux's /proc (-1 where it is missing);
// the program links the window as the calcora program does, so it starts as
// that program starts.
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <unistd.h>

#include "ui/frmNumora.h"

namespace {

using calcora::frmNumora;

// The number of kB on a "Field:   1234 kB" line of /proc/self/status; -1
// where the system has no such file.
long statusKb(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Milliseconds since the kernel started this process: its start time in
// clock ticks after boot (/proc/self/stat, field 22) against the time since
// boot now (/proc/uptime). Dynamic loading before main counts too. -1 where
// /proc is missing.
double msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    // Field 2, the program name in parentheses, may hold spaces: count the
    // fields from the last ")", which ends field 2.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeAfterName = 22 - 3;
    if (fields.size() <= kStartTimeAfterName) return -1;
    const double startSeconds = fields[kStartTimeAfterName].toDouble() / double(sysconf(_SC_CLK_TCK));
    const double nowSeconds = uptime.readAll().split(' ').front().toDouble();
    return (nowSeconds - startSeconds) * 1000.0;
}

void print(const char* name, long long value) {
    std::printf("%s %lld\n", name, value);
    std::fflush(stdout);
}

// Waits for the window's first paint; the report runs once that paint, the
// controls' and the flush to the screen are done (the next turn of the
// event loop).
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(frmNumora& window, bool factorial)
        : QObject(&window), window(window), factorial(factorial) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window && event->type() == QEvent::Paint) {
            window.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report() {
        const auto unixNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
        print("first-paint-unix-ns", static_cast<long long>(unixNs));
        std::printf("first-paint-ms %.1f\n", msSinceProcessStart());
        print("rss-kb-after-start", statusKb("VmRSS"));
        if (factorial) {
            // As a user does it: the mode, the number, the button; then the
            // window painted with its 2,568-digit result.
            window.findChild<QRadioButton*>(QStringLiteral("optVHP"))->setChecked(true);
            window.findChild<QLineEdit*>(QStringLiteral("txtNum1"))->setText(QStringLiteral("1000"));
            window.findChild<QPushButton*>(QStringLiteral("cmdFac"))->click();
            window.repaint();
            print("result-length", window.findChild<QLineEdit*>(QStringLiteral("txtResult"))->text().size());
            print("rss-kb-after-factorial", statusKb("VmRSS"));
            print("peak-rss-kb", statusKb("VmHWM"));
        }
        QCoreApplication::quit();
    }

    frmNumora& window;
    bool factorial;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool factorial = argc > 1 && QByteArray(argv[1]) == "factorial";
    frmNumora window;
    window.show();
    new FirstPaintWatcher(window, factorial);
    return app.exec();
}
