// Every text of the program's own, compared character for character with
// what the windows show at the moment it is shown. The expected texts are
// written out here once more, independently of the code that shows them.

#include "scriptedrandom.h"
#include "testsupport.h"
#include "urlcatcher.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/program.h"
#include "ui/main/frmmain.h"
#include "ui/start/frmloading.h"

#include <QDesktopServices>
#include <QUrl>

#include <functional>
#include <memory>

namespace {

struct Program {
    ScriptedRandom random;
    TestRun run;
    std::unique_ptr<frmLoading> start;
    frmMain *main = nullptr;

    Program()
    {
        start = std::make_unique<frmLoading>(random, run);
        main = start->mainWindow();
    }

    const TestQuestion &shown() const { return run.Questions[run.CurrentQuestion]; }

    void answer(bool right)
    {
        const int k = right ? shown().RightAnswer : (shown().RightAnswer + 1) % 3;
        main->lblAnswer_Click(static_cast<std::int16_t>(k));
    }

    // Takes test 101 to the results with `right` right answers.
    void results(int right)
    {
        main->lblTestTitle_Click(0);
        for (int q = 0; q < 15; ++q) {
            answer(q < right);
            main->cmdNextQuest_Click();
        }
    }

    // Steps of 7 until the strip is full, then a step of 0: ready.
    void fillStrip()
    {
        while (start->progress().state() != LoadingProgress::State::Ready) {
            const bool full = start->progress().state() == LoadingProgress::State::Full;
            random.push({full ? 0.0f : 0.9f, 0.9f, 0.9f});
            if (start->progress().intTicks() > 10)
                random.push({0.0f, 0.0f, 0.0f});
            start->tmrLoading_Timer();
        }
    }
};

using Scenario = std::function<void(Program &)>;

QString shownText(QObject *control)
{
    if (auto *label = qobject_cast<Label *>(control))
        return label->caption();
    if (auto *button = qobject_cast<QPushButton *>(control))
        return button->text();
    if (auto *window = qobject_cast<QWidget *>(control))
        return window->windowTitle();
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestTexts : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void shownTexts_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        // How much of the shown text the row checks: all of it, or its start or end.
        QTest::addColumn<int>("match");
        enum { Whole, Start, End };

        const Scenario loaded = [](Program &) {};
        const Scenario started = [](Program &p) { p.main->lblTestTitle_Click(0); };
        const Scenario lastQuestion = [](Program &p) {
            p.main->lblTestTitle_Click(0);
            for (int q = 0; q < 14; ++q) {
                p.answer(true);
                p.main->cmdNextQuest_Click();
            }
        };
        auto results = [](int right) { return Scenario([right](Program &p) { p.results(right); }); };

        // The start window.
        QTest::newRow("version") << loaded << "lblVersion" << QStringLiteral("Версия: 2.0.5") << int(Whole);
        QTest::newRow("introduction") << loaded << "lbIntro"
                                      << QStringLiteral("Ливенор 2.0 - проверит ваши знания по биологии.\r\n\r\n")
                                      << int(Start);
        QTest::newRow("link") << loaded << "lblSite"
                              << QStringLiteral("Другие программы и материалы по биологии на сайте ") << int(Start);
        QTest::newRow("start button") << Scenario([](Program &p) { p.fillStrip(); }) << "cmdStart"
                                      << QStringLiteral("Запустить Ливенор 2.0") << int(Whole);
        QTest::newRow("start window title") << loaded << "frmLoading" << QStringLiteral(" - Ливенор 2.0") << int(End);

        // The menu.
        QTest::newRow("main window title") << loaded << "frmMain" << QStringLiteral(" - Ливенор 2.0") << int(End);
        QTest::newRow("heading") << loaded << "lblTitle" << QStringLiteral("Тесты по биологии") << int(Whole);
        QTest::newRow("section 0") << loaded << "lblGroupTitle(0)" << QStringLiteral("Анатомия") << int(Whole);
        QTest::newRow("section 1") << loaded << "lblGroupTitle(1)" << QStringLiteral("Ботаника") << int(Whole);
        QTest::newRow("section 2") << loaded << "lblGroupTitle(2)" << QStringLiteral("Животные") << int(Whole);
        QTest::newRow("section 3") << loaded << "lblGroupTitle(3)" << QStringLiteral("Общая биология") << int(Whole);
        QTest::newRow("section 4") << loaded << "lblGroupTitle(4)" << QStringLiteral("Развивающие") << int(Whole);
        QTest::newRow("random test") << loaded << "cmdRandomTest" << QStringLiteral("Случайный тест") << int(Whole);
        QTest::newRow("random note") << loaded << "Label1"
                                     << QStringLiteral("При нажатии на эту кнопку, тест из списка будет выбран "
                                                       "случайным образом.")
                                     << int(Whole);

        // A run.
        QTest::newRow("stop button") << started << "cmdMenu" << QStringLiteral("Прекратить тестирование") << int(Whole);
        QTest::newRow("test heading") << started << "lblTitle" << QStringLiteral("Выделение") << int(Whole);
        QTest::newRow("first question") << started << "lblTestQuest" << QStringLiteral("1. ") << int(Start);
        QTest::newRow("next question") << started << "cmdNextQuest" << QStringLiteral("Следующий вопрос") << int(Whole);
        QTest::newRow("last question") << lastQuestion << "lblTestQuest" << QStringLiteral("15. ") << int(Start);
        QTest::newRow("show results") << lastQuestion << "cmdNextQuest" << QStringLiteral("Показать результаты")
                                      << int(Whole);
        QTest::newRow("right") << Scenario([](Program &p) { p.main->lblTestTitle_Click(0); p.answer(true); })
                               << "lblTextResult" << QStringLiteral("Правильно") << int(Whole);
        QTest::newRow("wrong") << Scenario([](Program &p) { p.main->lblTestTitle_Click(0); p.answer(false); })
                               << "lblTextResult" << QStringLiteral("Ошибка") << int(Whole);
        QTest::newRow("back to the menu") << Scenario([](Program &p) {
            p.main->lblTestTitle_Click(3);
            p.main->cmdMenu_Click();
        }) << "lblTitle" << QStringLiteral("Тесты по биологии") << int(Whole);

        // The results.
        QTest::newRow("results heading") << results(9) << "lblTestQuest" << QStringLiteral("Результаты") << int(Whole);
        QTest::newRow("retest") << results(9) << "cmdRetest" << QStringLiteral("Пройти этот тест еще раз") << int(Whole);
        QTest::newRow("other test") << results(9) << "cmdCloseTest" << QStringLiteral("Выбрать другой тест") << int(Whole);
        QTest::newRow("score 15") << results(15) << "lblResultPercent" << QStringLiteral("15 из 15 (100%)") << int(Whole);
        QTest::newRow("score 8") << results(8) << "lblResultPercent" << QStringLiteral("8 из 15 (53%)") << int(Whole);
        QTest::newRow("score 0") << results(0) << "lblResultPercent" << QStringLiteral("0 из 15 (0%)") << int(Whole);
        QTest::newRow("grade 100") << results(15) << "lblResultDescription"
                                   << QStringLiteral("Великолепно! Вы блестяще справились с этим заданием.\r\n"
                                                     "Советуем вам проверить себя выбрав другой тест.")
                                   << int(Whole);
        QTest::newRow("grade above 79") << results(13) << "lblResultDescription"
                                        << QStringLiteral("Вы хорошо знакомы с темой теста. Может быть пройти тест "
                                                          "еще раз до победного?")
                                        << int(Whole);
        QTest::newRow("grade above 50") << results(10) << "lblResultDescription"
                                        << QStringLiteral("Как говорят мудрые люди: «Не стыдись не знать, стыдись не "
                                                          "узнать».\r\nМы бы посоветовали вам повторить тест или "
                                                          "узнать еще много нового в других тестах.")
                                        << int(Whole);
        QTest::newRow("grade above 19") << results(5) << "lblResultDescription"
                                        << QStringLiteral("Вы познаете Мир - это очень похвально.\r\nУ нас есть и "
                                                          "другие тесты тоже очень интересные.")
                                        << int(Whole);
        QTest::newRow("grade otherwise") << results(1) << "lblResultDescription"
                                         << QStringLiteral("Тестирование - очень хороший способ для самопроверки. Вы "
                                                           "сами оцениваете насколько хорошо ориентируетесь в данной "
                                                           "теме.")
                                         << int(Whole);
    }
    void shownTexts()
    {
        QFETCH(Scenario, scenario);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        QFETCH(int, match);
        Program program;
        scenario(program);
        QObject *found = control == QStringLiteral("frmLoading")
                             ? static_cast<QObject *>(program.start.get())
                             : control == QStringLiteral("frmMain")
                                   ? static_cast<QObject *>(program.main)
                                   : program.start->findChild<QObject *>(control);
        if (!found)
            found = program.main->findChild<QObject *>(control);
        QVERIFY2(found, qPrintable(control));
        const QString shown = shownText(found);
        if (match == 0)
            QCOMPARE(shown, expected);
        else if (match == 1)
            QVERIFY2(shown.startsWith(expected), qPrintable(shown));
        else
            QVERIFY2(shown.endsWith(expected), qPrintable(shown));
    }

    void siteAddress()
    {
        UrlCatcher catcher;
        Program program;
        program.main->Label2_Click();
        program.start->lblSite_Click();
        QCOMPARE(catcher.urls.size(), 2);
        const QString fromMain = catcher.urls[0].toString();
        QVERIFY(fromMain.startsWith(QStringLiteral("http://")));
        QVERIFY(fromMain.endsWith(QStringLiteral("/?from=livenor")));
        QCOMPARE(catcher.urls[1].toString(), fromMain);
        // The link label shows the same host, written out with its scheme.
        QCOMPARE(program.main->Label2->caption() + QStringLiteral("/?from=livenor"), fromMain);
    }
};

LIVENOR_TEST_MAIN(TestTexts, QApplication)
#include "tst_texts.moc"
