// The program opens on the start window. It takes no command line of its
// own; the toolkit's options pass through to it.

#include "app/version.h"
#include "ui/start/frmloading.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf16(product::DesktopId));
    frmLoading start;
    start.showCentred();
    return app.exec();
}
