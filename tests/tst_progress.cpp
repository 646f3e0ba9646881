// The start window's progress strip: replayed draws through every path of a
// tick.

#include "scriptedrandom.h"
#include "testsupport.h"
#include "ui/start/loadingprogress.h"

class TestProgress : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void ordinaryStepsGrowTheStrip()
    {
        ScriptedRandom random;
        LoadingProgress progress;
        random.push({0.5f, 0.8f, 0.5f}); // 2.0
        LoadingProgress::Tick t = progress.tick(random);
        QCOMPARE(int(progress.intProgress()), 2);
        QCOMPARE(int(progress.intTicks()), 1);
        QCOMPARE(t.stripWidth, 100);
        QVERIFY(!t.ready && !t.slowDown);
        QCOMPARE(progress.state(), LoadingProgress::State::Filling);

        random.push({0.25f, 1.0f, 1.0f - 0x1p-24f}); // 2.4999... rounds to 2
        progress.tick(random);
        QCOMPARE(int(progress.intProgress()), 4);
        random.push({0.5f, 0.5f, 1.0f}); // 2.5, a half: rounds to even 2
        progress.tick(random);
        QCOMPARE(int(progress.intProgress()), 6);
        random.push({0.75f, 0.5f, 1.0f}); // 3.75 rounds to 4
        progress.tick(random);
        QCOMPARE(int(progress.intProgress()), 10);
        QCOMPARE(int(progress.intTicks()), 4);
        QCOMPARE(random.overdrawn, 0);
    }

    void jumpAfterTheTenthTick()
    {
        ScriptedRandom random;
        LoadingProgress progress;
        for (int i = 0; i < 11; ++i) {
            random.pushStep(1);
            progress.tick(random);
        }
        QCOMPARE(int(progress.intTicks()), 11);
        QCOMPARE(int(progress.intProgress()), 11);
        // The twelfth tick draws three more: a jump of 1 adds the tick count.
        random.pushStep(2);
        random.push({0.9f, 0.9f, 0.9f}); // 0.729 rounds to 1
        LoadingProgress::Tick t = progress.tick(random);
        QCOMPARE(int(progress.intProgress()), 11 + 11 + 2);
        QCOMPARE(t.stripWidth, 24 * 50);
        // A jump of 0 adds nothing more.
        random.pushStep(2);
        random.push({0.5f, 0.9f, 0.9f}); // 0.405 rounds to 0
        progress.tick(random);
        QCOMPARE(int(progress.intProgress()), 26);
        QCOMPARE(random.overdrawn, 0);
    }

    void fullThenReady()
    {
        ScriptedRandom random;
        LoadingProgress progress;
        for (int i = 0; i < 9; ++i) {
            random.pushStep(10);
            progress.tick(random);
        }
        QCOMPARE(int(progress.intProgress()), 90);
        QCOMPARE(progress.intTicks(), std::int16_t(9));

        // Passing 98 draws the strip full and slows the timer.
        random.pushStep(9);
        LoadingProgress::Tick t = progress.tick(random);
        QCOMPARE(progress.intProgress(), LoadingProgress::Drawn);
        QCOMPARE(t.stripWidth, 5000);
        QVERIFY(t.slowDown && !t.ready);
        QCOMPARE(progress.state(), LoadingProgress::State::Full);
        QCOMPARE(progress.intTicks(), std::int16_t(9));

        // A step above 0 only puts it back to 999.
        random.pushStep(3);
        t = progress.tick(random);
        QCOMPARE(progress.intProgress(), LoadingProgress::Drawn);
        QVERIFY(!t.ready);
        QCOMPARE(progress.state(), LoadingProgress::State::Full);

        // A step of 0 leaves it at exactly 999: ready.
        random.pushStep(0);
        t = progress.tick(random);
        QVERIFY(t.ready);
        QCOMPARE(progress.state(), LoadingProgress::State::Ready);
        QCOMPARE(progress.intProgress(), LoadingProgress::Drawn);
        QCOMPARE(progress.intTicks(), std::int16_t(9));
        QCOMPARE(random.overdrawn, 0);
    }

    void readyNeverBeforeFull()
    {
        // However the draws fall, the strip is full before it is ready.
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            ClockRandom random;
            random.seed(seed);
            LoadingProgress progress;
            bool wasFull = false;
            int ticks = 0;
            while (progress.state() != LoadingProgress::State::Ready && ticks < 10000) {
                progress.tick(random);
                wasFull = wasFull || progress.state() == LoadingProgress::State::Full;
                ++ticks;
            }
            QVERIFY(wasFull);
            QCOMPARE(progress.state(), LoadingProgress::State::Ready);
        }
    }

    void hugeStepIsHeldIn8Bits()
    {
        // 250 ticks of step 0 keep the strip empty; then a jump of the whole
        // tick count would exceed 8 bits: it is held at 255 and fills the strip.
        ScriptedRandom random;
        LoadingProgress progress;
        for (int i = 0; i < 250; ++i) {
            random.pushStep(0);
            if (progress.intTicks() > 10)
                random.push({0.0f, 0.0f, 0.0f});
            progress.tick(random);
        }
        QCOMPARE(int(progress.intProgress()), 0);
        QCOMPARE(int(progress.intTicks()), 250);
        random.pushStep(10);
        random.push({1.0f - 0x1p-24f, 1.0f - 0x1p-24f, 1.0f - 0x1p-24f});
        progress.tick(random);
        QCOMPARE(progress.state(), LoadingProgress::State::Full);
        QCOMPARE(random.overdrawn, 0);
    }
};

LIVENOR_TEST_MAIN(TestProgress, QCoreApplication)
#include "tst_progress.moc"
