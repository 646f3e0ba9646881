// A test run in the real main window, driven by clicks, keys and ticks.

#include "bank/mdltestdata.h"
#include "quiz/animation.h"
#include "mainwindowtest.h"
#include "scriptedrandom.h"
#include "testsupport.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/program.h"
#include "ui/controls/shape.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"
#include "urlcatcher.h"
#include "windowsupport.h"

#include <QDesktopServices>
#include <QUrl>

#include <memory>

using windowsupport::clickOver;
using windowsupport::moveOver;


class TestTestRun : public MainWindowTest
{
    Q_OBJECT


    const TestQuestion &shown() { return run().Questions[run().CurrentQuestion]; }

    void answer(bool right)
    {
        const int k = right ? shown().RightAnswer : (shown().RightAnswer + 1) % 3;
        clickOver(form().lblAnswer(k));
    }

    // Answers all 15 questions, the first `rightCount` right, and shows the results.
    void takeTest(int rightCount)
    {
        for (int q = 0; q < 15; ++q) {
            answer(q < rightCount);
            clickOver(form().cmdNextQuest);
        }
    }

    void tickUntilIdle()
    {
        for (int i = 0; i < 100 && form().tmrAnimation->isRunning(); ++i)
            form().tmrAnimation_Timer();
    }

    QImage cell(int n) const
    {
        return m_form->pchMushPlace->persistentImage().copy(QRect(animation::cellOrigin(n), QSize(50, 58)));
    }
    QImage sprite(int frame, int kind) const
    {
        QImage s = m_form->spriteSheet().copy(animation::spriteRect(frame, kind));
        return s.convertToFormat(QImage::Format_RGB32);
    }
    // Whether cell n shows a frame of a sprite row; the right-answer row has
    // only 57 picture rows, so its cells are compared on those.
    bool cellShows(int n, int frame, int kind) const
    {
        const int rows = kind == 1 ? 57 : 58;
        return cell(n).copy(0, 0, 50, rows) == sprite(frame, kind).copy(0, 0, 50, rows);
    }

private slots:
    void wholeRunByClicks()
    {
        clickOver(form().lblTestTitle(4));
        QCOMPARE(run().CurrentTest, std::int16_t(105));
        QCOMPARE(form().lblTitle->caption(), QStringLiteral("Кровь и кровообращение"));
        QVERIFY(form().pchLayer(1)->isVisible());
        QVERIFY(!form().pchLayer(0)->isVisible());
        QVERIFY(form().cmdMenu->isVisible());
        QCOMPARE(form().lblTestQuest->caption(), QStringLiteral("1. ") + run().Questions[0].Text);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(form().lblAnswer(k)->caption(), run().Questions[0].Answers[k]);

        int steps = 0;
        for (int q = 0; q < 15; ++q) {
            QCOMPARE(form().lblTestQuest->caption(), QStringLiteral("%1. %2").arg(q + 1).arg(shown().Text));
            answer(true);
            clickOver(form().cmdNextQuest);
            ++steps;
        }
        QCOMPARE(steps, 15);
        QCOMPARE(run().CurrentQuestion, std::uint8_t(15));
        QCOMPARE(form().lblTestQuest->caption(), QStringLiteral("Результаты"));
        QCOMPARE(form().lblResultPercent->caption(), QStringLiteral("15 из 15 (100%)"));
        QCOMPARE(form().lblResultDescription->caption(),
                 QStringLiteral("Великолепно! Вы блестяще справились с этим заданием.\r\n"
                                "Советуем вам проверить себя выбрав другой тест."));
        QVERIFY(form().pchResult->isVisible());
        QVERIFY(form().cmdMenu->isVisible());

        tickUntilIdle();
        clickOver(form().cmdRetest);
        QCOMPARE(run().CurrentTest, std::int16_t(105));
        QCOMPARE(run().CurrentQuestion, std::uint8_t(0));
        QCOMPARE(run().RightCount, std::uint8_t(0));
        QVERIFY(!form().pchResult->isVisible());
        QCOMPARE(form().lblTestQuest->caption().left(3), QStringLiteral("1. "));
        QCOMPARE(form().cmdNextQuest->text(), QStringLiteral("Следующий вопрос"));
        for (int n = 0; n < 15; ++n)
            QCOMPARE(cell(n), sprite(0, 0));
    }

    void gradingInTheWindow_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("gradeStart");
        QTest::newRow("0") << 0 << QStringLiteral("0 из 15 (0%)") << QStringLiteral("Тестирование - очень хороший");
        QTest::newRow("2") << 2 << QStringLiteral("2 из 15 (13%)") << QStringLiteral("Тестирование - очень хороший");
        QTest::newRow("3") << 3 << QStringLiteral("3 из 15 (20%)") << QStringLiteral("Вы познаете Мир");
        QTest::newRow("7") << 7 << QStringLiteral("7 из 15 (47%)") << QStringLiteral("Вы познаете Мир");
        QTest::newRow("8") << 8 << QStringLiteral("8 из 15 (53%)") << QStringLiteral("Как говорят мудрые люди");
        QTest::newRow("12") << 12 << QStringLiteral("12 из 15 (80%)") << QStringLiteral("Вы хорошо знакомы");
        QTest::newRow("14") << 14 << QStringLiteral("14 из 15 (93%)") << QStringLiteral("Вы хорошо знакомы");
    }
    void gradingInTheWindow()
    {
        QFETCH(int, right);
        QFETCH(QString, score);
        QFETCH(QString, gradeStart);
        clickOver(form().lblTestTitle(30));
        takeTest(right);
        QCOMPARE(int(run().RightCount), right);
        QCOMPARE(form().lblResultPercent->caption(), score);
        QVERIFY(form().lblResultDescription->caption().startsWith(gradeStart));
    }

    void answeringAQuestion()
    {
        clickOver(form().lblTestTitle(0));
        // Make the bottom answer the chosen one, right or wrong.
        const int right = shown().RightAnswer;
        clickOver(form().lblAnswer(2));
        ImageControl *mark = right == 2 ? form().imgRightAnswer : form().imgWrongAnswer;
        ImageControl *other = right == 2 ? form().imgWrongAnswer : form().imgRightAnswer;
        QVERIFY(mark->isVisible());
        QVERIFY(!other->isVisible());
        QCOMPARE(twips::geometry(mark).top(), 2760);
        QCOMPARE(twips::geometry(mark).left(), 360);
        const QString out = qEnvironmentVariable("LIVENOR_TEST_OUTPUT", QStringLiteral("."));
        QVERIFY(form().grab().save(out + QStringLiteral("/question-page.png")));
        QCOMPARE(form().lblTextResult->caption(), right == 2 ? QStringLiteral("Правильно") : QStringLiteral("Ошибка"));
        QVERIFY(form().lblTextResult->isVisible());
        QCOMPARE(form().lblDescription->caption(), shown().Explanation);
        QCOMPARE(int(run().RightCount), right == 2 ? 1 : 0);
        QVERIFY(form().cmdNextQuest->isEnabled());
        QVERIFY(form().cmdNextQuest->hasFocus());

        // A second click on any answer does nothing.
        const std::uint8_t count = run().RightCount;
        for (int k = 0; k < 3; ++k)
            clickOver(form().lblAnswer(k));
        QCOMPARE(run().RightCount, count);
        QCOMPARE(twips::geometry(mark).top(), 2760);

        // Enter steps on; the page is ready for an answer again.
        QTest::keyClick(form().cmdNextQuest, Qt::Key_Return);
        QCOMPARE(run().CurrentQuestion, std::uint8_t(1));
        QVERIFY(!form().imgRightAnswer->isVisible() && !form().imgWrongAnswer->isVisible());
        QVERIFY(!form().cmdNextQuest->isEnabled());
        QVERIFY(!form().lblTextResult->isVisible());
        QCOMPARE(form().lblDescription->caption(), QString());
        for (int k = 0; k < 3; ++k)
            QVERIFY(form().lblAnswer(k)->isEnabled());

        // The top answer puts its mark at 1320; Space steps on as well.
        clickOver(form().lblAnswer(0));
        ImageControl *topMark = shown().RightAnswer == 0 ? form().imgRightAnswer : form().imgWrongAnswer;
        QCOMPARE(twips::geometry(topMark).top(), 1320);
        QTest::keyClick(form().cmdNextQuest, Qt::Key_Space);
        QCOMPARE(run().CurrentQuestion, std::uint8_t(2));
    }

    void lastQuestionCaption()
    {
        clickOver(form().lblTestTitle(7));
        for (int q = 0; q < 14; ++q) {
            QCOMPARE(form().cmdNextQuest->text(), QStringLiteral("Следующий вопрос"));
            answer(q % 2 == 0);
            clickOver(form().cmdNextQuest);
        }
        QCOMPARE(run().CurrentQuestion, std::uint8_t(14));
        QCOMPARE(form().cmdNextQuest->text(), QStringLiteral("Показать результаты"));
        QVERIFY(!form().cmdNextQuest->isEnabled());
        clickOver(form().cmdNextQuest); // disabled: nothing happens
        QCOMPARE(run().CurrentQuestion, std::uint8_t(14));
        answer(true);
        clickOver(form().cmdNextQuest);
        QVERIFY(form().pchResult->isVisible());
        QCOMPARE(form().cmdNextQuest->text(), QStringLiteral("Показать результаты"));
        tickUntilIdle();
        const QString out = qEnvironmentVariable("LIVENOR_TEST_OUTPUT", QStringLiteral("."));
        QVERIFY(form().grab().save(out + QStringLiteral("/results-page.png")));
    }

    void resultsPanelBlocksTheAnswers()
    {
        clickOver(form().lblTestTitle(2));
        takeTest(5);
        QVERIFY(form().pchResult->isVisible());
        // The answers are enabled again, but under the panel.
        QVERIFY(form().lblAnswer(0)->isEnabled());
        for (int k = 0; k < 3; ++k) {
            const QPoint at = windowsupport::inWindow(form().lblAnswer(k), QPoint(20, 10));
            QWidget *hit = windowsupport::widgetAt(&form(), at);
            QVERIFY(hit == form().pchResult || form().pchResult->isAncestorOf(hit));
            clickOver(form().lblAnswer(k), QPoint(20, 10));
        }
        QCOMPARE(run().RightCount, std::uint8_t(5));
        QCOMPARE(run().CurrentQuestion, std::uint8_t(15));
    }

    void navigation()
    {
        // Leaving mid-run shows the menu with its heading.
        clickOver(form().lblTestTitle(12));
        answer(true);
        clickOver(form().cmdMenu);
        QVERIFY(form().pchLayer(0)->isVisible());
        QVERIFY(!form().pchLayer(1)->isVisible());
        QVERIFY(!form().cmdMenu->isVisible());
        QCOMPARE(form().lblTitle->caption(), QStringLiteral("Тесты по биологии"));

        // A random test: seeded afresh on every click, one draw; a retest
        // repeats it, not the test chosen before from the menu.
        m_random.push({0.5f}); // 101 + 20
        const int seedsBefore = m_random.seeds;
        clickOver(form().cmdRandomTest);
        QCOMPARE(m_random.seeds, seedsBefore + 1);
        QCOMPARE(run().CurrentTest, std::int16_t(121));
        QCOMPARE(form().lblTitle->caption(), QStringLiteral("Земноводные"));
        takeTest(15);
        clickOver(form().cmdRetest);
        QCOMPARE(run().CurrentTest, std::int16_t(121));
        QCOMPARE(form().lblTitle->caption(), QStringLiteral("Земноводные"));

        // From the results, "Выбрать другой тест" leads to the menu, and a
        // new title starts a fresh run with an empty strip.
        takeTest(3);
        clickOver(form().cmdCloseTest);
        QVERIFY(form().pchLayer(0)->isVisible());
        QVERIFY(!form().pchResult->isVisible());
        tickUntilIdle();
        clickOver(form().lblTestTitle(41));
        QCOMPARE(run().CurrentTest, std::int16_t(142));
        QCOMPARE(form().lblTestQuest->caption().left(3), QStringLiteral("1. "));
        for (int n = 0; n < 15; ++n)
            QCOMPARE(cell(n), sprite(0, 0));
        QCOMPARE(m_random.overdrawn, 0);
    }

    void mushroomsGrow()
    {
        clickOver(form().lblTestTitle(3));
        QVERIFY(!form().tmrAnimation->isRunning()); // starting draws grass only
        QCOMPARE(cell(0), sprite(0, 0));

        answer(true);
        QCOMPARE(form().tmrAnimation->interval(), 10);
        QVERIFY(form().tmrAnimation->isRunning());
        QCOMPARE(run().MushFrame[0], 1.0f);
        for (int i = 0; i < 5; ++i)
            form().tmrAnimation_Timer();
        QVERIFY(cellShows(0, 6, 1));

        // The next cell grows beside it, one frame per tick each.
        clickOver(form().cmdNextQuest);
        answer(false);
        form().tmrAnimation_Timer();
        QVERIFY(cellShows(0, 7, 1));
        QVERIFY(cellShows(1, 2, 0));
        QCOMPARE(run().MushFrame[0], 7.0f);
        QCOMPARE(run().MushFrame[1], 2.0f);

        // A new start ends the growth of the run before: its cells stay grass.
        clickOver(form().cmdMenu);
        clickOver(form().lblTestTitle(3));
        QVERIFY(!form().tmrAnimation->isRunning());
        form().tmrAnimation_Timer();
        QCOMPARE(cell(0), sprite(0, 0));
        QCOMPARE(cell(1), sprite(0, 0));
        QCOMPARE(run().MushFrame[1], 0.0f);

        answer(true);
        tickUntilIdle();
        QCOMPARE(run().MushFrame[0], 19.0f);
        QCOMPARE(run().MushFrame[1], 0.0f);
        QCOMPARE(form().tmrAnimation->interval(), 0);
        QVERIFY(!form().tmrAnimation->isRunning());
        QCOMPARE(cell(1), sprite(0, 0));
        // The right-answer row has 57 picture rows; the 58th row of the cell
        // keeps the grass that the start drew there.
        const QImage grown = cell(0);
        QVERIFY(cellShows(0, 19, 1));
        QCOMPARE(grown.copy(0, 57, 50, 1), sprite(0, 0).copy(0, 57, 50, 1));

        // The idle tick draws nothing.
        const QImage before = form().pchMushPlace->persistentImage();
        form().tmrAnimation_Timer();
        QCOMPARE(form().pchMushPlace->persistentImage(), before);
    }

    void pointerFeedbackOnTheMenu()
    {
        Label *title = form().lblTestTitle(0);
        moveOver(title, QPoint(30, 10));
        QVERIFY(form().shpHLight->isVisible());
        QCOMPARE(twips::geometry(form().shpHLight), QRect(120, 780, 3240, 300));
        // Straight onto the next title: the box jumps and stays shown.
        moveOver(form().lblTestTitle(1), QPoint(30, 10));
        QCOMPARE(twips::geometry(form().shpHLight), QRect(120, 1080, 3240, 300));
        // A press shows the pressed colour until the release.
        QTest::mousePress(form().lblTestTitle(1), Qt::LeftButton, {}, QPoint(30, 10));
        QCOMPARE(form().shpHLight->fillColour(), QColor(255, 192, 128));
        QTest::mouseRelease(form().lblTestTitle(1), Qt::LeftButton, {}, QPoint(30, 10));
        QCOMPARE(form().shpHLight->fillColour(), QColor(255, 255, 128));
        // That was a click: back to the menu, the box is where it was left.
        clickOver(form().cmdMenu);
        QVERIFY(form().shpHLight->isVisible());
        // A heading, the note and a button leave it where it is.
        moveOver(form().lblGroupTitle(2), QPoint(10, 10));
        moveOver(form().Label1, QPoint(10, 10));
        moveOver(form().cmdRandomTest, QPoint(10, 10));
        QVERIFY(form().shpHLight->isVisible());
        // The part of the box left of a title is the page's background.
        moveOver(form().lblTestTitle(5), QPoint(30, 10));
        moveOver(form().lblTestTitle(5), QPoint(-4, 10));
        QVERIFY(!form().shpHLight->isVisible());
    }

    void pointerFeedbackOnTheQuestionPage()
    {
        clickOver(form().lblTestTitle(9));
        moveOver(form().lblAnswer(1), QPoint(40, 10));
        QVERIFY(form().imgMarker->isVisible());
        QCOMPARE(twips::geometry(form().imgMarker), QRect(240, 2040, 525, 360));
        moveOver(form().lblAnswer(2), QPoint(40, 10));
        QCOMPARE(twips::geometry(form().imgMarker).top(), 2760);
        // The page's own background hides it.
        moveOver(form().pchLayer(1), QPoint(760, 500));
        QVERIFY(!form().imgMarker->isVisible());
        moveOver(form().lblAnswer(0), QPoint(40, 10));
        QVERIFY(form().imgMarker->isVisible());
        // Starting a test hides it too.
        clickOver(form().cmdMenu);
        clickOver(form().lblTestTitle(9));
        QVERIFY(!form().imgMarker->isVisible());
    }

    void siteLinkLeavesTheRunAlone()
    {
        UrlCatcher catcher;
        clickOver(form().lblTestTitle(6));
        answer(true);
        clickOver(form().Label2);
        clickOver(form().Label2);
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls[0].toString(), QStringLiteral("http://bioluk.ru/?from=livenor"));
        QCOMPARE(run().CurrentQuestion, std::uint8_t(0));
        QCOMPARE(run().RightCount, std::uint8_t(1));
        QVERIFY(form().tmrAnimation->isRunning());
        QVERIFY(form().lblTextResult->isVisible());
    }

    void closingEndsTheProgram()
    {
        int ended = 0;
        program::setEndHandler([&] { ++ended; });
        clickOver(form().lblTestTitle(1));
        answer(false);
        QVERIFY(form().tmrAnimation->isRunning());
        form().close();
        QCOMPARE(ended, 1);
        QVERIFY(!form().tmrAnimation->isRunning());
        const float frame = run().MushFrame[0];
        QTest::qWait(50);
        QCOMPARE(run().MushFrame[0], frame);
        QVERIFY(!form().pchResult->isVisible());
    }
};

LIVENOR_TEST_MAIN(TestTestRun, QApplication)
#include "tst_testrun.moc"
