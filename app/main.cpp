// SPDX-License-Identifier: MIT
#include <QApplication>

#include "ui/frmNumora.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    calcora::frmNumora window;
    window.show();
    return app.exec();
}
