// The start window: loading, the progress strip in the window, the start,
// Esc and closing, and the link.

#include "scriptedrandom.h"
#include "testsupport.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/program.h"
#include "ui/controls/shape.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"
#include "ui/start/frmloading.h"
#include "urlcatcher.h"
#include "windowsupport.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// Ticks with steps of 10 until the strip is drawn full.
void fill(frmLoading &w, ScriptedRandom &random)
{
    while (w.progress().state() == LoadingProgress::State::Filling) {
        QVERIFY(!w.cmdStart->isVisible());
        random.pushStep(10);
        if (w.progress().intTicks() > 10)
            random.push({0.0f, 0.0f, 0.0f});
        w.tmrLoading_Timer();
    }
}

} // namespace


class TestStartWindow : public testsupport::StrictTest
{
    Q_OBJECT

    int m_ended = 0;

private slots:
    void init()
    {
        testsupport::StrictTest::init();
        m_ended = 0;
        program::setEndHandler([this] { ++m_ended; });
    }
    void cleanup() { program::setEndHandler({}); }

    void loading()
    {
        ScriptedRandom random;
        frmLoading w(random);
        QCOMPARE(w.lblVersion->caption(), QStringLiteral("Версия: 2.0.5"));
        const QStringList intro = w.lbIntro->caption().split(QStringLiteral("\r\n"));
        QCOMPARE(intro.size(), 4);
        QCOMPARE(intro[0], QStringLiteral("Ливенор 2.0 - проверит ваши знания по биологии."));
        QCOMPARE(intro[1], QString());
        QVERIFY(!intro[2].isEmpty() && !intro[3].isEmpty());
        // Each line fits the label's width, and all four its height.
        const QFontMetrics metrics(w.lbIntro->font());
        for (const QString &line : intro)
            QVERIFY2(metrics.horizontalAdvance(line) <= w.lbIntro->width(), qPrintable(line));
        QVERIFY(4 * metrics.lineSpacing() <= w.lbIntro->height());
        QCOMPARE(random.seeds, 1);
        QCOMPARE(twips::geometry(w.pchProgress).width(), 10);
        // The main window exists, hidden, with its menu built.
        QVERIFY(w.mainWindow());
        QVERIFY(!w.mainWindow()->isVisible());
        QCOMPARE(w.mainWindow()->lblTestTitle.size(), 42);
        QCOMPARE(w.mainWindow()->lblTestTitle(41)->tag(), QStringLiteral("142"));
        // The window itself.
        QCOMPARE(w.size(), QSize(400, 265));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowTitle().endsWith(QStringLiteral(" - Ливенор 2.0")));
        QCOMPARE(w.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
        QCOMPARE(w.tmrLoading->interval(), 50);
        QVERIFY(w.tmrLoading->isRunning());
        QVERIFY(w.pchLoading->isVisibleTo(&w));
        QVERIFY(!w.cmdStart->isVisibleTo(&w));
        QVERIFY(w.pchLoading->hasBorder());
    }

    void stripFillsThenTheButtonComes()
    {
        ScriptedRandom random;
        frmLoading w(random);
        random.pushStep(4);
        w.tmrLoading_Timer();
        QCOMPARE(twips::geometry(w.pchProgress).width(), 200);
        QCOMPARE(w.pchProgress->width(), 13);

        fill(w, random);
        QCOMPARE(twips::geometry(w.pchProgress).width(), 5000);
        QVERIFY(w.pchProgress->width() >= w.pchLoading->clientArea()->width());
        QCOMPARE(w.tmrLoading->interval(), 200);
        QVERIFY(w.tmrLoading->isRunning());
        QVERIFY(!w.cmdStart->isVisibleTo(&w));

        // A step above 0 keeps it full; a step of 0 makes it ready.
        random.pushStep(5);
        w.tmrLoading_Timer();
        QVERIFY(w.tmrLoading->isRunning());
        QVERIFY(!w.cmdStart->isVisibleTo(&w));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        random.pushStep(0);
        w.tmrLoading_Timer();
        QVERIFY(!w.tmrLoading->isRunning());
        QVERIFY(!w.pchLoading->isVisible());
        QVERIFY(w.cmdStart->isVisible());
        QVERIFY(w.cmdStart->hasFocus());
        QCOMPARE(random.overdrawn, 0);
        const QString out = qEnvironmentVariable("LIVENOR_TEST_OUTPUT", QStringLiteral("."));
        QVERIFY(w.grab().save(out + QStringLiteral("/startwindow-ready.png")));
        // The button stands centred on where the box was.
        QVERIFY(qAbs(w.cmdStart->geometry().center().x() - w.pchLoading->geometry().center().x()) <= 1);
        QVERIFY(qAbs(w.cmdStart->geometry().center().y() - w.pchLoading->geometry().center().y()) <= 1);
    }

    void startShowsTheMainWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    }
    void startShowsTheMainWindow()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        ScriptedRandom random;
        frmLoading w(random);
        fill(w, random);
        random.pushStep(0);
        w.tmrLoading_Timer();
        w.showCentred();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(w.cmdStart, Qt::Key(key), modifiers);
        frmMain *main = w.mainWindow();
        QVERIFY(main->isVisible());
        QVERIFY(main->windowState() & Qt::WindowMaximized);
        QVERIFY(!w.isVisible());
        QVERIFY(main->pchLayer(0)->isVisible());
        QCOMPARE(main->lblTitle->caption(), QStringLiteral("Тесты по биологии"));
        // The keyboard goes on where the menu begins, and shows it.
        QVERIFY(QTest::qWaitForWindowActive(main));
        QCOMPARE(main->focusWidget(), main->lblTestTitle(0));
        QVERIFY(main->shpHLight->isVisible());
        QCOMPARE(m_ended, 0);
        // Esc in the main window is nothing to the hidden start window.
        QTest::keyClick(main, Qt::Key_Escape);
        QCOMPARE(m_ended, 0);
    }

    void escEndsTheProgramInEveryState_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("filling") << int(LoadingProgress::State::Filling);
        QTest::newRow("full") << int(LoadingProgress::State::Full);
        QTest::newRow("ready") << int(LoadingProgress::State::Ready);
    }
    void escEndsTheProgramInEveryState()
    {
        QFETCH(int, state);
        ScriptedRandom random;
        random.fallback = state == int(LoadingProgress::State::Full) ? 0.9f : 0.0f;
        frmLoading w(random);
        if (state != int(LoadingProgress::State::Filling))
            fill(w, random);
        if (state == int(LoadingProgress::State::Ready)) {
            random.pushStep(0);
            w.tmrLoading_Timer();
        }
        w.showCentred();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(int(w.progress().state()), state);
        QWidget *focus = state == int(LoadingProgress::State::Ready) ? static_cast<QWidget *>(w.cmdStart)
                                                                      : static_cast<QWidget *>(&w);
        QTest::keyClick(focus, Qt::Key_A);
        QCOMPARE(m_ended, 0);
        QTest::keyClick(focus, Qt::Key_Escape);
        QCOMPARE(m_ended, 1);
    }

    void closingEndsTheProgram()
    {
        ScriptedRandom random;
        frmLoading w(random);
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.close();
        QCOMPARE(m_ended, 1);
        QVERIFY(!w.tmrLoading->isRunning());
    }

    void linkHighlightAndClick()
    {
        UrlCatcher catcher;
        ScriptedRandom random;
        frmLoading w(random);
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.tmrLoading->setEnabled(false);
        random.pushStep(3);
        w.tmrLoading_Timer();
        const auto progress = w.progress().intProgress();

        QVERIFY(w.lblSite->caption().endsWith(QStringLiteral("на сайте bioluk.ru")));
        QCOMPARE(w.shpHLight->fillColour(), QColor(255, 255, 192));
        windowsupport::moveOver(w.lblSite, w.lblSite->rect().center());
        QCOMPARE(w.shpHLight->fillColour(), QColor(255, 255, 255));
        // Over the box around the label the pointer is over the window.
        windowsupport::moveOver(w.shpHLight, QPoint(3, 3));
        QCOMPARE(w.shpHLight->fillColour(), QColor(255, 255, 192));
        windowsupport::clickOver(w.lblSite, w.lblSite->rect().center());
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls[0].toString(), QStringLiteral("http://bioluk.ru/?from=livenor"));
        QCOMPARE(w.progress().intProgress(), progress);
        QVERIFY(w.isVisible());
        // The link's text fits on its one line.
        QVERIFY(w.lblSite->fontMetrics().horizontalAdvance(w.lblSite->text()) <= w.lblSite->width());
    }
};

LIVENOR_TEST_MAIN(TestStartWindow, QApplication)
#include "tst_startwindow.moc"
