#include <QApplication>

#include "platform/QtPlatform.h"
#include "shell/frmStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Windows are hidden and shown rather than closed; the program ends only
    // when a screen ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform platform;
    frmStart start(platform.services);
    start.show();
    return QApplication::exec();
}
