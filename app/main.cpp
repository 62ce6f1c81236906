// SPDX-License-Identifier: MIT
#include <QApplication>

#include "ui/frmNumora.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Wayland desktops match the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.calcora.Calcora"));
    calcora::frmNumora window;
    window.show();
    return app.exec();
}
