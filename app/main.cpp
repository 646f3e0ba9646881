// The program opens on the start window. It takes no command line of its
// own; the toolkit's options pass through to it.

#include "app/startup.h"
#include "app/version.h"
#include "ui/start/frmloading.h"

#include <QApplication>

int main(int argc, char **argv)
{
    startup::guardWindowSystem(argc, argv);
    QApplication app(argc, argv);
    startup::windowSystemReady();
    // Before the first window exists: its title is written as it is made.
    startup::useUtf8CharacterType();
    // Lets the desktop match the windows to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf16(product::DesktopId));
    frmLoading start;
    start.showCentred();
    return app.exec();
}
