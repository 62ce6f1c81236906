#include <QApplication>

#include "ui/frmNumora.h"
#include "ui/startup_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    calcora::frmNumora window;
    window.show();
    calcora::watchStartup(window);  // does nothing unless CALCORA_STARTUP_PROBE is set
    return app.exec();
}
