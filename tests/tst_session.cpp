// Random user sessions against the real windows: clicks, double clicks,
// pointer moves, presses and releases, keys (digits on both rows, arrows,
// Tab, Enter, keypad Enter, Space) tapped, held or pressed twice in quick
// succession, resizes, minimising and timer ticks in random order, with the
// program's invariants checked after every event. A failing session prints its seed and the event that broke an
// invariant; LIVENOR_SESSION_SEED=N replays that one session.
//
//   LIVENOR_SESSION_SEEDS=N    run seeds 1..N (default 50)
//   LIVENOR_SESSION_SEED=N     run seed N only
//   LIVENOR_SESSION_EVENTS=N   events per session (default 2000)
//
// Sessions never run the event loop: pointer events are delivered as the
// toolkit delivers them to the control under the pointer, keys as the window
// system hands them to the window (a held key as release/press pairs that
// share a timestamp, only some flagged as repeats), and the window timers'
// ticks are events of the session, so every session replays exactly.

#include "quiz/animation.h"
#include "testsupport.h"
#include "urlcatcher.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/program.h"
#include "ui/controls/shape.h"
#include "ui/controls/stacking.h"
#include "ui/controls/twips.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"
#include "ui/main/layoutmath.h"
#include "ui/start/frmloading.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

#include <csignal>
#include <cstring>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

// Reseeds from the session's own sequence where the program seeds from the
// clock, so that a session replays.
class SessionRandom final : public RandomSource
{
public:
    explicit SessionRandom(std::uint32_t seed) : m_seeds(seed) {}
    void seedFromClock() override { m_engine.seed(m_seeds()); }
    float draw() override { return floatFromBits(static_cast<std::uint32_t>(m_engine()) >> 8); }

private:
    std::mt19937 m_seeds;
    std::mt19937 m_engine;
};

// What the crash handler prints if a session brings the process down.
char g_lastEvent[256] = "no session started";

extern "C" void reportCrash(int signal)
{
    const char prefix[] = "\nCRASH during random session: ";
    [[maybe_unused]] ssize_t w = write(2, prefix, sizeof prefix - 1);
    w = write(2, g_lastEvent, std::strlen(g_lastEvent));
    w = write(2, "\n", 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Thousands of sessions outlast the test library's per-function watchdog.
const bool g_watchdogWidened = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(7 * 24 * 3600 * 1000));
    return true;
}();

QStringList &sessionWarnings()
{
    static QStringList warnings;
    return warnings;
}

QtMessageHandler g_previousHandler = nullptr;

void sessionMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        sessionWarnings() << msg;
    if (g_previousHandler)
        g_previousHandler(type, context, msg);
}

struct SessionKey {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Escape first: it ends the program, so it is drawn on its own, seldom.
const std::vector<SessionKey> &keys()
{
    static const std::vector<SessionKey> table = {
        {"Escape", Qt::Key_Escape, Qt::NoModifier},
        {"Return", Qt::Key_Return, Qt::NoModifier},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier},
        {"Space", Qt::Key_Space, Qt::NoModifier},
        {"Tab", Qt::Key_Tab, Qt::NoModifier},
        {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier},
        {"Up", Qt::Key_Up, Qt::NoModifier},
        {"Down", Qt::Key_Down, Qt::NoModifier},
        {"Left", Qt::Key_Left, Qt::NoModifier},
        {"Right", Qt::Key_Right, Qt::NoModifier},
        {"1", Qt::Key_1, Qt::NoModifier},
        {"2", Qt::Key_2, Qt::NoModifier},
        {"3", Qt::Key_3, Qt::NoModifier},
        {"Keypad1", Qt::Key_1, Qt::KeypadModifier},
        {"Keypad2", Qt::Key_2, Qt::KeypadModifier},
        {"Keypad3", Qt::Key_3, Qt::KeypadModifier},
    };
    return table;
}

class Session
{
public:
    Session(std::uint32_t seed, int events) : m_seed(seed), m_events(events), m_rng(seed) {}

    // Runs the session; returns an empty string or what went wrong.
    QString run()
    {
        program::setEndHandler([this] { m_ended = true; });
        UrlCatcher urls; // no browser starts from a session
        m_urls = &urls;
        QObject watch;
        QObject::connect(qApp, &QApplication::focusChanged, &watch, [this] { ++m_focusChanges; });
        startProgram();
        for (m_index = 0; m_index < m_events; ++m_index) {
            if (m_ended)
                startProgram();
            const QString event = nextEvent();
            std::snprintf(g_lastEvent, sizeof g_lastEvent, "seed %u, event %d: %s", m_seed, m_index,
                          qPrintable(event));
            m_broken.clear();
            perform(event);
            QString broken = m_broken.isEmpty() ? invariants() : m_broken;
            if (broken.isEmpty() && !sessionWarnings().isEmpty())
                broken = QStringLiteral("Qt warning: ") + sessionWarnings().join(QStringLiteral("; "));
            if (!broken.isEmpty()) {
                return QStringLiteral("seed %1, event %2 (%3): %4")
                    .arg(m_seed)
                    .arg(m_index)
                    .arg(event, broken);
            }
        }
        m_start.reset();
        program::setEndHandler({});
        return QString();
    }

    // Whether cell n of the strip shows bare grass, compared line by line.
    bool showsGrass(int n) const
    {
        const QImage &strip = mainWindow()->pchMushPlace->persistentImage();
        const QPoint origin = animation::cellOrigin(n);
        if (strip.format() != m_grass.format() || strip.width() < origin.x() + m_grass.width()
            || strip.height() < origin.y() + m_grass.height())
            return false;
        const int bytes = m_grass.width() * m_grass.depth() / 8;
        for (int y = 0; y < m_grass.height(); ++y) {
            const uchar *shown = strip.constScanLine(origin.y() + y) + origin.x() * m_grass.depth() / 8;
            if (std::memcmp(shown, m_grass.constScanLine(y), static_cast<std::size_t>(bytes)) != 0)
                return false;
        }
        return true;
    }

    int programsStarted() const { return m_programs; }
    int testsStarted() const { return m_testsStarted; }
    int resultsShown() const { return m_resultsShown; }

private:
    void startProgram()
    {
        m_start.reset();
        m_testRun = std::make_unique<TestRun>();
        m_random = std::make_unique<SessionRandom>(m_seed * 7919u + static_cast<std::uint32_t>(m_programs));
        m_start = std::make_unique<frmLoading>(*m_random, *m_testRun);
        m_start->showCentred();
        QApplication::setActiveWindow(m_start.get());
        m_grass = mainWindow()->spriteSheet().copy(animation::spriteRect(0, 0))
                      .convertToFormat(mainWindow()->pchMushPlace->persistentImage().format());
        m_ended = false;
        ++m_programs;
    }

    frmMain *mainWindow() const { return m_start->mainWindow(); }

    // The window the user is working in.
    QWidget *window() const
    {
        return mainWindow()->isVisible() ? static_cast<QWidget *>(mainWindow())
                                         : static_cast<QWidget *>(m_start.get());
    }

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    // A point to act on: often on a control that takes the user somewhere
    // (an enabled button, answer or title), often inside any shown control,
    // else anywhere in the window, now and then outside every control.
    QPoint pickPoint()
    {
        QWidget *w = window();
        const int choice = uniform(0, 9);
        if (choice < 7) {
            QList<QWidget *> shown;
            for (QWidget *child : w->findChildren<QWidget *>()) {
                if (!child->isVisibleTo(w) || child->width() <= 0 || child->height() <= 0)
                    continue;
                const bool leads = child->isEnabled() && child->objectName() != QStringLiteral("cmdMenu")
                                   && (qobject_cast<QPushButton *>(child)
                                       || child->objectName().startsWith(QStringLiteral("lblAnswer"))
                                       || child->objectName().startsWith(QStringLiteral("lblTestTitle")));
                if (choice >= 3 || leads)
                    shown << child;
            }
            if (!shown.isEmpty()) {
                QWidget *c = shown[uniform(0, int(shown.size()) - 1)];
                return c->mapTo(w, QPoint(uniform(0, c->width() - 1), uniform(0, c->height() - 1)));
            }
        }
        return QPoint(uniform(-5, w->width() + 5), uniform(-5, w->height() + 5));
    }

    QString nextEvent()
    {
        const int kind = uniform(0, 99);
        const QPoint p = pickPoint();
        const QString at = QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
        if (kind < 30)
            return QStringLiteral("click ") + at;
        if (kind < 34)
            return QStringLiteral("double-click ") + at;
        if (kind < 50)
            return QStringLiteral("move ") + at;
        if (kind < 54)
            return QStringLiteral("press ") + at;
        if (kind < 58)
            return QStringLiteral("release ") + at;
        if (kind < 70) {
            const QLatin1String name(keys()[uniform(1, int(keys().size()) - 1)].name);
            const int how = uniform(0, 9);
            if (how < 6)
                return QStringLiteral("key ") + name;
            if (how < 8)
                return QStringLiteral("hold %1 %2").arg(name).arg(uniform(1, 25));
            return QStringLiteral("twice %1 %2").arg(name).arg(uniform(3, 60));
        }
        if (kind < 71)
            return uniform(0, 4) == 0 ? QStringLiteral("key Escape") : QStringLiteral("key Tab");
        if (kind < 76) {
            const bool huge = uniform(0, 3) == 0;
            const int w = huge ? uniform(1500, 3000) : uniform(1, 1400);
            const int h = huge ? uniform(1000, 2000) : uniform(1, 1000);
            return QStringLiteral("resize %1x%2").arg(w).arg(h);
        }
        if (kind < 77)
            return QStringLiteral("minimise");
        if (kind < 78)
            return QStringLiteral("restore");
        if (kind < 79)
            return QStringLiteral("maximise");
        if (kind < 80)
            return uniform(0, 9) == 0 ? QStringLiteral("close") : QStringLiteral("paint");
        return QStringLiteral("tick");
    }

    static QPoint pointOf(const QString &event)
    {
        const int open = int(event.indexOf(u'('));
        const QStringList xy = event.mid(open + 1, event.size() - open - 2).split(u',');
        return QPoint(xy[0].toInt(), xy[1].toInt());
    }

    // The control a pointer event at a window point reaches, and the point
    // in its coordinates.
    std::pair<QWidget *, QPoint> targetAt(QPoint p) const
    {
        QWidget *w = window();
        QWidget *target = w->childAt(p);
        if (!target)
            target = w;
        return {target, target->mapFrom(w, p)};
    }

    void sendMouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const auto [target, local] = targetAt(p);
        QMouseEvent event(type, local, target->mapToGlobal(local), button, held, Qt::NoModifier);
        m_focusChanges = 0;
        QApplication::sendEvent(target, &event);
        if (!m_ended && m_focusChanges > 1 && m_broken.isEmpty())
            m_broken = QStringLiteral("%1 focus changes for one pointer event").arg(m_focusChanges);
    }

    const SessionKey *keyNamed(const QString &name) const
    {
        for (const SessionKey &k : keys()) {
            if (name == QLatin1String(k.name))
                return &k;
        }
        return nullptr;
    }

    // One key event as the window system gives it to the active window.
    // Returns false once the program has ended.
    bool sendKey(QEvent::Type type, const SessionKey &k, quint64 time, bool flagged = false)
    {
        if (m_ended)
            return false;
        QWidget *w = window();
        if (!w->windowHandle())
            return true;
        QKeyEvent event(type, k.key, k.modifiers, QString(), flagged);
        event.setTimestamp(time);
        m_focusChanges = 0;
        QApplication::sendEvent(w->windowHandle(), &event);
        if (!m_ended && m_focusChanges > 1 && m_broken.isEmpty())
            m_broken = QStringLiteral("%1 focus changes for one key").arg(m_focusChanges);
        return !m_ended;
    }

    // What a user could tell apart on the screen.
    QString snapshot() const
    {
        const frmMain &f = *mainWindow();
        return QStringLiteral("%1/%2/%3/%4/%5/%6/%7/%8")
            .arg(m_testRun->CurrentTest).arg(m_testRun->CurrentQuestion).arg(m_testRun->RightCount)
            .arg(!f.lblTextResult->isHidden()).arg(f.pchLayer(0)->isHidden()).arg(f.pchResult->isHidden())
            .arg(f.isVisible()).arg(m_urls->urls.size());
    }

    void performKeys(const QString &event)
    {
        const QStringList parts = event.split(u' ');
        const SessionKey *k = keyNamed(parts.value(1));
        if (!k)
            return;
        if (parts[0] == QStringLiteral("key")) {
            sendKey(QEvent::KeyPress, *k, m_time += 20) && sendKey(QEvent::KeyRelease, *k, m_time += 60);
        } else if (parts[0] == QStringLiteral("hold")) {
            // A button that clicks as Space comes up clicks at the first
            // repeat's release; from there on the key changes nothing.
            if (!sendKey(QEvent::KeyPress, *k, m_time += 20))
                return;
            QString after;
            for (int r = 0; r < parts[2].toInt(); ++r) {
                m_time += 33;
                if (!sendKey(QEvent::KeyRelease, *k, m_time) || !sendKey(QEvent::KeyPress, *k, m_time, r % 6 == 5))
                    return;
                if (r == 0)
                    after = snapshot();
                else if (snapshot() != after && m_broken.isEmpty())
                    m_broken = QStringLiteral("repeat %1 of a held key changed %2 to %3").arg(r).arg(after, snapshot());
            }
            if (!sendKey(QEvent::KeyRelease, *k, m_time += 33))
                return;
            if (!after.isEmpty() && snapshot() != after && m_broken.isEmpty())
                m_broken = QStringLiteral("the release of a held key changed %1 to %2").arg(after, snapshot());
        } else {
            // Pressed twice: a question that the first press brought up is
            // not answered by the second, which came before it was seen.
            if (!sendKey(QEvent::KeyPress, *k, m_time += 20) || !sendKey(QEvent::KeyRelease, *k, m_time += 2))
                return;
            const std::uint8_t question = m_testRun->CurrentQuestion;
            const QString shown = QStringLiteral("%1/%2").arg(m_testRun->CurrentTest).arg(question);
            const bool fresh = shown != m_questionShown && question < 15 && mainWindow()->lblTextResult->isHidden();
            m_questionShown = shown;
            if (!sendKey(QEvent::KeyPress, *k, m_time += parts[2].toUInt()) || !sendKey(QEvent::KeyRelease, *k, m_time += 2))
                return;
            const bool digit = k->key >= Qt::Key_1 && k->key <= Qt::Key_3;
            if (fresh && !digit && !mainWindow()->lblTextResult->isHidden() && m_broken.isEmpty())
                m_broken = QStringLiteral("question %1 answered by the second of two presses").arg(question + 1);
        }
    }

    void perform(const QString &event)
    {
        m_questionShown = QStringLiteral("%1/%2").arg(m_testRun->CurrentTest).arg(m_testRun->CurrentQuestion);
        const std::uint8_t questionBefore = m_testRun->CurrentQuestion;
        const bool pageBefore = !mainWindow()->pchLayer(1)->isHidden();
        const bool wasResults = mainWindow()->pchResult->isVisibleTo(mainWindow()->pchLayer(1))
                                && mainWindow()->pchLayer(1)->isVisibleTo(mainWindow()->pchMain);
        if (event.startsWith(QStringLiteral("click"))) {
            const QPoint p = pointOf(event);
            sendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
            if (!m_ended)
                sendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        } else if (event.startsWith(QStringLiteral("double-click"))) {
            const QPoint p = pointOf(event);
            sendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
            if (!m_ended)
                sendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
            if (!m_ended)
                sendMouse(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
            if (!m_ended)
                sendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        } else if (event.startsWith(QStringLiteral("move"))) {
            sendMouse(QEvent::MouseMove, pointOf(event), Qt::NoButton, Qt::NoButton);
        } else if (event.startsWith(QStringLiteral("press"))) {
            sendMouse(QEvent::MouseButtonPress, pointOf(event), Qt::RightButton, Qt::RightButton);
        } else if (event.startsWith(QStringLiteral("release"))) {
            sendMouse(QEvent::MouseButtonRelease, pointOf(event), Qt::RightButton, Qt::NoButton);
        } else if (event.startsWith(QStringLiteral("key")) || event.startsWith(QStringLiteral("hold"))
                   || event.startsWith(QStringLiteral("twice"))) {
            performKeys(event);
        } else if (event.startsWith(QStringLiteral("resize"))) {
            const QStringList wh = event.mid(7).split(u'x');
            window()->resize(wh[0].toInt(), wh[1].toInt());
        } else if (event == QStringLiteral("minimise")) {
            window()->showMinimized();
        } else if (event == QStringLiteral("restore")) {
            window()->showNormal();
        } else if (event == QStringLiteral("maximise")) {
            window()->showMaximized();
        } else if (event == QStringLiteral("close")) {
            window()->close();
        } else if (event == QStringLiteral("paint")) {
            QCoreApplication::sendPostedEvents();
        } else if (event == QStringLiteral("tick")) {
            if (!m_start->isHidden() && m_start->tmrLoading->isRunning())
                m_start->tmrLoading_Timer();
            if (mainWindow()->tmrAnimation->isRunning())
                mainWindow()->tmrAnimation_Timer();
        }
        if (m_ended)
            return;
        // The desktop activates the window the user works in, as it shows.
        if (QApplication::activeWindow() != window())
            QApplication::setActiveWindow(window());
        const bool pageAfter = !mainWindow()->pchLayer(1)->isHidden();
        if ((pageAfter && !pageBefore) || (questionBefore == 15 && m_testRun->CurrentQuestion == 0))
            ++m_testsStarted;
        const bool isResults = mainWindow()->pchResult->isVisibleTo(mainWindow()->pchLayer(1));
        if (isResults && !wasResults)
            ++m_resultsShown;
    }

    QString invariants() const
    {
        if (m_ended)
            return QString();
        const frmMain &f = *mainWindow();
        const TestRun &r = *m_testRun;
        if (r.CurrentQuestion > 15)
            return QStringLiteral("CurrentQuestion is %1").arg(r.CurrentQuestion);
        // A start empties the verdict without hiding it: a verdict is shown
        // when the label is shown with a text.
        const bool verdict = !f.lblTextResult->isHidden() && !f.lblTextResult->caption().isEmpty();
        if (r.RightCount > r.CurrentQuestion + (verdict ? 1 : 0))
            return QStringLiteral("RightCount %1 above CurrentQuestion %2").arg(r.RightCount).arg(r.CurrentQuestion);
        const bool menu = !f.pchLayer(0)->isHidden();
        const bool page = !f.pchLayer(1)->isHidden();
        if (menu == page)
            return QStringLiteral("%1 pages shown").arg(menu ? 2 : 0);
        if (!f.pchResult->isHidden() && r.CurrentQuestion != 15)
            return QStringLiteral("results shown at question %1").arg(r.CurrentQuestion);
        if (verdict) {
            for (int k = 0; k < 3; ++k) {
                if (f.lblAnswer(k)->isEnabled())
                    return QStringLiteral("answer %1 enabled while a verdict is shown").arg(k);
            }
        }
        if (f.cmdMenu->isHidden() != menu)
            return QStringLiteral("cmdMenu %1 on the %2").arg(f.cmdMenu->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                                                          menu ? QStringLiteral("menu") : QStringLiteral("question page"));
        const QPointF centred = layoutmath::centred(f.size(), QSizeF(layoutmath::ContentWidth, layoutmath::ContentHeight));
        const QPoint expected(layoutmath::toPixel(centred.x()), layoutmath::toPixel(centred.y()));
        if (f.isVisible() && f.pchMain->pos() != expected) {
            return QStringLiteral("pchMain at (%1,%2), centred is (%3,%4) in %5x%6")
                .arg(f.pchMain->x()).arg(f.pchMain->y()).arg(expected.x()).arg(expected.y())
                .arg(f.width()).arg(f.height());
        }
        // The keyboard focus never rests on what cannot be seen or has no
        // name; a focused title under the keyboard cue is the highlighted one.
        if (const QWidget *focus = window()->focusWidget()) {
            if (!focus->isVisibleTo(window()) || !focus->isEnabled() || stacking::isCovered(focus))
                return QStringLiteral("focus on %1, out of sight or disabled").arg(focus->objectName());
            if (focus->focusPolicy() == Qt::NoFocus)
                return QStringLiteral("focus on %1, which takes none").arg(focus->objectName());
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(focus));
            if (!iface || iface->text(QAccessible::Name).isEmpty())
                return QStringLiteral("focus on %1, which has no name").arg(focus->objectName());
        }
        const int focusedTitle = f.lblTestTitle.indexOf(qobject_cast<Label *>(f.focusWidget()));
        if (focusedTitle >= 0 && f.testAttribute(Qt::WA_KeyboardFocusChange) && !f.shpHLight->isHidden()
            && twips::geometry(f.shpHLight).top() != twips::geometry(f.lblTestTitle(focusedTitle)).top())
            return QStringLiteral("title %1 focused, another highlighted").arg(focusedTitle);
        // The strip shows the current run's answers: a cell grows only for
        // an answered question and shows bare grass until then.
        for (int n = 0; n < 15; ++n) {
            const float frame = r.MushFrame[static_cast<std::size_t>(n)];
            if (frame < 0 || frame > animation::LastFrame)
                return QStringLiteral("MushFrame(%1) is %2").arg(n).arg(frame);
            const bool answered = n < r.CurrentQuestion || (n == r.CurrentQuestion && verdict);
            if (r.CurrentTest != 0 && answered != (frame > 0))
                return QStringLiteral("cell %1 at frame %2, question %3 %4").arg(n).arg(frame).arg(n + 1)
                    .arg(answered ? QStringLiteral("answered") : QStringLiteral("not answered"));
            if (r.CurrentTest != 0 && frame < 2 && !showsGrass(n))
                return QStringLiteral("cell %1 not bare grass at frame %2").arg(n).arg(frame);
        }
        return QString();
    }

    std::uint32_t m_seed;
    int m_events;
    std::mt19937 m_rng;
    int m_index = 0;
    bool m_ended = false;
    int m_programs = 0;
    int m_testsStarted = 0;
    int m_resultsShown = 0;
    QString m_broken; // what the last event broke while it was delivered
    int m_focusChanges = 0;
    quint64 m_time = 1000;
    QString m_questionShown;
    UrlCatcher *m_urls = nullptr;
    QImage m_grass;
    std::unique_ptr<TestRun> m_testRun;
    std::unique_ptr<SessionRandom> m_random;
    std::unique_ptr<frmLoading> m_start;
};

std::vector<std::uint32_t> sessionSeeds()
{
    bool ok = false;
    const int one = qEnvironmentVariableIntValue("LIVENOR_SESSION_SEED", &ok);
    if (ok)
        return {static_cast<std::uint32_t>(one)};
    int count = qEnvironmentVariableIntValue("LIVENOR_SESSION_SEEDS", &ok);
    if (!ok || count < 1)
        count = 50;
    std::vector<std::uint32_t> seeds;
    for (int s = 1; s <= count; ++s)
        seeds.push_back(static_cast<std::uint32_t>(s));
    return seeds;
}

} // namespace

class TestSession : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void randomSessions()
    {
        std::signal(SIGSEGV, reportCrash);
        std::signal(SIGABRT, reportCrash);
        std::signal(SIGFPE, reportCrash);
        g_previousHandler = qInstallMessageHandler(sessionMessageHandler);

        bool ok = false;
        int events = qEnvironmentVariableIntValue("LIVENOR_SESSION_EVENTS", &ok);
        if (!ok || events < 1)
            events = 2000;
        int programs = 0, tests = 0, results = 0;
        QString failure;
        const std::vector<std::uint32_t> seeds = sessionSeeds();
        for (std::uint32_t seed : seeds) {
            sessionWarnings().clear();
            Session session(seed, events);
            failure = session.run();
            programs += session.programsStarted();
            tests += session.testsStarted();
            results += session.resultsShown();
            if (!failure.isEmpty())
                break;
        }
        qInstallMessageHandler(g_previousHandler);
        QVERIFY2(failure.isEmpty(),
                 qPrintable(failure + QStringLiteral("\nreplay: LIVENOR_SESSION_SEED=") + failure.section(u',', 0, 0).mid(5)));
        qInfo("%zu sessions of %d events: %d program starts, %d test starts, %d results shown",
              seeds.size(), events, programs, tests, results);
        // The sessions reached deep into the program, not only its surface.
        QVERIFY(tests > 0);
        QVERIFY(results > 0);
    }
};

LIVENOR_TEST_MAIN(TestSession, QApplication)
#include "tst_session.moc"
