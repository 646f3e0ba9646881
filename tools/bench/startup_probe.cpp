// A startup probe: starts like the program (or, built with PROBE_LABEL, like
// a minimal Qt program that shows one label), prints the monotonic time of
// its first frame in nanoseconds, and ends.

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <ctime>

#ifndef PROBE_LABEL
#include "ui/start/frmloading.h"
#endif

namespace {

class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstFrame probe;
    app.installEventFilter(&probe);
#ifdef PROBE_LABEL
    QLabel label(QStringLiteral("Тесты по биологии"));
    label.show();
#else
    frmLoading start;
    start.showCentred();
#endif
    return app.exec();
}
