// The main window's costs, each beside a baseline measured in the same
// process: a full repaint of the maximised window against one blit of a
// window-sized pixmap; building the window (and its menu) against a plain
// window with as many plain labels; one animation tick against the bare
// copies it makes; and the real interval between ticks at 10 ms.
//
//   bench_mainwindow            runs itself for 1920x1080 and 3840x2160
//   bench_mainwindow WxH        one screen size

#include "benchutil.h"

#include "quiz/animation.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"
#include "ui/main/mdldata.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <memory>

namespace {

int runAll(const char *self)
{
    int status = 0;
    for (const char *size : {"1920x1080", "3840x2160"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QString::fromLocal8Bit(self), {QString::fromLatin1(size)});
        child.waitForFinished(-1);
        status |= child.exitCode();
    }
    return status;
}

void useScreen(int width, int height, QTemporaryFile &config)
{
    config.open();
    config.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "Screen", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return runAll(argv[0]);
    int width = 0, height = 0;
    if (std::sscanf(argv[1], "%dx%d", &width, &height) != 2)
        return 2;
    QTemporaryFile config;
    useScreen(width, height, config);
    QTemporaryDir runtime; // private, as Qt wants its runtime directory
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);

    TestRun run;
    frmMain form(run);
    form.showMaximized();
    form.resize(width, height);
    QApplication::processEvents();
    std::printf("\n== main window at %dx%d (window %dx%d)\n", width, height, form.width(), form.height());

    // One blit of a window-sized picture into the window's backing image.
    QImage target(form.size(), QImage::Format_RGB32);
    const QPixmap picture = form.grab();
    const bench::Stats blit = bench::measure(201, [&] {
        QPainter p(&target);
        p.drawPixmap(0, 0, picture);
    });
    const bench::Stats repaint = bench::measure(201, [&] { form.repaint(); });
    bench::report("blit of a window-sized pixmap", blit, blit);
    bench::report("full repaint of the menu page", repaint, blit);

    // Building the window: the constructor reads the bank and builds the menu.
    const bench::Stats plain = bench::measure(51, [&] {
        QWidget w;
        for (int i = 0; i < 100; ++i)
            new QLabel(QStringLiteral("Надпись"), &w);
    });
    std::unique_ptr<frmMain> built;
    const bench::Stats construct = bench::measure(
        51, [&] { built = std::make_unique<frmMain>(run); }, [&] { built.reset(); });
    built.reset();
    bench::report("plain window with 100 labels", plain, plain);
    bench::report("frmMain constructed, menu built", construct, plain);

    // One tick with all 15 cells growing, against the 15 bare copies.
    mdlData::StartTest(form, 101);
    const QImage &sheet = form.spriteSheet();
    QImage strip(753, 66, QImage::Format_RGB32);
    const bench::Stats copies = bench::measure(1001, [&] {
        QPainter p(&strip);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (int n = 0; n < 15; ++n)
            p.drawImage(animation::cellOrigin(n), sheet, animation::spriteRect(10, n % 2));
    });
    const bench::Stats tick = bench::measure(
        1001, [&] { form.tmrAnimation_Timer(); },
        [&] {
            for (std::uint8_t n = 0; n < 15; ++n)
                animation::startCell(run, n, n % 2);
        });
    bench::report("15 bare copies of a cell", copies, copies);
    bench::report("animation tick, 15 cells growing", tick, copies);

    // The real interval between ticks at 10 ms, over whole grows.
    form.tmrAnimation->setInterval(0);
    std::vector<double> intervals;
    QElapsedTimer clock;
    qint64 last = -1;
    QObject::connect(form.tmrAnimation, &WindowTimer::timeout, &form, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            intervals.push_back((now - last) / 1e6);
        last = now;
    });
    for (int grow = 0; grow < 10; ++grow) {
        clock.start();
        last = -1;
        mdlData::GrowMush(form, static_cast<std::uint8_t>(grow), 1);
        while (form.tmrAnimation->isRunning())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    double sum = 0, worst = 0;
    for (double v : intervals) {
        sum += v;
        worst = std::max(worst, v);
    }
    std::printf("%-44s mean %6.2f ms  worst %6.2f ms  over %zu intervals (nominal 10 ms)\n",
                "real interval between animation ticks", sum / intervals.size(), worst,
                intervals.size());
    return 0;
}
