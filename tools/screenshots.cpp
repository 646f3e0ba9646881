// Takes the README's screenshots of the real windows, offscreen: the start
// window with its start button, the menu and the results of a test, the main
// window at 1280 x 1024. QT_SCALE_FACTOR=2 takes them at twice the pixels;
// their names then end in @2x.
//
//   screenshots OUTPUT_DIRECTORY

#include "quiz/animation.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"
#include "ui/start/frmloading.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString suffix = app.devicePixelRatio() > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    bool saved = true;
    auto save = [&](QWidget *window, const char *name) {
        saved = window->grab().save(out.filePath(QString::fromLatin1(name) + suffix)) && saved;
    };

    frmLoading start;
    start.tmrLoading->setEnabled(false);
    while (start.progress().state() != LoadingProgress::State::Ready)
        start.tmrLoading_Timer();
    start.show();
    save(&start, "startwindow");

    frmMain &main = *start.mainWindow();
    main.resize(1280, 1024);
    main.show();
    start.hide();
    save(&main, "screenshot");

    // Every other answer right: 8 of 15, with both kinds of mushroom grown.
    main.lblTestTitle_Click(7);
    for (int q = 0; q < 15; ++q) {
        const TestQuestion &shown = main.run().Questions[static_cast<std::size_t>(q)];
        const int answer = q % 2 == 0 ? shown.RightAnswer : (shown.RightAnswer + 1) % 3;
        main.lblAnswer_Click(static_cast<std::int16_t>(answer));
        while (main.tmrAnimation->isRunning())
            main.tmrAnimation_Timer();
        main.cmdNextQuest_Click();
    }
    save(&main, "results");
    if (!saved)
        std::fprintf(stderr, "could not write into %s\n", argv[1]);
    return saved ? 0 : 1;
}
