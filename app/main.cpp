// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "ui/frmNumora.h"

namespace {

// While Qt looks for its display, a failure to find one (a DISPLAY that
// names no server) ends the program with one line and status 1 rather than
// Qt's abort; everything else Qt says goes through as usual.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "calcora: the display could not be opened (%s)\n", qgetenv("DISPLAY").constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (QString::fromLatin1(context.category ? context.category : "").startsWith(QLatin1String("qt.qpa"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = calcora::answerOwnOptions(argc, argv)) return *status;
    if (!calcora::displayNamed(argc, argv)) {
        std::fprintf(stderr, "%s\n", calcora::kNoDisplayLine);
        return 1;
    }
    const QtMessageHandler usual = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(usual);
    // Wayland desktops match the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.calcora.Calcora"));
    calcora::frmNumora window;
    window.show();
    return app.exec();
}
