// The program opens on the start window. It takes no command line of its
// own; the toolkit's options pass through to it.

#include "ui/start/frmloading.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    frmLoading start;
    start.showCentred();
    return app.exec();
}
